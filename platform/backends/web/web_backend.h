// The browser backend: the page's canvas, the browser's keyboard and game
// pads, performance.now() and sleeps that hand control back to the browser
// (ASYNCIFY). The page script (web/site/kestrel_page.js) scales the canvas
// and offers full screen; this side only fills it.
#pragma once

#include <memory>

#include "platform/backend.h"

namespace platform {

struct RunOptions;

std::unique_ptr<Backend> makeWebBackend(const RunOptions& options);

}  // namespace platform
