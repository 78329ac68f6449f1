#include "model/ZelvoAnimeModel.h"

#include <climits>

#include <gtest/gtest.h>

#include "model/ZelvoStyleModel.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;
using ZelvoCommonTypes::MakePoint;
using ZelvoCommonTypes::MakeRect;

// --- record fixtures ---

Bytes movieRecord(int32_t id, const std::string& path) {
  return Bytes().base(id, "movie").i32(-1).i32(1).i32(4001).i32(static_cast<int32_t>(path.size()) + 1).text(path).u8(0).i32(0);
}

// A picture with one colour change: source FF102030 to 00FFFFFF, top-left colour on.
Bytes pictureRecord(int32_t id, const std::string& path) {
  return Bytes()
      .base(id, "pic")
      .i32(-1)
      .i32(1)
      .i32(1001)
      .i32(static_cast<int32_t>(path.size()) + 1)
      .text(path)
      .u8(0)
      .i32(1)
      .base(-1, "ZMLObject-1")
      .i32(0)
      .i32(static_cast<int32_t>(0xFF102030))
      .i32(0x00FFFFFF)
      .raw({0, 1, 0, 0})
      .raw({1, 0, 0, 0x30});
}

// The oldest material record: the kind right after the base record, then the path.
Bytes oldPictureRecord(int32_t id, const std::string& path) {
  return Bytes().base(id, "old").i32(1001).i32(static_cast<int32_t>(path.size()) + 1).text(path).u8(0);
}

Bytes frameRecord(int32_t id, int32_t displayTime, uint8_t flag) {
  return Bytes().base(id, "f").i32(1).i32(2).i32(33).i32(34).i32(-5).i32(6).i32(displayTime).i32(1).u8(flag);
}

Bytes imageListRecord(std::initializer_list<Bytes> pictures) {
  Bytes b;
  b.i32(0).i32(static_cast<int32_t>(pictures.size()));
  for (const Bytes& p : pictures) b.raw(p);
  return b;
}

Bytes animeRecord(int32_t id, int32_t speed, std::initializer_list<Bytes> frames, const Bytes& images) {
  Bytes b;
  b.base(id, "anime").i32(0).raw(movieRecord(-1, "Movies\\m.avi")).i32(speed).i32(static_cast<int32_t>(frames.size()));
  for (const Bytes& f : frames) b.raw(f);
  return b.raw(images);
}

Bytes sampleAnime(int32_t id) {
  return animeRecord(id, 30, {frameRecord(7, 0, 0), frameRecord(8, 12, 0x80)},
                     imageListRecord({pictureRecord(40, "Graphics\\a.bmp"), pictureRecord(41, "Graphics\\b.bmp")}));
}

std::vector<uint8_t> saved(const std::function<void(IZStream&)>& save) {
  TZStream out("", TZStream::Memory);
  save(out);
  return ReadAllBytes(out);
}

std::shared_ptr<IZelvoMaterialModel> picture(const char* path) {
  auto p = std::make_shared<TZelvoStyleModel>(1, MaterialKind::Picture);
  p->SetPath(path);
  return p;
}

std::shared_ptr<IZelvoAnimeFrameModel> frame(int32_t id, int32_t displayTime = 0) {
  auto f = std::make_shared<TZelvoAnimeFrameModel>(id);
  f->SetDisplayTime(displayTime);
  return f;
}

// --- frames ---

TEST(ZelvoAnimeFrameModel, FieldsStartAtZeroAndKeepWhatIsSet) {
  TZelvoAnimeFrameModel f(3);
  EXPECT_EQ(f.GetSourceRect(), MakeRect(0, 0, 0, 0));
  EXPECT_EQ(f.GetOffset(), MakePoint(0, 0));
  EXPECT_EQ(f.GetDisplayTime() | f.GetImageIndex() | f.GetFlag(), 0);
  f.SetSourceRect(MakeRect(-1, 2, 3, 4));
  f.SetOffset(-7, 8);
  f.SetDisplayTime(-2);
  f.SetImageIndex(99);
  f.SetFlag(255);
  EXPECT_EQ(f.GetSourceRect(), MakeRect(-1, 2, 3, 4));
  EXPECT_EQ(f.GetOffset(), MakePoint(-7, 8));
  EXPECT_EQ(f.GetDisplayTime(), -2);
  EXPECT_EQ(f.GetImageIndex(), 99);
  EXPECT_EQ(f.GetFlag(), 255);
}

TEST(ZelvoAnimeFrameModel, RecordRoundTripsAndATruncationKeepsTheFrame) {
  std::vector<uint8_t> record = frameRecord(12, 30, 0xA5);
  TZelvoAnimeFrameModel f(0);
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { f.LoadFromStream(s); }, [&](IZStream& s) { f.SaveToStream(s); }),
            record);
  EXPECT_EQ(f.GetID(), 12);
  EXPECT_EQ(f.GetSourceRect(), MakeRect(1, 2, 33, 34));
  EXPECT_EQ(f.GetOffset(), MakePoint(-5, 6));
  EXPECT_EQ(f.GetDisplayTime(), 30);
  EXPECT_EQ(f.GetImageIndex(), 1);
  EXPECT_EQ(f.GetFlag(), 0xA5);

  TZelvoAnimeFrameModel kept(4);
  test::expectEveryTruncationFails(record, [&](IZStream& s) { kept.LoadFromStream(s); }, [&] {
    EXPECT_EQ(kept.GetID(), 4);
    EXPECT_EQ(kept.GetDisplayTime(), 0);
  });
}

// --- image lists ---

TEST(ZelvoImageList, InsertAppendsAtMinusOneAndAtCountAndRefusesTheRest) {
  struct Case {
    int32_t index;
    std::vector<std::string> paths;  // empty: the insert throws
  };
  for (const Case& c : {Case{-1, {"a", "b", "n"}}, Case{0, {"n", "a", "b"}}, Case{1, {"a", "n", "b"}},
                        Case{2, {"a", "b", "n"}}, Case{3, {}}, Case{-2, {}}, Case{INT_MIN, {}}}) {
    TZelvoImageList list;
    list.Add(picture("a"));
    list.Add(picture("b"));
    if (c.paths.empty()) {
      EXPECT_THROW(list.Insert(c.index, picture("n")), EIndexError) << c.index;
      EXPECT_EQ(list.GetCount(), 2);
      continue;
    }
    list.Insert(c.index, picture("n"));
    std::vector<std::string> paths;
    for (int32_t i = 0; i < list.GetCount(); ++i) paths.push_back(list.GetFileName(i));
    EXPECT_EQ(paths, c.paths) << c.index;
  }
}

TEST(ZelvoImageList, IndexOperationsOutsideTheListThrowAndChangeNothing) {
  TZelvoImageList list;
  auto a = picture("a"), b = picture("b");
  list.Add(a);
  list.Add(nullptr);
  list.Add(b);
  for (int32_t outside : {-1, 2}) {
    EXPECT_THROW(list.Delete(outside), EIndexError) << outside;
    EXPECT_THROW(list.Exchange(0, outside), EIndexError) << outside;
    EXPECT_THROW(list.Exchange(outside, 1), EIndexError) << outside;
    EXPECT_THROW(list.GetFileName(outside), EIndexError) << outside;
  }
  EXPECT_THROW(list.GetItem(-1), EIndexError);
  EXPECT_EQ(list.GetItem(2), nullptr);
  EXPECT_EQ(list.GetItem(1000), nullptr);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetItem(0), a);
  list.Exchange(0, 1);
  EXPECT_EQ(list.GetItem(0), b);
  list.Delete(0);
  EXPECT_EQ(list.GetItem(0), a);
  EXPECT_EQ(list.GetFileName(0), "a");
}

TEST(ZelvoImageList, RecordHoldsWholePicturesOfItsOwn) {
  std::vector<uint8_t> record = imageListRecord({pictureRecord(40, "Graphics\\a.bmp"), pictureRecord(41, "x")});
  TZelvoImageList list;
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { list.LoadFromStream(s); }, [&](IZStream& s) { list.SaveToStream(s); }),
            record);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetItem(0)->GetID(), 40);
  EXPECT_EQ(list.GetItem(0)->GetKind(), MaterialKind::Picture);
  EXPECT_EQ(list.GetFileName(0), "Graphics\\a.bmp");
  EXPECT_EQ(list.GetItem(1)->GetColorChange(0)->GetSourceColor(), static_cast<int32_t>(0xFF102030));
}

TEST(ZelvoImageList, AnOldPictureRecordReadsAndIsWrittenInTheNewForm) {
  TZelvoImageList list;
  TZStream in(imageListRecord({oldPictureRecord(5, "Graphics\\o.bmp")}), "fixture");
  list.LoadFromStream(in);
  ASSERT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetFileName(0), "Graphics\\o.bmp");
  ASSERT_EQ(list.GetItem(0)->GetColorChangeCount(), 1);
  // The default colour change an old record reads with: source alpha ignored, no top-left colour.
  Bytes expected = Bytes()
                       .i32(0)
                       .i32(1)
                       .base(5, "old")
                       .i32(-1)
                       .i32(1)
                       .i32(1001)
                       .i32(15)
                       .text("Graphics\\o.bmp")
                       .u8(0)
                       .i32(1)
                       .base(-1, "ZMLObject-1")
                       .i32(0)
                       .i32(0)
                       .i32(0)
                       .raw({1, 0, 0, 0})
                       .raw({0, 0, 0, 0});
  EXPECT_BYTES_EQ(saved([&](IZStream& s) { list.SaveToStream(s); }), expected.vec());
}

TEST(ZelvoImageList, ReadingReplacesTheListUnlessTheVersionIsUnknown) {
  std::vector<uint8_t> record = imageListRecord({pictureRecord(40, "p")});
  TZelvoImageList list;
  list.Add(picture("kept"));
  TZStream twice(Bytes().raw(record).raw(record), "fixture");
  list.LoadFromStream(twice);
  list.LoadFromStream(twice);
  ASSERT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetFileName(0), "p");

  for (int32_t version : {1, -1, 100}) {
    TZStream in(Bytes().i32(version).i32(1).raw(pictureRecord(9, "q")), "fixture");
    list.LoadFromStream(in);
    EXPECT_EQ(in.GetPosition(), 4) << version;
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetFileName(0), "p");
  }
  for (int32_t count : {0, -3}) {
    TZelvoImageList emptied;
    emptied.Add(picture("gone"));
    TZStream in(Bytes().i32(0).i32(count), "fixture");
    emptied.LoadFromStream(in);
    EXPECT_EQ(emptied.GetCount(), 0) << count;
  }
}

// --- animations ---

TEST(ZelvoAnimeModel, ANewAnimation) {
  TZelvoAnimeModel a(5);
  EXPECT_STREQ(a.GetName(), "ZMLObject5");
  EXPECT_EQ(a.GetBaseSpeed(), 60);
  EXPECT_EQ(a.GetFrameCount(), 0);
  EXPECT_EQ(a.GetFlag(), 0);
  ASSERT_NE(a.GetImageList(), nullptr);
  EXPECT_EQ(a.GetImageList()->GetCount(), 0);
  ASSERT_NE(a.GetStyle(), nullptr);
  EXPECT_EQ(a.GetStyle()->GetKind(), MaterialKind::Movie);
  EXPECT_EQ(a.GetStyle()->GetID(), -1);
  EXPECT_EQ(a.GetStyle()->GetColorChangeCount(), 0);
}

TEST(ZelvoAnimeModel, InsertFrameAppendsAtMinusOneAndAtCount) {
  struct Case {
    int32_t index;
    std::vector<int32_t> ids;  // empty: the insert throws
  };
  for (const Case& c : {Case{-1, {1, 2, 9}}, Case{0, {9, 1, 2}}, Case{2, {1, 2, 9}}, Case{3, {}}, Case{-2, {}}}) {
    TZelvoAnimeModel a(0);
    a.AddFrame(frame(1));
    a.AddFrame(frame(2));
    if (c.ids.empty()) {
      EXPECT_THROW(a.InsertFrame(c.index, frame(9)), EIndexError) << c.index;
      EXPECT_EQ(a.GetFrameCount(), 2);
      continue;
    }
    a.InsertFrame(c.index, frame(9));
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < a.GetFrameCount(); ++i) ids.push_back(a.GetFrame(i)->GetID());
    EXPECT_EQ(ids, c.ids) << c.index;
  }
}

TEST(ZelvoAnimeModel, FrameIndexesOutsideTheListThrow) {
  TZelvoAnimeModel a(0);
  a.AddFrame(frame(1));
  a.AddFrame(nullptr);
  a.InsertFrame(-1, nullptr);
  a.AddFrame(frame(2));
  for (int32_t outside : {-1, 2}) {
    EXPECT_THROW(a.GetFrame(outside), EIndexError) << outside;
    EXPECT_THROW(a.DeleteFrame(outside), EIndexError) << outside;
    EXPECT_THROW(a.ExchangeFrames(outside, 0), EIndexError) << outside;
    EXPECT_THROW(a.ExchangeFrames(1, outside), EIndexError) << outside;
  }
  ASSERT_EQ(a.GetFrameCount(), 2);
  a.ExchangeFrames(0, 1);
  EXPECT_EQ(a.GetFrame(0)->GetID(), 2);
  a.DeleteFrame(0);
  EXPECT_EQ(a.GetFrame(0)->GetID(), 1);
}

TEST(ZelvoAnimeModel, RecordRoundTripsIntoANewAnimation) {
  std::vector<uint8_t> record = sampleAnime(14);
  TZelvoAnimeModel a(0);
  a.SetFlag(3);
  EXPECT_BYTES_EQ(test::resave(record, [&](IZStream& s) { a.LoadFromStream(s); }, [&](IZStream& s) { a.SaveToStream(s); }),
            record);
  EXPECT_EQ(a.GetID(), 14);
  EXPECT_EQ(a.GetBaseSpeed(), 30);
  EXPECT_EQ(a.GetStyle()->GetPath(), std::string("Movies\\m.avi"));
  ASSERT_EQ(a.GetFrameCount(), 2);
  EXPECT_EQ(a.GetFrame(1)->GetID(), 8);
  EXPECT_EQ(a.GetFrame(1)->GetFlag(), 0x80);
  EXPECT_EQ(a.GetImageList()->GetFileName(1), "Graphics\\b.bmp");
  EXPECT_EQ(a.GetFlag(), 3);  // not part of the record

  // Written by a model built through its interface, as the editor does.
  TZelvoAnimeModel built(14);
  built.SetName("anime");
  built.SetBaseSpeed(30);
  built.GetStyle()->SetName("movie");
  built.GetStyle()->SetPath("Movies\\m.avi");
  TZStream frames(Bytes().raw(frameRecord(7, 0, 0)).raw(frameRecord(8, 12, 0x80)), "fixture");
  for (int i = 0; i < 2; ++i) {
    auto f = std::make_shared<TZelvoAnimeFrameModel>(0);
    f->LoadFromStream(frames);
    built.AddFrame(f);
  }
  TZStream pictures(imageListRecord({pictureRecord(40, "Graphics\\a.bmp"), pictureRecord(41, "Graphics\\b.bmp")}),
                    "fixture");
  built.GetImageList()->LoadFromStream(pictures);
  EXPECT_BYTES_EQ(saved([&](IZStream& s) { built.SaveToStream(s); }), record);
}

TEST(ZelvoAnimeModel, AnUnknownVersionKeepsEverythingAfterTheName) {
  TZelvoAnimeModel a(0);
  TZStream first(sampleAnime(14), "fixture");
  a.LoadFromStream(first);
  auto style = a.GetStyle();
  TZStream in(Bytes().base(20, "renamed").i32(1).raw(movieRecord(-1, "other")).i32(5).i32(0).vec(), "fixture");
  a.LoadFromStream(in);
  EXPECT_EQ(a.GetID(), 20);
  EXPECT_STREQ(a.GetName(), "renamed");
  EXPECT_EQ(a.GetBaseSpeed(), 30);
  EXPECT_EQ(a.GetFrameCount(), 2);
  EXPECT_EQ(a.GetImageList()->GetCount(), 2);
  EXPECT_EQ(a.GetStyle(), style);
  EXPECT_EQ(a.GetStyle()->GetPath(), std::string("Movies\\m.avi"));
}

TEST(ZelvoAnimeModel, AShortRecordKeepsFramesSpeedPicturesAndMaterial) {
  TZelvoAnimeModel a(0);
  TZStream first(animeRecord(3, 45, {frameRecord(1, 1, 0)}, imageListRecord({pictureRecord(2, "p")})), "fixture");
  a.LoadFromStream(first);
  test::expectEveryTruncationFails(sampleAnime(14), [&](IZStream& s) { a.LoadFromStream(s); }, [&] {
    EXPECT_EQ(a.GetBaseSpeed(), 45);
    ASSERT_EQ(a.GetFrameCount(), 1);
    EXPECT_EQ(a.GetFrame(0)->GetID(), 1);
    ASSERT_EQ(a.GetImageList()->GetCount(), 1);
    EXPECT_EQ(a.GetImageList()->GetFileName(0), "p");
    EXPECT_EQ(a.GetStyle()->GetPath(), std::string("Movies\\m.avi"));
  });
}

TEST(ZelvoAnimeModel, HostileCountsAreFormatErrors) {
  for (const Bytes& record :
       {Bytes().base(1, "a").i32(0).raw(movieRecord(-1, "m")).i32(60).i32(INT_MAX).raw(imageListRecord({})),
        Bytes().base(1, "a").i32(0).raw(movieRecord(-1, "m")).i32(60).i32(0).i32(0).i32(100000),
        Bytes().base(1, "a").i32(0).raw(movieRecord(-1, "m")).i32(60).i32(2).raw(frameRecord(1, 1, 0)).raw(
            imageListRecord({}))}) {
    TZelvoAnimeModel a(0);
    TZStream in(record, "fixture");
    EXPECT_THROW(a.LoadFromStream(in), EFormatError);
    EXPECT_EQ(a.GetFrameCount(), 0);
    EXPECT_EQ(a.GetImageList()->GetCount(), 0);
  }
}

// --- the list ---

TEST(ZelvoAnimeModelList, InsertUpToCountAndIndexErrors) {
  struct Case {
    int32_t index;
    std::vector<int32_t> ids;  // empty: the insert throws
  };
  for (const Case& c : {Case{0, {9, 1, 2}}, Case{1, {1, 9, 2}}, Case{2, {1, 2, 9}}, Case{-1, {}}, Case{3, {}}}) {
    TZelvoAnimeModelList list;
    list.Add(std::make_shared<TZelvoAnimeModel>(1));
    list.Add(std::make_shared<TZelvoAnimeModel>(2));
    if (c.ids.empty()) {
      EXPECT_THROW(list.Insert(c.index, std::make_shared<TZelvoAnimeModel>(9)), EIndexError) << c.index;
      EXPECT_EQ(list.GetCount(), 2);
      continue;
    }
    list.Insert(c.index, std::make_shared<TZelvoAnimeModel>(9));
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < list.GetCount(); ++i) ids.push_back(list.GetItem(i)->GetID());
    EXPECT_EQ(ids, c.ids) << c.index;
  }
  TZelvoAnimeModelList list;
  list.Add(std::make_shared<TZelvoAnimeModel>(1));
  list.Add(nullptr);
  list.Insert(0, nullptr);
  list.Add(std::make_shared<TZelvoAnimeModel>(2));
  for (int32_t outside : {-1, 2}) {
    EXPECT_THROW(list.GetItem(outside), EIndexError) << outside;
    EXPECT_THROW(list.Delete(outside), EIndexError) << outside;
    EXPECT_THROW(list.Exchange(0, outside), EIndexError) << outside;
  }
  ASSERT_EQ(list.GetCount(), 2);
  list.Exchange(0, 1);
  list.Delete(1);
  EXPECT_EQ(list.GetItem(0)->GetID(), 2);
}

TEST(ZelvoAnimeModelList, FileRoundTripsAndLoadingReplaces) {
  std::vector<uint8_t> file =
      Bytes().i32(2).raw(sampleAnime(14)).raw(animeRecord(15, 60, {}, imageListRecord({}))).vec();
  TZelvoAnimeModelList list;
  list.Add(std::make_shared<TZelvoAnimeModel>(1));
  EXPECT_BYTES_EQ(test::resave(file, [&](IZStream& s) { list.LoadFromStream(s); }, [&](IZStream& s) { list.SaveToStream(s); }),
            file);
  TZStream again(file, "fixture");
  list.LoadFromStream(again);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetItem(0)->GetID(), 14);
  EXPECT_EQ(list.GetItem(1)->GetID(), 15);

  for (int32_t count : {0, -1}) {
    TZStream in(Bytes().i32(count), "fixture");
    list.LoadFromStream(in);
    EXPECT_EQ(list.GetCount(), 0) << count;
  }
}

TEST(ZelvoAnimeModelList, TruncationsAndHostileCountsKeepTheList) {
  TZelvoAnimeModelList list;
  auto kept = std::make_shared<TZelvoAnimeModel>(1);
  list.Add(kept);
  auto unchanged = [&] {
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetItem(0), kept);
  };
  test::expectEveryTruncationFails(Bytes().i32(1).raw(sampleAnime(14)), [&](IZStream& s) { list.LoadFromStream(s); },
                                   unchanged);
  for (int32_t count : {2, INT_MAX}) {
    TZStream in(Bytes().i32(count).raw(sampleAnime(14)), "fixture");
    EXPECT_THROW(list.LoadFromStream(in), EFormatError) << count;
    unchanged();
  }
}

// --- preview timing ---

TEST(AnimeTiming, FrameMilliseconds) {
  struct Case {
    int32_t ticks, speed;
    int64_t ms;
  };
  for (Case c : {Case{30, 60, 500}, Case{30, 30, 1000}, Case{1, 60, 16}, Case{INT_MAX, 1, int64_t(INT_MAX) * 1000},
                 Case{10, 0, 0}, Case{10, -5, 0}, Case{0, 60, 0}, Case{-3, 60, 0}})
    EXPECT_EQ(AnimeFrameMilliseconds(c.ticks, c.speed), c.ms) << c.ticks << " at " << c.speed;
}

TEST(AnimeTiming, FramesWithoutATimeJoinTheNextTimedOne) {
  struct Case {
    std::vector<int32_t> times;
    std::vector<AnimeStep> steps;
  };
  for (const Case& c : {Case{{0, 0, 10}, {{0, 2, 166}}}, Case{{30, 0, 60}, {{0, 0, 500}, {1, 2, 1000}}},
                        Case{{6, 0, 0}, {{0, 0, 100}, {1, 2, 0}}}, Case{{}, {}}}) {
    TZelvoAnimeModel a(0);
    for (int32_t t : c.times) a.AddFrame(frame(0, t));
    EXPECT_EQ(AnimeSteps(a), c.steps);
  }
}

}  // namespace
}  // namespace zelvo
