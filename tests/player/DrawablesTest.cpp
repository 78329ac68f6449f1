#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "FakeGraphics.h"
#include "player/SLZelvoAPI.h"
#include "player/ZDrawableContainer.h"
#include "player/ZDrawableList.h"

namespace zelvo {
namespace {

using ::testing::ElementsAre;
using TRect = ZelvoCommonTypes::TRect;

// Records each DrawRect into a log shared by a test's drawables.
class Probe : public TZDrawable {
 public:
  explicit Probe(std::vector<std::string>* log, int32_t height = 0) : log_(log) { height_ = height; }
  void DrawRect(const TRect& d, const TRect& s) override {
    log_->push_back(std::string(GetName()) + " " + std::to_string(d.Left) + "," + std::to_string(d.Top) + "," +
                    std::to_string(d.Right) + "," + std::to_string(d.Bottom) + " from " + std::to_string(s.Left) +
                    "," + std::to_string(s.Top) + "," + std::to_string(s.Right) + "," + std::to_string(s.Bottom));
  }

 private:
  std::vector<std::string>* log_;
};

std::shared_ptr<Probe> probe(std::vector<std::string>* log, const char* name, int32_t height = 0) {
  auto p = std::make_shared<Probe>(log, height);
  p->SetName(name);
  p->SetVisible(true);
  return p;
}

std::vector<int32_t> ids(IZDrawableList& list) {
  std::vector<int32_t> out;
  for (auto it = list.GetIterator(); it->HasNext();) out.push_back(it->Next()->GetID());
  return out;
}

TEST(Drawable, IdsFollowOneCounterAndNameTheDrawable) {
  TZDrawable a;
  TZContainer b;  // any class draws from the same counter
  TZDrawable c;
  EXPECT_EQ(b.GetID(), a.GetID() + 1);
  EXPECT_EQ(c.GetID(), a.GetID() + 2);
  EXPECT_EQ(std::string(a.GetName()), "SLObject" + std::to_string(a.GetID()));
  a.SetName("hero");
  EXPECT_STREQ(a.GetName(), "hero");
}

TEST(Drawable, StartsInvisibleWhiteAndEmpty) {
  TZDrawable d;
  EXPECT_FALSE(d.GetVisible());
  EXPECT_EQ(d.GetColor(), 0xFFFFFFFFu);
  EXPECT_EQ(d.GetX() | d.GetY() | d.GetSrcX() | d.GetSrcY() | d.GetWidth() | d.GetHeight(), 0);
  EXPECT_FALSE(d.GetTransparent());
}

TEST(Drawable, DrawsOnlyWhenVisibleWithItsScreenAndSourceRectangles) {
  std::vector<std::string> log;
  Probe p(&log);
  p.SetName("p");
  p.SetX(10);
  p.SetY(20);
  p.SetSrcX(3);
  p.SetSrcY(4);
  p.SetWidth(30);
  p.SetHeight(40);
  p.Draw();
  EXPECT_TRUE(log.empty());
  p.SetVisible(true);
  p.Draw();
  EXPECT_THAT(log, ElementsAre("p 10,20,40,60 from 3,4,33,44"));
}

// A position or size read from a game's file may lie at the int32 limits: the rectangle stops
// at them instead of wrapping round onto the screen.
TEST(Drawable, ARectanglePastTheInt32RangeStopsAtIt) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
  std::vector<std::string> log;
  auto p = probe(&log, "p");
  p->SetX(kMax - 10);
  p->SetY(kMin);
  p->SetSrcX(kMax);
  p->SetWidth(30);
  p->SetHeight(-40);
  p->Draw();
  p->SetX(kMin);
  p->SetY(-1);
  p->SetSrcX(0);
  p->SetWidth(kMax);
  p->SetHeight(kMin);
  p->Draw();
  EXPECT_THAT(log, ElementsAre("p 2147483637,-2147483648,2147483647,-2147483648 from 2147483647,0,2147483647,-40",
                               "p -2147483648,-1,-1,-2147483648 from 0,0,2147483647,-2147483648"));
}

TEST(Drawable, TransparentIsOnlyEverSwitchedOn) {
  TZDrawable d;
  d.SetTransparent(false);
  EXPECT_FALSE(d.GetTransparent());
  d.SetTransparent(true);
  d.SetTransparent(false);
  EXPECT_TRUE(d.GetTransparent());
}

TEST(DrawableList, EmptyListLookups) {
  TZDrawableList list;
  EXPECT_EQ(list.IndexOfID(1), -1);
  EXPECT_EQ(list.GetItem(0), nullptr);
  EXPECT_EQ(list.GetItem(-1), nullptr);
  EXPECT_FALSE(list.GetIterator()->HasNext());
  EXPECT_EQ(list.GetIterator()->Next(), nullptr);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 0);
}

class DrawableListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& d : d_) {
      d = std::make_shared<TZDrawable>();
      list.Add(d);
    }
  }
  int32_t id(int i) { return d_[i]->GetID(); }
  std::shared_ptr<TZDrawable> d_[3];
  TZDrawableList list;
};

TEST_F(DrawableListTest, KeepsOrderAndIds) {
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(ids(list), (std::vector<int32_t>{id(0), id(1), id(2)}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(list.GetItem(i), d_[i]);
    EXPECT_EQ(list.IndexOfID(id(i)), i);
  }
  EXPECT_EQ(list.GetItem(3), nullptr);
  EXPECT_EQ(list.IndexOfID(id(2) + 1000), -1);
}

TEST_F(DrawableListTest, DeleteTable) {
  struct Case { int32_t index; std::vector<int> left; };
  for (const Case& c : {Case{0, {1, 2}}, Case{1, {0, 2}}, Case{2, {0, 1}}, Case{3, {0, 1, 2}}, Case{-1, {0, 1, 2}}}) {
    TZDrawableList l;
    for (auto& d : d_) l.Add(d);
    l.Delete(c.index);
    std::vector<int32_t> expected;
    for (int i : c.left) expected.push_back(id(i));
    EXPECT_EQ(ids(l), expected) << c.index;
    EXPECT_EQ(l.Count(), int32_t(expected.size()));
  }
}

TEST_F(DrawableListTest, DeletingTheMiddleLinksTheOthersBothWays) {
  list.Delete(1);
  auto it = list.GetIterator();
  EXPECT_EQ(it->Next(), d_[0]);
  EXPECT_EQ(it->Current(), d_[2]);
  // An item unlinking itself joins its neighbours both ways.
  auto first = std::make_shared<TZDrawableItem>(d_[0], nullptr, nullptr);
  auto middle = std::make_shared<TZDrawableItem>(d_[1], first, nullptr);
  auto last = std::make_shared<TZDrawableItem>(d_[2], middle, nullptr);
  first->SetNext(middle);
  middle->SetNext(last);
  middle->Unlink();
  EXPECT_EQ(first->GetNext(), last);
  EXPECT_EQ(last->GetPrev(), first);
}

TEST_F(DrawableListTest, InsertTable) {
  auto extra = std::make_shared<TZDrawable>();
  struct Case { int32_t index; std::vector<int> order; };  // 3 stands for the inserted drawable
  for (const Case& c : {Case{0, {3, 0, 1, 2}}, Case{1, {0, 3, 1, 2}}, Case{2, {0, 1, 3, 2}}, Case{7, {0, 1, 2, 3}}}) {
    TZDrawableList l;
    for (auto& d : d_) l.Add(d);
    l.Insert(c.index, extra);
    std::vector<int32_t> expected;
    for (int i : c.order) expected.push_back(i == 3 ? extra->GetID() : id(i));
    EXPECT_EQ(ids(l), expected) << c.index;
    EXPECT_EQ(l.Count(), 4);
  }
  TZDrawableList empty;
  empty.Insert(0, extra);
  EXPECT_EQ(ids(empty), (std::vector<int32_t>{extra->GetID()}));
}

TEST(DrawableList, ALongListIsFreedWithoutDeepRecursion) {
  auto list = std::make_unique<TZDrawableList>();
  auto d = std::make_shared<TZDrawable>();
  for (int i = 0; i < 200000; ++i) list->Insert(0, d);
  EXPECT_EQ(list->Count(), 200000);
  list.reset();
  EXPECT_EQ(d.use_count(), 1);
}

TEST(Container, DrawsChildrenInListOrderAtTheirOwnPlaces) {
  std::vector<std::string> log;
  TZContainer c;
  c.SetX(100);
  c.SetY(100);
  auto a = probe(&log, "a"), b = probe(&log, "b"), hidden = probe(&log, "h");
  hidden->SetVisible(false);
  b->SetX(5);
  c.Add(a);
  c.Add(hidden);
  c.Add(b);
  c.Draw();
  EXPECT_TRUE(log.empty()) << "an invisible container draws nothing";
  c.SetVisible(true);
  c.Draw();
  EXPECT_THAT(log, ElementsAre("a 0,0,0,0 from 0,0,0,0", "b 5,0,5,0 from 0,0,0,0"));
  // Inserting at 0 through the list makes the new child the first one drawn.
  log.clear();
  c.Children().Insert(0, b);
  c.Draw();
  EXPECT_EQ(log.front(), "b 5,0,5,0 from 0,0,0,0");
}

TEST(Container, RemoveAndFind) {
  std::vector<std::string> log;
  TZContainer c;
  auto a = probe(&log, "twin"), b = probe(&log, "twin"), x = probe(&log, "x");
  c.Add(a);
  c.Add(b);
  c.Add(x);
  EXPECT_EQ(c.FindByName("twin"), b);  // the later one in list order
  EXPECT_EQ(c.FindByName("nobody"), nullptr);
  EXPECT_EQ(c.FindByID(x->GetID()), x);
  EXPECT_EQ(c.FindByID(-5), nullptr);
  c.Remove(-5);
  EXPECT_EQ(c.Count(), 3);
  c.Remove(a->GetID());
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(c.FindByName("twin"), b);
  EXPECT_EQ(c.FindByID(a->GetID()), nullptr);
}

TEST(Container, ArrangeModeOneStacksChildrenInsideTheMargin) {
  std::vector<std::string> log;
  test::FakeGraphics g;
  // The list view is the container with a margin of 8.
  auto graphics = std::shared_ptr<IBLGraphicsInterface>(&g, [](IBLGraphicsInterface*) {});
  TZListView view(200, graphics, 200);
  view.SetX(100);
  view.SetY(50);
  auto a = probe(&log, "a", 20), b = probe(&log, "b", 30);
  a->SetX(1);
  view.Add(a);
  view.Add(b);
  view.Arrange(0);
  view.Arrange(2);
  EXPECT_EQ(a->GetX(), 1);
  view.Arrange(1);
  EXPECT_EQ(a->GetX(), 108);
  EXPECT_EQ(a->GetY(), 58);
  EXPECT_EQ(b->GetX(), 108);
  EXPECT_EQ(b->GetY(), 78);
  TZContainer plain;
  auto c = probe(&log, "c", 10);
  plain.SetX(7);
  plain.SetY(9);
  plain.Add(c);
  plain.Arrange(1);
  EXPECT_EQ(c->GetX(), 7);
  EXPECT_EQ(c->GetY(), 9);
}

TEST(StandardLayerAPI, OffersTheFactoryFillAndTheBasicLayer) {
  auto g = std::make_shared<test::FakeGraphics>();
  music::DirectX8 dx;
  auto sound = std::make_shared<TBLSoundPlayer>(dx);
  auto api = std::make_shared<TSLZelvoAPI>(g, sound);
  EXPECT_EQ(api->GetVersion(), 10);
  EXPECT_STREQ(api->GetMapsFolder(), "Maps\\");
  api->FillRect(1, 2, 3, 4, 0x80FF0000);
  ASSERT_EQ(g->fills.size(), 1u);
  EXPECT_EQ(g->fills[0].dest, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(g->fills[0].color, 0x80FF0000u);
  api->Clear(255, 1, 2, 3);
  EXPECT_EQ(g->screen.pixel(0, 0), 0xFF010203u);
  api->Present();
  EXPECT_EQ(g->presents, 1);
  std::shared_ptr<IBLZelvoAPI> bl = std::dynamic_pointer_cast<IBLZelvoAPI>(std::shared_ptr<ISLZelvoAPI>(api));
  ASSERT_NE(bl, nullptr);
  EXPECT_EQ(bl->GetSoundPlayer(), sound);

  auto f = api->GetFactory();
  auto font = f->CreateFont();
  EXPECT_EQ(font->GetSize(), 12);
  EXPECT_NE(std::dynamic_pointer_cast<TZAnimation>(f->CreateAnimation()), nullptr);
  EXPECT_EQ(f->CreateLabel(32)->GetWidth(), 32);
  EXPECT_EQ(f->CreateImageLabel("missing.bmp", nullptr)->GetWidth(), 0);
  EXPECT_NE(std::dynamic_pointer_cast<TZTextArea>(f->CreateTextArea(64)), nullptr);
  EXPECT_EQ(f->CreateContainer()->Count(), 0);
  auto lv = f->CreateListView(120, 80);
  EXPECT_EQ(lv->GetWidth(), 120);
  EXPECT_EQ(lv->GetHeight(), 80);
  EXPECT_EQ(f->CreateTextWriter(64)->GetCharsPerLine(), 40);
}

}  // namespace
}  // namespace zelvo
