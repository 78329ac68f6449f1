// make_skin FOLDER: writes the bundled skin "Default" into FOLDER.
#include <cstdio>
#include <exception>

#include "tools/SkinPictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  try {
    zelvo::tools::writeDefaultSkin(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_skin: %s\n", e.what());
    return 1;
  }
  return 0;
}
