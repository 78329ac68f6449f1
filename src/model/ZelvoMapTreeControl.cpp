#include "model/ZelvoMapTreeControl.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>
#include <system_error>

#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapTreeWarningSink.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/core/FileStream.h"

namespace zelvo {
namespace {

constexpr int64_t kHeaderBytes = 32;
constexpr const char* kTreeFile = "tree.map";
constexpr const char* kChipFile = "MapChip.dat";

bool exists(const std::string& path) { return NativeFileExists(path); }

std::vector<uint8_t> bytesOf(TZStream& memory) { return TakeAllBytes(memory); }

bool sameFolder(const std::string& a, const std::string& b) {
  if (a == b) return true;
  const std::optional<std::filesystem::path> nativeA = NativePath(a), nativeB = NativePath(b);
  std::error_code ec;
  return nativeA && nativeB && std::filesystem::equivalent(*nativeA, *nativeB, ec);
}

}  // namespace

TZelvoMapTreeControl::TZelvoMapTreeControl(IZMLZelvoAPI* api)
    : root_(std::make_shared<TZelvoMapTreeNodeControl>(0, api)),
      chipSets_(std::make_shared<TZelvoMapChipSetListControl>()),
      api_(api) {
  root_->SetTree(this);
}

TZelvoMapTreeControl::~TZelvoMapTreeControl() {
  // Nodes and maps held elsewhere must not keep pointing at a control that is gone.
  root_->SetTree(nullptr);
}

std::shared_ptr<IZelvoMapTreeNodeControl> TZelvoMapTreeControl::GetStartNode() { return root_->FindNode(startMapID_); }

void TZelvoMapTreeControl::Warn(const std::string& text) { warnings_.push_back(text); }

void TZelvoMapTreeControl::LoadFromFolder(const std::string& mapsFolder) {
  warnings_.clear();
  // The warnings of the load reach the user together at its end, even when it fails half-way:
  // a tree naming thousands of missing files is one message, not thousands.
  struct Deliver {
    TZelvoMapTreeControl& tree;
    ~Deliver() {
      if (tree.warnings_.empty()) return;
      try {
        (tree.sink_ ? tree.sink_ : DefaultWarningSink())->WarnAll(tree.warnings_);
      } catch (...) {
        // Telling of a warning must not turn a load that went on into one that failed.
      }
    }
  } deliver{*this};
  chipFileUnread_ = false;
  TModelIDWatermark seen;
  bool chipsRead = false;
  if (exists(mapsFolder + kChipFile)) {
    try {
      TZStream stream(mapsFolder + kChipFile, TZStream::ReadFileToMemory);
      chipSets_->LoadFromStream(stream);
      chipsRead = true;
    } catch (const EFormatError& e) {
      // Saving must not replace the file with the list it failed to read.
      chipFileUnread_ = true;
      WarnAbout(mapsFolder + kChipFile, ": " + Cp932::fromUtf8(e.what()));
    }
  }
  mapsFolder_ = mapsFolder;
  if (exists(mapsFolder + kTreeFile)) ReadTreeFile(mapsFolder);
  // A chip set that keeps its own picture draws an ID for it: only once every ID the maps hold
  // is known, so it cannot repeat one of them.
  if (std::shared_ptr<IZelvoModelIDManager> ids = api_ ? api_->GetIDManager() : nullptr) ids->KeepAbove(seen.Highest());
  if (chipsRead)
    for (int32_t i = 0; i < chipSets_->GetCount(); ++i) chipSets_->GetItem(i)->ResolveImage(api_);
}

void TZelvoMapTreeControl::WarnAbout(const std::string& path, const std::string& what) {
  // The path as this system writes it, with one kind of separator throughout.
  const std::optional<std::filesystem::path> native = NativePath(path);
  Warn((native ? Cp932::fromUtf8(native->string()) : path) + what);
}

void TZelvoMapTreeControl::ReadTreeFile(const std::string& mapsFolder) {
  TZStream stream(mapsFolder + kTreeFile, TZStream::ReadFileToMemory);
  BinaryReader r(stream);
  int32_t startMap = startMapID_, startX = startX_, startY = startY_, startFloor = startFloorID_;
  if (stream.GetSize() > kHeaderBytes) {
    char magic[8];
    r.readBytes(magic, 8);
    if (std::memcmp(magic, kTreeMapMagic, 8) == 0) {
      r.readByte();
      r.readByte();
      uint8_t flag = r.readByte();
      r.readByte();
      if (flag == 0) {
        startMap = r.readInt32();
        startX = r.readInt32();
        startY = r.readInt32();
        startFloor = r.readInt32();
      }
      stream.Seek(int32_t(kHeaderBytes));
    } else {
      stream.Seek(0);
    }
  }
  int32_t n = r.readCount(4);
  std::vector<int32_t> ids(static_cast<size_t>(n));
  for (auto& id : ids) id = r.readInt32();
  startMapID_ = startMap;
  startX_ = startX;
  startY_ = startY;
  startFloorID_ = startFloor;
  root_->ClearChildren();
  LoadTopLevels(mapsFolder, ids);
  root_->SetModified(false);
}

void TZelvoMapTreeControl::LoadTopLevels(const std::string& mapsFolder, const std::vector<int32_t>& ids) {
  // A map listed again names the same file and could only shadow the first node of its ID
  // (the one lookups find and the one whose file a save writes): it is read once, so a tree
  // file repeating one ID cannot make the maps be read, kept and searched over and over.
  std::set<int32_t> listed, repeated;
  int32_t firstRepeated = 0;
  for (int32_t id : ids) {
    if (listed.insert(id).second)
      LoadTopLevel(mapsFolder, id);
    else if (repeated.insert(id).second && repeated.size() == 1)
      firstRepeated = id;
  }
  if (!repeated.empty()) {
    const std::string which = repeated.size() == 1 ? "map ID " + std::to_string(firstRepeated)
                                                   : std::to_string(repeated.size()) + " map IDs (the first " +
                                                         std::to_string(firstRepeated) + ")";
    WarnAbout(mapsFolder + kTreeFile, ": " + which + " listed more than once; each map is read once");
  }
}

void TZelvoMapTreeControl::LoadTopLevel(const std::string& mapsFolder, int32_t id) {
  std::string path = mapsFolder + std::to_string(id) + ".map";
  if (!exists(path)) {
    WarnAbout(path, kMissingFileSuffix);
    return;
  }
  auto node = std::make_shared<TZelvoMapTreeNodeControl>(id, api_);
  node->SetTree(this);
  try {
    // Read from the file itself: the tree passes over the floors' cells without reading them.
    TZStream stream(path, TZStream::ReadFile);
    node->LoadTreeFromStream(stream);
  } catch (const EFormatError& e) {
    // The map stays in the tree, its file untouched, until someone gives it a new map.
    node->SetOnDiskOnly(true);
    WarnAbout(path, ": " + Cp932::fromUtf8(e.what()));
  }
  root_->AddTopLevelNode(node);
}

void TZelvoMapTreeControl::SaveToFolder(const std::string& mapsFolder) {
  std::error_code ec;
  const std::filesystem::path nativeFolder = RequireNativePath(mapsFolder, "create folder");
  std::filesystem::create_directories(nativeFolder, ec);
  if (ec) throw EFileError("create folder", nativeFolder.string(), ec.message());
  std::vector<std::shared_ptr<IZelvoMapTreeNodeControl>> written;
  FileTransaction transaction;
  RenderFolder(mapsFolder, written, [&transaction](TMapsFolderFile&& file) { StageMapsFolderFile(transaction, file); });
  transaction.commit();
  SavedToFolder(mapsFolder, written);
}

void StageMapsFolderFile(FileTransaction& transaction, const TMapsFolderFile& file) {
  if (file.copyFrom.empty())
    transaction.stage(RequireNativePath(file.path, "write"), file.bytes);
  else
    transaction.stageCopy(RequireNativePath(file.path, "write"), RequireNativePath(file.copyFrom));
}

void TZelvoMapTreeControl::RenderFolder(const std::string& mapsFolder,
                                        std::vector<std::shared_ptr<IZelvoMapTreeNodeControl>>& written,
                                        const TMapsFolderSink& sink) {
  const bool moved = mapsFolder_.empty() || !sameFolder(mapsFolder, mapsFolder_);
  std::set<std::string> names;
  TZStream tree("", TZStream::Memory);
  BinaryWriter w(tree);
  w.writeBytes(kTreeMapMagic, 8);
  w.writeInt32(0);
  w.writeInt32(startMapID_);
  w.writeInt32(startX_);
  w.writeInt32(startY_);
  w.writeInt32(startFloorID_);
  w.writeInt32(0);
  w.writeInt32(root_->GetChildCount());
  for (int32_t i = 0; i < root_->GetChildCount(); ++i) {
    auto node = root_->GetChild(i);
    w.writeInt32(node->GetID());
    std::string name = std::to_string(node->GetID()) + ".map";
    // Two top-level maps of one ID share a file name: the first one listed owns the file.
    if (!names.insert(name).second) continue;
    // A change no command flagged is still a change: the content decides as well as the flags.
    if (!node->IsModified() && node->ChangedSinceRead()) node->SetModified(true);
    if (!node->IsModified() && node->IsOnDiskOnly()) {
      // Never read, or unreadable: in a new folder it goes across byte for byte.
      if (moved && exists(mapsFolder_ + name)) sink({mapsFolder + name, {}, mapsFolder_ + name});
      continue;
    }
    if (!node->IsModified() && !moved) continue;
    // Room for the cells up front, so a large map is not copied as its buffer grows.
    std::vector<uint8_t> room;
    room.reserve(size_t(std::clamp<int64_t>(node->GetDataSize(), 0, int64_t(1) << 30)) + 65536);
    TZStream file(std::move(room), "memory");
    node->SaveToStream(file);
    sink({mapsFolder + name, bytesOf(file), {}});
    written.push_back(node);
  }
  sink({mapsFolder + kTreeFile, bytesOf(tree), {}});
  if (!chipFileUnread_) {
    TZStream chips("", TZStream::Memory);
    chipSets_->SaveToStream(chips);
    sink({mapsFolder + kChipFile, bytesOf(chips), {}});
  } else if (moved && exists(mapsFolder_ + kChipFile)) {
    sink({mapsFolder + kChipFile, {}, mapsFolder_ + kChipFile});
  }
}

void TZelvoMapTreeControl::SavedToFolder(const std::string& mapsFolder,
                                         const std::vector<std::shared_ptr<IZelvoMapTreeNodeControl>>& written) {
  mapsFolder_ = mapsFolder;
  for (auto& node : written) node->UnloadMap();
}

}  // namespace zelvo
