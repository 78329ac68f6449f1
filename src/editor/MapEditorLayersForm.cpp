#include "editor/MapEditorLayersForm.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "editor/MapLayerPropertyForm.h"
#include "editor/ZEDesktopWidget.h"
#include "editor/core/ZEDesktopController.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorHost.h"
#include "editor/core/ZESkinPictures.h"
#include "model/ZelvoMapFloorModel.h"
#include "editor/ZECp932Text.h"
#include "platform/core/ClampedMath.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

constexpr int kTypeRole = Qt::UserRole + 1;

}  // namespace

// Drops from elsewhere are refused; a drop within the list becomes an exchange of layers.
class TMapEditorLayersForm::RowList : public QListWidget {
 public:
  explicit RowList(TMapEditorLayersForm& form) : form_(form) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
  }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->source() == this) QListWidget::dragEnterEvent(event);
    else event->ignore();
  }
  void dragMoveEvent(QDragMoveEvent* event) override {
    if (event->source() == this) QListWidget::dragMoveEvent(event);
    else event->ignore();
  }
  void dropEvent(QDropEvent* event) override {
    if (event->source() != this) return event->ignore();
    // The list is rebuilt from the map; the view must not move the row itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    form_.DropOnRow(indexAt(event->position().toPoint()).row());
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    form_.UpdateMenu();
    form_.PopupMenu()->exec(event->globalPos());
  }

 private:
  TMapEditorLayersForm& form_;
};

// A row: the layer-type icon at the left edge, the text 16 pixels to its right.
class TMapEditorLayersForm::RowDelegate : public QStyledItemDelegate {
 public:
  RowDelegate(const std::vector<QImage>& icons, QObject* parent) : QStyledItemDelegate(parent), icons_(icons) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    bool selected = option.state & QStyle::State_Selected;
    QRect r = option.rect;
    painter->fillRect(r, selected ? QColor::fromRgb(kSelectedBackground) : QColor(Qt::white));
    const int32_t icon = ClampedAdd(index.data(kTypeRole).toInt(), selected ? TZELayerList::kSelectedIconOffset : 0);
    if (icon >= 0 && size_t(icon) < icons_.size()) painter->drawImage(r.topLeft(), icons_[size_t(icon)]);
    painter->setPen(Qt::black);
    painter->drawText(QRect(r.left() + kRowHeight, r.top(), r.width() - kRowHeight, r.height()),
                      Qt::AlignLeft | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
  }

 private:
  const std::vector<QImage>& icons_;
};

TMapEditorLayersForm::TMapEditorLayersForm(TZEMapEditor& editor, IZEMapEditorHost* host, QWidget* parent,
                                           std::filesystem::path placeFile)
    : QWidget(parent, Qt::Window), editor_(editor), host_(host), layers_(editor, host), placeFile_(std::move(placeFile)) {
  setObjectName(QString::fromUtf8(DesktopSection::LayerWindow.data(), DesktopSection::LayerWindow.size()));
  setWindowTitle(Text::u("レイヤー"));

  list_ = new RowList(*this);
  list_->setItemDelegate(new RowDelegate(icons_, list_));
  list_->setUniformItemSizes(true);
  opacity_ = new QSlider(Qt::Horizontal);
  opacity_->setRange(0, TZELayerList::kMaxOpacity);
  name_ = new QLineEdit;
  auto* fields = new QFormLayout;
  fields->addRow(Text::u("透明度"), opacity_);
  fields->addRow(Text::u("名前"), name_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(fields);

  menu_ = new QMenu(this);
  add_ = menu_->addAction(Text::u("新規レイヤの追加(&N)"), this, [this] {
    if (layers_.AddLayer()) Changed(false);
  });
  delete_ = menu_->addAction(Text::u("選択レイヤの削除(&D)"), this, [this] {
    if (layers_.DeleteLayer()) Changed(true);
  });
  properties_ = menu_->addAction(Text::u("選択レイヤのプロパティ(&P)"), this, [this] { ShowProperties(); });
  up_ = menu_->addAction(Text::u("↑上に移動"), this, [this] {
    if (layers_.MoveUp()) Changed(true);
  });
  down_ = menu_->addAction(Text::u("↓下に移動"), this, [this] {
    if (layers_.MoveDown()) Changed(true);
  });
  decoration_ = menu_->addAction(Text::u("装飾レイヤの作成(&D)"));
  connect(menu_, &QMenu::aboutToShow, this, [this] { UpdateMenu(); });

  propertyForm_ = new TMapLayerPropertyForm(editor_, host_, this);
  propertyForm_->SetOnApplied([this] { RefreshList(); });

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ClickRow(row); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ShowProperties(); });
  connect(opacity_, &QSlider::valueChanged, this, [this](int value) {
    if (!layers_.HasMap()) return;
    layers_.SetEditorOpacity(value);
    if (host_) host_->RepaintCanvas();
    RefreshList();
  });
  StoreCp932Edits(name_, [this](const std::string& name) {
    if (!layers_.HasMap()) return;
    layers_.SetLayerName(name);
    RefreshList();
  });

  // Wide enough for a layer's name and transparency, tall enough for several layers; a stored
  // place replaces it.
  resize(kDesignedSize);
  if (placeFile_.empty()) LoadWidgetPosition(*this);
  else LoadWidgetPosition(*this, placeFile_);
}

TMapEditorLayersForm::~TMapEditorLayersForm() {
  if (placeFile_.empty()) SaveWidgetPosition(*this);
  else SaveWidgetPosition(*this, placeFile_);
}

void TMapEditorLayersForm::setZMLZelvoAPI(IZMLZelvoAPI* api) {
  api_ = api;
  layers_.SetAPI(api);
}

void TMapEditorLayersForm::RefreshList() {
  {
    QSignalBlocker block(list_);
    list_->clear();
    std::vector<std::string> rows = layers_.Rows();
    for (int row = 0; row < int(rows.size()); ++row) {
      auto* item = new QListWidgetItem(Text::fromCp932(rows[size_t(row)]), list_);
      item->setData(kTypeRole, layers_.IconOfRow(row, false));
    }
    list_->setCurrentRow(layers_.SelectedRow());
  }
  ClickRow(list_->currentRow());
}

void TMapEditorLayersForm::LoadIcons() { LoadIcons(ZESkinPictures()); }

void TMapEditorLayersForm::LoadIcons(const ZESkinPictures& skin) {
  icons_ = skin.LoadIconStrip("Layericon.bmp");
  list_->viewport()->update();
}

void TMapEditorLayersForm::ClickRow(int row) {
  if (!layers_.ClickRow(row)) return;
  ShowCurrentLayer();
  if (host_) host_->RepaintCanvas();
}

void TMapEditorLayersForm::ShowCurrentLayer() {
  auto layer = editor_.GetCurrentLayer();
  if (!layer) return;
  QSignalBlocker blockOpacity(opacity_);
  opacity_->setValue(std::clamp(layer->GetEditorOpacity(), 0, TZELayerList::kMaxOpacity));
  QString name = Text::fromCp932(layer->GetNameBytes());
  // Rewriting the text while it is typed would move the cursor.
  if (name_->text() != name) name_->setText(name);
}

void TMapEditorLayersForm::DropOnRow(int target) {
  if (layers_.DropRow(target, list_->currentRow())) Changed(true);
}

void TMapEditorLayersForm::UpdateMenu() {
  add_->setEnabled(layers_.HasMap());
  delete_->setEnabled(layers_.CanDelete());
  properties_->setEnabled(layers_.HasMap());
  up_->setEnabled(layers_.CanMoveUp());
  down_->setEnabled(layers_.CanMoveDown());
  decoration_->setEnabled(true);
}

void TMapEditorLayersForm::ShowProperties() {
  if (!layers_.HasMap()) return;
  propertyForm_->setZMLZelvoAPI(api_);
  propertyForm_->exec();
}

void TMapEditorLayersForm::Changed(bool repaint) {
  RefreshList();
  if (repaint && host_) host_->RepaintCanvas();
}

void TMapEditorLayersForm::closeEvent(QCloseEvent* event) {
  list_->clear();
  QWidget::closeEvent(event);
}

}  // namespace zelvo
