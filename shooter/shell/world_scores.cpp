// The world score submission's states and the run's one submission.
#include "shooter/shell/world_scores.h"

#include <chrono>
#include <iostream>
#include <thread>
#include <utility>

#include <nlohmann/json.hpp>

#include "platform/platform.h"
#include "platform/replay.h"
#include "platform/run_options.h"
#include "shooter/shell/game_capture.h"

namespace shooter {

namespace {

using Json = nlohmann::json;

// The body of a 2xx or 4xx answer as JSON; an empty object when it is not.
Json parsedBody(const platform::HttpAnswer& answer) {
  Json body = Json::parse(answer.body, nullptr, false);
  return body.is_object() ? body : Json::object();
}

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string textField(const Json& body, const char* name) {
  const auto found = body.find(name);
  if (found == body.end()) return "";
  if (found->is_string()) return found->get<std::string>();
  if (found->is_number_integer()) return std::to_string(found->get<long long>());
  return "";
}

}  // namespace

WorldSubmission::WorldSubmission(std::string serverAddress, std::unique_ptr<platform::HttpRequests> http, Clock clock)
    : address_(std::move(serverAddress)), http_(std::move(http)), clock_(std::move(clock)) {}

void WorldSubmission::submit(const std::string& name, const std::string& recording) {
  // Answers to an earlier submission's requests are dropped when they come.
  asking_.reset();
  submissionId_.clear();
  rank_ = 0;
  std::string body;
  try {
    body = Json{{"name", name}, {"recording", recording}}.dump();
  } catch (const Json::exception&) {
    // Only bytes that are not UTF-8 get here; the server would refuse them.
    state_ = State::Refused;
    return;
  }
  state_ = State::Sending;
  startedAt_ = clock_();
  posting_ = http_->post(address_ + "/api/v1/submissions", "application/json", std::move(body), kPostTimeout);
}

void WorldSubmission::poll() {
  for (const auto& [id, answer] : http_->poll()) {
    if (posting_ == id) {
      posting_.reset();
      onPosted(answer);
    } else if (asking_ == id) {
      asking_.reset();
      onAsked(answer);
    }
  }
  if (state_ != State::Sending) return;
  const double now = clock_();
  if (now - startedAt_ >= kGiveUpAfter) {
    state_ = State::Offline;
    posting_.reset();
    asking_.reset();
  } else if (!posting_ && !asking_ && !submissionId_.empty() && now >= nextQuestionAt_) {
    askForVerdict();
  }
}

void WorldSubmission::finishWithin(double seconds, const std::function<void()>& pause) {
  const double until = clock_() + seconds;
  poll();
  while (sending() && clock_() < until) {
    pause();
    poll();
  }
}

void WorldSubmission::onPosted(const platform::HttpAnswer& answer) {
  const Json body = parsedBody(answer);
  if (answer.status == 202 || answer.status == 200) {
    submissionId_ = textField(body, "id");
    if (submissionId_.empty()) {
      state_ = State::Offline;  // not the score server's answer
    } else {
      nextQuestionAt_ = clock_() + kPollInterval;
    }
  } else if (answer.status == 400 || answer.status == 413) {
    // The server looked at the game and said no (bad name, too large).
    state_ = State::Refused;
  } else {
    // No answer, too many submissions from here (429) or a server fault:
    // the game did not get through.
    state_ = State::Offline;
  }
  if (state_ != State::Sending && !answer.failure.empty()) {
    std::cerr << "shooter: world scores: " << answer.failure << '\n';
  }
}

void WorldSubmission::onAsked(const platform::HttpAnswer& answer) {
  nextQuestionAt_ = clock_() + kPollInterval;
  if (answer.status == 0) {
    std::cerr << "shooter: world scores: " << answer.failure << '\n';
    state_ = State::Offline;
    return;
  }
  // Any other answer than a verdict ("queued", a busy server's 5xx) means:
  // ask again, until the give-up time.
  if (answer.status != 200) return;
  const Json body = parsedBody(answer);
  const std::string verdict = textField(body, "state");
  if (verdict == "verified") {
    const auto rank = body.find("rank");
    if (rank != body.end() && rank->is_number_integer() && rank->get<long long>() > 0) {
      rank_ = static_cast<int>(rank->get<long long>());
      state_ = State::Ranked;
    }
  } else if (verdict == "refused") {
    state_ = State::Refused;
    const std::string reason = textField(body, "reason");
    if (!reason.empty()) std::cerr << "shooter: world scores: refused: " << reason << '\n';
  }
}

void WorldSubmission::askForVerdict() {
  asking_ = http_->get(address_ + "/api/v1/submissions/" + submissionId_, kGetTimeout);
}

std::string WorldSubmission::line() const {
  switch (state_) {
    case State::Idle: return "";
    case State::Sending: return "WORLD: SENDING";
    case State::Ranked: return "WORLD RANK " + std::to_string(rank_);
    case State::Refused: return "WORLD: REFUSED";
    case State::Offline: return "WORLD: OFFLINE";
  }
  return "";
}

// kestrel.ini holds NAME=VALUE lines; only score_server is read here, and
// spaces around the name and the value do not count.
std::string chooseScoreServer(const std::string& commandLine, const std::optional<std::string>& iniText) {
  if (!commandLine.empty() || !iniText) return commandLine;
  std::size_t start = 0;
  while (start < iniText->size()) {
    std::size_t end = iniText->find('\n', start);
    if (end == std::string::npos) end = iniText->size();
    std::string_view line(iniText->data() + start, end - start);
    start = end + 1;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || trim(line.substr(0, equals)) != "score_server") continue;
    const std::string_view value = trim(line.substr(equals + 1));
    if (auto address = platform::scoreServerAddress(value)) return *address;
    std::cerr << "shooter: kestrel.ini: score_server needs an address starting with http:// or https://\n";
    return "";
  }
  return "";
}

// ---- The run's submission.

namespace {

std::unique_ptr<WorldSubmission> runSubmission;

double steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

constexpr double kExitWait = 5.0;

}  // namespace

void startWorldScores(const std::string& serverAddress) {
  if (serverAddress.empty()) return;
  if (platform::isReplaying() && !platform::isTimedemo()) return;
  keepGamesForSubmission();
  runSubmission = std::make_unique<WorldSubmission>(serverAddress, platform::makeHttpRequests(), &steadySeconds);
}

void pollWorldScores() {
  if (runSubmission) runSubmission->poll();
}

void submitFinishedGame(const std::string& name) {
  if (!runSubmission) return;
  if (auto recording = takeFinishedGameRecording()) runSubmission->submit(name, *recording);
}

std::string worldScoreLine() { return runSubmission ? runSubmission->line() : ""; }

void finishWorldScores() {
  if (!runSubmission) return;
  runSubmission->finishWithin(kExitWait, [] { std::this_thread::sleep_for(std::chrono::milliseconds(10)); });
  runSubmission.reset();
}

}  // namespace shooter
