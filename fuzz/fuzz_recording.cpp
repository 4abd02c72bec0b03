// Exact recordings: any text either parses or is refused with a line number;
// a parsed recording written back out reads the same, and replaying it past
// its end (clock readings, input reads, frame checks) stays in bounds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/backend.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/replay.h"
#include "platform/replay_file.h"
#include "platform/run_options.h"

namespace {

struct CountingSink final : platform::ProgramInput {
  std::size_t events = 0;
  void keyChanged(int, bool) override { ++events; }
  void padKeyChanged(int, bool) override { ++events; }
  void keyText(std::string) override { ++events; }
  void closeRequested() override { ++events; }
  void focusLost() override { ++events; }
  void anyKeyPressed() override { ++events; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto parsed = platform::parseRecording(text);
  if (!parsed.recording) {
    if (parsed.error.rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  const platform::Recording& rec = *parsed.recording;
  const std::string written = platform::formatRecording(rec);
  const auto again = platform::parseRecording(written);
  if (!again.recording || platform::formatRecording(*again.recording) != written) std::abort();
  if (again.recording->frames.size() != rec.frames.size() || again.recording->events.size() != rec.events.size() ||
      again.recording->startValues != rec.startValues || again.recording->seed != rec.seed) {
    std::abort();
  }

  // Replay a short recording through the replay backend: every frame it
  // holds and a few past its end.
  if (rec.frames.size() > 2000) return 0;
  if (platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), platform::RunOptions{})) std::abort();
  platform::openScreen(4, 4, 1, false);
  auto replay = platform::makeReplayBackend(std::make_unique<platform::HeadlessBackend>(), rec, false);
  CountingSink sink;
  double last = 0.0;
  for (std::size_t frame = 0; frame < rec.frames.size() + 5; ++frame) {
    const double now = replay->clockSeconds();
    if (now < last) std::abort();
    last = now;
    for (int read = 0; read < 3; ++read) replay->pumpEvents(sink);
    platform::setVisiblePage(0);
    replay->present(platform::visiblePage());
  }
  if (sink.events < rec.events.size()) std::abort();
  if (platform::finishRecordingOrReplay(" score=1").matches && !rec.frames.empty()) {
    // It ran five frames past the end: that never matches.
    std::abort();
  }
  replay.reset();
  platform::shutdownPlatform();
  return 0;
}
