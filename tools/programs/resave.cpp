// resave SOURCE DEST: loads the game folder SOURCE and saves it into the folder DEST.
// Exits 1 when the game could not be resaved, and also when a map or chip-set file of SOURCE
// could not be read (an unreadable one is copied unchanged); the warnings are printed.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/Resave.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SOURCE DEST\n", argv[0]);
    return 2;
  }
  try {
    // The warnings themselves were printed as the map tree read them.
    if (size_t unread = zelvo::tools::resaveGame(argv[1], argv[2]).size(); unread > 0) {
      std::fprintf(stderr, "resave: '%s' was resaved with %zu warning(s) about its map files\n", argv[1], unread);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "resave: '%s' could not be resaved: %s\n", argv[1], e.what());
    return 1;
  }
  return 0;
}
