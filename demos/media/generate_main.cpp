// Writes the demo programs' pictures and sounds into the folder named on
// the command line (the build's run folder).
#include <iostream>

#include "demos/media/demo_media.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " FOLDER\n";
    return 2;
  }
  if (!media::writeMediaFiles(argv[1], std::cerr)) return 1;
  std::cout << "demo media: " << media::mediaFiles().size() << " files written to " << argv[1] << '\n';
  return 0;
}
