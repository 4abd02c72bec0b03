// The score server's limits at the door: what one request may carry and how
// often one client address may ask. Verification's own limits (play time,
// frames, wall clock) belong to the verifier.
#pragma once

#include <cstddef>

namespace scores {

inline constexpr std::size_t kMaxBodyBytes = 4u * 1024u * 1024u;
// A body must keep arriving: each read waits at most this long.
inline constexpr int kBodyReadTimeoutSeconds = 10;
inline constexpr double kSubmissionsPerMinute = 10.0;
inline constexpr double kOtherRequestsPerMinute = 600.0;
// A board answer holds at most this many entries.
inline constexpr int kBoardSize = 100;
// A claimed submission whose verifier died is handed out again this much
// later; verification itself stops at 20 s.
inline constexpr int kClaimSeconds = 60;
// Versions and ids longer than this are not ours.
inline constexpr std::size_t kMaxVersionLength = 40;
// The HTTP threads: enough that a few slow bodies do not block the board.
inline constexpr std::size_t kHttpThreads = 16;

}  // namespace scores
