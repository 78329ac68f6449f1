#include "model/ZelvoStylePackage.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "model/RecordDepth.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"

namespace zelvo {

void TZelvoStylePackage::Add(std::shared_ptr<IZelvoMaterialModel> item) {
  if (item) children_.add(std::move(item));
}

void TZelvoStylePackage::Insert(int32_t index, std::shared_ptr<IZelvoMaterialModel> item) {
  if (item) children_.insertInside(index, std::move(item));
}

std::shared_ptr<IZelvoMaterialModel> TZelvoStylePackage::FindByID(int32_t id) const {
  for (const auto& child : children_.items()) {
    if (child->GetID() == id) return child;
    if (child->GetKind() != MaterialKind::Folder) continue;
    if (auto folder = std::dynamic_pointer_cast<IZelvoMaterialPackage>(child))
      if (auto found = folder->FindByID(id)) return found;
  }
  return nullptr;
}

void TZelvoStylePackage::SaveToStream(IZStream& stream) {
  TZelvoStyleModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(children_.count());
  for (const auto& child : children_.items()) {
    w.writeInt32(child->GetKind());
    child->SaveToStream(stream);
  }
}

void TZelvoStylePackage::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  RecordDepthGuard depth(r);
  TZelvoStylePackage read(-1);
  read.TZelvoStyleModel::LoadFromStream(stream);
  int32_t n = r.readCount(4 + TZelvoStyleModel::kMinRecordBytes);
  std::vector<std::shared_ptr<IZelvoMaterialModel>> children;
  children.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    int32_t kind = r.readInt32();
    if (kind == MaterialKind::Folder) {
      auto folder = std::make_shared<TZelvoStylePackage>(-1);
      folder->LoadFromStream(stream);
      children.push_back(std::move(folder));
    } else {
      auto material = std::make_shared<TZelvoStyleModel>(-1, kind);
      material->LoadFromStream(stream);
      // Written back, a kind of 1 would read as a folder: the kind that shaped it stays.
      if (material->GetKind() == MaterialKind::Folder) material->setKind(kind);
      children.push_back(std::move(material));
    }
  }
  read.children_.items() = std::move(children);
  read.SetMissingFlag(GetMissingFlag());
  read.SetNewFlag(GetNewFlag());
  *this = read;
}

namespace {

// CP932 characters, so a trail byte is never taken for a letter or for "\".
size_t charLength(const std::string& s, size_t at) {
  return Cp932::isLeadByte(static_cast<uint8_t>(s[at])) && at + 1 < s.size() ? 2 : 1;
}

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool matchesAt(const std::string& s, size_t at, const std::string& needle) {
  if (needle.size() > s.size() - at) return false;
  for (size_t i = 0; i < needle.size();) {
    size_t len = charLength(needle, i);
    if (len == 2) {
      if (s[at + i] != needle[i] || s[at + i + 1] != needle[i + 1]) return false;
    } else if (foldAscii(s[at + i]) != foldAscii(needle[i])) {
      return false;
    }
    i += len;
  }
  return true;
}

// s with every occurrence of needle removed, letters compared without regard to case.
std::string removeIgnoringCase(const std::string& s, const std::string& needle) {
  if (needle.empty()) return s;
  std::string out;
  for (size_t i = 0; i < s.size();) {
    if (matchesAt(s, i, needle)) {
      i += needle.size();
      continue;
    }
    size_t len = charLength(s, i);
    out.append(s, i, len);
    i += len;
  }
  return out;
}

std::string withoutExtension(const std::string& name) {
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

struct DiskEntry {
  std::filesystem::path native;
  std::string name;  // CP932
  bool directory;
};

// A directory that cannot be read lists nothing, so its children count as missing. Symbolic
// links to directories are left out: following them could loop for ever.
std::vector<DiskEntry> listDirectory(const std::filesystem::path& folder) {
  std::vector<DiskEntry> entries;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code statError;
    bool link = it->is_symlink(statError);
    bool directory = it->is_directory(statError);
    if (link && directory) continue;
    entries.push_back({it->path(), Cp932::fromUtf8(it->path().filename().string()), directory});
  }
  std::sort(entries.begin(), entries.end(), [](const DiskEntry& a, const DiskEntry& b) { return a.native < b.native; });
  return entries;
}

std::shared_ptr<IZMLFactory> factoryOf(IZMLZelvoAPI* api) {
  std::shared_ptr<IZMLFactory> factory = api ? api->GetFactory() : nullptr;
  if (!factory) throw EZelvoError("material folder synchronisation needs the game's factory");
  return factory;
}

template <class T>
std::shared_ptr<T> made(std::shared_ptr<T> model) {
  if (!model) throw EZelvoError("the factory made no material");
  return model;
}

}  // namespace

bool TZelvoStylePackage::SyncWithFolder(const std::string& folder, const std::string& rootFolder, IZMLZelvoAPI* api,
                                        int32_t kind, int32_t& newCount, int32_t& missingCount) {
  return SyncWithNativeFolder(RequireNativePath(folder, "read folder"), folder, rootFolder, api, kind, newCount, missingCount);
}

bool TZelvoStylePackage::SyncWithNativeFolder(const std::filesystem::path& native, const std::string& folder,
                                              const std::string& rootFolder, IZMLZelvoAPI* api, int32_t kind,
                                              int32_t& newCount, int32_t& missingCount) {
  int32_t missing = children_.count();
  int32_t added = 0;
  for (const auto& child : children_.items()) child->SetMissingFlag(true);

  for (const DiskEntry& entry : listDirectory(native)) {
    std::string path = folder + entry.name;
    std::string relative = removeIgnoringCase(path, rootFolder);
    std::string subFolder = path + "\\";
    bool matched = false;
    // Children appended below are not matched again: each names a different entry.
    const size_t existing = children_.items().size();
    for (size_t i = 0; i < existing; ++i) {
      std::shared_ptr<IZelvoMaterialModel> child = children_.items()[i];
      if (relative != child->GetPath()) continue;
      matched = true;
      child->SetMissingFlag(false);
      --missing;
      if (!entry.directory) continue;
      // A plain material that names a directory is not descended into.
      if (auto own = std::dynamic_pointer_cast<TZelvoStylePackage>(child))
        own->SyncWithNativeFolder(entry.native, subFolder, rootFolder, api, kind, newCount, missingCount);
      else if (auto other = std::dynamic_pointer_cast<IZelvoMaterialPackage>(child))
        other->SyncWithFolder(subFolder, rootFolder, api, kind, newCount, missingCount);
    }
    if (matched || entry.name == "." || entry.name == ".." || entry.name == "CVS") continue;

    if (entry.directory) {
      std::shared_ptr<IZelvoMaterialPackage> created = made(factoryOf(api)->CreateStylePackage());
      created->SetName(entry.name.c_str());
      created->SetPath(relative.c_str());
      created->SetNewFlag(true);
      children_.add(created);
      if (auto own = std::dynamic_pointer_cast<TZelvoStylePackage>(created))
        own->SyncWithNativeFolder(entry.native, subFolder, rootFolder, api, kind, newCount, missingCount);
      else
        created->SyncWithFolder(subFolder, rootFolder, api, kind, newCount, missingCount);
    } else {
      std::shared_ptr<IZelvoMaterialModel> created = made(factoryOf(api)->CreateStyleModel(kind));
      created->SetName(withoutExtension(entry.name).c_str());
      created->SetPath(relative.c_str());
      created->SetNewFlag(true);
      children_.add(created);
    }
    ++added;
  }

  missingCount += missing;
  newCount += added;
  return missingCount != 0 || newCount != 0;
}

}  // namespace zelvo
