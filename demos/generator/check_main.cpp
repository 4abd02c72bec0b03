// The build's check of the demo programs' files: every picture and sound
// that one of the four programs loads by name must be in the run folder and
// readable, pictures as BMPs with magenta where transparent and the ground
// tiles 640 wide and at least 480 tall. On success it writes the stamp file
// named on the command line; on failure the build stops.
#include <fstream>
#include <iostream>
#include <set>
#include <string>

#include "platform/image.h"
#include "platform/sound_file_check.h"
#include "platform/text_file.h"
#include "demos/collision_test/collision_files.h"
#include "demos/flight_test/flight_files.h"
#include "demos/flight_test_plain/plain_files.h"
#include "demos/generator/demo_files.h"
#include "demos/timing_test/timing_files.h"

namespace {

struct Checker {
  std::string folder;
  int faults = 0;
  std::set<std::string> checked;

  void fault(const std::string& file, const std::string& what) {
    std::cerr << "demo files check: " << file << ": " << what << '\n';
    ++faults;
  }

  void picture(std::string_view name, bool groundTile) {
    const std::string file(name);
    if (!checked.insert(file + (groundTile ? "#tile" : "")).second) return;
    const std::string path = folder + "/" + file;
    const std::int32_t width = platform::readInt32At(path, 18);
    const std::int32_t height = platform::readInt32At(path, 22);
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return fault(file, "missing, or not a BMP");
    platform::Image image = platform::createImage(width, height, 0);
    if (!platform::loadBmp(image, path)) return fault(file, "does not decode as a BMP");
    if (groundTile) {
      if (width != 640 || height < 480) fault(file, "a ground tile must be 640 wide and at least 480 tall");
    } else if (!platform::isMagenta(image.row(0)[0])) {
      fault(file, "its top-left pixel is not magenta, so it has no transparent background");
    }
  }

  void sound(std::string_view name) {
    const std::string file(name);
    if (!checked.insert(file).second) return;
    if (!platform::soundFileLooksSound(folder + "/" + file)) fault(file, "missing, or not a WAV or MP3 sound");
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: " << argv[0] << " FOLDER STAMP\n";
    return 2;
  }
  Checker c;
  c.folder = argv[1];
  for (const demo::SpriteFile& row : flight_test::kSpriteFiles) c.picture(row.file, row.slot == flight_test::kGroundSlot);
  for (const char* file : flight_test::kSoundFiles) c.sound(file);
  for (const demo::SpriteFile& row : flight_test_plain::kSpriteFiles) {
    c.picture(row.file, row.slot == flight_test_plain::kGroundSlot);
  }
  for (const char* file : flight_test_plain::kSoundFiles) c.sound(file);
  for (const char* file : timing_test::kPictureFiles) c.picture(file, false);
  for (const demo::MoverRow& row : timing_test::kMoverRows) c.sound(row.sound);
  for (const char* file : collision_test::kPictureFiles) c.picture(file, false);
  for (const demo::MoverRow& row : collision_test::kMoverRows) c.sound(row.sound);
  // Every generated file is one that a program loads.
  for (const demo_gen::GeneratedFile& file : demo_gen::generatedFiles()) {
    const std::string name(file.name);
    if (c.checked.count(name) == 0 && c.checked.count(name + "#tile") == 0) c.fault(name, "generated but loaded by no program");
  }
  if (c.faults > 0) return 1;
  std::ofstream stamp(argv[2], std::ios::trunc);
  stamp << c.checked.size() << " demo files checked\n";
  return stamp ? 0 : 1;
}
