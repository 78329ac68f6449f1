#include "editor/ZEAnimeEditorView.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/QonScrollBox.h"
#include "editor/ZEPopupTreeView.h"
#include "editor/core/ZESkinPictures.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/gui/Text.h"

namespace zelvo {

namespace {

const QStringList kGridChoices{"1x1", "2x2", "4x4", "8x8", "16x16", "32x32"};

TQonScrollBox* makeView(QWidget* parent) {
  auto* box = new TQonScrollBox(parent);
  box->SetChipSize(1);
  box->setMinimumSize(QSize(200, 200));
  return box;
}

QComboBox* makeGridChoice(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->addItems(kGridChoices);
  return box;
}

// Shows names as the list's items and row as its selection, rebuilding only when they differ.
void syncList(QListWidget* list, const std::vector<std::string>& names, int32_t row) {
  bool same = list->count() == static_cast<int>(names.size());
  for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == Text::fromCp932(names[size_t(i)]);
  if (!same) {
    list->clear();
    for (const std::string& name : names) list->addItem(Text::fromCp932(name));
  }
  if (row >= 0 && row < list->count()) {
    list->setCurrentRow(row);
  } else {
    list->clearSelection();
    list->setCurrentRow(-1);
  }
}

// Pictures reach the screen as their colours, without their alpha.
QImage opaque(const TBitmap32& picture) { return picture.GetBitmap().image().convertToFormat(QImage::Format_RGB32); }

void setText(QLineEdit* edit, const std::string& cp932) {
  if (edit->text() != Text::fromCp932(cp932)) edit->setText(Text::fromCp932(cp932));
}

}  // namespace

TZEAnimeEditorView::TZEAnimeEditorView(QWidget* parent, Clock* clock)
    : QDialog(parent),
      AnimeTree(new QTreeWidget),
      ownClock_(clock ? nullptr : std::make_unique<SteadyClock>()),
      editor_(clock ? *clock : *ownClock_),
      treeAdapter_(*AnimeTree) {
  setWindowTitle(QStringLiteral("アニメーションエディタ"));
  setModal(true);
  auto* layout = new QHBoxLayout(this);
  auto* left = new QWidget(this);
  auto* middle = new QWidget(this);
  auto* right = new QWidget(this);
  makeLeft(left);
  makeMiddle(middle);
  makeRight(right);
  layout->addWidget(left, 1);
  layout->addWidget(middle, 2);
  layout->addWidget(right, 2);
  makeMenus();
  layout->setMenuBar(MainMenu);
  PlayTimer = new QTimer(this);
  PlayTimer->setInterval(kPlayInterval);
  PlayTimer->setTimerType(Qt::PreciseTimer);
  PickerView = new TZEPopupTreeView(this);
  imagePicker_ = [this](const QString& caption, const std::function<void(IZETree&)>& fill) {
    return pickFromPopup(caption, fill);
  };
  editor_.SetAnimeTree(&treeAdapter_);
  wire();
  changed(~0u);
}

TZEAnimeEditorView::~TZEAnimeEditorView() {
  // The widgets go first, while the editor they report to is still here; what they signal as
  // they go is not the user's.
  syncing_ = true;
  editor_.OnChange = nullptr;
  editor_.SetAnimeTree(nullptr);
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TZEAnimeEditorView::makeLeft(QWidget* column) {
  auto* box = new QVBoxLayout(column);
  AnimeTree->setParent(column);
  AnimeTree->setHeaderHidden(true);
  AnimeTree->setContextMenuPolicy(Qt::CustomContextMenu);
  box->addWidget(AnimeTree, 1);
  box->addWidget(new QLabel(QStringLiteral("基本速度"), column));
  BaseSpeedEdit = new QLineEdit(column);
  box->addWidget(BaseSpeedEdit);
  box->addWidget(new QLabel(QStringLiteral("動画ファイル（未実装）"), column));
  auto* movie = new QHBoxLayout;
  MovieEdit = new QLineEdit(column);
  MovieEdit->setReadOnly(true);
  MovieButton = new QPushButton(QStringLiteral("..."), column);
  movie->addWidget(MovieEdit, 1);
  movie->addWidget(MovieButton);
  box->addLayout(movie);
}

void TZEAnimeEditorView::makeMiddle(QWidget* column) {
  auto* box = new QVBoxLayout(column);
  FrameScroll = makeView(column);
  box->addWidget(FrameScroll, 1);
  FrameList = new QListWidget(column);
  FrameList->setContextMenuPolicy(Qt::CustomContextMenu);
  box->addWidget(FrameList);
  auto* controls = new QHBoxLayout;
  PlayButton = new QPushButton(QStringLiteral("アニメ再生"), column);
  PlayButton->setCheckable(true);
  FrameGridBox = makeGridChoice(column);
  controls->addWidget(PlayButton);
  controls->addWidget(FrameGridBox);
  box->addLayout(controls);
  auto* time = new QHBoxLayout;
  time->addWidget(new QLabel(QStringLiteral("表示時間"), column));
  DisplayTimeEdit = new QLineEdit(column);
  time->addWidget(DisplayTimeEdit);
  box->addLayout(time);
  OffsetLabel = new QLabel(Text::fromCp932(TZEAnimeEditor::InitialOffsetText()), column);
  box->addWidget(OffsetLabel);
}

void TZEAnimeEditorView::makeRight(QWidget* column) {
  auto* box = new QVBoxLayout(column);
  ImageScroll = makeView(column);
  // A press starts a selection and the next ends it: the moves between come without a button.
  ImageScroll->qonPaintBox->setMouseTracking(true);
  box->addWidget(ImageScroll, 1);
  ImageList = new QListWidget(column);
  ImageList->setContextMenuPolicy(Qt::CustomContextMenu);
  box->addWidget(ImageList);
  auto* controls = new QHBoxLayout;
  AddImageButton = new QPushButton(QStringLiteral("画像の追加"), column);
  ImageGridBox = makeGridChoice(column);
  controls->addWidget(AddImageButton);
  controls->addWidget(ImageGridBox);
  box->addLayout(controls);
  auto* frames = new QHBoxLayout;
  CreateFrameButton = new QPushButton(QStringLiteral("フレーム作成"), column);
  UpdateFrameButton = new QPushButton(QStringLiteral("フレーム更新"), column);
  frames->addWidget(CreateFrameButton);
  frames->addWidget(UpdateFrameButton);
  box->addLayout(frames);
}

void TZEAnimeEditorView::makeMenus() {
  MainMenu = new QMenuBar(this);
  QMenu* anime = MainMenu->addMenu(QStringLiteral("アニメ－ション(&A)"));
  NewAnimeAction = anime->addAction(QStringLiteral("新規アニメの作成(&N)"));
  DeleteAnimeAction = anime->addAction(QStringLiteral("アニメの削除(&D)"));
  FrameMenu = MainMenu->addMenu(QStringLiteral("フレーム(&F)"));
  FrameMenu->setEnabled(false);
  GraphicMenu = MainMenu->addMenu(QStringLiteral("グラフィック(&G)"));
  GraphicMenu->setEnabled(false);

  AnimePopup = new QMenu(this);
  AnimePopup->addAction(NewAnimeAction);
  AnimePopup->addAction(DeleteAnimeAction);

  ImagePopup = new QMenu(this);
  ImageAddAction = ImagePopup->addAction(QStringLiteral("追加(&A)"));
  ImageAddAction->setVisible(false);
  ImageDeleteAction = ImagePopup->addAction(QStringLiteral("削除(&D)"));
  ImageChangeAction = ImagePopup->addAction(QStringLiteral("使用画像の変更(&U)"));
  ImageChangeAction->setEnabled(false);

  FramePopup = new QMenu(this);
  FrameAddAction = FramePopup->addAction(QStringLiteral("追加(&A)"));
  FrameAddAction->setEnabled(false);
  FrameDeleteAction = FramePopup->addAction(QStringLiteral("削除(&D)"));
}

void TZEAnimeEditorView::wire() {
  editor_.OnChange = [this](uint32_t changes) { changed(changes); };

  treeAdapter_.WhenSelectionChanges(this, [this] {
    if (IZETreeNode* node = treeAdapter_.GetSelected()) act([&] { editor_.ClickAnimeNode(node); });
  });
  connect(FrameList, &QListWidget::currentRowChanged, this,
          [this](int row) { act([&] { editor_.ClickFrame(row); }); });
  connect(ImageList, &QListWidget::currentRowChanged, this,
          [this](int row) { act([&] { editor_.ClickImage(row); }); });
  for (QWidget* view : {static_cast<QWidget*>(AnimeTree), static_cast<QWidget*>(FrameList),
                        static_cast<QWidget*>(ImageList)})
    static_cast<QAbstractScrollArea*>(view)->viewport()->installEventFilter(this);

  connect(NewAnimeAction, &QAction::triggered, this, [this] { act([&] { editor_.NewAnime(); }); });
  connect(DeleteAnimeAction, &QAction::triggered, this, [this] { act([&] { editor_.DeleteAnime(); }); });
  connect(ImageDeleteAction, &QAction::triggered, this, [this] { act([&] { editor_.DeleteImage(); }); });
  connect(FrameDeleteAction, &QAction::triggered, this, [this] { act([&] { editor_.DeleteFrame(); }); });
  connect(AnimeTree, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { AnimePopup->popup(AnimeTree->viewport()->mapToGlobal(at)); });
  connect(ImageList, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ImagePopup->popup(ImageList->viewport()->mapToGlobal(at)); });
  connect(FrameList, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { FramePopup->popup(FrameList->viewport()->mapToGlobal(at)); });

  connect(AddImageButton, &QPushButton::clicked, this, [this] { AddImageClick(); });
  connect(CreateFrameButton, &QPushButton::clicked, this, [this] { act([&] { editor_.CreateFrame(); }); });
  connect(UpdateFrameButton, &QPushButton::clicked, this, [this] { act([&] { editor_.UpdateFrame(); }); });
  connect(PlayButton, &QPushButton::clicked, this, [this] { act([&] { editor_.TogglePlay(); }); });
  connect(PlayTimer, &QTimer::timeout, this, [this] { FrameScroll->qonPaintBox->update(); });
  // Movie files are not supported: the button is there and does nothing.

  connect(BaseSpeedEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { act([&] { if (auto t = Text::toCp932(text)) editor_.SetBaseSpeedText(*t); }); });
  connect(DisplayTimeEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { act([&] { if (auto t = Text::toCp932(text)) editor_.SetDisplayTimeText(*t); }); });
  connect(FrameGridBox, &QComboBox::currentIndexChanged, this, [this](int choice) { editor_.SetFrameGrid(choice); });
  connect(ImageGridBox, &QComboBox::currentIndexChanged, this, [this](int choice) { editor_.SetImageGrid(choice); });

  FrameScroll->OnPaint = [this](QPainter& painter, const QRect&) { PaintFrameView(painter); };
  FrameScroll->OnMouseDown = [this](TQonMouseButton button, TQonShiftState, int32_t x, int32_t y) {
    act([&] { editor_.FrameMouseDown(button, x, y); });
  };
  FrameScroll->OnMouseMove = [this](TQonShiftState shift, int32_t x, int32_t y) {
    act([&] { editor_.FrameMouseMove(shift, x, y); });
  };
  ImageScroll->OnPaint = [this](QPainter& painter, const QRect&) { PaintImageView(painter); };
  ImageScroll->OnMouseDown = [this](TQonMouseButton button, TQonShiftState, int32_t x, int32_t y) {
    act([&] { editor_.ImageMouseDown(button, x, y); });
  };
  ImageScroll->OnMouseMove = [this](TQonShiftState, int32_t x, int32_t y) {
    act([&] { editor_.ImageMouseMove(x, y); });
  };
}

void TZEAnimeEditorView::act(const std::function<void()>& action) {
  if (syncing_) return;
  syncing_ = true;
  action();
  syncing_ = false;
}

void TZEAnimeEditorView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  act([&] { editor_.Show(); });
}

void TZEAnimeEditorView::hideEvent(QHideEvent* event) {
  if (editor_.Playing()) act([&] { editor_.TogglePlay(); });
  QDialog::hideEvent(event);
}

bool TZEAnimeEditorView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (watched == AnimeTree->viewport() && !AnimeTree->itemAt(at)) act([&] { editor_.ClickAnimeNode(nullptr); });
    if (watched == FrameList->viewport() && !FrameList->itemAt(at)) act([&] { editor_.ClickFrame(TZEAnimeEditor::kNone); });
    if (watched == ImageList->viewport() && !ImageList->itemAt(at)) act([&] { editor_.ClickImage(TZEAnimeEditor::kNone); });
  }
  return QDialog::eventFilter(watched, event);
}

void TZEAnimeEditorView::AddImageClick() {
  if (!imagePicker_ || !editor_.CanAddImage()) return;
  const TZETreeNodeData chosen = imagePicker_(QStringLiteral("追加する画像ファイルを選択して下さい"),
                                              [this](IZETree& tree) { editor_.Designer().FillMaterialTree(tree, nullptr); });
  act([&] { editor_.AddImage(chosen.As<IZelvoMaterialModel>()); });
}

void TZEAnimeEditorView::LoadSkin() {
  tile_ = ZESkinPictures().LoadBitmap32("empty.bmp");
  editor_.SetBackgroundTile(&tile_);
  FrameScroll->qonPaintBox->update();
}

void TZEAnimeEditorView::SetPickerIconSource(std::function<QIcon(int32_t)> icons) {
  PickerView->SetIconSource(std::move(icons));
}

TZETreeNodeData TZEAnimeEditorView::pickFromPopup(const QString& caption,
                                                  const std::function<void(IZETree&)>& fill) {
  PickerView->setWindowTitle(caption);
  fill(PickerView->Tree());
  PickerView->Execute();
  return PickerView->GetSelection();
}

// --- showing the editor's state ---

void TZEAnimeEditorView::changed(uint32_t changes) {
  const bool wasSyncing = syncing_;
  syncing_ = true;
  if (changes & ZEAnimeChange::AnimeSelected) showAnime();
  if (changes & ZEAnimeChange::ImageSelected) {
    const TBitmap32* picture = editor_.CurrentPicture();
    ImageScroll->SetBitmapWidth(picture ? picture->Width() : 0);
    ImageScroll->SetBitmapHeight(picture ? picture->Height() : 0);
  }
  if (changes & ZEAnimeChange::FrameSelected) showFrameFields();
  showLists();
  showCommands();
  if (changes & ZEAnimeChange::Playback) {
    PlayButton->setChecked(editor_.Playing());
    if (editor_.Playing()) PlayTimer->start();
    else PlayTimer->stop();
  }
  if (changes & ZEAnimeChange::Preview) FrameScroll->qonPaintBox->update();
  if (changes & ZEAnimeChange::Selection) ImageScroll->qonPaintBox->update();
  syncing_ = wasSyncing;
}

void TZEAnimeEditorView::showAnime() {
  const bool any = editor_.CurrentAnime() != nullptr;
  const int32_t size = any ? TZEAnimeEditor::kFrameViewSize : 0;
  FrameScroll->SetBitmapWidth(size);
  FrameScroll->SetBitmapHeight(size);
  if (any) centreFrameView();
  setText(BaseSpeedEdit, editor_.BaseSpeedText());
  setText(MovieEdit, editor_.MovieText());
}

void TZEAnimeEditorView::centreFrameView() {
  const TQonScrollBoxGeometry& geometry = FrameScroll->Geometry();
  const int32_t step = geometry.Step();
  const int32_t centre = TZEAnimePreview::kOrigin * FrameScroll->Power() / 16;
  FrameScroll->ScrollTo(TQonScrollAxis::Horizontal, (centre - FrameScroll->ScrollClientWidth() / 2) / step);
  FrameScroll->ScrollTo(TQonScrollAxis::Vertical, (centre - FrameScroll->ScrollClientHeight() / 2) / step);
}

void TZEAnimeEditorView::showFrameFields() {
  setText(DisplayTimeEdit, editor_.DisplayTimeText());
  OffsetLabel->setText(Text::fromCp932(editor_.OffsetText()));
}

void TZEAnimeEditorView::showLists() {
  syncList(FrameList, editor_.FrameNames(), editor_.FrameListSelection());
  syncList(ImageList, editor_.ImageNames(), editor_.ImageListSelection());
  if (!treeAdapter_.GetSelected()) AnimeTree->clearSelection();
}

void TZEAnimeEditorView::showCommands() {
  const bool anime = editor_.FieldsEnabled();
  for (QWidget* w : {static_cast<QWidget*>(AddImageButton), static_cast<QWidget*>(DisplayTimeEdit),
                     static_cast<QWidget*>(BaseSpeedEdit), static_cast<QWidget*>(MovieButton),
                     static_cast<QWidget*>(FrameList), static_cast<QWidget*>(ImageList)})
    w->setEnabled(anime);
  CreateFrameButton->setEnabled(editor_.CanCreateFrame());
  UpdateFrameButton->setEnabled(editor_.CanUpdateFrame());
  DeleteAnimeAction->setEnabled(editor_.CanDeleteAnime());
  ImageDeleteAction->setEnabled(editor_.CanDeleteImage());
  FrameDeleteAction->setEnabled(editor_.CanDeleteFrame());
}

// --- painting ---

void TZEAnimeEditorView::PaintFrameView(QPainter& painter) {
  const TBitmap32& preview = editor_.ComposePreview();
  const TQonScrollBoxGeometry& geometry = FrameScroll->Geometry();
  painter.drawImage(QRect(0, 0, geometry.ZoomedWidth(), geometry.ZoomedHeight()), opaque(preview));
}

void TZEAnimeEditorView::PaintImageView(QPainter& painter) {
  const TBitmap32* picture = editor_.CurrentPicture();
  if (!picture) return;
  const TQonScrollBoxGeometry& geometry = ImageScroll->Geometry();
  painter.drawImage(QRect(0, 0, geometry.ZoomedWidth(), geometry.ZoomedHeight()), opaque(*picture));
  const TRect selection = TRectScale16(editor_.Selection(), ImageScroll->Power());
  if (TRectWidth(selection) <= 0 || TRectHeight(selection) <= 0) return;
  painter.setPen(QColor(255, 0, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(selection.Left, selection.Top, TRectWidth(selection) - 1, TRectHeight(selection) - 1));
}

}  // namespace zelvo
