// make_default FOLDER: writes the bundled "Default" game into FOLDER.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/DefaultGame.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  try {
    zelvo::tools::writeDefaultGame(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_default: %s\n", e.what());
    return 1;
  }
  return 0;
}
