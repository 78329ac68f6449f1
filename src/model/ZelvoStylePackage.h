#pragma once
// A material folder: a material of kind 1 whose children are materials and folders. Its record is
// the material record, the child count, then per child its kind and its record (a folder record
// when that kind is 1). "Material.Dat" holds the material root's folder record.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "model/ModelItems.h"
#include "model/ZelvoStyleModel.h"

namespace zelvo {

class IZMLZelvoAPI;

class IZelvoMaterialPackage : public virtual IZelvoMaterialModel {
 public:
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  // nullptr is ignored, here and by Insert.
  virtual void Add(std::shared_ptr<IZelvoMaterialModel> item) = 0;
  // Before the child at Index when 0 <= Index < count; any other Index does nothing.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoMaterialModel> item) = 0;
  // Nothing outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoMaterialModel> GetItem(int32_t index) const = 0;
  // Depth first over the children in order, searching inside each child folder; the folder
  // itself is not compared. nullptr when nothing has that ID.
  virtual std::shared_ptr<IZelvoMaterialModel> FindByID(int32_t id) const = 0;
  // Brings this folder's subtree in line with the directory Folder (CP932, trailing "\"):
  // every child gets MissingFlag unless its file is there; entries no child names become new
  // materials of Kind (directories new folders) from api's factory, with NewFlag set and Path
  // relative to RootFolder. The counters are added to; True when either total is not 0.
  virtual bool SyncWithFolder(const std::string& folder, const std::string& rootFolder, IZMLZelvoAPI* api,
                              int32_t kind, int32_t& newCount, int32_t& missingCount) = 0;
};

class TZelvoStylePackage : public TZelvoStyleModel, public virtual IZelvoMaterialPackage {
 public:
  explicit TZelvoStylePackage(int32_t id) : TZelvoStyleModel(id, MaterialKind::Folder) {}

  void Clear() override { children_.clear(); }
  int32_t GetCount() const override { return children_.count(); }
  void Add(std::shared_ptr<IZelvoMaterialModel> item) override;
  void Insert(int32_t index, std::shared_ptr<IZelvoMaterialModel> item) override;
  void Delete(int32_t index) override { children_.erase(index); }
  std::shared_ptr<IZelvoMaterialModel> GetItem(int32_t index) const override { return children_.at(index); }
  std::shared_ptr<IZelvoMaterialModel> FindByID(int32_t id) const override;
  bool SyncWithFolder(const std::string& folder, const std::string& rootFolder, IZMLZelvoAPI* api, int32_t kind,
                      int32_t& newCount, int32_t& missingCount) override;

  void SaveToStream(IZStream& stream) override;
  // Nesting is limited (RecordDepthGuard). A short or corrupt record throws EFormatError and
  // leaves the folder as it was.
  void LoadFromStream(IZStream& stream) override;

  // SyncWithFolder on a directory already resolved on disk (its name need not have a CP932
  // spelling); symbolic links to directories are not followed.
  bool SyncWithNativeFolder(const std::filesystem::path& native, const std::string& folder,
                            const std::string& rootFolder, IZMLZelvoAPI* api, int32_t kind, int32_t& newCount,
                            int32_t& missingCount);

 protected:
  // A folder stays a folder whatever kind its record names: its shape was decided by it.
  int32_t fixedKind() const override { return MaterialKind::Folder; }

 private:
  ModelItems<IZelvoMaterialModel> children_;
};

}  // namespace zelvo
