// The platform core knows no backend.
#include "platform/backends/sdl/sdl_backend.h"
