// Games whose files hold numbers at the edges of int32 where positions and sizes stand: each is
// played headless with a walk, a talk, a door and the command window, and resaved. Figures far
// off the map or the screen are simply not seen; nothing overflows and the game plays on.

#include <gtest/gtest.h>

#include <Qt>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "BundledGameSuite.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "player/HeadlessPlayer.h"
#include "support/Bytes.h"
#include "support/TempDir.h"
#include "tools/DefaultGame.h"
#include "tools/Resave.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Stands in a field while the game is saved through the model layer; the hostile value then
// takes its place in the file byte for byte, past any rounding a setter would do. A multiple of 8,
// which the direction animation's setters keep; the bundled game's data holds it nowhere.
constexpr int32_t kMark = 0x5EED5EE8;

using Marker = std::function<void(IZMLZelvoAPI&)>;

// Every map of the tree, each marked as changed so that the save writes its file again.
void forEachMap(IZMLZelvoAPI& api, const std::function<void(IZelvoMapModel&)>& visit) {
  auto root = api.GetMapTree()->GetRootNode();
  for (int32_t i = 0; i < root->GetChildCount(); ++i) {
    auto node = root->GetChild(i);
    visit(*node->GetMap());
    node->SetModified(true);
  }
}

void markStart(IZMLZelvoAPI& api, bool y) {
  auto tree = api.GetMapTree();
  const auto start = tree->GetStartPosition();
  tree->SetStartPosition(y ? start.X : kMark, y ? kMark : start.Y);
}

// side: 0 left, 1 top, 2 right, 3 bottom.
void markCollision(IZMLZelvoAPI& api, int side) {
  auto list = api.GetCollisionList();
  for (int32_t i = 0; i < list->GetCount(); ++i) {
    auto collision = list->GetItem(i);
    auto r = collision->GetRect();
    int32_t* fields[] = {&r.Left, &r.Top, &r.Right, &r.Bottom};
    *fields[side] = kMark;
    collision->SetRect(r.Left, r.Top, r.Right, r.Bottom);
  }
}

enum class AnimationField { Width, Height, Patterns, FramesPerStep };

void markAnimation(IZMLZelvoAPI& api, AnimationField field) {
  auto list = api.GetDAnimationList();
  for (int32_t i = 0; i < list->GetCount(); ++i) {
    auto animation = list->GetItem(i);
    switch (field) {
      case AnimationField::Width: animation->SetWidth(kMark); break;
      case AnimationField::Height: animation->SetHeight(kMark); break;
      case AnimationField::Patterns: animation->SetPatternCount(kMark); break;
      case AnimationField::FramesPerStep: animation->SetFramesPerStep(kMark); break;
    }
  }
}

void markEventPositions(IZMLZelvoAPI& api, bool y) {
  forEachMap(api, [y](IZelvoMapModel& map) {
    auto positions = map.GetEventPositionList();
    for (int32_t i = 0; i < positions->GetCount(); ++i) {
      auto p = positions->GetItem(i);
      p->SetPosition(y ? p->GetX() : kMark, y ? kMark : p->GetY(), p->GetFloorID());
    }
  });
}

// The destination of every move order of the maps' own events: where a door puts the screen.
void markMoveOrders(IZMLZelvoAPI& api, bool y) {
  forEachMap(api, [y](IZelvoMapModel& map) {
    auto events = map.GetLocalEventPackage();
    for (int32_t e = 0; e < events->GetCount(); ++e)
      for (int32_t p = 0; p < events->GetItem(e)->GetCount(); ++p)
        for (auto order = events->GetItem(e)->GetItem(p)->GetOrder(); order; order = order->GetNext())
          if (order->GetType() == OrderType::MoveToPlace) {
            if (y)
              order->SetY(kMark);
            else
              order->SetX(kMark);
          }
  });
}

struct HostileField {
  const char* name;
  Marker mark;
};

const HostileField kFields[] = {
    {"StartX", [](IZMLZelvoAPI& api) { markStart(api, false); }},
    {"StartY", [](IZMLZelvoAPI& api) { markStart(api, true); }},
    {"CollisionLeft", [](IZMLZelvoAPI& api) { markCollision(api, 0); }},
    {"CollisionTop", [](IZMLZelvoAPI& api) { markCollision(api, 1); }},
    {"CollisionRight", [](IZMLZelvoAPI& api) { markCollision(api, 2); }},
    {"CollisionBottom", [](IZMLZelvoAPI& api) { markCollision(api, 3); }},
    {"AnimationWidth", [](IZMLZelvoAPI& api) { markAnimation(api, AnimationField::Width); }},
    {"AnimationHeight", [](IZMLZelvoAPI& api) { markAnimation(api, AnimationField::Height); }},
    {"AnimationPatterns", [](IZMLZelvoAPI& api) { markAnimation(api, AnimationField::Patterns); }},
    {"AnimationFramesPerStep", [](IZMLZelvoAPI& api) { markAnimation(api, AnimationField::FramesPerStep); }},
    {"EventX", [](IZMLZelvoAPI& api) { markEventPositions(api, false); }},
    {"EventY", [](IZMLZelvoAPI& api) { markEventPositions(api, true); }},
    {"MoveX", [](IZMLZelvoAPI& api) { markMoveOrders(api, false); }},
    {"MoveY", [](IZMLZelvoAPI& api) { markMoveOrders(api, true); }},
};

const int32_t kValues[] = {0, -1, kMax, kMin};

// Where the mark stands in the bytes.
std::vector<size_t> markPlaces(const std::vector<uint8_t>& bytes) {
  const std::vector<uint8_t> mark = test::Bytes().i32(kMark).vec();
  std::vector<size_t> places;
  for (auto at = std::search(bytes.begin(), bytes.end(), mark.begin(), mark.end()); at != bytes.end();
       at = std::search(at + 4, bytes.end(), mark.begin(), mark.end()))
    places.push_back(size_t(at - bytes.begin()));
  return places;
}

// Puts value wherever the mark stands in the file; answers how many places it took.
size_t plantValue(const fs::path& file, int32_t value) {
  std::vector<uint8_t> bytes = test::readFile(file);
  const std::vector<uint8_t> put = test::Bytes().i32(value).vec();
  const std::vector<size_t> places = markPlaces(bytes);
  for (size_t at : places) std::copy(put.begin(), put.end(), bytes.begin() + std::ptrdiff_t(at));
  if (!places.empty()) test::writeFile(file, bytes);
  return places.size();
}

// The files the data set reads and writes: the pictures are left alone.
std::vector<fs::path> dataFiles(const fs::path& game) {
  std::vector<fs::path> files;
  for (const char* folder : {"Data", "Maps"})
    for (const auto& entry : fs::recursive_directory_iterator(game / folder))
      if (entry.is_regular_file()) files.push_back(entry.path());
  return files;
}

struct HostileCase {
  const HostileField* field;
  int32_t value;
};

void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.field->name << " = " << c.value; }

std::string caseName(const testing::TestParamInfo<HostileCase>& info) {
  const int32_t v = info.param.value;
  const std::string value = v == kMax ? "Max" : v == kMin ? "Min" : v == -1 ? "MinusOne" : std::to_string(v);
  return std::string(info.param.field->name) + value;
}

std::vector<HostileCase> allCases() {
  std::vector<HostileCase> cases;
  for (const HostileField& field : kFields)
    for (int32_t value : kValues) cases.push_back({&field, value});
  return cases;
}

class HostileGame : public test::BundledGameSuite, public testing::WithParamInterface<HostileCase> {
 protected:
  void SetUp() override {
    CopyDefaultGame(game());
    for (const fs::path& file : dataFiles(game()))
      ASSERT_TRUE(markPlaces(test::readFile(file)).empty()) << "the mark already stands in " << file;
    {
      tools::GameFolderScope scope(game());
      TZMLZelvoAPI api;
      api.Load();
      GetParam().field->mark(api);
      api.Save();
    }
    for (const fs::path& file : dataFiles(game()))
      if (plantValue(file, GetParam().value) > 0) planted_.push_back(file);
    ASSERT_FALSE(planted_.empty()) << "the mark reached no file";
  }
  fs::path game() const { return start_.path() / "Default"; }

  test::TempDir start_;
  std::vector<fs::path> planted_;
};

// Off the splash, up to the inn's door and through it (a key for the fade out, one for the fade
// in), a walk round in all four directions, the command window open and shut.
ScriptedInput walkTalkAndLook() {
  ScriptedInput script;
  script.Tap(2, Qt::Key_Return);
  script.Press(5, Qt::Key_Up);
  script.Release(15, Qt::Key_Up);
  for (int f : {17, 21, 25, 29}) script.Tap(f, Qt::Key_Z);
  script.Press(32, Qt::Key_Left);
  script.Release(40, Qt::Key_Left);
  script.Press(42, Qt::Key_Down);
  script.Release(50, Qt::Key_Down);
  script.Press(52, Qt::Key_Right);
  script.Release(60, Qt::Key_Right);
  script.Tap(63, Qt::Key_X);
  script.Tap(67, Qt::Key_X);
  return script;
}

TEST_P(HostileGame, PlaysOnHeadless) {
  constexpr int kFrames = 75;
  THeadlessPlayer player;
  int lastShown = 0;
  ASSERT_TRUE(player.Start(start_.path())) << player.Form().Failure();
  const auto shown = [&lastShown](int frame, const d3d9::Frame&) { lastShown = frame; };
  EXPECT_EQ(player.Run(walkTalkAndLook(), kFrames, shown), kFrames);
  EXPECT_FALSE(player.Form().IsClosed());
  EXPECT_EQ(lastShown, kFrames);
  EXPECT_EQ(player.Form().CurrentState(), TZelvoForm::State::Field);
}

// The value is kept as the file holds it: the resave writes it back unchanged.
TEST_P(HostileGame, ResavesKeepingTheValue) {
  const fs::path copy = start_.path() / "Resaved";
  EXPECT_NO_THROW(tools::resaveGame(game(), copy));
  for (const fs::path& file : planted_)
    EXPECT_PRED_FORMAT2(test::BytesEqual, test::readFile(copy / fs::relative(file, game())), test::readFile(file))
        << file;
}

INSTANTIATE_TEST_SUITE_P(Table, HostileGame, testing::ValuesIn(allCases()), caseName);

}  // namespace
}  // namespace zelvo
