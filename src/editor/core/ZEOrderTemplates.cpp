#include "editor/core/ZEOrderTemplates.h"

#include <initializer_list>

#include "model/ZelvoOrderModel.h"
#include "platform/core/Cp932.h"

namespace zelvo {
namespace {

struct TemplateGroup {
  const char* caption;
  int32_t icon;
  std::initializer_list<const char*> templates;
};

const TemplateGroup kGroups[] = {
    {"文字列関係", 0, {"選択肢の表示", "表示する選択肢", "文章の表示"}},
    {"スイッチ・変数関係", 1, {"スイッチオフ", "スイッチオン", "数式の実行", "変数値の設定"}},
    {"マップ関連", 4, {"テレポート位置の設定", "場所の移動", "脱出位置の設定", "歩行する・向きを変える"}},
    {"数値・パーティ・アイテム・スキル関係",
     2,
     {"HP・MPの増減", "アイテムの増減", "スキルの増減", "パーティの増減", "能力値の増減"}},
    {"ファイル・画像・音楽・効果音関係", 3, {"アニメーションの再生", "一枚絵の表示", "音楽の再生", "効果音の再生"}},
    {"画像処理関係", 5, {"フェードアウト", "フェードイン", "画面の色の変更"}},
    {"分岐関係", 6, {}},
    {"その他", 7, {"ゲームの終了"}},
};

IZETreeNode* nodeOf(const IZETree& tree, IZETreeNode* parent, const IZelvoOrderModel* order) {
  const int32_t count = parent ? parent->GetChildCount() : tree.GetTopLevelCount();
  for (int32_t i = count - 1; i >= 0; --i) {
    IZETreeNode* node = parent ? parent->GetChild(i) : tree.GetTopLevel(i);
    if (node->GetData().model.get() == static_cast<const IZelvoModel*>(order)) return node;
  }
  return nullptr;
}

}  // namespace

void TZEOrderTemplates::Fill(IZETree& templates) {
  templates.Clear();
  for (const TemplateGroup& group : kGroups) {
    IZETreeNode* groupNode = templates.AddChild(nullptr, Cp932::fromUtf8(group.caption));
    groupNode->SetIcon(group.icon);
    for (const char* caption : group.templates) templates.AddChild(groupNode, Cp932::fromUtf8(caption))->SetIcon(group.icon);
  }
}

std::shared_ptr<IZelvoOrderModel> TZEOrderTemplates::AddAndEdit(const TZETreeDesigner& designer, IZETree& orders,
                                                                const IZETreeNode& templateNode, bool asChild,
                                                                const std::function<bool(IZETreeNode&)>& edit) {
  if (!IsTemplate(&templateNode)) return nullptr;
  IZETreeNode* selected = orders.GetSelected();
  auto order = asChild ? designer.AddOrderFromTemplate(orders, selected, templateNode)
                       : designer.InsertOrderFromTemplate(orders, selected, templateNode);
  if (!order) return nullptr;
  IZETreeNode* parent = asChild ? selected : (selected ? selected->GetParent() : nullptr);
  IZETreeNode* node = nodeOf(orders, parent, order.get());
  if (!node) return order;
  orders.SetSelected(node);
  if (edit && edit(*node)) return order;
  designer.DeleteOrderNode(orders, node);
  return nullptr;
}

}  // namespace zelvo
