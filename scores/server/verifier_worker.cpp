#include "scores/server/verifier_worker.h"

#include <chrono>
#include <cstdio>
#include <exception>

namespace scores {

void WorkSignal::notify() {
  {
    std::lock_guard lock(mutex_);
    pending_ = true;
  }
  changed_.notify_all();
}

void WorkSignal::wait(double seconds) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return pending_ || stopped_.load(); });
  pending_ = false;
}

void WorkSignal::stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  changed_.notify_all();
}

VerifierWorker::VerifierWorker(Store& store, VerifyFunction verify, int claimSeconds)
    : store_(store), verify_(std::move(verify)), claimSeconds_(claimSeconds) {}

bool VerifierWorker::verifyOne() {
  const auto claimed = store_.claimNext(claimSeconds_);
  if (!claimed) return false;
  Verdict verdict;
  try {
    verdict = verify_(claimed->recording);
  } catch (const std::exception& failure) {
    // A verifier that cannot finish counts nothing; the reason says it was
    // the server's failure, not the player's.
    verdict = Verdict{};
    verdict.reason = std::string("the server could not verify it: ") + failure.what();
  }
  if (!verdict.counted && verdict.reason.empty()) verdict.reason = "the replay did not reach the recorded end";
  store_.storeVerdict(claimed->id, verdict);
  ++done_;
  return true;
}

void VerifierWorker::run(WorkSignal& signal, double idleSeconds) {
  while (!signal.stopped()) {
    bool worked = false;
    try {
      worked = verifyOne();
    } catch (const std::exception& failure) {
      // The store went away for a moment (a PostgreSQL restart): the claim
      // runs out and the submission is handed out again.
      std::fprintf(stderr, "kestrel-scores: verifier: %s\n", failure.what());
    }
    if (!worked) signal.wait(idleSeconds);
  }
}

}  // namespace scores
