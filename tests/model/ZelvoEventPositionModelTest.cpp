#include "model/ZelvoEventPositionModel.h"

#include <gtest/gtest.h>

#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::saved;

std::vector<int32_t> fields(const IZelvoEventPositionModel& p) {
  return {p.GetX(), p.GetY(), p.GetFloorID(), p.GetPackageID(), p.GetEventID(), p.GetDirection()};
}

TEST(ZelvoEventPositionModel, ANewPosition) {
  TZelvoEventPositionModel p(3);
  EXPECT_EQ(fields(p), (std::vector<int32_t>{0, 0, 0, -1, -1, 0}));
  EXPECT_BYTES_EQ(saved(p), Bytes().base(3, "ZMLObject3").i32(1).i32(0).i32(0).i32(0).i32(0).i32(-1).i32(-1).i32(0).vec());
}

TEST(ZelvoEventPositionModel, RecordVersions) {
  struct Case {
    const char* what;
    Bytes after;  // the bytes after the base record
    std::vector<int32_t> fields;
    bool resavesExactly;
  };
  const Case cases[] = {
      {"version 1", Bytes().i32(1).i32(0).i32(3).i32(4).i32(9).i32(2).i32(5).i32(6), {3, 4, 9, 2, 5, 6}, true},
      {"version 0 has no direction", Bytes().i32(0).i32(0).i32(3).i32(4).i32(9).i32(2).i32(5), {3, 4, 9, 2, 5, 0}, false},
      {"the reserved field is skipped", Bytes().i32(0).i32(77).i32(3).i32(4).i32(9).i32(2).i32(5), {3, 4, 9, 2, 5, 0}, false},
      {"another version ends after the reserved field", Bytes().i32(2).i32(0), {10, 20, 30, 40, 50, 7}, false},
  };
  for (const Case& c : cases) {
    TZelvoEventPositionModel p(-1);
    p.SetPosition(10, 20, 30);
    p.SetPackageID(40);
    p.SetEventID(50);
    p.SetDirection(7);
    std::vector<uint8_t> record = Bytes().base(8, "pos").raw(c.after);
    std::vector<uint8_t> out =
        test::resave(record, [&](IZStream& s) { p.LoadFromStream(s); }, [&](IZStream& s) { p.SaveToStream(s); });
    EXPECT_EQ(fields(p), c.fields) << c.what;
    EXPECT_EQ(p.GetID(), 8) << c.what;
    if (c.resavesExactly) {
      EXPECT_BYTES_EQ(out, record) << c.what;
    }
  }
}

TEST(ZelvoEventPositionModel, TruncationsLeaveThePositionAsItWas) {
  TZelvoEventPositionModel p(5);
  p.SetPosition(1, 2, 3);
  test::expectEveryTruncationFails(Bytes().base(8, "pos").i32(1).i32(0).i32(3).i32(4).i32(9).i32(2).i32(5).i32(6),
                                   [&](IZStream& s) { p.LoadFromStream(s); }, [&] {
                                     EXPECT_EQ(p.GetID(), 5);
                                     EXPECT_EQ(fields(p), (std::vector<int32_t>{1, 2, 3, -1, -1, 0}));
                                   });
}

struct Places : test::TestGameData {
  std::shared_ptr<TZelvoEventPackageModel> local = std::make_shared<TZelvoEventPackageModel>(100, this);
  std::shared_ptr<TZelvoEventPackageModel> shared = std::make_shared<TZelvoEventPackageModel>(2, this);
  std::shared_ptr<TZelvoEventModel> localEvent = std::make_shared<TZelvoEventModel>(5, this);
  std::shared_ptr<TZelvoEventModel> sharedEvent = std::make_shared<TZelvoEventModel>(6, this);
  Places() {
    local->Add(localEvent);
    shared->Add(sharedEvent);
    packages->Add(shared);
  }
};

TEST(ZelvoEventPositionModel, GetEventPrefersAnExistingSharedPackage) {
  Places game;
  struct Case {
    bool withLocal, withAPI;
    int32_t packageID, eventID;
    IZelvoEventModelPtr expected;
  };
  const Case cases[] = {
      {true, true, 9, 5, game.localEvent},   // no such shared package: the local event
      {true, true, 2, 5, nullptr},           // the shared package has no event 5
      {true, true, 2, 6, game.sharedEvent},  // the shared package's event
      {false, true, 2, 6, game.sharedEvent},
      {true, false, 2, 5, game.localEvent},  // no data set: only the local package
      {false, false, 2, 6, nullptr},
      {true, true, -1, 7, nullptr},
  };
  for (const Case& c : cases) {
    TZelvoEventPositionModel p(1);
    if (c.withLocal) p.SetLocalPackage(game.local.get());
    if (c.withAPI) p.SetAPI(&game);
    p.SetPackageID(c.packageID);
    p.SetEventID(c.eventID);
    EXPECT_EQ(p.GetEvent(), c.expected) << c.packageID << " " << c.eventID << " " << c.withLocal << c.withAPI;
  }
}

TEST(ZelvoEventPositionModel, GraphicSizeComesFromTheFirstAction) {
  Places game;
  auto animation = std::make_shared<TZelvoDAnimationModel>(4);
  animation->SetWidth(48);
  animation->SetHeight(64);
  auto first = std::make_shared<TZelvoActionModel>(1, &game);
  first->SetDAnimation(animation);
  auto plain = std::make_shared<TZelvoActionModel>(2, &game);
  TZelvoEventPositionModel p(1);
  p.SetLocalPackage(game.local.get());
  p.SetEventID(5);
  EXPECT_EQ(p.GetGraphicWidth(), 32);  // no actions
  game.localEvent->Add(plain);
  game.localEvent->Add(first);
  EXPECT_EQ(p.GetGraphicHeight(), 32);  // the first action has no direction animation
  game.localEvent->Insert(0, first);
  EXPECT_EQ(p.GetGraphicWidth(), 48);
  EXPECT_EQ(p.GetGraphicHeight(), 64);
  p.SetEventID(77);
  EXPECT_EQ(p.GetGraphicWidth(), 32);  // no event
}

}  // namespace
}  // namespace zelvo
