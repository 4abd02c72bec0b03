// The game's own verifier, replaying in this process.
#include <string_view>

#include "scores/server/verifier_parts.h"
#include "shooter/verify/game_verifier.h"

namespace scores {

VerifierParts makeGameVerifier(const std::string& assetsFolder) {
  auto verifier = std::make_shared<shooter::GameVerifier>(assetsFolder);
  VerifierParts parts;
  parts.verify = [verifier](std::string_view recording) {
    return verifier->verify(recording, shooter::VerifyLimits{});
  };
  parts.nameProblem = [](std::string_view name) { return std::string(shooter::nameProblem(name)); };
  return parts;
}

}  // namespace scores
