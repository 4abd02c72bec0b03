// HTTP requests through libcurl's multi interface. Each request is an easy
// handle added to one multi handle; poll() lets curl move every transfer on
// by what the sockets allow at that moment and never blocks, so the main
// loop can call it once per frame.
#include <curl/curl.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/http/http_requests.h"

namespace platform {

namespace {

// One request: the bytes curl reads from and writes into live here until
// the transfer is handed back.
struct Transfer {
  HttpRequests::Id id = 0;
  CURL* easy = nullptr;
  std::string requestBody;
  std::string received;
  curl_slist* headers = nullptr;
  char errorText[CURL_ERROR_SIZE] = {};
};

std::size_t appendReceived(char* data, std::size_t size, std::size_t count, void* transfer) {
  static_cast<Transfer*>(transfer)->received.append(data, size * count);
  return size * count;
}

// curl_global_init is not thread-safe and must come before any other call;
// once per process is enough.
void initCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

class CurlRequests final : public HttpRequests {
 public:
  CurlRequests() {
    initCurlOnce();
    multi_ = curl_multi_init();
  }

  ~CurlRequests() override {
    for (auto& [easy, transfer] : transfers_) release(*transfer);
    if (multi_ != nullptr) curl_multi_cleanup(multi_);
  }

  CurlRequests(const CurlRequests&) = delete;
  CurlRequests& operator=(const CurlRequests&) = delete;

  Id post(const std::string& url, const std::string& contentType, std::string body,
          double timeoutSeconds) override {
    auto transfer = std::make_unique<Transfer>();
    transfer->requestBody = std::move(body);
    transfer->headers = curl_slist_append(nullptr, ("Content-Type: " + contentType).c_str());
    // curl would otherwise ask a large body's server for "100 Continue" and
    // wait a second for an answer many servers never give.
    transfer->headers = curl_slist_append(transfer->headers, "Expect:");
    return start(std::move(transfer), url, timeoutSeconds, true);
  }

  Id get(const std::string& url, double timeoutSeconds) override {
    return start(std::make_unique<Transfer>(), url, timeoutSeconds, false);
  }

  std::vector<std::pair<Id, HttpAnswer>> poll() override {
    std::vector<std::pair<Id, HttpAnswer>> finished = std::exchange(failedToStart_, {});
    if (transfers_.empty()) return finished;
    int running = 0;
    curl_multi_perform(multi_, &running);
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
      if (message->msg != CURLMSG_DONE) continue;
      const auto found = transfers_.find(message->easy_handle);
      if (found == transfers_.end()) continue;
      Transfer& transfer = *found->second;
      finished.emplace_back(transfer.id, answerOf(transfer, message->data.result));
      release(transfer);
      transfers_.erase(found);
    }
    return finished;
  }

  int inFlight() const override { return static_cast<int>(transfers_.size() + failedToStart_.size()); }

 private:
  Id start(std::unique_ptr<Transfer> transfer, const std::string& url, double timeoutSeconds, bool isPost) {
    const Id id = nextId_++;
    transfer->id = id;
    CURL* easy = curl_easy_init();
    if (easy == nullptr || multi_ == nullptr) {
      if (easy != nullptr) curl_easy_cleanup(easy);
      curl_slist_free_all(transfer->headers);
      failedToStart_.emplace_back(id, HttpAnswer{0, "", "the HTTP client could not start a request"});
      return id;
    }
    transfer->easy = easy;
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    // The program's own signal handling stays as it is; curl must not use
    // alarms for its time-outs.
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    const auto timeoutMs = static_cast<long>(std::max(timeoutSeconds, 0.001) * 1000.0);
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, transfer->errorText);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &appendReceived);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
    if (isPost) {
      curl_easy_setopt(easy, CURLOPT_POST, 1L);
      curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(transfer->requestBody.size()));
      curl_easy_setopt(easy, CURLOPT_POSTFIELDS, transfer->requestBody.data());
      curl_easy_setopt(easy, CURLOPT_HTTPHEADER, transfer->headers);
    }
    if (curl_multi_add_handle(multi_, easy) != CURLM_OK) {
      release(*transfer);
      failedToStart_.emplace_back(id, HttpAnswer{0, "", "the HTTP client could not start a request"});
      return id;
    }
    transfers_.emplace(easy, std::move(transfer));
    return id;
  }

  static HttpAnswer answerOf(Transfer& transfer, CURLcode result) {
    HttpAnswer answer;
    if (result == CURLE_OK) {
      long status = 0;
      curl_easy_getinfo(transfer.easy, CURLINFO_RESPONSE_CODE, &status);
      answer.status = static_cast<int>(status);
      answer.body = std::move(transfer.received);
    } else {
      // The error buffer names the host and the cause; the code's own text
      // is the fall-back when curl left it empty.
      answer.failure = transfer.errorText[0] != '\0' ? std::string(transfer.errorText) : curl_easy_strerror(result);
    }
    return answer;
  }

  void release(Transfer& transfer) {
    if (transfer.easy != nullptr) {
      curl_multi_remove_handle(multi_, transfer.easy);
      curl_easy_cleanup(transfer.easy);
      transfer.easy = nullptr;
    }
    curl_slist_free_all(transfer.headers);
    transfer.headers = nullptr;
  }

  CURLM* multi_ = nullptr;
  Id nextId_ = 1;
  std::map<CURL*, std::unique_ptr<Transfer>> transfers_;
  std::vector<std::pair<Id, HttpAnswer>> failedToStart_;
};

}  // namespace

std::unique_ptr<HttpRequests> makeHttpRequests() { return std::make_unique<CurlRequests>(); }

}  // namespace platform
