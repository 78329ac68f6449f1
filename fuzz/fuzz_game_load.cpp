// Loads a game folder holding one file made of the fuzzer's bytes: the first byte picks which
// file of the folder, the rest is its content. Every failure must be a clean EZelvoError.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoMapTreeWarningSink.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"
#include "tools/DefaultGame.h"

namespace fs = std::filesystem;
using namespace zelvo;

namespace {

const char* const kFiles[] = {
    "Data/Collision.Dat", "Data/DAnimation.Dat", "Data/Material.Dat", "Data/Chara.Dat",
    "Data/MoveType.Dat",  "Data/Party.Dat",      "Data/EventOrders.Dat", "Data/Events.Dat",
    "Data/Anime.Dat",     "Data/IDDoc.rid",      "Data/Attribute.Dat", "Data/Job.Dat",
    "Data/Condition.Dat", "Data/Command.txt",    "Maps/MapChip.dat",  "Maps/tree.map",
    "Maps/1.map",
};
constexpr size_t kFileCount = sizeof kFiles / sizeof kFiles[0];

class QuietSink : public IZelvoWarningSink {
 public:
  void Warn(const std::string&) override {}
};

fs::path& gameFolder() {
  static fs::path folder;
  return folder;
}

void writeFile(const fs::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A map file is read only through a tree.map that names it.
const std::vector<uint8_t> kTreeNamingMap1 = {1, 0, 0, 0, 1, 0, 0, 0};

// An empty corpus starts from the files of the generated "Default" game.
void seedCorpus(const fs::path& corpus) {
  if (!fs::is_directory(corpus) || !fs::is_empty(corpus)) return;
  fs::path game = gameFolder().parent_path() / "Seed";
  tools::writeDefaultGame(game);
  std::string firstMap;
  for (const auto& e : fs::directory_iterator(game / "Maps"))
    if (e.path().extension() == ".map" && e.path().filename() != "tree.map") firstMap = e.path().string();
  for (size_t i = 0; i < kFileCount; ++i) {
    fs::path source = std::string(kFiles[i]) == "Maps/1.map" ? fs::path(firstMap) : game / kFiles[i];
    if (source.empty() || !fs::exists(source)) continue;
    std::ifstream in(source, std::ios::binary);
    std::vector<uint8_t> bytes{static_cast<uint8_t>(i)};
    bytes.insert(bytes.end(), std::istreambuf_iterator<char>(in), {});
    writeFile(corpus / ("seed-" + std::to_string(i)), bytes.data(), bytes.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  std::string pattern = (fs::temp_directory_path() / "zelvo-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  gameFolder() = fs::path(pattern) / "Game";
  SetDefaultWarningSink(std::make_shared<QuietSink>());
  for (int i = 1; i < *argc; ++i)
    if ((*argv)[i][0] != '-') {
      seedCorpus((*argv)[i]);
      break;
    }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const fs::path& game = gameFolder();
  fs::remove_all(game);
  fs::create_directories(game / "Data");
  fs::create_directories(game / "Maps");
  std::string file = kFiles[data[0] % kFileCount];
  writeFile(game / file, data + 1, size - 1);
  if (file == "Maps/1.map") writeFile(game / "Maps/tree.map", kTreeNamingMap1.data(), kTreeNamingMap1.size());
  tools::GameFolderScope scope(game);
  try {
    TZMLZelvoAPI api;
    api.Load();
    std::shared_ptr<IZelvoMapTreeNodeControl> root = api.GetMapTree()->GetRootNode();
    for (int32_t i = 0; i < root->GetChildCount(); ++i) root->GetChild(i)->GetMap();
  } catch (const EZelvoError&) {
  }
  return 0;
}
