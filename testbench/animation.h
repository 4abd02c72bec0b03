// Animation description files: a text file of frame lines, each naming a
// picture, the seconds to wait before showing it, a sound (or "NULL") and
// its frame number, every field followed by ",":
//
//   {Description},
//   3,
//   a.bmp,.0016,NULL,1,
//   b.bmp,.0016,NULL,2,
//   c.bmp,.0016,NULL,3,
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "testbench/image_handle.h"

namespace testbench {

struct AnimationFrame {
  std::string pictureFile;
  double timeStep = 0.0;  // seconds to wait before the frame is shown
  std::string sound;      // a file name, or "NULL" for none
  ImageHandle image;      // loaded by SpriteLoad
  std::int32_t number = 0;
};

// Shared by the routines below: the description of the last loaded file,
// how many frames it loaded, where the frames are drawn (set by the
// program) and the clock reading of the last frame shown.
extern std::string AnimationDescription;
extern std::int32_t AnimationFrameCount;
extern std::int32_t AnimationX;
extern std::int32_t AnimationY;
extern double AnimationLastFrameTime;

// Writes a description file from a list of picture names, one per line and
// each followed by ",", every frame with the time step .0016 and no sound.
// Nothing is written when the list cannot be read.
void ExportAnimation(const std::string& listFile, const std::string& descriptionFile);
// Loads the frame lines into slots 1, 2, ... of the frame table (never past
// its end), loading each picture as a sprite.
void LoadAnimation(const std::string& descriptionFile, std::vector<AnimationFrame>& frames);
// Shows every loaded frame once over the background, each after its time
// step, playing its sound; returns the frame count.
std::int32_t PlayAnimation(std::vector<AnimationFrame>& frames, const platform::Image& background,
                           platform::Image& page);
// As PlayAnimation, with the frame number, time step and description
// written in white at the top left.
std::int32_t PlayAnimationDebug(std::vector<AnimationFrame>& frames, const platform::Image& background,
                                platform::Image& page);

}  // namespace testbench
