#include "scores/server/server_options.h"

#include <charconv>

namespace scores {

namespace {

std::optional<int> parseNumber(const std::string& text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

bool parseListen(const std::string& text, ServerOptions& options) {
  const auto colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  const auto port = parseNumber(text.substr(colon + 1), 0, 65535);
  if (!port) return false;
  options.host = text.substr(0, colon);
  options.port = *port;
  return true;
}

}  // namespace

std::string serverUsage() {
  return "usage: kestrel-scores --db FILE|postgresql://... [--listen HOST:PORT] [--site DIR] [--assets DIR]\n"
         "                      [--verifiers 0|1] [--behind-proxy]\n"
         "                      [--submissions-per-minute N] [--requests-per-minute N]\n"
         "       kestrel-scores --verify-only --db FILE|postgresql://... [--assets DIR]\n";
}

OptionsParse parseServerOptions(const std::vector<std::string>& arguments) {
  ServerOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    const auto value = [&]() -> const std::string* { return i + 1 < arguments.size() ? &arguments[++i] : nullptr; };
    if (word == "--help" || word == "-h") return {std::nullopt, {}, true};
    if (word == "--verify-only") {
      options.verifyOnly = true;
    } else if (word == "--behind-proxy") {
      options.behindProxy = true;
    } else if (word == "--db" || word == "--listen" || word == "--site" || word == "--assets" ||
               word == "--verifiers" || word == "--submissions-per-minute" || word == "--requests-per-minute") {
      const std::string* text = value();
      if (text == nullptr) return {std::nullopt, word + " needs a value"};
      if (word == "--db") options.db = *text;
      if (word == "--site") options.siteFolder = *text;
      if (word == "--assets") options.assetsFolder = *text;
      if (word == "--listen" && !parseListen(*text, options)) return {std::nullopt, "--listen wants HOST:PORT"};
      if (word == "--submissions-per-minute" || word == "--requests-per-minute") {
        const auto rate = parseNumber(*text, 1, 1000000);
        if (!rate) return {std::nullopt, word + " wants a whole number from 1 to 1000000"};
        (word == "--submissions-per-minute" ? options.submissionsPerMinute : options.requestsPerMinute) = *rate;
      }
      if (word == "--verifiers") {
        // The game's state is global to a process: one replay at a time.
        const auto count = parseNumber(*text, 0, 1);
        if (!count) {
          return {std::nullopt, "--verifiers is 0 or 1: a process verifies one game at a time; "
                                "start more `kestrel-scores --verify-only` processes to verify more"};
        }
        options.verifiers = *count;
      }
    } else {
      return {std::nullopt, "unknown argument " + word};
    }
  }
  if (options.db.empty()) return {std::nullopt, "--db is needed"};
  return {std::move(options), {}};
}

}  // namespace scores
