// The recording and replaying backends: thin wrappers around the backend of
// the run that keep, or supply, the clock readings and input events the
// program sees. The platform core reads input only at the program's own key
// reads during exact runs (see platform_core.cpp), so an event is tagged with
// the frame and the read at which it reached the program.
#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "platform/backend.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "platform/replay.h"
#include "platform/replay_file.h"

namespace platform {

namespace {

// A replay that runs on this many frames past the recorded end has gone
// another way for good; it stops rather than waiting for the program.
constexpr std::uint64_t kOverrunFrames = 3000;
// After the recorded readings run out the clock steps on by a frame of 50 Hz
// per reading, so the program keeps drawing and sees the close request.
constexpr std::uint64_t kOverrunStepMicros = 20000;

class RecordingBackend;
class ReplayBackend;
class MemoryRecorder;
RecordingBackend* activeRecorder = nullptr;
ReplayBackend* activeReplay = nullptr;
MemoryRecorder* activeMemory = nullptr;
FrameCheck frameCheck = nullptr;

std::uint8_t currentCheck() { return frameCheck ? frameCheck() : 0; }

// Counts the input reads of each frame interval: reads restart at 1 when a
// frame has been shown since the last one.
struct PumpCounter {
  std::uint64_t frame = ~std::uint64_t{0};
  std::uint32_t pump = 0;
  void next() {
    if (framesShown() != frame) {
      frame = framesShown();
      pump = 0;
    }
    ++pump;
  }
};

// What both recorders share: a wrapper around the run's backend that reads
// the clock in whole microseconds (a replay turns the same integer into the
// same double), notes each shown frame with its check byte, and tags each
// input event with the frame and the read at which it reached the program.
// The recorders differ only in where they keep frames and events.
class KeepingBackend : public Backend, protected ProgramInput {
 public:
  explicit KeepingBackend(std::unique_ptr<Backend> inner, bool keepsUserInput = true)
      : inner_(std::move(inner)), keepsUserInput_(keepsUserInput) {}

  bool openWindow(int width, int height, bool fullScreen, std::string_view title) override {
    return inner_->openWindow(width, height, fullScreen, title);
  }
  void closeWindow() override { inner_->closeWindow(); }
  void setTitle(std::string_view title) override { inner_->setTitle(title); }
  void present(const Image& page) override {
    if (framesShown() != framesSeen_) {
      framesSeen_ = framesShown();
      keepFrame({lastMicros_, currentCheck()});
    }
    inner_->present(page);
  }
  void pumpEvents(ProgramInput& sink) override {
    counter_.next();
    target_ = &sink;
    inner_->pumpEvents(*this);
  }
  double clockSeconds() override {
    const double seconds = inner_->clockSeconds();
    const auto micros = static_cast<std::uint64_t>(std::max(0.0, std::floor(seconds * 1e6)));
    lastMicros_ = std::max(lastMicros_, micros);
    return static_cast<double>(lastMicros_) / 1e6;
  }
  void sleepMs(int milliseconds) override { inner_->sleepMs(milliseconds); }
  bool isHeadless() const override { return inner_->isHeadless(); }
  void declareTouch(TouchUse use, std::span<const TapTarget> targets) override { inner_->declareTouch(use, targets); }

 protected:
  virtual void keepFrame(const RecordedFrame& frame) = 0;
  virtual void keepEvent(RecordedEvent event) = 0;

  PumpCounter counter_;
  std::uint64_t framesSeen_ = 0;

 private:
  void keep(RecordedEvent event) {
    event.frame = counter_.frame;
    event.pump = counter_.pump;
    keepEvent(std::move(event));
  }
  // ProgramInput: the user's input, kept and passed on. F12 saves a
  // screenshot and is no part of the game. While a script drives the keys
  // the core ignores the user's keys and text, and so does the recording.
  void keyChanged(int scancode, bool down) override {
    if (scancode != key::F12 && keepsUserInput_) {
      keep({down ? RecordedEvent::Kind::KeyDown : RecordedEvent::Kind::KeyUp, scancode, {}});
    }
    target_->keyChanged(scancode, down);
  }
  void padKeyChanged(int scancode, bool down) override {
    if (keepsUserInput_) keep({down ? RecordedEvent::Kind::PadDown : RecordedEvent::Kind::PadUp, scancode, {}});
    target_->padKeyChanged(scancode, down);
  }
  void keyText(std::string text) override {
    if (keepsUserInput_) keep({RecordedEvent::Kind::Text, 0, text});
    target_->keyText(std::move(text));
  }
  void closeRequested() override {
    keep({RecordedEvent::Kind::Close, 0, {}});
    target_->closeRequested();
  }
  void focusLost() override {
    keep({RecordedEvent::Kind::FocusLost, 0, {}});
    target_->focusLost();
  }
  // Only a wait for any key heeds this, and programs that make exact
  // recordings have none: it is passed on, not kept.
  void anyKeyPressed() override { target_->anyKeyPressed(); }

  std::unique_ptr<Backend> inner_;
  bool keepsUserInput_;
  ProgramInput* target_ = nullptr;
  std::uint64_t lastMicros_ = 0;
};

class RecordingBackend final : public KeepingBackend {
 public:
  RecordingBackend(std::unique_ptr<Backend> inner, std::string path, std::string program, std::uint32_t seed)
      : KeepingBackend(std::move(inner)), path_(std::move(path)) {
    recording_.version = std::string(recordingVersion());
    recording_.program = program.empty() ? "program" : std::move(program);
    recording_.seed = seed;
    activeRecorder = this;
  }
  ~RecordingBackend() override {
    if (activeRecorder == this) activeRecorder = nullptr;
  }

  void addStartValue(std::string_view name, std::string_view value) {
    for (auto& [n, v] : recording_.startValues) {
      if (n == name) {
        v = std::string(value);
        return;
      }
    }
    recording_.startValues.emplace_back(std::string(name), std::string(value));
  }

  RunVerdict finish(std::string_view closing) {
    recording_.closingFigures = std::string(closing);
    const std::string text = formatRecording(recording_);
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
      std::cerr << recording_.program << ": cannot write " << path_ << '\n';
    }
    if (file) std::fclose(file);
    return {};
  }

 private:
  void keepFrame(const RecordedFrame& frame) override { recording_.frames.push_back(frame); }
  void keepEvent(RecordedEvent event) override { recording_.events.push_back(std::move(event)); }

  std::string path_;
  Recording recording_;
};

std::string scoreIn(std::string_view figures) {
  const auto at = figures.find(" score=");
  if (at == std::string_view::npos) return "none";
  const auto start = at + 7;
  const auto end = figures.find(' ', start);
  return std::string(figures.substr(start, end == std::string_view::npos ? end : end - start));
}

class ReplayBackend final : public Backend {
 public:
  ReplayBackend(std::unique_ptr<Backend> inner, Recording recording, bool paced)
      : inner_(std::move(inner)), recording_(std::move(recording)), paced_(paced) {
    activeReplay = this;
  }
  ~ReplayBackend() override {
    if (activeReplay == this) activeReplay = nullptr;
  }

  bool openWindow(int width, int height, bool fullScreen, std::string_view title) override {
    return inner_->openWindow(width, height, fullScreen, title);
  }
  void closeWindow() override { inner_->closeWindow(); }
  void setTitle(std::string_view title) override { inner_->setTitle(title); }
  void present(const Image& page) override {
    const std::uint64_t frame = framesShown();
    if (frame != framesSeen_ && !finished_) {
      framesSeen_ = frame;
      const auto& frames = recording_.frames;
      if (frame > frames.size() || frames[static_cast<std::size_t>(frame - 1)].check != currentCheck()) noteDifference(frame);
      if (frame > frames.size() + kOverrunFrames) giveUp();
    }
    inner_->present(page);
  }
  void pumpEvents(ProgramInput& sink) override {
    counter_.next();
    // The window's own input: only its close button and F12 count in a replay.
    inner_->pumpEvents(watcher_);
    if (watcher_.screenshot) {
      watcher_.screenshot = false;
      sink.keyChanged(key::F12, true);
      sink.keyChanged(key::F12, false);
    }
    if (watcher_.closed && !userCloseSent_) {
      userCloseSent_ = true;
      sink.closeRequested();
    }
    const auto& events = recording_.events;
    while (nextEvent_ < events.size() &&
           (events[nextEvent_].frame < counter_.frame ||
            (events[nextEvent_].frame == counter_.frame && events[nextEvent_].pump <= counter_.pump))) {
      deliver(events[nextEvent_++], sink);
    }
    if (ranOut_ && !closeSent_) {
      closeSent_ = true;
      sink.closeRequested();
    }
  }
  double clockSeconds() override {
    const std::uint64_t frame = framesShown();
    std::uint64_t micros = 0;
    if (finished_) {
      micros = lastMicros_ + kOverrunStepMicros;
    } else if (frame < recording_.frames.size()) {
      micros = recording_.frames[static_cast<std::size_t>(frame)].clockMicros;
    } else {
      // The program wants a frame the recording does not hold.
      if (!ranOut_) noteDifference(frame + 1);
      ranOut_ = true;
      micros = lastMicros_ + kOverrunStepMicros;
    }
    lastMicros_ = micros;
    const double seconds = static_cast<double>(micros) / 1e6;
    if (paced_) waitUntil(seconds);
    return seconds;
  }
  void sleepMs(int milliseconds) override { inner_->sleepMs(milliseconds); }
  bool isHeadless() const override { return inner_->isHeadless(); }
  void declareTouch(TouchUse use, std::span<const TapTarget> targets) override { inner_->declareTouch(use, targets); }

  std::optional<std::string> startValue(std::string_view name) const {
    for (const auto& [n, v] : recording_.startValues) {
      if (n == name) return v;
    }
    return std::nullopt;
  }

  RunVerdict finish(std::string_view closing) {
    if (finished_) return *finished_;
    const std::uint64_t shown = framesShown();
    if (!firstDifference_ && shown != recording_.frames.size()) {
      noteDifference(std::min<std::uint64_t>(shown, recording_.frames.size()) + 1);
    }
    if (!firstDifference_ && closing != recording_.closingFigures) noteDifference(shown);
    finished_ = verdict(closing);
    return *finished_;
  }

 private:
  struct Watcher final : ProgramInput {
    bool closed = false;
    bool screenshot = false;
    void keyChanged(int scancode, bool down) override { screenshot = screenshot || (scancode == key::F12 && down); }
    void padKeyChanged(int, bool) override {}
    void keyText(std::string) override {}
    void closeRequested() override { closed = true; }
    void focusLost() override {}
    void anyKeyPressed() override {}
  };

  static void deliver(const RecordedEvent& e, ProgramInput& sink) {
    switch (e.kind) {
      case RecordedEvent::Kind::KeyDown: sink.keyChanged(e.scancode, true); break;
      case RecordedEvent::Kind::KeyUp: sink.keyChanged(e.scancode, false); break;
      case RecordedEvent::Kind::PadDown: sink.padKeyChanged(e.scancode, true); break;
      case RecordedEvent::Kind::PadUp: sink.padKeyChanged(e.scancode, false); break;
      case RecordedEvent::Kind::Text: sink.keyText(e.text); break;
      case RecordedEvent::Kind::FocusLost: sink.focusLost(); break;
      case RecordedEvent::Kind::Close: sink.closeRequested(); break;
    }
  }

  // The recorded pace: the reading is handed over once the real clock has
  // reached it. The window stays responsive to its close button meanwhile.
  void waitUntil(double seconds) {
    for (double now = inner_->clockSeconds(); now < seconds && !watcher_.closed; now = inner_->clockSeconds()) {
      const double ms = std::clamp((seconds - now) * 1000.0, 1.0, 20.0);
      inner_->sleepMs(static_cast<int>(ms));
      inner_->pumpEvents(watcher_);
    }
  }

  void noteDifference(std::uint64_t frame) {
    if (!firstDifference_) firstDifference_ = std::max<std::uint64_t>(frame, 1);
  }

  RunVerdict verdict(std::string_view closing) const {
    RunVerdict v;
    v.replaying = true;
    v.matches = firstDifference_ == 0;
    if (v.matches) {
      v.line = "replay: matches score=" + scoreIn(closing) + " frames=" + std::to_string(framesShown());
    } else {
      v.line = "replay: differs at frame " + std::to_string(firstDifference_) + " (recorded score=" +
               scoreIn(recording_.closingFigures) + ", replayed score=" + scoreIn(closing) + ")";
    }
    return v;
  }

  // The program did not end within the overrun: report and stop it.
  [[noreturn]] void giveUp() const {
    const std::string line = verdict(" score=none").line + "\n";
    std::fflush(stdout);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
    std::_Exit(1);
  }

  std::unique_ptr<Backend> inner_;
  Recording recording_;
  bool paced_;
  PumpCounter counter_;
  Watcher watcher_;
  std::size_t nextEvent_ = 0;
  std::uint64_t framesSeen_ = 0;
  std::uint64_t lastMicros_ = 0;
  std::uint64_t firstDifference_ = 0;
  bool ranOut_ = false;
  bool closeSent_ = false;
  bool userCloseSent_ = false;
  std::optional<RunVerdict> finished_;
};

// Keeps the run in memory from its start. Frames and events are numbered as
// the run counts them; a mark drops everything before it and remembers the
// keys held there, so a cut from the mark replays from the same key state.
class MemoryRecorder final : public KeepingBackend {
 public:
  MemoryRecorder(std::unique_ptr<Backend> inner, std::string program, bool scripted)
      : KeepingBackend(std::move(inner), !scripted), program_(std::move(program)) {
    activeMemory = this;
  }
  ~MemoryRecorder() override {
    if (activeMemory == this) activeMemory = nullptr;
  }

  void mark() {
    markFrame_ = framesShown();
    // Frames up to the mark and the events of their intervals are done with.
    const std::uint64_t keptFrames = framesSeen_ > markFrame_ ? framesSeen_ - markFrame_ : 0;
    frames_.erase(frames_.begin(), frames_.end() - static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(keptFrames, frames_.size())));
    std::erase_if(events_, [this](const RecordedEvent& e) { return e.frame < markFrame_; });
    keysAtMark_ = keys_;
    padKeysAtMark_ = padKeys_;
  }

  Recording sinceMark() const {
    Recording r;
    r.version = std::string(recordingVersion());
    r.program = program_;
    r.frames = frames_;
    for (int code = 1; code < key::kCount; ++code) {
      const auto at = static_cast<std::size_t>(code);
      if (padKeysAtMark_[at]) r.events.push_back({RecordedEvent::Kind::PadDown, code, {}, 0, 1});
      if (keysAtMark_[at]) r.events.push_back({RecordedEvent::Kind::KeyDown, code, {}, 0, 1});
    }
    for (RecordedEvent e : events_) {
      e.frame -= markFrame_;
      r.events.push_back(std::move(e));
    }
    return r;
  }

  // An input the core applied from its script: at the read that came last,
  // or at the first read of the frame interval when none has come yet.
  void keepScripted(RecordedEvent event) {
    const bool readThisInterval = counter_.frame == framesShown();
    event.frame = framesShown();
    event.pump = readThisInterval ? std::max<std::uint32_t>(counter_.pump, 1) : 1;
    note(event);
  }

 private:
  void note(const RecordedEvent& event) {
    if (event.scancode > 0 && event.scancode < key::kCount) {
      const auto at = static_cast<std::size_t>(event.scancode);
      switch (event.kind) {
        case RecordedEvent::Kind::KeyDown: keys_[at] = true; break;
        case RecordedEvent::Kind::KeyUp: keys_[at] = false; break;
        case RecordedEvent::Kind::PadDown: padKeys_[at] = true; break;
        case RecordedEvent::Kind::PadUp: padKeys_[at] = false; break;
        default: break;
      }
    }
    events_.push_back(event);
  }
  void keepFrame(const RecordedFrame& frame) override { frames_.push_back(frame); }
  void keepEvent(RecordedEvent event) override { note(event); }

  std::string program_;
  std::vector<RecordedFrame> frames_;  // frames_[k] is frame markFrame_ + k + 1
  std::vector<RecordedEvent> events_;  // frames numbered as the run counts them
  std::uint64_t markFrame_ = 0;
  std::bitset<key::kCount> keys_;
  std::bitset<key::kCount> padKeys_;
  std::bitset<key::kCount> keysAtMark_;
  std::bitset<key::kCount> padKeysAtMark_;
};

}  // namespace

bool isRecording() { return activeRecorder != nullptr; }
bool isReplaying() { return activeReplay != nullptr; }

void recordStartValue(std::string_view name, std::string_view value) {
  if (activeRecorder) activeRecorder->addStartValue(name, value);
}

std::optional<std::string> replayStartValue(std::string_view name) {
  if (!activeReplay) return std::nullopt;
  return activeReplay->startValue(name);
}

void setFrameCheck(FrameCheck check) { frameCheck = check; }

bool isKeepingRunInMemory() { return activeMemory != nullptr; }

void markKeptRun() {
  if (activeMemory) activeMemory->mark();
}

std::optional<Recording> keptRunSinceMark() {
  if (!activeMemory) return std::nullopt;
  return activeMemory->sinceMark();
}

void keepScriptedInput(RecordedEvent event) {
  if (activeMemory) activeMemory->keepScripted(std::move(event));
}

RunVerdict finishReplayNow(std::string_view closingFigures) {
  if (activeReplay) return activeReplay->finish(closingFigures);
  return {};
}

RunVerdict finishRecordingOrReplay(std::string_view closingFigures) {
  if (activeRecorder) return activeRecorder->finish(closingFigures);
  if (activeReplay) return activeReplay->finish(closingFigures);
  return {};
}

std::unique_ptr<Backend> makeRecordingBackend(std::unique_ptr<Backend> inner, std::string path,
                                              std::string program, std::uint32_t seed) {
  return std::make_unique<RecordingBackend>(std::move(inner), std::move(path), std::move(program), seed);
}

std::unique_ptr<Backend> makeReplayBackend(std::unique_ptr<Backend> inner, Recording recording, bool paced) {
  return std::make_unique<ReplayBackend>(std::move(inner), std::move(recording), paced);
}

std::unique_ptr<Backend> makeMemoryRecorder(std::unique_ptr<Backend> inner, std::string program, bool scripted) {
  return std::make_unique<MemoryRecorder>(std::move(inner), std::move(program), scripted);
}

}  // namespace platform
