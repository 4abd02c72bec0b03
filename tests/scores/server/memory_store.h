// A store in memory for the server's tests: the same answers as the real
// stores give (ranks by score, then the earlier submission), no database.
// Like them, it takes calls from several threads at once.
#pragma once

#include <map>
#include <mutex>

#include "scores/store/store.h"

namespace scores::testing {

class MemoryStore final : public Store {
 public:
  std::int64_t addSubmission(const NewSubmission& submission) override;
  std::optional<SubmissionStatus> status(std::int64_t id) override;
  std::optional<ClaimedSubmission> claimNext(int claimSeconds) override;
  void storeVerdict(std::int64_t id, const Verdict& verdict) override;
  std::vector<BoardEntry> board(const std::string& version, int limit) override;
  std::optional<std::string> verifiedRecording(std::int64_t id) override;

  // What the server stored beside the submission.
  NewSubmission row(std::int64_t id) const;
  std::size_t size() const;

 private:
  struct Row {
    NewSubmission submission;
    SubmissionState state = SubmissionState::Queued;
    bool claimed = false;
    Verdict verdict;
  };
  std::vector<std::int64_t> rankedIds(const std::string& version) const;
  mutable std::mutex mutex_;
  std::map<std::int64_t, Row> rows_;
  std::int64_t nextId_ = 1;
};

}  // namespace scores::testing
