// kestrel_assetgen: writes the game's sprite sheet, animation table and
// sound samples into the folder given as its first argument, then the
// manifest naming them (the second argument). Checks the sheet and the table
// first and fails (exit code 1) with a list of problems, so a broken picture
// layout stops the build.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "audio/samples.h"
#include "audio/wav_writer.h"
#include "gen_kit/bmp24.h"
#include "gen_kit/file_out.h"
#include "gen_kit/file_out.h"
#include "sheet/catalog.h"
#include "sheet/required_codes.h"

namespace {

int fail(const std::vector<std::string>& problems) {
  std::fprintf(stderr, "kestrel_assetgen: the sprite sheet is not consistent:\n");
  for (const std::string& p : problems) std::fprintf(stderr, "  - %s\n", p.c_str());
  return 1;
}

bool save(gen_kit::OutputFolder& out, std::string_view name, const std::vector<std::uint8_t>& bytes) {
  if (out.write(name, bytes)) return true;
  std::fprintf(stderr, "kestrel_assetgen: cannot write %s\n", out.pathOf(name).c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kestrel_assetgen OUTPUT_FOLDER MANIFEST\n");
    return 2;
  }
  gen_kit::OutputFolder out(argv[1]);

  const std::vector<assets::Picture> pictures = assets::buildCatalog();
  const std::vector<assets::PlacedPicture> placed = assets::placements(pictures);
  const std::vector<assets::AnimRecord> records = assets::buildAnimRecords();
  std::vector<std::string> problems = assets::checkLayout(placed, assets::kSheetWidth, assets::kSheetHeight);
  const std::vector<std::string> recordProblems = assets::checkRecords(records, assets::kRequiredCodes, placed);
  problems.insert(problems.end(), recordProblems.begin(), recordProblems.end());
  if (!problems.empty()) return fail(problems);

  const assets::Canvas sheet = assets::paintSheet(pictures, problems);
  if (!problems.empty()) return fail(problems);

  const std::string animText = assets::formatAnimData(records);
  bool ok = save(out, "plik.bmp", gen_kit::encodeBmp24(sheet));
  ok = save(out, "anim_data.dat", std::vector<std::uint8_t>(animText.begin(), animText.end())) && ok;
  for (const assets::NamedSample& s : assets::gameSamples()) {
    ok = save(out, s.fileName, assets::encodeWav(s.sound)) && ok;
  }
  // The manifest only after every file, so that a failed run leaves the
  // build's output missing and the next build runs the generator again.
  if (ok && !out.writeManifest(argv[2])) {
    std::fprintf(stderr, "kestrel_assetgen: cannot write %s\n", argv[2]);
    ok = false;
  }
  return ok ? 0 : 1;
}
