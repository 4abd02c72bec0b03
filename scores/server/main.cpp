// kestrel-scores: the world score server. It queues submitted games, replays
// each one in-process on the game's own code, and serves the boards, the
// board page and the browser build of the game.
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <thread>

#include "platform/replay_file.h"
#include "scores/board/board_page.h"
#include "scores/server/http_front.h"
#include "scores/server/rate_limiter.h"
#include "scores/server/score_api.h"
#include "scores/server/server_limits.h"
#include "scores/server/server_options.h"
#include "scores/server/site_files.h"
#include "scores/server/verifier_parts.h"

namespace {

volatile std::sig_atomic_t stopAsked = 0;

void askStop(int) { stopAsked = 1; }

// The site is the browser build: the game's data file is the largest part.
constexpr std::size_t kMaxSiteBytes = 512u * 1024u * 1024u;
// An idle verifier looks for other processes' submissions this often.
constexpr double kIdleLookSeconds = 1.0;

void waitForStop() {
  while (stopAsked == 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

int run(const scores::ServerOptions& options) {
  // The stores lease a connection per call, so the HTTP threads and the
  // verifier call the same store at once.
  std::unique_ptr<scores::Store> opened = scores::openStore(options.db);
  scores::Store& store = *opened;
  const bool verifies = options.verifyOnly || options.verifiers > 0;
  const scores::VerifyFunction replay = verifies ? scores::makeGameReplay(options.assetsFolder) : nullptr;
  if (options.verifyOnly && !replay) throw std::runtime_error("this build has no verifier to run");
  if (verifies && !replay) {
    std::fprintf(stderr, "kestrel-scores: this build has no verifier; submissions stay queued until a process "
                         "with one verifies them\n");
  }
  scores::WorkSignal work;
  scores::VerifierWorker worker(store, replay, scores::kClaimSeconds);
  std::thread verifierThread;
  if (replay) verifierThread = std::thread([&] { worker.run(work, kIdleLookSeconds); });

  if (options.verifyOnly) {
    std::printf("kestrel-scores: verifying submissions from %s\n", options.db.c_str());
    std::fflush(stdout);
    waitForStop();
  } else {
    scores::SiteFiles site;
    if (!options.siteFolder.empty()) site = scores::SiteFiles::readFolder(options.siteFolder, kMaxSiteBytes);
    scores::RateLimiter limiter(options.submissionsPerMinute, options.requestsPerMinute, scores::steadySeconds);
    scores::ScoreApiParts parts;
    parts.store = &store;
    parts.nameProblem = scores::gameNameRule();
    parts.version = std::string(platform::recordingVersion());
    parts.site = &site;
    parts.boardPage = std::string(scores::boardPageHtml());
    parts.limiter = &limiter;
    parts.submissionQueued = [&work] { work.notify(); };
    scores::ScoreApi api(std::move(parts));
    scores::HttpFront front(api, scores::FrontOptions{options.behindProxy});
    const int port = front.bind(options.host, options.port);
    std::thread httpThread([&front] { front.serve(); });
    std::printf("kestrel-scores %s: http://%s:%d/ (%zu site files, %zu MiB; store %s)\n", api.version().c_str(),
                options.host.c_str(), port, site.count(), site.totalBytes() / (1024 * 1024), options.db.c_str());
    std::fflush(stdout);
    waitForStop();
    front.stop();
    httpThread.join();
  }
  work.stop();
  if (verifierThread.joinable()) verifierThread.join();
  std::printf("kestrel-scores: stopped (%ld verified by this process)\n", worker.verifiedCount());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const scores::OptionsParse parse = scores::parseServerOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parse.help) {
    std::fputs(scores::serverUsage().c_str(), stdout);
    return 0;
  }
  if (!parse.options) {
    std::fprintf(stderr, "kestrel-scores: %s\n%s", parse.error.c_str(), scores::serverUsage().c_str());
    return 2;
  }
  std::signal(SIGINT, askStop);
  std::signal(SIGTERM, askStop);
  try {
    return run(*parse.options);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "kestrel-scores: %s\n", failure.what());
    return 1;
  }
}
