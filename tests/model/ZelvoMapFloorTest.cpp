// Cells, floors, floor pictures, the position control and maps.

#include <gtest/gtest.h>

#include "model/ZelvoEventPackageIDList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoPositionControl.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

using test::Bytes;

Bytes cellBytes(const TZelvoMapCell& c, bool old = false) {
  Bytes b;
  b.i32(c.ChipSetID).raw({uint8_t(c.Column), uint8_t(c.Column >> 8), uint8_t(c.Row), uint8_t(c.Row >> 8)});
  if (!old) b.i32(c.Flags);
  auto i16 = [&](int16_t v) { b.raw({uint8_t(v), uint8_t(uint16_t(v) >> 8)}); };
  i16(c.Height);
  i16(c.GroundKind);
  i16(c.Passability);
  i16(c.Encounter);
  return b.i32(c.Param).i32(c.EventID);
}

TZelvoMapCell cell(int32_t chipSet, int16_t height = 0, int16_t pass = 15) {
  TZelvoMapCell c;
  c.ChipSetID = chipSet;
  c.Column = 3;
  c.Row = 0x102;
  c.Flags = 1;
  c.Height = height;
  c.GroundKind = 2;
  c.Passability = pass;
  c.Encounter = 9;
  c.Param = 77;
  c.EventID = -5;
  return c;
}

Bytes pictureBytes(int32_t w, int32_t h, int32_t type, int32_t enabled, int32_t imageID) {
  return Bytes().base(0, "ZMLObject0").i32(-1).i32(4).i32(0).i32(w).i32(h).i32(type).i32(enabled).i32(imageID);
}

TEST(MapCell, NewCellAndBothFormsHaveTheirBytes) {
  uint8_t out[kMapCellBytes];
  EncodeMapCell(TZelvoMapCell{}, out);
  EXPECT_BYTES_EQ(std::vector<uint8_t>(out, out + kMapCellBytes),
            Bytes({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0,
                   0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F})
                .vec());
  TZelvoMapCell c = cell(4);
  EXPECT_EQ(DecodeMapCell(cellBytes(c).vec().data()), c);
  // The old form has no flags: they come out 0, never left over.
  TZelvoMapCell old = DecodeMapCell(cellBytes(c, true).vec().data(), true);
  c.Flags = 0;
  EXPECT_EQ(old, c);
}

// A map whose floors are all normal, passable both ways and flat.
std::shared_ptr<TZelvoMapModel> flatMap(int32_t w, int32_t h, int32_t floors) {
  auto map = std::make_shared<TZelvoMapModel>(1, nullptr);
  for (int32_t i = 1; i < floors; ++i) map->AddFloor(std::make_shared<TZelvoMapFloorModel>(i, nullptr));
  map->SetSize(w, h);
  for (int32_t f = 0; f < floors; ++f)
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) map->GetFloor(f)->SetCell(x, y, cell(-1, 0, 15));
  return map;
}

TEST(MapFloor, RecordsOfBothFormsReadAndWriteTheCurrentForm) {
  TZelvoMapCell a = cell(1), b = cell(2, 5, 3);
  Bytes head = Bytes().base(7, "F");
  Bytes settings = Bytes().i32(200).i32(100).i32(-3).i32(2);
  Bytes current = Bytes(head).i32(-1).i32(0).raw(settings).raw(pictureBytes(640, 480, 2, 1, 12)).raw(cellBytes(a)).raw(cellBytes(b));
  TZelvoMapCell aOld = a, bOld = b;
  aOld.Flags = bOld.Flags = 0;
  Bytes oldForm = Bytes(head).raw(settings).raw(pictureBytes(640, 480, 2, 1, 12)).raw(cellBytes(a, true)).raw(cellBytes(b, true));
  Bytes oldResaved = Bytes(head).i32(-1).i32(0).raw(settings).raw(pictureBytes(640, 480, 2, 1, -1)).raw(cellBytes(aOld)).raw(cellBytes(bOld));
  struct Case {
    const char* name;
    Bytes in, out;
  } cases[] = {
      // No data set: the picture's image is not found, so its ID becomes -1.
      {"current", current, Bytes(head).i32(-1).i32(0).raw(settings).raw(pictureBytes(640, 480, 2, 1, -1)).raw(cellBytes(a)).raw(cellBytes(b))},
      {"old 24-byte cells", oldForm, oldResaved},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    TZelvoMapFloorModel floor(0, nullptr);
    floor.SetSize(2, 1);
    auto out = test::resave(c.in, [&](IZStream& s) { floor.LoadFromStream(s); }, [&](IZStream& s) { floor.SaveToStream(s); });
    EXPECT_EQ(test::hex(out), test::hex(c.out)) << c.name;
    // Read from the file itself (cells in blocks) the record gives the same bytes.
    test::writeFile(dir / "floor.dat", c.in);
    TZelvoMapFloorModel fromFile(0, nullptr);
    fromFile.SetSize(2, 1);
    TZStream file((dir / "floor.dat").string(), TZStream::ReadFile);
    fromFile.LoadFromStream(file);
    EXPECT_EQ(file.GetPosition(), file.GetSize()) << c.name;
    TZStream again("", TZStream::Memory);
    fromFile.SaveToStream(again);
    EXPECT_EQ(test::hex(ReadAllBytes(again)), test::hex(c.out)) << c.name;
    EXPECT_EQ(floor.GetGameOpacity(), 200) << c.name;
    EXPECT_EQ(floor.GetLayerType(), 2) << c.name;
    EXPECT_EQ(floor.GetPicture()->GetDrawType(), 2) << c.name;
  }
  TZelvoMapFloorModel floor(0, nullptr);
  floor.SetSize(2, 1);
  floor.SetCell(0, 0, b);
  test::expectEveryTruncationFails(current, [&](IZStream& s) { floor.LoadFromStream(s); },
                                   [&] { EXPECT_EQ(floor.GetCell(0, 0), b); });
}

TEST(MapFloor, SettersKeepTheirRanges) {
  TZelvoMapFloorModel floor(0, nullptr);
  floor.SetGameOpacity(-1);
  floor.SetLayerType(3);
  floor.SetLayerType(-1);
  EXPECT_EQ(floor.GetGameOpacity(), 255);
  EXPECT_EQ(floor.GetLayerType(), 0);
  floor.SetSize(2, 2);
  floor.SetCell(2, 0, cell(1));
  floor.SetCell(-1, 0, cell(1));
  EXPECT_EQ(floor.GetCell(1, 0), TZelvoMapCell{});
  EXPECT_THROW(floor.SetSize(1 << 13, 1 << 13), EIndexError);
  EXPECT_EQ(floor.GetDataSize(), 2 * 2 * 28);
}

TEST(MapFloor, ResizingKeepsTheTopLeftCells) {
  TZelvoMapFloorModel floor(0, nullptr);
  floor.SetSize(2, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) floor.SetCell(x, y, cell(10 * y + x));
  floor.SetSize(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(floor.GetCell(x, y), x < 2 && y < 2 ? cell(10 * y + x) : TZelvoMapCell{}) << x << "," << y;
  floor.SetSize(1, 2);
  EXPECT_EQ(floor.GetCell(0, 1), cell(10));
  EXPECT_EQ(floor.GetWidth(), 1);
}

TEST(MapFloor, OutsideTheGridFollowsTheLoopMode) {
  auto map = flatMap(3, 2, 1);
  auto floor = map->GetFloor(0);
  floor->SetCell(2, 0, cell(42));
  floor->SetCell(0, 1, cell(43));
  struct Case {
    int32_t mode, x, y, chipSet;
  } cases[] = {{0, -1, 0, -1}, {3, -1, 0, 42}, {3, 3, 1, 43}, {3, -4, -2, 42}, {1, -1, 0, -1}, {2, 0, 5, -1}};
  for (const Case& c : cases) {
    map->SetLoopMode(c.mode);
    EXPECT_EQ(floor->GetCell(c.x, c.y).ChipSetID, c.chipSet) << c.mode << " " << c.x << "," << c.y;
  }
  map->SetLoopMode(4);
  EXPECT_EQ(map->GetLoopMode(), 2);
  // A map of no cells has nothing to wrap onto: every lookup is outside, never a division by 0.
  map->SetLoopMode(3);
  map->SetSize(0, 2);
  EXPECT_EQ(floor->GetCell(-1, 0).ChipSetID, -1);
  EXPECT_EQ(floor->GetCell(0, 0).ChipSetID, -1);
}

TEST(MapFloor, ChipValuesReplaceTheMarkers) {
  TZelvoMapTreeControl tree(nullptr);
  auto chipSet = std::make_shared<TZelvoMapChipSetModel>(5);
  chipSet->SetChip(1, 2, TZelvoChipAttributes{7, 3, 11, 20, 0, 0});
  tree.GetChipSetList()->Add(chipSet);
  auto map = flatMap(2, 2, 1);
  map->SetMapTree(&tree);
  map->GetChipSetIDList()->AddID(5);
  TZelvoMapCell c;  // every value from the chip
  c.ChipSetID = 5;
  c.Column = 1;
  c.Row = 2;
  TZelvoMapCell r = map->GetFloor(0)->ResolveCell(c);
  EXPECT_EQ(r.Height, 7);
  EXPECT_EQ(r.GroundKind, 3);
  EXPECT_EQ(r.Passability, 11);
  EXPECT_EQ(r.Encounter, 20);
  EXPECT_EQ(r.EventID, c.EventID);
  c.Column = 40;  // outside the set: zero attributes
  EXPECT_EQ(map->GetFloor(0)->ResolveCell(c).Passability, 0);
  c.ChipSetID = 6;
  EXPECT_EQ(map->GetFloor(0)->ResolveCell(c).Height, 0);
}

TEST(MapFloor, StepTestAcrossFloors) {
  {
    auto map = flatMap(2, 1, 1);
    EXPECT_EQ(map->GetFloor(0)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), 0);
    EXPECT_EQ(map->GetFloor(0)->GetStepFloor(1, 0, IZelvoMapFloorModel::Right), -1);  // off the map
    EXPECT_EQ(map->GetFloor(0)->GetPassMask(0, 0), 8);
    map->GetFloor(0)->SetCell(1, 0, cell(-1, 1));  // one higher: the step limit is 0
    EXPECT_EQ(map->GetFloor(0)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), -1);
    map->GetFloor(0)->SetCell(1, 0, cell(-1, 0, 8));  // cannot be entered from the left
    EXPECT_EQ(map->GetFloor(0)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), -1);
  }
  {
    // Source floor 0 blocked at the target; floors 1 and 2 both fit: ambiguous, blocked.
    auto map = flatMap(2, 1, 3);
    map->GetFloor(0)->SetCell(1, 0, cell(-1, 9));
    EXPECT_EQ(map->GetFloor(0)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), -1);
    // Floor 2 made a sticking floor: only floor 1 fits, but the way back from it finds floors
    // 0 and 1 both fitting at the source, so it is blocked.
    map->GetFloor(2)->SetLayerType(1);
    EXPECT_EQ(map->GetFloor(0)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), -1);
    // With floor 1 out of reach at the source, the step back arrives at floor 0.
    map->GetFloor(1)->SetCell(0, 0, cell(-1, 9));
    EXPECT_EQ(map->GetFloor(0)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), 1);
    // Base height moves a whole floor.
    map->GetFloor(1)->SetBaseHeight(1);
    EXPECT_EQ(map->GetFloor(0)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), -1);
  }
  {
    // The reverse step lands on another floor: blocked.
    auto map = flatMap(2, 1, 3);
    map->GetFloor(0)->SetCell(1, 0, cell(-1, 9));
    map->GetFloor(2)->SetCell(1, 0, cell(-1, 9));
    map->GetFloor(1)->SetCell(0, 0, cell(-1, 9));
    map->GetFloor(0)->SetCell(0, 0, cell(-1, 9));
    map->GetFloor(2)->SetCell(0, 0, cell(-1, 0));
    EXPECT_EQ(map->GetFloor(2)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), 1);
    map->GetFloor(0)->SetCell(0, 0, cell(-1, 0));
    // Now floors 0 and 2 both fit the way back: the step from floor 2 is blocked.
    EXPECT_EQ(map->GetFloor(2)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), -1);
    // A sticking source floor never qualifies: the way back arrives at floor 0 alone, not at
    // the floor the step began on.
    map->GetFloor(2)->SetLayerType(1);
    EXPECT_EQ(map->GetFloor(2)->GetStepFloor(0, 0, IZelvoMapFloorModel::Right), -1);
    map->GetFloor(0)->SetLayerType(1);
    EXPECT_EQ(map->GetFloor(1)->GetStepFloor(1, 0, IZelvoMapFloorModel::Left), -1) << "no normal floor at the target";
  }
}

TEST(MapFloor, FloorIndexIsTheLastWithTheID) {
  auto map = flatMap(1, 1, 1);
  auto twin = std::make_shared<TZelvoMapFloorModel>(0, nullptr);
  map->AddFloor(twin);
  EXPECT_EQ(map->GetFloor(0)->GetFloorIndex(), 1);
  EXPECT_EQ(map->FindFloor(0), twin);
  EXPECT_EQ(map->FindFloor(9), nullptr);
  EXPECT_EQ(map->GetFloor(-1), nullptr);
  EXPECT_EQ(map->GetFloor(2), nullptr);
}

TEST(MapPicture, RecordForms) {
  struct Case {
    const char* name;
    Bytes in;
    int32_t width, height, type, enabled, imageID;
    int64_t consumed;
  };
  Bytes v4 = pictureBytes(3, 4, 1, 1, 8);
  Bytes unmarked = Bytes().base(2, "P").i32(3).i32(4).i32(1);
  Bytes v3 = Bytes().base(2, "P").i32(-1).i32(3).i32(0).i32(3).i32(4).i32(1).i32(99);
  Bytes material = Bytes().base(31, "img");
  TZelvoStyleModel m(31, MaterialKind::Picture);
  TZStream ms("", TZStream::Memory);
  m.SaveToStream(ms);
  Bytes v2 = Bytes().base(2, "P").i32(-1).i32(2).i32(0).i32(3).i32(4).i32(1).i32(1).raw(ReadAllBytes(ms));
  Case cases[] = {
      {"version 4", v4, 3, 4, 1, 1, 8, int64_t(v4.size())},
      {"unmarked", unmarked, 3, 4, 1, 0, -1, int64_t(unmarked.size())},
      {"version 3 ends after the draw type", v3, 3, 4, 1, 0, -1, int64_t(v3.size()) - 4},
      {"version 2 embeds a material", v2, 3, 4, 1, 1, 31, int64_t(v2.size())},
  };
  for (const Case& c : cases) {
    TZelvoMapPictureModel p(0);
    TZStream in(c.in.vec(), "fixture");
    p.LoadFromStream(in);
    EXPECT_EQ(in.GetPosition(), c.consumed) << c.name;
    EXPECT_EQ(p.GetWidth(), c.width) << c.name;
    EXPECT_EQ(p.GetHeight(), c.height) << c.name;
    EXPECT_EQ(p.GetDrawType(), c.type) << c.name;
    EXPECT_EQ(p.GetEnabled(), c.enabled) << c.name;
    EXPECT_EQ(p.GetImageID(), c.imageID) << c.name;
  }
  // A new picture links no material: it writes -1, as it reads back.
  TZelvoMapPictureModel fresh(0);
  TZStream written("", TZStream::Memory);
  fresh.SaveToStream(written);
  EXPECT_BYTES_EQ(ReadAllBytes(written), pictureBytes(0, 0, 0, 0, -1).vec());
  TZelvoMapPictureModel p(0);
  auto out = test::resave(v4, [&](IZStream& s) { p.LoadFromStream(s); }, [&](IZStream& s) { p.SaveToStream(s); });
  EXPECT_BYTES_EQ(out, v4.vec());
  p.SetImage(nullptr);
  EXPECT_EQ(p.GetImageID(), -1);
}

TEST(PositionControl, FlatFloorIsReachableEverywhere) {
  auto map = flatMap(16, 16, 1);
  auto control = map->GetFloor(0)->CreatePositionControl(64, 64, 32, 32);
  EXPECT_EQ(control->GetChipExtent(), ZelvoCommonTypes::MakePoint(1, 1));
  EXPECT_TRUE(control->IsAllReachable());
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) EXPECT_EQ(control->GetGridValue(dx, dy), 0) << dx << "," << dy;
  EXPECT_EQ(control->GetGridValue(3, 0), IZelvoMapPositionControl::kUnset);
  EXPECT_EQ(control->GetGridValue(11, 0), IZelvoMapPositionControl::kUnset);
  EXPECT_EQ(control->GetMaxInRect(0, 0, 0, 0), 0);
  // A block far right of the object holds only unset values.
  EXPECT_EQ(control->GetMaxInRect(-200, 0, 200, 0), -1);
}

TEST(PositionControl, BlockedChipsSpreadDownAndRight) {
  auto map = flatMap(16, 16, 1);
  map->GetFloor(0)->SetCell(3, 2, cell(-1, 5));  // a pillar right of the object's chip
  auto control = map->GetFloor(0)->CreatePositionControl(64 + 8, 64, 32, 32);
  EXPECT_EQ(control->GetChipExtent(), ZelvoCommonTypes::MakePoint(2, 1));
  EXPECT_EQ(control->GetGridValue(1, 0), -1);
  EXPECT_EQ(control->GetGridValue(2, 0), -1);
  EXPECT_EQ(control->GetGridValue(1, 1), -1);
  EXPECT_FALSE(control->IsAllReachable());
  EXPECT_EQ(control->GetMaxInRect(0, 0, 0, 0), 0);
}

TEST(PositionControl, HugeObjectsAndEmptyMapsStayInsideTheGrid) {
  auto map = flatMap(40, 40, 1);
  auto control = map->GetFloor(0)->CreatePositionControl(100, 100, 32 * 30, 32 * 30);
  EXPECT_EQ(control->GetGridValue(10, 10), 0);
  EXPECT_TRUE(control->IsAllReachable());
  EXPECT_EQ(control->GetMaxInRect(1000, 1000, 1000, 1000), 0);
  map->SetSize(0, 0);
  auto empty = map->GetFloor(0)->CreatePositionControl(-50, 70, 32, 32);
  EXPECT_EQ(empty->GetGridValue(1, 0), -1);
}

Bytes chipIDs(std::initializer_list<int32_t> ids) {
  Bytes b = Bytes().base(0, "ZMLObject0").i32(int32_t(ids.size()));
  for (int32_t id : ids) b.i32(id);
  return b;
}

Bytes localPackage() { return Bytes().base(-1, "\x83\x8D\x81\x5B\x83\x4A\x83\x8B\x83\x43\x83\x78\x83\x93\x83\x67").i32(0); }

Bytes newFloor(int32_t cells) {
  Bytes b = Bytes().base(0, "ZMLObject0").i32(-1).i32(0).i32(255).i32(255).i32(0).i32(0).raw(pictureBytes(0, 0, 0, 0, -1));
  for (int i = 0; i < cells; ++i) b.raw(cellBytes(TZelvoMapCell{}));
  return b;
}

TEST(MapModel, NewMap) {
  TZelvoMapModel map(3, nullptr);
  EXPECT_EQ(map.GetWidth(), 32);
  EXPECT_EQ(map.GetFloorCount(), 1);
  EXPECT_EQ(map.GetFloor(0)->GetWidth(), 32);
  EXPECT_EQ(map.GetLoopMode(), 0);
  EXPECT_STREQ(map.GetLocalEventPackage()->GetName(), "\x83\x8D\x81\x5B\x83\x4A\x83\x8B\x83\x43\x83\x78\x83\x93\x83\x67");
  EXPECT_EQ(map.GetDataSize(), 32 * 32 * 28);
}

TEST(MapModel, EveryRecordForm) {
  Bytes head = Bytes().base(9, "M");
  Bytes size = Bytes().i32(2).i32(1).i32(3).i32(44).i32(1);
  Bytes positions = Bytes().i32(0).i32(0).i32(1).base(5, "E").i32(1).i32(0).i32(16).i32(32).i32(0).i32(-1).i32(7).i32(2);
  Bytes packages = Bytes().i32(2).i32(11).i32(12);
  Bytes order = Bytes();
  {
    TZStream s("", TZStream::Memory);
    TZelvoOrderModel(4).SaveToStream(s);
    order.raw(ReadAllBytes(s));
  }
  Bytes body = Bytes(size).raw(chipIDs({5})).raw(newFloor(2));
  Bytes current = Bytes(head).i32(-1).i32(2).i32(0).raw(body).raw(positions).raw(packages).raw(localPackage());
  struct Case {
    const char* name;
    Bytes in;
    int32_t positions, packages;
  } cases[] = {
      {"version 0 ends after the floors", Bytes(head).raw(body), 0, 0},
      {"version 0 with an old-form floor", Bytes(head).raw(size).raw(chipIDs({5})).base(0, "F").i32(255).i32(255).i32(0).i32(0).raw(pictureBytes(0, 0, 0, 0, -1)).zeros(2 * 24), 0, 0},
      {"version 1 ends after the positions", Bytes(head).i32(-1).i32(1).i32(0).raw(body).raw(positions), 1, 0},
      {"version 2", current, 1, 2},
      {"version 3 holds an order", Bytes(head).i32(-1).i32(3).i32(0).raw(body).raw(positions).raw(packages).raw(order).raw(localPackage()), 1, 2},
  };
  for (const Case& c : cases) {
    TZelvoMapModel map(0, nullptr);
    TZStream in(c.in.vec(), "fixture");
    map.LoadFromStream(in);
    EXPECT_EQ(in.GetPosition(), in.GetSize()) << c.name;
    EXPECT_EQ(map.GetID(), 9) << c.name;
    EXPECT_EQ(map.GetWidth(), 2) << c.name;
    EXPECT_EQ(map.GetLoopMode(), 3) << c.name;
    EXPECT_EQ(map.GetReserved(), 44) << c.name;
    EXPECT_EQ(map.GetFloorCount(), 1) << c.name;
    EXPECT_EQ(map.GetChipSetIDList()->GetID(0), 5) << c.name;
    EXPECT_EQ(map.GetEventPositionList()->GetCount(), c.positions) << c.name;
    EXPECT_EQ(map.GetEventPackageIDList()->GetCount(), c.packages) << c.name;
    TZelvoMapModel skipping(0, nullptr);
    TZStream again(c.in.vec(), "fixture");
    skipping.LoadSkippingFloors(again);
    EXPECT_EQ(again.GetPosition(), again.GetSize()) << c.name;
    EXPECT_EQ(skipping.GetFloorCount(), 0) << c.name;
    EXPECT_EQ(skipping.GetEventPositionList()->GetCount(), c.positions) << c.name;
  }
  TZelvoMapModel map(0, nullptr);
  EXPECT_BYTES_EQ(test::resave(current, [&](IZStream& s) { map.LoadFromStream(s); }, [&](IZStream& s) { map.SaveToStream(s); }),
            current.vec());
  TZelvoMapModel skipping(0, nullptr);
  TZStream in(current.vec(), "fixture");
  skipping.LoadSkippingFloors(in);
  EXPECT_EQ(in.GetPosition(), in.GetSize());
  EXPECT_EQ(skipping.GetFloorCount(), 0);
  test::expectEveryTruncationFails(current, [&](IZStream& s) { map.LoadFromStream(s); },
                                   [&] { EXPECT_EQ(map.GetReserved(), 44); });
}

TEST(MapModel, HostileSizesAreRefusedBeforeAnyGrid) {
  Bytes huge = Bytes().base(1, "M").i32(-1).i32(2).i32(0).i32(100000).i32(100000).i32(0).i32(0).i32(1).raw(chipIDs({}));
  TZelvoMapModel map(0, nullptr);
  TZStream in(huge.vec(), "fixture");
  EXPECT_THROW(map.LoadFromStream(in), EFormatError);
  EXPECT_EQ(map.GetWidth(), 32);
}

TEST(MapModel, FloorListOperations) {
  auto map = flatMap(2, 2, 3);
  auto f1 = map->GetFloor(1);
  map->ExchangeFloors(0, 1);
  EXPECT_EQ(map->GetFloor(0), f1);
  map->ExchangeFloors(0, 3);  // ignored
  EXPECT_EQ(map->GetFloor(0), f1);
  map->DeleteFloor(5);
  EXPECT_EQ(map->GetFloorCount(), 3);
  EXPECT_THROW(map->DeleteFloor(-1), EIndexError);
  map->DeleteFloor(0);
  EXPECT_EQ(f1->GetMap(), nullptr);
  map->SetSize(4, 1);
  EXPECT_EQ(map->GetFloor(1)->GetWidth(), 4);
}

TEST(EventPackageIDList, IDsAndLookups) {
  TZelvoEventPackageIDList list(-1, nullptr);
  auto p5 = std::make_shared<TZelvoEventPackageModel>(5, nullptr);
  auto p7 = std::make_shared<TZelvoEventPackageModel>(7, nullptr);
  list.Add(p5);
  list.Insert(-1, p7);
  list.Insert(2, p5);
  list.Insert(0, p7);
  EXPECT_EQ(list.GetID(0), 7);
  EXPECT_EQ(list.GetID(3), 5);
  list.RemoveID(5);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetID(1), 7);
  EXPECT_THROW(list.GetID(2), EIndexError);
  EXPECT_EQ(list.GetByID(5), nullptr);
  EXPECT_EQ(list.GetItem(0), nullptr);  // no data set
  Bytes rec = Bytes().i32(2).i32(7).i32(7);
  EXPECT_BYTES_EQ(test::resave(rec, [&](IZStream& s) { list.LoadFromStream(s); }, [&](IZStream& s) { list.SaveToStream(s); }), rec.vec());
}

TEST(EventPositionList, RecordAndLinks) {
  TZelvoEventPositionList list;
  Bytes one = Bytes().base(5, "E").i32(1).i32(0).i32(16).i32(32).i32(0).i32(-1).i32(7).i32(2);
  Bytes rec = Bytes().i32(0).i32(0).i32(2).raw(one).raw(one);
  EXPECT_BYTES_EQ(test::resave(rec, [&](IZStream& s) { list.LoadFromStream(s); }, [&](IZStream& s) { list.SaveToStream(s); }), rec.vec());
  EXPECT_EQ(list.GetItem(1)->GetX(), 16);
  EXPECT_THROW(list.GetItem(2), EIndexError);
  TZStream odd(Bytes().i32(1).i32(0).i32(2).vec(), "fixture");
  list.LoadFromStream(odd);
  EXPECT_EQ(odd.GetPosition(), 8);
  EXPECT_EQ(list.GetCount(), 0);
  // The local package reaches positions that were already in the list.
  auto local = std::make_shared<TZelvoEventPackageModel>(-1, nullptr);
  auto event = std::make_shared<TZelvoEventModel>(7, nullptr);
  local->Add(event);
  auto position = std::make_shared<TZelvoEventPositionModel>(1);
  position->SetEventID(7);
  list.Add(position);
  EXPECT_EQ(position->GetEvent(), nullptr);
  list.SetLocalPackage(local);
  EXPECT_EQ(position->GetEvent(), event);
  list.DeleteByID(1);
  EXPECT_EQ(list.GetCount(), 0);
}

}  // namespace
}  // namespace zelvo
