#include "scores/server/locked_store.h"

namespace scores {

std::int64_t LockedStore::addSubmission(const NewSubmission& submission) {
  std::lock_guard lock(mutex_);
  return inner_.addSubmission(submission);
}

std::optional<SubmissionStatus> LockedStore::status(std::int64_t id) {
  std::lock_guard lock(mutex_);
  return inner_.status(id);
}

std::optional<ClaimedSubmission> LockedStore::claimNext(int claimSeconds) {
  std::lock_guard lock(mutex_);
  return inner_.claimNext(claimSeconds);
}

void LockedStore::storeVerdict(std::int64_t id, const Verdict& verdict) {
  std::lock_guard lock(mutex_);
  inner_.storeVerdict(id, verdict);
}

std::vector<BoardEntry> LockedStore::board(const std::string& version, int limit) {
  std::lock_guard lock(mutex_);
  return inner_.board(version, limit);
}

std::optional<std::string> LockedStore::verifiedRecording(std::int64_t id) {
  std::lock_guard lock(mutex_);
  return inner_.verifiedRecording(id);
}

}  // namespace scores
