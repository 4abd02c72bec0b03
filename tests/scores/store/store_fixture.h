// The stores under test: each case gets a new, empty store of each kind (a
// SQLite file of its own, or a fresh database on the test PostgreSQL server).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "scores/store/store.h"

namespace scores_test {

enum class StoreKind { Sqlite, Postgres };

std::string storeKindName(const ::testing::TestParamInfo<StoreKind>& info);

// The address of a new, empty store of `kind`, for openStore(). A name that
// says which test it belongs to keeps SQLite files apart.
std::string freshStoreAddress(StoreKind kind, const std::string& name);

class StoreTest : public ::testing::TestWithParam<StoreKind> {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Another store object on the same database (another set of connections,
  // as another process would have).
  std::unique_ptr<scores::Store> openAgain() const { return scores::openStore(address_); }

  std::int64_t add(const std::string& name, const std::string& version = "1.0",
                   const std::string& recording = "kestrel-recording 1\n");
  void verify(std::int64_t id, std::int64_t score, double playSeconds = 60.0);
  void refuse(std::int64_t id, const std::string& reason);

  std::string address_;
  std::unique_ptr<scores::Store> store_;
};

}  // namespace scores_test
