// How a submission's state is written in both stores' `state` column: as a
// word, so that an operator reading the table sees what each row is.
#pragma once

#include <string_view>

#include "scores/store/store.h"

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
