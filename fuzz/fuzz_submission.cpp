// A submission's whole path through the score server, from the request body
// to a verdict: the body's JSON, the name rules, the version, then the game's
// own replay of the recording with its clock rule and limits. Whatever the
// bytes, the path must end in a verdict that is either counted or refused
// with a reason, without crashing or hanging.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/replay_file.h"
#include "scores/server/name_rules.h"
#include "scores/server/submission_request.h"
#include "scores/server/verifier_parts.h"

namespace {

scores::VerifyFunction& replay() {
  // The game's pictures: KESTREL_FUZZ_ASSETS, else the dev build's run
  // folder (scripts/fuzz.sh runs from the source root).
  static scores::VerifyFunction verify = [] {
    const char* folder = std::getenv("KESTREL_FUZZ_ASSETS");
    return scores::makeGameReplay(folder ? folder : "build/dev/run");
  }();
  return verify;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const scores::SubmissionParse parsed = scores::parseSubmissionBody(body);
  if (!parsed.request) {
    if (parsed.error.empty()) std::abort();  // a refusal without a reason
    return 0;
  }
  const scores::SubmissionRequest& request = *parsed.request;
  if (!scores::basicNameProblem(request.name).empty()) return 0;
  if (const auto rule = scores::gameNameRule(); rule && !rule(request.name).empty()) return 0;
  if (request.version != platform::recordingVersion()) return 0;
  const scores::Verdict verdict = replay()(request.recording);
  // A verdict is one or the other: counted with its figures, or refused
  // with a reason a person can read.
  if (verdict.counted == !verdict.reason.empty()) std::abort();
  if (verdict.counted && verdict.frames == 0) std::abort();
  return 0;
}
