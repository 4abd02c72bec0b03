// A PostgreSQL server for tests, and a fresh empty database on it for each
// test that asks. Under CTest the server is one for the whole run, started
// and stopped by the `kestrel_postgres` fixture (scripts/pg_test_server.sh);
// KESTREL_PG_SERVER_DIR names its folder. A test program run by hand starts
// a server of its own on first use and stops it when it ends.
#pragma once

#include <string>

namespace test_support {

class PostgresTestServer {
 public:
  static PostgresTestServer& shared();

  PostgresTestServer(const PostgresTestServer&) = delete;
  PostgresTestServer& operator=(const PostgresTestServer&) = delete;
  ~PostgresTestServer();

  // Empty while the server is up; otherwise why there is none.
  const std::string& failure() const { return failure_; }
  // The server's maintenance database ("postgresql://postgres@127.0.0.1:PORT/postgres").
  const std::string& uri() const { return uri_; }
  // Creates an empty database that no other test uses and returns its URI.
  // Throws std::runtime_error when it cannot.
  std::string freshDatabase();

 private:
  PostgresTestServer();
  void startOwn();

  std::string uri_;
  std::string failure_;
  std::string ownFolder_;  // set when this process started the server
  int databases_ = 0;
};

}  // namespace test_support
