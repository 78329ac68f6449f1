#include "editor/ZEView.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "editor/ZECp932Text.h"
#include "editor/ZEDesktopWidget.h"
#include "editor/ZEEditorIcons.h"
#include "editor/ZEEditorWindows.h"
#include "editor/ZESkinView.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/MessageBoxWarningSink.h"
#include "platform/gui/Text.h"

namespace zelvo {

namespace {

void warn(const std::string& text) { ShowMessage(text, "ZelvoEditor", MessageKind::Warning); }
void inform(const std::string& text) { ShowMessage(text, "ZelvoEditor", MessageKind::Information); }

constexpr const char* kToolCaptions[6] = {"全て", "マップ", "イベント", "キャラ", "アイテム", "スキル"};

}  // namespace

const char* const TZEView::kDefaultSummary =
    "これは、デフォルトデータです。このデータを\n元にして新規ゲームが作られるので、注意\nしてください。";

TZEView::TZEView(QWidget* parent)
    : QMainWindow(parent), mediator_(EditorIconSource()), tree_(new QTreeWidget), treeAdapter_(*tree_) {
  setObjectName(QString::fromUtf8(DesktopSection::MainWindow.data(), DesktopSection::MainWindow.size()));
  setWindowTitle(Text::u("ZelvoEditor"));
  std::error_code ec;
  SetGameBaseDirNative(std::filesystem::current_path(ec));

  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  layout->addWidget(BuildLeftSide());
  layout->addWidget(BuildRightSide(), 1);
  setCentralWidget(central);
  statusBar();
  BuildMenus();

  designer_.BuildEditorTree(treeAdapter_);
  tree_->expandAll();
  ListGames();
  OpenGame(TZelvoGameFactory::kTemplateFolder);
  name_->setText(Text::u("Default"));
  if (games_->count() > 0) games_->setCurrentRow(0);

  resize(720, 520);
  LoadWidgetPosition(*this);
  // The window is designed to open centred; only a stored state gives it the stored corner.
  CentreUnlessPlaced(*this);
  qApp->installEventFilter(this);
}

TZEView::~TZEView() {
  qApp->removeEventFilter(this);
  // Neither write may stop the other, nor the program's end.
  WriteSummary();
  if (!SaveWidgetPosition(*this)) warn("Editor\\Desktop.INIに書き込めませんでした");
}

QWidget* TZEView::BuildLeftSide() {
  auto* side = new QWidget(this);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);

  auto* choice = new QGroupBox(Text::u("ゲームの選択"), side);
  auto* choiceLayout = new QVBoxLayout(choice);
  name_ = new QLineEdit(Text::u("Edit2"), choice);
  create_ = new QPushButton(Text::u("ゲームの作成"), choice);
  games_ = new QListWidget(choice);
  choiceLayout->addWidget(name_);
  choiceLayout->addWidget(create_);
  choiceLayout->addWidget(games_);
  connect(create_, &QPushButton::clicked, this, [this] { CreateGameClick(); });
  connect(games_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { GameListDoubleClick(item); });

  auto* summaryGroup = new QGroupBox(Text::u("ゲームの概要"), side);
  auto* summaryLayout = new QVBoxLayout(summaryGroup);
  summary_ = new QPlainTextEdit(summaryGroup);
  summary_->setPlainText(Text::u(kDefaultSummary));
  lastGoodSummary_ = summary_->toPlainText();
  summaryLayout->addWidget(summary_);
  connect(summary_, &QPlainTextEdit::textChanged, this, [this] { SummaryEdited(); });

  build_ = new QPushButton(Text::u("ゲームの構築"), side);
  connect(build_, &QPushButton::clicked, this, [this] { BuildGameClick(); });

  column->addWidget(choice, 3);
  column->addWidget(summaryGroup, 2);
  column->addWidget(build_);
  return side;
}

QWidget* TZEView::BuildRightSide() {
  auto* side = new QWidget(this);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QToolBar(side);
  toolGroup_ = new QActionGroup(this);
  toolGroup_->setExclusive(true);
  for (int i = 0; i < 6; ++i) {
    tools_[static_cast<size_t>(i)] = bar->addAction(Text::u(kToolCaptions[i]));
    tools_[static_cast<size_t>(i)]->setCheckable(true);
    toolGroup_->addAction(tools_[static_cast<size_t>(i)]);
    connect(tools_[static_cast<size_t>(i)], &QAction::triggered, this, [this, i] { ShowTreeView(i); });
  }
  tools_[0]->setChecked(true);

  tree_->setParent(side);
  tree_->setHeaderHidden(true);
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree_->setIconSize(QSize(kEditorIconSize, kEditorIconSize));
  treeAdapter_.SetIconSource(EditorIconSource());
  // A double click opens an editor; folding the node as well would hide its children.
  tree_->setExpandsOnDoubleClick(false);
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { TreeDoubleClick(); });
  // Auto-expanding: a node opens when it is selected.
  connect(tree_, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* item) {
    if (item) item->setExpanded(true);
  });

  column->addWidget(bar);
  column->addWidget(tree_, 1);
  return side;
}

void TZEView::BuildMenus() {
  QMenu* file = menuBar()->addMenu(Text::u("ファイル"));
  newGame_ = file->addAction(Text::u("新規ゲームの作成"), QKeySequence(Qt::CTRL | Qt::Key_N), this, [this] { CreateGameClick(); });
  file->addSeparator();
  save_ = file->addAction(Text::u("保存"), QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { SaveClick(); });
  reload_ = file->addAction(Text::u("読込"), QKeySequence(Qt::CTRL | Qt::Key_L), this, [this] { ReloadClick(); });
  file->addSeparator();
  quit_ = file->addAction(Text::u("終了"), this, [this] { close(); });
  QMenu* edit = menuBar()->addMenu(Text::u("編集"));
  QMenu* settings = edit->addMenu(Text::u("環境設定(&O)"));
  skin_ = settings->addAction(Text::u("外観（スキン）(&S)"), this, [this] { OpenSkinDialog(); });
  menuBar()->addMenu(Text::u("ヘルプ"));
}

void TZEView::ListGames() {
  games_->clear();
  for (const std::string& name : TZEGameSession::ListGames(GameBaseDirNative()))
    games_->addItem(Text::u(("[" + name + "]").c_str()));
}

void TZEView::WriteSummary() {
  try {
    session_.WriteSummary(summary_->toPlainText().toStdString());
  } catch (const std::exception& error) {
    warn(Cp932::toUtf8(error.what()));
  }
}

void TZEView::SummaryEdited() {
  const QString text = summary_->toPlainText();
  if (TZEGameSession::IsCp932Text(text.toStdString())) {
    lastGoodSummary_ = text;
    return;
  }
  // A character the summary file cannot hold would come back as "?": it is not taken.
  const int position = summary_->textCursor().position();
  const QSignalBlocker blocker(summary_);
  summary_->setPlainText(lastGoodSummary_);
  QTextCursor cursor = summary_->textCursor();
  cursor.setPosition(std::min(position, static_cast<int>(lastGoodSummary_.size())));
  summary_->setTextCursor(cursor);
  // Said as every window says it; the box has no OK to hold the text until it is mended, so the
  // key that brought the character in is taken back.
  ShowMessage(UnholdableTextMessage(ZETextKind::Text), "ZelvoEditor", MessageKind::Warning);
}

bool TZEView::OpenGame(const std::string& folder) {
  WriteSummary();
  // The warnings of a game opened anew are shown again, even where an earlier opening showed them.
  if (auto boxes = std::dynamic_pointer_cast<TZelvoMessageBoxWarningSink>(DefaultWarningSink())) boxes->ForgetShown();
  const TZEGameSession::OpenResult result = session_.Open(folder);
  if (!result.opened) {
    warn("ゲームを開けませんでした。\n" + result.error);
    return false;
  }
  {
    const QSignalBlocker blocker(summary_);
    summary_->setPlainText(Text::u(session_.Summary().c_str()));
    lastGoodSummary_ = summary_->toPlainText();
  }
  if (result.materialsChanged)
    ShowMessage((Text::u("新規素材%1個、迷子素材%2個が見つかりました")
                         .arg(result.addedMaterials)
                         .arg(result.removedMaterials))
                    .toStdString(),
                "ZelvoEditor", MessageKind::Information);
  designer_.setZMLZelvoAPI(session_.Api());
  mediator_.setZMLZelvoAPI(session_.Api());
  mediator_.setTreeDesigner(&designer_);
  std::string shown = Cp932::toUtf8(folder);
  if (!shown.empty()) shown.pop_back();
  setWindowTitle(Text::u(("ZelvoEditor - " + shown).c_str()));
  if (!result.error.empty()) warn(result.error);
  return true;
}

void TZEView::GameListDoubleClick(QListWidgetItem* item) {
  if (!item) return;
  QString name = item->text();
  if (name.size() < 2) return;
  name = name.mid(1, name.size() - 2);
  const QString before = name_->text();
  name_->setText(name);
  const auto folder = Text::toCp932(name);
  // A game that would not open leaves the open one, and its name, as they were.
  if (!folder || !OpenGame(*folder + "\\")) name_->setText(before);
}

void TZEView::CreateGameClick() {
  const std::string name = name_->text().toStdString();
  const auto folder = Text::toCp932(name_->text());
  if (folder && factory_.CreateGame(*folder)) {
    games_->addItem(Text::u(("[" + name + "]").c_str()));
    inform("ゲームの作成に成功しました。");
  } else {
    inform("ゲームの作成に失敗しました。");
  }
}

void TZEView::SaveClick() {
  if (auto error = session_.Save()) {
    warn(*error);
    return;
  }
  inform("保存が完了しました！");
}

void TZEView::ReloadClick() {
  if (auto error = session_.Reload()) {
    warn(*error);
    return;
  }
  // A reload reads into a fresh data set, which every holder of the old one takes.
  designer_.setZMLZelvoAPI(session_.Api());
  mediator_.setZMLZelvoAPI(session_.Api());
}

void TZEView::BuildGameClick() {
  inform("現在はまだゲーム構築機能は有りません。ゲームフォルダと実行ファイルをコピーして配布してください。");
}

void TZEView::TreeDoubleClick() {
  IZETreeNode* node = treeAdapter_.GetSelected();
  if (!node || node->GetIcon() < 0) return;
  mediator_.OpenEditor(static_cast<uint32_t>(node->GetIcon()));
}

void TZEView::OpenSkinDialog() {
  if (TZEEditorWindows* windows = TZEEditorWindows::Current(); windows && windows->skinView)
    TZEEditorMediator::ShowModal(*windows->skinView);
}

void TZEView::ShowTreeView(int button) {
  switch (button) {
    case 0: designer_.BuildEditorTree(treeAdapter_); break;
    case 1:
      treeAdapter_.Clear();
      designer_.BuildMapRootNode(treeAdapter_);
      break;
    case 2:
      treeAdapter_.Clear();
      if (designer_.getZMLZelvoAPI()) designer_.FillEventTree(treeAdapter_);
      break;
    case 3:
      treeAdapter_.Clear();
      if (designer_.getZMLZelvoAPI()) designer_.FillCharaTree(treeAdapter_, nullptr);
      break;
    default: return;
  }
  tree_->expandAll();
}

void TZEView::Activated() {
  ++activations_;
  if (activations_ > 0) return;
  // The stay-on-top windows (the order list) go back over the others.
  for (int pass = 0; pass < 2; ++pass)
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->isVisible() && (widget->windowFlags() & Qt::WindowStaysOnTopHint)) widget->raise();
  activations_ = 1;
}

bool TZEView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ApplicationActivate && watched == qApp) {
    Activated();
  } else if (event->type() == QEvent::ApplicationDeactivate && watched == qApp) {
    --activations_;
  } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (widget && widget->window() == this && key->modifiers() == Qt::ControlModifier &&
        (key->key() == Qt::Key_G || key->key() == Qt::Key_Q)) {
      if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return false;
      }
      if (key->isAutoRepeat()) return true;
      if (key->key() == Qt::Key_G) mediator_.OpenEditor(TZEEditorMediator::kTestPlay);
      else close();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TZEView::closeEvent(QCloseEvent* event) {
  if (ShowMessage("Zelvo Editorを終了しても構いませんか？", "ZelvoEditor", MessageKind::Question,
                  {MessageAnswer::Yes, MessageAnswer::No}) == MessageAnswer::Yes)
    event->accept();
  else
    event->ignore();
}

}  // namespace zelvo
