#include "scores/server/http_front.h"

#include <httplib.h>

#include <stdexcept>

#include "scores/server/server_limits.h"

namespace scores {

namespace {

constexpr std::string_view kFormType = "application/x-www-form-urlencoded";

std::string trimmed(std::string text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A refusal httplib made itself (a body too large, an unreadable request,
// an unknown method) gets a reason as every other refusal has.
std::string reasonForStatus(int status) {
  switch (status) {
    case 400: return "the request could not be read";
    case 404: return "nothing is served at this address";
    case 405: return "this server answers GET and POST only";
    case 408: return "the request did not arrive in time";
    case 413: return "the body is larger than 4 MiB";
    case 414: return "the address is too long";
    default: return "the server could not answer (HTTP " + std::to_string(status) + ")";
  }
}

void sendReply(const ApiReply& reply, httplib::Response& res) {
  res.status = reply.status;
  if (reply.retryAfterSeconds > 0) res.set_header("Retry-After", std::to_string(reply.retryAfterSeconds));
  res.set_header("Cache-Control", reply.cacheable ? "no-cache" : "no-store");
  if (!reply.etag.empty()) res.set_header("ETag", reply.etag);
  if (reply.status == 304) return;
  if (reply.sharedBody != nullptr) {
    const std::string* body = reply.sharedBody;
    res.set_content_provider(body->size(), reply.contentType,
                             [body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                               return sink.write(body->data() + offset, length);
                             });
  } else {
    res.set_content(reply.body, reply.contentType);
  }
}

}  // namespace

std::string clientAddress(const std::string& socketAddress, const std::string& forwardedFor, bool trustForwardedFor) {
  if (!trustForwardedFor || forwardedFor.empty()) return socketAddress;
  const auto comma = forwardedFor.rfind(',');
  std::string last = trimmed(comma == std::string::npos ? forwardedFor : forwardedFor.substr(comma + 1));
  return last.empty() ? socketAddress : last;
}

HttpFront::HttpFront(ScoreApi& api, FrontOptions options) : server_(std::make_unique<httplib::Server>()) {
  httplib::Server& server = *server_;
  server.new_task_queue = [] { return new httplib::ThreadPool(kHttpThreads); };
  server.set_payload_max_length(kMaxBodyBytes);
  server.set_read_timeout(kBodyReadTimeoutSeconds, 0);
  // Headers and body go out in separate writes; with Nagle's algorithm the
  // second waits for the client's delayed acknowledgement (40 ms on Linux).
  server.set_tcp_nodelay(true);
  server.set_write_timeout(kBodyReadTimeoutSeconds, 0);
  server.set_default_headers({{"X-Content-Type-Options", "nosniff"}});

  const auto client = [options](const httplib::Request& req) {
    return clientAddress(req.remote_addr, req.get_header_value("X-Forwarded-For"), options.trustForwardedFor);
  };
  // Rate limits come first, before a body is read.
  server.set_pre_routing_handler([&api, client](const httplib::Request& req, httplib::Response& res) {
    if (auto refusal = api.admit(req.method, req.path, client(req))) {
      sendReply(*refusal, res);
      return httplib::Server::HandlerResponse::Handled;
    }
    // httplib caps form bodies at 8 KiB, far below a recording; a form is
    // not what the API reads anyway, so it is refused with the reason.
    if (req.method == "POST" && req.get_header_value("Content-Type").starts_with(kFormType)) {
      sendReply(errorReply(415, "send the body as JSON (Content-Type: application/json), not as a form"), res);
      return httplib::Server::HandlerResponse::Handled;
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });
  const auto forward = [&api, client](const httplib::Request& req, httplib::Response& res) {
    sendReply(api.handle(ApiRequest{req.method, req.path, req.body, client(req), req.get_header_value("If-None-Match")}),
              res);
  };
  // Every method reaches the API, which answers the ones it does not take
  // with a reason.
  server.Get(".*", forward);
  server.Post(".*", forward);
  server.Put(".*", forward);
  server.Patch(".*", forward);
  server.Delete(".*", forward);
  server.Options(".*", forward);
  server.set_error_handler(
      httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
        if (!res.body.empty() || res.content_length_ > 0) return httplib::Server::HandlerResponse::Unhandled;
        sendReply(errorReply(res.status, reasonForStatus(res.status)), res);
        return httplib::Server::HandlerResponse::Handled;
      }));
  server.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
    sendReply(errorReply(500, "the server failed while answering"), res);
  });
}

HttpFront::~HttpFront() = default;

int HttpFront::bind(const std::string& host, int port) {
  const int bound = port == 0 ? server_->bind_to_any_port(host) : (server_->bind_to_port(host, port) ? port : -1);
  if (bound <= 0) throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port));
  return bound;
}

void HttpFront::serve() { server_->listen_after_bind(); }

void HttpFront::stop() { server_->stop(); }

bool HttpFront::running() const { return server_->is_running(); }

}  // namespace scores
