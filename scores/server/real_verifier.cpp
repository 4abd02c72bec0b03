// The game's own verifier, replaying in this process.
#include <memory>
#include <string_view>

#include "scores/server/verifier_parts.h"
#include "shooter/verify/game_verifier.h"

namespace scores {

NameCheck gameNameRule() {
  return [](std::string_view name) { return shooter::verify::nameProblem(name).value_or(""); };
}

VerifyFunction makeGameReplay(const std::string& assetsFolder) {
  // One GameVerifier per process (the game's state is global); the worker
  // thread is its only caller.
  auto verifier = std::make_shared<shooter::verify::GameVerifier>(assetsFolder);
  return [verifier](std::string_view recording) { return verifier->verify(recording); };
}

}  // namespace scores
