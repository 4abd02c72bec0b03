#include "platform/backends/backend_choice.h"

#include <utility>

#include "platform/backend.h"
#include "platform/backends/headless/headless_backend.h"

namespace platform {

bool runsHeadless(const RunOptions& options) { return !options.timedemoPath.empty() || !options.verifyPath.empty(); }

std::optional<StartFailure> startChosenBackend(const RunOptions& options, const WindowBackendMaker& makeWindowBackend) {
  if (runsHeadless(options)) {
    return initPlatform(std::make_unique<HeadlessBackend>(options.timedemoTickPerRead), options);
  }
  std::string error;
  std::unique_ptr<Backend> window = makeWindowBackend(options, error);
  if (!window) return StartFailure{options.programName + ": " + error, kNoWindowSystemExit};
  return initPlatform(std::move(window), options);
}

}  // namespace platform
