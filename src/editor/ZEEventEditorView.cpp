#include "editor/ZEEventEditorView.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "editor/ZEEventEditorView2.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoOrderModel.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

QWidget* withToolBar(QWidget* parent, QTreeWidget* tree, std::initializer_list<QAction*> actions) {
  auto* box = new QWidget(parent);
  auto* bar = new QToolBar(box);
  for (QAction* a : actions) bar->addAction(a);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bar);
  layout->addWidget(tree);
  // Every button in view: a tool bar narrower than its buttons hides the last behind its overflow.
  box->setMinimumWidth(bar->sizeHint().width());
  return box;
}

// The Delete key on a selected shared list deletes it.
class DeleteListFilter final : public QObject {
 public:
  DeleteListFilter(TZEEventEditorView* view) : QObject(view), view_(view) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
      IZETreeNode* node = view_->SharedOrders().GetSelected();
      if (node && node->GetIcon() == ZEIcon::SharedOrder) view_->DeleteSharedOrderClick();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TZEEventEditorView* view_;
};

}  // namespace

TZEEventEditorView::TZEEventEditorView(QWidget* parent)
    : QDialog(parent), eventWidget_(new QTreeWidget(this)), events_(*eventWidget_), orderWidget_(new QTreeWidget(this)),
      sharedOrders_(*orderWidget_), newPackage_(new QAction(Text::u("イベントパッケージ追加"), this)),
      newEvent_(new QAction(Text::u("イベント追加"), this)), delete_(new QAction(Text::u("削除"), this)),
      newShared_(new QAction(Text::u("共有処理追加"), this)), deleteShared_(new QAction(Text::u("処理の削除"), this)),
      status_(new QStatusBar(this)) {
  setObjectName("ZEEventEditorView");
  setWindowTitle(Text::u("イベントエディタ"));
  newPackage_->setToolTip(Text::u("イベントパッケージの追加を行います"));
  for (QTreeWidget* tree : {eventWidget_, orderWidget_}) tree->setHeaderHidden(true);
  eventWidget_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  // Dragging within the event tree moves nothing.
  eventWidget_->setDragDropMode(QAbstractItemView::NoDragDrop);
  orderWidget_->installEventFilter(new DeleteListFilter(this));

  auto* trees = new QHBoxLayout;
  trees->addWidget(withToolBar(this, eventWidget_, {newPackage_, newEvent_, delete_}));
  trees->addWidget(withToolBar(this, orderWidget_, {newShared_, deleteShared_}));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(trees);
  layout->addWidget(status_);
  resize(560, 420);
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());

  connect(newPackage_, &QAction::triggered, this, [this] { ChangeEvents([this] { editing_.NewEventPackage(events_); }); });
  connect(newEvent_, &QAction::triggered, this, [this] { ChangeEvents([this] { editing_.NewEvent(events_); }); });
  connect(delete_, &QAction::triggered, this, [this] { ChangeEvents([this] { editing_.DeleteSelected(events_); }); });
  connect(newShared_, &QAction::triggered, this, [this] { editing_.NewSharedOrder(sharedOrders_); });
  connect(deleteShared_, &QAction::triggered, this, [this] { DeleteSharedOrderClick(); });
  events_.WhenRenamed(this, [this](IZETreeNode& node, const std::string& name) {
    const QSignalBlocker block(eventWidget_);
    TZESharedEventEditing::Rename(node, name);
  });
  connect(eventWidget_, &QTreeWidget::itemClicked, this, [this] { ShowID(events_); });
  connect(orderWidget_, &QTreeWidget::itemClicked, this, [this] { ShowID(sharedOrders_); });
  connect(eventWidget_, &QTreeWidget::itemDoubleClicked, this, [this] { EditSelectedEvent(); });
  connect(orderWidget_, &QTreeWidget::itemDoubleClicked, this, [this] { EditSelectedSharedOrder(); });
}

void TZEEventEditorView::SetIconSource(std::function<QIcon(int32_t)> icons) {
  events_.SetIconSource(icons);
  sharedOrders_.SetIconSource(icons);
}

void TZEEventEditorView::SetTreeDesigner(TZETreeDesigner* designer) {
  ChangeEvents([&] { editing_.SetTreeDesigner(designer, events_, sharedOrders_); });
}

void TZEEventEditorView::ChangeEvents(const std::function<void()>& change) {
  // Only the user's renaming reaches the models; the designer's own captions do not.
  const QSignalBlocker block(eventWidget_);
  change();
  for (QTreeWidgetItemIterator it(eventWidget_); *it; ++it) (*it)->setFlags((*it)->flags() | Qt::ItemIsEditable);
  eventWidget_->expandAll();
}

TZEEventEditorView2* TZEEventEditorView::EventEditor() {
  if (!editor_) editor_ = new TZEEventEditorView2(this);
  return editor_;
}

void TZEEventEditorView::ShowID(IZETree& tree) {
  IZETreeNode* node = tree.GetSelected();
  auto model = node ? node->GetData().model : nullptr;
  if (model) status_->showMessage(QString::number(model->GetID()));
}

void TZEEventEditorView::EditSelectedEvent() {
  auto event = TZESharedEventEditing::SelectedEvent(events_);
  if (!event) return;
  IZETreeNode* node = events_.GetSelected();
  TZEEventEditorView2* editor = EventEditor();
  editor->setZMLZelvoAPI(editing_.getZMLZelvoAPI());
  editor->EditEvent(event);
  editor->exec();
  const QSignalBlocker block(eventWidget_);
  node->SetCaption(event->GetName());
}

void TZEEventEditorView::EditSelectedSharedOrder() {
  auto list = TZESharedEventEditing::SelectedSharedOrder(sharedOrders_);
  if (!list) return;
  IZETreeNode* node = sharedOrders_.GetSelected();
  TZEEventEditorView2* editor = EventEditor();
  editor->setZMLZelvoAPI(editing_.getZMLZelvoAPI());
  editor->EditSharedOrders(list);
  editor->exec();
  node->SetCaption(list->GetName());
}

void TZEEventEditorView::DeleteSharedOrderClick() {
  if (!TZESharedEventEditing::SelectedSharedOrder(sharedOrders_)) return;
  if (TZESharedEventEditing::DeleteNeedsQuestion(sharedOrders_) &&
      ShowMessage("削除すると共有している他のイベントに影響を及ぼす場合があります\r\n・・・いいんですか、消しますよ？", {},
                  MessageKind::Warning, {MessageAnswer::Ok, MessageAnswer::Cancel}) != MessageAnswer::Ok)
    return;
  editing_.DeleteSharedOrder(sharedOrders_);
}

}  // namespace zelvo
