// The score server's command line:
//   kestrel-scores --db WHERE [--listen HOST:PORT] [--site DIR] [--assets DIR]
//                  [--verifiers 0|1] [--behind-proxy]
//                  [--submissions-per-minute N] [--requests-per-minute N]
//   kestrel-scores --verify-only --db WHERE [--assets DIR]
// WHERE is a SQLite file or a postgresql:// address.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scores/server/server_limits.h"

namespace scores {

struct ServerOptions {
  std::string db;
  std::string host = "127.0.0.1";
  int port = 8080;
  std::string siteFolder;    // the browser build; none: no game beside the board
  std::string assetsFolder;  // the game's generated files, for the verifier
  int verifiers = 1;         // 0: only queue; another process verifies
  bool verifyOnly = false;   // no HTTP: verify what the store holds
  bool behindProxy = false;
  // Per client address. A server behind a proxy that already limits, and the
  // load tests (one address, many requests), raise them.
  double submissionsPerMinute = kSubmissionsPerMinute;
  double requestsPerMinute = kOtherRequestsPerMinute;
};

struct OptionsParse {
  std::optional<ServerOptions> options;
  std::string error;  // for a person
  bool help = false;
};

OptionsParse parseServerOptions(const std::vector<std::string>& arguments);
std::string serverUsage();

}  // namespace scores
