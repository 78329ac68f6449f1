#pragma once
// The editor's main window: the game list and its summary, the editor tree that opens every
// editor through the mediator, saving and reloading the open game, making new games and test play.

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "editor/ZEEditorMediator.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEGameSession.h"
#include "editor/core/ZETreeDesigner.h"
#include "editor/core/ZelvoGameFactory.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace zelvo {

class TZEView final : public QMainWindow {
 public:
  // The summary box's text before any game is opened.
  static const char* const kDefaultSummary;

  // Takes the current folder as GameBaseDir, lists the games and opens "Default\".
  explicit TZEView(QWidget* parent = nullptr);
  ~TZEView() override;

  // Folder: CP932 with its trailing "\". False, with the open game kept, when it cannot be read.
  bool OpenGame(const std::string& folder);
  void CreateGameClick();
  void SaveClick();
  void ReloadClick();
  void BuildGameClick();
  void GameListDoubleClick(QListWidgetItem* item);
  void TreeDoubleClick();
  void OpenSkinDialog();
  // The tool bar's buttons, 0 "全て" to 5 "スキル".
  void ShowTreeView(int button);

  TZEEditorMediator& Mediator() { return mediator_; }
  TZETreeDesigner& Designer() { return designer_; }
  const TZEGameSession& Session() const { return session_; }
  int ActivationCounter() const { return activations_; }

  QLineEdit* NameEdit() const { return name_; }
  QPushButton* CreateButton() const { return create_; }
  QListWidget* GameList() const { return games_; }
  QPlainTextEdit* SummaryBox() const { return summary_; }
  QPushButton* BuildButton() const { return build_; }
  QTreeWidget* EditorTree() const { return tree_; }
  TZETreeWidgetAdapter& EditorTreeAdapter() { return treeAdapter_; }
  QAction* ToolButton(int index) const { return tools_[static_cast<size_t>(index)]; }
  QAction* NewGameAction() const { return newGame_; }
  QAction* SaveAction() const { return save_; }
  QAction* ReloadAction() const { return reload_; }
  QAction* QuitAction() const { return quit_; }
  QAction* SkinAction() const { return skin_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildLeftSide();
  QWidget* BuildRightSide();
  void BuildMenus();
  void ListGames();
  void WriteSummary();
  void SummaryEdited();
  void Activated();

  TZEGameSession session_;
  TZETreeDesigner designer_;
  TZEEditorMediator mediator_;
  TZelvoGameFactory factory_;
  int activations_ = 0;
  QString lastGoodSummary_;

  QLineEdit* name_ = nullptr;
  QPushButton* create_ = nullptr;
  QListWidget* games_ = nullptr;
  QPlainTextEdit* summary_ = nullptr;
  QPushButton* build_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  TZETreeWidgetAdapter treeAdapter_;
  std::array<QAction*, 6> tools_{};
  QActionGroup* toolGroup_ = nullptr;
  QAction* newGame_ = nullptr;
  QAction* save_ = nullptr;
  QAction* reload_ = nullptr;
  QAction* quit_ = nullptr;
  QAction* skin_ = nullptr;
};

}  // namespace zelvo
