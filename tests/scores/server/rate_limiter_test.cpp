// Rate limits per client address, on a clock moved by hand.
#include <gtest/gtest.h>

#include "scores/server/rate_limiter.h"

namespace scores {
namespace {

struct LimiterUnderTest {
  double now = 1000.0;
  RateLimiter limiter{10.0, 600.0, [this] { return now; }};
};

TEST(RateLimiter, AMinutesAllowanceInABurstThenOneAtTheRefillPace) {
  LimiterUnderTest t;
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(t.limiter.admit("10.0.0.1", RequestKind::Submission).allowed) << i;
  const RateDecision refused = t.limiter.admit("10.0.0.1", RequestKind::Submission);
  EXPECT_FALSE(refused.allowed);
  EXPECT_EQ(refused.retryAfterSeconds, 6);  // 10 a minute: one token every 6 s

  t.now += 5.9;
  EXPECT_FALSE(t.limiter.admit("10.0.0.1", RequestKind::Submission).allowed);
  t.now += 0.2;
  EXPECT_TRUE(t.limiter.admit("10.0.0.1", RequestKind::Submission).allowed);
  EXPECT_FALSE(t.limiter.admit("10.0.0.1", RequestKind::Submission).allowed);

  // A long pause fills the bucket to a minute's allowance, never more.
  t.now += 3600.0;
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(t.limiter.admit("10.0.0.1", RequestKind::Submission).allowed) << i;
  EXPECT_FALSE(t.limiter.admit("10.0.0.1", RequestKind::Submission).allowed);
}

TEST(RateLimiter, AddressesAndKindsHaveBucketsOfTheirOwn) {
  LimiterUnderTest t;
  for (int i = 0; i < 10; ++i) t.limiter.admit("10.0.0.1", RequestKind::Submission);
  EXPECT_FALSE(t.limiter.admit("10.0.0.1", RequestKind::Submission).allowed);
  EXPECT_TRUE(t.limiter.admit("10.0.0.2", RequestKind::Submission).allowed);
  EXPECT_TRUE(t.limiter.admit("10.0.0.1", RequestKind::Other).allowed);

  for (int i = 1; i < 600; ++i) EXPECT_TRUE(t.limiter.admit("10.0.0.3", RequestKind::Other).allowed) << i;
  EXPECT_TRUE(t.limiter.admit("10.0.0.3", RequestKind::Other).allowed);
  EXPECT_FALSE(t.limiter.admit("10.0.0.3", RequestKind::Other).allowed);
}

TEST(RateLimiter, ForgetsOnlyAddressesWhoseBucketsAreFullAgain) {
  LimiterUnderTest t;
  // A client that spent its allowance, then many one-request visitors: the
  // sweeps that drop the visitors must keep the spender's empty bucket.
  for (int i = 0; i < 10; ++i) t.limiter.admit("spender", RequestKind::Submission);
  for (int i = 0; i < 5000; ++i) {
    t.limiter.admit("visitor" + std::to_string(i), RequestKind::Other);
    t.now += 0.0001;  // 0.5 s in all: the spender regains no whole token
  }
  EXPECT_FALSE(t.limiter.admit("spender", RequestKind::Submission).allowed);
  EXPECT_LT(t.limiter.addressesKept(), 5000u);
}

TEST(RateLimiter, AClockThatStepsBackGivesNoTokens) {
  LimiterUnderTest t;
  for (int i = 0; i < 10; ++i) t.limiter.admit("10.0.0.1", RequestKind::Submission);
  t.now -= 120.0;
  EXPECT_FALSE(t.limiter.admit("10.0.0.1", RequestKind::Submission).allowed);
}

}  // namespace
}  // namespace scores
