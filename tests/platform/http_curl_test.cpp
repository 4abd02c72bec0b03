// The curl client against a small HTTP server on loopback that the test
// starts: transfers finish through poll() alone, a refused connection and a
// time-out come back as answers without a status and with a reason.
#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "platform/http/http_requests.h"

namespace {

class LoopbackServer {
 public:
  LoopbackServer() {
    server_.Post("/echo", [](const httplib::Request& request, httplib::Response& response) {
      response.status = 202;
      response.set_content(request.get_header_value("Content-Type") + "|" + request.body, "text/plain");
    });
    server_.Get("/hello", [](const httplib::Request&, httplib::Response& response) {
      response.set_content("hi", "text/plain");
    });
    // Holds its answer until the test lets it go, to outlast a time-out.
    server_.Get("/held", [this](const httplib::Request&, httplib::Response& response) {
      std::unique_lock lock(mutex_);
      released_.wait(lock, [this] { return release_; });
      response.set_content("late", "text/plain");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    // stop() only stops a server whose accept loop is running.
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~LoopbackServer() { stop(); }

  void stop() {
    {
      std::lock_guard lock(mutex_);
      release_ = true;
    }
    released_.notify_all();
    server_.stop();
    if (thread_.joinable()) thread_.join();
  }

  std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable released_;
  bool release_ = false;
};

// Polls until `count` answers came back. The bound only keeps a broken
// client from hanging the suite; no case depends on how long it takes.
std::map<platform::HttpRequests::Id, platform::HttpAnswer> pollFor(platform::HttpRequests& requests, std::size_t count) {
  std::map<platform::HttpRequests::Id, platform::HttpAnswer> answers;
  for (int round = 0; round < 30000 && answers.size() < count; ++round) {
    for (auto& [id, answer] : requests.poll()) answers.emplace(id, std::move(answer));
    if (answers.size() < count) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(answers.size(), count) << "transfers did not finish";
  return answers;
}

TEST(CurlRequests, APostAndAGetFinishTogetherThroughPoll) {
  LoopbackServer server;
  const auto requests = platform::makeHttpRequests();
  const std::string body(300000, 'k');  // larger than one socket buffer
  const auto post = requests->post(server.url("/echo"), "application/json", body, 10.0);
  const auto get = requests->get(server.url("/hello"), 10.0);
  EXPECT_NE(post, get);
  EXPECT_EQ(requests->inFlight(), 2);
  auto answers = pollFor(*requests, 2);
  EXPECT_EQ(requests->inFlight(), 0);
  EXPECT_EQ(answers[post].status, 202);
  EXPECT_EQ(answers[post].body, "application/json|" + body);
  EXPECT_EQ(answers[post].failure, "");
  EXPECT_EQ(answers[get].status, 200);
  EXPECT_EQ(answers[get].body, "hi");
  EXPECT_TRUE(requests->poll().empty());
}

TEST(CurlRequests, NoServerAndASlowServerGiveNoStatusAndAReason) {
  std::string closedPort;
  {
    LoopbackServer gone;
    closedPort = gone.url("/hello");
  }
  LoopbackServer server;
  const auto requests = platform::makeHttpRequests();
  const auto refused = requests->get(closedPort, 10.0);
  const auto slow = requests->get(server.url("/held"), 0.2);
  auto answers = pollFor(*requests, 2);
  EXPECT_EQ(answers[refused].status, 0);
  EXPECT_NE(answers[refused].failure, "");
  EXPECT_EQ(answers[slow].status, 0);
  EXPECT_NE(answers[slow].failure.find("timed out"), std::string::npos) << answers[slow].failure;
  EXPECT_EQ(answers[slow].body, "");
}

}  // namespace
