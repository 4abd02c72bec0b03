#include "tests/scores/server/memory_store.h"

#include <algorithm>

namespace scores::testing {

std::int64_t MemoryStore::addSubmission(const NewSubmission& submission) {
  std::lock_guard lock(mutex_);
  const std::int64_t id = nextId_++;
  rows_[id] = Row{submission, SubmissionState::Queued, false, {}};
  return id;
}

std::vector<std::int64_t> MemoryStore::rankedIds(const std::string& version) const {
  std::vector<std::int64_t> ids;
  for (const auto& [id, row] : rows_) {
    if (row.state == SubmissionState::Verified && row.submission.version == version) ids.push_back(id);
  }
  std::stable_sort(ids.begin(), ids.end(),
                   [this](std::int64_t a, std::int64_t b) { return rows_.at(a).verdict.score > rows_.at(b).verdict.score; });
  return ids;
}

std::optional<SubmissionStatus> MemoryStore::status(std::int64_t id) {
  std::lock_guard lock(mutex_);
  const auto found = rows_.find(id);
  if (found == rows_.end()) return std::nullopt;
  const Row& row = found->second;
  SubmissionStatus status;
  status.id = id;
  status.state = row.state;
  status.version = row.submission.version;
  status.name = row.submission.name;
  status.submittedAt = "2026-12-09T18:04:05Z";
  if (row.state == SubmissionState::Verified) {
    status.score = row.verdict.score;
    status.playSeconds = row.verdict.playSeconds;
    const auto ranked = rankedIds(row.submission.version);
    status.rank = std::find(ranked.begin(), ranked.end(), id) - ranked.begin() + 1;
  }
  if (row.state == SubmissionState::Refused) status.reason = row.verdict.reason;
  return status;
}

std::optional<ClaimedSubmission> MemoryStore::claimNext(int) {
  std::lock_guard lock(mutex_);
  for (auto& [id, row] : rows_) {
    if (row.state == SubmissionState::Queued && !row.claimed) {
      row.claimed = true;
      return ClaimedSubmission{id, row.submission.version, row.submission.recording};
    }
  }
  return std::nullopt;
}

void MemoryStore::storeVerdict(std::int64_t id, const Verdict& verdict) {
  std::lock_guard lock(mutex_);
  Row& row = rows_.at(id);
  row.verdict = verdict;
  row.state = verdict.counted ? SubmissionState::Verified : SubmissionState::Refused;
}

std::vector<BoardEntry> MemoryStore::board(const std::string& version, int limit) {
  std::lock_guard lock(mutex_);
  std::vector<BoardEntry> entries;
  for (const std::int64_t id : rankedIds(version)) {
    if (static_cast<int>(entries.size()) == limit) break;
    const Row& row = rows_.at(id);
    entries.push_back({static_cast<std::int64_t>(entries.size()) + 1, id, row.submission.name, row.verdict.score,
                       "2026-12-09T18:04:05Z", row.verdict.playSeconds});
  }
  return entries;
}

std::optional<std::string> MemoryStore::verifiedRecording(std::int64_t id) {
  std::lock_guard lock(mutex_);
  const auto found = rows_.find(id);
  if (found == rows_.end() || found->second.state != SubmissionState::Verified) return std::nullopt;
  return found->second.submission.recording;
}

NewSubmission MemoryStore::row(std::int64_t id) const {
  std::lock_guard lock(mutex_);
  return rows_.at(id).submission;
}

std::size_t MemoryStore::size() const {
  std::lock_guard lock(mutex_);
  return rows_.size();
}

}  // namespace scores::testing
