// Systems without a media-control string interface of their own.
#include "platform/system_media.h"

namespace platform {

SystemMediaCommand systemMediaCommand() { return nullptr; }

}  // namespace platform
