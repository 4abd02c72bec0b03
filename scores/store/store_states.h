// How a submission's state is written in both stores' `state` column: as a
// word, so that an operator reading the table sees what each row is.
#pragma once

#include <string_view>

#include "scores/store/store.h"

// A queued game is handed to a verifier at most this many times: each claim
// that runs out without a verdict means a verifier died or hung on it. The
// store then refuses it with the reason below. (Macros: both stores' SQL is
// built from string literals.)
#define KESTREL_MAX_CLAIMS "3"
#define KESTREL_GIVE_UP_REASON \
  "the verifier stopped on this game 3 times without a verdict; the server keeps it for its operator"

namespace scores {

constexpr std::string_view stateWord(SubmissionState state) {
  switch (state) {
    case SubmissionState::Queued: return "queued";
    case SubmissionState::Verified: return "verified";
    case SubmissionState::Refused: return "refused";
  }
  return "queued";
}

// Throws StoreError for a word that no store writes.
SubmissionState stateFromWord(std::string_view word);

}  // namespace scores
