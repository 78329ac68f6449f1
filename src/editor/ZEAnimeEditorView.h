#pragma once
// "アニメーションエディタ": the window over TZEAnimeEditor. It shows the editor's state, hands it
// every click, press and edit, and repaints the preview from a 4 ms timer while playing.
//
// What it needs of other windows comes in through setters: the icons of the anime tree and of
// the material picker, and the shared background tile. "画像の追加" picks from the material tree
// in a tree pop-up unless another picker is set.

#include <QDialog>
#include <QIcon>
#include <functional>
#include <memory>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEAnimeEditor.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

namespace zelvo {

class TQonScrollBox;
class TZEPopupTreeView;

class TZEAnimeEditorView final : public QDialog {
 public:
  // Fills a tree through fill, lets the user choose, and gives the chosen node's data (empty
  // when cancelled). The caption is the picker window's title.
  using TTreePicker =
      std::function<TZETreeNodeData(const QString& caption, const std::function<void(IZETree&)>& fill)>;

  static constexpr int kPlayInterval = 4;

  // Without a clock the window keeps time with the steady clock.
  explicit TZEAnimeEditorView(QWidget* parent = nullptr, Clock* clock = nullptr);
  ~TZEAnimeEditorView() override;

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { editor_.setZMLZelvoAPI(std::move(api)); }
  // The anime tree's pictures for icon indexes.
  void SetIconSource(std::function<QIcon(int32_t)> icons) { treeAdapter_.SetIconSource(std::move(icons)); }
  // The main window's icons, for the material tree of the pop-up.
  void SetPickerIconSource(std::function<QIcon(int32_t)> icons);
  void SetImagePicker(TTreePicker picker) { imagePicker_ = std::move(picker); }
  void SetBackgroundTile(const TBitmap32* tile) { editor_.SetBackgroundTile(tile); }
  // The skin's cell background ("empty.bmp", the map editor's), tiled under the preview.
  void LoadSkin();
  const TBitmap32& BackgroundTile() const { return tile_; }

  TZEAnimeEditor& Editor() { return editor_; }
  IZETree& AnimeTreeNodes() { return treeAdapter_; }

  // Left: the animes and their fields.
  QTreeWidget* AnimeTree;
  QLineEdit* BaseSpeedEdit;
  QLineEdit* MovieEdit;
  QPushButton* MovieButton;
  // Middle: the frames.
  TQonScrollBox* FrameScroll;
  QListWidget* FrameList;
  QPushButton* PlayButton;
  QComboBox* FrameGridBox;
  QLineEdit* DisplayTimeEdit;
  QLabel* OffsetLabel;
  // Right: the pictures.
  TQonScrollBox* ImageScroll;
  QListWidget* ImageList;
  QPushButton* AddImageButton;
  QComboBox* ImageGridBox;
  QPushButton* CreateFrameButton;
  QPushButton* UpdateFrameButton;
  // Menus and pop-ups.
  QMenuBar* MainMenu;
  QAction* NewAnimeAction;
  QAction* DeleteAnimeAction;
  QMenu* FrameMenu;
  QMenu* GraphicMenu;
  QMenu* AnimePopup;
  QMenu* ImagePopup;
  QAction* ImageAddAction;
  QAction* ImageDeleteAction;
  QAction* ImageChangeAction;
  QMenu* FramePopup;
  QAction* FrameAddAction;
  QAction* FrameDeleteAction;
  QTimer* PlayTimer;
  // The picker "画像の追加" opens.
  TZEPopupTreeView* PickerView;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void makeLeft(QWidget* column);
  void makeMiddle(QWidget* column);
  void makeRight(QWidget* column);
  void makeMenus();
  void wire();
  // Runs a user's action on the editor; the widget signals the refresh causes are not the user's.
  void act(const std::function<void()>& action);
  void changed(uint32_t changes);
  void showAnime();
  void showFrameFields();
  void showLists();
  void showCommands();
  void centreFrameView();
  void AddImageClick();
  TZETreeNodeData pickFromPopup(const QString& caption, const std::function<void(IZETree&)>& fill);
  void PaintFrameView(QPainter& painter);
  void PaintImageView(QPainter& painter);

  std::unique_ptr<Clock> ownClock_;
  TZEAnimeEditor editor_;
  TZETreeWidgetAdapter treeAdapter_;
  TTreePicker imagePicker_;
  TBitmap32 tile_;
  bool syncing_ = false;
};

}  // namespace zelvo
