#include "editor/ZEOrdersMapEditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/QonScrollBox.h"
#include "editor/ZEDesktopWidget.h"
#include "editor/core/EtcBitmapList.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorPainter.h"
#include "editor/core/ZEMapEditorPictures.h"
#include "editor/core/ZEMapEditorSkin.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/gui/Text.h"

namespace zelvo {

TZEOrdersMapEditor::TZEOrdersMapEditor(QWidget* parent)
    : QDialog(parent), tree_(new QTreeWidget(this)), maps_(*tree_), layers_(new QListWidget(this)),
      engine_(std::make_unique<TZEMapEditor>()), skin_(std::make_unique<TZEMapEditorSkin>()),
      pictures_(std::make_unique<TZEMapEditorPictures>()),
      painter_(std::make_unique<TZEMapEditorPainter>(*engine_, *skin_, *pictures_)), scroll_(new TQonScrollBox(this)),
      position_(new QLabel(this)),
      grid_(new QLineEdit("16", this)), ok_(new QPushButton("OK(&O)", this)), cancel_(new QPushButton("Cancel(&C)", this)) {
  setObjectName("ZEOrdersMapEditor");
  setWindowTitle(QString::fromUtf8("簡易マップビュー"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  tree_->setHeaderHidden(true);
  scroll_->SetChipSize(TZEOrdersMapPicking::kCellPixels);
  scroll_->SetPower(16);
  scroll_->OnPaint = [this](QPainter& painter, const QRect& clip) { PaintView(painter, clip); };
  const auto drag = [this](int32_t x, int32_t y) {
    if (scroll_->IsButtonDown(mbLeft)) Drag(x, y);
  };
  scroll_->OnMouseDown = [drag](TQonMouseButton, TQonShiftState, int32_t x, int32_t y) { drag(x, y); };
  scroll_->OnMouseMove = [drag](TQonShiftState, int32_t x, int32_t y) { drag(x, y); };
  LoadSkin();
  auto* left = new QVBoxLayout;
  left->addWidget(tree_);
  left->addWidget(new QLabel(QString::fromUtf8("レイヤリスト"), this));
  left->addWidget(layers_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(position_);
  bottom->addWidget(new QLabel(QString::fromUtf8("グリッド"), this));
  bottom->addWidget(grid_);
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addWidget(cancel_);
  auto* right = new QVBoxLayout;
  right->addWidget(scroll_);
  right->addLayout(bottom);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 3);
  resize(720, 480);

  maps_.WhenSelectionChanges(this, [this] { SelectMap(); });
  connect(layers_, &QListWidget::currentRowChanged, this, [this](int row) { picking_.SelectLayer(row); });
  connect(grid_, &QLineEdit::textChanged, this, [this](const QString& t) { picking_.SetGridText(t.toStdString()); });
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (order_) picking_.Commit(*order_);
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
  LoadWidgetPosition(*this);
}

TZEOrdersMapEditor::~TZEOrdersMapEditor() { SaveWidgetPosition(*this); }

void TZEOrdersMapEditor::LoadSkin() {
  skin_->Load();
  UpdateView();
}

QWidget* TZEOrdersMapEditor::View() const { return scroll_->qonPaintBox; }

void TZEOrdersMapEditor::UpdateView() {
  engine_->SetMap(picking_.GetNode());
  engine_->SetLayerIndex(std::max(picking_.SelectedLayer(), 0));
  if (auto map = engine_->GetCurrentMap()) {
    // The picker outlives a change of the open game.
    const std::string graphics = GamePathPrefix() + "Graphics\\";
    if (pictures_->GraphicsFolder() != graphics) pictures_->SetGraphicsFolder(graphics);
    pictures_->LoadChipSetBitmaps(*engine_->GetBitmapList(), *map);
    pictures_->LoadLayerPictures(*map);
  } else {
    engine_->GetBitmapList()->Clear();
  }
  painter_->InvalidateTiles();
  scroll_->SetBitmapWidth(std::max(picking_.ViewWidth(), 0));
  scroll_->SetBitmapHeight(std::max(picking_.ViewHeight(), 0));
  scroll_->qonPaintBox->update();
}

void TZEOrdersMapEditor::PaintView(QPainter& p, const QRect& clip) {
  if (clip.isEmpty()) return;
  if (engine_->GetCurrentMap()) {
    const int32_t w = std::min(clip.width(), Bitmap::kMaxSide), h = std::min(clip.height(), Bitmap::kMaxSide);
    Bitmap target(w, h);
    painter_->PaintCanvas(target, {clip.left(), clip.top()}, {clip.left(), clip.top(), clip.left() + w, clip.top() + h},
                          scroll_->Power());
    p.drawImage(clip.topLeft(), target.image());
  }
  // The marker's outlines at the zoom, from the outside in.
  const int32_t power = scroll_->Power();
  const auto zoom = [power](int32_t v) { return int32_t(int64_t(v) * power / 16); };
  constexpr int cell = TZEOrdersMapPicking::kCellPixels;
  const std::pair<int, QColor> outlines[] = {{0, Qt::black}, {1, Qt::white}, {2, Qt::white}, {3, Qt::black}};
  for (const auto& [inset, colour] : outlines) {
    p.setPen(colour);
    const int32_t left = zoom(picking_.GetX() + inset), top = zoom(picking_.GetY() + inset);
    const int32_t side = zoom(cell - 2 * inset) - 1;
    p.drawRect(QRect(left, top, side, side));
  }
}

void TZEOrdersMapEditor::Drag(int32_t x, int32_t y) {
  if (picking_.Drag(x, y)) scroll_->qonPaintBox->update();
}

void TZEOrdersMapEditor::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  const QSignalBlocker block(tree_);
  picking_.setZMLZelvoAPI(std::move(api), maps_);
  tree_->expandAll();
}

void TZEOrdersMapEditor::LoadOrder(IZelvoOrderModel& order) {
  order_ = &order;
  {
    const QSignalBlocker block(tree_);
    picking_.LoadOrder(order, maps_);
  }
  position_->setText(QString::fromStdString(picking_.PositionLabel()));
  FillLayers();
}

void TZEOrdersMapEditor::SelectMap() {
  picking_.SelectMap(maps_.GetSelected());
  FillLayers();
}

void TZEOrdersMapEditor::FillLayers() {
  const QSignalBlocker block(layers_);
  layers_->clear();
  for (const std::string& name : picking_.LayerNames()) layers_->addItem(Text::fromCp932(name));
  layers_->setCurrentRow(picking_.SelectedLayer());
  UpdateView();
}

void TZEOrdersMapEditor::done(int result) {
  {
    const QSignalBlocker block(tree_);
    picking_.Close(maps_);
  }
  order_ = nullptr;
  QDialog::done(result);
}

}  // namespace zelvo
