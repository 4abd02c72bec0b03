// The process's own media-control layer, on the build's sound device.
#include "testbench/media_control.h"

namespace testbench {

namespace {

// Created on first use and kept until MediaShutdown, so nothing is torn down
// behind the sound device's back during static destruction.
MediaControl*& layerSlot() {
  static MediaControl* layer = nullptr;
  return layer;
}

MediaControl& layer() {
  MediaControl*& slot = layerSlot();
  if (slot == nullptr) slot = new MediaControl(platform::makeSoundDevice());
  return *slot;
}

}  // namespace

int MediaCommand(const std::string& command, char* reply, std::size_t replySize) {
  return layer().run(command, reply, replySize);
}

void MediaShutdown() {
  MediaControl*& slot = layerSlot();
  delete slot;
  slot = nullptr;
}

std::size_t MediaOpenAliasCount() { return layerSlot() == nullptr ? 0 : layerSlot()->aliasCount(); }

}  // namespace testbench
