#include "editor/MapChipSetEditorForm.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QHideEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/MapChipSetPropertyForm.h"
#include "editor/PassButtonPad.h"
#include "editor/QonScrollBox.h"
#include "editor/ZEDesktopWidget.h"
#include "editor/core/ZESkinPictures.h"
#include "platform/core/GameGeometry.h"
#include "platform/gui/Text.h"

namespace zelvo {

namespace {

constexpr int32_t kPowerUnit = 16;
constexpr std::array<int32_t, 4> kPassBits = {PassBits::Up, PassBits::Down, PassBits::Left, PassBits::Right};

}  // namespace

TMapChipSetEditorForm::TMapChipSetEditorForm(QWidget* parent) : QDialog(parent) {
  setObjectName("MapChipSetEditorForm");
  setWindowTitle(Text::u("マップチップセットエディタ"));
  makeActions();
  makeViewBar();
  makeFields();
  makeLayout();
  connectFields();
  propertyForm_ = new TMapChipSetPropertyForm(this);
  LoadWidgetPosition(*this);
  RefreshCommands();
  RefreshFields();
}

TMapChipSetEditorForm::~TMapChipSetEditorForm() { SaveWidgetPosition(*this); }

void TMapChipSetEditorForm::makeActions() {
  NewAction = new QAction(Text::u("新規チップセット(&C)"), this);
  DeleteAction = new QAction(Text::u("チップセットの削除(&D)"), this);
  PropertyAction = new QAction(Text::u("チップセットのプロパティ(&P)"), this);
  UseAction = new QAction(Text::u("チップセットの使用(&U)"), this);
  connect(NewAction, &QAction::triggered, this, [this] { NewChipSetExecute(); });
  connect(DeleteAction, &QAction::triggered, this, [this] { DeleteChipSetExecute(); });
  connect(PropertyAction, &QAction::triggered, this, [this] { PropertyExecute(); });
  connect(UseAction, &QAction::triggered, this, [this] { UseChipSetExecute(); });

  MainMenu = new QMenuBar(this);
  ChipSetMenu = MainMenu->addMenu(Text::u("マップチップセット(&M)"));
  TreePopup = new QMenu(this);
  for (QMenu* menu : {ChipSetMenu, TreePopup}) {
    menu->addActions({NewAction, DeleteAction, PropertyAction, UseAction});
    // Whether a map is open in the map editor can change while this window waits.
    connect(menu, &QMenu::aboutToShow, this, [this] { RefreshCommands(); });
  }
}

void TMapChipSetEditorForm::makeViewBar() {
  ViewBar = new QToolBar(this);
  auto* group = new QActionGroup(this);
  group->setExclusive(true);
  const auto add = [&](const char* caption) {
    QAction* action = ViewBar->addAction(Text::u(caption));
    action->setCheckable(true);
    group->addAction(action);
    return action;
  };
  NormalViewAction = add("無し");
  HeightViewAction = add("高さ");
  EncounterViewAction = add("エンカウント");
  PassabilityViewAction = add("移動設定");
  GroundTypeViewAction = add("地面種類");
  NormalViewAction->setChecked(true);
  connect(group, &QActionGroup::triggered, this, [this] { ViewChange(); });
}

void TMapChipSetEditorForm::makeFields() {
  ChipSetTree = new QTreeWidget(this);
  ChipSetTree->setHeaderHidden(true);
  ChipSetTree->setSelectionMode(QAbstractItemView::SingleSelection);
  ChipSetTree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
  ChipSetTree->setContextMenuPolicy(Qt::CustomContextMenu);
  ChipSetTree->viewport()->installEventFilter(this);
  tree_ = std::make_unique<TZETreeWidgetAdapter>(*ChipSetTree);
  tree_->SetIconSource([this](int32_t index) { return TreeIcon(index); });

  PictureScroll = new TQonScrollBox(this);
  PictureScroll->SetChipSize(kChip);

  FieldTabs = new QTabWidget(this);
  auto* settings = new QWidget(FieldTabs);
  HeightEdit = new QLineEdit(settings);
  GroundTypeList = new QComboBox(settings);
  for (const char* kind : {"属性なし", "草地", "荒地", "砂地", "雪原", "道路", "線路", "河川", "海原"})
    GroundTypeList->addItem(Text::u(kind));
  EncounterEdit = new QLineEdit(settings);
  EventIDEdit = new QLineEdit(settings);
  auto* form = new QFormLayout(settings);
  form->addRow(Text::u("高さ"), HeightEdit);
  form->addRow(Text::u("地面種類"), GroundTypeList);
  form->addRow(Text::u("エンカウント率"), EncounterEdit);
  form->addRow(Text::u("イベントID"), EventIDEdit);
  FieldTabs->addTab(settings, Text::u("設定"));

  auto* traffic = new QWidget(FieldTabs);
  auto* grid = new QGridLayout(traffic);
  const TPassButtonPad pad = MakePassButtonPad(traffic, grid);
  PassButtons = pad.directions;
  AllWaysButton = pad.allWays;
  NoWayButton = pad.noWay;
  FieldTabs->addTab(traffic, Text::u("通行設定"));
}

void TMapChipSetEditorForm::makeLayout() {
  auto* right = new QWidget(this);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(ViewBar);
  rightLayout->addWidget(PictureScroll, 1);
  rightLayout->addWidget(FieldTabs);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(ChipSetTree);
  splitter->addWidget(right);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(MainMenu);
  layout->addWidget(splitter);
  resize(640, 480);
}

void TMapChipSetEditorForm::connectFields() {
  connect(ChipSetTree, &QTreeWidget::itemSelectionChanged, this, [this] { ChipSetTreeChange(); });
  tree_->WhenRenamed(this, [this](IZETreeNode& node, const std::string&) { ChipSetTreeEdited(node); });
  connect(ChipSetTree, &QTreeWidget::itemDoubleClicked, this, [this] { PropertyAction->trigger(); });
  connect(ChipSetTree, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { TreePopup->popup(ChipSetTree->viewport()->mapToGlobal(at)); });

  PictureScroll->OnPaint = [this](QPainter& painter, const QRect& clip) { PicturePaint(painter, clip); };
  PictureScroll->OnMouseDown = [this](TQonMouseButton b, TQonShiftState, int32_t x, int32_t y) {
    PictureMouseDown(b, x, y);
  };
  PictureScroll->OnMouseMove = [this](TQonShiftState, int32_t x, int32_t y) { PictureMouseMove(x, y); };
  PictureScroll->OnMouseUp = [this](TQonMouseButton b, TQonShiftState, int32_t x, int32_t y) {
    PictureMouseUp(b, x, y);
  };

  connect(HeightEdit, &QLineEdit::textEdited, this,
          [this](const QString& t) { if (auto b = Text::toCp932(t)) FieldWritten(control_.SetHeightText(*b)); });
  connect(EncounterEdit, &QLineEdit::textEdited, this,
          [this](const QString& t) { if (auto b = Text::toCp932(t)) FieldWritten(control_.SetEncounterText(*b)); });
  connect(EventIDEdit, &QLineEdit::textEdited, this,
          [this](const QString& t) { if (auto b = Text::toCp932(t)) FieldWritten(control_.SetEventIDText(*b)); });
  connect(GroundTypeList, &QComboBox::activated, this, [this](int kind) { FieldWritten(control_.SetGroundType(kind)); });
  for (QPushButton* button : PassButtons) connect(button, &QPushButton::clicked, this, [this] { PassButtonClick(); });
  connect(AllWaysButton, &QPushButton::clicked, this, [this] { SetPassability(TZEChipSetOverlay::kAllWays); });
  connect(NoWayButton, &QPushButton::clicked, this, [this] { SetPassability(0); });
}

void TMapChipSetEditorForm::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  control_.setZMLZelvoAPI(std::move(api));
  BuildTree();
}

void TMapChipSetEditorForm::LoadSkin() {
  control_.LoadSkin();
  treeIcons_.clear();
  for (const QImage& icon : ZESkinPictures().LoadIconStrip("treeicon.bmp"))
    treeIcons_.push_back(QIcon(QPixmap::fromImage(icon)));
  const QSignalBlocker block(ChipSetTree);
  for (int32_t i = 0; i < tree_->GetTopLevelCount(); ++i) {
    IZETreeNode* node = tree_->GetTopLevel(i);
    if (const auto chipSet = TZEChipSetEditorControl::ChipSetOf(node)) TZEChipSetEditorControl::ShowIcons(*node, *chipSet);
  }
  RefreshPicture();
}

// Only the program's own showing and closing count: a window that comes back from being
// minimised keeps its selection and picture.
void TMapChipSetEditorForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) BuildTree();
  QDialog::showEvent(event);
}

void TMapChipSetEditorForm::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) {
    control_.Close();
    RefreshPicture();
  }
  QDialog::hideEvent(event);
}

bool TMapChipSetEditorForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ChipSetTree->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && !ChipSetTree->itemAt(mouse->position().toPoint())) {
      ChipSetTree->clearSelection();
      ChipSetTree->setCurrentItem(nullptr);
    }
  }
  return QDialog::eventFilter(watched, event);
}

// ---- the tree

void TMapChipSetEditorForm::BuildTree() {
  {
    const QSignalBlocker block(ChipSetTree);
    control_.FillTree(*tree_);
    for (int32_t i = 0; i < tree_->GetTopLevelCount(); ++i) MakeEditable(tree_->GetTopLevel(i));
  }
  ChipSetTreeChange();
}

void TMapChipSetEditorForm::MakeEditable(IZETreeNode* node) {
  if (auto* item = dynamic_cast<QTreeWidgetItem*>(node)) item->setFlags(item->flags() | Qt::ItemIsEditable);
}

QIcon TMapChipSetEditorForm::TreeIcon(int32_t index) const {
  return index >= 0 && size_t(index) < treeIcons_.size() ? treeIcons_[size_t(index)] : QIcon();
}

IZETreeNode* TMapChipSetEditorForm::SelectedNode() const {
  const QList<QTreeWidgetItem*> selected = ChipSetTree->selectedItems();
  return selected.isEmpty() ? nullptr : tree_->NodeOf(selected.front());
}

void TMapChipSetEditorForm::ChipSetTreeChange() {
  control_.SelectChipSet(TZEChipSetEditorControl::ChipSetOf(SelectedNode()));
  RefreshPicture();
  RefreshFields();
  RefreshCommands();
}

void TMapChipSetEditorForm::ChipSetTreeEdited(IZETreeNode& node) {
  const QSignalBlocker block(ChipSetTree);
  control_.Rename(node);
}

// ---- commands

void TMapChipSetEditorForm::RefreshCommands() {
  DeleteAction->setEnabled(control_.CanDelete());
  DeleteAction->setText(QString::fromUtf8(control_.DeleteCaption().c_str()));
  PropertyAction->setEnabled(control_.CanEditProperties());
  UseAction->setEnabled(control_.CanUse());
}

void TMapChipSetEditorForm::NewChipSetExecute() {
  const QSignalBlocker block(ChipSetTree);
  MakeEditable(control_.NewChipSet(*tree_));
}

void TMapChipSetEditorForm::DeleteChipSetExecute() {
  if (!control_.CanDelete()) return;
  {
    const QSignalBlocker block(ChipSetTree);
    control_.ToggleDeleted(SelectedNode());
  }
  RefreshCommands();
}

void TMapChipSetEditorForm::PropertyExecute() {
  IZETreeNode* node = SelectedNode();
  if (!node || !control_.CanEditProperties()) return;
  propertyForm_->SetIconList(mainIcons_);
  propertyForm_->setZMLZelvoAPI(control_.GetZMLZelvoAPI());
  propertyForm_->Edit(control_.SelectedChipSet());
  if (propertyForm_->exec() != QDialog::Accepted) return;
  {
    // The node shows the name the dialog gave.
    const QSignalBlocker block(ChipSetTree);
    node->SetCaption(control_.SelectedChipSet()->GetName());
  }
  control_.PropertiesApplied(propertyForm_->Changed());
  RefreshPicture();
  RefreshFields();
  RefreshCommands();
}

void TMapChipSetEditorForm::UseChipSetExecute() {
  if (control_.CanUse()) control_.UseChipSet();
}

void TMapChipSetEditorForm::ViewChange() {
  uint32_t views = cvNone;
  if (HeightViewAction->isChecked()) views = cvHeight;
  if (EncounterViewAction->isChecked()) views = cvEncounter;
  if (PassabilityViewAction->isChecked()) views = cvPassability;
  if (GroundTypeViewAction->isChecked()) views = cvGroundType;
  control_.SetViews(views);
  PictureScroll->qonPaintBox->update();
}

// ---- the picture

void TMapChipSetEditorForm::RefreshPicture() {
  PictureScroll->SetBitmapWidth(control_.AreaWidth());
  PictureScroll->SetBitmapHeight(control_.AreaHeight());
  PictureScroll->qonPaintBox->update();
}

void TMapChipSetEditorForm::PicturePaint(QPainter& painter, const QRect&) {
  const TBitmap32& composed = control_.Composed();
  if (composed.Width() == 0 || composed.Height() == 0) return;
  const int32_t power = PictureScroll->Power();
  const auto zoom = [power](int32_t v) { return int32_t(int64_t(v) * power / kPowerUnit); };
  const QImage& argb = composed.GetBitmap().image();
  // Shown as the picture's colours; its alpha only matters for drawing onto it.
  const QImage opaque(argb.constBits(), argb.width(), argb.height(), argb.bytesPerLine(), QImage::Format_RGB32);
  painter.drawImage(QRect(0, 0, zoom(composed.Width()), zoom(composed.Height())), opaque);
  if (!control_.HasSelectedChip()) return;
  // The outline inverts what is under it, each pixel once, so it shows on any picture.
  const TRect o = control_.SelectionOutline();
  const int32_t left = zoom(o.Left), top = zoom(o.Top), right = zoom(o.Right + 1) - 1, bottom = zoom(o.Bottom + 1) - 1;
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter.fillRect(QRect(QPoint(left, top), QPoint(right, top)), Qt::black);
  if (bottom > top) painter.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), Qt::black);
  if (bottom - top > 1) {
    painter.fillRect(QRect(QPoint(left, top + 1), QPoint(left, bottom - 1)), Qt::black);
    if (right > left) painter.fillRect(QRect(QPoint(right, top + 1), QPoint(right, bottom - 1)), Qt::black);
  }
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TMapChipSetEditorForm::PictureMouseDown(TQonMouseButton button, int32_t x, int32_t y) {
  control_.MouseDown(button, x, y);
  RefreshFields();
  PictureScroll->qonPaintBox->update();
}

void TMapChipSetEditorForm::PictureMouseMove(int32_t x, int32_t y) {
  if (!control_.Tracking()) return;
  const auto before = control_.SelectedChip();
  control_.MouseMove(x, y);
  const auto after = control_.SelectedChip();
  if (before == after) return;
  RefreshFields();
  PictureScroll->qonPaintBox->update();
}

void TMapChipSetEditorForm::PictureMouseUp(TQonMouseButton button, int32_t x, int32_t y) {
  control_.MouseUp(button, x, y);
}

// ---- the fields

void TMapChipSetEditorForm::RefreshFields() {
  TZelvoChipAttributes chip;
  const bool selected = control_.SelectedChipRecord(chip);
  const QSignalBlocker b1(HeightEdit), b2(EncounterEdit), b3(EventIDEdit), b4(GroundTypeList);
  HeightEdit->setText(selected ? QString::number(chip.Height) : QString());
  EncounterEdit->setText(selected ? QString::number(chip.EncounterRate) : QString());
  EventIDEdit->setText(selected ? QString::number(chip.EventID) : QString());
  const bool knownKind = selected && chip.GroundKind >= 0 && chip.GroundKind < GroundTypeList->count();
  GroundTypeList->setCurrentIndex(knownKind ? chip.GroundKind : -1);
  for (size_t i = 0; i < PassButtons.size(); ++i) {
    const QSignalBlocker block(PassButtons[i]);
    PassButtons[i]->setChecked(selected && (chip.Passability & kPassBits[i]) != 0);
  }
}

void TMapChipSetEditorForm::PassButtonClick() {
  int32_t bits = 0;
  for (size_t i = 0; i < PassButtons.size(); ++i)
    if (PassButtons[i]->isChecked()) bits |= kPassBits[i];
  SetPassability(bits);
}

void TMapChipSetEditorForm::SetPassability(int32_t bits) {
  control_.SetPassability(bits);
  // The toggles show what the chip holds, also when there is no chip to write to.
  RefreshFields();
  PictureScroll->qonPaintBox->update();
}

void TMapChipSetEditorForm::FieldWritten(bool written) {
  if (written) PictureScroll->qonPaintBox->update();
}

}  // namespace zelvo
