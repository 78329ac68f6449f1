// The map editor window: its controls, pages, tool bar and menus as the user sees them.

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/MapChipSetEditorForm.h"
#include "editor/MapEditorForm.h"
#include "editor/MapEditorMapTree.h"
#include "editor/MoveTypeView.h"
#include "editor/PassButtonPad.h"
#include "editor/QonScrollBox.h"
#include "editor/core/ZEMoveTypeEditor.h"
#include "platform/core/GameGeometry.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

constexpr const char* kModeHints[] = {"チップの配置", "高さの編集", "エンカウント率の編集", "移動可能方向の編集",
                                      "移動範囲の確認", "乗り物の移動範囲設定", "イベントの編集"};
constexpr const char* kToolHints[] = {"鉛筆", "直線", "四角", "四角（塗りつぶし）", "塗りつぶし", "コピー＆ペースト"};
constexpr const char* kGroundTypes[] = {"属性なし", "草地", "荒地", "砂地", "雪原", "道路", "線路", "河川", "海原"};

QGroupBox* group(const char* caption, QWidget* parent) { return new QGroupBox(Text::u(caption), parent); }

}  // namespace

void TMapEditorForm::makeControls() {
  makeToolBar();
  mapScroll_ = new TQonScrollBox(this);
  mapScroll_->SetChipSize(kChip);
  mapScroll_->SetPower(16);
  mapScroll_->SetViewType(0);
  mapScroll_->SetBitmapWidth(0);
  mapScroll_->SetBitmapHeight(0);
  mapScroll_->setAcceptDrops(true);

  auto* left = new QWidget(this);
  leftPanel_ = left;
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(makePages());
  auto* treeGroup = group("マップのツリー表示", left);
  auto* treeLayout = new QVBoxLayout(treeGroup);
  mapTreeView_ = new MapTree(*this, treeGroup);
  treeLayout->addWidget(mapTreeView_);
  leftLayout->addWidget(treeGroup, 1);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(left);
  splitter->addWidget(mapScroll_);
  splitter->setStretchFactor(1, 1);

  sizeLabel_ = new QLabel(this);
  loopCheck_ = new QCheckBox(Text::u("画面端ループ"), this);
  zoomBar_ = new QSlider(Qt::Horizontal, this);
  zoomBar_->setRange(1, 6);
  zoomBar_->setValue(2);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(sizeLabel_, 1);
  bottom->addWidget(loopCheck_);
  bottom->addWidget(zoomBar_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(toolBar_);
  layout->addWidget(splitter, 1);
  layout->addLayout(bottom);
  resize(800, 600);
}

QWidget* TMapEditorForm::makePages() {
  pages_ = new QTabWidget(this);

  auto* chips = group("マップチップの配置", pages_);
  auto* chipsLayout = new QVBoxLayout(chips);
  // The tabs' pop-up opens over the tabs and the palette alike, so a map without chip sets (no
  // tabs to click) can get its first one.
  chips->setContextMenuPolicy(Qt::CustomContextMenu);
  chipTabs_ = new QTabBar(chips);
  chipScroll_ = new TQonScrollBox(chips);
  chipScroll_->SetChipSize(kChip);
  chipScroll_->SetBitmapWidth(0);
  chipScroll_->SetBitmapHeight(0);
  chipScroll_->setAcceptDrops(true);
  chipsLayout->addWidget(chipTabs_);
  chipsLayout->addWidget(chipScroll_, 1);
  pages_->addTab(chips, Text::u("マップチップ"));

  auto* height = group("高さの設定", pages_);
  auto* heightLayout = new QVBoxLayout(height);
  heightBox_ = new QLabel(height);
  heightBox_->setFixedSize(32, 32);
  heightBox_->setAutoFillBackground(true);
  heightBar_ = new QSlider(Qt::Horizontal, height);
  heightBar_->setRange(-15, 15);
  heightBar_->setTickInterval(4);
  heightBar_->setTickPosition(QSlider::TicksBelow);
  heightEdit_ = new QLineEdit(Text::u("0"), height);
  heightLayout->addWidget(heightBox_);
  heightLayout->addWidget(heightBar_);
  heightLayout->addWidget(heightEdit_);
  heightLayout->addWidget(new QLabel(Text::u("マップに段差を設定します"), height));
  heightLayout->addWidget(new QLabel(Text::u("黄色いところがマップエディタで設定した段差です。"), height));
  heightLayout->addStretch();
  pages_->addTab(height, Text::u("高さ"));

  auto* enemy = group("エンカウント率設定", pages_);
  auto* enemyLayout = new QVBoxLayout(enemy);
  enemyBar_ = new QSlider(Qt::Horizontal, enemy);
  enemyBar_->setRange(0, 100);
  enemyBar_->setTickInterval(10);
  enemyBar_->setTickPosition(QSlider::TicksBelow);
  enemyLayout->addWidget(enemyBar_);
  enemyLayout->addStretch();
  pages_->addTab(enemy, Text::u("エンカウント"));

  auto* pass = group("通行設定", pages_);
  auto* passLayout = new QGridLayout(pass);
  const TPassButtonPad pad = MakePassButtonPad(pass, passLayout);
  directionButtons_ = pad.directions;
  allWays_ = pad.allWays;
  noWay_ = pad.noWay;
  pages_->addTab(pass, Text::u("通行設定"));

  auto* move = group("移動情報の視覚化", pages_);
  auto* moveLayout = new QVBoxLayout(move);
  moveCombo_ = new QComboBox(move);
  moveLayout->addWidget(moveCombo_);
  moveLayout->addStretch();
  pages_->addTab(move, Text::u("移動情報"));

  auto* ground = group("地形情報の設定", pages_);
  auto* groundLayout = new QVBoxLayout(ground);
  groundCombo_ = new QComboBox(ground);
  for (const char* name : kGroundTypes) groundCombo_->addItem(Text::u(name));
  groundCombo_->setCurrentIndex(0);
  groundLayout->addWidget(groundCombo_);
  groundLayout->addStretch();
  pages_->addTab(ground, Text::u("地形"));

  auto* events = group("イベント一覧", pages_);
  auto* eventsLayout = new QVBoxLayout(events);
  eventTreeView_ = new QTreeWidget(events);
  eventTreeView_->setHeaderHidden(true);
  eventTreeView_->setDragEnabled(true);
  events_ = std::make_unique<TZETreeWidgetAdapter>(*eventTreeView_);
  sharedEditorButton_ = new QPushButton(Text::u("共有イベントエディタ起動(&E)"), events);
  auto* settings = group("エディタ設定", events);
  auto* settingsLayout = new QVBoxLayout(settings);
  gridCheck_ = new QCheckBox(Text::u("グリッドの表示"), settings);
  gridCheck_->setChecked(true);
  cursorCombo_ = new QComboBox(settings);
  cursorCombo_->addItem(Text::u("<<未使用>>"));
  settingsLayout->addWidget(gridCheck_);
  settingsLayout->addWidget(cursorCombo_);
  eventsLayout->addWidget(eventTreeView_, 1);
  eventsLayout->addWidget(sharedEditorButton_);
  eventsLayout->addWidget(settings);
  pages_->addTab(events, Text::u("イベント"));
  return pages_;
}

void TMapEditorForm::makeToolBar() {
  toolBar_ = new QToolBar(this);
  modeGroup_ = new QActionGroup(this);
  modeGroup_->setExclusive(true);
  for (int mode = 0; mode < 7; ++mode) {
    QAction* button = toolBar_->addAction(Text::u(kModeHints[mode]));
    button->setToolTip(Text::u(kModeHints[mode]));
    button->setCheckable(true);
    button->setData(mode);
    modeGroup_->addAction(button);
    modeButtons_.push_back(button);
  }
  modeButtons_[0]->setChecked(true);
  toolBar_->addSeparator();
  auto* tools = new QActionGroup(this);
  tools->setExclusive(true);
  for (int tool = 0; tool < 6; ++tool) {
    QAction* button = toolBar_->addAction(Text::u(kToolHints[tool]));
    button->setToolTip(Text::u(kToolHints[tool]));
    button->setCheckable(true);
    button->setData(tool);
    tools->addAction(button);
    toolButtons_.push_back(button);
  }
  toolButtons_[0]->setChecked(true);
  toolBar_->addSeparator();
  eraser_ = toolBar_->addAction(Text::u("消しゴム"));
  eraser_->setCheckable(true);
  toolBar_->addSeparator();
  undoButton_ = toolBar_->addAction(Text::u("アンドゥ"));
  redoButton_ = toolBar_->addAction(Text::u("リドゥ"));
  undoButton_->setEnabled(false);
  redoButton_->setEnabled(false);
}

void TMapEditorForm::makeMenus() {
  menuBar_ = new QMenuBar(this);
  static_cast<QVBoxLayout*>(layout())->setMenuBar(menuBar_);
  QMenu* file = menuBar_->addMenu(Text::u("ファイル(&F)"));
  open_ = file->addAction(Text::u("開く(&O)"), this, [this] { FillMapTree(); });
  open_->setVisible(false);
  save_ = file->addAction(Text::u("保存(&S)"), this, [this] { SaveClick(); });
  QMenu* edit = menuBar_->addMenu(Text::u("編集(&E)"));
  QAction* undo = edit->addAction(Text::u("アンドゥ(&U)"), this, [this] { UndoClick(); });
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = edit->addAction(Text::u("リドゥ(&R)"), this, [this] { RedoClick(); });
  redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  chipSetEditor_ = menuBar_->addAction(Text::u("マップチップセットエディタ(&M)"), this, [this] {
    ChipSetForm()->show();
    ChipSetForm()->raise();
  });
  chipSetEditor_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  QMenu* editors = menuBar_->addMenu(Text::u("エディタ(&E)"));
  editors->menuAction()->setVisible(false);
  moveTypeEditor_ = editors->addAction(Text::u("移動タイプエディタ(&M)"), this, [this] {
    if (!moveTypeView_) {
      moveTypeView_ = new TMoveTypeView(TZEMoveTypeEditor::Global(), this, this);
      moveTypeView_->LoadSkin();
    }
    moveTypeView_->setZMLZelvoAPI(api_.get());
    moveTypeView_->show();
  });
  moveTypeEditor_->setVisible(false);
  QAction* anime = editors->addAction(Text::u("アニメエディタ(&A)"));
  anime->setVisible(false);
  anime->setEnabled(false);
  editors->addAction(Text::u("スキンエディタ"))->setVisible(false);

  treePopup_ = new QMenu(this);
  newMap_ = treePopup_->addAction(Text::u("マップを新規作成(&N)"), this, [this] { NewMapClick(); });
  deleteMap_ = treePopup_->addAction(Text::u("マップを削除(&D)"), this, [this] { DeleteMapClick(); });
  editMap_ = treePopup_->addAction(Text::u("マップを編集(&E)"), this, [this] { EditMapClick(); });
  treePopup_->setDefaultAction(editMap_);
  mapProperty_ = treePopup_->addAction(Text::u("マップのプロパティ(&P)"), this, [this] { MapPropertyClick(); });

  tabPopup_ = new QMenu(this);
  addChipSet_ = tabPopup_->addAction(Text::u("チップセットの追加(&A)"), this, [this] { AddChipSetClick(); });
  stopChipSet_ = tabPopup_->addAction(Text::u("このチップセットの使用を中止(&S)"), this, [this] { StopChipSetClick(); });
}

}  // namespace zelvo
