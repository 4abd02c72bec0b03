// HTTP requests in the browser: the page's own fetch. A request starts at
// once and its answer waits in the page's table until poll() takes it, so the
// main loop never blocks and needs no Asyncify. Two rules live on the page
// side, where the page can enforce them: only the page's own origin is asked
// (no cross-site requests, whatever the address), and nothing goes out while
// the page has sending turned off (Module.kestrelMaySend).
#include <emscripten.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/http/http_requests.h"

namespace {

// Starts one request and returns its number in the page's table (1, 2, ...).
// The answer (status, body bytes, failure text) lands in the table when the
// transfer ends, fails, or outlives its time-out.
EM_JS(int, kestrelHttpStart, (const char* method, const char* url, const char* contentType,
                              const unsigned char* body, int bodyLength, int timeoutMs), {
  const table = Module.kestrelHttp || (Module.kestrelHttp = { next: 1, requests: new Map() });
  const id = table.next++;
  const entry = { done: false, status: 0, body: new Uint8Array(0), failure: new Uint8Array(0) };
  table.requests.set(id, entry);
  const finish = (status, bytes, failure) => {
    if (entry.done) return;
    entry.done = true;
    entry.status = status;
    entry.body = bytes;
    entry.failure = new TextEncoder().encode(failure);
  };
  const kind = UTF8ToString(method);
  let address;
  try {
    address = new URL(UTF8ToString(url), window.location.href);
  } catch (e) {
    finish(0, new Uint8Array(0), "not an address: " + UTF8ToString(url));
    return id;
  }
  if (address.origin !== window.location.origin) {
    finish(0, new Uint8Array(0), "the page asks only its own server, not " + address.origin);
    return id;
  }
  if (Module.kestrelMaySend && !Module.kestrelMaySend(kind, address.href)) {
    finish(0, new Uint8Array(0), "sending is turned off on this page");
    return id;
  }
  const options = { method: kind, credentials: "same-origin", cache: "no-store" };
  if (kind !== "GET") {
    options.body = HEAPU8.slice(body, body + bodyLength);
    options.headers = { "Content-Type": UTF8ToString(contentType) };
  }
  const abort = new AbortController();
  options.signal = abort.signal;
  const timer = setTimeout(() => {
    abort.abort();
    finish(0, new Uint8Array(0), "no answer within " + (timeoutMs / 1000) + " s");
  }, timeoutMs);
  fetch(address.href, options)
    .then((response) => response.arrayBuffer().then((bytes) => finish(response.status, new Uint8Array(bytes), "")))
    .catch((error) => finish(0, new Uint8Array(0), "no answer: " + (error && error.message ? error.message : error)))
    .finally(() => clearTimeout(timer));
  return id;
});

// Whether request `id` has ended; -1 when the table does not know it.
EM_JS(int, kestrelHttpDone, (int id), {
  const entry = Module.kestrelHttp && Module.kestrelHttp.requests.get(id);
  return entry ? (entry.done ? 1 : 0) : -1;
});

EM_JS(int, kestrelHttpStatus, (int id), {
  return Module.kestrelHttp.requests.get(id).status;
});

// Part 0 is the body, part 1 the failure text. With `out` 0 it returns the
// part's length in bytes; otherwise it copies the part there.
EM_JS(int, kestrelHttpPart, (int id, int part, unsigned char* out), {
  const entry = Module.kestrelHttp.requests.get(id);
  const bytes = part === 0 ? entry.body : entry.failure;
  if (out) HEAPU8.set(bytes, out);
  return bytes.length;
});

EM_JS(void, kestrelHttpForget, (int id), {
  if (Module.kestrelHttp) Module.kestrelHttp.requests.delete(id);
});

std::string partOf(int id, int part) {
  std::string bytes(static_cast<std::size_t>(kestrelHttpPart(id, part, nullptr)), '\0');
  if (!bytes.empty()) kestrelHttpPart(id, part, reinterpret_cast<unsigned char*>(bytes.data()));
  return bytes;
}

class FetchRequests final : public platform::HttpRequests {
 public:
  FetchRequests() = default;
  FetchRequests(const FetchRequests&) = delete;
  FetchRequests& operator=(const FetchRequests&) = delete;
  // Answers still to come are dropped; a request already sent is not undone.
  ~FetchRequests() override {
    for (const int id : open_) kestrelHttpForget(id);
  }

  Id post(const std::string& url, const std::string& contentType, std::string body, double timeoutSeconds) override {
    return start("POST", url, contentType, body, timeoutSeconds);
  }

  Id get(const std::string& url, double timeoutSeconds) override { return start("GET", url, "", "", timeoutSeconds); }

  std::vector<std::pair<Id, platform::HttpAnswer>> poll() override {
    std::vector<std::pair<Id, platform::HttpAnswer>> finished;
    for (auto it = open_.begin(); it != open_.end();) {
      const int id = *it;
      const int done = kestrelHttpDone(id);
      if (done == 0) {
        ++it;
        continue;
      }
      platform::HttpAnswer answer;
      if (done == 1) {
        answer.status = kestrelHttpStatus(id);
        answer.body = partOf(id, 0);
        answer.failure = partOf(id, 1);
      } else {
        answer.failure = "the page lost the request";
      }
      kestrelHttpForget(id);
      finished.emplace_back(static_cast<Id>(id), std::move(answer));
      it = open_.erase(it);
    }
    return finished;
  }

  int inFlight() const override { return static_cast<int>(open_.size()); }

 private:
  Id start(const char* method, const std::string& url, const std::string& contentType, const std::string& body,
           double timeoutSeconds) {
    // At least 1 ms, at most an hour: the page's timer takes whole milliseconds.
    const int timeoutMs = static_cast<int>(std::clamp(timeoutSeconds * 1000.0, 1.0, 3600000.0));
    const int id = kestrelHttpStart(method, url.c_str(), contentType.c_str(),
                                    reinterpret_cast<const unsigned char*>(body.data()), static_cast<int>(body.size()),
                                    timeoutMs);
    open_.push_back(id);
    return static_cast<Id>(id);
  }

  std::vector<int> open_;  // started here and not yet handed back, oldest first
};

}  // namespace

namespace platform {

std::unique_ptr<HttpRequests> makeHttpRequests() { return std::make_unique<FetchRequests>(); }

}  // namespace platform
