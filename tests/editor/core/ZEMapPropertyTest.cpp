#include "editor/core/ZEMapProperty.h"

#include <gtest/gtest.h>

#include "ZEMapEditorFixture.h"
#include "ZEMapEditorHostRecorder.h"
#include "editor/core/ZEUndoControl.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

// A 6 x 5 map with two floors in which every cell is different.
class MapPropertyTest : public ::testing::Test {
 protected:
  MapPropertyTest() : f(6, 5) {
    auto upper = std::make_shared<TZelvoMapFloorModel>(f.data.ids->NewID(), &f.data);
    upper->SetSize(6, 5);
    f.map->AddFloor(upper);
    for (int32_t layer = 0; layer < 2; ++layer)
      for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 6; ++x) f.Layer(layer)->SetCell(x, y, EditorFixture::Chip(kPlainSet, x + 10 * layer, y));
    f.node->SetNameBytes("Town");
    property.SetNode(f.node);
  }

  TZEMapPropertyValues Entered(const char* width, const char* height, const char* name = "Town") const {
    auto v = property.Read();
    v.name = name;
    v.width = width;
    v.height = height;
    return v;
  }
  int32_t Steps() { return f.editor.GetUndoControl().GetStepCount(); }

  EditorFixture f;
  HostRecorder host;
  TZEMapProperty property{f.editor, &host};
};

TEST_F(MapPropertyTest, ShowsTheNodesIDNameAndSize) {
  auto v = property.Read();
  EXPECT_EQ(v.id, kMapID);
  EXPECT_EQ(v.name, "Town");
  EXPECT_EQ(v.width, "6");
  EXPECT_EQ(v.height, "5");
}

TEST_F(MapPropertyTest, TheSameSizeOnlyRenames) {
  EXPECT_EQ(property.Apply(Entered("6", " 5 ", "Castle")), TZEMapProperty::Result::Renamed);
  EXPECT_EQ(f.node->GetNameBytes(), "Castle");
  EXPECT_TRUE(f.node->GetModified());
  EXPECT_EQ(Steps(), 0);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(MapPropertyTest, ShrinkingKeepsTheTopLeftAndUndoGivesEveryCellBack) {
  auto before0 = f.Bytes(0), before1 = f.Bytes(1);
  auto kept = f.At(2, 1, 1);
  ASSERT_EQ(property.Apply(Entered("3", "2")), TZEMapProperty::Result::Resized);
  EXPECT_EQ(f.map->GetWidth(), 3);
  EXPECT_EQ(f.map->GetHeight(), 2);
  EXPECT_EQ(f.Layer(1)->GetWidth(), 3);
  EXPECT_EQ(f.At(2, 1, 1), kept);
  EXPECT_EQ(f.editor.GetUndoControl().GetStep(0)->GetKeys(), (TEtcUndoKeys{UndoWholeMap, 0, 0, 6, 5, 2, kMapID}));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"undo buttons", "canvas 96x64"}));

  f.editor.Undo();
  EXPECT_EQ(f.map->GetWidth(), 6);
  EXPECT_BYTES_EQ(f.Bytes(0), before0);
  EXPECT_BYTES_EQ(f.Bytes(1), before1);
  f.editor.Redo();
  EXPECT_EQ(f.map->GetWidth(), 3);
  EXPECT_EQ(f.At(2, 1, 1), kept);
}

TEST_F(MapPropertyTest, GrowingKeepsEveryCellInPlace) {
  auto corner = f.At(5, 4, 0);
  ASSERT_EQ(property.Apply(Entered("$10", "7")), TZEMapProperty::Result::Resized);
  EXPECT_EQ(f.map->GetWidth(), 16);
  EXPECT_EQ(f.At(5, 4, 0), corner);
  EXPECT_EQ(f.At(15, 6, 0), TZelvoMapCell{});
  f.editor.Undo();
  EXPECT_EQ(f.map->GetWidth(), 6);
  EXPECT_EQ(f.At(5, 4, 0), corner);
}

TEST_F(MapPropertyTest, MistypedSizesChangeNothing) {
  struct Case {
    const char* width;
    const char* height;
    TZEMapProperty::Result result;
  };
  for (const Case& c : {Case{"0", "abc", TZEMapProperty::Result::BadSize},
                        Case{"-5", "5", TZEMapProperty::Result::BadSize},
                        Case{"", "5", TZEMapProperty::Result::BadSize},
                        Case{"6", "99999999999", TZEMapProperty::Result::BadSize},
                        Case{"6x", "5", TZEMapProperty::Result::BadSize},
                        Case{"4097", "4097", TZEMapProperty::Result::TooLarge},
                        Case{"16777217", "1", TZEMapProperty::Result::TooLarge},
                        Case{"2147483647", "2", TZEMapProperty::Result::TooLarge}}) {
    auto before = f.Bytes(0);
    EXPECT_EQ(property.Apply(Entered(c.width, c.height, "Other")), c.result) << c.width << " x " << c.height;
    EXPECT_FALSE(TZEMapProperty::Message(c.result).empty());
    EXPECT_EQ(f.map->GetWidth(), 6);
    EXPECT_EQ(f.map->GetHeight(), 5);
    EXPECT_BYTES_EQ(f.Bytes(0), before);
    EXPECT_EQ(f.node->GetNameBytes(), "Town");
  }
  EXPECT_EQ(Steps(), 0);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(MapPropertyTest, OnlyTheOpenMapsShownCanvasFollows) {
  host.canvasWidth = 0;
  ASSERT_EQ(property.Apply(Entered("4", "4")), TZEMapProperty::Result::Resized);
  EXPECT_EQ(host.calls, std::vector<std::string>{"undo buttons"});

  auto other = f.AddMap(9, 10, 10);
  other->SetModified(false);
  host.canvasWidth = 256;
  host.calls.clear();
  property.SetNode(other);
  ASSERT_EQ(property.Apply(Entered("12", "3")), TZEMapProperty::Result::Resized);
  EXPECT_EQ(other->GetMap()->GetWidth(), 12);
  EXPECT_EQ(host.calls, std::vector<std::string>{"undo buttons"});
  // A map that is not open is still saved with its new size.
  EXPECT_TRUE(other->GetModified());
  EXPECT_EQ(f.editor.GetUndoControl().GetStep(1)->GetKey(6), 9);
}

TEST(MapPropertyWithoutNode, NothingIsApplied) {
  EditorFixture f;
  TZEMapProperty property(f.editor, nullptr);
  EXPECT_EQ(property.Read().id, -1);
  EXPECT_EQ(property.Apply({}), TZEMapProperty::Result::NoMap);
}

}  // namespace
}  // namespace zelvo::test
