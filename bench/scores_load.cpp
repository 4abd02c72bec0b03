// A bounded load on a running score server: board reads at a fixed rate from
// several connections while submissions are posted beside them, then a
// summary of what came back and how fast. Bounded three ways: a count of
// reads, a count of submissions and a wall-clock limit; it stops at whichever
// comes first and says so.
//
//   scores_load --url http://127.0.0.1:8080 --reads 20000 --rate 1000
//               --connections 8 --submit game.txt --submissions 20 --time-limit 60
//               [--max-p99-ms 20]
//
// The latency of a read counts from the moment it was due, not from when a
// connection was free to send it, so a server that falls behind shows its
// queue in the figures instead of hiding it.
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  std::string url = "http://127.0.0.1:8080";
  long reads = 1000;
  double rate = 200.0;  // reads per second
  int connections = 4;
  std::string submitFile;
  long submissions = 0;
  double timeLimit = 30.0;
  double maxP99Ms = 0.0;  // 0: report only
  std::string version = "current";
};

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return false;
    const std::string v = argv[++i];
    if (a == "--url") o.url = v;
    else if (a == "--reads") o.reads = std::stol(v);
    else if (a == "--rate") o.rate = std::stod(v);
    else if (a == "--connections") o.connections = std::stoi(v);
    else if (a == "--submit") o.submitFile = v;
    else if (a == "--submissions") o.submissions = std::stol(v);
    else if (a == "--time-limit") o.timeLimit = std::stod(v);
    else if (a == "--max-p99-ms") o.maxP99Ms = std::stod(v);
    else if (a == "--version") o.version = v;
    else return false;
  }
  return o.reads >= 0 && o.rate > 0 && o.connections > 0 && o.timeLimit > 0;
}

double percentile(std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0.0;
  const auto at = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[std::min(at, sorted.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::cerr << "usage: scores_load --url URL [--reads N] [--rate PER_S] [--connections N]\n"
                 "                   [--submit RECORDING --submissions N] [--time-limit S] [--max-p99-ms MS]\n";
    return 2;
  }
  std::string recording;
  if (o.submissions > 0) {
    std::ifstream in(o.submitFile, std::ios::binary);
    if (!in) {
      std::cerr << "scores_load: cannot read " << o.submitFile << '\n';
      return 2;
    }
    std::ostringstream text;
    text << in.rdbuf();
    recording = text.str();
  }

  const auto start = Clock::now();
  const auto deadline = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(o.timeLimit));
  const auto boardPath = "/api/v1/boards/" + o.version;
  std::atomic<long> nextRead{0};
  std::atomic<long> readErrors{0};
  std::atomic<bool> timedOut{false};
  std::mutex latenciesLock;
  std::vector<double> latenciesMs;
  latenciesMs.reserve(static_cast<std::size_t>(o.reads));

  auto reader = [&] {
    httplib::Client client(o.url);
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    client.set_read_timeout(5, 0);
    std::vector<double> mine;
    for (;;) {
      const long i = nextRead.fetch_add(1);
      if (i >= o.reads) break;
      const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                   std::chrono::duration<double>(static_cast<double>(i) / o.rate));
      if (due > deadline) {
        timedOut = true;
        break;
      }
      std::this_thread::sleep_until(due);
      const auto answer = client.Get(boardPath);
      const auto done = Clock::now();
      if (!answer || answer->status != 200) ++readErrors;
      mine.push_back(std::chrono::duration<double, std::milli>(done - due).count());
      if (done > deadline) {
        timedOut = true;
        break;
      }
    }
    const std::lock_guard<std::mutex> hold(latenciesLock);
    latenciesMs.insert(latenciesMs.end(), mine.begin(), mine.end());
  };

  std::atomic<long> accepted{0};
  std::atomic<long> refusedAtDoor{0};
  auto submitter = [&] {
    if (o.submissions <= 0) return;
    httplib::Client client(o.url);
    client.set_read_timeout(30, 0);
    client.set_tcp_nodelay(true);
    // Spread the submissions over the time the reads take.
    const double spacing = static_cast<double>(o.reads) / o.rate / static_cast<double>(o.submissions);
    for (long i = 0; i < o.submissions; ++i) {
      const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                   std::chrono::duration<double>(spacing * static_cast<double>(i)));
      if (due > deadline) {
        timedOut = true;
        break;
      }
      std::this_thread::sleep_until(due);
      const nlohmann::json body = {{"name", "LOAD" + std::to_string(i % 100)}, {"recording", recording}};
      const auto answer = client.Post("/api/v1/submissions", body.dump(), "application/json");
      if (answer && answer->status == 202) {
        ++accepted;
      } else {
        ++refusedAtDoor;
        if (answer) std::cerr << "scores_load: submission answered " << answer->status << ' ' << answer->body << '\n';
      }
    }
  };

  std::vector<std::thread> threads;
  for (int c = 0; c < o.connections; ++c) threads.emplace_back(reader);
  threads.emplace_back(submitter);
  for (auto& t : threads) t.join();
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();

  std::sort(latenciesMs.begin(), latenciesMs.end());
  const auto done = static_cast<long>(latenciesMs.size());
  const double p50 = percentile(latenciesMs, 0.50);
  const double p99 = percentile(latenciesMs, 0.99);
  const double worst = latenciesMs.empty() ? 0.0 : latenciesMs.back();
  std::printf("scores_load: reads=%ld errors=%ld wall_s=%.2f reads_per_s=%.1f p50_ms=%.2f p99_ms=%.2f max_ms=%.2f "
              "submissions=%ld accepted=%ld refused=%ld%s\n",
              done, readErrors.load(), wall, wall > 0 ? static_cast<double>(done) / wall : 0.0, p50, p99, worst,
              o.submissions, accepted.load(), refusedAtDoor.load(), timedOut ? " stopped=time-limit" : "");
  bool ok = !timedOut && readErrors == 0 && done == o.reads && accepted == o.submissions;
  if (o.maxP99Ms > 0 && p99 > o.maxP99Ms) {
    std::printf("scores_load: p99 %.2f ms is over the limit of %.2f ms\n", p99, o.maxP99Ms);
    ok = false;
  }
  return ok ? 0 : 1;
}
