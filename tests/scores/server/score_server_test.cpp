// The score server through a real HTTP client on a loopback port: a store in
// memory, a stand-in verifier (it reads the recording's `end` line and
// refuses a recording that says "tampered"), and a rate limiter on a clock
// moved by hand.
#include <gtest/gtest.h>
#include <httplib.h>

#include <nlohmann/json.hpp>
#include <thread>

#include "scores/server/http_front.h"
#include "scores/server/score_api.h"
#include "scores/server/verifier_worker.h"
#include "tests/scores/server/memory_store.h"

namespace scores {
namespace {

using nlohmann::json;

constexpr const char* kVersion = "0.1.0";

std::string recordingText(std::int64_t score, const std::string& version = kVersion) {
  return "kestrel-recording 1\nversion " + version + "\nprogram shooter\nseed 0\n16667 3a\nend score=" +
         std::to_string(score) + " frames=1\n";
}

std::string body(const std::string& name, const std::string& recording) {
  return json{{"name", name}, {"recording", recording}}.dump();
}

Verdict standInVerify(std::string_view recording) {
  Verdict verdict;
  if (recording.find("tampered") != std::string_view::npos) {
    verdict.reason = "frame 1: the check byte differs from the replay's";
    return verdict;
  }
  const auto at = recording.find("end score=");
  verdict.counted = true;
  verdict.score = std::stoll(std::string(recording.substr(at + 10)));
  verdict.playSeconds = 0.5;
  verdict.frames = 1;
  return verdict;
}

std::string tableNameRule(std::string_view name) {
  return name.find('~') != std::string_view::npos ? "the name holds '~', which the table has not" : "";
}

class ScoreServer : public ::testing::Test {
 protected:
  void SetUp() override {
    site.add("/shooter.html", "text/html; charset=utf-8", "<html>the game</html>");
    site.add("/sub/page.js", "text/javascript; charset=utf-8", "// js");
    ScoreApiParts parts;
    parts.store = &store;
    parts.nameProblem = tableNameRule;
    parts.version = kVersion;
    parts.site = &site;
    parts.boardPage = "<html>the board</html>";
    parts.limiter = &limiter;
    parts.submissionQueued = [this] { ++wakeUps; };
    api = std::make_unique<ScoreApi>(std::move(parts));
    front = std::make_unique<HttpFront>(*api, FrontOptions{});
    const int port = front->bind("127.0.0.1", 0);
    serving = std::thread([this] { front->serve(); });
    while (!front->running()) std::this_thread::yield();
    client = std::make_unique<httplib::Client>("127.0.0.1", port);
  }
  void TearDown() override {
    front->stop();
    serving.join();
  }

  httplib::Result submit(const std::string& text) {
    return client->Post("/api/v1/submissions", text, "application/json");
  }
  json getJson(const std::string& path, int expectedStatus) {
    const auto answer = client->Get(path);
    EXPECT_TRUE(answer) << path;
    if (!answer) return {};
    EXPECT_EQ(answer->status, expectedStatus) << path << ": " << answer->body;
    EXPECT_EQ(answer->get_header_value("Content-Type"), "application/json") << path;
    return json::parse(answer->body);
  }
  std::string submitted(const std::string& name, std::int64_t score) {
    const auto answer = submit(body(name, recordingText(score)));
    EXPECT_TRUE(answer);
    EXPECT_EQ(answer->status, 202) << answer->body;
    return json::parse(answer->body).at("id").get<std::string>();
  }
  void expectRefusal(const httplib::Result& answer, int status, const std::string& reasonPart) {
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, status) << answer->body;
    const json refusal = json::parse(answer->body, nullptr, false);
    ASSERT_TRUE(refusal.is_object()) << answer->body;
    EXPECT_NE(refusal.value("error", "").find(reasonPart), std::string::npos) << answer->body;
  }

  testing::MemoryStore memory;
  Store& store = memory;
  double now = 0.0;
  RateLimiter limiter{10.0, 600.0, [this] { return now; }};
  SiteFiles site;
  int wakeUps = 0;
  std::unique_ptr<ScoreApi> api;
  std::unique_ptr<HttpFront> front;
  std::thread serving;
  std::unique_ptr<httplib::Client> client;
  VerifierWorker worker{store, standInVerify, 60};
};

TEST_F(ScoreServer, ASubmissionIsQueuedCommittedThenVerifiedWithItsRank) {
  const auto answer = submit(body("ACE", recordingText(300)));
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 202);
  const json accepted = json::parse(answer->body);
  EXPECT_EQ(accepted.at("state"), "queued");
  const std::string id = accepted.at("id");
  // The 202 came after the row was in the store, with what the door read.
  ASSERT_EQ(memory.size(), 1u);
  EXPECT_EQ(memory.row(std::stoll(id)).name, "ACE");
  EXPECT_EQ(memory.row(std::stoll(id)).version, kVersion);
  EXPECT_EQ(memory.row(std::stoll(id)).recording, recordingText(300));
  EXPECT_EQ(memory.row(std::stoll(id)).client, "127.0.0.1");
  EXPECT_EQ(wakeUps, 1);

  json state = getJson("/api/v1/submissions/" + id, 200);
  EXPECT_EQ(state.at("state"), "queued");
  EXPECT_FALSE(state.contains("rank"));
  // A queued game is not for watching yet.
  expectRefusal(client->Get("/api/v1/recordings/" + id), 404, "no verified recording");

  const std::string better = submitted("BEE", 900);
  EXPECT_TRUE(worker.verifyOne());
  EXPECT_TRUE(worker.verifyOne());
  EXPECT_FALSE(worker.verifyOne());

  state = getJson("/api/v1/submissions/" + id, 200);
  EXPECT_EQ(state.at("state"), "verified");
  EXPECT_EQ(state.at("rank"), 2);
  EXPECT_EQ(state.at("score"), 300);
  EXPECT_EQ(getJson("/api/v1/submissions/" + better, 200).at("rank"), 1);

  const json board = getJson("/api/v1/boards/current", 200);
  EXPECT_EQ(board.at("version"), kVersion);
  ASSERT_EQ(board.at("entries").size(), 2u);
  EXPECT_EQ(board.at("entries")[0].at("name"), "BEE");
  EXPECT_EQ(board.at("entries")[0].at("id"), better);
  EXPECT_EQ(board.at("entries")[1].at("rank"), 2);
  EXPECT_EQ(board.at("entries")[1].at("score"), 300);
  EXPECT_EQ(board.at("entries")[1].at("playSeconds"), 0.5);
  EXPECT_EQ(getJson("/api/v1/boards/" + std::string(kVersion), 200), board);
  EXPECT_TRUE(getJson("/api/v1/boards/0.0.9", 200).at("entries").empty());

  const auto recording = client->Get("/api/v1/recordings/" + id);
  ASSERT_TRUE(recording);
  EXPECT_EQ(recording->status, 200);
  EXPECT_EQ(recording->get_header_value("Content-Type"), "text/plain; charset=utf-8");
  EXPECT_EQ(recording->body, recordingText(300));
}

TEST_F(ScoreServer, ARefusedGameKeepsItsReasonAndIsNotShown) {
  std::string text = recordingText(5000);
  text.insert(text.find("end"), "tampered\n");
  const auto answer = submit(body("CHEAT", text));
  ASSERT_TRUE(answer);
  ASSERT_EQ(answer->status, 202);
  const std::string id = json::parse(answer->body).at("id");
  EXPECT_TRUE(worker.verifyOne());

  const json state = getJson("/api/v1/submissions/" + id, 200);
  EXPECT_EQ(state.at("state"), "refused");
  EXPECT_EQ(state.at("reason"), "frame 1: the check byte differs from the replay's");
  EXPECT_FALSE(state.contains("rank"));
  EXPECT_TRUE(getJson("/api/v1/boards/current", 200).at("entries").empty());
  expectRefusal(client->Get("/api/v1/recordings/" + id), 404, "no verified recording");
}

TEST_F(ScoreServer, AVerifierThatFailsRefusesWithTheServersReason) {
  VerifierWorker failing(store, [](std::string_view) -> Verdict { throw std::runtime_error("out of memory"); }, 60);
  const std::string id = submitted("ACE", 10);
  EXPECT_TRUE(failing.verifyOne());
  const json state = getJson("/api/v1/submissions/" + id, 200);
  EXPECT_EQ(state.at("state"), "refused");
  EXPECT_EQ(state.at("reason"), "the server could not verify it: out of memory");
}

TEST_F(ScoreServer, BadBodiesAndNamesAreRefusedAtTheDoorWithAReason) {
  // A minute between submissions keeps the rate limit out of the way.
  const auto submit = [this](const std::string& text) {
    now += 60.0;
    return ScoreServer::submit(text);
  };
  expectRefusal(submit("{\"name\": \"ACE\", \"recording\": "), 400, "not JSON");
  expectRefusal(submit(std::string("\x00\xff garbage", 10)), 400, "not JSON");
  expectRefusal(submit("[1, 2]"), 400, "not a JSON object");
  expectRefusal(submit(json{{"recording", recordingText(1)}}.dump()), 400, "\"name\"");
  expectRefusal(submit(json{{"name", "ACE"}, {"recording", 17}}.dump()), 400, "\"recording\"");
  expectRefusal(submit(body("ACE", "just some text\nversion 0.1.0\n")), 400, "does not start with");
  expectRefusal(submit(body("ACE", "kestrel-recording 1\nprogram shooter\n")), 400, "no version line");
  expectRefusal(submit(body("ACE", "kestrel-recording 1\nversion ../../x\n")), 400, "not a version");
  expectRefusal(submit(body("ACE", recordingText(1, "0.0.9"))), 400, "version 0.0.9");
  expectRefusal(submit(body("", recordingText(1))), 400, "empty");
  expectRefusal(submit(body("THIRTEEN CHAR", recordingText(1))), 400, "longer than 12");
  expectRefusal(submit(body("A\nB", recordingText(1))), 400, "cannot show");
  expectRefusal(submit(body("\xc3\xa9T\xc3\xa9", recordingText(1))), 400, "cannot show");
  expectRefusal(submit(body("   ", recordingText(1))), 400, "only spaces");
  expectRefusal(submit(body("A~B", recordingText(1))), 400, "'~'");
  // A form body (curl's default) is refused with what to send instead;
  // httplib would cap it at 8 KiB and call any recording too large.
  now += 60.0;
  expectRefusal(client->Post("/api/v1/submissions", body("ACE", recordingText(1)), "application/x-www-form-urlencoded"),
                415, "as JSON");
  EXPECT_EQ(memory.size(), 0u);
  // Any other type passes: a browser's fetch sends text/plain.
  now += 60.0;
  ASSERT_EQ(client->Post("/api/v1/submissions", body("ACE", recordingText(1)), "text/plain;charset=UTF-8")->status, 202);
  // Twelve printable characters are a name.
  now += 60.0;
  submitted("TWELVE CHARS", 1);
}

TEST_F(ScoreServer, ABodyOverFourMebibytesIsRefusedWith413) {
  const std::string name = "ACE";
  std::string recording = recordingText(1);
  recording.append(4u * 1024u * 1024u, 'x');
  expectRefusal(submit(body(name, recording)), 413, "larger than 4 MiB");
  EXPECT_EQ(memory.size(), 0u);
  // Exactly the limit passes the door.
  recording = recordingText(1);
  const std::size_t overhead = body(name, recording).size();
  recording.append(4u * 1024u * 1024u - overhead, 'x');
  ASSERT_EQ(body(name, recording).size(), 4u * 1024u * 1024u);
  const auto answer = submit(body(name, recording));
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 202) << answer->body.substr(0, 200);
}

TEST_F(ScoreServer, TooManySubmissionsFromOneAddressGet429UntilTheBucketRefills) {
  // Refused bodies count too: the limit is on asking.
  for (int i = 0; i < 5; ++i) expectRefusal(submit("garbage"), 400, "not JSON");
  for (int i = 0; i < 5; ++i) submitted("ACE", i);
  const auto refused = submit(body("ACE", recordingText(1)));
  expectRefusal(refused, 429, "at most 10 a minute");
  EXPECT_EQ(refused->get_header_value("Retry-After"), "6");
  EXPECT_EQ(memory.size(), 5u);
  // Reading is counted apart.
  getJson("/api/v1/boards/current", 200);

  now += 6.0;
  submitted("ACE", 1);
  expectRefusal(submit(body("ACE", recordingText(1))), 429, "try again in 6 s");
}

TEST_F(ScoreServer, OtherRequestsHaveALimitOfTheirOwn) {
  for (int i = 0; i < 600; ++i) ASSERT_EQ(client->Get("/api/v1/server")->status, 200) << i;
  expectRefusal(client->Get("/shooter.html"), 429, "at most 600 a minute");
  now += 0.05;  // half a token back: still refused
  expectRefusal(client->Get("/"), 429, "too many requests");
  submitted("ACE", 1);
}

TEST_F(ScoreServer, OnlyTheMapsFilesAreServedAndUnknownPathsAre404) {
  const auto page = client->Get("/");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_EQ(page->body, "<html>the board</html>");
  EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
  const auto game = client->Get("/shooter.html");
  ASSERT_TRUE(game);
  EXPECT_EQ(game->status, 200);
  EXPECT_EQ(game->body, "<html>the game</html>");
  EXPECT_EQ(client->Get("/sub/page.js")->body, "// js");
  // A browser's cached copy is kept while it is the same file.
  const std::string tag = game->get_header_value("ETag");
  ASSERT_FALSE(tag.empty());
  const auto cached = client->Get("/shooter.html", {{"If-None-Match", tag}});
  ASSERT_TRUE(cached);
  EXPECT_EQ(cached->status, 304);
  EXPECT_TRUE(cached->body.empty());
  EXPECT_NE(client->Get("/sub/page.js")->get_header_value("ETag"), tag);
  EXPECT_EQ(client->Get("/shooter.html", {{"If-None-Match", "\"0\""}})->status, 200);

  for (const char* path : {"/../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "/..%2f..%2fetc%2fpasswd",
                           "/sub/../shooter.html", "/sub/%2e%2e/shooter.html", "//etc/passwd", "/shooter.html%00",
                           "/index.html", "/api/v1/other", "/api/v1/submissions/abc", "/api/v1/submissions/-1",
                           "/api/v1/submissions/99999999999999999999", "/api/v1/submissions/42",
                           "/api/v1/recordings/%ff", "/api/v1/boards/..%2f..", "/api/v1/boards/"}) {
    const auto answer = client->Get(path);
    ASSERT_TRUE(answer) << path;
    EXPECT_EQ(answer->status, 404) << path;
    EXPECT_EQ(answer->body.find("root:"), std::string::npos) << path;
    EXPECT_TRUE(json::parse(answer->body, nullptr, false).contains("error")) << path << ": " << answer->body;
  }
  expectRefusal(client->Post("/shooter.html", "x", "text/plain"), 404, "POST");
  expectRefusal(client->Delete("/api/v1/submissions/1"), 405, "GET and POST");
}

TEST_F(ScoreServer, TheServerNamesItselfAndItsVersion) {
  EXPECT_EQ(getJson("/api/v1/server", 200), (json{{"name", "kestrel-scores"}, {"version", kVersion}}));
}

TEST(ClientAddress, ATrustedProxysLastForwardedAddressIsTheClient) {
  EXPECT_EQ(clientAddress("127.0.0.1", "203.0.113.9", false), "127.0.0.1");
  EXPECT_EQ(clientAddress("127.0.0.1", "203.0.113.9", true), "203.0.113.9");
  // A client may send its own header; the proxy appends the address it saw.
  EXPECT_EQ(clientAddress("127.0.0.1", "1.2.3.4, 203.0.113.9", true), "203.0.113.9");
  EXPECT_EQ(clientAddress("127.0.0.1", "", true), "127.0.0.1");
  EXPECT_EQ(clientAddress("127.0.0.1", "1.2.3.4, ", true), "127.0.0.1");
}

}  // namespace
}  // namespace scores
