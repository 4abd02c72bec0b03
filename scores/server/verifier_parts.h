// The game's verifier as the server uses it: a replay of one recording and
// the score table's name rule. The program wires the game's own verifier
// (real_verifier.cpp); tests pass stand-ins.
#pragma once

#include <string>

#include "scores/server/name_rules.h"
#include "scores/server/verifier_worker.h"

namespace scores {

// The table's own name rule; empty when this build has none (the basic rule
// alone then applies).
NameCheck gameNameRule();

// The game's replay, set up once (it reads the game's pictures and data from
// `assetsFolder`; empty: the working folder). Empty when this build has no
// verifier. Call it once per process, only where the process verifies.
VerifyFunction makeGameReplay(const std::string& assetsFolder);

}  // namespace scores
