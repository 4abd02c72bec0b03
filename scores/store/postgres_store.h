// The shared store: a PostgreSQL database that several server and verifier
// processes use at once.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "scores/store/store.h"

namespace scores {

// True for the addresses openStore() hands to PostgreSQL.
bool namesPostgres(std::string_view where);

// Connects with a libpq URI ("postgresql://user@host:port/database").
// Throws StoreError when it cannot.
std::unique_ptr<Store> openPostgresStore(const std::string& uri);

}  // namespace scores
