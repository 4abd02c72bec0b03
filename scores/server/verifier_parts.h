// The game's verifier as the server uses it: a replay of one recording and
// the score table's name rule. The program wires the game's own verifier
// (real_verifier.cpp); tests pass stand-ins.
#pragma once

#include <string>

#include "scores/server/name_rules.h"
#include "scores/server/verifier_worker.h"

namespace scores {

struct VerifierParts {
  VerifyFunction verify;   // empty when this build has no verifier
  NameCheck nameProblem;   // empty: the basic rule only
};

// `assetsFolder`: the game's generated files (sprite sheet, data), which the
// replay reads; empty for the folder the program runs from.
VerifierParts makeGameVerifier(const std::string& assetsFolder);

}  // namespace scores
