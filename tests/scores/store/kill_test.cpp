// A process killed (SIGKILL) while it adds submissions loses none that it
// was told were stored, and leaves no row half-written: every row in the
// store afterwards is whole, byte for byte.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "tests/scores/store/kill_rows.h"
#include "tests/scores/store/store_fixture.h"

namespace scores_test {
namespace {

constexpr int kRowsBeforeKill = 40;

class KilledWriter : public ::testing::TestWithParam<StoreKind> {};

// Starts the writer on `address` with its standard output on a pipe.
pid_t startWriter(const std::string& address, FILE*& output) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    execl(KESTREL_STORE_WRITER, KESTREL_STORE_WRITER, address.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  output = fdopen(fds[0], "r");
  return pid;
}

TEST_P(KilledWriter, LosesNoAnsweredSubmissionAndLeavesNoTornRow) {
  const std::string address = freshStoreAddress(GetParam(), "killed_writer");
  scores::openStore(address);  // the tables exist before the writer starts

  FILE* output = nullptr;
  const pid_t pid = startWriter(address, output);
  ASSERT_GT(pid, 0);
  ASSERT_NE(output, nullptr);

  // id -> row, for every row the writer said it had stored.
  std::map<std::int64_t, int> answered;
  long long id = 0;
  int row = 0;
  while (answered.size() < kRowsBeforeKill && std::fscanf(output, "%lld %d", &id, &row) == 2) answered[id] = row;
  ASSERT_EQ(answered.size(), kRowsBeforeKill) << "the writer stopped early";
  ASSERT_EQ(kill(pid, SIGKILL), 0);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer ended before it was killed";
  // Lines printed between the last one read and the kill count too.
  while (std::fscanf(output, "%lld %d", &id, &row) == 2) answered[id] = row;
  std::fclose(output);

  auto store = scores::openStore(address);
  std::map<std::int64_t, scores::ClaimedSubmission> rows;
  while (auto claimed = store->claimNext(600)) rows[claimed->id] = *claimed;
  EXPECT_GE(rows.size(), answered.size());

  for (const auto& [answeredId, answeredRow] : answered) {
    const auto found = rows.find(answeredId);
    ASSERT_NE(found, rows.end()) << "submission " << answeredId << " was answered and is lost";
    EXPECT_EQ(store->status(answeredId)->name, killTestName(answeredRow));
  }
  for (const auto& [rowId, claimed] : rows) {
    const auto rowStatus = store->status(rowId);
    ASSERT_TRUE(rowStatus);
    EXPECT_EQ(rowStatus->state, scores::SubmissionState::Queued);
    EXPECT_EQ(claimed.version, "kill");
    ASSERT_TRUE(rowStatus->name.starts_with("W")) << rowStatus->name;
    const int rowNumber = std::stoi(rowStatus->name.substr(1));
    EXPECT_TRUE(claimed.recording == killTestRecording(rowNumber))
        << "submission " << rowId << " has a torn recording (" << claimed.recording.size() << " bytes)";
  }
  store.reset();
  if (GetParam() == StoreKind::Sqlite) {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(address + suffix);
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, KilledWriter, ::testing::Values(StoreKind::Sqlite, StoreKind::Postgres),
                         storeKindName);

}  // namespace
}  // namespace scores_test
