// The score server's command line:
//   kestrel-scores --db WHERE [--listen HOST:PORT] [--site DIR] [--assets DIR]
//                  [--verifiers 0|1] [--behind-proxy]
//   kestrel-scores --verify-only --db WHERE [--assets DIR]
// WHERE is a SQLite file or a postgresql:// address.
#pragma once

#include <optional>
#include <string>
#include <vector>

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
};

struct OptionsParse {
  std::optional<ServerOptions> options;
  std::string error;  // for a person
  bool help = false;
};

OptionsParse parseServerOptions(const std::vector<std::string>& arguments);
std::string serverUsage();

}  // namespace scores
