#include "editor/ZEOrdersView.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/ZECp932Text.h"
#include "editor/ZEOrdersMapEditor.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoOrderModel.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

// Stored texts end their lines with CR LF, as the player reads them.
QString memoText(const std::string& cp932) { return Text::fromCp932(cp932).replace("\r\n", "\n"); }

// The colour grid's 16 colours, two rows of eight.
constexpr std::array<uint32_t, 16> kGridColors{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                               0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

QLineEdit* field(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(11);
  return edit;
}

}  // namespace

TZEOrdersView::TZEOrdersView(QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)), status_(new QStatusBar(this)),
      ok_(new QPushButton(QString::fromUtf8("決定(&O)"), this)),
      cancel_(new QPushButton(QString::fromUtf8("キャンセル(&C)"), this)) {
  setObjectName("ZEOrdersView");
  setWindowTitle(QString::fromUtf8("処理の内容を設定してください"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  tabs_->addTab(textPage(), QString::fromUtf8("文章入力ウィンドウ"));
  tabs_->addTab(numberPage(), QString::fromUtf8("数値設定ウィンドウ"));
  tabs_->addTab(mapPage(), QString::fromUtf8("マップ移動用ウィンドウ"));
  tabs_->addTab(effectPage(), QString::fromUtf8("特殊効果用ウィンドウ"));
  tabs_->addTab(new QWidget(tabs_), QString::fromUtf8("ファイル系"));
  tabs_->addTab(new QWidget(tabs_), QString::fromUtf8("パーティ系"));
  tabs_->addTab(new QWidget(tabs_), QString::fromUtf8("歩行設定ウィンドウ"));
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
  layout->addWidget(status_);
  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
  SetMapPicker([this](const std::shared_ptr<IZMLZelvoAPI>& api, IZelvoOrderModel& working) {
    TZEOrdersMapEditor picker(this);
    picker.setZMLZelvoAPI(api);
    picker.LoadOrder(working);
    return picker.exec() == QDialog::Accepted;
  });
}

QWidget* TZEOrdersView::textPage() {
  auto* page = new QWidget(tabs_);
  input_ = new QPlainTextEdit(page);
  copy_ = new QPlainTextEdit(page);
  copy_->setReadOnly(true);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(input_);
  layout->addWidget(new QLabel(QString::fromUtf8("↓"), page));
  layout->addWidget(copy_);
  // Every change reaches the copy, pasted or typed, so nothing entered is lost.
  connect(input_, &QPlainTextEdit::textChanged, this, [this] { copy_->setPlainText(input_->toPlainText()); });
  return page;
}

QWidget* TZEOrdersView::numberPage() {
  auto* page = new QWidget(tabs_);
  number_ = field(page);
  value_ = field(page);
  auto* form = new QFormLayout(page);
  form->addRow(QString::fromUtf8("番号"), number_);
  form->addRow(QString::fromUtf8("値"), value_);
  return page;
}

QWidget* TZEOrdersView::mapPage() {
  auto* page = new QWidget(tabs_);
  mapID_ = field(page);
  x_ = field(page);
  y_ = field(page);
  floorID_ = field(page);
  showMap_ = new QPushButton(QString::fromUtf8("マップを表示する(&V)"), page);
  showMap_->setEnabled(false);
  auto* form = new QFormLayout(page);
  form->addRow(QString::fromUtf8("マップID"), mapID_);
  form->addRow("X", x_);
  form->addRow("Y", y_);
  form->addRow(QString::fromUtf8("レイヤID"), floorID_);
  form->addRow(showMap_);
  connect(showMap_, &QPushButton::clicked, this, [this] { ShowMapClick(); });
  return page;
}

QWidget* TZEOrdersView::effectPage() {
  auto* page = new QWidget(tabs_);
  red_ = field(page);
  green_ = field(page);
  blue_ = field(page);
  auto* rgb = new QHBoxLayout;
  rgb->addWidget(new QLabel(QString::fromUtf8("色(RGB)"), page));
  for (QLineEdit* e : {red_, green_, blue_}) rgb->addWidget(e);
  auto* grid = new QGridLayout;
  for (size_t i = 0; i < colors_.size(); ++i) {
    auto* cell = new QToolButton(page);
    cell->setFixedSize(18, 18);
    cell->setStyleSheet(QString("background-color: #%1").arg(kGridColors[i], 6, 16, QChar('0')));
    grid->addWidget(cell, static_cast<int>(i / 8), static_cast<int>(i % 8));
    colors_[i] = cell;
    connect(cell, &QToolButton::clicked, this, [this, i] {
      TZEOrderFields f;
      f.SetColor(kGridColors[i]);
      red_->setText(QString::fromStdString(f.red));
      green_->setText(QString::fromStdString(f.green));
      blue_->setText(QString::fromStdString(f.blue));
    });
  }
  steps_ = new QSlider(Qt::Horizontal, page);
  steps_->setRange(kMinFadeSteps, kMaxFadeSteps);
  stepsLabel_ = new QLabel(page);
  connect(steps_, &QSlider::valueChanged, this,
          [this](int v) { stepsLabel_->setText(QString::fromUtf8("段階:") + QString::number(v)); });
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(rgb);
  layout->addWidget(new QLabel(QString::fromUtf8("色選択"), page));
  layout->addLayout(grid);
  layout->addWidget(stepsLabel_);
  layout->addWidget(steps_);
  return page;
}

void TZEOrdersView::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  api_ = std::move(api);
  tag_ = 0;
}

void TZEOrdersView::SetMapPicker(MapPicker picker) {
  picker_ = std::move(picker);
  showMap_->setEnabled(static_cast<bool>(picker_));
}

void TZEOrdersView::EditOrder(std::shared_ptr<IZelvoOrderModel> order) {
  tag_ = 0;
  order_ = std::move(order);
  working_ = std::make_shared<TZelvoOrderModel>(-1);
  if (order_) working_->Assign(*order_);
  TreeView1Change();
}

void TZEOrdersView::TreeView1Change() {
  for (int i = 0; i < tabs_->count(); ++i) tabs_->setTabVisible(i, false);
  LoadFields();
  shown_ = order_ ? OrderTabOf(working_->GetType()) : ZEOrderTab::None;
  if (shown_ != ZEOrderTab::None) {
    const int index = static_cast<int>(shown_) - 1;
    tabs_->setTabVisible(index, true);
    tabs_->setCurrentIndex(index);
  }
  if (working_->GetType() == OrderType::MoveToPlace)
    status_->clearMessage();
  else
    status_->showMessage(memoText(working_->GetText()));
}

void TZEOrdersView::LoadFields() {
  const TZEOrderFields f = TZEOrderFields::Load(*working_);
  input_->setPlainText(memoText(f.text));
  copy_->setPlainText(memoText(f.text));
  steps_->setValue(f.fadeSteps);
  stepsLabel_->setText(QString::fromUtf8("段階: ") + QString::number(f.fadeSteps));
  red_->setText(QString::fromStdString(f.red));
  green_->setText(QString::fromStdString(f.green));
  blue_->setText(QString::fromStdString(f.blue));
  mapID_->setText(QString::fromStdString(f.mapID));
  x_->setText(QString::fromStdString(f.x));
  y_->setText(QString::fromStdString(f.y));
  floorID_->setText(QString::fromStdString(f.floorID));
  number_->setText(QString::fromStdString(f.number));
  value_->setText(QString::fromStdString(f.value));
}

bool TZEOrdersView::StoreFields() {
  TZEOrderFields f;
  QString text = copy_->toPlainText();
  // A character the file cannot hold would come back as "?": the text is not taken.
  const auto bytes = TakeCp932(text.replace("\r\n", "\n").replace("\n", "\r\n"), input_, ZETextKind::Text);
  if (!bytes) return false;
  f.text = *bytes;
  f.fadeSteps = steps_->value();
  f.red = red_->text().toStdString();
  f.green = green_->text().toStdString();
  f.blue = blue_->text().toStdString();
  f.mapID = mapID_->text().toStdString();
  f.x = x_->text().toStdString();
  f.y = y_->text().toStdString();
  f.floorID = floorID_->text().toStdString();
  f.number = number_->text().toStdString();
  f.value = value_->text().toStdString();
  const auto bad = f.Store(*working_);
  if (!bad) return true;
  const QLineEdit* edit = *bad == "R" ? red_ : *bad == "G" ? green_ : blue_;
  ShowMessage("'" + edit->text().toStdString() + "' は有効な整数値ではありません", {}, MessageKind::Error);
  return false;
}

void TZEOrdersView::CommitOrder() {
  if (!order_) return;
  // The order's own children stay the very objects the order tree shows.
  std::vector<std::shared_ptr<IZelvoOrderModel>> children;
  for (int32_t i = 0; i < order_->GetChildCount(); ++i) children.push_back(order_->GetChild(i));
  order_->Assign(*working_);
  order_->ClearChildren();
  for (auto& child : children) order_->AddChild(child);
}

void TZEOrdersView::OkClick() {
  if (!StoreFields()) return;
  CommitOrder();
  tag_ = 1;
  accept();
}

void TZEOrdersView::ShowMapClick() {
  if (!picker_ || !StoreFields()) return;
  picker_(api_, *working_);
  LoadFields();
}

}  // namespace zelvo
