#include "demos/generator/demo_files.h"

#include <array>
#include <fstream>
#include <ostream>

#include "demos/generator/aircraft_art.h"
#include "gen_kit/bmp24.h"
#include "demos/generator/effects.h"
#include "demos/generator/ground_art.h"
#include "demos/generator/small_art.h"
#include "demos/generator/sound_out.h"
#include "demos/generator/tune.h"
#include "gen_kit/file_out.h"

namespace demo_gen {

namespace {

// The jet frames in file order: level flight, then banking right, then
// banking left, each step steeper. The two level pictures differ in the
// length of the afterburner flame, so alternating them makes it flicker.
template <int Degrees, Flame F>
std::vector<std::uint8_t> jet() {
  return gen_kit::encodeBmp24(jetPicture(Degrees, F));
}

template <int Note>
std::vector<std::uint8_t> noteWav() {
  return encodeWav(bounceNote(Note));
}

template <int Note>
std::vector<std::uint8_t> noteMp3() {
  return encodeMp3(bounceNote(Note), 128);
}

std::vector<std::uint8_t> bmp(platform::Image (*draw)()) { return gen_kit::encodeBmp24(draw()); }

constexpr auto kFiles = std::to_array<GeneratedFile>({
    {"Plane1.BMP", jet<0, Flame::Long>},
    {"J_F_1.BMP", jet<0, Flame::Short>},
    {"J_F_2.BMP", jet<0, Flame::Long>},
    {"J_F_3.BMP", jet<14, Flame::Short>},
    {"J_F_4.BMP", jet<28, Flame::Long>},
    {"J_F_5.BMP", jet<42, Flame::Short>},
    {"J_F_6.BMP", jet<56, Flame::Long>},
    {"J_F_7.BMP", jet<-14, Flame::Short>},
    {"J_F_8.BMP", jet<-28, Flame::Long>},
    {"J_F_9.BMP", jet<-42, Flame::Short>},
    {"J_F_10.BMP", jet<-56, Flame::Long>},
    {"E2.BMP", [] { return bmp(enemyPicture); }},
    {"Aero_Shot2.BMP", [] { return bmp(missilePicture); }},
    {"Cloud1.BMP", [] { return bmp(cloudPicture); }},
    {"Oakst1.BMP", [] { return bmp(fieldsTile); }},
    {"Oakst2.BMP", [] { return bmp(riverTile); }},
    {"ball4.BMP", [] { return bmp(ballPicture); }},
    {"O_2.BMP", [] { return bmp(ringPicture); }},
    {"Ryu_1.BMP", [] { return bmp(fighterPicture); }},
    {"29H.WAV", noteWav<kBounceNoteLow>},
    {"33H.WAV", noteWav<kBounceNoteMiddle>},
    {"3BH.WAV", noteWav<kBounceNoteHigh>},
    {"29H.MP3", noteMp3<kBounceNoteLow>},
    {"33H.MP3", noteMp3<kBounceNoteMiddle>},
    {"3BH.MP3", noteMp3<kBounceNoteHigh>},
    {"Gong.mp3", [] { return encodeMp3(gong(), 128); }},
    {"Missile2.mp3", [] { return encodeMp3(missileLaunch(), 128); }},
    {"Flyby2.mp3", [] { return encodeMp3(flyby(), 160); }},
    {"AceCombat1.mp3", [] { return encodeMp3(tune(), 192); }},
});
static_assert(kFiles.size() == 29);

}  // namespace

std::span<const GeneratedFile> generatedFiles() { return kFiles; }

bool writeGeneratedFiles(const std::string& folder, const std::string& manifestPath, std::ostream& log) {
  gen_kit::OutputFolder out(folder);
  bool ok = true;
  if (const std::string fault = checkScore(); !fault.empty()) {
    log << "the tune's score: " << fault << '\n';
    ok = false;
  }
  for (const GeneratedFile& file : kFiles) {
    const std::vector<std::uint8_t> bytes = file.make();
    if (bytes.empty()) {
      log << "could not make " << file.name << '\n';
      ok = false;
      continue;
    }
    if (!out.write(file.name, bytes)) {
      log << "could not write " << out.pathOf(file.name) << '\n';
      ok = false;
    }
  }
  // The manifest only after every file, so that a failed run leaves the
  // build's output missing and the next build runs the generator again.
  if (ok && !out.writeManifest(manifestPath)) {
    log << "could not write " << manifestPath << '\n';
    ok = false;
  }
  return ok;
}

}  // namespace demo_gen
