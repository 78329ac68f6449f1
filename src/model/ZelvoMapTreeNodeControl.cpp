#include "model/ZelvoMapTreeNodeControl.h"

#include <algorithm>
#include <limits>

#include "model/RecordDepth.h"
#include "model/ZDigestStream.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {
namespace {

// A child record holds at least its base record, a map record's base record, the data size
// and the child count.
constexpr int64_t kMinNodeRecordBytes = 2 * kMinBaseRecordBytes + 8;

int32_t saturate(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

TZelvoMapTreeNodeControl::TZelvoMapTreeNodeControl(int32_t id, IZMLZelvoAPI* api) : TZelvoModel(id), api_(api) {}

TZelvoMapTreeNodeControl::~TZelvoMapTreeNodeControl() {
  // A child that outlives this node must not point back at it.
  for (auto& child : children_.items())
    if (child && child->GetParent() == this) child->SetParent(nullptr);
}

std::shared_ptr<IZelvoMapModel> TZelvoMapTreeNodeControl::GetMap() {
  if (!map_) {
    IZelvoMapTreeNodeControl* top = GetRoot();
    if (top->IsOnDiskOnly()) top->LoadMapFile();
  }
  return map_;
}

void TZelvoMapTreeNodeControl::SetTree(IZelvoMapTreeControl* mapTree) {
  tree_ = mapTree;
  if (map_) map_->SetMapTree(mapTree);
  for (auto& child : children_.items()) child->SetTree(mapTree);
}

bool TZelvoMapTreeNodeControl::IsModified() const {
  if (modified_) return true;
  for (const auto& child : children_.items())
    if (child->IsModified()) return true;
  return false;
}

IZelvoMapTreeNodeControl* TZelvoMapTreeNodeControl::GetRoot() {
  IZelvoMapTreeNodeControl* node = this;
  // A parent chain is never longer than the number of nodes; the bound guards a cycle that a
  // caller's SetParent could make.
  for (int guard = 0; node->GetParent() && guard < 1 << 20; ++guard) node = node->GetParent();
  return node;
}

void TZelvoMapTreeNodeControl::PrepareChange() {
  IZelvoMapTreeNodeControl* top = GetRoot();
  if (top->IsOnDiskOnly()) top->LoadMapFile();
  modified_ = true;
}

void TZelvoMapTreeNodeControl::AttachChild(const std::shared_ptr<IZelvoMapTreeNodeControl>& node, bool linkParent) {
  // A node placed inside itself would make every walk over the tree endless.
  for (IZelvoMapTreeNodeControl* up = this; up; up = up->GetParent())
    if (up == node.get()) throw EZelvoError("a map cannot be placed inside itself");
  // A top-level node moved below another brings its maps along: they must be read from its
  // own file now, before that file stops being its home.
  if (node->IsOnDiskOnly()) node->LoadMapFile();
  if (auto* n = dynamic_cast<TZelvoMapTreeNodeControl*>(node.get())) n->onDiskOnly_ = false;
  node->SetParent(linkParent ? this : nullptr);
  node->SetTree(tree_);
}

void TZelvoMapTreeNodeControl::AddChild(std::shared_ptr<IZelvoMapTreeNodeControl> node) {
  if (!node) return;
  for (IZelvoMapTreeNodeControl* up = this; up; up = up->GetParent())
    if (up == node.get()) throw EZelvoError("a map cannot be placed inside itself");
  PrepareChange();
  AttachChild(node, true);
  children_.add(std::move(node));
}

void TZelvoMapTreeNodeControl::AddTopLevelNode(std::shared_ptr<IZelvoMapTreeNodeControl> node) {
  if (!node) return;
  node->SetParent(nullptr);
  node->SetTree(tree_);
  children_.add(std::move(node));
}

void TZelvoMapTreeNodeControl::InsertChild(int32_t index, std::shared_ptr<IZelvoMapTreeNodeControl> node) {
  if (!node) return;
  if (index < 0 || index > children_.count()) throw EIndexError("map tree child", index, children_.count());
  PrepareChange();
  // The caller links the parent itself; keep the one it had.
  IZelvoMapTreeNodeControl* parent = node->GetParent();
  AttachChild(node, false);
  node->SetParent(parent);
  children_.insertUpToCount(index, std::move(node));
}

void TZelvoMapTreeNodeControl::RemoveChild(int32_t id) {
  int32_t index = children_.indexOfID(id);
  if (index < 0) return;
  PrepareChange();
  auto child = children_.at(index);
  children_.erase(index);
  if (child->GetParent() == this) child->SetParent(nullptr);
}

void TZelvoMapTreeNodeControl::ExchangeChildren(int32_t i, int32_t j) {
  if (i >= children_.count() || j >= children_.count()) return;
  PrepareChange();
  children_.exchange(i, j, "map tree child");
}

void TZelvoMapTreeNodeControl::VisitChildren(int32_t value) {
  for (auto& child : children_.items()) child->VisitChildren(value);
}

void TZelvoMapTreeNodeControl::ClearChildren() {
  if (children_.count() == 0) return;
  PrepareChange();
  for (auto& child : children_.items())
    if (child->GetParent() == this) child->SetParent(nullptr);
  children_.clear();
}

int32_t TZelvoMapTreeNodeControl::GetDataSize() {
  // A size read from the file already covers the subtree: adding the children's would count
  // their maps twice.
  if (!map_ && fromFile_) return dataSize_;
  int64_t sum = map_ ? map_->GetDataSize() : dataSize_;
  for (auto& child : children_.items()) sum += child->GetDataSize();
  return saturate(sum);
}

int32_t TZelvoMapTreeNodeControl::GetTotalDataSize() {
  int64_t sum = map_ ? map_->GetDataSize() : 0;
  for (auto& child : children_.items()) sum += child->GetTotalDataSize();
  return saturate(sum);
}

std::shared_ptr<IZelvoMapModel> TZelvoMapTreeNodeControl::GetNodeMap(int32_t id) {
  auto node = FindNode(id);
  return node ? node->GetMap() : nullptr;
}

std::shared_ptr<IZelvoMapTreeNodeControl> TZelvoMapTreeNodeControl::FindNode(int32_t id) const {
  for (const auto& child : children_.items()) {
    if (child->GetID() == id) return child;
    if (auto found = child->FindNode(id)) return found;
  }
  return nullptr;
}

std::string TZelvoMapTreeNodeControl::FilePath() const {
  std::string folder = tree_ ? tree_->GetMapsFolder() : std::string();
  // A tree that was never loaded or saved reads from the open game's Maps folder.
  if (folder.empty()) folder = GamePathPrefix() + "Maps\\";
  return folder + std::to_string(GetID()) + ".map";
}

void TZelvoMapTreeNodeControl::LoadMapFile() {
  if (parent_) {
    IZelvoMapTreeNodeControl* top = GetRoot();
    if (top != this) top->LoadMapFile();
    return;
  }
  if (!onDiskOnly_) return;
  // The cells are read in blocks straight from the file, never held twice.
  TZStream stream(FilePath(), TZStream::ReadFile);
  LoadFromStream(stream);
  readDigest_ = CurrentDigest();
}

uint64_t TZelvoMapTreeNodeControl::CurrentDigest() {
  TZDigestStream digest;
  SaveToStream(digest);
  return digest.Digest();
}

bool TZelvoMapTreeNodeControl::ChangedSinceRead() {
  if (parent_) {
    IZelvoMapTreeNodeControl* top = GetRoot();
    return top != this && top->ChangedSinceRead();
  }
  if (!map_) return false;
  return !readDigest_ || CurrentDigest() != *readDigest_;
}

void TZelvoMapTreeNodeControl::NewMap() {
  map_ = std::make_shared<TZelvoMapModel>(0, api_);
  map_->SetMapTree(tree_);
}

void TZelvoMapTreeNodeControl::UnloadMap() {
  map_.reset();
  readDigest_.reset();
  modified_ = false;
  for (auto& child : children_.items()) child->UnloadMap();
  fromFile_ = true;
  // Only a top-level node has a file to come back from; the tree's root has none.
  onDiskOnly_ = parent_ == nullptr && !(tree_ && tree_->GetRootNode().get() == this);
}

void TZelvoMapTreeNodeControl::SaveToStream(IZStream& stream) {
  if (!map_) {
    IZelvoMapTreeNodeControl* top = GetRoot();
    if (top->IsOnDiskOnly()) top->LoadMapFile();
  }
  if (!map_) NewMap();
  TZelvoModel::SaveToStream(stream);
  map_->SaveToStream(stream);
  dataSize_ = GetDataSize();
  BinaryWriter w(stream);
  w.writeInt32(dataSize_);
  w.writeInt32(children_.count());
  for (auto& child : children_.items()) child->SaveToStream(stream);
}

void TZelvoMapTreeNodeControl::ReadRecord(IZStream& stream, bool full) {
  BinaryReader r(stream);
  RecordDepthGuard depth(r);
  TBaseRecord base = ReadBaseRecord(r);
  auto map = std::make_shared<TZelvoMapModel>(0, api_);
  map->SetMapTree(tree_);
  if (full)
    map->LoadFromStream(stream);
  else
    map->LoadSkippingFloors(stream);
  dataSize_ = r.readInt32();
  int32_t n = r.readCount(kMinNodeRecordBytes);
  for (int32_t i = 0; i < n; ++i) {
    auto child = std::make_shared<TZelvoMapTreeNodeControl>(0, api_);
    child->parent_ = this;
    child->tree_ = tree_;
    child->ReadRecord(stream, full);
    children_.add(child);
  }
  CommitBase(std::move(base));
  if (full) map_ = std::move(map);
  fromFile_ = true;
}

void TZelvoMapTreeNodeControl::Adopt(TZelvoMapTreeNodeControl& fresh, bool full) {
  SetID(fresh.GetID());
  SetNameBytes(fresh.GetNameBytes());
  map_ = fresh.map_;
  dataSize_ = fresh.dataSize_;
  fromFile_ = true;
  modified_ = false;
  if (full && children_.count() == fresh.children_.count()) {
    for (int32_t i = 0; i < children_.count(); ++i) {
      auto* mine = dynamic_cast<TZelvoMapTreeNodeControl*>(children_.at(i).get());
      auto* theirs = dynamic_cast<TZelvoMapTreeNodeControl*>(fresh.children_.at(i).get());
      if (mine && theirs) {
        mine->Adopt(*theirs, full);
        continue;
      }
      children_.items()[size_t(i)] = fresh.children_.at(i);
      children_.items()[size_t(i)]->SetParent(this);
    }
    return;
  }
  for (auto& child : children_.items())
    if (child->GetParent() == this) child->SetParent(nullptr);
  children_.items() = std::move(fresh.children_.items());
  fresh.children_.clear();
  for (auto& child : children_.items()) child->SetParent(this);
}

void TZelvoMapTreeNodeControl::LoadFromStream(IZStream& stream) {
  TZelvoMapTreeNodeControl fresh(GetID(), api_);
  fresh.tree_ = tree_;
  fresh.ReadRecord(stream, true);
  Adopt(fresh, true);
  if (!parent_) onDiskOnly_ = false;
}

void TZelvoMapTreeNodeControl::LoadTreeFromStream(IZStream& stream) {
  TZelvoMapTreeNodeControl fresh(GetID(), api_);
  fresh.tree_ = tree_;
  fresh.ReadRecord(stream, false);
  Adopt(fresh, false);
  map_.reset();
  readDigest_.reset();
  if (!parent_) onDiskOnly_ = true;
}

}  // namespace zelvo
