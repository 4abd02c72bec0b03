// The embedded store: one SQLite file in WAL mode.
#pragma once

#include <memory>
#include <string>

#include "scores/store/store.h"

namespace scores {

// Opens (or creates) the file at `path`. Throws StoreError when it cannot.
std::unique_ptr<Store> openSqliteStore(const std::string& path);

}  // namespace scores
