// The verifier of one process: takes queued submissions from the store, one
// at a time, replays each, and stores the verdict. The game's state is global
// to the process, so one worker per process verifies; more processes
// (`kestrel-scores --verify-only`) verify more at once. HTTP threads never
// replay anything.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string_view>

#include "scores/store/store.h"

namespace scores {

using VerifyFunction = std::function<Verdict(std::string_view recording)>;

// Wakes a waiting worker when this process queued a submission; submissions
// queued by other processes are found by the worker's next look.
class WorkSignal {
 public:
  void notify();
  // Returns when notified, stopped, or `seconds` passed.
  void wait(double seconds);
  void stop();
  bool stopped() const { return stopped_.load(); }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool pending_ = false;
  std::atomic<bool> stopped_{false};
};

class VerifierWorker {
 public:
  VerifierWorker(Store& store, VerifyFunction verify, int claimSeconds);
  // Claims, verifies and stores one submission; false when none was queued.
  bool verifyOne();
  // Verifies until the signal stops, looking again every `idleSeconds` when
  // the queue is empty.
  void run(WorkSignal& signal, double idleSeconds);
  long verifiedCount() const { return done_.load(); }

 private:
  Store& store_;
  VerifyFunction verify_;
  int claimSeconds_;
  std::atomic<long> done_{0};
};

}  // namespace scores
