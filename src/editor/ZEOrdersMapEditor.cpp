#include "editor/ZEOrdersMapEditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/ZEDesktopWidget.h"
#include "model/ZelvoOrderModel.h"
#include "platform/core/Cp932.h"

namespace zelvo {

// The map's area in pixels with the marker at the picked position; dragging with the left
// button moves it.
class TZEOrdersMapView final : public QWidget {
 public:
  TZEOrdersMapView(TZEOrdersMapPicking& picking, QWidget* parent) : QWidget(parent), picking_(picking) {}

  void UpdateSize() {
    setFixedSize(std::max(picking_.ViewWidth(), 0), std::max(picking_.ViewHeight(), 0));
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    const QRect visible = event->rect();
    constexpr int cell = TZEOrdersMapPicking::kCellPixels;
    p.fillRect(visible, palette().color(QPalette::Dark));
    p.setPen(palette().color(QPalette::Mid));
    for (int x = visible.left() / cell * cell; x <= visible.right(); x += cell) p.drawLine(x, visible.top(), x, visible.bottom());
    for (int y = visible.top() / cell * cell; y <= visible.bottom(); y += cell) p.drawLine(visible.left(), y, visible.right(), y);
    const QPoint at(picking_.GetX(), picking_.GetY());
    const std::pair<int, QColor> outlines[] = {{0, Qt::black}, {1, Qt::white}, {2, Qt::white}, {3, Qt::black}};
    for (const auto& [inset, colour] : outlines) {
      p.setPen(colour);
      p.drawRect(QRect(at + QPoint(inset, inset), QSize(cell - 2 * inset - 1, cell - 2 * inset - 1)));
    }
  }
  void mousePressEvent(QMouseEvent* event) override { drag(event); }
  void mouseMoveEvent(QMouseEvent* event) override { drag(event); }

 private:
  void drag(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    if (picking_.Drag(event->position().toPoint().x(), event->position().toPoint().y())) update();
  }
  TZEOrdersMapPicking& picking_;
};

TZEOrdersMapEditor::TZEOrdersMapEditor(QWidget* parent)
    : QDialog(parent), tree_(new QTreeWidget(this)), maps_(*tree_), layers_(new QListWidget(this)),
      scroll_(new QScrollArea(this)), view_(new TZEOrdersMapView(picking_, scroll_)), position_(new QLabel(this)),
      grid_(new QLineEdit("16", this)), ok_(new QPushButton("OK(&O)", this)), cancel_(new QPushButton("Cancel(&C)", this)) {
  setObjectName("ZEOrdersMapEditor");
  setWindowTitle(QString::fromUtf8("簡易マップビュー"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  tree_->setHeaderHidden(true);
  scroll_->setWidget(view_);
  view_->UpdateSize();
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

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { SelectMap(); });
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

QWidget* TZEOrdersMapEditor::View() const { return view_; }

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
  for (const std::string& name : picking_.LayerNames()) layers_->addItem(QString::fromStdString(Cp932::toUtf8(name)));
  layers_->setCurrentRow(picking_.SelectedLayer());
  view_->UpdateSize();
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
