#pragma once
// Fills and edits every tree of the editor: the main editor tree and each list of the open game,
// with the models created and deleted together with their nodes. A node's icon index is its kind
// and, in the main window, the editor code. Every list is fetched from the data set when used, so
// a data set without a list gives an empty tree and makes the routines on that list do nothing.
// A delete removes the model only when the list item at the node's position is the model the
// node stands for, so a tree that no longer matches its list never costs another model.

#include <cstdint>
#include <memory>
#include <string>

#include "editor/core/ZETree.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoCharaModel;
class IZelvoChangeColorModel;
class IZelvoConditionModel;
class IZelvoEventPackageList;
class IZelvoEventPackageModel;
class IZelvoMapChipSetListControl;
class IZelvoMaterialModel;
class IZelvoMaterialPackage;
class IZelvoOrderModel;

// Node kinds, which are also the editor codes of the main tree.
namespace ZEIcon {
inline constexpr int32_t Entry = 0;  // anime, move type and chip set entries; selected: EntrySelected
inline constexpr int32_t EntrySelected = 1;
inline constexpr int32_t Map = 1;
inline constexpr int32_t Event = 2;
inline constexpr int32_t Chara = 3;
inline constexpr int32_t DeletedChipSet = 5;
inline constexpr int32_t DAnimation = 8;
inline constexpr int32_t Collision = 9;
inline constexpr int32_t EventPackage = 15;
inline constexpr int32_t Material = 16;
inline constexpr int32_t SharedOrder = 17;
inline constexpr int32_t MaterialFolder = 18;
inline constexpr int32_t Job = 21;
inline constexpr int32_t Capability = 23;
inline constexpr int32_t Attribute = 24;
inline constexpr int32_t Condition = 25;
inline constexpr int32_t LoosePackage = 31;  // a package of ID -1, or shown without its list
inline constexpr int32_t None = -1;
}  // namespace ZEIcon

// The order type a template caption stands for (CP932): the first of the eight template texts
// the caption contains, ignoring letter case; 0 when it contains none.
int32_t OrderCodeFromName(const std::string& cp932Caption);

// An order's icon: its type div 1000.
int32_t OrderIcon(const IZelvoOrderModel& order);

class TZETreeDesigner {
 public:
  explicit TZETreeDesigner(std::shared_ptr<IZMLZelvoAPI> api = nullptr) : api_(std::move(api)) {}
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { api_ = std::move(api); }
  const std::shared_ptr<IZMLZelvoAPI>& getZMLZelvoAPI() const { return api_; }

  // The main editor tree (cleared first), and the single "マップ" node the map filter shows.
  void BuildEditorTree(IZETree& tree) const;
  void BuildMapRootNode(IZETree& tree) const;

  // Each adds a node for every item of its list, in list order, below parent (null: top level).
  void FillCollisionTree(IZETree& tree, IZETreeNode* parent) const;
  void FillDAnimationTree(IZETree& tree, IZETreeNode* parent) const;
  void FillSharedOrderTree(IZETree& tree, IZETreeNode* parent) const;
  void FillCharaTree(IZETree& tree, IZETreeNode* parent) const;
  void FillPartyCharaList(IZETree& tree, IZETreeNode* parent) const;
  void FillPartyTree(IZETree& tree, IZETreeNode* parent) const;
  void FillAttributeTree(IZETree& tree, IZETreeNode* parent) const;
  void FillJobTree(IZETree& tree, IZETreeNode* parent) const;
  void FillConditionTree(IZETree& tree, IZETreeNode* parent) const;
  void FillConditionNodes(IZETree& tree, IZETreeNode* parent, const std::shared_ptr<IZelvoConditionModel>& condition) const;
  // The event packages with their events, always at the top level.
  void FillEventTree(IZETree& tree) const;
  void FillPackageEvents(IZETree& tree, IZETreeNode* packageNode,
                         const std::shared_ptr<IZelvoEventPackageModel>& package) const;
  // Animes are added beside node (null: at the top level), not below it.
  void FillAnimeTree(IZETree& tree, IZETreeNode* node) const;
  void FillMoveTypeTree(IZETree& tree) const;
  // Below the tree's selected node (none: at the top level).
  void FillChipSetList(IZETree& tree, const std::shared_ptr<IZelvoMapChipSetListControl>& chipSets) const;
  void FillMaterialTree(IZETree& tree, IZETreeNode* parent) const;
  void FillMaterialPackageTree(IZETree& tree, const std::shared_ptr<IZelvoMaterialPackage>& package,
                               IZETreeNode* parent) const;
  // The children of order below parent, recursively, each described.
  void FillOrderTree(IZETree& tree, IZETreeNode* parent, const std::shared_ptr<IZelvoOrderModel>& order) const;
  void FillColorChangeList(IZETree& tree, const std::shared_ptr<IZelvoMaterialModel>& material) const;
  // A chara's collision, direction animation and material nodes; a chara without one gets the
  // first of its list (and keeps it).
  void FillCharaDetails(IZETree& tree, IZETreeNode* charaNode, const std::shared_ptr<IZelvoCharaModel>& chara) const;
  void AddCapabilityNode(IZETree& tree, IZETreeNode* charaNode, const std::shared_ptr<IZelvoCharaModel>& chara) const;
  // With a list, a package not found in it gets no icon and no events; without one, icon 31.
  IZETreeNode* AddEventPackageNode(IZETree& tree, IZETreeNode* parent,
                                   const std::shared_ptr<IZelvoEventPackageList>& packages,
                                   const std::shared_ptr<IZelvoEventPackageModel>& package) const;

  // Create routines: each model comes from the data set's factory with a new ID.
  std::shared_ptr<IZelvoCharaModel> NewChara(IZETree& tree) const;
  void NewCollision(IZETree& tree) const;
  void NewDAnimation(IZETree& tree, IZETreeNode* node) const;
  void NewEventPackage(IZETree& tree) const;
  // Into the package of the selection (an event's package, or a package node); none: nothing.
  void NewEvent(IZETree& tree) const;
  std::shared_ptr<IZelvoOrderModel> NewSharedOrder(IZETree& tree, IZETreeNode* node) const;
  void NewAttribute(IZETree& tree) const;
  void NewJob(IZETree& tree) const;
  void NewCondition(IZETree& tree) const;
  // The nearest node at or above the selection carrying icon; null when there is none.
  static IZETreeNode* FindSelectedAncestor(const IZETree& tree, int32_t icon);

  // Order routines over a tree whose tag holds the order shown at the top level.
  std::shared_ptr<IZelvoOrderModel> AddOrderFromTemplate(IZETree& tree, IZETreeNode* node,
                                                         const IZETreeNode& templateNode) const;
  std::shared_ptr<IZelvoOrderModel> InsertOrderFromTemplate(IZETree& tree, IZETreeNode* node,
                                                            const IZETreeNode& templateNode) const;
  void DeleteOrderNode(IZETree& tree, IZETreeNode* node) const;
  void DescribeOrderNode(IZETreeNode& node) const;
  std::string DescribeOrder(const IZelvoOrderModel& order) const;

  // Delete routines; a null node or no selection does nothing.
  void DeleteChildNode(IZETree& tree, IZETreeNode* node) const;
  void DeleteEvent(IZETree& tree, IZETreeNode* node) const;
  void DeleteEventPackage(IZETree& tree, IZETreeNode* node) const;
  void DeleteSharedOrder(IZETree& tree, IZETreeNode* node) const;
  void DeleteSelectedChara(IZETree& tree) const;
  void RemoveSelectedPartyMember(IZETree& tree) const;
  void DeleteAttribute(IZETree& tree) const;
  void DeleteJob(IZETree& tree) const;
  void DeleteCondition(IZETree& tree) const;
  void DeleteConditionItem(IZETree& tree, const std::shared_ptr<IZelvoConditionModel>& condition) const;

  void AddPartyMember(IZETree& tree, const IZETreeNode* charaNode) const;
  // The template tree's selected node names the item and gives its kind (the node's position).
  void AddConditionItem(IZETree& tree, const IZETree& templateTree,
                        const std::shared_ptr<IZelvoConditionModel>& condition) const;
  // Links a dropped collision, direction animation or material to the chara at (or just above)
  // target, replacing the chara's node of that kind.
  void DropChildNode(IZETree& tree, IZETreeNode* target, const IZETreeNode* dropped) const;
  static IZETreeNode* FindChildByIcon(const IZETreeNode& node, int32_t icon);
  void AddColorChange(IZETree& tree, const std::shared_ptr<IZelvoMaterialModel>& material) const;
  void DeleteColorChange(IZETree& tree, const std::shared_ptr<IZelvoMaterialModel>& material) const;
  static std::string ChangeColorCaption(const IZelvoChangeColorModel& entry);

 private:
  void addChara(IZETree& tree, IZETreeNode* parent, const std::shared_ptr<IZelvoCharaModel>& chara,
                bool details) const;
  std::shared_ptr<IZelvoOrderModel> orderAt(const IZETree& tree, const IZETreeNode* node) const;
  void describeFromTemplate(IZETreeNode& node, IZelvoOrderModel& order, const IZETreeNode& templateNode) const;

  std::shared_ptr<IZMLZelvoAPI> api_;
};

}  // namespace zelvo
