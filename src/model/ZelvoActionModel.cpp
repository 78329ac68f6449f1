#include "model/ZelvoActionModel.h"

#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoConditionModelList.h"
#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoActionModel::TZelvoActionModel(int32_t id, IZMLZelvoAPI* api) : TZelvoCollisionableModel(id), api_(api) {}

void TZelvoActionModel::SetOrder(IZelvoOrderModelPtr order) {
  if (order) orderID_ = order->GetID();
  order_ = std::move(order);
}

void TZelvoActionModel::SetCondition(IZelvoConditionModelPtr condition) {
  if (condition) conditionID_ = condition->GetID();
  condition_ = std::move(condition);
}

IZelvoOrderModelPtr TZelvoActionModel::sharedOrder(int32_t id) const {
  IZelvoOrderModelPtr shared = api_ ? api_->GetSharedOrders() : nullptr;
  return shared ? shared->GetChildByID(id) : nullptr;
}

IZelvoConditionModelPtr TZelvoActionModel::sharedCondition(int32_t id) const {
  std::shared_ptr<IZelvoConditionModelList> list = api_ ? api_->GetConditionList() : nullptr;
  IZelvoConditionModelPtr found = list ? list->FindByID(id) : nullptr;
  return ActionRecordForm::ConditionIsReference(id, found != nullptr) ? found : nullptr;
}

void TZelvoActionModel::ResolveRefs() {
  TZelvoCollisionableModel::ResolveRefs(api_);
  if (IZelvoOrderModelPtr shared = sharedOrder(orderID_)) order_ = shared;
  if (IZelvoConditionModelPtr shared = sharedCondition(conditionID_)) condition_ = shared;
}

void TZelvoActionModel::SaveToStream(IZStream& stream) {
  TZelvoCollisionableModel::SaveToStream(stream);
  if (order_) orderID_ = order_->GetID();
  if (condition_) conditionID_ = condition_->GetID();
  const bool orderInline = ActionRecordForm::OrderInline(kVersion, orderID_, sharedOrder(orderID_) != nullptr);
  const bool conditionInline =
      ActionRecordForm::ConditionInline(kVersion, conditionID_, sharedCondition(conditionID_) != nullptr);
  BinaryWriter w(stream);
  w.writeInt32(kVersion);
  // Without an order there is nothing to write inline, so the record must not promise one.
  w.writeInt32(orderInline && !order_ ? 0 : orderID_);
  w.writeInt32(conditionID_);
  if (orderInline && order_) order_->SaveToStream(stream);
  if (conditionInline) {
    if (condition_)
      condition_->SaveToStream(stream);
    else
      TZelvoConditionModel().SaveToStream(stream);
  }
}

// An inline order record begins with the order's own ID, which the writer has just stored as
// OrderID. When the next four bytes are not that ID, the order was stored by reference to a
// shared order that no longer exists, and the bytes belong to what follows.
IZelvoOrderModelPtr TZelvoActionModel::readInlineOrder(IZStream& stream, int32_t orderID) const {
  BinaryReader r(stream);
  if (r.remaining() < 4) return nullptr;
  const int64_t start = r.position();
  const int32_t next = r.readInt32();
  stream.Seek(static_cast<int32_t>(start));
  if (next != orderID) return nullptr;
  auto order = std::make_shared<TZelvoOrderModel>(-1);
  order->LoadFromStream(stream);
  return order;
}

void TZelvoActionModel::LoadFromStream(IZStream& stream) {
  Record record = ReadRecord(stream);
  BinaryReader r(stream);
  const int32_t version = r.readInt32();
  const int32_t orderID = r.readInt32();
  const int32_t conditionID = r.readInt32();

  IZelvoOrderModelPtr order = sharedOrder(orderID);
  if (!order && ActionRecordForm::OrderInline(version, orderID, false)) order = readInlineOrder(stream, orderID);
  IZelvoConditionModelPtr condition = sharedCondition(conditionID);
  if (!condition && ActionRecordForm::ConditionInline(version, conditionID, false)) {
    auto read = std::make_shared<TZelvoConditionModel>(-1);
    read->LoadFromStream(stream);
    condition = read;
  }
  if (!order) order = std::make_shared<TZelvoOrderModel>(-1);
  if (!condition) condition = std::make_shared<TZelvoConditionModel>(-1);

  CommitRecord(std::move(record));
  orderID_ = orderID;
  conditionID_ = conditionID;
  order_ = std::move(order);
  condition_ = std::move(condition);
  TZelvoCollisionableModel::ResolveRefs(api_);
}

}  // namespace zelvo
