#pragma once
// An action: one page of an event. Its figure comes from the collisionable base; it runs the
// children of its root order when its condition holds.

#include <cstdint>
#include <memory>

#include "model/ZelvoCollisionableModel.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoOrderModel.h"

namespace zelvo {

class IZMLZelvoAPI;

class IZelvoActionModel : public virtual IZelvoCollisionableModel {
 public:
  virtual IZelvoOrderModelPtr GetOrder() const = 0;
  // A non-null order also becomes OrderID; nullptr leaves OrderID.
  virtual void SetOrder(IZelvoOrderModelPtr order) = 0;
  virtual int32_t GetOrderID() const = 0;
  virtual IZelvoConditionModelPtr GetCondition() const = 0;
  // The same rule as SetOrder, for the condition and ConditionID.
  virtual void SetCondition(IZelvoConditionModelPtr condition) = 0;
  virtual int32_t GetConditionID() const = 0;
  using IZelvoCollisionableModel::ResolveRefs;
  // Resolves the figure's references and the shared order and condition through the action's
  // own data set. A shared order or condition found replaces the reference; an order or
  // condition of the action's own (not shared) is kept.
  virtual void ResolveRefs() = 0;
};

using IZelvoActionModelPtr = std::shared_ptr<IZelvoActionModel>;

// How the action record holds its order and condition: by reference (only the ID) or inline
// (the ID, then the whole record). The writer and the reader both decide with these, so every
// record written reads back the same.
namespace ActionRecordForm {
// The ID 0 names no order, so an order is only ever inline under another ID.
inline bool OrderInline(int32_t version, int32_t orderID, bool sharedHasOrder) {
  return version >= 33 && orderID != 0 && !sharedHasOrder;
}
// Conditions keep no identity across a save (their ID is 0, or -1 when just read), so 0 and -1
// never refer to a shared condition.
inline bool ConditionIsReference(int32_t conditionID, bool listHasCondition) {
  return conditionID != 0 && conditionID != -1 && listHasCondition;
}
inline bool ConditionInline(int32_t version, int32_t conditionID, bool listHasCondition) {
  return version >= 33 && !ConditionIsReference(conditionID, listHasCondition);
}
}  // namespace ActionRecordForm

class TZelvoActionModel : public TZelvoCollisionableModel, public virtual IZelvoActionModel {
 public:
  // api may be null (nothing shared to refer to); it is not owned.
  TZelvoActionModel(int32_t id, IZMLZelvoAPI* api);

  // The collisionable record, the version 33, OrderID and ConditionID, then the order's record
  // unless it is a child of the shared orders and the condition's record unless it is shared.
  void SaveToStream(IZStream& stream) override;
  // Reads the record written above or any older form, ending with an order and a condition
  // either way. Nothing is drawn from the game's counter: parts rebuilt here have the ID -1
  // until their record sets it. A short or corrupt record throws EFormatError and leaves the
  // action as it was.
  void LoadFromStream(IZStream& stream) override;

  IZelvoOrderModelPtr GetOrder() const override { return order_; }
  void SetOrder(IZelvoOrderModelPtr order) override;
  int32_t GetOrderID() const override { return orderID_; }
  IZelvoConditionModelPtr GetCondition() const override { return condition_; }
  void SetCondition(IZelvoConditionModelPtr condition) override;
  int32_t GetConditionID() const override { return conditionID_; }
  using TZelvoCollisionableModel::ResolveRefs;
  void ResolveRefs() override;

  IZMLZelvoAPI* GetAPI() const { return api_; }

  static constexpr int32_t kVersion = 33;
  // The collisionable record, the version and the two IDs.
  static constexpr int64_t kMinRecordBytes = TZelvoCollisionableModel::kMinRecordBytes + 12;

 private:
  IZelvoOrderModelPtr sharedOrder(int32_t id) const;
  IZelvoConditionModelPtr sharedCondition(int32_t id) const;
  IZelvoOrderModelPtr readInlineOrder(IZStream& stream, int32_t orderID) const;

  int32_t orderID_ = 0;
  int32_t conditionID_ = 0;
  IZelvoOrderModelPtr order_;
  IZMLZelvoAPI* api_;
  IZelvoConditionModelPtr condition_;
};

}  // namespace zelvo
