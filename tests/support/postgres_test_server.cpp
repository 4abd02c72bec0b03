#include "tests/support/postgres_test_server.h"

#include <libpq-fe.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <stdexcept>

#include "tests/support/test_files.h"

namespace test_support {
namespace {

std::string firstLineOf(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::mutex databaseMutex;

}  // namespace

PostgresTestServer& PostgresTestServer::shared() {
  static PostgresTestServer server;
  return server;
}

PostgresTestServer::PostgresTestServer() {
  if (const char* folder = std::getenv("KESTREL_PG_SERVER_DIR")) {
    uri_ = firstLineOf(std::string(folder) + "/uri");
    if (uri_.empty()) failure_ = std::string("the test run's PostgreSQL server did not start (no uri in ") + folder + ")";
    return;
  }
  startOwn();
}

void PostgresTestServer::startOwn() {
  ownFolder_ = processTempPath("postgres", "server");
  const std::string command = std::string(KESTREL_PG_TEST_SERVER_SCRIPT) + " start " + shellQuoted(ownFolder_) + " 2>&1";
  FILE* output = popen(command.c_str(), "r");
  if (!output) {
    failure_ = "cannot run " + command;
    return;
  }
  std::string text;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, output)) text += buffer;
  const int status = pclose(output);
  while (!text.empty() && text.back() == '\n') text.pop_back();
  if (status != 0 || !text.starts_with("postgresql://")) {
    failure_ = "the PostgreSQL test server did not start: " + text;
    return;
  }
  uri_ = text;
}

PostgresTestServer::~PostgresTestServer() {
  if (ownFolder_.empty()) return;
  const std::string command = std::string(KESTREL_PG_TEST_SERVER_SCRIPT) + " stop " + shellQuoted(ownFolder_);
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not stop the PostgreSQL test server\n");
}

std::string PostgresTestServer::freshDatabase() {
  if (!failure_.empty()) throw std::runtime_error(failure_);
  std::string name;
  {
    std::lock_guard lock(databaseMutex);
    name = "test_" + processToken() + "_" + std::to_string(++databases_);
  }
  PGconn* connection = PQconnectdb(uri_.c_str());
  std::string error;
  if (PQstatus(connection) != CONNECTION_OK) {
    error = PQerrorMessage(connection);
  } else {
    // The name is made of letters, digits and underscores only.
    PGresult* result = PQexec(connection, ("CREATE DATABASE " + name).c_str());
    if (PQresultStatus(result) != PGRES_COMMAND_OK) error = PQerrorMessage(connection);
    PQclear(result);
  }
  PQfinish(connection);
  if (!error.empty()) throw std::runtime_error("cannot create a test database: " + error);
  return uri_.substr(0, uri_.rfind('/') + 1) + name;
}

}  // namespace test_support
