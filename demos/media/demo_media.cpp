#include "demos/media/demo_media.h"

#include <array>
#include <fstream>
#include <ostream>

#include "demos/media/aircraft_art.h"
#include "demos/media/bmp_out.h"
#include "demos/media/effects.h"
#include "demos/media/ground_art.h"
#include "demos/media/small_art.h"
#include "demos/media/sound_out.h"
#include "demos/media/tune.h"
#include "media_kit/file_out.h"

namespace media {

namespace {

// The jet frames in file order: level flight, then banking right, then
// banking left, each step steeper. The two level pictures differ in the
// length of the afterburner flame, so alternating them makes it flicker.
template <int Degrees, Flame F>
std::vector<std::uint8_t> jet() {
  return encodeBmp24(jetPicture(Degrees, F));
}

template <int Note>
std::vector<std::uint8_t> noteWav() {
  return encodeWav(bounceNote(Note));
}

template <int Note>
std::vector<std::uint8_t> noteMp3() {
  return encodeMp3(bounceNote(Note), 128);
}

std::vector<std::uint8_t> bmp(platform::Image (*draw)()) { return encodeBmp24(draw()); }

constexpr auto kFiles = std::to_array<MediaFile>({
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

std::span<const MediaFile> mediaFiles() { return kFiles; }

bool writeMediaFiles(const std::string& folder, std::ostream& log) {
  bool ok = true;
  if (const std::string fault = checkScore(); !fault.empty()) {
    log << "the tune's score: " << fault << '\n';
    ok = false;
  }
  for (const MediaFile& file : kFiles) {
    const std::vector<std::uint8_t> bytes = file.make();
    const std::string path = folder + "/" + std::string(file.name);
    if (bytes.empty()) {
      log << "could not make " << file.name << '\n';
      ok = false;
      continue;
    }
    if (!media_kit::writeFile(path, bytes)) {
      log << "could not write " << path << '\n';
      ok = false;
    }
  }
  return ok;
}

}  // namespace media
