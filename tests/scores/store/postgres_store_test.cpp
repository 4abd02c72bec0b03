// The PostgreSQL store keeps working when the server ends its connections
// (a restart, an operator's pg_terminate_backend).
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include "tests/scores/store/store_fixture.h"

namespace scores_test {
namespace {

// Ends every other connection to the database at `address` and waits (up to
// 5 s each, on the server) until their processes are gone.
int endOtherConnections(const std::string& address) {
  PGconn* admin = PQconnectdb(address.c_str());
  EXPECT_EQ(PQstatus(admin), CONNECTION_OK) << PQerrorMessage(admin);
  PGresult* result = PQexec(admin,
                            "SELECT count(*) FILTER (WHERE pg_terminate_backend(pid, 5000)) FROM pg_stat_activity "
                            "WHERE datname = current_database() AND pid <> pg_backend_pid()");
  EXPECT_EQ(PQresultStatus(result), PGRES_TUPLES_OK) << PQerrorMessage(admin);
  const int ended = PQresultStatus(result) == PGRES_TUPLES_OK ? std::atoi(PQgetvalue(result, 0, 0)) : 0;
  PQclear(result);
  PQfinish(admin);
  return ended;
}

TEST(PostgresStore, ReconnectsAfterTheServerEndedItsConnections) {
  const std::string address = freshStoreAddress(StoreKind::Postgres, "reconnect");
  auto store = scores::openStore(address);
  const auto first = store->addSubmission({"1.0", "A", "recording", "127.0.0.1"});
  ASSERT_GE(endOtherConnections(address), 1);

  // A write on a connection found closed before use goes to a new one.
  const auto second = store->addSubmission({"1.0", "B", "recording", "127.0.0.1"});
  EXPECT_GT(second, first);
  ASSERT_GE(endOtherConnections(address), 1);
  // Reads are made again on a new connection.
  ASSERT_TRUE(store->status(first));
  EXPECT_EQ(store->status(first)->name, "A");
  ASSERT_GE(endOtherConnections(address), 1);
  EXPECT_EQ(store->claimNext(60)->id, first);
}

}  // namespace
}  // namespace scores_test
