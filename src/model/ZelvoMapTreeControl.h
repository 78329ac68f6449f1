#pragma once
// The map side of a game: the root of the map tree, every chip set, the start point, and the
// Maps folder on disk: "tree.map", one <ID>.map per top-level map, and "MapChip.dat".

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/ZelvoCommonTypes.h"
#include "model/ZelvoMapChipSetIDListControl.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMapTreeNodeControl;
class IZelvoWarningSink;
class FileTransaction;

// The chip-set IDs of every map resolve against its chip-set list (GetChipSetList).
// One file of a save of the Maps folder: its CP932 path and its whole content, or, when
// copyFrom is set, the path of a file it is to be a byte-for-byte copy of.
struct TMapsFolderFile {
  std::string path;
  std::vector<uint8_t> bytes;
  std::string copyFrom;
};
// Takes each file as soon as it is made, so a save holds one file in memory at a time.
using TMapsFolderSink = std::function<void(TMapsFolderFile&&)>;

class IZelvoMapTreeControl : public IZelvoMapChipSetListSource {
 public:
  virtual std::shared_ptr<IZelvoMapTreeNodeControl> GetRootNode() = 0;
  virtual ZelvoCommonTypes::TPoint GetStartPosition() const = 0;
  virtual int32_t GetStartFloorID() const = 0;
  virtual int32_t GetStartMapID() const = 0;
  // The node with the start map ID anywhere in the tree; nullptr when none.
  virtual std::shared_ptr<IZelvoMapTreeNodeControl> GetStartNode() = 0;
  virtual int32_t GetMode() const = 0;
  virtual IZMLZelvoAPI* GetAPI() const = 0;
  virtual void SetStartPosition(int32_t x, int32_t y) = 0;
  virtual void SetStartMapID(int32_t id) = 0;
  virtual void SetStartFloorID(int32_t id) = 0;
  // Only 1 is stored.
  virtual void SetMode(int32_t value) = 0;
  // mapsFolder is a CP932 path ending in "\". Writes the modified top-level files (every one
  // when the folder is not the one the tree came from), "tree.map", then "MapChip.dat", each
  // whole under a temporary name; a failure leaves the old files and throws EFileError.
  virtual void SaveToFolder(const std::string& mapsFolder) = 0;
  // A missing top-level file warns and is left out; a corrupt one warns, stays in the tree
  // unloadable, and its file is not rewritten unless its map is changed.
  virtual void LoadFromFolder(const std::string& mapsFolder) = 0;
  virtual void SetAPI(IZMLZelvoAPI* api) = 0;
  // The folder the tree was last loaded from or saved to (empty before either); the maps of
  // its top-level nodes are read from there.
  virtual const std::string& GetMapsFolder() const = 0;
  virtual void SetWarningSink(std::shared_ptr<IZelvoWarningSink> sink) = 0;
  // SaveToFolder in two halves, for a caller that commits the files in a transaction of its
  // own: the files to write, in the order they must replace the old ones (map files, then
  // "tree.map", then "MapChip.dat"; unread files are copied when the folder is a new one), and
  // the top-level nodes whose subtree they hold...
  virtual void RenderFolder(const std::string& mapsFolder,
                            std::vector<std::shared_ptr<IZelvoMapTreeNodeControl>>& written,
                            const TMapsFolderSink& sink) = 0;
  // ...and, once those files are on disk, the written subtrees leave memory and the tree reads
  // its maps from mapsFolder from then on.
  virtual void SavedToFolder(const std::string& mapsFolder,
                             const std::vector<std::shared_ptr<IZelvoMapTreeNodeControl>>& written) = 0;
  // The warnings of the last LoadFromFolder, CP932.
  virtual const std::vector<std::string>& GetLoadWarnings() const = 0;
};

// Writes one such file to its temporary name in transaction.
void StageMapsFolderFile(FileTransaction& transaction, const TMapsFolderFile& file);

// "ZelvoMap", the magic of the optional 32-byte header of "tree.map".
inline constexpr char kTreeMapMagic[8] = {'Z', 'e', 'l', 'v', 'o', 'M', 'a', 'p'};
// "が存在しません" in CP932: follows the path of a missing map file.
inline constexpr const char* kMissingFileSuffix = "\x82\xAA\x91\xB6\x8D\xDD\x82\xB5\x82\xDC\x82\xB9\x82\xF1";

class TZelvoMapTreeControl final : public IZelvoMapTreeControl {
 public:
  explicit TZelvoMapTreeControl(IZMLZelvoAPI* api);
  ~TZelvoMapTreeControl() override;

  std::shared_ptr<IZelvoMapTreeNodeControl> GetRootNode() override { return root_; }
  std::shared_ptr<IZelvoMapChipSetListControl> GetChipSetList() override { return chipSets_; }
  ZelvoCommonTypes::TPoint GetStartPosition() const override { return {startX_, startY_}; }
  int32_t GetStartFloorID() const override { return startFloorID_; }
  int32_t GetStartMapID() const override { return startMapID_; }
  std::shared_ptr<IZelvoMapTreeNodeControl> GetStartNode() override;
  int32_t GetMode() const override { return mode_; }
  IZMLZelvoAPI* GetAPI() const override { return api_; }
  void SetStartPosition(int32_t x, int32_t y) override {
    startX_ = x;
    startY_ = y;
  }
  void SetStartMapID(int32_t id) override { startMapID_ = id; }
  void SetStartFloorID(int32_t id) override { startFloorID_ = id; }
  void SetMode(int32_t value) override {
    if (value == 1) mode_ = value;
  }
  void SaveToFolder(const std::string& mapsFolder) override;
  void LoadFromFolder(const std::string& mapsFolder) override;
  void SetAPI(IZMLZelvoAPI* api) override { api_ = api; }
  const std::string& GetMapsFolder() const override { return mapsFolder_; }
  void SetWarningSink(std::shared_ptr<IZelvoWarningSink> sink) override { sink_ = std::move(sink); }
  void RenderFolder(const std::string& mapsFolder, std::vector<std::shared_ptr<IZelvoMapTreeNodeControl>>& written,
                    const TMapsFolderSink& sink) override;
  void SavedToFolder(const std::string& mapsFolder,
                     const std::vector<std::shared_ptr<IZelvoMapTreeNodeControl>>& written) override;
  const std::vector<std::string>& GetLoadWarnings() const override { return warnings_; }

 private:
  void Warn(const std::string& text);
  // A warning about a file: its path in native form, then what (CP932).
  void WarnAbout(const std::string& path, const std::string& what);
  void ReadTreeFile(const std::string& mapsFolder);
  // Each ID once, in the order first listed; repeats are left out with one warning.
  void LoadTopLevels(const std::string& mapsFolder, const std::vector<int32_t>& ids);
  void LoadTopLevel(const std::string& mapsFolder, int32_t id);

  std::shared_ptr<IZelvoMapTreeNodeControl> root_;
  std::shared_ptr<IZelvoMapChipSetListControl> chipSets_;
  int32_t mode_ = 1;
  int32_t startMapID_ = 0;
  int32_t startFloorID_ = 0;
  int32_t startX_ = 0;
  int32_t startY_ = 0;
  IZMLZelvoAPI* api_ = nullptr;
  std::string mapsFolder_;
  std::shared_ptr<IZelvoWarningSink> sink_;
  std::vector<std::string> warnings_;
  bool chipFileUnread_ = false;  // "MapChip.dat" was there but could not be read
};

}  // namespace zelvo
