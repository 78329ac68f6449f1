#pragma once
// One order (event command): a type code, the typed parameters of every type, a text and an
// ordered list of child orders. Orders form trees; the player runs a tree in pre-order.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ZelvoModel.h"

namespace zelvo {

class BinaryWriter;

// The type codes any part produces or executes.
namespace OrderType {
inline constexpr int32_t GameEnd = 1;
inline constexpr int32_t ShowText = 2;
inline constexpr int32_t SwitchOn = 1010;
inline constexpr int32_t SwitchOff = 1011;
inline constexpr int32_t SetVariable = 1012;
inline constexpr int32_t MoveToPlace = 4000;
inline constexpr int32_t FadeIn = 5100;
inline constexpr int32_t FadeOut = 5101;
inline constexpr int32_t NewOrder = 150000;
}  // namespace OrderType

class IZelvoOrderModel;
using IZelvoOrderModelPtr = std::shared_ptr<IZelvoOrderModel>;

class IZelvoOrderModel : public virtual IZelvoModel {
 public:
  virtual int32_t GetType() const = 0;
  // The code only; the other types' fields keep their values but are not saved.
  virtual void SetType(int32_t value) = 0;
  // A deep copy of Source, the IDs of this order and of every child included.
  virtual void Assign(IZelvoModel& source) = 0;
  // The same, keeping this order's own ID (the children keep Source's children's IDs).
  virtual void AssignKeepID(IZelvoModel& source) = 0;

  virtual void ClearChildren() = 0;
  virtual int32_t GetChildCount() const = 0;
  // Appends; the child's parent is not changed.
  virtual void AddChild(IZelvoOrderModelPtr child) = 0;
  // Index = count appends, 0 <= Index < count inserts before Index, anything else does nothing;
  // the child's parent is not changed.
  virtual void InsertChild(int32_t index, IZelvoOrderModelPtr child) = 0;
  // Nothing outside 0..count-1.
  virtual void DeleteChild(int32_t index) = 0;
  virtual void DeleteChildrenByID(int32_t id) = 0;
  // nullptr outside 0..count-1.
  virtual IZelvoOrderModelPtr GetChild(int32_t index) const = 0;
  // The first child with that ID; nullptr if none.
  virtual IZelvoOrderModelPtr GetChildByID(int32_t id) const = 0;
  // -1 if none.
  virtual int32_t IndexOfChildID(int32_t id) const = 0;
  // The position of this very child object (not of an equal ID); -1 if it is not listed.
  virtual int32_t IndexOfChild(const IZelvoOrderModel* child) const = 0;

  // nullptr for a root, and for an order whose parent no longer exists.
  virtual IZelvoOrderModelPtr GetParent() const = 0;
  // The pre-order successor within the root's tree; nullptr when the tree is done. Siblings are
  // found by position, so children that repeat an ID are each visited once.
  virtual IZelvoOrderModelPtr GetNext() const = 0;
  // Sets the back reference only (held weakly); no list is changed.
  virtual void SetParent(const IZelvoOrderModelPtr& parent) = 0;

  // Copies Text with its NUL; nullptr gives the empty text.
  virtual void SetText(const char* text) = 0;
  virtual const char* GetText() const = 0;
  // The stored text array exactly as saved (a loaded one may lack its NUL or hold more).
  virtual const std::string& GetTextBytes() const = 0;
  virtual void SetTextBytes(std::string bytes) = 0;

  virtual void SetFadeColor(int32_t value) = 0;
  virtual int32_t GetFadeColor() const = 0;
  virtual void SetFadeSteps(int32_t value) = 0;
  virtual int32_t GetFadeSteps() const = 0;
  virtual int32_t GetNumber() const = 0;
  virtual int32_t GetValue() const = 0;
  virtual void SetNumber(int32_t value) = 0;
  virtual void SetValue(int32_t value) = 0;
  virtual void SetMapID(int32_t value) = 0;
  virtual int32_t GetMapID() const = 0;
  virtual void SetX(int32_t value) = 0;
  virtual int32_t GetX() const = 0;
  virtual void SetY(int32_t value) = 0;
  virtual int32_t GetY() const = 0;
  virtual void SetFloorID(int32_t value) = 0;
  virtual int32_t GetFloorID() const = 0;
  virtual void SetExtraParam(int32_t value) = 0;
  virtual int32_t GetExtraParam() const = 0;
};

class TZelvoOrderModel : public TZelvoModel,
                         public virtual IZelvoOrderModel,
                         public std::enable_shared_from_this<TZelvoOrderModel> {
 public:
  // A root order: type 150000, named "新規処理", empty text, every other field 0.
  explicit TZelvoOrderModel(int32_t id);
  // The same with Parent as its parent; a non-null Parent gets it appended through AddChild.
  static std::shared_ptr<TZelvoOrderModel> CreateChild(int32_t id, const IZelvoOrderModelPtr& parent);

 private:
  struct ReadTag {};

 public:
  // A child about to be read: its record sets every field the default one would.
  explicit TZelvoOrderModel(ReadTag);

  void SaveToStream(IZStream& stream) override;
  // Replaces the whole subtree; the children read point back to this order when it is held by a
  // shared_ptr. Nesting is limited and every count is checked against the bytes left; a short
  // or corrupt record throws EFormatError and leaves the order as it was.
  void LoadFromStream(IZStream& stream) override;

  int32_t GetType() const override { return p_.type; }
  void SetType(int32_t value) override { p_.type = value; }
  void Assign(IZelvoModel& source) override { AssignModel(*this, source); }
  void AssignKeepID(IZelvoModel& source) override { AssignModelKeepID(*this, source); }

  void ClearChildren() override { children_.clear(); }
  int32_t GetChildCount() const override { return static_cast<int32_t>(children_.size()); }
  void AddChild(IZelvoOrderModelPtr child) override;
  void InsertChild(int32_t index, IZelvoOrderModelPtr child) override;
  void DeleteChild(int32_t index) override;
  void DeleteChildrenByID(int32_t id) override;
  IZelvoOrderModelPtr GetChild(int32_t index) const override;
  IZelvoOrderModelPtr GetChildByID(int32_t id) const override;
  int32_t IndexOfChildID(int32_t id) const override;
  int32_t IndexOfChild(const IZelvoOrderModel* child) const override;

  IZelvoOrderModelPtr GetParent() const override { return parent_.lock(); }
  IZelvoOrderModelPtr GetNext() const override;
  void SetParent(const IZelvoOrderModelPtr& parent) override { parent_ = parent; }

  void SetText(const char* text) override;
  const char* GetText() const override { return p_.text.c_str(); }
  const std::string& GetTextBytes() const override { return p_.text; }
  void SetTextBytes(std::string bytes) override { p_.text = std::move(bytes); }

  void SetFadeColor(int32_t value) override { p_.fadeColor = value; }
  int32_t GetFadeColor() const override { return p_.fadeColor; }
  void SetFadeSteps(int32_t value) override { p_.fadeSteps = value; }
  int32_t GetFadeSteps() const override { return p_.fadeSteps; }
  int32_t GetNumber() const override { return p_.number; }
  int32_t GetValue() const override { return p_.value; }
  void SetNumber(int32_t value) override { p_.number = value; }
  void SetValue(int32_t value) override { p_.value = value; }
  void SetMapID(int32_t value) override { p_.mapID = value; }
  int32_t GetMapID() const override { return p_.mapID; }
  void SetX(int32_t value) override { p_.x = value; }
  int32_t GetX() const override { return p_.x; }
  void SetY(int32_t value) override { p_.y = value; }
  int32_t GetY() const override { return p_.y; }
  void SetFloorID(int32_t value) override { p_.floorID = value; }
  int32_t GetFloorID() const override { return p_.floorID; }
  void SetExtraParam(int32_t value) override { p_.extraParam = value; }
  int32_t GetExtraParam() const override { return p_.extraParam; }

  // "新規処理" in CP932.
  static constexpr const char* kDefaultName = "\x90\x56\x8B\x4B\x8F\x88\x97\x9D";
  // Base record, type and child count.
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 8;

 private:
  struct Params {
    int32_t type = OrderType::NewOrder;
    int32_t number = 0, value = 0, fadeColor = 0, fadeSteps = 0;
    int32_t mapID = 0, x = 0, y = 0, floorID = 0, extraParam = 0;
    std::string text{'\0'};
  };
  void saveParams(BinaryWriter& w) const;
  static void loadParams(BinaryReader& r, Params& p);
  // Reads the record straight into this fresh order, its children likewise.
  void readFresh(BinaryReader& r);
  // Count child orders read fresh, each with this order as its parent.
  std::vector<IZelvoOrderModelPtr> readChildren(BinaryReader& r, int32_t count);

  std::vector<IZelvoOrderModelPtr> children_;
  std::weak_ptr<IZelvoOrderModel> parent_;
  Params p_;
};

}  // namespace zelvo
