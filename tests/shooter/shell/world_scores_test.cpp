// The world line's states against a scripted server, on a clock the test
// moves; and where the server's address comes from.
#include "shooter/shell/world_scores.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/run_options.h"

namespace shooter {
namespace {

// Keeps each request and hands back the answers the test gives, at the next
// poll, as a real client would.
class ScriptedServer final : public platform::HttpRequests {
 public:
  struct Request {
    std::string method, url, contentType, body;
  };

  Id post(const std::string& url, const std::string& contentType, std::string body, double) override {
    requests.push_back({"POST", url, contentType, std::move(body)});
    return open();
  }
  Id get(const std::string& url, double) override {
    requests.push_back({"GET", url, "", ""});
    return open();
  }
  std::vector<std::pair<Id, platform::HttpAnswer>> poll() override {
    auto ready = std::exchange(answers_, {});
    for (const auto& [id, answer] : ready) waiting_.erase(id);
    return ready;
  }
  int inFlight() const override { return static_cast<int>(waiting_.size()); }

  // Answers the request made `n`-th (from 1), or the last one.
  void answer(Id n, int status, std::string body, std::string failure = "") {
    answers_.emplace_back(n, platform::HttpAnswer{status, std::move(body), std::move(failure)});
  }
  void answerLast(int status, std::string body, std::string failure = "") {
    answer(lastId_, status, std::move(body), std::move(failure));
  }

  std::vector<Request> requests;

 private:
  Id open() {
    waiting_[++lastId_] = true;
    return lastId_;
  }
  Id lastId_ = 0;
  std::map<Id, bool> waiting_;
  std::vector<std::pair<Id, platform::HttpAnswer>> answers_;
};

class WorldLine : public ::testing::Test {
 protected:
  WorldLine() {
    auto scripted = std::make_unique<ScriptedServer>();
    server = scripted.get();
    submission = std::make_unique<WorldSubmission>("http://127.0.0.1:8080", std::move(scripted), [this] { return now; });
  }

  // Moves the clock in steps of `step` seconds, polling after each (steps
  // that binary fractions hold exactly, so the sums are exact too).
  void pass(double seconds, double step = 0.125) {
    for (double moved = 0.0; moved < seconds - 1e-9; moved += step) {
      now += step;
      submission->poll();
    }
  }

  std::size_t requestCount() const { return server->requests.size(); }
  const ScriptedServer::Request& lastRequest() const { return server->requests.back(); }

  // Posts a game and has the server take it as submission 17.
  void submitAccepted() {
    submission->submit("ACE PILOT", "kestrel-recording 1\nversion 0.1.0\n");
    server->answerLast(202, R"({"id": "17", "state": "queued"})");
    submission->poll();
  }

  double now = 1000.0;
  ScriptedServer* server = nullptr;
  std::unique_ptr<WorldSubmission> submission;
};

TEST_F(WorldLine, AcceptedGameIsAskedAboutEveryHalfSecondUntilItsRankComes) {
  EXPECT_EQ(submission->line(), "");
  submission->submit("ACE PILOT", "kestrel-recording 1\nversion 0.1.0\n");
  EXPECT_EQ(submission->line(), "WORLD: SENDING");
  ASSERT_EQ(requestCount(), 1u);
  EXPECT_EQ(lastRequest().method, "POST");
  EXPECT_EQ(lastRequest().url, "http://127.0.0.1:8080/api/v1/submissions");
  EXPECT_EQ(lastRequest().contentType, "application/json");
  const auto body = nlohmann::json::parse(lastRequest().body);
  EXPECT_EQ(body.at("name"), "ACE PILOT");
  EXPECT_EQ(body.at("recording"), "kestrel-recording 1\nversion 0.1.0\n");

  server->answerLast(202, R"({"id": 17, "state": "queued"})");  // a number id is read too
  submission->poll();
  pass(0.375);
  EXPECT_EQ(requestCount(), 1u) << "asked before half a second passed";
  pass(0.125);
  ASSERT_EQ(requestCount(), 2u);
  EXPECT_EQ(lastRequest().method, "GET");
  EXPECT_EQ(lastRequest().url, "http://127.0.0.1:8080/api/v1/submissions/17");

  // While a question is open no second one goes out.
  pass(2.0);
  EXPECT_EQ(requestCount(), 2u);
  server->answerLast(200, R"({"id": "17", "state": "queued"})");
  submission->poll();
  EXPECT_EQ(submission->line(), "WORLD: SENDING");
  pass(0.5);
  ASSERT_EQ(requestCount(), 3u);
  server->answerLast(200, R"({"id": "17", "state": "verified", "rank": 12, "score": 4200})");
  submission->poll();
  EXPECT_EQ(submission->line(), "WORLD RANK 12");
  pass(5.0);
  EXPECT_EQ(requestCount(), 3u) << "asked again after the verdict";
}

TEST_F(WorldLine, RefusalsByVerdictOrAtTheDoorShowRefused) {
  submitAccepted();
  pass(0.5);
  server->answerLast(200, R"({"id": "17", "state": "refused", "reason": "frame 12 differs"})");
  submission->poll();
  EXPECT_EQ(submission->line(), "WORLD: REFUSED");

  for (const int status : {400, 413}) {
    submission->submit("", "garbage");
    server->answerLast(status, R"({"error": "the name must have 1 to 12 characters"})");
    submission->poll();
    EXPECT_EQ(submission->line(), "WORLD: REFUSED") << status;
  }
}

TEST_F(WorldLine, NoAnswerOrNoRoomAtTheServerShowsOffline) {
  submission->submit("ACE", "kestrel-recording 1\n");
  server->answerLast(0, "", "Failed to connect to 127.0.0.1 port 8080: Connection refused");
  submission->poll();
  EXPECT_EQ(submission->line(), "WORLD: OFFLINE");

  for (const int status : {429, 500}) {
    submission->submit("ACE", "kestrel-recording 1\n");
    server->answerLast(status, R"({"error": "busy"})");
    submission->poll();
    EXPECT_EQ(submission->line(), "WORLD: OFFLINE") << status;
  }

  // A 202 that is not the score server's (no id).
  submission->submit("ACE", "kestrel-recording 1\n");
  server->answerLast(202, "<html>proxy</html>");
  submission->poll();
  EXPECT_EQ(submission->line(), "WORLD: OFFLINE");

  // The server going away while the verdict is awaited.
  submitAccepted();
  pass(0.5);
  server->answerLast(0, "", "Connection refused");
  submission->poll();
  EXPECT_EQ(submission->line(), "WORLD: OFFLINE");
}

TEST_F(WorldLine, SixtySecondsWithoutAVerdictShowOfflineAndStopTheQuestions) {
  submitAccepted();
  // The server keeps answering "queued", or a busy 503.
  for (int i = 0; i < 118; ++i) {
    pass(0.5);
    if (server->inFlight() > 0) server->answerLast(i % 2 == 0 ? 200 : 503, R"({"id": "17", "state": "queued"})");
  }
  EXPECT_EQ(submission->line(), "WORLD: SENDING");
  pass(1.0);
  EXPECT_EQ(submission->line(), "WORLD: OFFLINE");
  const auto asked = requestCount();
  pass(5.0);
  EXPECT_EQ(requestCount(), asked);
  // A verdict that comes after giving up changes nothing.
  server->answerLast(200, R"({"id": "17", "state": "verified", "rank": 1})");
  submission->poll();
  EXPECT_EQ(submission->line(), "WORLD: OFFLINE");
}

TEST_F(WorldLine, AnswersForAnEarlierSubmissionDoNotReachTheNextOne) {
  submitAccepted();
  pass(0.5);  // request 2 asks about submission 17
  ASSERT_EQ(requestCount(), 2u);
  submission->submit("SECOND", "kestrel-recording 1\n");  // request 3
  server->answer(2, 200, R"({"id": "17", "state": "verified", "rank": 1})");
  submission->poll();
  EXPECT_EQ(submission->line(), "WORLD: SENDING");
  server->answer(3, 202, R"({"id": "18", "state": "queued"})");
  submission->poll();
  pass(0.5);
  ASSERT_EQ(requestCount(), 4u);
  EXPECT_EQ(lastRequest().url, "http://127.0.0.1:8080/api/v1/submissions/18");
}

TEST_F(WorldLine, TheExitWaitEndsAtTheVerdictOrAfterItsTime) {
  submitAccepted();
  // The verdict arrives at the second question.
  int pauses = 0;
  submission->finishWithin(5.0, [&] {
    ++pauses;
    now += 0.125;
    if (server->inFlight() > 0 && requestCount() == 3) server->answerLast(200, R"({"state": "verified", "rank": 3})");
    if (server->inFlight() > 0 && requestCount() == 2) server->answerLast(200, R"({"state": "queued"})");
  });
  EXPECT_EQ(submission->line(), "WORLD RANK 3");
  EXPECT_LT(pauses, 15);

  // A server that never answers holds the exit for five seconds, no longer.
  submission->submit("ACE", "kestrel-recording 1\n");
  const double start = now;
  submission->finishWithin(5.0, [&] { now += 0.125; });
  EXPECT_EQ(submission->line(), "WORLD: SENDING");
  EXPECT_EQ(now - start, 5.0);
}

TEST(ScoreServerSetting, CommandLineThenKestrelIni) {
  const std::string ini =
      "volume=3\n"
      "# score_server=http://commented.example\n"
      "score_server_backup=http://other.example\n"
      "  score_server =  http://127.0.0.1:8080/  \r\n"
      "name=ACE\n";
  EXPECT_EQ(chooseScoreServer("", ini), "http://127.0.0.1:8080");
  EXPECT_EQ(chooseScoreServer("https://scores.example", ini), "https://scores.example");
  EXPECT_EQ(chooseScoreServer("", std::nullopt), "");
  EXPECT_EQ(chooseScoreServer("", std::string("volume=3\nserver=http://x.example\n")), "");
  EXPECT_EQ(chooseScoreServer("", std::string("score_server=ftp://x.example\n")), "");
  EXPECT_EQ(chooseScoreServer("", std::string("score_server=http://last.example")), "http://last.example");
}

TEST(ScoreServerSetting, TheOptionTakesHttpAddressesOnly) {
  auto parse = [](const char* value) {
    const char* argv[] = {"shooter", "--score-server", value};
    return platform::parseRunOptions(3, argv);
  };
  const auto good = parse("http://127.0.0.1:8080/");
  EXPECT_EQ(good.error, "");
  EXPECT_EQ(good.options.scoreServer, "http://127.0.0.1:8080");
  for (const char* bad : {"127.0.0.1:8080", "ftp://host", "http://", "http://a b"}) {
    EXPECT_NE(parse(bad).error, "") << bad;
  }
  const char* argv[] = {"shooter", "--score-server"};
  EXPECT_NE(platform::parseRunOptions(2, argv).error, "");
  EXPECT_EQ(platform::parseRunOptions(1, argv).options.scoreServer, "");
}

}  // namespace
}  // namespace shooter
