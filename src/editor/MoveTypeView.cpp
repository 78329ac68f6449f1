#include "editor/MoveTypeView.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEMapEditorHost.h"
#include "editor/core/ZEMoveTypeEditor.h"
#include "editor/core/ZESkinPictures.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMoveTypeList.h"
#include "platform/gui/MessageBox.h"
#include "editor/ZECp932Text.h"
#include "platform/gui/Text.h"

namespace zelvo {
class TMoveTypeView::GridArea : public QWidget {
 public:
  explicit GridArea(TMoveTypeView& view) : view_(view) { setFixedSize(0, 0); }

 protected:
  void paintEvent(QPaintEvent*) override {
    const QImage& image = view_.picture_.GetBitmap().image();
    if (!image.isNull()) QPainter(this).drawImage(0, 0, image);
  }
  void mousePressEvent(QMouseEvent* event) override {
    view_.PressGrid(event->position().toPoint().x(), event->position().toPoint().y(), event->button());
  }

 private:
  TMoveTypeView& view_;
};

// A click on the tree's empty space clears its selection.
class TMoveTypeView::EmptyClick : public QObject {
 public:
  EmptyClick(QTreeWidget& tree, QObject* parent) : QObject(parent), tree_(tree) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress &&
        !tree_.itemAt(static_cast<QMouseEvent*>(event)->position().toPoint())) {
      tree_.setCurrentItem(nullptr);
      tree_.clearSelection();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QTreeWidget& tree_;
};

TMoveTypeView::TMoveTypeView(TZEMoveTypeEditor& editor, IZEMapEditorHost* host, QWidget* parent)
    : QWidget(parent, Qt::Window), editor_(editor), host_(host) {
  setObjectName("MoveTypeView");
  setWindowTitle(Text::u("移動タイプの設定"));

  tree_ = new QTreeWidget;
  tree_->setHeaderHidden(true);
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  tree_->viewport()->installEventFilter(new EmptyClick(*tree_, this));
  grid_ = new GridArea(*this);
  height_ = new QSlider(Qt::Horizontal);
  height_->setRange(0, TZEMoveTypeEditor::kMaxStepLimit);
  name_ = new QLineEdit;

  auto* menuBar = new QMenuBar(this);
  menu_ = menuBar->addMenu(Text::u("移動タイプ(&M)"));
  create_ = menu_->addAction(Text::u("移動タイプの作成(&C)"), this, [this] { CreateMoveType(); });
  delete_ = menu_->addAction(Text::u("移動タイプの削除(&D)"), this, [this] { DeleteMoveType(); });
  delete_->setEnabled(false);

  auto* fields = new QFormLayout;
  fields->addRow(Text::u("名前"), name_);
  fields->addRow(Text::u("高さ"), height_);
  auto* right = new QVBoxLayout;
  right->addLayout(fields);
  right->addWidget(grid_);
  right->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(tree_);
  body->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addLayout(body);

  WhenChoiceChanges(*tree_, this, [this] { NodeSelected(); });
  connect(tree_, &QTreeWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { menu_->exec(tree_->viewport()->mapToGlobal(at)); });
  connect(height_, &QSlider::valueChanged, this, [this](int value) { editor_.SetMaxStep(value); });
  StoreCp932Edits(name_, [this](const std::string& name) {
    if (!editor_.GetSelected()) return;
    editor_.Rename(name);
    if (auto* item = ChosenItem(*tree_)) item->setText(0, Text::fromCp932(name));
  });
}

void TMoveTypeView::setZMLZelvoAPI(IZMLZelvoAPI* api) { api_ = api; }

void TMoveTypeView::LoadSkin(const ZESkinPictures& skin) {
  ground_.GetBitmap() = skin.LoadBitmap("GroundType.bmp");
  traffic_.GetBitmap() = skin.LoadBitmap("traffic.bmp");
  if (editor_.GetSelected()) NodeSelected();
}

void TMoveTypeView::LoadSkin() { LoadSkin(ZESkinPictures()); }

void TMoveTypeView::OpenView() {
  if (!api_) {
    ShowMessage(std::string("setZMLZelvoAPIを呼び出した後で開いてください"), windowTitle().toStdString(),
                MessageKind::Warning);
    return;
  }
  editor_.SetList(api_->GetMoveTypeList());
  RebuildLists();
}

void TMoveTypeView::RebuildLists() {
  {
    QSignalBlocker block(tree_);
    tree_->clear();
    QIcon icon;
    if (icons_) {
      // Move-type entries show picture 0, and picture 1 while selected.
      icon.addPixmap(icons_(0).pixmap(ZESkinPictures::kIconSize), QIcon::Normal);
      icon.addPixmap(icons_(1).pixmap(ZESkinPictures::kIconSize), QIcon::Selected);
    }
    for (const std::string& name : editor_.Names())
      (new QTreeWidgetItem(tree_, QStringList{Text::fromCp932(name)}))->setIcon(0, icon);
  }
  if (host_) host_->SetMoveTypeNames(editor_.Names());
}

void TMoveTypeView::NodeSelected() {
  QTreeWidgetItem* item = ChosenItem(*tree_);
  editor_.SetSelectedIndex(item ? tree_->indexOfTopLevelItem(item) : -1);
  delete_->setEnabled(editor_.GetSelected() != nullptr);
  auto moveType = editor_.GetSelected();
  QSignalBlocker blockHeight(height_);
  if (!moveType) {
    name_->clear();
    grid_->setFixedSize(0, 0);
    return;
  }
  editor_.DrawAll(picture_, ground_, traffic_);
  grid_->setFixedSize(TZEMoveTypeEditor::kGridWidth, TZEMoveTypeEditor::kGridHeight);
  grid_->update();
  height_->setValue(std::clamp(moveType->GetMaxStep(), 0, TZEMoveTypeEditor::kMaxStepLimit));
  name_->setText(Text::fromCp932(moveType->GetNameBytes()));
}

void TMoveTypeView::PressGrid(int x, int y, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  int32_t entry = editor_.ToggleAt(x, y);
  if (entry < 0) return;
  editor_.DrawCell(picture_, entry, ground_, traffic_);
  grid_->update();
}

void TMoveTypeView::CreateMoveType() {
  if (!api_ || !editor_.CreateMoveType(*api_)) return;
  RebuildLists();
  NodeSelected();
}

void TMoveTypeView::DeleteMoveType() {
  if (!editor_.DeleteSelected()) return;
  RebuildLists();
  NodeSelected();
}

void TMoveTypeView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  OpenView();
}

void TMoveTypeView::closeEvent(QCloseEvent* event) {
  editor_.SetList(nullptr);
  QWidget::closeEvent(event);
}

}  // namespace zelvo
