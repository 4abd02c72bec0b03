// HTTP requests through WinHTTP. WinHTTP's synchronous calls block, so each
// request runs them on a worker thread of its own and leaves its answer in a
// locked list that poll() empties; the main loop never waits. A worker owns
// a share of that list, so a client destroyed while a request is still out
// (the program ending) does not wait for it, and the late answer goes
// nowhere.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/http/http_requests.h"

namespace platform {

namespace {

struct HandleCloser {
  void operator()(void* handle) const { WinHttpCloseHandle(static_cast<HINTERNET>(handle)); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::wstring widen(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

HttpAnswer failed(const char* step) {
  const DWORD code = GetLastError();
  std::string reason;
  switch (code) {
    case ERROR_WINHTTP_TIMEOUT: reason = "timed out"; break;
    case ERROR_WINHTTP_CANNOT_CONNECT: reason = "could not connect"; break;
    case ERROR_WINHTTP_NAME_NOT_RESOLVED: reason = "the server's name is not known"; break;
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
    case ERROR_WINHTTP_INVALID_URL: reason = "not an http:// or https:// address"; break;
    default: reason = "WinHTTP error " + std::to_string(code); break;
  }
  return HttpAnswer{0, "", std::string(step) + ": " + reason};
}

struct Request {
  bool isPost = false;
  std::string url, contentType, body;
  double timeoutSeconds = 0.0;
};

// One whole transfer, blocking; run on a worker thread.
HttpAnswer transfer(const Request& request) {
  const std::wstring url = widen(request.url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return failed("address");
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  const std::wstring path = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                            std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);

  const Handle session(WinHttpOpen(L"kestrel", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                   WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return failed("open");
  // Each step gets the whole time; the deadline below bounds the reading.
  const int ms = static_cast<int>(std::max(request.timeoutSeconds, 0.001) * 1000.0);
  WinHttpSetTimeouts(session.get(), ms, ms, ms, ms);
  const Handle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
  if (!connection) return failed("connect");
  const Handle handle(WinHttpOpenRequest(connection.get(), request.isPost ? L"POST" : L"GET",
                                         path.empty() ? L"/" : path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                         WINHTTP_DEFAULT_ACCEPT_TYPES,
                                         parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
  if (!handle) return failed("request");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  const std::wstring headers = request.isPost ? L"Content-Type: " + widen(request.contentType) : L"";
  const auto bodySize = static_cast<DWORD>(request.body.size());
  if (!WinHttpSendRequest(handle.get(), headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str(),
                          static_cast<DWORD>(-1), const_cast<char*>(request.body.data()), bodySize, bodySize, 0)) {
    return failed("send");
  }
  if (!WinHttpReceiveResponse(handle.get(), nullptr)) return failed("answer");
  DWORD status = 0;
  DWORD statusSize = sizeof status;
  if (!WinHttpQueryHeaders(handle.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize, WINHTTP_NO_HEADER_INDEX)) {
    return failed("answer");
  }
  HttpAnswer answer;
  answer.status = static_cast<int>(status);
  for (;;) {
    DWORD available = 0;
    if (!WinHttpQueryDataAvailable(handle.get(), &available)) return failed("read");
    if (available == 0) break;
    const std::size_t had = answer.body.size();
    answer.body.resize(had + available);
    DWORD read = 0;
    if (!WinHttpReadData(handle.get(), answer.body.data() + had, available, &read)) return failed("read");
    answer.body.resize(had + read);
    if (std::chrono::steady_clock::now() > deadline) return HttpAnswer{0, "", "read: timed out"};
  }
  return answer;
}

struct Finished {
  std::mutex mutex;
  std::vector<std::pair<HttpRequests::Id, HttpAnswer>> answers;
};

class WinHttpRequests final : public HttpRequests {
 public:
  Id post(const std::string& url, const std::string& contentType, std::string body,
          double timeoutSeconds) override {
    return start(Request{true, url, contentType, std::move(body), timeoutSeconds});
  }
  Id get(const std::string& url, double timeoutSeconds) override {
    return start(Request{false, url, "", "", timeoutSeconds});
  }

  std::vector<std::pair<Id, HttpAnswer>> poll() override {
    std::vector<std::pair<Id, HttpAnswer>> answers;
    {
      std::lock_guard lock(finished_->mutex);
      answers = std::exchange(finished_->answers, {});
    }
    out_ -= static_cast<int>(answers.size());
    return answers;
  }

  int inFlight() const override { return out_; }

 private:
  Id start(Request request) {
    const Id id = nextId_++;
    ++out_;
    std::thread([id, finished = finished_, request = std::move(request)] {
      HttpAnswer answer = transfer(request);
      std::lock_guard lock(finished->mutex);
      finished->answers.emplace_back(id, std::move(answer));
    }).detach();
    return id;
  }

  Id nextId_ = 1;
  int out_ = 0;
  std::shared_ptr<Finished> finished_ = std::make_shared<Finished>();
};

}  // namespace

std::unique_ptr<HttpRequests> makeHttpRequests() { return std::make_unique<WinHttpRequests>(); }

}  // namespace platform
