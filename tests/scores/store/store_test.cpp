// The same cases on both stores: what is committed reads back, the verifier
// queue hands every submission to one verifier at a time, and the board's
// order and ranks.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <thread>

#include "tests/scores/store/store_fixture.h"

namespace scores_test {
namespace {

using scores::SubmissionState;

const std::regex kUtcTime(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");

TEST_P(StoreTest, SubmissionsAreCommittedAndReadBackByAnotherConnection) {
  const auto first = add("ALICE", "1.0");
  const auto second = add("BOB", "1.1");
  EXPECT_LT(first, second);

  auto other = openAgain();
  const auto status = other->status(second);
  ASSERT_TRUE(status);
  EXPECT_EQ(status->id, second);
  EXPECT_EQ(status->state, SubmissionState::Queued);
  EXPECT_EQ(status->version, "1.1");
  EXPECT_EQ(status->name, "BOB");
  EXPECT_EQ(status->rank, 0);
  EXPECT_TRUE(std::regex_match(status->submittedAt, kUtcTime)) << status->submittedAt;
  EXPECT_FALSE(other->status(second + 1000));
}

// Quotes, SQL, backslashes and non-ASCII letters are data, never SQL; the
// recording keeps every byte, NUL and non-UTF-8 bytes included.
TEST_P(StoreTest, NamesAndRecordingsAreStoredExactly) {
  const std::vector<std::string> names = {"O'BRIEN", "x'); DROP TABLE submissions; --", "\"Q\"\\%_",
                                          "J\xC3\x9CRGEN \xE2\x9C\x93", "$1 ?1 :a"};
  std::string recording = "kestrel-recording 1\n";
  for (int byte = 0; byte < 256; ++byte) recording += static_cast<char>(byte);
  std::vector<std::int64_t> ids;
  for (const auto& name : names) ids.push_back(add(name, "v'1", recording));
  for (std::size_t i = 0; i < ids.size(); ++i) verify(ids[i], 100 - static_cast<int>(i));

  const auto board = store_->board("v'1", 10);
  ASSERT_EQ(board.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(board[i].name, names[i]);
    EXPECT_EQ(store_->status(ids[i])->name, names[i]);
    EXPECT_EQ(store_->verifiedRecording(ids[i]), recording);
  }
}

TEST_P(StoreTest, ClaimsHandOutTheOldestAndNeverTheSameRowTwiceWhileClaimed) {
  const auto first = add("A");
  const auto second = add("B", "1.0", "second");
  const auto third = add("C");

  const auto claimed = store_->claimNext(600);
  ASSERT_TRUE(claimed);
  EXPECT_EQ(claimed->id, first);
  auto other = openAgain();
  const auto next = other->claimNext(600);
  ASSERT_TRUE(next);
  EXPECT_EQ(next->id, second);
  EXPECT_EQ(next->version, "1.0");
  EXPECT_EQ(next->recording, "second");
  EXPECT_EQ(store_->claimNext(600)->id, third);
  EXPECT_FALSE(store_->claimNext(600));
  EXPECT_FALSE(other->claimNext(600));
}

// A claim of 0 seconds has run out by the next call: the verifier that held
// it is taken for dead, and its row goes to the next one.
TEST_P(StoreTest, ARowIsHandedOutAgainWhenItsClaimRunsOut) {
  const auto id = add("A");
  EXPECT_EQ(store_->claimNext(0)->id, id);
  EXPECT_EQ(store_->claimNext(600)->id, id);
  EXPECT_FALSE(store_->claimNext(600));
}

// A game that kills or hangs every verifier that takes it is not handed out
// for ever: after its third claim runs out it is refused, with the reason.
TEST_P(StoreTest, AGameWhoseClaimsAllRunOutIsRefusedAfterTheThird) {
  const auto poison = add("P");
  const auto next = add("N");
  for (int claim = 1; claim <= 3; ++claim) EXPECT_EQ(store_->claimNext(0)->id, poison) << "claim " << claim;
  EXPECT_EQ(store_->claimNext(600)->id, next);
  const auto status = store_->status(poison);
  ASSERT_TRUE(status);
  EXPECT_EQ(status->state, SubmissionState::Refused);
  EXPECT_NE(status->reason.find("3 times"), std::string::npos) << status->reason;
}

TEST_P(StoreTest, AVerdictTakesTheRowOutOfTheQueue) {
  const auto counted = add("A", "1.0", "counted recording");
  const auto refused = add("B", "1.0", "refused recording");
  const auto waiting = add("C");
  EXPECT_EQ(store_->claimNext(0)->id, counted);
  verify(counted, 1234, 75.5);
  EXPECT_EQ(store_->claimNext(0)->id, refused);
  refuse(refused, "the clock runs too fast: frame 12 came 3 ms after frame 11");
  EXPECT_EQ(store_->claimNext(600)->id, waiting);
  EXPECT_FALSE(store_->claimNext(600));

  const auto countedStatus = store_->status(counted);
  EXPECT_EQ(countedStatus->state, SubmissionState::Verified);
  EXPECT_EQ(countedStatus->score, 1234);
  EXPECT_DOUBLE_EQ(countedStatus->playSeconds, 75.5);
  EXPECT_EQ(countedStatus->rank, 1);
  const auto refusedStatus = store_->status(refused);
  EXPECT_EQ(refusedStatus->state, SubmissionState::Refused);
  EXPECT_EQ(refusedStatus->reason, "the clock runs too fast: frame 12 came 3 ms after frame 11");
  EXPECT_EQ(refusedStatus->rank, 0);

  EXPECT_EQ(store_->verifiedRecording(counted), "counted recording");
  EXPECT_FALSE(store_->verifiedRecording(refused));
  EXPECT_FALSE(store_->verifiedRecording(waiting));
  EXPECT_FALSE(store_->verifiedRecording(waiting + 1000));
}

// A second verifier whose claim ran out stores the same verdict again: the
// first one stands. A verdict for no submission is a fault of the caller.
TEST_P(StoreTest, ALateSecondVerdictChangesNothing) {
  const auto id = add("A");
  verify(id, 500);
  refuse(id, "late");
  EXPECT_EQ(store_->status(id)->state, SubmissionState::Verified);
  EXPECT_EQ(store_->status(id)->score, 500);
  EXPECT_THROW(verify(id + 1000, 1), scores::StoreError);
}

TEST_P(StoreTest, TwoVerifiersClaimingAtOnceNeverGetTheSameRow) {
  constexpr int kRows = 60;
  std::set<std::int64_t> added;
  for (int i = 0; i < kRows; ++i) added.insert(add("N" + std::to_string(i)));

  auto claimAll = [](scores::Store& store, std::vector<std::int64_t>& ids) {
    while (auto claimed = store.claimNext(600)) ids.push_back(claimed->id);
  };
  // Two store objects (two connections), and two threads on the first one.
  auto second = openAgain();
  std::vector<std::int64_t> a, b, c;
  std::thread one([&] { claimAll(*store_, a); });
  std::thread two([&] { claimAll(*second, b); });
  std::thread three([&] { claimAll(*store_, c); });
  one.join();
  two.join();
  three.join();

  std::vector<std::int64_t> all = a;
  all.insert(all.end(), b.begin(), b.end());
  all.insert(all.end(), c.begin(), c.end());
  std::sort(all.begin(), all.end());
  EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "a row was handed out twice";
  EXPECT_EQ(std::set<std::int64_t>(all.begin(), all.end()), added);
}

TEST_P(StoreTest, TheBoardRanksByScoreThenTheEarlierVerdict) {
  const auto laterTie = add("LATER");
  const auto earlierTie = add("EARLIER");
  const auto best = add("BEST");
  const auto refused = add("REFUSED");
  const auto queued = add("QUEUED");
  const auto otherVersion = add("OTHER", "2.0");
  // Verified in this order: the tie's second submission is verified first.
  verify(earlierTie, 100, 30.0);
  verify(laterTie, 100);
  verify(best, 300, 12.25);
  refuse(refused, "tampered");
  verify(otherVersion, 999);

  const auto board = store_->board("1.0", 100);
  ASSERT_EQ(board.size(), 3u);
  EXPECT_EQ(board[0].id, best);
  EXPECT_EQ(board[0].name, "BEST");
  EXPECT_EQ(board[0].score, 300);
  EXPECT_DOUBLE_EQ(board[0].playSeconds, 12.25);
  EXPECT_TRUE(std::regex_match(board[0].date, kUtcTime)) << board[0].date;
  EXPECT_EQ(board[1].id, earlierTie);
  EXPECT_EQ(board[2].id, laterTie);
  for (const auto& entry : board) EXPECT_EQ(store_->status(entry.id)->rank, entry.rank) << entry.name;
  EXPECT_EQ(board[2].rank, 3);
  EXPECT_EQ(store_->status(queued)->rank, 0);

  const auto top = store_->board("1.0", 2);
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[1].id, earlierTie);
  const auto other = store_->board("2.0", 100);
  ASSERT_EQ(other.size(), 1u);
  EXPECT_EQ(other[0].id, otherVersion);
  EXPECT_EQ(other[0].rank, 1);
  EXPECT_EQ(store_->status(otherVersion)->rank, 1);
  EXPECT_TRUE(store_->board("3.0", 100).empty());
}

INSTANTIATE_TEST_SUITE_P(Stores, StoreTest, ::testing::Values(StoreKind::Sqlite, StoreKind::Postgres),
                         storeKindName);

TEST(OpenStore, ReportsWhatWentWrong) {
  try {
    scores::openStore("/no/such/folder/scores.sqlite");
    FAIL() << "opened a store in a missing folder";
  } catch (const scores::StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("/no/such/folder/scores.sqlite"), std::string::npos) << error.what();
  }
  // Port 1 on loopback has no server.
  EXPECT_THROW(scores::openStore("postgres://nobody@127.0.0.1:1/none?connect_timeout=5"), scores::StoreError);
  EXPECT_THROW(scores::openStore(""), scores::StoreError);
}

}  // namespace
}  // namespace scores_test
