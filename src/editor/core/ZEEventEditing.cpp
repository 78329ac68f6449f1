#include "editor/core/ZEEventEditing.h"

#include <algorithm>

#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoOrderModel.h"
#include "platform/core/Cp932.h"

namespace zelvo {
namespace {

std::string sj(const char* utf8) { return Cp932::fromUtf8(utf8); }

constexpr int32_t kPreviewSize = 128;
constexpr size_t kActionNameLimit = 255;

// Whether a root order is the very object of one of the shared lists.
int32_t lastIndexOfObject(const IZelvoOrderModel& shared, const IZelvoOrderModel* order) {
  int32_t found = -1;
  for (int32_t i = 0; i < shared.GetChildCount(); ++i)
    if (shared.GetChild(i).get() == order) found = i;
  return found;
}

}  // namespace

bool ContainsObjectWord(const std::string& cp932) {
  static constexpr char kWord[] = "object";
  constexpr size_t n = sizeof kWord - 1;
  for (size_t i = 0; i < cp932.size();) {
    if (i + n <= cp932.size()) {
      bool match = true;
      for (size_t k = 0; k < n && match; ++k) {
        const auto c = static_cast<unsigned char>(cp932[i + k]);
        match = (c | 0x20) == static_cast<unsigned char>(kWord[k]) && !Cp932::isLeadByte(c);
      }
      if (match) return true;
    }
    i += Cp932::isLeadByte(static_cast<uint8_t>(cp932[i])) ? 2 : 1;
  }
  return false;
}

std::string Cp932Prefix(const std::string& cp932, size_t limit) {
  size_t end = 0;
  while (end < cp932.size()) {
    const size_t step = Cp932::isLeadByte(static_cast<uint8_t>(cp932[end])) ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return cp932.substr(0, std::min(end, cp932.size()));
}

void TZEEventEditing::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  Release();
  api_ = std::move(api);
}

bool TZEEventEditing::EditEvent(std::shared_ptr<IZelvoEventModel> source) {
  Release();
  if (!source || !api_) return false;
  workEvent_ = std::make_shared<TZelvoEventModel>(-1, api_.get());
  workEvent_->Assign(*source);
  sourceEvent_ = std::move(source);
  mode_ = Mode::Event;
  if (auto shared = sharedOrders()) {
    for (int32_t i = 0; i < shared->GetChildCount(); ++i) sharedBefore_.push_back(shared->GetChild(i));
    sharedSaved_ = true;
  }
  ShowAction(GetActionCount() > 0 ? 0 : -1);
  return true;
}

bool TZEEventEditing::EditSharedOrders(std::shared_ptr<IZelvoOrderModel> source) {
  Release();
  if (!source || !api_) return false;
  workOrder_ = std::make_shared<TZelvoOrderModel>(-1);
  workOrder_->Assign(*source);
  sourceOrder_ = std::move(source);
  mode_ = Mode::SharedOrders;
  return true;
}

std::string TZEEventEditing::GetName() const {
  if (workEvent_) return workEvent_->GetName();
  if (workOrder_) return workOrder_->GetName();
  return {};
}

void TZEEventEditing::SetName(const std::string& cp932) {
  if (workEvent_) workEvent_->SetName(cp932.c_str());
  if (workOrder_) workOrder_->SetName(cp932.c_str());
}

int32_t TZEEventEditing::GetActionCount() const { return workEvent_ ? workEvent_->GetCount() : 0; }

std::string TZEEventEditing::TabCaption(int32_t index) const {
  auto action = workEvent_ ? workEvent_->GetItem(index) : nullptr;
  std::string name = action ? action->GetName() : std::string();
  if (name.empty() || ContainsObjectWord(name)) return sj("アクション") + std::to_string(index + 1);
  return name;
}

bool TZEEventEditing::ShowAction(int32_t index) {
  auto action = workEvent_ ? workEvent_->GetItem(index) : nullptr;
  if (!action) {
    current_ = -1;
    return false;
  }
  current_ = index;
  auto factory = api_ ? api_->GetFactory() : nullptr;
  if (!action->GetOrder()) action->SetOrder(factory ? factory->CreateOrderModel(nullptr) : std::make_shared<TZelvoOrderModel>(-1));
  if (!action->GetCondition()) action->SetCondition(factory ? factory->CreateConditionModel() : std::make_shared<TZelvoConditionModel>(-1));
  return true;
}

std::shared_ptr<IZelvoActionModel> TZEEventEditing::CurrentAction() const {
  return workEvent_ ? workEvent_->GetItem(current_) : nullptr;
}

void TZEEventEditing::SetActionName(const std::string& cp932) {
  if (auto action = CurrentAction()) action->SetName(cp932.c_str());
}

int32_t TZEEventEditing::DAnimationComboIndex() const {
  auto action = CurrentAction();
  auto list = api_ ? api_->GetDAnimationList() : nullptr;
  if (!action || !list || !action->GetDAnimation()) return 0;
  return list->IndexOfID(action->GetDAnimation()->GetID()) + 1;
}

int32_t TZEEventEditing::CollisionComboIndex() const {
  auto action = CurrentAction();
  auto list = api_ ? api_->GetCollisionList() : nullptr;
  if (!action || !list || !action->GetCollision()) return 0;
  return list->IndexOfID(action->GetCollision()->GetID()) + 1;
}

bool TZEEventEditing::SetDAnimationComboIndex(int32_t comboIndex) {
  auto action = CurrentAction();
  auto list = api_ ? api_->GetDAnimationList() : nullptr;
  if (!action || comboIndex < 0 || comboIndex > (list ? list->GetCount() : 0)) return false;
  action->SetDAnimation(comboIndex == 0 ? nullptr : list->GetItem(comboIndex - 1));
  return true;
}

bool TZEEventEditing::SetCollisionComboIndex(int32_t comboIndex) {
  auto action = CurrentAction();
  auto list = api_ ? api_->GetCollisionList() : nullptr;
  if (!action || comboIndex < 0 || comboIndex > (list ? list->GetCount() : 0)) return false;
  action->SetCollision(comboIndex == 0 ? nullptr : list->GetItem(comboIndex - 1));
  return true;
}

void TZEEventEditing::SetMaterial(std::shared_ptr<IZelvoMaterialModel> material) {
  if (auto action = CurrentAction()) action->SetMaterial(std::move(material));
}

std::shared_ptr<IZelvoOrderModel> TZEEventEditing::sharedOrders() const {
  return api_ ? api_->GetSharedOrders() : nullptr;
}

std::shared_ptr<IZelvoOrderModel> TZEEventEditing::rootOrder() const {
  auto action = CurrentAction();
  return action ? action->GetOrder() : nullptr;
}

int32_t TZEEventEditing::SharedListIndex() const {
  auto shared = sharedOrders();
  auto root = rootOrder();
  return shared && root ? lastIndexOfObject(*shared, root.get()) : -1;
}

std::string TZEEventEditing::SharingLabel() const {
  const int32_t k = SharedListIndex();
  if (k < 0) return sj("この命令リストは共有されていません");
  return sj("命令リスト「") + sharedOrders()->GetChild(k)->GetName() + sj("」を共有中");
}

std::string TZEEventEditing::ShareButtonCaption() const {
  return IsShared() ? sj("共有解除(&S)") : sj("共有リストに入れる(&S)");
}

std::string TZEEventEditing::ShareName() const {
  auto action = CurrentAction();
  const std::string event = GetName();
  const std::string actionName = action ? action->GetName() : std::string();
  const bool eventObject = ContainsObjectWord(event);
  const bool actionObject = ContainsObjectWord(actionName);
  const std::string suffix = sj("の処理");
  if (eventObject && actionObject) return event + suffix;
  if (eventObject) return actionName + suffix;
  if (actionObject) return event + suffix;
  return Cp932Prefix(actionName, kActionNameLimit) + "@" + event + suffix;
}

bool TZEEventEditing::Share() {
  auto shared = sharedOrders();
  auto root = rootOrder();
  if (mode_ != Mode::Event || !shared || !root || IsShared()) return false;
  root->SetName(ShareName().c_str());
  shared->AddChild(root);
  return true;
}

bool TZEEventEditing::Unshare() {
  auto shared = sharedOrders();
  auto root = rootOrder();
  if (mode_ != Mode::Event || !shared || !root || !IsShared()) return false;
  shared->DeleteChildrenByID(root->GetID());
  return true;
}

bool TZEEventEditing::LinkDiscardsOrders() const {
  auto root = rootOrder();
  return root && root->GetChildCount() > 0 && !IsShared();
}

bool TZEEventEditing::LinkTo(const std::shared_ptr<IZelvoOrderModel>& sharedList) {
  auto shared = sharedOrders();
  auto action = CurrentAction();
  if (mode_ != Mode::Event || !action || !shared || !sharedList || shared->IndexOfChild(sharedList.get()) < 0)
    return false;
  action->SetOrder(sharedList);
  ShowAction(current_);
  return true;
}

int32_t TZEEventEditing::NewAction(int32_t selectedTab) {
  if (mode_ != Mode::Event || !api_ || !api_->GetFactory()) return -1;
  IZMLFactory& factory = *api_->GetFactory();
  auto action = factory.CreateActionModel();
  if (!action) return -1;
  int32_t at;
  if (workEvent_->GetCount() > 0) {
    if (auto model = CurrentAction()) {
      action->SetCollision(model->GetCollision());
      action->SetDAnimation(model->GetDAnimation());
      action->SetMaterial(model->GetMaterial());
    }
    at = std::clamp(selectedTab + 1, 0, workEvent_->GetCount());
    workEvent_->Insert(at, action);
  } else {
    auto collisions = api_->GetCollisionList();
    auto animations = api_->GetDAnimationList();
    auto materials = api_->GetMaterialRoot();
    action->SetCollision(collisions ? collisions->GetItem(0) : nullptr);
    action->SetDAnimation(animations ? animations->GetItem(0) : nullptr);
    action->SetMaterial(materials ? materials->GetItem(0) : nullptr);
    at = 0;
    workEvent_->Add(action);
  }
  action->SetOrder(factory.CreateOrderModel(nullptr));
  action->SetCondition(factory.CreateConditionModel());
  ShowAction(at);
  return at;
}

int32_t TZEEventEditing::DeleteAction(int32_t index) {
  if (mode_ != Mode::Event || index < 0 || index >= GetActionCount()) return -1;
  workEvent_->Delete(index);
  const int32_t next = GetActionCount() > 0 ? 0 : -1;
  ShowAction(next);
  return next;
}

bool TZEEventEditing::Commit() {
  if (sourceEvent_ && workEvent_) {
    sourceEvent_->Assign(*workEvent_);
    sharedBefore_.clear();
    sharedSaved_ = false;
    return true;
  }
  if (sourceOrder_ && workOrder_) {
    sourceOrder_->Assign(*workOrder_);
    return true;
  }
  return false;
}

void TZEEventEditing::Cancel() {
  auto shared = sharedOrders();
  if (sharedSaved_ && shared) {
    while (shared->GetChildCount() > 0) shared->DeleteChild(shared->GetChildCount() - 1);
    for (const auto& list : sharedBefore_) shared->AddChild(list);
  }
  Release();
}

void TZEEventEditing::Release() {
  sharedBefore_.clear();
  sharedSaved_ = false;
  mode_ = Mode::None;
  sourceEvent_.reset();
  workEvent_.reset();
  sourceOrder_.reset();
  workOrder_.reset();
  current_ = -1;
}

TZEEventEditing::Preview TZEEventEditing::DescribePreview(bool pictureExists) const {
  Preview p;
  auto action = CurrentAction();
  auto material = action ? action->GetMaterial() : nullptr;
  if (!material || !pictureExists) {
    p.message = "使用する絵が決まってません";
    return p;
  }
  auto animation = action->GetDAnimation();
  if (!animation) {
    p.message = "アニメ設定がありません";
    return p;
  }
  p.imagePath = material->GetPath();
  p.cellWidth = std::max(0, animation->GetWidth());
  p.cellHeight = std::max(0, animation->GetHeight());
  const int32_t row = std::max(0, animation->GetDirectionIndex(4));
  p.cellY = static_cast<int32_t>(std::min<int64_t>(int64_t{row} * p.cellHeight, INT32_MAX));
  p.destX = std::max(0, (kPreviewSize - p.cellWidth) / 2);
  p.destY = std::max(0, (kPreviewSize - p.cellHeight) / 2);
  return p;
}

}  // namespace zelvo
