#pragma once
// The tree designer's view of a QTreeWidget: each node is a TZETreeWidgetItem keeping its CP932
// caption, its icon indexes (also readable as item data) and the model it stands for. A window
// keeps one adapter per tree, which also holds the order the tree shows at its top level.

#include <QIcon>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <functional>

#include "editor/core/ZETree.h"

namespace zelvo {

class TZETreeWidgetItem final : public QTreeWidgetItem, public IZETreeNode {
 public:
  static constexpr int kIconRole = Qt::UserRole + 1;
  static constexpr int kSelectedIconRole = Qt::UserRole + 2;

  TZETreeWidgetItem(std::string caption, const std::function<QIcon(int32_t)>* icons);

  // The edited text when the user renamed the node, else the caption as set.
  std::string GetCaption() const override;
  void SetCaption(const std::string& cp932) override;
  int32_t GetIcon() const override { return data(0, kIconRole).toInt(); }
  void SetIcon(int32_t icon) override;
  int32_t GetSelectedIcon() const override { return data(0, kSelectedIconRole).toInt(); }
  void SetSelectedIcon(int32_t icon) override;
  TZETreeNodeData GetData() const override { return data_; }
  void SetData(TZETreeNodeData data) override { data_ = std::move(data); }
  IZETreeNode* GetParent() const override;
  int32_t GetIndex() const override;
  int32_t GetChildCount() const override { return childCount(); }
  IZETreeNode* GetChild(int32_t index) const override;

 private:
  void showIcons();
  std::string caption_;
  TZETreeNodeData data_;
  const std::function<QIcon(int32_t)>* icons_;
};

// The item chosen in a tree: the one Qt's selection holds (the current one when several are), or
// null. A click makes an item current before Qt selects it, so the current item alone does not
// say what the user chose, and a handler of currentItemChanged may run before the choice.
QTreeWidgetItem* ChosenItem(const QTreeWidget& tree);
// Runs `changed` whenever the chosen item may have changed, by mouse, key or code, after Qt has
// selected it; this is how the editor's windows learn of a choice.
void WhenChoiceChanges(QTreeWidget& tree, QObject* context, std::function<void()> changed);

class TZETreeWidgetAdapter final : public IZETree {
 public:
  explicit TZETreeWidgetAdapter(QTreeWidget& widget) : widget_(widget) {}
  TZETreeWidgetAdapter(const TZETreeWidgetAdapter&) = delete;
  TZETreeWidgetAdapter& operator=(const TZETreeWidgetAdapter&) = delete;

  // The pictures for icon indexes (the window's image list); without one, nodes show no icon.
  void SetIconSource(std::function<QIcon(int32_t)> icons) { icons_ = std::move(icons); }
  QTreeWidget& widget() const { return widget_; }
  // The node of an item of this tree, or null.
  IZETreeNode* NodeOf(QTreeWidgetItem* item) const;

  void Clear() override { widget_.clear(); }
  int32_t GetTopLevelCount() const override { return widget_.topLevelItemCount(); }
  IZETreeNode* GetTopLevel(int32_t index) const override;
  IZETreeNode* AddChild(IZETreeNode* parent, const std::string& cp932Caption) override;
  IZETreeNode* InsertAfter(IZETreeNode* sibling, const std::string& cp932Caption) override;
  void Delete(IZETreeNode* node) override;
  // The node of the chosen item (ChosenItem).
  IZETreeNode* GetSelected() const override;
  void WhenSelectionChanges(QObject* context, std::function<void()> changed) {
    WhenChoiceChanges(widget_, context, std::move(changed));
  }
  void SetSelected(IZETreeNode* node) override;
  // Runs `renamed` with a node and its caption when the author has edited the caption in place.
  // A caption CP932 cannot hold is refused with the editor's one warning; the node shows its old
  // caption again and `renamed` is not run.
  void WhenRenamed(QObject* context, std::function<void(IZETreeNode&, const std::string&)> renamed);
  std::shared_ptr<IZelvoOrderModel> GetTag() const override { return tag_; }
  void SetTag(std::shared_ptr<IZelvoOrderModel> order) override { tag_ = std::move(order); }

 private:
  TZETreeWidgetItem* own(IZETreeNode* node) const;
  TZETreeWidgetItem* make(const std::string& caption) const;

  QTreeWidget& widget_;
  std::function<QIcon(int32_t)> icons_;
  std::shared_ptr<IZelvoOrderModel> tag_;
};

}  // namespace zelvo
