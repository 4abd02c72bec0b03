// Writing and reading animation description files.
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/file_save.h"
#include "platform/text_convert.h"
#include "platform/text_file.h"
#include "testbench/animation.h"
#include "testbench/sprites.h"
#include "testbench/table.h"
#include "testbench/text_fields.h"

namespace testbench {

std::string AnimationDescription;
std::int32_t AnimationFrameCount = 0;
std::int32_t AnimationX = 0;
std::int32_t AnimationY = 0;
double AnimationLastFrameTime = 0.0;

namespace {

constexpr const char* kExportTimeStep = ".0016";
constexpr std::int32_t kFieldSlots = 100;

std::int32_t roundedInt32(double value) {
  constexpr double lowest = std::numeric_limits<std::int32_t>::min();
  constexpr double highest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(std::round(value), lowest, highest));
}

}  // namespace

void ExportAnimation(const std::string& listFile, const std::string& descriptionFile) {
  platform::TextFileReader counting(listFile);
  if (!counting.isOpen()) return;
  // A line is counted before the end test, so an empty list counts one.
  std::int64_t count = 0;
  do {
    counting.readLine();
    ++count;
  } while (!counting.eof());

  platform::TextFileReader list(listFile);
  platform::TextFileWriter out;
  out.writeLine("{Description},");
  out.writeLine(platform::toText(count) + ",");
  // Fields are kept from line to line: a line without a "," after its name
  // repeats the previous line's name.
  auto fields = MakeTable<std::string>(kFieldSlots);
  for (std::int64_t k = 1; k <= count; ++k) {
    SplitFields(list.readLine(), ",", fields);
    out.writeLine(fields[1] + "," + kExportTimeStep + ",NULL," + platform::toText(k) + ",");
  }
  platform::saveFileAtomically(descriptionFile, out.text());
}

void LoadAnimation(const std::string& descriptionFile, std::vector<AnimationFrame>& frames) {
  platform::TextFileReader in(descriptionFile);
  auto fields = MakeTable<std::string>(kFieldSlots);
  SplitFields(in.readLine(), ",", fields);
  AnimationDescription = fields[1];
  in.readLine();  // the frame count, written for people reading the file
  const std::int32_t last = UpperBound(frames);
  std::int32_t k = 0;
  while (!in.eof() && k < last) {
    SplitFields(in.readLine(), ",", fields);
    ++k;
    AnimationFrame& frame = frames[static_cast<std::size_t>(k)];
    frame.pictureFile = fields[1];
    frame.timeStep = platform::textToNumber(fields[2]);
    frame.sound = fields[3];
    frame.number = roundedInt32(platform::textToNumber(fields[4]));
    Sprite sprite;
    SpriteLoad(sprite, frame.pictureFile);
    frame.image = sprite.image;
  }
  AnimationFrameCount = k;
}

}  // namespace testbench
