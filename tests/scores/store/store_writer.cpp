// The kill test's writer: adds rows to a store as fast as it can and prints
// "ID ROW" for each one after addSubmission returned, until it is killed
// (or has written 100,000 rows, so that it always ends by itself).
#include <cstdio>
#include <exception>

#include "scores/store/store.h"
#include "tests/scores/store/kill_rows.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s STORE\n", argv[0]);
    return 2;
  }
  try {
    auto store = scores::openStore(argv[1]);
    for (int row = 0; row < 100'000; ++row) {
      const auto id = store->addSubmission(
          {"kill", scores_test::killTestName(row), scores_test::killTestRecording(row), "127.0.0.1"});
      std::printf("%lld %d\n", static_cast<long long>(id), row);
      std::fflush(stdout);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "store_writer: %s\n", error.what());
    return 1;
  }
  return 0;
}
