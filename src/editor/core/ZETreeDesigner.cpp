#include "editor/core/ZETreeDesigner.h"

#include <cstdio>
#include <vector>

#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoAnimeModel.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoMoveTypeModel.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/Cp932.h"

namespace zelvo {

namespace {

std::string sj(const char* utf8) { return Cp932::fromUtf8(utf8); }

// Letter case folded on the UTF-8 form, so a CP932 trail byte is never taken for a letter.
std::string folded(const std::string& cp932) {
  std::string s = Cp932::toUtf8(cp932);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool containsFolded(const std::string& cp932, const char* utf8) {
  return folded(cp932).find(folded(sj(utf8))) != std::string::npos;
}

std::string hex(uint32_t value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", digits, value);
  return buf;
}

struct EditorTreeRow {
  const char* caption;
  int32_t code;
  bool child;
};

const EditorTreeRow kEditorTree[] = {
    {"テストプレー", 20, false},         {"シナリオ", 0, false},           {"マップ", 1, false},
    {"移動タイプの設定", 22, true},      {"マップチップ", 32, false},      {"共有イベント", 2, false},
    {"キャラ", 3, false},                {"職業エディタ", 21, true},       {"属性タイプエディタ", 24, true},
    {"パーティ", 19, false},             {"条件エディタ", 25, false},      {"アイテム", 4, false},
    {"スキル", 5, false},                {"アニメ", 6, false},             {"戦闘シーン", 7, false},
    {"方向付きアニメーション", 8, false}, {"あたり判定", 9, false},        {"素材管理エディタ", 18, false},
    {"その他", 10, false},               {"ステータス画面", 11, true},     {"作業フォルダの編集", 12, true},
    {"プラグインの追加削除", 13, true},  {"用語エディタ", 26, true},
};

struct OrderName {
  const char* text;
  int32_t code;
};

const OrderName kOrderNames[] = {
    {"ゲームの終了", OrderType::GameEnd},   {"文章の表示", OrderType::ShowText},
    {"場所の移動", OrderType::MoveToPlace}, {"フェードイン", OrderType::FadeIn},
    {"フェードアウト", OrderType::FadeOut}, {"スイッチオン", OrderType::SwitchOn},
    {"スイッチオフ", OrderType::SwitchOff}, {"変数値の設定", OrderType::SetVariable},
};

// Whether the model a node stands for may go from its list: the node holds no model, or the
// list item at its position is that model.
template <class Item>
bool standsFor(const IZETreeNode& node, const std::shared_ptr<Item>& item) {
  TZETreeNodeData data = node.GetData();
  if (data.Empty()) return item != nullptr;
  if constexpr (std::is_convertible_v<Item*, IZelvoConditionModelItem*>)
    return item && data.conditionItem == item;
  else
    return item && data.model == std::static_pointer_cast<IZelvoModel>(item);
}

// Some lists throw for a position outside them; a stale node asks for one.
template <class List>
auto itemAt(const List& list, int32_t index) -> decltype(list.GetItem(0)) {
  if (index < 0 || index >= list.GetCount()) return nullptr;
  return list.GetItem(index);
}

IZelvoOrderModelPtr childAt(const IZelvoOrderModel& order, int32_t index) {
  return index >= 0 && index < order.GetChildCount() ? order.GetChild(index) : nullptr;
}

// Where in list the model of the node is, found by identity: a tree's rows need not follow the
// list (the map editor shows a map's own package before the shared ones). A node without a model
// goes by its position. -1 when the list does not hold it.
template <class List>
int32_t listedIndex(const IZETreeNode& node, const List& list) {
  if (node.GetData().Empty()) return itemAt(list, node.GetIndex()) ? node.GetIndex() : -1;
  for (int32_t i = 0; i < list.GetCount(); ++i)
    if (standsFor(node, list.GetItem(i))) return i;
  return -1;
}

int32_t childIndex(const IZETreeNode& node, const IZelvoOrderModel& order) {
  if (node.GetData().Empty()) return childAt(order, node.GetIndex()) ? node.GetIndex() : -1;
  for (int32_t i = 0; i < order.GetChildCount(); ++i)
    if (standsFor(node, order.GetChild(i))) return i;
  return -1;
}

// Deletes the node's item from list, then the node; nothing when the list does not hold it.
template <class List>
void deleteListedNode(IZETree& tree, IZETreeNode* node, const std::shared_ptr<List>& list) {
  if (!node || !list) return;
  const int32_t index = listedIndex(*node, *list);
  if (index < 0) return;
  list->Delete(index);
  tree.Delete(node);
}

template <class List>
auto firstOf(const std::shared_ptr<List>& list) -> decltype(list->GetItem(0)) {
  return list && list->GetCount() > 0 ? list->GetItem(0) : nullptr;
}

IZETreeNode* addNode(IZETree& tree, IZETreeNode* parent, const std::string& caption, int32_t icon,
                     TZETreeNodeData data = {}) {
  IZETreeNode* node = tree.AddChild(parent, caption);
  if (!node) return nullptr;
  node->SetIcon(icon);
  node->SetData(std::move(data));
  return node;
}

// A node for every item of list, in list order, below parent.
template <class List>
void fillList(IZETree& tree, IZETreeNode* parent, const std::shared_ptr<List>& list, int32_t icon) {
  for (int32_t i = 0; list && i < list->GetCount(); ++i)
    if (auto item = list->GetItem(i)) addNode(tree, parent, std::string(item->GetName()), icon, item);
}

// Names a new model, appends it to its list and shows it as the selected node below parent.
template <class List, class Model>
void appendNew(IZETree& tree, IZETreeNode* parent, List& list, const std::shared_ptr<Model>& model,
               const char* utf8Name, int32_t icon) {
  model->SetName(sj(utf8Name).c_str());
  list.Add(model);
  tree.SetSelected(addNode(tree, parent, std::string(model->GetName()), icon, model));
}

}  // namespace

int32_t OrderCodeFromName(const std::string& cp932Caption) {
  for (const OrderName& n : kOrderNames)
    if (containsFolded(cp932Caption, n.text)) return n.code;
  return 0;
}

int32_t OrderIcon(const IZelvoOrderModel& order) { return order.GetType() / 1000; }

// ---- The main tree ----

void TZETreeDesigner::BuildEditorTree(IZETree& tree) const {
  tree.Clear();
  IZETreeNode* top = nullptr;
  for (const EditorTreeRow& row : kEditorTree) {
    IZETreeNode* node = addNode(tree, row.child ? top : nullptr, sj(row.caption), row.code);
    if (!row.child) top = node;
  }
}

void TZETreeDesigner::BuildMapRootNode(IZETree& tree) const {
  addNode(tree, nullptr, sj("マップ"), ZEIcon::Map);
}

// ---- Fill routines ----

void TZETreeDesigner::FillCollisionTree(IZETree& tree, IZETreeNode* parent) const {
  if (api_) fillList(tree, parent, api_->GetCollisionList(), ZEIcon::Collision);
}

void TZETreeDesigner::FillDAnimationTree(IZETree& tree, IZETreeNode* parent) const {
  if (api_) fillList(tree, parent, api_->GetDAnimationList(), ZEIcon::DAnimation);
}

void TZETreeDesigner::FillSharedOrderTree(IZETree& tree, IZETreeNode* parent) const {
  auto shared = api_ ? api_->GetSharedOrders() : nullptr;
  for (int32_t i = 0; shared && i < shared->GetChildCount(); ++i)
    if (auto order = shared->GetChild(i)) addNode(tree, parent, std::string(order->GetName()), ZEIcon::SharedOrder, order);
}

void TZETreeDesigner::addChara(IZETree& tree, IZETreeNode* parent, const std::shared_ptr<IZelvoCharaModel>& chara,
                               bool details) const {
  if (!chara) return;
  IZETreeNode* node = addNode(tree, parent, std::string(chara->GetName()), ZEIcon::Chara, chara);
  if (!node || !details) return;
  FillCharaDetails(tree, node, chara);
  AddCapabilityNode(tree, node, chara);
}

void TZETreeDesigner::FillCharaTree(IZETree& tree, IZETreeNode* parent) const {
  auto list = api_ ? api_->GetCharaList() : nullptr;
  for (int32_t i = 0; list && i < list->GetCount(); ++i) addChara(tree, parent, list->GetItem(i), true);
}

void TZETreeDesigner::FillPartyCharaList(IZETree& tree, IZETreeNode* parent) const {
  auto list = api_ ? api_->GetCharaList() : nullptr;
  for (int32_t i = 0; list && i < list->GetCount(); ++i) addChara(tree, parent, list->GetItem(i), false);
}

void TZETreeDesigner::FillPartyTree(IZETree& tree, IZETreeNode* parent) const {
  auto party = api_ ? api_->GetParty() : nullptr;
  for (int32_t i = 0; party && i < party->GetCount(); ++i) addChara(tree, parent, party->GetItem(i), false);
}

void TZETreeDesigner::FillAttributeTree(IZETree& tree, IZETreeNode* parent) const {
  if (api_) fillList(tree, parent, api_->GetAttributeList(), ZEIcon::Attribute);
}

void TZETreeDesigner::FillJobTree(IZETree& tree, IZETreeNode* parent) const {
  if (api_) fillList(tree, parent, api_->GetJobList(), ZEIcon::Job);
}

void TZETreeDesigner::FillConditionTree(IZETree& tree, IZETreeNode* parent) const {
  if (api_) fillList(tree, parent, api_->GetConditionList(), ZEIcon::Condition);
}

void TZETreeDesigner::FillConditionNodes(IZETree& tree, IZETreeNode* parent,
                                         const std::shared_ptr<IZelvoConditionModel>& condition) const {
  for (int32_t i = 0; condition && i < condition->GetCount(); ++i)
    if (auto item = condition->GetItem(i)) addNode(tree, parent, std::string(item->GetName()), ZEIcon::Condition, item);
}

void TZETreeDesigner::FillEventTree(IZETree& tree) const {
  auto list = api_ ? api_->GetEventPackageList() : nullptr;
  for (int32_t i = 0; list && i < list->GetCount(); ++i) {
    auto package = list->GetItem(i);
    if (!package) continue;
    const int32_t icon = package->GetID() == -1 ? ZEIcon::LoosePackage : ZEIcon::EventPackage;
    FillPackageEvents(tree, addNode(tree, nullptr, std::string(package->GetName()), icon, package), package);
  }
}

void TZETreeDesigner::FillPackageEvents(IZETree& tree, IZETreeNode* packageNode,
                                        const std::shared_ptr<IZelvoEventPackageModel>& package) const {
  if (!packageNode) return;
  for (int32_t i = 0; package && i < package->GetCount(); ++i)
    if (auto event = package->GetItem(i)) addNode(tree, packageNode, std::string(event->GetName()), ZEIcon::Event, event);
}

void TZETreeDesigner::FillAnimeTree(IZETree& tree, IZETreeNode* node) const {
  auto list = api_ ? api_->GetAnimeList() : nullptr;
  IZETreeNode* parent = node ? node->GetParent() : nullptr;
  for (int32_t i = 0; list && i < list->GetCount(); ++i)
    if (auto anime = list->GetItem(i))
      if (IZETreeNode* added = addNode(tree, parent, std::string(anime->GetName()), ZEIcon::Entry, anime))
        added->SetSelectedIcon(ZEIcon::EntrySelected);
}

void TZETreeDesigner::FillMoveTypeTree(IZETree& tree) const {
  auto list = api_ ? api_->GetMoveTypeList() : nullptr;
  for (int32_t i = 0; list && i < list->GetCount(); ++i)
    if (auto moveType = list->GetItem(i))
      if (IZETreeNode* added = addNode(tree, nullptr, std::string(moveType->GetName()), ZEIcon::Entry, moveType))
        added->SetSelectedIcon(ZEIcon::EntrySelected);
}

void TZETreeDesigner::FillChipSetList(IZETree& tree,
                                      const std::shared_ptr<IZelvoMapChipSetListControl>& chipSets) const {
  IZETreeNode* parent = tree.GetSelected();
  for (int32_t i = 0; chipSets && i < chipSets->GetCount(); ++i) {
    auto chipSet = chipSets->GetItem(i);
    if (!chipSet) continue;
    const bool deleted = chipSet->GetDeleted();
    IZETreeNode* added =
        addNode(tree, parent, std::string(chipSet->GetName()), deleted ? ZEIcon::DeletedChipSet : ZEIcon::Entry, chipSet);
    if (added && !deleted) added->SetSelectedIcon(ZEIcon::EntrySelected);
  }
}

void TZETreeDesigner::FillMaterialTree(IZETree& tree, IZETreeNode* parent) const {
  if (api_) FillMaterialPackageTree(tree, api_->GetMaterialRoot(), parent);
}

void TZETreeDesigner::FillMaterialPackageTree(IZETree& tree, const std::shared_ptr<IZelvoMaterialPackage>& package,
                                              IZETreeNode* parent) const {
  for (int32_t i = 0; package && i < package->GetCount(); ++i) {
    auto item = package->GetItem(i);
    if (!item) continue;
    std::string caption = std::string(item->GetName());
    if (item->GetMissingFlag()) caption += sj("<迷子>");
    if (item->GetNewFlag()) caption += sj("<New!>");
    if (item->GetKind() == MaterialKind::Folder) {
      IZETreeNode* node = addNode(tree, parent, caption, ZEIcon::MaterialFolder, item);
      auto folder = std::dynamic_pointer_cast<IZelvoMaterialPackage>(item);
      // A folder that is its own ancestor would never end.
      if (node && folder && folder != package) FillMaterialPackageTree(tree, folder, node);
    } else {
      addNode(tree, parent, caption, ZEIcon::Material, item);
    }
  }
}

void TZETreeDesigner::FillOrderTree(IZETree& tree, IZETreeNode* parent,
                                    const std::shared_ptr<IZelvoOrderModel>& order) const {
  for (int32_t i = 0; order && i < order->GetChildCount(); ++i) {
    auto child = order->GetChild(i);
    if (!child || child == order) continue;
    IZETreeNode* node = addNode(tree, parent, std::string(child->GetName()), OrderIcon(*child), child);
    if (!node) continue;
    DescribeOrderNode(*node);
    FillOrderTree(tree, node, child);
  }
}

void TZETreeDesigner::FillColorChangeList(IZETree& tree, const std::shared_ptr<IZelvoMaterialModel>& material) const {
  for (int32_t i = 0; material && i < material->GetColorChangeCount(); ++i)
    if (auto entry = material->GetColorChange(i)) addNode(tree, nullptr, ChangeColorCaption(*entry), ZEIcon::None, entry);
}

void TZETreeDesigner::FillCharaDetails(IZETree& tree, IZETreeNode* charaNode,
                                       const std::shared_ptr<IZelvoCharaModel>& chara) const {
  if (!chara || !charaNode) return;
  if (!chara->GetCollision() && api_) chara->SetCollision(firstOf(api_->GetCollisionList()));
  if (auto collision = chara->GetCollision())
    addNode(tree, charaNode, std::string(collision->GetName()), ZEIcon::Collision, collision);
  if (!chara->GetDAnimation() && api_) chara->SetDAnimation(firstOf(api_->GetDAnimationList()));
  if (auto dAnimation = chara->GetDAnimation())
    addNode(tree, charaNode, std::string(dAnimation->GetName()), ZEIcon::DAnimation, dAnimation);
  if (!chara->GetMaterial() && api_) chara->SetMaterial(firstOf(api_->GetMaterialRoot()));
  if (auto material = chara->GetMaterial())
    addNode(tree, charaNode, std::string(material->GetName()), ZEIcon::Material, material);
}

void TZETreeDesigner::AddCapabilityNode(IZETree& tree, IZETreeNode* charaNode,
                                        const std::shared_ptr<IZelvoCharaModel>& chara) const {
  if (!chara || !charaNode) return;
  addNode(tree, charaNode, sj("能力"), ZEIcon::Capability, chara->GetCapability());
}

IZETreeNode* TZETreeDesigner::AddEventPackageNode(IZETree& tree, IZETreeNode* parent,
                                                  const std::shared_ptr<IZelvoEventPackageList>& packages,
                                                  const std::shared_ptr<IZelvoEventPackageModel>& package) const {
  if (!package) return nullptr;
  int32_t icon = ZEIcon::LoosePackage;
  if (packages) icon = packages->GetByID(package->GetID()) ? ZEIcon::EventPackage : ZEIcon::None;
  IZETreeNode* node = addNode(tree, parent, std::string(package->GetName()), icon, package);
  if (icon != ZEIcon::None) FillPackageEvents(tree, node, package);
  return node;
}

// ---- Create routines ----

std::shared_ptr<IZelvoCharaModel> TZETreeDesigner::NewChara(IZETree& tree) const {
  auto list = api_ ? api_->GetCharaList() : nullptr;
  if (!list) return nullptr;
  auto chara = api_->GetFactory()->CreateCharaModel();
  addChara(tree, nullptr, chara, true);
  list->Add(chara);
  return chara;
}

void TZETreeDesigner::NewCollision(IZETree& tree) const {
  auto list = api_ ? api_->GetCollisionList() : nullptr;
  if (list) appendNew(tree, nullptr, *list, api_->GetFactory()->CreateCollisionModel(), "新規あたり判定", ZEIcon::Collision);
}

void TZETreeDesigner::NewDAnimation(IZETree& tree, IZETreeNode* node) const {
  auto list = api_ ? api_->GetDAnimationList() : nullptr;
  if (list) appendNew(tree, node, *list, api_->GetFactory()->CreateDAnimationModel(), "新規方向付きアニメ", ZEIcon::DAnimation);
}

void TZETreeDesigner::NewEventPackage(IZETree& tree) const {
  auto list = api_ ? api_->GetEventPackageList() : nullptr;
  if (!list) return;
  auto package = api_->GetFactory()->CreateEventPackageModel();
  tree.SetSelected(addNode(tree, nullptr, sj("新規パッケージ"), ZEIcon::EventPackage, package));
  list->Add(package);
}

IZETreeNode* TZETreeDesigner::FindSelectedAncestor(const IZETree& tree, int32_t icon) {
  for (IZETreeNode* node = tree.GetSelected(); node; node = node->GetParent())
    if (node->GetIcon() == icon) return node;
  return nullptr;
}

void TZETreeDesigner::NewEvent(IZETree& tree) const {
  IZETreeNode* packageNode = nullptr;
  if (IZETreeNode* event = FindSelectedAncestor(tree, ZEIcon::Event)) packageNode = event->GetParent();
  if (!packageNode) packageNode = FindSelectedAncestor(tree, ZEIcon::EventPackage);
  if (!packageNode) packageNode = FindSelectedAncestor(tree, ZEIcon::LoosePackage);
  if (!packageNode || !api_) return;
  // The package the node stands for, so a package shown apart from the list gets its own event.
  auto package = packageNode->GetData().As<IZelvoEventPackageModel>();
  if (!package) {
    auto list = api_->GetEventPackageList();
    if (list) package = itemAt(*list, packageNode->GetIndex());
  }
  if (!package) return;
  auto event = api_->GetFactory()->CreateEventModel();
  tree.SetSelected(addNode(tree, packageNode, sj("新規イベント"), ZEIcon::Event, event));
  package->Add(event);
}

std::shared_ptr<IZelvoOrderModel> TZETreeDesigner::NewSharedOrder(IZETree& tree, IZETreeNode* node) const {
  auto shared = api_ ? api_->GetSharedOrders() : nullptr;
  if (!shared) return nullptr;
  auto order = api_->GetFactory()->CreateOrderModel(shared);
  IZETreeNode* parent = node ? node->GetParent() : nullptr;
  tree.SetSelected(addNode(tree, parent, sj("新規処理"), ZEIcon::SharedOrder, order));
  return order;
}

void TZETreeDesigner::NewAttribute(IZETree& tree) const {
  auto list = api_ ? api_->GetAttributeList() : nullptr;
  if (list) appendNew(tree, nullptr, *list, api_->GetFactory()->CreateAttributeModel(), "新規属性タイプ", ZEIcon::Attribute);
}

void TZETreeDesigner::NewJob(IZETree& tree) const {
  auto list = api_ ? api_->GetJobList() : nullptr;
  if (list) appendNew(tree, nullptr, *list, api_->GetFactory()->CreateJobModel(), "新規職業", ZEIcon::Job);
}

void TZETreeDesigner::NewCondition(IZETree& tree) const {
  auto list = api_ ? api_->GetConditionList() : nullptr;
  if (list) appendNew(tree, nullptr, *list, api_->GetFactory()->CreateConditionModel(), "新規条件", ZEIcon::Condition);
}

// ---- Order routines ----

std::shared_ptr<IZelvoOrderModel> TZETreeDesigner::orderAt(const IZETree& tree, const IZETreeNode* node) const {
  return node ? node->GetData().As<IZelvoOrderModel>() : tree.GetTag();
}

void TZETreeDesigner::describeFromTemplate(IZETreeNode& node, IZelvoOrderModel& order,
                                           const IZETreeNode& templateNode) const {
  const std::string caption = templateNode.GetCaption();
  order.SetName(caption.c_str());
  order.SetType(OrderCodeFromName(caption));
  node.SetIcon(templateNode.GetIcon());
  DescribeOrderNode(node);
}

std::shared_ptr<IZelvoOrderModel> TZETreeDesigner::AddOrderFromTemplate(IZETree& tree, IZETreeNode* node,
                                                                        const IZETreeNode& templateNode) const {
  auto parent = orderAt(tree, node);
  if (!parent || !api_) return nullptr;
  auto order = api_->GetFactory()->CreateOrderModel(parent);
  IZETreeNode* added = addNode(tree, node, templateNode.GetCaption(), templateNode.GetIcon(), order);
  if (added) describeFromTemplate(*added, *order, templateNode);
  return order;
}

std::shared_ptr<IZelvoOrderModel> TZETreeDesigner::InsertOrderFromTemplate(IZETree& tree, IZETreeNode* node,
                                                                           const IZETreeNode& templateNode) const {
  if (!node) return AddOrderFromTemplate(tree, nullptr, templateNode);
  auto parent = orderAt(tree, node->GetParent());
  if (!parent || !api_) return nullptr;
  const int32_t index = node->GetIndex();
  if (!standsFor(*node, childAt(*parent, index))) return nullptr;
  auto order = api_->GetFactory()->CreateOrderModel(nullptr);
  parent->InsertChild(index + 1, order);
  order->SetParent(parent);
  IZETreeNode* added = tree.InsertAfter(node, templateNode.GetCaption());
  if (!added) return order;
  added->SetData(order);
  describeFromTemplate(*added, *order, templateNode);
  tree.SetSelected(added);
  return order;
}

void TZETreeDesigner::DeleteOrderNode(IZETree& tree, IZETreeNode* node) const {
  if (!node) return;
  auto parent = orderAt(tree, node->GetParent());
  if (!parent) return;
  const int32_t index = childIndex(*node, *parent);
  if (index < 0) return;
  parent->DeleteChild(index);
  tree.Delete(node);
}

void TZETreeDesigner::DescribeOrderNode(IZETreeNode& node) const {
  if (auto order = node.GetData().As<IZelvoOrderModel>()) node.SetCaption(DescribeOrder(*order));
}

std::string TZETreeDesigner::DescribeOrder(const IZelvoOrderModel& order) const {
  const std::string name = order.GetName();
  switch (order.GetType()) {
    case OrderType::GameEnd:
    case OrderType::SwitchOn:
    case OrderType::SwitchOff:
    case OrderType::SetVariable:
    case OrderType::FadeIn:
    case OrderType::FadeOut:
      return name;
    case OrderType::ShowText:
      return name + " " + order.GetText();
    case OrderType::MoveToPlace: {
      auto tree = api_ ? api_->GetMapTree() : nullptr;
      auto root = tree ? tree->GetRootNode() : nullptr;
      auto map = root ? root->FindNode(order.GetMapID()) : nullptr;
      std::string mapText = map ? std::string(map->GetName()) : sj("無効なマップ");
      if (containsFolded(mapText, "Object")) mapText = "ID" + std::to_string(order.GetMapID()) + sj("のマップ");
      return sj("<テスト中>") + name + " " + mapText + " ID" + std::to_string(order.GetFloorID()) + sj("のレイヤ X") +
             std::to_string(order.GetX()) + " Y" + std::to_string(order.GetY());
    }
    default:
      return sj("<未実装>") + name;
  }
}

// ---- Delete routines ----

void TZETreeDesigner::DeleteChildNode(IZETree& tree, IZETreeNode* node) const {
  IZETreeNode* parentNode = node ? node->GetParent() : nullptr;
  if (!parentNode) return;
  const TZETreeNodeData parent = parentNode->GetData();
  if (auto order = parent.As<IZelvoOrderModel>()) {
    const int32_t index = childIndex(*node, *order);
    if (index < 0) return;
    order->DeleteChild(index);
    tree.Delete(node);
  } else if (auto folder = parent.As<IZelvoMaterialPackage>()) {
    deleteListedNode(tree, node, folder);
  } else if (auto package = parent.As<IZelvoEventPackageModel>()) {
    deleteListedNode(tree, node, package);
  } else if (auto condition = parent.As<IZelvoConditionModel>()) {
    deleteListedNode(tree, node, condition);
  }
}

void TZETreeDesigner::DeleteEvent(IZETree& tree, IZETreeNode* node) const {
  IZETreeNode* packageNode = node ? node->GetParent() : nullptr;
  if (!packageNode || !api_) return;
  // The package node's own package, wherever it is kept (a map's own one is in no list).
  auto package = packageNode->GetData().As<IZelvoEventPackageModel>();
  if (!package && packageNode->GetData().Empty()) {
    auto list = api_->GetEventPackageList();
    package = list ? itemAt(*list, packageNode->GetIndex()) : nullptr;
  }
  if (!package) return;
  deleteListedNode(tree, node, package);
}

void TZETreeDesigner::DeleteEventPackage(IZETree& tree, IZETreeNode* node) const {
  if (api_) deleteListedNode(tree, node, api_->GetEventPackageList());
}

void TZETreeDesigner::DeleteSharedOrder(IZETree& tree, IZETreeNode* node) const {
  auto shared = api_ ? api_->GetSharedOrders() : nullptr;
  if (!node || !shared) return;
  const int32_t index = childIndex(*node, *shared);
  if (index < 0) return;
  shared->DeleteChild(index);
  tree.Delete(node);
}

void TZETreeDesigner::DeleteSelectedChara(IZETree& tree) const {
  IZETreeNode* node = tree.GetSelected();
  if (!node || !api_) return;
  if (node->GetParent()) node = node->GetParent();
  deleteListedNode(tree, node, api_->GetCharaList());
  tree.SetSelected(nullptr);
}

void TZETreeDesigner::RemoveSelectedPartyMember(IZETree& tree) const {
  if (!api_) return;
  deleteListedNode(tree, tree.GetSelected(), api_->GetParty());
  tree.SetSelected(nullptr);
}

void TZETreeDesigner::DeleteAttribute(IZETree& tree) const {
  if (api_) deleteListedNode(tree, tree.GetSelected(), api_->GetAttributeList());
}

void TZETreeDesigner::DeleteJob(IZETree& tree) const {
  if (api_) deleteListedNode(tree, tree.GetSelected(), api_->GetJobList());
}

void TZETreeDesigner::DeleteCondition(IZETree& tree) const {
  if (api_) deleteListedNode(tree, tree.GetSelected(), api_->GetConditionList());
}

void TZETreeDesigner::DeleteConditionItem(IZETree& tree, const std::shared_ptr<IZelvoConditionModel>& condition) const {
  deleteListedNode(tree, tree.GetSelected(), condition);
}

// ---- Other routines ----

void TZETreeDesigner::AddPartyMember(IZETree& tree, const IZETreeNode* charaNode) const {
  auto party = api_ ? api_->GetParty() : nullptr;
  auto chara = charaNode ? charaNode->GetData().As<IZelvoCharaModel>() : nullptr;
  if (!party || !chara) return;
  addNode(tree, nullptr, std::string(chara->GetName()), ZEIcon::Chara, chara);
  party->Add(chara);
}

void TZETreeDesigner::AddConditionItem(IZETree& tree, const IZETree& templateTree,
                                       const std::shared_ptr<IZelvoConditionModel>& condition) const {
  const IZETreeNode* templateNode = templateTree.GetSelected();
  if (!condition || !templateNode || !api_) return;
  auto item = api_->GetFactory()->CreateConditionModelItem();
  item->SetName(templateNode->GetCaption().c_str());
  item->SetKind(templateNode->GetIndex());
  condition->Add(item);
  addNode(tree, nullptr, std::string(item->GetName()), ZEIcon::Condition, item);
}

IZETreeNode* TZETreeDesigner::FindChildByIcon(const IZETreeNode& node, int32_t icon) {
  for (int32_t i = 0; i < node.GetChildCount(); ++i)
    if (IZETreeNode* child = node.GetChild(i); child && child->GetIcon() == icon) return child;
  return nullptr;
}

void TZETreeDesigner::DropChildNode(IZETree& tree, IZETreeNode* target, const IZETreeNode* dropped) const {
  if (!target || !dropped) return;
  if (target->GetIcon() != ZEIcon::Chara) target = target->GetParent();
  if (!target || target->GetIcon() != ZEIcon::Chara) return;
  auto chara = target->GetData().As<IZelvoCharaModel>();
  const TZETreeNodeData data = dropped->GetData();
  const int32_t icon = dropped->GetIcon();
  if (!chara) return;
  // Only a part the chara can hold is linked, and only when the node holds that kind of model.
  if (icon == ZEIcon::DAnimation && data.As<IZelvoDAnimationModel>())
    chara->SetDAnimation(data.As<IZelvoDAnimationModel>());
  else if (icon == ZEIcon::Collision && data.As<IZelvoCollisionModel>())
    chara->SetCollision(data.As<IZelvoCollisionModel>());
  else if (icon == ZEIcon::Material && data.As<IZelvoMaterialModel>())
    chara->SetMaterial(data.As<IZelvoMaterialModel>());
  else
    return;
  IZETreeNode* child = FindChildByIcon(*target, icon);
  if (!child) child = tree.AddChild(target, dropped->GetCaption());
  if (!child) return;
  child->SetCaption(dropped->GetCaption());
  child->SetIcon(icon);
  child->SetData(data);
}

void TZETreeDesigner::AddColorChange(IZETree& tree, const std::shared_ptr<IZelvoMaterialModel>& material) const {
  if (!material) return;
  material->AddColorChange();
  const int32_t last = material->GetColorChangeCount() - 1;
  if (auto entry = material->GetColorChange(last)) addNode(tree, nullptr, ChangeColorCaption(*entry), ZEIcon::None, entry);
}

void TZETreeDesigner::DeleteColorChange(IZETree& tree, const std::shared_ptr<IZelvoMaterialModel>& material) const {
  IZETreeNode* node = tree.GetSelected();
  if (!material || !node) return;
  const int32_t index = node->GetIndex();
  if (index < 0 || index >= material->GetColorChangeCount()) return;
  if (!standsFor(*node, material->GetColorChange(index))) return;
  material->DeleteColorChange(index);
  tree.Delete(node);
}

std::string TZETreeDesigner::ChangeColorCaption(const IZelvoChangeColorModel& entry) {
  const uint32_t source = static_cast<uint32_t>(entry.GetSourceColor());
  const uint32_t target = static_cast<uint32_t>(entry.GetTargetColor());
  std::string from;
  if (entry.GetUseTopLeftColor())
    from = sj("左上の色を");
  else if (entry.GetIgnoreSourceAlpha())
    from = "@@" + hex(source & 0xFFFFFF, 6) + sj("を");
  else
    from = hex(source, 8) + sj("を");
  return from + (target == 0 ? sj("透明に") : hex(target, 8) + sj("に"));
}

}  // namespace zelvo
