// Pictures are shared by handle: a sprite record owns one, and movers,
// missiles and animation frames hold copies of the handle to draw it.
#pragma once

#include <memory>

#include "platform/image.h"

namespace testbench {

using ImageHandle = std::shared_ptr<platform::Image>;

}  // namespace testbench
