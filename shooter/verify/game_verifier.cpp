// Verifying one game recording: checks on the text, the clock rule, then the
// replay itself, frame for frame, on the headless backend.
#include "shooter/verify/game_verifier.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <stdexcept>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/replay.h"
#include "platform/replay_file.h"
#include "platform/run_options.h"
#include "shooter/resources/asset_folder.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/game_capture.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/program.h"
#include "shooter/shell/replay_support.h"
#include "shooter/shell/shell_state.h"
#include "shooter/verify/clock_rule.h"

namespace shooter::verify {

namespace {

constexpr std::string_view kProgram = "shooter";
// The wall clock is read every this many passes of the loop.
constexpr int kPassesPerWallCheck = 256;

bool verifierExists = false;

scores::Verdict refuse(std::string reason) {
  scores::Verdict v;
  v.reason = std::move(reason);
  return v;
}

// The number after " KEY=" in closing figures.
std::optional<std::int64_t> figure(std::string_view figures, std::string_view key) {
  const std::string needle = " " + std::string(key) + "=";
  const auto at = figures.find(needle);
  if (at == std::string_view::npos) return std::nullopt;
  const char* begin = figures.data() + at + needle.size();
  const char* end = figures.data() + figures.size();
  std::int64_t value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc{} || (stop != end && *stop != ' ')) return std::nullopt;
  return value;
}

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", s);
  return text;
}

// "replay: differs at frame N (...)": N.
std::uint64_t differingFrame(const std::string& line) {
  constexpr std::string_view marker = "differs at frame ";
  const auto at = line.find(marker);
  std::uint64_t frame = 0;
  if (at != std::string::npos) {
    const char* begin = line.data() + at + marker.size();
    std::from_chars(begin, line.data() + line.size(), frame);
  }
  return frame;
}

}  // namespace

GameVerifier::GameVerifier(std::string assetFolder, std::function<double()> wallClock)
    : wallClock_(std::move(wallClock)) {
  if (verifierExists) throw std::logic_error("only one GameVerifier may exist in a process: the game's state is global");
  verifierExists = true;
  if (!wallClock_) {
    wallClock_ = [] {
      return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    };
  }
  setAssetFolder(assetFolder);
  loadSpriteSheet(assetPath("plik.bmp"));
  loadAnimations(assetPath("anim_data.dat"));
  initGlyphs();
  openSilentAudio(0);
  platform::setFrameCheck(&replayFrameCheck);
}

GameVerifier::~GameVerifier() {
  closeAudio();
  platform::shutdownPlatform();
  verifierExists = false;
}

scores::Verdict GameVerifier::verify(std::string_view text, const VerifyLimits& limits) {
  if (text.size() > limits.maxBytes) {
    return refuse("the recording is " + std::to_string(text.size()) + " bytes; the limit is " +
                  std::to_string(limits.maxBytes));
  }
  if (!platform::looksLikeRecording(text)) return refuse("not a recording: it does not start with \"kestrel-recording 1\"");
  auto parsed = platform::parseRecording(text);
  if (!parsed.recording) return refuse("the recording cannot be read: " + parsed.error);
  platform::Recording& rec = *parsed.recording;
  if (rec.program != kProgram) return refuse("recorded by another program (" + rec.program + ")");
  if (rec.version != platform::recordingVersion()) {
    return refuse("recorded by version " + rec.version + "; this board verifies version " +
                  std::string(platform::recordingVersion()));
  }
  const auto hasValue = [&rec](std::string_view name) {
    for (const auto& [n, v] : rec.startValues) {
      if (n == name) return true;
    }
    return false;
  };
  if (!hasValue("game")) return refuse("not a game recording: it holds no game start values");
  if (rec.frames.empty()) return refuse("the recording holds no frames");
  if (rec.frames.size() > limits.maxFrames) {
    return refuse("the game has " + std::to_string(rec.frames.size()) + " frames; the limit is " +
                  std::to_string(limits.maxFrames));
  }
  const auto claimedScore = figure(rec.closingFigures, "score");
  const auto claimedFrames = figure(rec.closingFigures, "frames");
  if (!claimedScore || !claimedFrames) return refuse("the recording's end figures are not \"score=N frames=M\"");
  if (*claimedFrames != static_cast<std::int64_t>(rec.frames.size())) {
    return refuse("the end figures claim " + std::to_string(*claimedFrames) + " frames; the recording holds " +
                  std::to_string(rec.frames.size()));
  }
  std::vector<std::uint64_t> readings;
  readings.reserve(rec.frames.size());
  for (const auto& f : rec.frames) readings.push_back(f.clockMicros);
  const std::string recordedFigures = rec.closingFigures;

  // Start the program on the recording, as --verify does.
  platform::RunOptions options;
  options.programName = std::string(kProgram);
  options.exactReplays = true;
  options.noSound = true;
  if (const auto failure = platform::initPlatformReplaying(std::make_unique<platform::HeadlessBackend>(), options,
                                                           std::move(rec))) {
    return refuse(failure->message);
  }
  platform::skipDrawing(!drawPages_);
  startUp("", false, StartAssets::Keep);
  if (const auto problem = replayedGameStartProblem()) return refuse("bad start values: " + *problem);
  if (!shell.running) return refuse("bad start values: the program could not start from them");

  const double span = static_cast<double>(readings.back()) / 1e6 - shell.frameClock.now;
  if (span > limits.maxPlaySeconds) {
    return refuse("the game lasts " + seconds(span) + "; the limit is " + seconds(limits.maxPlaySeconds));
  }
  if (const auto problem = clockRuleProblem(readings, shell.settings.desiredFps, shell.frameClock)) {
    return refuse("the clock rule: " + *problem);
  }

  const double wallStart = wallClock_();
  platform::setWorkPage(shell.pageB);
  for (int passes = 1; shell.running; ++passes) {
    mainLoopPass();
    // A game that goes on past the recorded frames went another way; it is
    // stopped here rather than left to run (and to stop the process).
    if (platform::framesShown() > readings.size()) {
      platform::finishRecordingOrReplay(gameClosingFigures());
      return refuse("the replay went another way at frame " + std::to_string(readings.size() + 1) +
                    ": the game goes on past the recording's end");
    }
    if (passes % kPassesPerWallCheck == 0 && wallClock_() - wallStart > limits.maxWallSeconds) {
      platform::finishRecordingOrReplay(gameClosingFigures());
      return refuse("the verification took longer than " + seconds(limits.maxWallSeconds));
    }
  }
  const std::string replayedFigures = gameClosingFigures();
  const auto verdict = platform::finishRecordingOrReplay(replayedFigures);
  if (!verdict.matches) {
    const std::uint64_t frame = differingFrame(verdict.line);
    if (replayedFigures != recordedFigures && frame >= readings.size() && platform::framesShown() == readings.size()) {
      return refuse("the end figures differ: recorded" + recordedFigures + ", replayed" + replayedFigures);
    }
    return refuse("the replay went another way at frame " + std::to_string(frame));
  }
  scores::Verdict v;
  v.counted = true;
  v.score = *claimedScore;
  v.frames = readings.size();
  v.playSeconds = span;
  return v;
}

std::optional<std::string> nameProblem(std::string_view name) {
  if (name.empty()) return std::string("the name is empty");
  if (name.size() > kMaxNameLength) {
    return "the name has " + std::to_string(name.size()) + " characters; at most " + std::to_string(kMaxNameLength) +
           " fit the table";
  }
  for (const char c : name) {
    const bool typable = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
    if (!typable) return std::string("the name may hold only A to Z, 0 to 9 and spaces");
  }
  return std::nullopt;
}

}  // namespace shooter::verify
