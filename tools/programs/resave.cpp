// resave SOURCE DEST: loads the game folder SOURCE and saves it into the folder DEST.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/DefaultGame.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SOURCE DEST\n", argv[0]);
    return 2;
  }
  try {
    zelvo::tools::resaveGame(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "resave: '%s' could not be resaved: %s\n", argv[1], e.what());
    return 1;
  }
  return 0;
}
