// Which backend a run gets, decided once for every build: --timedemo and
// --verify replay without a window on the headless backend with its virtual
// clock; every other run gets the window backend of the build. Each build's
// factory (desktop, browser page, node) passes in how it makes its window
// backend.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"

namespace platform {

// True when the run replays without a window.
bool runsHeadless(const RunOptions& options);

// Makes the window backend of a build, or nothing with the reason in `error`.
using WindowBackendMaker = std::function<std::unique_ptr<Backend>(const RunOptions& options, std::string& error)>;

// Starts the platform on the backend the options call for.
[[nodiscard]] std::optional<StartFailure> startChosenBackend(const RunOptions& options,
                                                             const WindowBackendMaker& makeWindowBackend);

}  // namespace platform
