// The PostgreSQL store. Every call is one statement in its own transaction
// (autocommit), so a call that returned has committed. Verifiers take work
// with FOR UPDATE SKIP LOCKED: a row one verifier is claiming is skipped by
// the others, and its claimed_until keeps it from them afterwards. Times come
// from the database server's clock, the one clock that all processes on all
// machines share.
#include "scores/store/postgres_store.h"

#include <libpq-fe.h>

#include <array>
#include <charconv>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "scores/store/connection_pool.h"
#include "scores/store/store_states.h"

namespace scores {
namespace {

constexpr std::size_t kIdleConnections = 8;

// Two processes that create the tables at the same moment would collide in
// the catalogue; the advisory lock lets one go first.
constexpr const char* kSchema = R"sql(
BEGIN;
SELECT pg_advisory_xact_lock(7423016958152);
CREATE TABLE IF NOT EXISTS submissions (
  id            bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
  version       text   NOT NULL,
  name          text   NOT NULL,
  client        text   NOT NULL,
  state         text   NOT NULL CHECK (state IN ('queued', 'verified', 'refused')),
  score         bigint,
  play_seconds  double precision,
  frames        bigint,
  reason        text,
  submitted_at  timestamptz NOT NULL DEFAULT clock_timestamp(),
  verified_at   timestamptz,
  claimed_until timestamptz,
  claims        integer NOT NULL DEFAULT 0,
  recording     bytea  NOT NULL
);
CREATE INDEX IF NOT EXISTS submissions_queue ON submissions (id) WHERE state = 'queued';
CREATE INDEX IF NOT EXISTS submissions_board
  ON submissions (version, score DESC, verified_at, id) WHERE state = 'verified';
COMMIT;
)sql";

#define KESTREL_SQL_DATE(column) "to_char(" column " AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS\"Z\"')"

constexpr const char* kInsert =
    "INSERT INTO submissions (version, name, recording, client, state) "
    "VALUES ($1, $2, $3, $4, 'queued') RETURNING id";

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
    "FROM submissions s WHERE s.id = $1";

// Read as binary: the id is cast to text, so every column comes as its raw
// bytes and the recording needs no unescaping.
constexpr const char* kClaim =
    "WITH next AS ("
    "  SELECT id FROM submissions"
    "  WHERE state = 'queued' AND (claimed_until IS NULL OR claimed_until <= clock_timestamp())"
    "  AND claims < " KESTREL_MAX_CLAIMS " ORDER BY id LIMIT 1 FOR UPDATE SKIP LOCKED) "
    "UPDATE submissions s SET claimed_until = clock_timestamp() + make_interval(secs => $1), "
    "claims = s.claims + 1 "
    "FROM next WHERE s.id = next.id "
    "RETURNING s.id::text, s.version, s.recording";

// A game whose every claim ran out without a verdict stopped its verifiers
// (a crash or a hang): it is refused rather than handed out for ever.
constexpr const char* kGiveUp =
    "UPDATE submissions SET state = 'refused', reason = '" KESTREL_GIVE_UP_REASON "', "
    "verified_at = clock_timestamp(), claimed_until = NULL "
    "WHERE state = 'queued' AND claims >= " KESTREL_MAX_CLAIMS " AND claimed_until <= clock_timestamp()";

constexpr const char* kVerdict =
    "UPDATE submissions SET state = $2, score = $3, play_seconds = $4, frames = $5, reason = $6, "
    "verified_at = clock_timestamp(), claimed_until = NULL WHERE id = $1 AND state = 'queued'";

constexpr const char* kExists = "SELECT 1 FROM submissions WHERE id = $1";

constexpr const char* kBoard =
    "SELECT id, name, score, " KESTREL_SQL_DATE("verified_at") ", play_seconds FROM submissions "
    "WHERE state = 'verified' AND version = $1 ORDER BY score DESC, verified_at, id LIMIT $2";

constexpr const char* kRecording = "SELECT recording FROM submissions WHERE id = $1 AND state = 'verified'";

#undef KESTREL_SQL_DATE

// A call failed because the connection broke; another connection may work.
struct BrokenConnection : StoreError {
  using StoreError::StoreError;
};

// One statement parameter. Numbers go as text; strings and bytes go in
// binary form with their length, so that no byte is lost or reinterpreted.
struct Param {
  std::string text;  // the number's text, or the bytes themselves
  bool null = false;
  bool binary = false;

  static Param number(std::int64_t value) { return {std::to_string(value), false, false}; }
  static Param number(double value) {
    std::array<char, 32> buffer{};
    auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {std::string(buffer.data(), end), false, false};
  }
  static Param bytes(std::string_view value) { return {std::string(value), false, true}; }
  static Param none() { return {{}, true, false}; }
};

class Result {
 public:
  explicit Result(PGresult* result) : result_(result) {}
  ~Result() { PQclear(result_); }
  Result(Result&& other) noexcept : result_(other.result_) { other.result_ = nullptr; }
  Result& operator=(Result&&) = delete;
  Result(const Result&) = delete;
  Result& operator=(const Result&) = delete;

  int rows() const { return PQntuples(result_); }
  bool isNull(int row, int column) const { return PQgetisnull(result_, row, column) != 0; }
  std::string bytes(int row, int column) const {
    return std::string(PQgetvalue(result_, row, column),
                       static_cast<std::size_t>(PQgetlength(result_, row, column)));
  }
  std::int64_t integer(int row, int column) const { return std::strtoll(PQgetvalue(result_, row, column), nullptr, 10); }
  double real(int row, int column) const { return std::strtod(PQgetvalue(result_, row, column), nullptr); }
  std::int64_t changedRows() const { return std::strtoll(PQcmdTuples(result_), nullptr, 10); }

 private:
  PGresult* result_;
};

class PostgresConnection {
 public:
  explicit PostgresConnection(const std::string& uri) : conn_(PQconnectdb(uri.c_str())) {
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK) {
      std::string message = conn_ ? PQerrorMessage(conn_) : "out of memory";
      PQfinish(conn_);
      throw StoreError("cannot connect to PostgreSQL: " + trimmed(message));
    }
    PQsetClientEncoding(conn_, "UTF8");
  }
  ~PostgresConnection() { PQfinish(conn_); }
  PostgresConnection(const PostgresConnection&) = delete;
  PostgresConnection& operator=(const PostgresConnection&) = delete;

  // False when the server has closed this connection while it was idle
  // (a restart, an operator ending it): reading what is waiting on the
  // socket notices that without a round trip. The first read may take only
  // the server's farewell message; the second then meets the closed socket.
  bool alive() {
    for (int read = 0; read < 2; ++read) {
      if (PQstatus(conn_) != CONNECTION_OK || PQconsumeInput(conn_) == 0) return false;
    }
    return PQstatus(conn_) == CONNECTION_OK;
  }

  void execScript(const char* sql) {
    PGresult* raw = PQexec(conn_, sql);
    Result result(raw);
    check(raw ? PQresultStatus(raw) : PGRES_FATAL_ERROR);
  }

  Result exec(const char* sql, const std::vector<Param>& params, bool binaryResult = false) {
    std::vector<const char*> values;
    std::vector<int> lengths;
    std::vector<int> formats;
    for (const auto& param : params) {
      values.push_back(param.null ? nullptr : param.text.c_str());
      lengths.push_back(static_cast<int>(param.text.size()));
      formats.push_back(param.binary ? 1 : 0);
    }
    PGresult* raw = PQexecParams(conn_, sql, static_cast<int>(params.size()), nullptr, values.data(),
                                 lengths.data(), formats.data(), binaryResult ? 1 : 0);
    Result result(raw);
    check(raw ? PQresultStatus(raw) : PGRES_FATAL_ERROR);
    return result;
  }

 private:
  static std::string trimmed(std::string message) {
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    return message;
  }
  void check(ExecStatusType status) {
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return;
    const std::string message = "PostgreSQL: " + trimmed(PQerrorMessage(conn_));
    if (PQstatus(conn_) != CONNECTION_OK) throw BrokenConnection(message);
    throw StoreError(message);
  }

  PGconn* conn_;
};

class PostgresStore final : public Store {
  enum class Retry { Never, Once };

  // Runs `call` on a leased connection. A connection found closed is
  // replaced before use; one that breaks during the call is dropped, and the
  // call is made once more on a new one when that is safe.
  template <class Call>
  auto run(Retry retry, Call call) {
    for (int attempt = 0;; ++attempt) {
      auto connection = leaseLive();
      try {
        return call(*connection);
      } catch (const BrokenConnection&) {
        connection.discard();
        if (retry == Retry::Never || attempt > 0) throw;
      }
    }
  }

  // An idle connection that the server has closed is dropped; once no idle
  // one is left, the pool opens a new one (or throws when it cannot).
  ConnectionPool<PostgresConnection>::Lease leaseLive() {
    for (;;) {
      auto connection = pool_.lease();
      if (connection->alive()) return connection;
      connection.discard();
    }
  }

 public:
  explicit PostgresStore(const std::string& uri)
      : pool_([uri] { return std::make_unique<PostgresConnection>(uri); }, kIdleConnections) {
    run(Retry::Once, [](PostgresConnection& connection) {
      connection.execScript(kSchema);
      return 0;
    });
  }

  std::int64_t addSubmission(const NewSubmission& submission) override {
    // Not tried again on a broken connection: the insert may have committed
    // before the connection broke, and a second one would store it twice.
    return run(Retry::Never, [&](PostgresConnection& connection) {
      auto result = connection.exec(kInsert, {Param::bytes(submission.version), Param::bytes(submission.name),
                                              Param::bytes(submission.recording), Param::bytes(submission.client)});
      return result.integer(0, 0);
    });
  }

  std::optional<SubmissionStatus> status(std::int64_t id) override {
    return run(Retry::Once, [&](PostgresConnection& connection) -> std::optional<SubmissionStatus> {
      auto result = connection.exec(kStatus, {Param::number(id)});
      if (result.rows() == 0) return std::nullopt;
      SubmissionStatus status;
      status.id = result.integer(0, 0);
      status.state = stateFromWord(result.bytes(0, 1));
      status.version = result.bytes(0, 2);
      status.name = result.bytes(0, 3);
      if (status.state == SubmissionState::Verified) {
        status.score = result.integer(0, 4);
        status.playSeconds = result.real(0, 5);
        status.rank = result.integer(0, 8);
      }
      if (status.state == SubmissionState::Refused) status.reason = result.bytes(0, 6);
      status.submittedAt = result.bytes(0, 7);
      return status;
    });
  }

  // Tried again on a broken connection: a claim that committed unseen only
  // keeps its row from verifiers until the claim runs out.
  std::optional<ClaimedSubmission> claimNext(int claimSeconds) override {
    return run(Retry::Once, [&](PostgresConnection& connection) -> std::optional<ClaimedSubmission> {
      connection.exec(kGiveUp, {});
      auto result = connection.exec(kClaim, {Param::number(std::int64_t{claimSeconds})}, true);
      if (result.rows() == 0) return std::nullopt;
      const std::string id = result.bytes(0, 0);
      return ClaimedSubmission{std::strtoll(id.c_str(), nullptr, 10), result.bytes(0, 1), result.bytes(0, 2)};
    });
  }

  void storeVerdict(std::int64_t id, const Verdict& verdict) override {
    // A verdict for a row already decided (by this call before its
    // connection broke, or by a second verifier whose claim had run out)
    // changes nothing: replays are exact, so it is the same verdict.
    run(Retry::Once, [&](PostgresConnection& connection) {
      const auto state = verdict.counted ? SubmissionState::Verified : SubmissionState::Refused;
      std::vector<Param> params{Param::number(id), Param::bytes(stateWord(state))};
      if (verdict.counted) {
        params.insert(params.end(), {Param::number(verdict.score), Param::number(verdict.playSeconds)});
      } else {
        params.insert(params.end(), {Param::none(), Param::none()});
      }
      params.push_back(Param::number(static_cast<std::int64_t>(verdict.frames)));
      params.push_back(verdict.counted ? Param::none() : Param::bytes(verdict.reason));
      if (connection.exec(kVerdict, params).changedRows() == 0 &&
          connection.exec(kExists, {Param::number(id)}).rows() == 0) {
        throw StoreError("no submission " + std::to_string(id) + " to store a verdict for");
      }
      return 0;
    });
  }

  std::vector<BoardEntry> board(const std::string& version, int limit) override {
    if (limit <= 0) return {};
    return run(Retry::Once, [&](PostgresConnection& connection) {
      auto result = connection.exec(kBoard, {Param::bytes(version), Param::number(std::int64_t{limit})});
      std::vector<BoardEntry> entries;
      for (int row = 0; row < result.rows(); ++row) {
        BoardEntry entry;
        entry.rank = row + 1;
        entry.id = result.integer(row, 0);
        entry.name = result.bytes(row, 1);
        entry.score = result.integer(row, 2);
        entry.date = result.bytes(row, 3);
        entry.playSeconds = result.real(row, 4);
        entries.push_back(std::move(entry));
      }
      return entries;
    });
  }

  std::optional<std::string> verifiedRecording(std::int64_t id) override {
    return run(Retry::Once, [&](PostgresConnection& connection) -> std::optional<std::string> {
      auto result = connection.exec(kRecording, {Param::number(id)}, true);
      if (result.rows() == 0) return std::nullopt;
      return result.bytes(0, 0);
    });
  }

 private:
  ConnectionPool<PostgresConnection> pool_;
};

}  // namespace

std::unique_ptr<Store> openPostgresStore(const std::string& uri) { return std::make_unique<PostgresStore>(uri); }

}  // namespace scores
