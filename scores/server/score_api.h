// The score server's answers, apart from HTTP itself: one request in, one
// reply out. The HTTP front (http_front.h) hands every request here; the
// tests drive it through a real HTTP client.
//
//   POST /api/v1/submissions        {"name", "recording"} -> 202 {"id", "state"}
//   GET  /api/v1/submissions/ID     {"id", "state", "rank"?, "score"?, "reason"?}
//   GET  /api/v1/boards/VERSION     {"version", "entries": [...]}, "current" = ours
//   GET  /api/v1/recordings/ID      text/plain, verified submissions only
//   GET  /api/v1/server             {"name": "kestrel-scores", "version"}
//   GET  /                          the board page
//   GET  /PATH                      a file of the browser build, from memory
//
// Every refusal is {"error": "a reason a person can read"}.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "scores/server/name_rules.h"
#include "scores/server/rate_limiter.h"
#include "scores/server/site_files.h"
#include "scores/store/store.h"

namespace scores {

struct ApiRequest {
  std::string method;  // "GET", "HEAD", "POST", ...
  std::string path;    // decoded, without the query
  std::string body;
  std::string client;  // the client's address
  std::string ifNoneMatch;  // the ETag of the browser's cached copy, if any
};

struct ApiReply {
  int status = 200;
  std::string contentType;
  std::string body;
  int retryAfterSeconds = 0;  // 429 only
  bool cacheable = false;     // site files; API answers change
  std::string etag;           // site files
  // The board page and site files are sent from memory without a copy:
  // when set, this is the body and `body` is empty.
  const std::string* sharedBody = nullptr;
};

struct ScoreApiParts {
  Store* store = nullptr;          // called from every HTTP thread at once
  NameCheck nameProblem;           // the table's own rule, after the basic one
  std::string version;             // the game version this server verifies
  const SiteFiles* site = nullptr; // may be empty
  std::string boardPage;           // the HTML served at "/"
  RateLimiter* limiter = nullptr;
  std::function<void()> submissionQueued;  // wakes this process's verifier
};

ApiReply errorReply(int status, const std::string& reason);

class ScoreApi {
 public:
  explicit ScoreApi(ScoreApiParts parts);
  // Before the body is read: a refusal when the client asked too often.
  std::optional<ApiReply> admit(const std::string& method, const std::string& path, const std::string& client);
  ApiReply handle(const ApiRequest& request);
  const std::string& version() const { return parts_.version; }

 private:
  ApiReply route(const ApiRequest& request);
  ApiReply submit(const ApiRequest& request);
  ApiReply submissionStatus(const std::string& idText);
  ApiReply board(const std::string& version);
  ApiReply recording(const std::string& idText);
  ApiReply serverInfo() const;
  ApiReply siteFile(const std::string& path, const std::string& ifNoneMatch) const;

  ScoreApiParts parts_;
};

}  // namespace scores
