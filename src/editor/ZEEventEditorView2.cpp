#include "editor/ZEEventEditorView2.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

#include "editor/ZEDesktopWidget.h"
#include "editor/ZEEditorMediator.h"
#include "editor/ZEOrderLView.h"
#include "editor/ZEOrdersView.h"
#include "editor/ZEPopupTreeView.h"
#include "editor/core/Bitmap32.h"
#include "model/ZMLZelvoAPI.h"
#include "platform/core/Errors.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/gui/MessageBox.h"
#include "editor/ZECp932Text.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

bool askOkCancel(const char* utf8) {
  return ShowMessage(utf8, {}, MessageKind::Warning, {MessageAnswer::Ok, MessageAnswer::Cancel}) == MessageAnswer::Ok;
}

constexpr int kPreviewSize = 128;

// The Delete key in the order tree deletes the selected order.
class DeleteKeyFilter final : public QObject {
 public:
  DeleteKeyFilter(QObject* parent, std::function<void()> onDelete) : QObject(parent), onDelete_(std::move(onDelete)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
      onDelete_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onDelete_;
};

}  // namespace

TZEEventEditorView2::TZEEventEditorView2(QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(this)), tabs_(new QTabBar(this)), page_(new QWidget(this)),
      actionName_(new QLineEdit(page_)), actionNameLabel_(new QLabel(Text::u("アクションの名前"), page_)),
      charaGroup_(new QGroupBox(Text::u("表示するキャラクタ"), page_)), preview_(new QLabel(charaGroup_)),
      picture_(new QPushButton(Text::u("絵の変更(&C)"), charaGroup_)), animation_(new QComboBox(charaGroup_)),
      collision_(new QComboBox(charaGroup_)), conditionGroup_(new QGroupBox(Text::u("発生条件(調整中)"), page_)),
      conditionWidget_(new QTreeWidget(conditionGroup_)), conditions_(*conditionWidget_),
      conditionEdit_(new QPushButton(Text::u("条件エディタの起動"), conditionGroup_)),
      conditionList_(new QPushButton(Text::u("共有リストを開く"), conditionGroup_)), sharing_(new QLabel(page_)),
      share_(new QPushButton(Text::u("共有リストに入れる(&S)"), page_)),
      link_(new QPushButton(Text::u("共有リストを開く(&O)"), page_)), orderWidget_(new QTreeWidget(page_)),
      orders_(*orderWidget_), editOrder_(new QAction(Text::u("処理の編集(&E)"), this)),
      deleteOrder_(new QAction(Text::u("処理の削除(&D)"), this)), ok_(new QPushButton(Text::u("OK(&O)"), this)),
      cancel_(new QPushButton(Text::u("Cancel(&C)"), this)), newAction_(new QPushButton(Text::u("新規アクション(&N)"), this)),
      deleteAction_(new QPushButton(Text::u("アクション削除(&D)"), this)),
      showWindow_(new QPushButton(Text::u("ウィンドウを表示"), this)), orderList_(new TZEOrderLView(this)),
      ordersView_(new TZEOrdersView(this)), popup_(new TZEPopupTreeView(this)) {
  setObjectName("ZEEventEditorView2");
  mediator_ = std::make_unique<TZEEditorMediator>();
  conditionEditor_ = [this](const std::shared_ptr<IZelvoConditionModel>& condition) {
    mediator_->OpenConditionDetail(condition);
  };
  setWindowTitle(Text::u("イベント編集ウィンドウ"));

  preview_->setFixedSize(kPreviewSize, kPreviewSize);
  auto* moveType = new QComboBox(charaGroup_);
  moveType->addItem(Text::u("まだ使えません"));
  moveType->setEnabled(false);
  auto* chara = new QGridLayout(charaGroup_);
  chara->addWidget(preview_, 0, 0, 4, 1);
  chara->addWidget(picture_, 0, 1, 1, 2);
  chara->addWidget(new QLabel(Text::u("アニメ方式"), charaGroup_), 1, 1);
  chara->addWidget(animation_, 1, 2);
  chara->addWidget(new QLabel(Text::u("当たり判定"), charaGroup_), 2, 1);
  chara->addWidget(collision_, 2, 2);
  chara->addWidget(new QLabel(Text::u("移動タイプの設定"), charaGroup_), 3, 1);
  chara->addWidget(moveType, 3, 2);

  conditionWidget_->setHeaderHidden(true);
  auto* condition = new QVBoxLayout(conditionGroup_);
  condition->addWidget(conditionWidget_);
  auto* conditionButtons = new QHBoxLayout;
  conditionButtons->addWidget(conditionEdit_);
  conditionButtons->addWidget(conditionList_);
  condition->addLayout(conditionButtons);

  auto* ordersGroup = new QGroupBox(Text::u("実行する命令の一覧"), page_);
  auto* undo = new QPushButton(Text::u("Undo(&U)"), ordersGroup);
  undo->setEnabled(false);
  orderWidget_->setHeaderHidden(true);
  orderWidget_->setContextMenuPolicy(Qt::ActionsContextMenu);
  orderWidget_->addAction(editOrder_);
  orderWidget_->addAction(deleteOrder_);
  orderWidget_->installEventFilter(new DeleteKeyFilter(this, [this] { DeleteOrderClick(); }));
  auto* ordersLayout = new QVBoxLayout(ordersGroup);
  ordersLayout->addWidget(sharing_);
  auto* orderButtons = new QHBoxLayout;
  for (QPushButton* b : {share_, link_, undo}) orderButtons->addWidget(b);
  ordersLayout->addLayout(orderButtons);
  ordersLayout->addWidget(orderWidget_);

  auto* pageLayout = new QGridLayout(page_);
  pageLayout->addWidget(actionNameLabel_, 0, 0);
  pageLayout->addWidget(actionName_, 0, 1);
  pageLayout->addWidget(charaGroup_, 1, 0, 1, 2);
  pageLayout->addWidget(conditionGroup_, 2, 0, 1, 2);
  pageLayout->addWidget(ordersGroup, 0, 2, 3, 1);

  ok_->setDefault(true);
  showWindow_->setToolTip(Text::u("命令リストが隠れた時に呼び出します。"));
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {newAction_, deleteAction_, showWindow_}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(new QLabel(Text::u("イベントの名前"), this));
  nameRow->addWidget(name_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameRow);
  layout->addWidget(tabs_);
  layout->addWidget(page_);
  layout->addLayout(buttons);

  // The names are stored as typed while CP932 holds them; a name it cannot hold is refused where
  // the window takes its fields (OK, sharing, another action), so none is ever stored cut short.
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) { if (auto name = Text::toCp932(t)) editing_.SetName(*name); });
  connect(actionName_, &QLineEdit::textEdited, this, [this](const QString& t) {
    const auto name = Text::toCp932(t);
    if (!name) return;
    editing_.SetActionName(*name);
    if (editing_.GetMode() == TZEEventEditing::Mode::Event) UpdateTabCaption(editing_.CurrentIndex());
  });
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (editing_.GetMode() != TZEEventEditing::Mode::Event) return;
    if (index != editing_.CurrentIndex() && !TakeNames()) {
      const QSignalBlocker block(tabs_);
      tabs_->setCurrentIndex(editing_.CurrentIndex());
      return;
    }
    ShowAction(index);
  });
  connect(animation_, &QComboBox::activated, this, [this](int index) {
    editing_.SetDAnimationComboIndex(index);
    ShowAction(editing_.CurrentIndex());
  });
  connect(collision_, &QComboBox::activated, this, [this](int index) {
    editing_.SetCollisionComboIndex(index);
    ShowAction(editing_.CurrentIndex());
  });
  connect(picture_, &QPushButton::clicked, this, [this] { PictureClick(); });
  connect(share_, &QPushButton::clicked, this, [this] { ShareClick(); });
  connect(link_, &QPushButton::clicked, this, [this] { LinkClick(); });
  connect(conditionEdit_, &QPushButton::clicked, this, [this] { ConditionEditorClick(); });
  connect(conditionList_, &QPushButton::clicked, this, [] { ShowMessage("申し訳ありません。\n\rまだ未実装です。"); });
  connect(editOrder_, &QAction::triggered, this, [this] { EditSelectedOrder(); });
  connect(deleteOrder_, &QAction::triggered, this, [this] { DeleteOrderClick(); });
  connect(orderWidget_, &QTreeWidget::itemDoubleClicked, this, [this] { EditSelectedOrder(); });
  orders_.WhenSelectionChanges(this, [this] { UpdateOrderActions(); });
  connect(newAction_, &QPushButton::clicked, this, [this] { NewActionClick(); });
  connect(deleteAction_, &QPushButton::clicked, this, [this] { DeleteActionClick(); });
  connect(showWindow_, &QPushButton::clicked, this, [this] { ShowOrderList(); });
  auto* ctrlW = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
  connect(ctrlW, &QShortcut::activated, this, [this] { ShowOrderList(); });
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (!TakeNames()) return;
    editing_.Commit();
    tag_ = 1;
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });

  orderList_->SetTarget(&orders_, orderWidget_, [this](IZETreeNode&) { return EditSelectedOrder(); });
  UpdateOrderActions();
  LoadWidgetPosition(*this);
}

TZEEventEditorView2::~TZEEventEditorView2() { SaveWidgetPosition(*this); }

void TZEEventEditorView2::SetIconSources(std::function<QIcon(int32_t)> orderIcons,
                                         std::function<QIcon(int32_t)> mainIcons) {
  orders_.SetIconSource(orderIcons);
  orderList_->SetIconSource(orderIcons);
  conditions_.SetIconSource(mainIcons);
  popup_->SetIconSource(mainIcons);
}

void TZEEventEditorView2::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  editing_.setZMLZelvoAPI(api);
  designer_.setZMLZelvoAPI(api);
  mediator_->setZMLZelvoAPI(api);
  mediator_->setTreeDesigner(&designer_);
  FillDAnimationCombo();
  FillCollisionCombo();
  tag_ = 0;
}

void TZEEventEditorView2::FillDAnimationCombo() {
  animation_->clear();
  animation_->addItem(Text::u("<<未使用>>"));
  auto list = editing_.getZMLZelvoAPI() ? editing_.getZMLZelvoAPI()->GetDAnimationList() : nullptr;
  for (int32_t i = 0; list && i < list->GetCount(); ++i) animation_->addItem(Text::fromCp932(list->GetItem(i)->GetName()));
}

void TZEEventEditorView2::FillCollisionCombo() {
  collision_->clear();
  collision_->addItem(Text::u("<<未使用>>"));
  auto list = editing_.getZMLZelvoAPI() ? editing_.getZMLZelvoAPI()->GetCollisionList() : nullptr;
  for (int32_t i = 0; list && i < list->GetCount(); ++i) collision_->addItem(Text::fromCp932(list->GetItem(i)->GetName()));
}

void TZEEventEditorView2::EditEvent(std::shared_ptr<IZelvoEventModel> event) {
  if (!editing_.EditEvent(std::move(event))) return;
  name_->setText(Text::fromCp932(editing_.GetName()));
  RebuildTabs();
  for (QWidget* w : {static_cast<QWidget*>(actionName_), static_cast<QWidget*>(actionNameLabel_),
                     static_cast<QWidget*>(charaGroup_), static_cast<QWidget*>(conditionGroup_),
                     static_cast<QWidget*>(share_), static_cast<QWidget*>(link_),
                     static_cast<QWidget*>(newAction_), static_cast<QWidget*>(deleteAction_)})
    w->setVisible(true);
  ShowAction(editing_.GetActionCount() > 0 ? 0 : -1);
  setWindowTitle(Text::u("イベントの編集ウィンドウ"));
}

void TZEEventEditorView2::EditSharedOrders(std::shared_ptr<IZelvoOrderModel> order) {
  if (!editing_.EditSharedOrders(std::move(order))) return;
  name_->setText(Text::fromCp932(editing_.GetName()));
  for (QWidget* w : {static_cast<QWidget*>(actionName_), static_cast<QWidget*>(actionNameLabel_),
                     static_cast<QWidget*>(charaGroup_), static_cast<QWidget*>(conditionGroup_),
                     static_cast<QWidget*>(share_), static_cast<QWidget*>(link_),
                     static_cast<QWidget*>(newAction_), static_cast<QWidget*>(deleteAction_)})
    w->setVisible(false);
  const QSignalBlocker block(tabs_);
  while (tabs_->count() > 0) tabs_->removeTab(0);
  tabs_->addTab(Text::u("処理の編集"));
  tabs_->setVisible(true);
  page_->setVisible(true);
  setWindowTitle(Text::u("共有処理の編集ウィンドウ"));
  ShowSharedOrderTree();
}

void TZEEventEditorView2::ShowSharedOrderTree() {
  orders_.Clear();
  orders_.SetTag(editing_.WorkingOrder());
  designer_.FillOrderTree(orders_, nullptr, editing_.WorkingOrder());
  sharing_->clear();
  UpdateOrderActions();
}

void TZEEventEditorView2::UpdateTabCaption(int32_t index) {
  const QSignalBlocker block(tabs_);
  for (int32_t i = std::max(index, 0); i < editing_.GetActionCount(); ++i) {
    const QString caption = Text::fromCp932(editing_.TabCaption(i));
    if (i < tabs_->count())
      tabs_->setTabText(i, caption);
    else
      tabs_->addTab(caption);
  }
  while (tabs_->count() > editing_.GetActionCount()) tabs_->removeTab(tabs_->count() - 1);
  tabs_->setVisible(true);
  // A bar that went from no tab to one keeps the height of none until its layout asks again.
  tabs_->updateGeometry();
}

void TZEEventEditorView2::RebuildTabs() {
  {
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
  }
  UpdateTabCaption(0);
  tabs_->setVisible(editing_.GetActionCount() > 0);
}

void TZEEventEditorView2::ShowAction(int32_t index) {
  if (!editing_.ShowAction(index)) {
    tabs_->setVisible(false);
    page_->setVisible(false);
    orders_.Clear();
    orders_.SetTag(nullptr);
    conditions_.Clear();
    UpdateOrderActions();
    deleteAction_->setEnabled(false);
    return;
  }
  tabs_->setVisible(true);
  page_->setVisible(true);
  {
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(index);
  }
  auto action = editing_.CurrentAction();
  actionName_->setText(Text::fromCp932(action->GetName()));
  DrawPreview();
  animation_->setCurrentIndex(editing_.DAnimationComboIndex());
  collision_->setCurrentIndex(editing_.CollisionComboIndex());
  orders_.Clear();
  orders_.SetTag(action->GetOrder());
  designer_.FillOrderTree(orders_, nullptr, action->GetOrder());
  conditions_.Clear();
  designer_.FillConditionNodes(conditions_, nullptr, action->GetCondition());
  ShowSharing();
  UpdateOrderActions();
  deleteAction_->setEnabled(true);
}

void TZEEventEditorView2::ShowSharing() {
  sharing_->setText(Text::fromCp932(editing_.SharingLabel()));
  share_->setText(Text::fromCp932(editing_.ShareButtonCaption()));
}

void TZEEventEditorView2::DrawPreview() {
  QImage image(kPreviewSize, kPreviewSize, QImage::Format_ARGB32);
  QPainter painter(&image);
  painter.fillRect(image.rect(), palette().color(QPalette::Button));
  painter.fillRect(image.rect(), QBrush(palette().color(QPalette::Shadow), Qt::DiagCrossPattern));
  auto action = editing_.CurrentAction();
  auto material = action ? action->GetMaterial() : nullptr;
  // Read as every other painter reads pictures: the game's own BMP reader (32-bit alpha, colour
  // keys) and the material's colour changes.
  TBitmap32 picture;
  if (material) {
    try {
      picture.LoadFromFile(GamePathPrefix() + "Graphics\\" + material->GetPath());
      ApplyColorChanges(picture, *material);
    } catch (const EZelvoError&) {
      picture = TBitmap32();
    }
  }
  const bool loaded = picture.Width() > 0 && picture.Height() > 0;
  const TZEEventEditing::Preview p = editing_.DescribePreview(loaded);
  if (!p.message.empty()) {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(0, 55 + painter.fontMetrics().ascent()), QString::fromStdString(p.message));
  } else {
    painter.drawImage(QPoint(p.destX, p.destY), picture.GetBitmap().image(),
                      QRect(p.cellX, p.cellY, p.cellWidth, p.cellHeight));
  }
  painter.end();
  preview_->setPixmap(QPixmap::fromImage(image));
}

void TZEEventEditorView2::UpdateOrderActions() {
  const bool selected = orders_.GetSelected() != nullptr;
  editOrder_->setEnabled(selected);
  deleteOrder_->setEnabled(selected);
}

bool TZEEventEditorView2::TakeNames() {
  const auto name = TakeCp932(name_->text(), name_);
  if (!name) return false;
  const bool action = editing_.GetMode() == TZEEventEditing::Mode::Event && editing_.CurrentAction();
  std::optional<std::string> actionName;
  if (action && !(actionName = TakeCp932(actionName_->text(), actionName_))) return false;
  editing_.SetName(*name);
  if (action) editing_.SetActionName(*actionName);
  return true;
}

void TZEEventEditorView2::ShareClick() {
  if (!editing_.CurrentAction()) return;
  // The shared list is named after the event and the action.
  if (!TakeNames()) return;
  if (!editing_.IsShared()) {
    if (!askOkCancel("このアクションの処理内容を\n\r他のアクションと共有できるようにしますか？")) return;
    editing_.Share();
  } else {
    if (!askOkCancel("共有処理へのリンクを解除しますか？")) return;
    editing_.Unshare();
  }
  ShowSharing();
}

void TZEEventEditorView2::LinkClick() {
  if (!editing_.CurrentAction()) return;
  if (editing_.LinkDiscardsOrders() &&
      !askOkCancel("共有処理を選んでその処理にリンクします。\r\nその場合現在の処理は消えてしまいますがよろしいですか？"))
    return;
  popup_->Tree().Clear();
  designer_.FillSharedOrderTree(popup_->Tree(), nullptr);
  popup_->Execute();
  if (editing_.LinkTo(popup_->GetSelection().As<IZelvoOrderModel>())) ShowAction(editing_.CurrentIndex());
}

void TZEEventEditorView2::PictureClick() {
  if (!editing_.CurrentAction() || !editing_.getZMLZelvoAPI()) return;
  popup_->setWindowTitle(Text::u("使用する画像を選んでください"));
  popup_->Tree().Clear();
  designer_.FillMaterialPackageTree(popup_->Tree(), editing_.getZMLZelvoAPI()->GetImageMaterials(), nullptr);
  popup_->Execute();
  editing_.SetMaterial(popup_->GetSelection().As<IZelvoMaterialModel>());
  popup_->setWindowTitle("ZEPopupTreeView");
  ShowAction(editing_.CurrentIndex());
}

void TZEEventEditorView2::NewActionClick() {
  const int32_t at = editing_.NewAction(tabs_->currentIndex());
  if (at < 0) return;
  {
    const QSignalBlocker block(tabs_);
    if (at < tabs_->count()) tabs_->insertTab(at, QString());
  }
  UpdateTabCaption(at);
  ShowAction(at);
}

void TZEEventEditorView2::DeleteActionClick() {
  const int32_t index = tabs_->currentIndex();
  if (index < 0 || index >= editing_.GetActionCount()) return;
  const int32_t next = editing_.DeleteAction(index);
  {
    const QSignalBlocker block(tabs_);
    tabs_->removeTab(index);
  }
  UpdateTabCaption(0);
  ShowAction(next);
}

void TZEEventEditorView2::DeleteOrderClick() {
  designer_.DeleteOrderNode(orders_, orders_.GetSelected());
  UpdateOrderActions();
}

bool TZEEventEditorView2::EditSelectedOrder() {
  IZETreeNode* node = orders_.GetSelected();
  auto order = node ? node->GetData().As<IZelvoOrderModel>() : nullptr;
  if (!order) return false;
  ordersView_->setZMLZelvoAPI(editing_.getZMLZelvoAPI());
  ordersView_->EditOrder(order);
  ordersView_->exec();
  designer_.DescribeOrderNode(*node);
  return ordersView_->Tag() == 1;
}

void TZEEventEditorView2::ConditionEditorClick() {
  auto action = editing_.CurrentAction();
  if (!action || !conditionEditor_) return;
  conditionEditor_(action->GetCondition());
  conditions_.Clear();
  designer_.FillConditionNodes(conditions_, nullptr, action->GetCondition());
}

void TZEEventEditorView2::ShowOrderList() {
  orderList_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  orderList_->show();
  orderList_->raise();
}

void TZEEventEditorView2::setVisible(bool visible) {
  QDialog::setVisible(visible);
  if (!visible || !isVisible()) return;
  // Only now: a window shown before its modal owner is up counts as blocked by the window that
  // was modal until then (the opener), and Qt never looks at it again.
  orderList_->setZMLZelvoAPI(editing_.getZMLZelvoAPI());
  orderList_->show();
}

void TZEEventEditorView2::done(int result) {
  // Closed any way but OK, the edit is cancelled: shared lists go back as they were.
  if (result == QDialog::Accepted)
    editing_.Release();
  else
    editing_.Cancel();
  orders_.Clear();
  orders_.SetTag(nullptr);
  conditions_.Clear();
  orderList_->close();
  QDialog::done(result);
}

}  // namespace zelvo
