// The HTTP side of the score server (cpp-httplib): limits on bodies and slow
// clients, rate limits before a body is read, and every request handed to the
// ScoreApi. It serves nothing from the file system.
#pragma once

#include <memory>
#include <string>

#include "scores/server/score_api.h"

namespace httplib {
class Server;
}

namespace scores {

struct FrontOptions {
  // Behind a reverse proxy every request comes from the proxy: the client's
  // address is then the last one the proxy added to X-Forwarded-For.
  bool trustForwardedFor = false;
};

class HttpFront {
 public:
  HttpFront(ScoreApi& api, FrontOptions options);
  ~HttpFront();
  HttpFront(const HttpFront&) = delete;
  HttpFront& operator=(const HttpFront&) = delete;

  // Binds `host`:`port` (port 0: a free one) and returns the port. Throws
  // std::runtime_error when it cannot.
  int bind(const std::string& host, int port);
  // Answers requests until stop(); call after bind.
  void serve();
  // From any thread: stops serve() after the requests in hand. Call it
  // once running() is true, or serve() may miss it.
  void stop();
  bool running() const;

 private:
  std::unique_ptr<httplib::Server> server_;
};

// The client's address for rate limits: the socket's, or behind a trusted
// proxy the last address of X-Forwarded-For.
std::string clientAddress(const std::string& socketAddress, const std::string& forwardedFor, bool trustForwardedFor);

}  // namespace scores
