#include "tests/scores/store/store_fixture.h"

#include <algorithm>
#include <filesystem>

#include "tests/support/postgres_test_server.h"
#include "tests/support/test_files.h"

namespace scores_test {

std::string storeKindName(const ::testing::TestParamInfo<StoreKind>& info) {
  return info.param == StoreKind::Sqlite ? "Sqlite" : "Postgres";
}

std::string freshStoreAddress(StoreKind kind, const std::string& name) {
  if (kind == StoreKind::Sqlite) {
    std::string fileName = name;  // a parameterised test's name has a '/'
    std::replace(fileName.begin(), fileName.end(), '/', '_');
    const std::string path = test_support::processTempPath("store", fileName + ".sqlite");
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
    return path;
  }
  auto& server = test_support::PostgresTestServer::shared();
  if (!server.failure().empty()) throw std::runtime_error(server.failure());
  return server.freshDatabase();
}

void StoreTest::SetUp() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  address_ = freshStoreAddress(GetParam(), test->name());
  store_ = scores::openStore(address_);
}

void StoreTest::TearDown() {
  store_.reset();
  if (GetParam() == StoreKind::Sqlite) {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(address_ + suffix);
  }
}

std::int64_t StoreTest::add(const std::string& name, const std::string& version, const std::string& recording) {
  return store_->addSubmission({version, name, recording, "127.0.0.1"});
}

void StoreTest::verify(std::int64_t id, std::int64_t score, double playSeconds) {
  scores::Verdict verdict;
  verdict.counted = true;
  verdict.score = score;
  verdict.playSeconds = playSeconds;
  verdict.frames = static_cast<std::uint64_t>(playSeconds * 60);
  store_->storeVerdict(id, verdict);
}

void StoreTest::refuse(std::int64_t id, const std::string& reason) {
  scores::Verdict verdict;
  verdict.reason = reason;
  store_->storeVerdict(id, verdict);
}

}  // namespace scores_test
