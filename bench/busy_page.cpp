// The browser's busy page (a benchmark, built with the pages but not part of
// the site): the game's own paced main loop with every pool full at every
// drawn frame, so that the page's frame rate can be measured with all five
// pools busy, which no real game reaches. Before each frame the pools and
// the game state go back to their full snapshot, as in the native benchmark
// of the playing frame; the frame itself (keys, scroll, update, PER PIXEL
// collisions, drawing, HUD, sounds, present) and the pacing are the game's.
#include <iostream>
#include <memory>

#include "bench/bench_play_folder.h"
#include "bench/full_pools.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "shooter/resources/asset_folder.h"
#include "shooter/shell/frame_pacing.h"
#include "shooter/shell/program.h"
#include "shooter/shell/shell_state.h"

int main(int argc, char** argv) {
  const auto parsed = platform::parseRunOptions(argc, argv);
  // Settings (640x480, 50 FPS, PER PIXEL) and a score table of its own, in
  // the page's memory: the player's saved files are never touched.
  bench::enterPlayFolder("kestrel_busy_page");
  shooter::setAssetFolder("/assets");
  if (const auto failure = platform::initPlatform(parsed.options)) {
    std::cerr << failure->message << '\n';
    return failure->exitCode;
  }
  shooter::startUp("", true);
  if (!shooter::shell.running) return 1;
  bench::prepareFullGame();
  bench::PoolSnapshot full = bench::fillPools();
  // Three lives at every frame: a hit costs a life, never the game, whose
  // end would halt every sound each frame as no real game does.
  full.state.lives = 3;
  platform::setWorkPage(shooter::shell.pageB);
  platform::setVisiblePage(shooter::shell.pageA);
  while (shooter::shell.running) {
    if (shooter::frameIsDue(shooter::shell.frameClock)) bench::restore(full);
    shooter::mainLoopPass();
  }
  shooter::shutDown();
  platform::shutdownPlatform();
  return 0;
}
