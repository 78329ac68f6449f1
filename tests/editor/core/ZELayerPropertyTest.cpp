#include "editor/core/ZELayerProperty.h"

#include <gtest/gtest.h>

#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMaterialModel.h"

namespace zelvo::test {
namespace {

class LayerPropertyTest : public ::testing::Test {
 protected:
  LayerPropertyTest() {
    floor.SetNameBytes("Ground");
    floor.SetBaseHeight(3);
    floor.SetGameOpacity(200);
    floor.SetLayerType(IZelvoMapFloorModel::Sticking);
    auto picture = floor.GetPicture();
    picture->SetWidth(640);
    picture->SetHeight(480);
    picture->SetDrawType(IZelvoMapPictureModel::Tiled);
    picture->SetEnabled(1);
    image->SetPath("Graphics\\sky.bmp");
  }

  TZelvoMapFloorModel floor{7, nullptr};
  std::shared_ptr<TZelvoStyleModel> image = std::make_shared<TZelvoStyleModel>(40, 1001);
};

TEST_F(LayerPropertyTest, ShowsTheLayersValues) {
  auto v = TZELayerProperty::Read(floor);
  EXPECT_EQ(v.gameOpacity, 200);
  EXPECT_EQ(v.name, "Ground");
  EXPECT_EQ(v.layerType, 1);
  EXPECT_EQ(v.baseHeight, "3");
  EXPECT_TRUE(v.pictureEnabled);
  EXPECT_EQ(v.pictureWidth, "640");
  EXPECT_EQ(v.pictureHeight, "480");
  EXPECT_EQ(v.drawType, 3);
  EXPECT_EQ(v.image, nullptr);
}

TEST_F(LayerPropertyTest, OKWritesEveryValue) {
  auto v = TZELayerProperty::Read(floor);
  v.gameOpacity = 17;
  v.name = "Sky";
  v.layerType = 2;
  v.baseHeight = "-10000";  // a real height, not a marker for "no entry"
  v.pictureEnabled = false;
  v.image = image;
  v.pictureWidth = "0";
  v.pictureHeight = "$20";
  v.drawType = 1;
  ASSERT_EQ(TZELayerProperty::Apply(floor, v), TZELayerProperty::Result::Applied);
  EXPECT_EQ(floor.GetGameOpacity(), 17);
  EXPECT_EQ(floor.GetNameBytes(), "Sky");
  EXPECT_EQ(floor.GetLayerType(), 2);
  EXPECT_EQ(floor.GetBaseHeight(), -10000);
  auto picture = floor.GetPicture();
  EXPECT_EQ(picture->GetEnabled(), 0);
  EXPECT_EQ(picture->GetImageID(), 40);
  EXPECT_EQ(picture->GetWidth(), 0);
  EXPECT_EQ(picture->GetHeight(), 32);
  EXPECT_EQ(picture->GetDrawType(), 1);
  EXPECT_EQ(TZELayerProperty::PicturePath(picture->GetImage().get()), "Graphics\\sky.bmp");
}

TEST_F(LayerPropertyTest, AMistypedNumberLeavesTheLayerAsItWas) {
  struct Case {
    const char* baseHeight;
    const char* width;
    const char* height;
    TZELayerProperty::Result result;
  };
  for (const Case& c : {Case{"abc", "1", "1", TZELayerProperty::Result::BadBaseHeight},
                        Case{"", "1", "1", TZELayerProperty::Result::BadBaseHeight},
                        Case{"3000000000", "1", "1", TZELayerProperty::Result::BadBaseHeight},
                        Case{"1", "-1", "1", TZELayerProperty::Result::BadPictureWidth},
                        Case{"1", "8193", "1", TZELayerProperty::Result::BadPictureWidth},
                        Case{"1", "1", "huge", TZELayerProperty::Result::BadPictureHeight}}) {
    auto v = TZELayerProperty::Read(floor);
    v.name = "Changed";
    v.baseHeight = c.baseHeight;
    v.pictureWidth = c.width;
    v.pictureHeight = c.height;
    EXPECT_EQ(TZELayerProperty::Apply(floor, v), c.result) << c.baseHeight << " " << c.width << " " << c.height;
    EXPECT_FALSE(TZELayerProperty::Message(c.result).empty());
    EXPECT_EQ(floor.GetNameBytes(), "Ground");
    EXPECT_EQ(floor.GetBaseHeight(), 3);
    EXPECT_EQ(floor.GetPicture()->GetWidth(), 640);
  }
}

TEST_F(LayerPropertyTest, ListIndexesOutsideTheirListsAreIgnored) {
  auto v = TZELayerProperty::Read(floor);
  v.layerType = -1;
  v.drawType = 9;
  v.gameOpacity = 999;
  ASSERT_EQ(TZELayerProperty::Apply(floor, v), TZELayerProperty::Result::Applied);
  EXPECT_EQ(floor.GetLayerType(), 1);
  EXPECT_EQ(floor.GetPicture()->GetDrawType(), 3);
  EXPECT_EQ(floor.GetGameOpacity(), 255);
}

}  // namespace
}  // namespace zelvo::test
