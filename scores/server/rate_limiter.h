// Rate limits per client address: a token bucket for each address and kind
// of request. A bucket holds up to a minute's allowance and refills evenly,
// so a client may spend its minute in a burst and then waits for refills.
// The clock is injected (seconds, steady), so that tests move it by hand.
#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

namespace scores {

class TokenBucket {
 public:
  TokenBucket(double capacity, double perSecond, double now)
      : capacity_(capacity), perSecond_(perSecond), tokens_(capacity), last_(now) {}
  // Takes one token when there is one.
  bool take(double now);
  // Seconds until the next token (0 when one is there).
  double secondsUntilNext(double now) const;
  // Full again: nothing would change if the bucket were forgotten.
  bool isFull(double now) const;

 private:
  double level(double now) const;
  double capacity_;
  double perSecond_;
  double tokens_;
  double last_;
};

enum class RequestKind { Submission, Other };

struct RateDecision {
  bool allowed = true;
  int retryAfterSeconds = 0;  // refused only: when the next one would pass
};

class RateLimiter {
 public:
  using Clock = std::function<double()>;
  RateLimiter(double submissionsPerMinute, double otherPerMinute, Clock clock);
  RateDecision admit(const std::string& client, RequestKind kind);
  // Addresses remembered now (full buckets are forgotten now and then).
  std::size_t addressesKept() const;

 private:
  struct Buckets {
    TokenBucket submissions;
    TokenBucket other;
  };
  void forgetFullBuckets(double now);

  double submissionsPerMinute_;
  double otherPerMinute_;
  Clock clock_;
  mutable std::mutex mutex_;
  std::unordered_map<std::string, Buckets> clients_;
  std::size_t admitsSinceSweep_ = 0;
};

// The steady clock in seconds, for the program.
double steadySeconds();

}  // namespace scores
