// Writes the demo programs' pictures and sounds into the folder named on
// the command line (the build's run folder), then the manifest naming them.
#include <iostream>

#include "demos/generator/demo_files.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: " << argv[0] << " FOLDER MANIFEST\n";
    return 2;
  }
  if (!demo_gen::writeGeneratedFiles(argv[1], argv[2], std::cerr)) return 1;
  std::cout << "demo files: " << demo_gen::generatedFiles().size() << " files written to " << argv[1] << '\n';
  return 0;
}
