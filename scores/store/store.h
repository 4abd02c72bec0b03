// Where the score server keeps submissions and boards. Two stores fill this
// interface: SQLite (one file in WAL mode, the embedded default) and
// PostgreSQL (several server and verifier processes on several machines share
// one database). Every call is one transaction: when it returns, its change is
// committed and survives a crash of the process.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace scores {

enum class SubmissionState { Queued, Verified, Refused };

struct NewSubmission {
  std::string version;    // the game version the recording names
  std::string name;       // the player's name, checked already
  std::string recording;  // the recording's text
  std::string client;     // the client's address, for the operator
};

struct SubmissionStatus {
  std::int64_t id = 0;
  SubmissionState state = SubmissionState::Queued;
  std::string version;
  std::string name;
  std::int64_t score = 0;      // verified only
  double playSeconds = 0.0;    // verified only
  std::int64_t rank = 0;       // verified only: its place on its version's board (1 = best)
  std::string reason;          // refused only
  std::string submittedAt;     // UTC, "2026-12-09T18:04:05Z"
};

// A queued submission handed to one verifier; no other verifier gets it until
// its verdict is stored or its claim runs out (the verifier died).
struct ClaimedSubmission {
  std::int64_t id = 0;
  std::string version;
  std::string recording;
};

struct Verdict {
  bool counted = false;
  std::int64_t score = 0;
  double playSeconds = 0.0;
  std::uint64_t frames = 0;
  std::string reason;  // refused only
};

struct BoardEntry {
  std::int64_t rank = 0;
  std::int64_t id = 0;
  std::string name;
  std::int64_t score = 0;
  std::string date;  // when it was verified, UTC as above
  double playSeconds = 0.0;
};

class Store {
 public:
  virtual ~Store() = default;
  // Commits a queued submission and returns its id.
  virtual std::int64_t addSubmission(const NewSubmission& submission) = 0;
  virtual std::optional<SubmissionStatus> status(std::int64_t id) = 0;
  // Takes the oldest queued submission that no live verifier holds
  // (FOR UPDATE SKIP LOCKED on PostgreSQL). `claimSeconds` later an unanswered
  // claim is handed out again.
  virtual std::optional<ClaimedSubmission> claimNext(int claimSeconds) = 0;
  virtual void storeVerdict(std::int64_t id, const Verdict& verdict) = 0;
  // The best `limit` verified games of a version: by score, then the earlier.
  virtual std::vector<BoardEntry> board(const std::string& version, int limit) = 0;
  // The recording of a verified submission.
  virtual std::optional<std::string> verifiedRecording(std::int64_t id) = 0;
};

// "scores.sqlite" (a file path) or "postgresql://..." (a libpq connection URI).
// Creates the tables when missing. Throws StoreError when it cannot open.
std::unique_ptr<Store> openStore(const std::string& where);

struct StoreError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace scores
