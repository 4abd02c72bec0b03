#include "scores/server/rate_limiter.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace scores {

namespace {
// A sweep of the full buckets runs after this many admissions, so that the
// map does not grow with every address ever seen.
constexpr std::size_t kAdmitsPerSweep = 4096;
}  // namespace

double TokenBucket::level(double now) const {
  const double elapsed = std::max(0.0, now - last_);
  return std::min(capacity_, tokens_ + elapsed * perSecond_);
}

bool TokenBucket::take(double now) {
  tokens_ = level(now);
  last_ = std::max(last_, now);
  if (tokens_ < 1.0) return false;
  tokens_ -= 1.0;
  return true;
}

double TokenBucket::secondsUntilNext(double now) const {
  const double missing = 1.0 - level(now);
  return missing <= 0.0 ? 0.0 : missing / perSecond_;
}

bool TokenBucket::isFull(double now) const { return level(now) >= capacity_; }

RateLimiter::RateLimiter(double submissionsPerMinute, double otherPerMinute, Clock clock)
    : submissionsPerMinute_(submissionsPerMinute), otherPerMinute_(otherPerMinute), clock_(std::move(clock)) {}

RateDecision RateLimiter::admit(const std::string& client, RequestKind kind) {
  const double now = clock_();
  std::lock_guard lock(mutex_);
  if (++admitsSinceSweep_ >= kAdmitsPerSweep) forgetFullBuckets(now);
  auto found = clients_.find(client);
  if (found == clients_.end()) {
    found = clients_
                .emplace(client, Buckets{TokenBucket(submissionsPerMinute_, submissionsPerMinute_ / 60.0, now),
                                         TokenBucket(otherPerMinute_, otherPerMinute_ / 60.0, now)})
                .first;
  }
  TokenBucket& bucket = kind == RequestKind::Submission ? found->second.submissions : found->second.other;
  if (bucket.take(now)) return {};
  return {false, std::max(1, static_cast<int>(std::ceil(bucket.secondsUntilNext(now))))};
}

void RateLimiter::forgetFullBuckets(double now) {
  admitsSinceSweep_ = 0;
  std::erase_if(clients_, [now](const auto& entry) {
    return entry.second.submissions.isFull(now) && entry.second.other.isFull(now);
  });
}

std::size_t RateLimiter::addressesKept() const {
  std::lock_guard lock(mutex_);
  return clients_.size();
}

double steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace scores
