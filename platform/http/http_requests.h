// HTTP requests a program makes while it runs, moved on by polling from the
// main loop so that no frame waits on the network. Desktop Linux uses libcurl's
// multi interface, the browser uses fetch, and a build without either answers
// every request at once with "offline".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

struct HttpAnswer {
  int status = 0;       // the HTTP status; 0 when no answer came (offline, refused, timed out)
  std::string body;
  std::string failure;  // why no answer came, for a person
};

class HttpRequests {
 public:
  using Id = std::uint32_t;
  virtual ~HttpRequests() = default;
  // Start a request and return at once. `timeoutSeconds` bounds the whole
  // transfer.
  virtual Id post(const std::string& url, const std::string& contentType, std::string body,
                  double timeoutSeconds) = 0;
  virtual Id get(const std::string& url, double timeoutSeconds) = 0;
  // Called once per frame by the main loop (and in the exit wait): moves
  // transfers on without blocking and hands back the ones that finished.
  virtual std::vector<std::pair<Id, HttpAnswer>> poll() = 0;
  // Requests started and not yet handed back by poll.
  virtual int inFlight() const = 0;
};

// The build's own kind: curl, fetch, or offline.
std::unique_ptr<HttpRequests> makeHttpRequests();

}  // namespace platform
