#include <string_view>

#include "scores/store/postgres_store.h"
#include "scores/store/sqlite_store.h"
#include "scores/store/store.h"
#include "scores/store/store_states.h"

namespace scores {

SubmissionState stateFromWord(std::string_view word) {
  for (auto state : {SubmissionState::Queued, SubmissionState::Verified, SubmissionState::Refused}) {
    if (word == stateWord(state)) return state;
  }
  throw StoreError("the store holds a submission in an unknown state: " + std::string(word));
}

bool namesPostgres(std::string_view where) {
  return where.starts_with("postgresql://") || where.starts_with("postgres://");
}

std::unique_ptr<Store> openStore(const std::string& where) {
  if (where.empty()) throw StoreError("no store given: name a SQLite file or a postgresql:// address");
  if (namesPostgres(where)) return openPostgresStore(where);
  return openSqliteStore(where);
}

}  // namespace scores
