// The SQLite store. One file in WAL mode with synchronous=FULL: a commit is
// in the file (and synced) before a call returns, so an answered submission
// survives a killed process and a lost machine alike. Readers never wait for
// the writer in WAL mode; writers take the write lock at BEGIN IMMEDIATE and
// wait up to the busy timeout for another writer (thread or process).
#include "scores/store/sqlite_store.h"

#include <sqlite3.h>

#include <chrono>
#include <string_view>
#include <unordered_map>

#include "scores/store/connection_pool.h"
#include "scores/store/store_states.h"

namespace scores {
namespace {

constexpr int kBusyTimeoutMs = 10'000;
constexpr std::size_t kIdleConnections = 8;

// The recording is the last column: SQLite keeps a long value on overflow
// pages and reads a row's columns in order, so the columns that the queue
// and the board read come before it and never walk its pages.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS submissions (
  id            INTEGER PRIMARY KEY AUTOINCREMENT,
  version       TEXT    NOT NULL,
  name          TEXT    NOT NULL,
  client        TEXT    NOT NULL,
  state         TEXT    NOT NULL CHECK (state IN ('queued', 'verified', 'refused')),
  score         INTEGER,
  play_seconds  REAL,
  frames        INTEGER,
  reason        TEXT,
  submitted_at  INTEGER NOT NULL,
  verified_at   INTEGER,
  claimed_until INTEGER,
  claims        INTEGER NOT NULL DEFAULT 0,
  recording     BLOB    NOT NULL
);
CREATE INDEX IF NOT EXISTS submissions_queue ON submissions (id) WHERE state = 'queued';
CREATE INDEX IF NOT EXISTS submissions_board
  ON submissions (version, score DESC, verified_at, id) WHERE state = 'verified';
)sql";

// Times are microseconds since 1970 (UTC) in the table, so that two verdicts
// stored one after the other never share a time; they are shown in whole
// seconds.
#define KESTREL_SQL_DATE(column) "strftime('%Y-%m-%dT%H:%M:%SZ', " column " / 1000000, 'unixepoch')"

constexpr const char* kInsert =
    "INSERT INTO submissions (version, name, recording, client, state, submitted_at) "
    "VALUES (?1, ?2, ?3, ?4, 'queued', ?5) RETURNING id";

// A verified row's rank: one more than the rows of its version that rank
// before it (a higher score, or the same score verified earlier).
constexpr const char* kStatus =
    "SELECT s.id, s.state, s.version, s.name, s.score, s.play_seconds, s.reason, "
    KESTREL_SQL_DATE("s.submitted_at") ", "
    "  CASE WHEN s.state = 'verified' THEN ("
    "    SELECT count(*) + 1 FROM submissions o"
    "    WHERE o.state = 'verified' AND o.version = s.version"
    "      AND (o.score > s.score OR (o.score = s.score AND (o.verified_at, o.id) < (s.verified_at, s.id))))"
    "  END "
    "FROM submissions s WHERE s.id = ?1";

constexpr const char* kClaim =
    "UPDATE submissions SET claimed_until = ?1, claims = claims + 1 WHERE id = ("
    "  SELECT id FROM submissions WHERE state = 'queued' AND (claimed_until IS NULL OR claimed_until <= ?2)"
    "  AND claims < " KESTREL_MAX_CLAIMS " ORDER BY id LIMIT 1) "
    "RETURNING id, version, recording";

// A game whose every claim ran out without a verdict stopped its verifiers
// (a crash or a hang): it is refused rather than handed out for ever.
constexpr const char* kGiveUp =
    "UPDATE submissions SET state = 'refused', reason = '" KESTREL_GIVE_UP_REASON "', verified_at = ?1, "
    "claimed_until = NULL WHERE state = 'queued' AND claims >= " KESTREL_MAX_CLAIMS " AND claimed_until <= ?1";

constexpr const char* kVerdict =
    "UPDATE submissions SET state = ?2, score = ?3, play_seconds = ?4, frames = ?5, reason = ?6, "
    "verified_at = ?7, claimed_until = NULL WHERE id = ?1 AND state = 'queued'";

constexpr const char* kExists = "SELECT 1 FROM submissions WHERE id = ?1";

constexpr const char* kBoard =
    "SELECT id, name, score, " KESTREL_SQL_DATE("verified_at") ", play_seconds FROM submissions "
    "WHERE state = 'verified' AND version = ?1 ORDER BY score DESC, verified_at, id LIMIT ?2";

constexpr const char* kRecording = "SELECT recording FROM submissions WHERE id = ?1 AND state = 'verified'";

#undef KESTREL_SQL_DATE

std::int64_t nowMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

class SqliteConnection {
 public:
  explicit SqliteConnection(const std::string& path) {
    const int rc = sqlite3_open_v2(path.c_str(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
      std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
      sqlite3_close(db_);
      throw StoreError("cannot open the SQLite store " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db_, 1);
    try {
      if (pragmaWord("PRAGMA journal_mode = WAL") != "wal") {
        throw StoreError("the SQLite store " + path + " cannot use WAL mode");
      }
      exec("PRAGMA synchronous = FULL");
    } catch (...) {
      sqlite3_close(db_);
      throw;
    }
  }
  ~SqliteConnection() {
    for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
    sqlite3_close(db_);
  }
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  void exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
      std::string message = error ? error : sqlite3_errmsg(db_);
      sqlite3_free(error);
      throw StoreError("SQLite: " + message);
    }
  }

  // The statement for `sql`, prepared once per connection.
  sqlite3_stmt* statement(const char* sql) {
    auto found = statements_.find(sql);
    if (found != statements_.end()) return found->second;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
      fail("prepare");
    }
    statements_.emplace(sql, statement);
    return statement;
  }

  // Rows changed by the last statement.
  std::int64_t changes() const { return sqlite3_changes64(db_); }

  [[noreturn]] void fail(std::string_view what) const {
    throw StoreError("SQLite " + std::string(what) + ": " + sqlite3_errmsg(db_));
  }

 private:
  std::string pragmaWord(const char* sql) {
    std::string word;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) fail("prepare");
    if (sqlite3_step(statement) == SQLITE_ROW) {
      const auto* text = sqlite3_column_text(statement, 0);
      if (text) word = reinterpret_cast<const char*>(text);
    }
    sqlite3_finalize(statement);
    return word;
  }

  sqlite3* db_ = nullptr;
  std::unordered_map<const char*, sqlite3_stmt*> statements_;
};

// One run of a prepared statement: binds its values, steps through its rows
// and leaves it reset for the next run.
class Query {
 public:
  Query(SqliteConnection& connection, const char* sql)
      : connection_(connection), statement_(connection.statement(sql)) {}
  ~Query() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  Query& bind(int index, std::int64_t value) { return check(sqlite3_bind_int64(statement_, index, value)); }
  Query& bind(int index, double value) { return check(sqlite3_bind_double(statement_, index, value)); }
  Query& bindText(int index, std::string_view text) {
    return check(sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
  }
  Query& bindBlob(int index, std::string_view bytes) {
    // A zero-length blob bound from a null pointer would be NULL.
    static const char empty = 0;
    return check(sqlite3_bind_blob64(statement_, index, bytes.empty() ? &empty : bytes.data(), bytes.size(),
                                     SQLITE_TRANSIENT));
  }
  Query& bindNull(int index) { return check(sqlite3_bind_null(statement_, index)); }

  // True while a row is there to read.
  bool step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    connection_.fail("step");
  }
  std::int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }
  double real(int column) const { return sqlite3_column_double(statement_, column); }
  bool isNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
  std::string bytes(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return data ? std::string(data, static_cast<std::size_t>(size)) : std::string();
  }

 private:
  Query& check(int rc) {
    if (rc != SQLITE_OK) connection_.fail("bind");
    return *this;
  }
  SqliteConnection& connection_;
  sqlite3_stmt* statement_;
};

// Runs `body` between BEGIN IMMEDIATE and COMMIT: the write lock is taken
// first, so a statement that reads and then writes never finds its snapshot
// out of date, and a writer waits (busy timeout) instead of failing.
template <class Body>
auto inWriteTransaction(SqliteConnection& connection, Body body) {
  connection.exec("BEGIN IMMEDIATE");
  try {
    auto result = body();
    connection.exec("COMMIT");
    return result;
  } catch (...) {
    try {
      connection.exec("ROLLBACK");
    } catch (const StoreError&) {
      // No transaction is left open when COMMIT itself failed.
    }
    throw;
  }
}

class SqliteStore final : public Store {
 public:
  explicit SqliteStore(const std::string& path)
      : pool_([path] { return std::make_unique<SqliteConnection>(path); }, kIdleConnections) {
    auto connection = pool_.lease();
    inWriteTransaction(*connection, [&] {
      connection->exec(kSchema);
      return 0;
    });
  }

  std::int64_t addSubmission(const NewSubmission& submission) override {
    auto connection = pool_.lease();
    return inWriteTransaction(*connection, [&] {
      Query insert(*connection, kInsert);
      insert.bindText(1, submission.version)
          .bindText(2, submission.name)
          .bindBlob(3, submission.recording)
          .bindText(4, submission.client)
          .bind(5, nowMicroseconds());
      if (!insert.step()) connection->fail("insert");
      return insert.integer(0);
    });
  }

  std::optional<SubmissionStatus> status(std::int64_t id) override {
    auto connection = pool_.lease();
    Query query(*connection, kStatus);
    query.bind(1, id);
    if (!query.step()) return std::nullopt;
    SubmissionStatus status;
    status.id = query.integer(0);
    status.state = stateFromWord(query.bytes(1));
    status.version = query.bytes(2);
    status.name = query.bytes(3);
    if (status.state == SubmissionState::Verified) {
      status.score = query.integer(4);
      status.playSeconds = query.real(5);
      status.rank = query.integer(8);
    }
    if (status.state == SubmissionState::Refused) status.reason = query.bytes(6);
    status.submittedAt = query.bytes(7);
    return status;
  }

  std::optional<ClaimedSubmission> claimNext(int claimSeconds) override {
    auto connection = pool_.lease();
    return inWriteTransaction(*connection, [&]() -> std::optional<ClaimedSubmission> {
      const std::int64_t now = nowMicroseconds();
      Query giveUp(*connection, kGiveUp);
      giveUp.bind(1, now);
      giveUp.step();
      Query claim(*connection, kClaim);
      claim.bind(1, now + std::int64_t{claimSeconds} * 1'000'000).bind(2, now);
      if (!claim.step()) return std::nullopt;
      ClaimedSubmission claimed{claim.integer(0), claim.bytes(1), claim.bytes(2)};
      while (claim.step()) {
      }
      return claimed;
    });
  }

  void storeVerdict(std::int64_t id, const Verdict& verdict) override {
    auto connection = pool_.lease();
    inWriteTransaction(*connection, [&] {
      Query update(*connection, kVerdict);
      update.bind(1, id).bindText(2, stateWord(verdict.counted ? SubmissionState::Verified : SubmissionState::Refused));
      if (verdict.counted) {
        update.bind(3, verdict.score).bind(4, verdict.playSeconds).bindNull(6);
      } else {
        update.bindNull(3).bindNull(4).bindText(6, verdict.reason);
      }
      update.bind(5, static_cast<std::int64_t>(verdict.frames)).bind(7, nowMicroseconds());
      update.step();
      // A verdict for a row already decided (a second verifier whose claim
      // had run out) changes nothing: replays are exact, so it is the same.
      if (connection->changes() == 0) {
        Query exists(*connection, kExists);
        exists.bind(1, id);
        if (!exists.step()) throw StoreError("no submission " + std::to_string(id) + " to store a verdict for");
      }
      return 0;
    });
  }

  std::vector<BoardEntry> board(const std::string& version, int limit) override {
    std::vector<BoardEntry> entries;
    if (limit <= 0) return entries;
    auto connection = pool_.lease();
    Query query(*connection, kBoard);
    query.bindText(1, version).bind(2, std::int64_t{limit});
    while (query.step()) {
      BoardEntry entry;
      entry.rank = static_cast<std::int64_t>(entries.size()) + 1;
      entry.id = query.integer(0);
      entry.name = query.bytes(1);
      entry.score = query.integer(2);
      entry.date = query.bytes(3);
      entry.playSeconds = query.real(4);
      entries.push_back(std::move(entry));
    }
    return entries;
  }

  std::optional<std::string> verifiedRecording(std::int64_t id) override {
    auto connection = pool_.lease();
    Query query(*connection, kRecording);
    query.bind(1, id);
    if (!query.step()) return std::nullopt;
    return query.bytes(0);
  }

 private:
  ConnectionPool<SqliteConnection> pool_;
};

}  // namespace

std::unique_ptr<Store> openSqliteStore(const std::string& path) { return std::make_unique<SqliteStore>(path); }

}  // namespace scores
