// Every record kind of the collision, direction-animation, material, chip-set and move-type
// files: read, write, read the written bytes, write again. Older forms must come out in the
// newest form, and every truncation must fail without touching the target.

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "MaterialFixtures.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoMoveTypeList.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;
namespace fx = test::fixture;

struct Target {
  std::function<void(IZStream&)> load, save;
};

template <class T>
Target targetOf(std::shared_ptr<T> object) {
  return {[object](IZStream& s) { object->LoadFromStream(s); }, [object](IZStream& s) { object->SaveToStream(s); }};
}

// Lists start with one item, so a failed read that emptied them would show.
Target collisionList() {
  auto list = std::make_shared<TZelvoCollisionModelList>();
  list->Add(std::make_shared<TZelvoCollisionModel>(77));
  return targetOf(list);
}
Target dAnimationList() {
  auto list = std::make_shared<TZelvoDAnimationModelList>();
  list->Add(std::make_shared<TZelvoDAnimationModel>(77));
  return targetOf(list);
}
Target chipSetList() {
  auto list = std::make_shared<TZelvoMapChipSetListControl>();
  list->Add(std::make_shared<TZelvoMapChipSetModel>(77));
  return targetOf(list);
}
Target moveTypeList() {
  auto list = std::make_shared<TZelvoMoveTypeList>();
  list->SetHeader(3);
  list->Add(std::make_shared<TZelvoMoveTypeModel>(77));
  return targetOf(list);
}
Target folder() {
  auto root = std::make_shared<TZelvoStylePackage>(5);
  root->Add(std::make_shared<TZelvoStyleModel>(6, MaterialKind::Picture));
  return targetOf(root);
}
Target chipSetIDList() {
  auto ids = std::make_shared<TZelvoMapChipSetIDListControl>(4);
  ids->AddID(9);
  return targetOf(ids);
}

struct Fixture {
  const char* name;
  std::function<Target()> make;
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> newest;  // what an older form is written as; empty: the bytes themselves
};

std::vector<Fixture> fixtures() {
  const std::string path = "Graphics\\a.bmp";
  Bytes pictureChange = fx::changeColor(21, 0xFF102030, 0x00FFFFFF, false, true);
  Bytes v1Material = fx::material(12, "a", MaterialKind::Picture, path, {pictureChange});
  Bytes images = fx::material(3, "\x89\xE6\x91\x9C\x91\x66\x8D\xDE", MaterialKind::Folder, "");

  return {
      {"collision", [] { return targetOf(std::make_shared<TZelvoCollisionModel>(1)); },
       fx::collision(7, "hit", 2, 1, 2, 30, 40, 99), {}},
      {"collision list", collisionList,
       Bytes().i32(2).raw(fx::collision(7, "a", 0, 0, 0, 0, 0, 0)).raw(fx::collision(8, "b", 1, -4, -8, 4, 8, 0)),
       {}},
      {"empty collision list", collisionList, Bytes().i32(0), {}},
      {"direction animation", [] { return targetOf(std::make_shared<TZelvoDAnimationModel>(1)); },
       fx::dAnimation(8, "walk", {1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1}, 3, 32, 48, 12), {}},
      {"direction animation with reserved flag bytes set",
       [] { return targetOf(std::make_shared<TZelvoDAnimationModel>(1)); },
       fx::dAnimation(8, "odd", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 0, 0, 7},
                      2, 0, 0, 10),
       {}},
      {"direction animation list", dAnimationList,
       Bytes().i32(1).raw(fx::dAnimation(9, "x", {1, 0, 1, 0, 1, 0, 1, 0}, 4, 24, 32, 6)), {}},

      {"colour change", [] { return targetOf(std::make_shared<TZelvoChangeColorModel>(1)); }, pictureChange, {}},
      {"material", [] { return targetOf(std::make_shared<TZelvoStyleModel>(1, 1001)); }, v1Material, {}},
      {"material with an empty path array", [] { return targetOf(std::make_shared<TZelvoStyleModel>(1, 1001)); },
       Bytes().base(12, "e").i32(-1).i32(1).i32(4001).i32(0).i32(0), {}},
      {"unmarked material", [] { return targetOf(std::make_shared<TZelvoStyleModel>(1, 1001)); },
       fx::unmarkedMaterial(12, "a", MaterialKind::Picture, path),
       fx::material(12, "a", MaterialKind::Picture, path, {fx::defaultChange()})},
      {"material of an unknown version", [] { return targetOf(std::make_shared<TZelvoStyleModel>(1, 1001)); },
       Bytes().base(12, "a").i32(-1).i32(7).i32(4001).i32(int32_t(path.size() + 1)).text(path).u8(0),
       fx::material(12, "a", MaterialKind::Movie, path)},
      {"material folder tree", folder,
       Bytes()
           .raw(fx::material(0, "root", MaterialKind::Folder, ""))
           .i32(2)
           .i32(1)
           .raw(images)
           .i32(1)
           .i32(1001)
           .raw(v1Material)
           .i32(4001)
           .raw(fx::material(13, "movie", MaterialKind::Movie, "Etc\\m.mpg")),
       {}},
      {"material folder holding an unmarked material", folder,
       Bytes()
           .raw(fx::material(0, "root", MaterialKind::Folder, ""))
           .i32(1)
           .i32(1001)
           .raw(fx::unmarkedMaterial(12, "a", MaterialKind::Picture, path)),
       Bytes()
           .raw(fx::material(0, "root", MaterialKind::Folder, ""))
           .i32(1)
           .i32(1001)
           .raw(fx::material(12, "a", MaterialKind::Picture, path, {fx::defaultChange()}))},

      {"material folder ending in the smallest child record", folder,
       Bytes().raw(fx::material(0, "root", MaterialKind::Folder, "")).i32(1).i32(4001).base(1, "").i32(4001).i32(0),
       Bytes()
           .raw(fx::material(0, "root", MaterialKind::Folder, ""))
           .i32(1)
           .i32(4001)
           .raw(Bytes().base(1, "").i32(-1).i32(1).i32(4001).i32(0).i32(1).raw(fx::defaultChange()))},

      {"chip set 8 x 16", [] { return targetOf(std::make_shared<TZelvoMapChipSetModel>(1)); },
       fx::chipSet(30, "field", 8, 16, 1, 42, 12), {}},
      {"chip set 16 x 8 with a coast-line flag of odd upper bytes",
       [] { return targetOf(std::make_shared<TZelvoMapChipSetModel>(1)); },
       fx::chipSet(31, "sea", 16, 8, 0x00000301, -1, -1), {}},
      {"chip set version 1 with its material record",
       [] { return targetOf(std::make_shared<TZelvoMapChipSetModel>(1)); },
       Bytes()
           .base(32, "old")
           .i32(0xFFFF)
           .i32(2)
           .i32(1)
           .i32(1)
           .i32(5)
           .i32(1)
           .i32(0)
           .i32(0)
           .raw(v1Material)
           .raw(fx::chips(2, 1)),
       Bytes().raw(fx::chipSet(32, "old", 2, 1, 1, 5, 12))},
      {"chip set of another version with a path", [] { return targetOf(std::make_shared<TZelvoMapChipSetModel>(1)); },
       Bytes()
           .base(33, "older")
           .i32(0xFFFF)
           .i32(1)
           .i32(2)
           .i32(0)
           .i32(6)
           .i32(0)
           .i32(0)
           .i32(99)
           .i32(int32_t(path.size()))
           .text(path)
           .raw(fx::chips(1, 2)),
       fx::chipSet(33, "older", 1, 2, 0, 6, -1)},
      {"unmarked chip set with a path", [] { return targetOf(std::make_shared<TZelvoMapChipSetModel>(1)); },
       Bytes().base(34, "oldest").i32(3).i32(1).i32(int32_t(path.size())).text(path).raw(fx::chips(3, 1)),
       fx::chipSet(34, "oldest", 3, 1, 0, 0, -1)},
      {"unmarked chip set without a path", [] { return targetOf(std::make_shared<TZelvoMapChipSetModel>(1)); },
       Bytes().base(35, "bare").i32(1).i32(1).i32(0).raw(fx::chips(1, 1)), fx::chipSet(35, "bare", 1, 1, 0, 0, -1)},
      {"chip-set list", chipSetList,
       Bytes().i32(2).raw(fx::chipSet(30, "a", 2, 2, 0, 0, 3)).raw(fx::chipSet(31, "b", 1, 3, 1, 0, 4)), {}},
      {"chip-set ID list", chipSetIDList, Bytes().base(40, "ids").i32(3).i32(30).i32(31).i32(30), {}},

      {"move type", [] { return targetOf(std::make_shared<TZelvoMoveTypeModel>(1)); },
       fx::moveType(50, "walker", 2, 0x1F), {}},
      {"move type list", moveTypeList,
       Bytes().i32(7).i32(2).i32(50).raw(fx::moveType(50, "a", 1, -1)).i32(51).raw(fx::moveType(51, "b", 0, 5)), {}},
  };
}

std::vector<uint8_t> saveOf(const Target& t) {
  TZStream out("", TZStream::Memory);
  t.save(out);
  return ReadAllBytes(out);
}

TEST(DataRecordRoundTrip, EveryFormComesBackInTheNewestFormAndStaysThere) {
  for (const Fixture& f : fixtures()) {
    SCOPED_TRACE(f.name);
    Target first = f.make();
    std::vector<uint8_t> written = test::resave(f.bytes, first.load, first.save);
    const std::vector<uint8_t>& expected = f.newest.empty() ? f.bytes : f.newest;
    EXPECT_EQ(test::hex(written), test::hex(expected));
    Target second = f.make();
    EXPECT_EQ(test::hex(test::resave(written, second.load, second.save)), test::hex(written));
  }
}

TEST(DataRecordRoundTrip, EveryTruncationFailsAndLeavesTheTargetAsItWas) {
  for (const Fixture& f : fixtures()) {
    SCOPED_TRACE(f.name);
    Target t = f.make();
    const std::vector<uint8_t> before = saveOf(t);
    test::expectEveryTruncationFails(f.bytes, t.load, [&] { EXPECT_BYTES_EQ(saveOf(t), before); });
  }
}

TEST(DataRecordRoundTrip, AHostileCountIsRefusedBeforeAllocating) {
  // 0x7FFFFFFF items with 8 bytes left: refused by the count check, not by running out of memory.
  struct Case {
    const char* name;
    std::function<Target()> make;
    Bytes prefix;
  };
  std::vector<Case> cases = {
      {"collision list", collisionList, {}},
      {"direction animation list", dAnimationList, {}},
      {"chip-set list", chipSetList, {}},
      {"move type list", moveTypeList, Bytes().i32(0)},
      {"chip-set ID list", chipSetIDList, Bytes().base(1, "")},
      {"material folder", folder, fx::material(1, "", 1, "")},
      {"colour changes of a material", [] { return targetOf(std::make_shared<TZelvoStyleModel>(1, 1001)); },
       Bytes().base(1, "").i32(-1).i32(1).i32(1001).i32(1).u8(0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Target t = c.make();
    const std::vector<uint8_t> before = saveOf(t);
    TZStream in(Bytes().raw(c.prefix).i32(0x7FFFFFFF).zeros(8).vec(), "hostile");
    EXPECT_THROW(t.load(in), EFormatError);
    EXPECT_BYTES_EQ(saveOf(t), before);
  }
}

TEST(DataRecordRoundTrip, HostileSizesAndLengthsAreFormatErrors) {
  struct Case {
    const char* name;
    Bytes bytes;
  };
  std::vector<Case> cases = {
      {"chip grid larger than the file", Bytes().base(1, "").i32(0xFFFF).i32(0x7FFFFFFF).i32(0x7FFFFFFF).zeros(20)},
      {"negative columns", Bytes().base(1, "").i32(-3).i32(2).i32(0)},
      {"negative rows", Bytes().base(1, "").i32(2).i32(-3).i32(0)},
      {"path longer than the file", Bytes().base(1, "").i32(1).i32(1).i32(0x7FFFFFFF).zeros(16)},
      {"negative path length", Bytes().base(1, "").i32(1).i32(1).i32(-1).zeros(16)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TZelvoMapChipSetModel set(9);
    TZStream in(c.bytes.vec(), "hostile");
    EXPECT_THROW(set.LoadFromStream(in), EFormatError);
    EXPECT_EQ(set.GetID(), 9);
    EXPECT_EQ(set.GetWidth(), 8);
  }
  TZelvoStyleModel m(1, 1001);
  TZStream in(Bytes().base(1, "").i32(-1).i32(1).i32(1001).i32(0x7FFFFFF0).u8(0).vec(), "hostile");
  EXPECT_THROW(m.LoadFromStream(in), EFormatError);
}

}  // namespace
}  // namespace zelvo
