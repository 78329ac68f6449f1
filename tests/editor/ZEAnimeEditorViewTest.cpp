#include "editor/ZEAnimeEditorView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "editor/QonScrollBox.h"
#include "editor/ZEPopupTreeView.h"
#include "editor/core/ZEAnimeEditorTesting.h"
#include "editor/core/ZEPlainTree.h"
#include "input/UserInput.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/Cp932.h"
#include "platform/gui/Fonts.h"

namespace zelvo {
namespace {

namespace input = test::input;
using test::MakeAnime;
using test::PictureMaterial;

QString utf(const char* s) { return QString::fromUtf8(s); }

class AnimeEditorViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Fonts::ensureGuiApplication(); }

  void SetUp() override {
    folder_.writePicture("red.bmp", 64, 32, 0xFF0000);
    folder_.writePicture("blue.bmp", 32, 32, 0x0000FF);
    anime_ = MakeAnime({{{0, 0, 16, 16}, {0, 0}, 10, 0}, {{0, 0, 8, 8}, {0, -12}, 20, 1}}, 60, 5);
    anime_->SetName("walk");
    anime_->GetStyle()->SetPath("movie.avi");
    anime_->GetImageList()->Add(PictureMaterial("red.bmp"));
    anime_->GetImageList()->Add(PictureMaterial("blue.bmp"));
    data_->animes->Add(anime_);
    data_->animes->Add(MakeAnime({}, 60, 6));
    view_.setZMLZelvoAPI(data_);
    view_.resize(1000, 700);
    view_.show();
    view_.layout()->activate();
    QApplication::processEvents();
  }
  void TearDown() override { view_.hide(); }

  void openAnime(int index) {
    input::click(view_.AnimeTree, view_.AnimeTree->topLevelItem(index));
    ASSERT_EQ(view_.Editor().CurrentAnimeIndex(), index);
  }
  static void clickRow(QListWidget* list, int row) { input::click(list, list->item(row)); }
  // A selection dragged out on the picture view as a user does it: click, move, click again.
  void dragSelection(QPoint from, QPoint to) {
    QWidget* box = view_.ImageScroll->qonPaintBox;
    input::click(box, from);
    input::move(box, to);
    input::click(box, to);
  }
  // The entry of a list's pop-up, opened by a right click on the row.
  static void popupCommand(QListWidget* list, int row, QMenu* popup, QAction* entry) {
    input::click(list, list->item(row), Qt::RightButton);
    ASSERT_TRUE(popup->isVisible()) << "no pop-up";
    input::clickMenuItem(popup, entry);
  }
  // A point of the list's viewport below its last item.
  static QPoint emptySpace(QListWidget* list) {
    for (int y = list->viewport()->height() - 1; y > 0; --y)
      if (!list->itemAt(QPoint(4, y))) return {4, y};
    ADD_FAILURE() << "the list has no empty space";
    return {};
  }
  static QRgb rgb(uint32_t argb) { return QRgb(argb | 0xFF000000u); }
  static QRgb shownAt(QWidget* w, int x, int y) { return w->grab().toImage().pixel(x, y) | 0xFF000000u; }

  test::AnimeGameFolder folder_;
  std::shared_ptr<test::AnimeGameData> data_ = std::make_shared<test::AnimeGameData>();
  std::shared_ptr<TZelvoAnimeModel> anime_;
  ManualClock clock_{1000};
  TZEAnimeEditorView view_{nullptr, &clock_};
};

TEST_F(AnimeEditorViewTest, ShowingListsTheAnimesWithNoneCurrent) {
  EXPECT_EQ(view_.windowTitle(), utf("アニメーションエディタ"));
  ASSERT_EQ(view_.AnimeTree->topLevelItemCount(), 2);
  EXPECT_EQ(view_.AnimeTree->topLevelItem(0)->text(0), "walk");
  EXPECT_TRUE(view_.AnimeTree->selectedItems().isEmpty());
  for (QWidget* w : std::initializer_list<QWidget*>{view_.BaseSpeedEdit, view_.DisplayTimeEdit, view_.AddImageButton,
                                                    view_.MovieButton, view_.FrameList, view_.ImageList,
                                                    view_.CreateFrameButton, view_.UpdateFrameButton})
    EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
  EXPECT_EQ(view_.FrameScroll->BitmapWidth(), 0);
  EXPECT_EQ(view_.ImageScroll->BitmapWidth(), 0);
  EXPECT_EQ(view_.OffsetLabel->text(), utf("座標 X=    0 : Y=    0"));
  EXPECT_FALSE(view_.DeleteAnimeAction->isEnabled());
  EXPECT_TRUE(view_.MovieEdit->isReadOnly());
}

TEST_F(AnimeEditorViewTest, MenusPopUpsAndGridChoicesCarryTheirCaptions) {
  QStringList menus;
  for (QAction* a : view_.MainMenu->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{utf("アニメ－ション(&A)"), utf("フレーム(&F)"), utf("グラフィック(&G)")}));
  EXPECT_FALSE(view_.FrameMenu->isEnabled());
  EXPECT_FALSE(view_.GraphicMenu->isEnabled());
  EXPECT_EQ(view_.NewAnimeAction->text(), utf("新規アニメの作成(&N)"));
  EXPECT_EQ(view_.DeleteAnimeAction->text(), utf("アニメの削除(&D)"));
  EXPECT_EQ(view_.AnimePopup->actions(), (QList<QAction*>{view_.NewAnimeAction, view_.DeleteAnimeAction}));
  EXPECT_FALSE(view_.ImageAddAction->isVisible());
  EXPECT_EQ(view_.ImageDeleteAction->text(), utf("削除(&D)"));
  EXPECT_FALSE(view_.ImageChangeAction->isEnabled());
  EXPECT_EQ(view_.ImageChangeAction->text(), utf("使用画像の変更(&U)"));
  EXPECT_FALSE(view_.FrameAddAction->isEnabled());
  for (QComboBox* grid : {view_.FrameGridBox, view_.ImageGridBox}) {
    QStringList items;
    for (int i = 0; i < grid->count(); ++i) items << grid->itemText(i);
    EXPECT_EQ(items, (QStringList{"1x1", "2x2", "4x4", "8x8", "16x16", "32x32"}));
  }
  EXPECT_EQ(view_.PlayButton->text(), utf("アニメ再生"));
  EXPECT_EQ(view_.AddImageButton->text(), utf("画像の追加"));
  EXPECT_EQ(view_.CreateFrameButton->text(), utf("フレーム作成"));
  EXPECT_EQ(view_.UpdateFrameButton->text(), utf("フレーム更新"));
}

TEST_F(AnimeEditorViewTest, ClickingAnAnimeFillsTheListsFieldsAndFrameView) {
  view_.FrameScroll->SetPower(64);  // 400 %: the preview is larger than the view
  openAnime(0);
  ASSERT_EQ(view_.FrameList->count(), 2);
  EXPECT_EQ(view_.FrameList->item(0)->text(), "ZMLObject100");
  ASSERT_EQ(view_.ImageList->count(), 2);
  EXPECT_EQ(view_.ImageList->item(1)->text(), "blue.bmp");
  EXPECT_EQ(view_.BaseSpeedEdit->text(), "60");
  EXPECT_EQ(view_.MovieEdit->text(), "movie.avi");
  EXPECT_TRUE(view_.BaseSpeedEdit->isEnabled());
  EXPECT_TRUE(view_.AddImageButton->isEnabled());
  EXPECT_FALSE(view_.CreateFrameButton->isEnabled());
  EXPECT_EQ(view_.FrameScroll->BitmapWidth(), 256);
  EXPECT_EQ(view_.FrameScroll->BitmapHeight(), 256);
  const TQonScrollBoxGeometry& g = view_.FrameScroll->Geometry();
  for (TQonScrollAxis axis : {TQonScrollAxis::Horizontal, TQonScrollAxis::Vertical}) {
    const int visible = axis == TQonScrollAxis::Horizontal ? g.ScrollClientWidth() : g.ScrollClientHeight();
    ASSERT_TRUE(g.Bar(axis).Enabled);
    EXPECT_NEAR(g.Bar(axis).Position * g.Step() + visible / 2, 128 * 4, g.Step());
  }
  EXPECT_TRUE(view_.DeleteAnimeAction->isEnabled());
}

// The arrow keys choose in the tree and the lists as clicks do.
TEST_F(AnimeEditorViewTest, TheArrowKeysChooseAnimesFramesAndPictures) {
  openAnime(1);
  input::key(view_.AnimeTree, Qt::Key_Up);
  EXPECT_EQ(view_.Editor().CurrentAnimeIndex(), 0);
  EXPECT_EQ(view_.BaseSpeedEdit->text(), "60");
  ASSERT_EQ(view_.FrameList->count(), 2);
  clickRow(view_.FrameList, 0);
  input::key(view_.FrameList, Qt::Key_Down);
  EXPECT_EQ(view_.DisplayTimeEdit->text(), "20");
  EXPECT_TRUE(view_.FrameDeleteAction->isEnabled());
  clickRow(view_.ImageList, 0);
  input::key(view_.ImageList, Qt::Key_Down);
  EXPECT_EQ(view_.ImageScroll->BitmapWidth(), 32);
}

TEST_F(AnimeEditorViewTest, TypedFieldsChangeTheModelsOnlyWithValidNumbers) {
  openAnime(0);
  clickRow(view_.FrameList, 1);
  EXPECT_EQ(view_.DisplayTimeEdit->text(), "20");
  EXPECT_TRUE(view_.DisplayTimeEdit->isEnabled());
  input::retype(view_.DisplayTimeEdit, "0");
  EXPECT_EQ(anime_->GetFrame(1)->GetDisplayTime(), 20);
  EXPECT_EQ(view_.DisplayTimeEdit->text(), "0");  // what was typed stays
  input::retype(view_.DisplayTimeEdit, "45");
  EXPECT_EQ(anime_->GetFrame(1)->GetDisplayTime(), 45);
  input::retype(view_.BaseSpeedEdit, "");
  EXPECT_EQ(anime_->GetBaseSpeed(), 60);
  input::type(view_.BaseSpeedEdit, "0");
  EXPECT_EQ(anime_->GetBaseSpeed(), 60);
  input::retype(view_.BaseSpeedEdit, "30");
  EXPECT_EQ(anime_->GetBaseSpeed(), 30);
  clickRow(view_.FrameList, 0);
  EXPECT_EQ(view_.DisplayTimeEdit->text(), "10");
  EXPECT_EQ(anime_->GetFrame(0)->GetDisplayTime(), 10);  // showing a frame's time does not write it
}

TEST_F(AnimeEditorViewTest, ASelectionDraggedOnThePictureBecomesANewFrame) {
  openAnime(0);
  clickRow(view_.ImageList, 0);
  EXPECT_EQ(view_.ImageScroll->BitmapWidth(), 64);
  EXPECT_EQ(view_.ImageScroll->BitmapHeight(), 32);
  EXPECT_TRUE(view_.CreateFrameButton->isEnabled());
  EXPECT_FALSE(view_.UpdateFrameButton->isEnabled());
  input::choose(view_.ImageGridBox, 3);
  dragSelection({3, 3}, {20, 9});
  EXPECT_EQ(view_.Editor().Selection(), (TRect{0, 0, 24, 16}));
  input::click(view_.CreateFrameButton);
  ASSERT_EQ(anime_->GetFrameCount(), 3);
  EXPECT_EQ(anime_->GetFrame(2)->GetSourceRect(), (TRect{0, 0, 24, 16}));
  EXPECT_EQ(anime_->GetFrame(2)->GetImageIndex(), 0);
  EXPECT_EQ(view_.FrameList->count(), 3);

  // The outline of the selection, on the blue picture.
  clickRow(view_.ImageList, 1);
  EXPECT_EQ(shownAt(view_.ImageScroll->qonPaintBox, 0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(shownAt(view_.ImageScroll->qonPaintBox, 23, 10), qRgb(255, 0, 0));
  EXPECT_EQ(shownAt(view_.ImageScroll->qonPaintBox, 10, 10), rgb(0x0000FF));
  EXPECT_EQ(shownAt(view_.ImageScroll->qonPaintBox, 30, 10), rgb(0x0000FF));

  clickRow(view_.ImageList, 0);
  clickRow(view_.FrameList, 0);
  EXPECT_TRUE(view_.UpdateFrameButton->isEnabled());
  input::choose(view_.ImageGridBox, 0);
  dragSelection({40, 4}, {47, 19});
  input::click(view_.UpdateFrameButton);
  EXPECT_EQ(anime_->GetFrame(0)->GetSourceRect(), (TRect{40, 4, 48, 20}));
}

// A right click while selecting gives back the selection from before and ends the selecting.
TEST_F(AnimeEditorViewTest, ARightClickCancelsASelectionBeingDragged) {
  openAnime(0);
  clickRow(view_.ImageList, 0);
  input::choose(view_.ImageGridBox, 3);
  dragSelection({3, 3}, {20, 9});
  ASSERT_EQ(view_.Editor().Selection(), (TRect{0, 0, 24, 16}));
  QWidget* box = view_.ImageScroll->qonPaintBox;
  input::click(box, {33, 1});
  input::move(box, {50, 20});
  EXPECT_EQ(view_.Editor().Selection(), (TRect{32, 0, 56, 24}));
  input::click(box, {50, 20}, Qt::RightButton);
  EXPECT_EQ(view_.Editor().Selection(), (TRect{0, 0, 24, 16}));
  input::move(box, {60, 30});
  EXPECT_EQ(view_.Editor().Selection(), (TRect{0, 0, 24, 16})) << "no longer selecting";
}

TEST_F(AnimeEditorViewTest, DraggingInTheFrameViewMovesTheFrameAndItsLabel) {
  openAnime(0);
  clickRow(view_.FrameList, 0);
  input::choose(view_.FrameGridBox, 3);
  QWidget* box = view_.FrameScroll->qonPaintBox;
  input::press(box, {141, 97});
  EXPECT_EQ(anime_->GetFrame(0)->GetOffset(), (TPoint{8, -32}));
  EXPECT_EQ(view_.OffsetLabel->text(), utf("座標 X=   8 Y= -32"));
  input::move(box, {130, 150});
  input::release(box, {130, 150});
  EXPECT_EQ(anime_->GetFrame(0)->GetOffset(), (TPoint{0, 16}));
  input::move(box, {200, 200});  // no button held
  EXPECT_EQ(anime_->GetFrame(0)->GetOffset(), (TPoint{0, 16}));
  input::drag(box, {200, 200}, {40, 40}, Qt::RightButton);  // only the left button moves the frame
  EXPECT_EQ(anime_->GetFrame(0)->GetOffset(), (TPoint{0, 16}));
  anime_->GetFrame(1)->SetImageIndex(5);  // past the pictures
  clickRow(view_.FrameList, 1);
  EXPECT_EQ(view_.OffsetLabel->text(), utf("指定された画像が利用できません"));
}

TEST_F(AnimeEditorViewTest, ThePreviewShowsTheFramesAsTheClockRuns) {
  openAnime(0);
  QWidget* box = view_.FrameScroll->qonPaintBox;
  ASSERT_EQ(box->size(), QSize(256, 256));
  const QRgb red = rgb(test::Blended(0xFFFF0000u, TZEAnimePreview::kNoTileColor));
  const QRgb blue = rgb(test::Blended(0xFF0000FFu, TZEAnimePreview::kNoTileColor));
  const QRgb black = qRgb(0, 0, 0);
  EXPECT_EQ(shownAt(box, 140, 140), black);  // no frame is current
  clickRow(view_.FrameList, 0);
  EXPECT_EQ(shownAt(box, 140, 140), red);

  input::click(view_.PlayButton);
  EXPECT_TRUE(view_.PlayButton->isChecked());
  EXPECT_TRUE(view_.PlayTimer->isActive());
  EXPECT_EQ(view_.PlayTimer->interval(), 4);
  EXPECT_EQ(shownAt(box, 140, 140), red);
  clock_.advance(166);
  EXPECT_EQ(shownAt(box, 140, 140), red);  // the frame's time is up in this paint
  clock_.advance(1);
  EXPECT_EQ(shownAt(box, 130, 118), blue);  // frame 1: 8 x 8 of the blue picture at (128, 116)
  EXPECT_EQ(shownAt(box, 140, 140), black);
  clock_.advance(333);
  shownAt(box, 0, 0);
  EXPECT_EQ(shownAt(box, 140, 140), red);

  input::click(view_.PlayButton);
  EXPECT_FALSE(view_.PlayButton->isChecked());
  EXPECT_FALSE(view_.PlayTimer->isActive());
}

TEST_F(AnimeEditorViewTest, ThePlayButtonStaysUpWithoutFramesAndClosingStopsPlaying) {
  input::click(view_.PlayButton);
  EXPECT_FALSE(view_.PlayButton->isChecked());
  openAnime(1);
  input::click(view_.PlayButton);
  EXPECT_FALSE(view_.PlayButton->isChecked());
  EXPECT_FALSE(view_.PlayTimer->isActive());
  const std::function<void()> closings[] = {[&] { input::key(view_.BaseSpeedEdit, Qt::Key_Escape); },
                                            [&] { input::closeWindow(&view_); }};
  for (const auto& close : closings) {
    openAnime(0);
    input::click(view_.PlayButton);
    EXPECT_TRUE(view_.PlayTimer->isActive());
    close();
    ASSERT_FALSE(view_.isVisible());
    EXPECT_FALSE(view_.PlayTimer->isActive());
    EXPECT_FALSE(view_.Editor().Playing());
    view_.show();
    EXPECT_FALSE(view_.PlayButton->isChecked());
  }
}

TEST_F(AnimeEditorViewTest, PlaybackStopsWhenTheAnimeChangesOrIsDeleted) {
  openAnime(0);
  input::click(view_.PlayButton);
  ASSERT_TRUE(view_.PlayTimer->isActive());
  openAnime(1);
  EXPECT_FALSE(view_.Editor().Playing());
  EXPECT_FALSE(view_.PlayButton->isChecked());
  EXPECT_FALSE(view_.PlayTimer->isActive());

  openAnime(0);
  input::click(view_.PlayButton);
  ASSERT_TRUE(view_.PlayTimer->isActive());
  input::clickMenuBarItem(view_.MainMenu, view_.DeleteAnimeAction);  // the next anime takes its place
  ASSERT_EQ(data_->animes->GetCount(), 1);
  EXPECT_EQ(view_.Editor().CurrentAnimeIndex(), 0);
  EXPECT_FALSE(view_.Editor().Playing());
  EXPECT_FALSE(view_.PlayButton->isChecked());
  EXPECT_FALSE(view_.PlayTimer->isActive());
}

TEST_F(AnimeEditorViewTest, NewAndDeleteFromTheMenuEditTheAnimeList) {
  input::clickMenuBarItem(view_.MainMenu, view_.NewAnimeAction);
  ASSERT_EQ(data_->animes->GetCount(), 3);
  ASSERT_EQ(view_.AnimeTree->topLevelItemCount(), 3);
  EXPECT_TRUE(view_.AnimeTree->topLevelItem(2)->isSelected());
  EXPECT_EQ(view_.Editor().CurrentAnimeIndex(), 2);
  EXPECT_TRUE(view_.DeleteAnimeAction->isEnabled());
  input::click(view_.AnimeTree, view_.AnimeTree->topLevelItem(0), Qt::RightButton);
  ASSERT_TRUE(view_.AnimePopup->isVisible());
  input::clickMenuItem(view_.AnimePopup, view_.DeleteAnimeAction);
  ASSERT_EQ(data_->animes->GetCount(), 2);
  EXPECT_EQ(data_->animes->GetItem(0)->GetID(), 6);
  EXPECT_EQ(view_.AnimeTree->topLevelItemCount(), 2);
  EXPECT_EQ(view_.Editor().CurrentAnimeIndex(), 0);
  EXPECT_TRUE(view_.AnimeTree->topLevelItem(0)->isSelected());

  const QPoint below(4, view_.AnimeTree->viewport()->height() - 2);
  ASSERT_EQ(view_.AnimeTree->itemAt(below), nullptr);
  input::click(view_.AnimeTree->viewport(), below);
  EXPECT_TRUE(view_.AnimeTree->selectedItems().isEmpty());
  EXPECT_FALSE(view_.DeleteAnimeAction->isEnabled());
}

TEST_F(AnimeEditorViewTest, ThePopUpsDeleteOnlyWithAListSelection) {
  openAnime(0);
  EXPECT_FALSE(view_.FrameDeleteAction->isEnabled());
  clickRow(view_.FrameList, 1);
  EXPECT_TRUE(view_.FrameDeleteAction->isEnabled());
  input::click(view_.FrameList->viewport(), emptySpace(view_.FrameList));
  EXPECT_FALSE(view_.FrameDeleteAction->isEnabled());
  EXPECT_TRUE(view_.FrameList->selectedItems().isEmpty());
  popupCommand(view_.FrameList, 1, view_.FramePopup, view_.FrameDeleteAction);
  EXPECT_EQ(anime_->GetFrameCount(), 1);
  EXPECT_EQ(view_.FrameList->count(), 1);
  EXPECT_EQ(view_.FrameList->currentRow(), 0);  // the one before the deleted last

  clickRow(view_.ImageList, 0);
  EXPECT_TRUE(view_.ImageDeleteAction->isEnabled());
  popupCommand(view_.ImageList, 0, view_.ImagePopup, view_.ImageDeleteAction);
  ASSERT_EQ(view_.ImageList->count(), 1);
  EXPECT_EQ(view_.ImageList->item(0)->text(), "blue.bmp");
  EXPECT_EQ(view_.ImageList->currentRow(), 0);
  EXPECT_EQ(view_.ImageScroll->BitmapWidth(), 32);  // blue took its place
  EXPECT_EQ(anime_->GetFrame(0)->GetImageIndex(), -1);
  input::click(view_.ImageList->viewport(), emptySpace(view_.ImageList));
  EXPECT_FALSE(view_.ImageDeleteAction->isEnabled());
}

TEST_F(AnimeEditorViewTest, AddingAPictureGoesThroughThePickerOverTheMaterialTree) {
  auto images = data_->AddImageMaterials();
  auto blue = PictureMaterial("blue.bmp", 40);
  images->Add(blue);
  QString caption;
  bool cancel = false;
  view_.SetImagePicker([&](const QString& title, const std::function<void(IZETree&)>& fill) {
    caption = title;
    TZEPlainTree tree;
    fill(tree);
    if (cancel || tree.GetTopLevelCount() != 1 || tree.GetTopLevel(0)->GetChildCount() != 1) return TZETreeNodeData();
    return tree.GetTopLevel(0)->GetChild(0)->GetData();
  });
  openAnime(1);
  input::click(view_.AddImageButton);
  EXPECT_EQ(caption, utf("追加する画像ファイルを選択して下さい"));
  ASSERT_EQ(view_.ImageList->count(), 1);
  EXPECT_EQ(view_.ImageList->item(0)->text(), "blue.bmp");
  EXPECT_EQ(data_->animes->GetItem(1)->GetImageList()->GetItem(0), blue);
  cancel = true;
  input::click(view_.AddImageButton);
  EXPECT_EQ(view_.ImageList->count(), 1);
}

}  // namespace
}  // namespace zelvo

namespace zelvo {
namespace {

TEST_F(AnimeEditorViewTest, WithoutAnotherPickerThePopUpOffersTheMaterialTree) {
  auto images = data_->AddImageMaterials();
  images->Add(PictureMaterial("red.bmp", 40));
  images->Add(PictureMaterial("blue.bmp", 41));
  openAnime(1);
  QString caption;
  int offered = 0;
  bool choose = true;
  const auto answer = [&] {
    TZEPopupTreeView* popup = view_.PickerView;
    caption = popup->windowTitle();
    QTreeWidgetItem* folder = popup->TreeWidget()->topLevelItem(0);
    offered = folder ? folder->childCount() : 0;
    if (choose && offered == 2) {
      input::click(popup->TreeWidget(), folder);
      input::key(popup->TreeWidget(), Qt::Key_Right);  // opens the folder
      input::click(popup->TreeWidget(), folder->child(1));
    }
    input::click(choose ? popup->OkButton() : popup->CancelButton());
  };
  input::whenModalOpens([&](QWidget*) { answer(); });
  input::click(view_.AddImageButton);
  EXPECT_EQ(caption, utf("追加する画像ファイルを選択して下さい"));
  EXPECT_EQ(offered, 2);
  ASSERT_EQ(view_.ImageList->count(), 1);
  EXPECT_EQ(view_.ImageList->item(0)->text(), "blue.bmp");
  EXPECT_EQ(view_.PickerView->TreeWidget()->topLevelItemCount(), 0);  // emptied on closing

  choose = false;
  input::whenModalOpens([&](QWidget*) { answer(); });
  input::click(view_.AddImageButton);
  EXPECT_EQ(view_.ImageList->count(), 1);
}

}  // namespace
}  // namespace zelvo
