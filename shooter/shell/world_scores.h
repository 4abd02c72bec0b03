// Submitting finished games to a world score table, and the one line the
// high-score screen shows about it. Opt-in: nothing is sent unless the
// player named a server (--score-server, or score_server= in kestrel.ini).
// A submission is moved on by polling once per drawn frame, so no frame
// waits on the network.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/http/http_requests.h"

namespace shooter {

// One submission at a time: the game's recording and the player's name are
// posted to the server, whose verdict is then asked for every half second.
class WorldSubmission {
 public:
  // Seconds on a clock that never goes back; tests pass their own.
  using Clock = std::function<double()>;

  enum class State { Idle, Sending, Ranked, Refused, Offline };

  static constexpr double kPollInterval = 0.5;  // between two questions about the verdict
  static constexpr double kGiveUpAfter = 60.0;  // without a verdict, the line says offline
  static constexpr double kPostTimeout = 30.0;  // the recording can be a few MiB
  static constexpr double kGetTimeout = 10.0;

  WorldSubmission(std::string serverAddress, std::unique_ptr<platform::HttpRequests> http, Clock clock);

  // Posts a game; a submission still waiting is given up for it.
  void submit(const std::string& name, const std::string& recording);
  // Hands the finished requests to the state and asks again when due.
  void poll();

  // Polls until the submission is no longer sending or `seconds` passed on
  // the clock, calling `pause` between two polls.
  void finishWithin(double seconds, const std::function<void()>& pause);

  State state() const { return state_; }
  int rank() const { return rank_; }
  // Waiting for the server's answer or verdict.
  bool sending() const { return state_ == State::Sending; }
  // "WORLD: SENDING", "WORLD RANK 12", "WORLD: REFUSED", "WORLD: OFFLINE",
  // or "" before the first submission.
  std::string line() const;

 private:
  void onPosted(const platform::HttpAnswer& answer);
  void onAsked(const platform::HttpAnswer& answer);
  void askForVerdict();

  std::string address_;
  std::unique_ptr<platform::HttpRequests> http_;
  Clock clock_;
  State state_ = State::Idle;
  int rank_ = 0;
  std::string submissionId_;
  std::optional<platform::HttpRequests::Id> posting_;
  std::optional<platform::HttpRequests::Id> asking_;
  double startedAt_ = 0.0;
  double nextQuestionAt_ = 0.0;
};

// The server to submit to: the command line's when given, else the
// score_server= line of kestrel.ini's text (`iniText`, nothing when the file
// is missing); "" when neither names one.
std::string chooseScoreServer(const std::string& commandLine, const std::optional<std::string>& iniText);

// ---- The run's world scores, for start-up, the loop and the screens.

// Turns world scores on for this run (when `serverAddress` is not ""):
// games are kept for submission from here on. Exact replays (--demo,
// --verify) never send; a timedemo does, so tests can submit from one.
void startWorldScores(const std::string& serverAddress);
// Called once per drawn frame.
void pollWorldScores();
// After name entry: submits the game that just ended under `name`.
void submitFinishedGame(const std::string& name);
// The high-score screen's world line; "" when world scores are off or
// nothing was submitted in this run.
std::string worldScoreLine();
// At the program's end: a submission still waiting gets up to 5 s.
void finishWorldScores();

}  // namespace shooter
