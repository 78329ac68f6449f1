#include "model/ZelvoOrderModel.h"

#include <algorithm>
#include <cstring>

#include "model/RecordArena.h"
#include "model/RecordDepth.h"
#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoOrderModel::TZelvoOrderModel(int32_t id) : TZelvoModel(id, kDefaultName) {}

TZelvoOrderModel::TZelvoOrderModel(ReadTag) : TZelvoModel(-1, "") {}

std::shared_ptr<TZelvoOrderModel> TZelvoOrderModel::CreateChild(int32_t id, const IZelvoOrderModelPtr& parent) {
  auto order = std::make_shared<TZelvoOrderModel>(id);
  order->parent_ = parent;
  if (parent) parent->AddChild(order);
  return order;
}

void TZelvoOrderModel::saveParams(BinaryWriter& w) const {
  w.writeInt32(p_.type);
  switch (p_.type) {
    case OrderType::ShowText:
      w.writeInt32(static_cast<int32_t>(p_.text.size()));
      w.writeString(p_.text);
      break;
    case OrderType::SwitchOn:
    case OrderType::SwitchOff:
    case OrderType::SetVariable:
      w.writeInt32(p_.number);
      w.writeInt32(p_.value);
      break;
    case OrderType::MoveToPlace:
      w.writeInt32(p_.mapID);
      w.writeInt32(p_.x);
      w.writeInt32(p_.y);
      w.writeInt32(p_.floorID);
      w.writeInt32(0);  // the fifth place is always written as 0
      break;
    case OrderType::FadeIn:
    case OrderType::FadeOut:
      w.writeInt32(p_.fadeSteps);
      w.writeInt32(p_.fadeColor);
      break;
    default:
      break;
  }
}

void TZelvoOrderModel::loadParams(BinaryReader& r, Params& p) {
  p.type = r.readInt32();
  switch (p.type) {
    case OrderType::ShowText: {
      // Straight into the order's own text: the length was checked against what is left.
      const int32_t length = r.readLength();
      p.text.resize(static_cast<size_t>(length));
      r.readBytes(p.text.data(), length);
      break;
    }
    case OrderType::SwitchOn:
    case OrderType::SwitchOff:
    case OrderType::SetVariable:
      p.number = r.readInt32();
      p.value = r.readInt32();
      break;
    case OrderType::MoveToPlace:
      p.mapID = r.readInt32();
      p.x = r.readInt32();
      p.y = r.readInt32();
      p.floorID = r.readInt32();
      p.extraParam = r.readInt32();
      break;
    case OrderType::FadeIn:
    case OrderType::FadeOut:
      p.fadeSteps = r.readInt32();
      p.fadeColor = r.readInt32();
      break;
    default:
      break;
  }
}

void TZelvoOrderModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  saveParams(w);
  w.writeInt32(GetChildCount());
  for (const IZelvoOrderModelPtr& child : children_) child->SaveToStream(stream);
}

// Children are read straight into fresh orders: a record that fails drops them whole, and the
// order LoadFromStream was called on commits nothing until everything read.
void TZelvoOrderModel::readFresh(BinaryReader& r) {
  RecordDepthGuard depth(r);
  CommitBase(ReadBaseRecord(r));
  loadParams(r, p_);
  int32_t count = r.readCount(kMinRecordBytes);
  // Most orders have no children: no reference to this one is taken for them.
  if (count > 0) children_ = readChildren(r, count);
}

std::vector<IZelvoOrderModelPtr> TZelvoOrderModel::readChildren(BinaryReader& r, int32_t count) {
  std::vector<IZelvoOrderModelPtr> children;
  children.reserve(static_cast<size_t>(count));
  // Converted to the interface once: a weak reference converted to a virtual base locks the
  // order each time.
  const std::weak_ptr<IZelvoOrderModel> self = weak_from_this();
  for (int32_t i = 0; i < count; ++i) {
    auto child = MakeRead<TZelvoOrderModel>(r.stream().Identity(), ReadTag{});
    child->parent_ = self;
    child->readFresh(r);
    children.push_back(std::move(child));
  }
  return children;
}

void TZelvoOrderModel::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  RecordDepthGuard depth(r);
  TBaseRecord base = ReadBaseRecord(r);
  Params p = p_;
  loadParams(r, p);
  std::vector<IZelvoOrderModelPtr> children = readChildren(r, r.readCount(kMinRecordBytes));
  CommitBase(std::move(base));
  p_ = std::move(p);
  children_ = std::move(children);
}

void TZelvoOrderModel::AddChild(IZelvoOrderModelPtr child) { children_.push_back(std::move(child)); }

void TZelvoOrderModel::InsertChild(int32_t index, IZelvoOrderModelPtr child) {
  if (index >= 0 && index <= GetChildCount()) children_.insert(children_.begin() + index, std::move(child));
}

void TZelvoOrderModel::DeleteChild(int32_t index) {
  if (index >= 0 && index < GetChildCount()) children_.erase(children_.begin() + index);
}

void TZelvoOrderModel::DeleteChildrenByID(int32_t id) {
  std::erase_if(children_, [id](const IZelvoOrderModelPtr& c) { return c && c->GetID() == id; });
}

IZelvoOrderModelPtr TZelvoOrderModel::GetChild(int32_t index) const {
  return index >= 0 && index < GetChildCount() ? children_[static_cast<size_t>(index)] : nullptr;
}

IZelvoOrderModelPtr TZelvoOrderModel::GetChildByID(int32_t id) const { return GetChild(IndexOfChildID(id)); }

int32_t TZelvoOrderModel::IndexOfChildID(int32_t id) const {
  for (size_t i = 0; i < children_.size(); ++i)
    if (children_[i] && children_[i]->GetID() == id) return static_cast<int32_t>(i);
  return -1;
}

int32_t TZelvoOrderModel::IndexOfChild(const IZelvoOrderModel* child) const {
  for (size_t i = 0; i < children_.size(); ++i)
    if (children_[i].get() == child) return static_cast<int32_t>(i);
  return -1;
}

namespace {
// The last place the very object holds among its parent's children, so that a child listed
// twice cannot send the walk back to its first place.
int32_t lastPlaceOf(const IZelvoOrderModel& parent, const IZelvoOrderModel* child) {
  for (int32_t i = parent.GetChildCount(); i-- > 0;)
    if (parent.GetChild(i).get() == child) return i;
  return -1;
}
}  // namespace

IZelvoOrderModelPtr TZelvoOrderModel::GetNext() const {
  if (!children_.empty()) return children_.front();
  const IZelvoOrderModel* current = this;
  IZelvoOrderModelPtr holder;
  for (IZelvoOrderModelPtr parent = GetParent(); parent; parent = parent->GetParent()) {
    // An order its parent does not list has no siblings to go on with.
    int32_t place = lastPlaceOf(*parent, current);
    if (place >= 0)
      if (IZelvoOrderModelPtr next = parent->GetChild(place + 1)) return next;
    holder = parent;
    current = holder.get();
  }
  return nullptr;
}

void TZelvoOrderModel::SetText(const char* text) {
  if (text)
    p_.text.assign(text, std::strlen(text) + 1);
  else
    p_.text.assign(1, '\0');
}

}  // namespace zelvo
