// One store shared by the HTTP threads and the verifier thread: each call
// runs alone. A store's connection (SQLite's or libpq's) is not to be used by
// two threads at once, and every call is one short transaction.
#pragma once

#include <mutex>

#include "scores/store/store.h"

namespace scores {

class LockedStore final : public Store {
 public:
  explicit LockedStore(Store& inner) : inner_(inner) {}
  std::int64_t addSubmission(const NewSubmission& submission) override;
  std::optional<SubmissionStatus> status(std::int64_t id) override;
  std::optional<ClaimedSubmission> claimNext(int claimSeconds) override;
  void storeVerdict(std::int64_t id, const Verdict& verdict) override;
  std::vector<BoardEntry> board(const std::string& version, int limit) override;
  std::optional<std::string> verifiedRecording(std::int64_t id) override;

 private:
  Store& inner_;
  std::mutex mutex_;
};

}  // namespace scores
