// The HTTP client of a build without a network client: every request is
// answered at the next poll, with no status and a reason, so that a caller
// shows "offline" and never waits.
#include <utility>
#include <vector>

#include "platform/http/http_requests.h"

namespace platform {

namespace {

class OfflineRequests final : public HttpRequests {
 public:
  Id post(const std::string&, const std::string&, std::string, double) override { return answerOffline(); }
  Id get(const std::string&, double) override { return answerOffline(); }

  std::vector<std::pair<Id, HttpAnswer>> poll() override { return std::exchange(waiting_, {}); }

  int inFlight() const override { return static_cast<int>(waiting_.size()); }

 private:
  Id answerOffline() {
    const Id id = nextId_++;
    waiting_.emplace_back(id, HttpAnswer{0, "", "this build has no network client"});
    return id;
  }

  Id nextId_ = 1;
  std::vector<std::pair<Id, HttpAnswer>> waiting_;
};

}  // namespace

std::unique_ptr<HttpRequests> makeHttpRequests() { return std::make_unique<OfflineRequests>(); }

}  // namespace platform
