#include "editor/core/ZEAnimeEditor.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "editor/core/ZEAnimeEditorTesting.h"
#include "editor/core/ZEPlainTree.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/Cp932.h"

namespace zelvo {
namespace {

using test::FrameSetup;
using test::MakeAnime;
using test::PictureMaterial;

constexpr uint32_t kBlack = TZEAnimePreview::kNoTileColor;

std::string sj(const char* utf8) { return Cp932::fromUtf8(utf8); }

class AnimeEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.writePicture("red.bmp", 64, 32, 0xFF0000);
    folder_.writePicture("blue.bmp", 32, 32, 0x0000FF);
    // Frames on the red picture, the missing one and the blue one.
    first_ = MakeAnime({{{0, 0, 16, 16}, {0, 0}, 10, 0}, {{0, 0, 8, 8}, {0, -12}, 20, 1}, {{0, 0, 4, 4}, {5, 5}, 30, 2}},
                       60, 5);
    first_->SetName("walk");
    first_->GetStyle()->SetPath("movie.avi");
    for (const char* file : {"red.bmp", "missing.bmp", "blue.bmp"}) first_->GetImageList()->Add(PictureMaterial(file));
    second_ = MakeAnime({}, 60, 6);
    second_->SetName(sj("走る").c_str());
    data_->animes->Add(first_);
    data_->animes->Add(second_);
    editor_.setZMLZelvoAPI(data_);
    editor_.SetAnimeTree(&tree_);
    editor_.OnChange = [this](uint32_t changes) { changes_ |= changes; };
    editor_.Show();
  }

  void openFirst() {
    editor_.ClickAnimeNode(tree_.GetTopLevel(0));
    ASSERT_EQ(editor_.CurrentAnimeIndex(), 0);
  }
  // The red picture current and the selection dragged out on it (grid 1).
  void select(const TRect& r) {
    editor_.ClickImage(0);
    editor_.ImageMouseDown(mbLeft, r.Left, r.Top);
    editor_.ImageMouseMove(r.Right - 1, r.Bottom - 1);
    editor_.ImageMouseDown(mbLeft, r.Right - 1, r.Bottom - 1);
    ASSERT_EQ(editor_.Selection(), r);
  }
  std::vector<int32_t> imageIndexes() const {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < first_->GetFrameCount(); ++i) out.push_back(first_->GetFrame(i)->GetImageIndex());
    return out;
  }

  test::AnimeGameFolder folder_;
  std::shared_ptr<test::AnimeGameData> data_ = std::make_shared<test::AnimeGameData>();
  std::shared_ptr<TZelvoAnimeModel> first_, second_;
  ManualClock clock_{1000};
  TZEAnimeEditor editor_{clock_};
  TZEPlainTree tree_;
  uint32_t changes_ = 0;
};

TEST_F(AnimeEditorTest, ShowingFillsTheTreeWithNoAnimeCurrent) {
  ASSERT_EQ(tree_.GetTopLevelCount(), 2);
  EXPECT_EQ(tree_.GetTopLevel(0)->GetCaption(), "walk");
  EXPECT_EQ(tree_.GetTopLevel(1)->GetCaption(), sj("走る"));
  EXPECT_EQ(tree_.GetTopLevel(1)->GetIcon(), 0);
  EXPECT_EQ(tree_.GetTopLevel(1)->GetSelectedIcon(), 1);
  EXPECT_EQ(editor_.CurrentAnimeIndex(), TZEAnimeEditor::kNone);
  EXPECT_FALSE(editor_.FieldsEnabled());
  EXPECT_FALSE(editor_.CanAddImage());
  EXPECT_FALSE(editor_.CanCreateFrame());
  EXPECT_TRUE(editor_.FrameNames().empty());
  EXPECT_EQ(editor_.OffsetText(), TZEAnimeEditor::InitialOffsetText());
  EXPECT_EQ(editor_.OffsetText(), sj("座標 X=    0 : Y=    0"));

  editor_.Show();  // shown again: the tree is filled anew, not twice
  EXPECT_EQ(tree_.GetTopLevelCount(), 2);
}

TEST_F(AnimeEditorTest, ClickingAnAnimeShowsItsFramesPicturesAndFields) {
  changes_ = 0;
  openFirst();
  EXPECT_TRUE(changes_ & ZEAnimeChange::AnimeSelected);
  EXPECT_TRUE(editor_.FieldsEnabled());
  EXPECT_EQ(editor_.FrameNames(), (std::vector<std::string>{"ZMLObject100", "ZMLObject101", "ZMLObject102"}));
  EXPECT_EQ(editor_.ImageNames(), (std::vector<std::string>{"red.bmp", "missing.bmp", "blue.bmp"}));
  EXPECT_EQ(editor_.BaseSpeedText(), "60");
  EXPECT_EQ(editor_.MovieText(), "movie.avi");
  EXPECT_EQ(editor_.CurrentImageIndex(), TZEAnimeEditor::kNone);
  EXPECT_EQ(editor_.CurrentFrameIndex(), TZEAnimeEditor::kNone);
  EXPECT_EQ(editor_.Pictures().Count(), 2);  // the missing file is not cached
  EXPECT_NE(editor_.PictureOf(0), nullptr);
  EXPECT_EQ(editor_.PictureOf(1), nullptr);
  EXPECT_NE(editor_.PictureOf(2), nullptr);

  editor_.ClickAnimeNode(tree_.GetTopLevel(1));
  EXPECT_EQ(editor_.CurrentAnimeIndex(), 1);
  EXPECT_TRUE(editor_.ImageNames().empty());
  EXPECT_EQ(editor_.Pictures().Count(), 0);
}

TEST_F(AnimeEditorTest, AnIndexOutsideTheListSelectsNoAnime) {
  for (int32_t index : {-5, 2, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}) {
    openFirst();
    editor_.SelectAnime(index);
    EXPECT_EQ(editor_.CurrentAnimeIndex(), TZEAnimeEditor::kNone) << index;
    EXPECT_FALSE(editor_.FieldsEnabled());
  }
}

TEST_F(AnimeEditorTest, APressOnEmptyTreeSpaceOnlyClearsTheSelection) {
  openFirst();
  tree_.SetSelected(tree_.GetTopLevel(0));
  EXPECT_TRUE(editor_.CanDeleteAnime());
  editor_.ClickAnimeNode(nullptr);
  EXPECT_EQ(tree_.GetSelected(), nullptr);
  EXPECT_FALSE(editor_.CanDeleteAnime());
  EXPECT_EQ(editor_.CurrentAnimeIndex(), 0);
}

TEST_F(AnimeEditorTest, OnlyAPictureThatLoadedCanBeCurrent) {
  openFirst();
  struct Case {
    int32_t click, current;
  };
  // A click beside the items is a click on empty space: the current picture stays.
  for (const Case& c : std::vector<Case>{{0, 0}, {1, -1}, {2, 2}, {3, 2}, {-7, 2}, {1, -1}}) {
    editor_.ClickImage(c.click);
    EXPECT_EQ(editor_.CurrentImageIndex(), c.current) << c.click;
    EXPECT_EQ(editor_.CanCreateFrame(), c.current != -1) << c.click;
  }
  editor_.ClickImage(2);
  ASSERT_NE(editor_.CurrentPicture(), nullptr);
  EXPECT_EQ(editor_.CurrentPicture()->Width(), 32);
  EXPECT_EQ(editor_.CurrentPicture()->GetPixel(3, 3), 0xFF0000FFu);
  EXPECT_EQ(editor_.ImageListSelection(), 2);
  EXPECT_FALSE(editor_.CanUpdateFrame());
  editor_.ClickFrame(1);
  EXPECT_TRUE(editor_.CanUpdateFrame());
  editor_.ClickImage(TZEAnimeEditor::kNone);  // empty space: the selection goes, the picture stays
  EXPECT_EQ(editor_.ImageListSelection(), TZEAnimeEditor::kNone);
  EXPECT_EQ(editor_.CurrentImageIndex(), 2);
  EXPECT_FALSE(editor_.CanDeleteImage());
}

TEST_F(AnimeEditorTest, AnUnreadablePictureCountsAsMissing) {
  folder_.writeBytes("broken.bmp", "BM this is no picture");
  openFirst();
  first_->GetImageList()->Add(PictureMaterial("broken.bmp"));
  editor_.SelectAnime(0);
  EXPECT_EQ(editor_.PictureOf(3), nullptr);
  editor_.ClickImage(3);
  EXPECT_EQ(editor_.CurrentImageIndex(), TZEAnimeEditor::kNone);
}

TEST_F(AnimeEditorTest, DraggingASelectionSnapsToTheGridAndCoversTheLastCell) {
  openFirst();
  editor_.ClickImage(0);  // 64 x 32
  struct Case {
    int32_t gridChoice;
    TPoint from, to;
    TRect selection;
  };
  for (const Case& c : std::vector<Case>{{3, {3, 3}, {20, 9}, {0, 0, 24, 16}},
                                         {0, {10, 10}, {5, 2}, {5, 2, 11, 11}},
                                         {4, {40, 20}, {2, 2}, {0, 0, 48, 32}},
                                         {0, {-5, 100}, {1000, -20}, {0, 0, 64, 32}},
                                         {5, {63, 31}, {63, 31}, {32, 0, 64, 32}}}) {
    editor_.SetImageGrid(c.gridChoice);
    editor_.ImageMouseDown(mbLeft, c.from.X, c.from.Y);
    EXPECT_TRUE(editor_.Selecting());
    editor_.ImageMouseMove(c.to.X, c.to.Y);
    EXPECT_EQ(editor_.Selection(), c.selection) << c.gridChoice;
    editor_.ImageMouseDown(mbLeft, c.to.X, c.to.Y);
    EXPECT_FALSE(editor_.Selecting());
    editor_.ImageMouseMove(1, 1);  // not selecting any more
    EXPECT_EQ(editor_.Selection(), c.selection);
  }
}

TEST_F(AnimeEditorTest, ARightPressWhileSelectingRestoresTheSelection) {
  openFirst();
  select({2, 2, 10, 10});
  editor_.ImageMouseDown(mbLeft, 20, 20);
  editor_.ImageMouseMove(30, 25);
  EXPECT_EQ(editor_.Selection(), (TRect{20, 20, 31, 26}));
  editor_.ImageMouseDown(mbRight, 30, 25);
  EXPECT_FALSE(editor_.Selecting());
  EXPECT_EQ(editor_.Selection(), (TRect{2, 2, 10, 10}));
  editor_.ImageMouseDown(mbRight, 1, 1);  // not selecting: nothing
  EXPECT_EQ(editor_.Selection(), (TRect{2, 2, 10, 10}));
}

TEST_F(AnimeEditorTest, GridChoicesOutsideTheSixAreIgnored) {
  for (int32_t choice : {-1, 6, 100}) {
    editor_.SetImageGrid(choice);
    editor_.SetFrameGrid(choice);
  }
  EXPECT_EQ(editor_.ImageGrid(), 1);
  EXPECT_EQ(editor_.FrameGrid(), 1);
  editor_.SetImageGrid(5);
  editor_.SetFrameGrid(2);
  EXPECT_EQ(editor_.ImageGrid(), 32);
  EXPECT_EQ(editor_.FrameGrid(), 4);
}

TEST_F(AnimeEditorTest, WithoutAPictureTheMouseSelectsNothing) {
  openFirst();
  editor_.ClickImage(1);  // missing
  editor_.ImageMouseDown(mbLeft, 3, 3);
  editor_.ImageMouseMove(10, 10);
  EXPECT_FALSE(editor_.Selecting());
  EXPECT_EQ(editor_.Selection(), TRect{});
}

TEST_F(AnimeEditorTest, CreatingAFrameCutsTheSelectionAndAppendsWithoutAListSelection) {
  openFirst();
  select({8, 0, 24, 16});
  const int32_t id = data_->ids->PeekID();
  editor_.CreateFrame();
  ASSERT_EQ(first_->GetFrameCount(), 4);
  const auto frame = first_->GetFrame(3);
  EXPECT_EQ(frame->GetID(), id);
  EXPECT_EQ(frame->GetSourceRect(), (TRect{8, 0, 24, 16}));
  EXPECT_EQ(frame->GetDisplayTime(), 10);
  EXPECT_EQ(frame->GetImageIndex(), 0);
  EXPECT_EQ(frame->GetOffset(), TPoint{});
  EXPECT_EQ(editor_.FrameNames().back(), "ZMLObject" + std::to_string(id));
}

TEST_F(AnimeEditorTest, CreatingAFrameInsertsBeforeTheSelectedOneWhichStaysSelectedAndCurrent) {
  openFirst();
  editor_.ClickFrame(1);
  const auto selected = first_->GetFrame(1);
  select({0, 0, 4, 4});
  editor_.CreateFrame();
  editor_.CreateFrame();
  ASSERT_EQ(first_->GetFrameCount(), 5);
  EXPECT_EQ(first_->GetFrame(3), selected);
  EXPECT_EQ(editor_.FrameListSelection(), 3);
  EXPECT_EQ(editor_.CurrentFrameIndex(), 3);
  // The two new frames keep the order they were made in.
  EXPECT_LT(first_->GetFrame(1)->GetID(), first_->GetFrame(2)->GetID());
}

TEST_F(AnimeEditorTest, UpdatingAFrameTakesTheSelectionOnly) {
  openFirst();
  editor_.ClickFrame(2);
  select({1, 2, 33, 30});
  editor_.UpdateFrame();
  EXPECT_EQ(first_->GetFrame(2)->GetSourceRect(), (TRect{1, 2, 33, 30}));
  EXPECT_EQ(first_->GetFrame(2)->GetImageIndex(), 2);
}

TEST_F(AnimeEditorTest, DeletingAFrameMakesTheOneInItsPlaceOrTheOneBeforeCurrent) {
  struct Case {
    int32_t deleted;
    int32_t current;      // index afterwards
    int32_t currentID;    // the frame that is current, -1 for none
  };
  for (const Case& c : std::vector<Case>{{2, 1, 101}, {0, 0, 101}, {1, 1, 102}}) {
    first_ = MakeAnime({{}, {}, {}}, 60, 5);
    data_->animes->Delete(0);
    data_->animes->Insert(0, first_);
    editor_.Show();
    openFirst();
    editor_.ClickFrame(c.deleted);
    EXPECT_TRUE(editor_.CanDeleteFrame());
    editor_.DeleteFrame();
    EXPECT_EQ(first_->GetFrameCount(), 2);
    EXPECT_EQ(editor_.CurrentFrameIndex(), c.current) << c.deleted;
    EXPECT_EQ(editor_.FrameListSelection(), c.current);
    EXPECT_EQ(first_->GetFrame(c.current)->GetID(), c.currentID);
  }
  editor_.ClickFrame(0);
  editor_.DeleteFrame();
  editor_.DeleteFrame();
  EXPECT_EQ(first_->GetFrameCount(), 0);
  EXPECT_EQ(editor_.CurrentFrameIndex(), TZEAnimeEditor::kNone);
  EXPECT_FALSE(editor_.CanDeleteFrame());
  editor_.DeleteFrame();  // nothing selected: nothing happens
}

TEST_F(AnimeEditorTest, APressOnEmptyFrameListSpaceKeepsTheCurrentFrame) {
  openFirst();
  editor_.ClickFrame(1);
  editor_.ClickFrame(TZEAnimeEditor::kNone);
  EXPECT_EQ(editor_.FrameListSelection(), TZEAnimeEditor::kNone);
  EXPECT_EQ(editor_.CurrentFrameIndex(), 1);
  EXPECT_FALSE(editor_.CanDeleteFrame());
  editor_.DeleteFrame();
  EXPECT_EQ(first_->GetFrameCount(), 3);
}

TEST_F(AnimeEditorTest, TheDisplayTimeFieldTakesIntegersFromOne) {
  openFirst();
  EXPECT_FALSE(editor_.SetDisplayTimeText("25"));  // no frame is current
  editor_.ClickFrame(0);
  EXPECT_EQ(editor_.DisplayTimeText(), "10");
  struct Case {
    const char* text;
    bool taken;
    int32_t time;
  };
  for (const Case& c : std::vector<Case>{{"0", false, 10}, {"", false, 10}, {"abc", false, 10}, {"-3", false, 10},
                                         {"99999999999", false, 10}, {"25", true, 25}, {"$10", true, 16}, {"1", true, 1}}) {
    EXPECT_EQ(editor_.SetDisplayTimeText(c.text), c.taken) << c.text;
    EXPECT_EQ(first_->GetFrame(0)->GetDisplayTime(), c.time) << c.text;
  }
}

TEST_F(AnimeEditorTest, TheBaseSpeedFieldTakesIntegersAboveZero) {
  EXPECT_FALSE(editor_.SetBaseSpeedText("30"));  // no anime is current
  openFirst();
  for (const char* ignored : {"", "0", "-60", "fast", "6O"}) {
    EXPECT_FALSE(editor_.SetBaseSpeedText(ignored)) << ignored;
    EXPECT_EQ(first_->GetBaseSpeed(), 60) << ignored;
  }
  EXPECT_TRUE(editor_.SetBaseSpeedText("30"));
  EXPECT_EQ(first_->GetBaseSpeed(), 30);
}

TEST_F(AnimeEditorTest, TheOffsetLabelShowsTheOffsetOrThatThePictureIsMissing) {
  openFirst();
  first_->AddFrame(test::MakeFrame({{}, {}, 10, 7}));   // past the pictures
  first_->AddFrame(test::MakeFrame({{}, {}, 10, -1}));  // no picture
  editor_.SelectAnime(0);
  struct Case {
    int32_t frame;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{0, "座標 X=   0 Y=   0"},
                                         {1, "指定された画像が利用できません"},
                                         {2, "座標 X=   5 Y=   5"},
                                         {3, "指定された画像が利用できません"},
                                         {4, "指定された画像が利用できません"}}) {
    editor_.ClickFrame(c.frame);
    EXPECT_EQ(editor_.OffsetText(), sj(c.text)) << c.frame;
  }
  first_->GetFrame(0)->SetOffset(-128, 12345);
  editor_.ClickFrame(0);
  EXPECT_EQ(editor_.OffsetText(), sj("座標 X=-128 Y=12345"));
}

TEST_F(AnimeEditorTest, DraggingInTheFrameViewPlacesTheCurrentFrameOnTheGrid) {
  openFirst();
  editor_.FrameMouseDown(mbLeft, 10, 10);  // no frame is current: nothing
  EXPECT_EQ(first_->GetFrame(0)->GetOffset(), TPoint{});
  editor_.ClickFrame(0);
  editor_.SetFrameGrid(3);  // 8 x 8
  struct Step {
    bool press;
    TQonMouseButton button;
    TQonShiftState shift;
    TPoint at;
    TPoint offset;
  };
  for (const Step& s : std::vector<Step>{{true, mbLeft, ssLeft, {141, 97}, {8, -32}},
                                         {false, mbLeft, ssLeft, {3, 250}, {-128, 120}},
                                         {false, mbLeft, 0, {200, 200}, {-128, 120}},
                                         {true, mbRight, ssRight, {200, 200}, {-128, 120}},
                                         {false, mbLeft, ssLeft, {-3, -9}, {-136, -144}}}) {
    if (s.press) editor_.FrameMouseDown(s.button, s.at.X, s.at.Y);
    else editor_.FrameMouseMove(s.shift, s.at.X, s.at.Y);
    EXPECT_EQ(first_->GetFrame(0)->GetOffset(), s.offset) << s.at.X << "," << s.at.Y;
  }
  EXPECT_EQ(editor_.OffsetText(), sj("座標 X=-136 Y=-144"));
}

TEST_F(AnimeEditorTest, AddingAPictureAppendsItAndLoadsIt) {
  EXPECT_FALSE(editor_.AddImage(PictureMaterial("blue.bmp")));  // no anime is current
  editor_.ClickAnimeNode(tree_.GetTopLevel(1));
  auto folder = std::make_shared<TZelvoStylePackage>(9);
  EXPECT_FALSE(editor_.AddImage(folder));
  EXPECT_FALSE(editor_.AddImage(nullptr));
  EXPECT_FALSE(editor_.AddImage(std::make_shared<TZelvoStyleModel>(3, MaterialKind::Movie)));
  auto picture = PictureMaterial("blue.bmp", 44);
  EXPECT_TRUE(editor_.AddImage(picture));
  ASSERT_EQ(second_->GetImageList()->GetCount(), 1);
  EXPECT_EQ(second_->GetImageList()->GetItem(0), picture);
  EXPECT_EQ(editor_.ImageNames(), std::vector<std::string>{"blue.bmp"});
  EXPECT_NE(editor_.PictureOf(0), nullptr);
  editor_.ClickImage(0);
  EXPECT_EQ(editor_.CurrentImageIndex(), 0);
}

TEST_F(AnimeEditorTest, DeletingAPictureKeepsEveryFrameOnThePictureItShowed) {
  openFirst();
  first_->AddFrame(test::MakeFrame({{}, {}, 10, 7}));  // on no picture of the list
  editor_.SelectAnime(0);
  editor_.ClickImage(0);
  EXPECT_TRUE(editor_.CanDeleteImage());
  editor_.DeleteImage();
  EXPECT_EQ(editor_.ImageNames(), (std::vector<std::string>{"missing.bmp", "blue.bmp"}));
  EXPECT_EQ(imageIndexes(), (std::vector<int32_t>{-1, 0, 1, 6}));
  EXPECT_EQ(editor_.Pictures().FindByName(TZEAnimeEditor::PicturePath("red.bmp")), nullptr);
  EXPECT_EQ(editor_.ImageListSelection(), 0);
  EXPECT_EQ(editor_.CurrentImageIndex(), TZEAnimeEditor::kNone);  // the missing one took its place
  EXPECT_NE(editor_.PictureOf(1), nullptr);

  editor_.ClickImage(1);  // the last: the one before it follows
  editor_.DeleteImage();
  EXPECT_EQ(editor_.ImageListSelection(), 0);
  editor_.DeleteImage();
  EXPECT_EQ(first_->GetImageList()->GetCount(), 0);
  EXPECT_EQ(editor_.ImageListSelection(), TZEAnimeEditor::kNone);
  EXPECT_FALSE(editor_.CanDeleteImage());
  editor_.DeleteImage();
}

TEST_F(AnimeEditorTest, DeletingOneOfTwoEntriesOfAFileKeepsItsPictureForTheOther) {
  first_->GetImageList()->Add(PictureMaterial("red.bmp"));
  openFirst();
  editor_.ClickImage(0);
  editor_.DeleteImage();
  EXPECT_EQ(editor_.ImageNames().back(), "red.bmp");
  EXPECT_NE(editor_.PictureOf(2), nullptr);
}

TEST_F(AnimeEditorTest, ANewAnimeIsAppendedSelectedAndCurrent) {
  const int32_t id = data_->ids->PeekID();
  editor_.NewAnime();
  ASSERT_EQ(data_->animes->GetCount(), 3);
  const auto anime = data_->animes->GetItem(2);
  EXPECT_EQ(anime->GetID(), id);
  EXPECT_EQ(anime->GetBaseSpeed(), 60);
  EXPECT_EQ(anime->GetFrameCount(), 0);
  ASSERT_EQ(tree_.GetTopLevelCount(), 3);
  IZETreeNode* node = tree_.GetTopLevel(2);
  EXPECT_EQ(node->GetCaption(), "ZMLObject" + std::to_string(id));
  EXPECT_EQ(node->GetIcon(), 0);
  EXPECT_EQ(node->GetSelectedIcon(), 1);
  EXPECT_EQ(node->GetData().As<IZelvoAnimeModel>(), anime);
  EXPECT_EQ(tree_.GetSelected(), node);
  EXPECT_EQ(editor_.CurrentAnimeIndex(), 2);
}

TEST_F(AnimeEditorTest, DeletingAnAnimeMakesTheOneInItsPlaceOrTheOneBeforeCurrent) {
  editor_.NewAnime();  // three animes
  const auto third = data_->animes->GetItem(2);
  EXPECT_TRUE(editor_.CanDeleteAnime());
  editor_.DeleteAnime();  // the last
  EXPECT_EQ(data_->animes->GetCount(), 2);
  EXPECT_EQ(editor_.CurrentAnimeIndex(), 1);
  EXPECT_EQ(tree_.GetSelected(), tree_.GetTopLevel(1));
  tree_.SetSelected(tree_.GetTopLevel(0));
  editor_.DeleteAnime();
  ASSERT_EQ(data_->animes->GetCount(), 1);
  EXPECT_EQ(data_->animes->GetItem(0), second_);
  EXPECT_EQ(editor_.CurrentAnime(), second_);
  EXPECT_EQ(tree_.GetTopLevel(0)->GetData().As<IZelvoAnimeModel>(), second_);
  editor_.DeleteAnime();
  EXPECT_EQ(data_->animes->GetCount(), 0);
  EXPECT_EQ(tree_.GetTopLevelCount(), 0);
  EXPECT_EQ(editor_.CurrentAnimeIndex(), TZEAnimeEditor::kNone);
  EXPECT_FALSE(editor_.CanDeleteAnime());
  editor_.DeleteAnime();
}

TEST_F(AnimeEditorTest, ANodeWhoseAnimeIsNotInTheListCostsNoOtherAnime) {
  IZETreeNode* stray = tree_.AddChild(nullptr, "stray");
  stray->SetData(TZETreeNodeData(std::make_shared<TZelvoAnimeModel>(77)));
  tree_.SetSelected(tree_.GetTopLevel(0));
  tree_.Delete(tree_.GetTopLevel(0));  // the tree no longer matches the list
  tree_.SetSelected(stray);
  editor_.DeleteAnime();
  EXPECT_EQ(data_->animes->GetCount(), 2);
}

TEST_F(AnimeEditorTest, PlayingNeedsAnAnimeWithFrames) {
  EXPECT_FALSE(editor_.TogglePlay());
  editor_.ClickAnimeNode(tree_.GetTopLevel(1));
  EXPECT_FALSE(editor_.TogglePlay());
  openFirst();
  changes_ = 0;
  clock_.set(5000);
  EXPECT_TRUE(editor_.TogglePlay());
  EXPECT_TRUE(changes_ & ZEAnimeChange::Playback);
  EXPECT_EQ(editor_.Preview().PlayingFrame(), 0);
  EXPECT_EQ(editor_.Preview().LastSwitchTime(), 5000u);
  EXPECT_FALSE(editor_.TogglePlay());
  EXPECT_TRUE(editor_.TogglePlay());
  editor_.Show();
  EXPECT_FALSE(editor_.Playing());
}

TEST_F(AnimeEditorTest, ThePreviewPlaysThePicturesFromTheGameFolder) {
  openFirst();
  // Frame 0: red at (128, 128); frame 1: the missing picture at (128, 116); frame 2: blue at (133, 133).
  const uint32_t red = test::Blended(0xFFFF0000u, kBlack), blue = test::Blended(0xFF0000FFu, kBlack);
  const uint32_t dark = test::Filled(TZEAnimePreview::kMissingPicture, kBlack);
  editor_.ClickFrame(0);
  EXPECT_EQ(editor_.ComposePreview().GetPixel(140, 140), red);
  EXPECT_TRUE(editor_.TogglePlay());
  struct Step {
    uint32_t advance;
    TPoint probe;
    uint32_t pixel;
  };
  // 166 ms, 333 ms and 500 ms at 60 ticks a second.
  for (const Step& s : std::vector<Step>{{0, {140, 140}, red},
                                         {166, {140, 140}, red},
                                         {1, {130, 118}, dark},
                                         {1, {140, 140}, kBlack},
                                         {332, {130, 118}, dark},
                                         {1, {135, 135}, blue},
                                         {499, {135, 135}, blue},
                                         {1, {140, 140}, red}}) {
    clock_.advance(s.advance);
    EXPECT_EQ(editor_.ComposePreview().GetPixel(s.probe.X, s.probe.Y), s.pixel) << clock_.timeGetTime();
  }
}

TEST(AnimeEditorWithoutData, EveryCommandIsSafeWithoutADataSet) {
  ManualClock clock;
  TZEAnimeEditor editor(clock);
  TZEPlainTree tree;
  editor.SetAnimeTree(&tree);
  editor.Show();
  editor.NewAnime();
  editor.DeleteAnime();
  editor.SelectAnime(0);
  editor.ClickImage(0);
  editor.CreateFrame();
  editor.UpdateFrame();
  editor.DeleteFrame();
  editor.DeleteImage();
  editor.FrameMouseDown(mbLeft, 1, 1);
  editor.ImageMouseDown(mbLeft, 1, 1);
  EXPECT_FALSE(editor.TogglePlay());
  EXPECT_FALSE(editor.SetBaseSpeedText("10"));
  EXPECT_EQ(tree.GetTopLevelCount(), 0);
  EXPECT_EQ(editor.ComposePreview().GetPixel(3, 3), kBlack);
}

}  // namespace
}  // namespace zelvo
