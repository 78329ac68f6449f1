// Map tree nodes, "tree.map", the per-map files and saving the Maps folder.

#include <filesystem>

#include <gtest/gtest.h>

#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoMapTreeWarningSink.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using NodePtr = std::shared_ptr<IZelvoMapTreeNodeControl>;

struct RecordingSink : IZelvoWarningSink {
  std::vector<std::string> texts;
  void Warn(const std::string& text) override { texts.push_back(text); }
};

std::string folderOf(const fs::path& p) { return p.string() + "\\"; }

NodePtr node(int32_t id, int32_t mapWidth) {
  auto n = std::make_shared<TZelvoMapTreeNodeControl>(id, nullptr);
  n->NewMap();
  n->GetMap()->SetSize(mapWidth, 2);
  return n;
}

// Top-level maps 1, 2 and 3, each with one sub-map (10, 20, 30); map 2's sub-map has one of its
// own (200).
void buildTree(IZelvoMapTreeControl& tree) {
  for (int32_t id : {1, 2, 3}) {
    auto top = node(id, id);
    tree.GetRootNode()->AddTopLevelNode(top);
    top->AddChild(node(id * 10, 1));
  }
  tree.GetRootNode()->GetChild(1)->GetChild(0)->AddChild(node(200, 4));
  tree.SetStartMapID(200);
  tree.SetStartPosition(48, 64);
  tree.SetStartFloorID(0);
}

struct Folder {
  test::TempDir dir;
  fs::path maps = dir / "Maps";
  std::string path = folderOf(maps);
  std::vector<uint8_t> bytes(const std::string& name) const { return test::readFile(maps / name); }
};

TEST(MapTreeNode, TreeOnlyLoadThenLazyFullLoad) {
  Folder f;
  auto sink = std::make_shared<RecordingSink>();
  {
    TZelvoMapTreeControl tree(nullptr);
    buildTree(tree);
    tree.SaveToFolder(f.path);
    EXPECT_FALSE(tree.GetRootNode()->GetChild(0)->IsMapLoaded()) << "a written subtree leaves memory";
  }
  TZelvoMapTreeControl tree(nullptr);
  tree.SetWarningSink(sink);
  tree.LoadFromFolder(f.path);
  EXPECT_TRUE(sink->texts.empty());
  ASSERT_EQ(tree.GetRootNode()->GetChildCount(), 3);
  NodePtr two = tree.GetRootNode()->GetChild(1);
  NodePtr sub = two->GetChild(0);
  NodePtr grand = sub->GetChild(0);
  EXPECT_EQ(grand->GetID(), 200);
  EXPECT_FALSE(grand->IsMapLoaded());
  // The stored size covers the subtree: 2x2 + 1x2 + 4x2 cells, each map once.
  EXPECT_EQ(two->GetDataSize(), (4 + 2 + 8) * 28);
  EXPECT_EQ(two->GetTotalDataSize(), 0);
  EXPECT_EQ(tree.GetStartNode(), grand);
  EXPECT_EQ(tree.GetStartPosition(), ZelvoCommonTypes::MakePoint(48, 64));
  auto map = grand->GetMap();
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->GetWidth(), 4);
  EXPECT_EQ(two->GetChild(0), sub) << "node identities survive the full load";
  EXPECT_EQ(sub->GetChild(0), grand);
  EXPECT_TRUE(two->IsMapLoaded());
  EXPECT_FALSE(tree.GetRootNode()->GetChild(0)->IsMapLoaded()) << "only that file was read";
  EXPECT_EQ(grand->GetMap(), map) << "a second GetMap reads nothing";
  EXPECT_EQ(two->GetDataSize(), (4 + 2 + 8) * 28);
  EXPECT_EQ(two->GetTotalDataSize(), (4 + 2 + 8) * 28);
  grand->SetModified(true);
  EXPECT_TRUE(two->IsModified());
  EXPECT_FALSE(two->GetModified());
  two->UnloadMap();
  EXPECT_FALSE(two->IsModified());
  EXPECT_FALSE(grand->IsMapLoaded());
}

// A 2 x 1 map with one floor of new cells and nothing else, as written.
Bytes mapRecord(int32_t id) {
  Bytes picture = Bytes().base(0, "ZMLObject0").i32(-1).i32(4).i32(0).i32(0).i32(0).i32(0).i32(0).i32(-1);
  Bytes newCell = Bytes({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                         0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F});
  return Bytes()
      .base(id, "M")
      .i32(-1).i32(2).i32(0)
      .i32(2).i32(1).i32(0).i32(0)
      .i32(1)
      .base(0, "ZMLObject0").i32(0)
      .base(0, "ZMLObject0").i32(-1).i32(0).i32(255).i32(255).i32(0).i32(0).raw(picture).raw(newCell).raw(newCell)
      .i32(0).i32(0).i32(0)
      .i32(0)
      .base(-1, "\x83\x8D\x81\x5B\x83\x4A\x83\x8B\x83\x43\x83\x78\x83\x93\x83\x67").i32(0);
}

TEST(MapTreeNode, RecordRoundTripsAndTruncationsFail) {
  Bytes leaf = Bytes().base(2, "C").raw(mapRecord(0)).i32(56).i32(0);
  Bytes record = Bytes().base(1, "N").raw(mapRecord(0)).i32(168).i32(2).raw(leaf).raw(leaf);
  TZelvoMapTreeNodeControl top(0, nullptr);
  auto out = test::resave(record, [&](IZStream& s) { top.LoadFromStream(s); }, [&](IZStream& s) { top.SaveToStream(s); });
  EXPECT_EQ(test::hex(out), test::hex(record));
  ASSERT_EQ(top.GetChildCount(), 2);
  auto child = top.GetChild(1);
  EXPECT_EQ(child->GetParent(), &top);
  test::expectEveryTruncationFails(record, [&](IZStream& s) { top.LoadFromStream(s); },
                                   [&] { EXPECT_EQ(top.GetChild(1), child); });
  TZelvoMapTreeNodeControl treeOnly(0, nullptr);
  TZStream in(record.vec(), "fixture");
  treeOnly.LoadTreeFromStream(in);
  EXPECT_EQ(in.GetPosition(), in.GetSize());
  EXPECT_FALSE(treeOnly.IsMapLoaded());
  EXPECT_EQ(treeOnly.GetDataSize(), 168) << "the stored size, each map once";
  EXPECT_STREQ(treeOnly.GetChild(0)->GetName(), "C");
}

TEST(MapTreeNode, ChildListOperations) {
  auto parent = node(1, 1);
  auto a = node(5, 1), b = node(5, 1), c = node(6, 1);
  parent->AddChild(a);
  parent->AddChild(b);
  parent->InsertChild(0, c);
  EXPECT_THROW(parent->InsertChild(9, node(7, 1)), EIndexError);
  // Siblings sharing an ID: position by identity, lookups by ID take the first.
  EXPECT_EQ(parent->IndexOfChild(b.get()), 2);
  EXPECT_EQ(parent->FindNode(5), a);
  EXPECT_EQ(parent->GetChild(3), nullptr);
  parent->ExchangeChildren(0, 3);  // ignored
  EXPECT_EQ(parent->GetChild(0), c);
  parent->RemoveChild(5);
  EXPECT_EQ(parent->GetChild(1), b);
  EXPECT_EQ(a->GetParent(), nullptr);
  EXPECT_EQ(b->GetRoot(), parent.get());
  parent->RemoveChild(99);
  EXPECT_EQ(parent->GetChildCount(), 2);
  // A node never goes inside itself.
  EXPECT_THROW(b->AddChild(parent), EZelvoError);
  EXPECT_THROW(b->AddChild(b), EZelvoError);
  EXPECT_EQ(b->GetChildCount(), 0);
  TZelvoMapTreeControl tree(nullptr);
  tree.SetMode(2);
  EXPECT_EQ(tree.GetMode(), 1);
  EXPECT_EQ(tree.GetStartNode(), nullptr);
}

Bytes header(uint8_t flag, int32_t map, int32_t x, int32_t y, int32_t floor) {
  return Bytes().text("ZelvoMap").u8(0).u8(0).u8(flag).u8(0).i32(map).i32(x).i32(y).i32(floor).i32(0);
}

TEST(MapTreeControl, TreeFileForms) {
  Folder f;
  {
    TZelvoMapTreeControl tree(nullptr);
    tree.GetRootNode()->AddTopLevelNode(node(4, 1));
    tree.SaveToFolder(f.path);
  }
  // Warnings name the file with one kind of separator.
  std::string missing = (f.maps / "5.map").string();
  struct Case {
    const char* name;
    Bytes file;
    int32_t maps, startMap, startX;
    bool warns;
  } cases[] = {
      {"header and count 0", Bytes(header(0, 4, 16, 32, 0)).i32(0), 0, 4, 16, false},
      {"no header", Bytes().i32(2).i32(4).i32(5), 1, 77, 7, true},
      {"flag 1 skips the start point", Bytes(header(1, 4, 16, 32, 0)).i32(1).i32(4), 1, 77, 7, false},
      {"32 bytes or less is read from byte 0", Bytes().i32(1).i32(4).zeros(24), 1, 77, 7, false},
  };
  for (const Case& c : cases) {
    test::writeFile(f.maps / "tree.map", c.file);
    TZelvoMapTreeControl tree(nullptr);
    auto sink = std::make_shared<RecordingSink>();
    tree.SetWarningSink(sink);
    tree.SetStartMapID(77);
    tree.SetStartPosition(7, 7);
    tree.LoadFromFolder(f.path);
    EXPECT_EQ(tree.GetRootNode()->GetChildCount(), c.maps) << c.name;
    EXPECT_EQ(tree.GetStartMapID(), c.startMap) << c.name;
    EXPECT_EQ(tree.GetStartPosition().X, c.startX) << c.name;
    if (c.warns) {
      ASSERT_EQ(sink->texts.size(), 1u) << c.name;
      EXPECT_EQ(sink->texts[0], missing + kMissingFileSuffix);
      // The rest of the tree loaded, and the next save lists only what is there.
      tree.SaveToFolder(f.path);
      EXPECT_BYTES_EQ(f.bytes("tree.map"), Bytes(header(0, 77, 7, 7, 0)).i32(1).i32(4).vec());
    } else {
      EXPECT_TRUE(sink->texts.empty()) << c.name;
    }
  }
  test::writeFile(f.maps / "tree.map", Bytes().i32(1000).vec());
  TZelvoMapTreeControl tree(nullptr);
  EXPECT_THROW(tree.LoadFromFolder(f.path), EFormatError);
}

TEST(MapTreeControl, OnlyTheChangedTopLevelFileIsRewritten) {
  Folder f;
  TZelvoMapTreeControl tree(nullptr);
  buildTree(tree);
  tree.SaveToFolder(f.path);
  for (const char* name : {"1.map", "2.map", "3.map", "tree.map", "MapChip.dat"}) ASSERT_TRUE(fs::exists(f.maps / name));
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(48);
  for (const char* name : {"1.map", "2.map", "3.map"}) fs::last_write_time(f.maps / name, old);
  auto one = f.bytes("1.map"), two = f.bytes("2.map"), three = f.bytes("3.map");

  TZelvoMapTreeControl again(nullptr);
  again.LoadFromFolder(f.path);
  NodePtr sub = again.GetRootNode()->GetChild(1)->GetChild(0);
  sub->GetMap()->SetSize(3, 3);
  sub->SetModified(true);
  again.SetStartPosition(1, 2);
  again.SaveToFolder(f.path);

  EXPECT_BYTES_EQ(f.bytes("1.map"), one);
  EXPECT_BYTES_EQ(f.bytes("3.map"), three);
  EXPECT_EQ(fs::last_write_time(f.maps / "1.map"), old);
  EXPECT_EQ(fs::last_write_time(f.maps / "3.map"), old);
  EXPECT_NE(f.bytes("2.map"), two);
  EXPECT_NE(fs::last_write_time(f.maps / "2.map"), old);
  EXPECT_BYTES_EQ(f.bytes("tree.map"), Bytes(header(0, 200, 1, 2, 0)).i32(3).i32(1).i32(2).i32(3).vec());
  EXPECT_BYTES_EQ(f.bytes("MapChip.dat"), Bytes().i32(0).vec());
  // The written subtree left memory; asking again reads the file just written.
  EXPECT_FALSE(sub->IsMapLoaded());
  EXPECT_EQ(sub->GetMap()->GetWidth(), 3);
  EXPECT_FALSE(sub->IsModified());
}

TEST(MapTreeControl, AFailedSaveKeepsTheOldFiles) {
  Folder f;
  TZelvoMapTreeControl tree(nullptr);
  buildTree(tree);
  tree.SaveToFolder(f.path);
  auto two = f.bytes("2.map"), treeFile = f.bytes("tree.map");
  NodePtr top = tree.GetRootNode()->GetChild(1);
  top->GetMap()->SetSize(5, 5);
  top->SetModified(true);
  tree.SetStartMapID(3);
  for (int failing : {1, 2, 3}) {
    FileFaults::failWriteNumber(failing);
    EXPECT_THROW(tree.SaveToFolder(f.path), EFileError) << failing;
    FileFaults::reset();
    EXPECT_BYTES_EQ(f.bytes("2.map"), two) << failing;
    EXPECT_BYTES_EQ(f.bytes("tree.map"), treeFile) << failing;
    EXPECT_TRUE(top->IsModified()) << "the change is still there to save";
  }
  for (const auto& entry : fs::directory_iterator(f.maps))
    EXPECT_EQ(entry.path().extension(), entry.path().extension() == ".dat" ? ".dat" : ".map") << entry.path();
  // A Maps folder that cannot be made.
  test::writeFile(f.dir / "Blocked", {1});
  EXPECT_THROW(tree.SaveToFolder(folderOf(f.dir / "Blocked" / "Maps")), EFileError);
  tree.SaveToFolder(f.path);
  EXPECT_NE(f.bytes("2.map"), two);
}

TEST(MapTreeControl, ACorruptMapFileFailsForThatMapAlone) {
  Folder f;
  {
    TZelvoMapTreeControl tree(nullptr);
    buildTree(tree);
    tree.SaveToFolder(f.path);
  }
  const auto two = f.bytes("2.map");
  for (size_t cut = 0; cut < two.size(); ++cut) {
    std::vector<uint8_t> part(two.begin(), two.begin() + std::ptrdiff_t(cut));
    test::writeFile(f.maps / "2.map", part);
    TZelvoMapTreeControl tree(nullptr);
    auto sink = std::make_shared<RecordingSink>();
    tree.SetWarningSink(sink);
    tree.LoadFromFolder(f.path);
    ASSERT_EQ(tree.GetRootNode()->GetChildCount(), 3) << cut;
    ASSERT_EQ(sink->texts.size(), 1u) << cut;
    EXPECT_EQ(sink->texts[0].rfind((f.maps / "2.map").string() + ": ", 0), 0u) << cut;
    EXPECT_EQ(sink->texts[0].find('\\'), std::string::npos) << cut;
    EXPECT_EQ(tree.GetRootNode()->GetChild(0)->GetChild(0)->GetMap()->GetWidth(), 1) << cut;
    EXPECT_THROW(tree.GetRootNode()->GetChild(1)->GetMap(), EFormatError) << cut;
    if (cut % 97 == 0) {
      tree.GetRootNode()->GetChild(0)->SetModified(true);
      tree.SaveToFolder(f.path);
      EXPECT_BYTES_EQ(f.bytes("2.map"), part) << "an unreadable file is not overwritten, cut " << cut;
    }
  }
}

TEST(MapTreeControl, StructuralChangesLoadTheSubtreeFirst) {
  Folder f;
  {
    TZelvoMapTreeControl tree(nullptr);
    buildTree(tree);
    tree.SaveToFolder(f.path);
  }
  TZelvoMapTreeControl tree(nullptr);
  tree.LoadFromFolder(f.path);
  NodePtr one = tree.GetRootNode()->GetChild(0);
  NodePtr three = tree.GetRootNode()->GetChild(2);
  one->AddChild(node(11, 6));
  EXPECT_TRUE(one->IsMapLoaded());
  // Map 3 becomes a sub-map of map 2: its maps come along from its own file.
  tree.GetRootNode()->RemoveChild(3);
  tree.GetRootNode()->GetChild(1)->AddChild(three);
  tree.SaveToFolder(f.path);

  TZelvoMapTreeControl reread(nullptr);
  reread.LoadFromFolder(f.path);
  ASSERT_EQ(reread.GetRootNode()->GetChildCount(), 2);
  NodePtr first = reread.GetRootNode()->GetChild(0);
  ASSERT_EQ(first->GetChildCount(), 2);
  EXPECT_EQ(first->GetChild(0)->GetMap()->GetWidth(), 1);
  EXPECT_EQ(first->GetChild(1)->GetMap()->GetWidth(), 6);
  NodePtr moved = reread.GetRootNode()->GetChild(1)->GetChild(1);
  EXPECT_EQ(moved->GetID(), 3);
  EXPECT_EQ(moved->GetMap()->GetWidth(), 3);
  EXPECT_EQ(moved->GetChild(0)->GetMap()->GetWidth(), 1);
}

TEST(MapTreeControl, TopLevelMapsSharingAnIDShareOneFile) {
  Folder f;
  TZelvoMapTreeControl tree(nullptr);
  tree.GetRootNode()->AddTopLevelNode(node(4, 1));
  tree.GetRootNode()->AddTopLevelNode(node(4, 2));
  tree.GetRootNode()->GetChild(0)->SetModified(true);
  tree.GetRootNode()->GetChild(1)->SetModified(true);
  tree.SaveToFolder(f.path);
  // The file holds the first; read back, the map is there once.
  TZelvoMapTreeControl reread(nullptr);
  reread.SetWarningSink(std::make_shared<RecordingSink>());
  reread.LoadFromFolder(f.path);
  ASSERT_EQ(reread.GetRootNode()->GetChildCount(), 1);
  EXPECT_EQ(reread.GetRootNode()->GetChild(0)->GetMap()->GetWidth(), 1);
}

// Every listing of one map names one file: the map is read once, in the place first listed,
// with one warning naming the tree file, and the next save lists it once.
TEST(MapTreeControl, AMapListedMoreThanOnceIsReadOnce) {
  Folder f;
  {
    TZelvoMapTreeControl tree(nullptr);
    for (int32_t id : {4, 5}) tree.GetRootNode()->AddTopLevelNode(node(id, id));
    tree.SaveToFolder(f.path);
  }
  const std::string treeFile = (f.maps / "tree.map").string();
  struct Case {
    const char* what;
    std::vector<int32_t> listed;
    std::vector<int32_t> read;
    std::string warning;  // after the tree file's name; empty: none
  };
  const Case cases[] = {
      {"each once", {5, 4}, {5, 4}, ""},
      {"one map twice", {4, 4}, {4}, ": map ID 4 listed more than once; each map is read once"},
      {"two maps in turn", {4, 5, 4, 5, 4}, {4, 5}, ": 2 map IDs (the first 4) listed more than once; each map is read once"},
      {"one map thousands of times", std::vector<int32_t>(5000, 5), {5}, ": map ID 5 listed more than once; each map is read once"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes file = Bytes(header(0, 4, 0, 0, 0)).i32(int32_t(c.listed.size()));
    for (int32_t id : c.listed) file.i32(id);
    test::writeFile(f.maps / "tree.map", file);
    TZelvoMapTreeControl tree(nullptr);
    auto sink = std::make_shared<RecordingSink>();
    tree.SetWarningSink(sink);
    tree.LoadFromFolder(f.path);
    std::vector<int32_t> read;
    for (int32_t i = 0; i < tree.GetRootNode()->GetChildCount(); ++i) read.push_back(tree.GetRootNode()->GetChild(i)->GetID());
    EXPECT_EQ(read, c.read);
    EXPECT_EQ(sink->texts, c.warning.empty() ? std::vector<std::string>{} : std::vector<std::string>{treeFile + c.warning});
    tree.SaveToFolder(f.path);
    Bytes expected = Bytes(header(0, 4, 0, 0, 0)).i32(int32_t(c.read.size()));
    for (int32_t id : c.read) expected.i32(id);
    EXPECT_BYTES_EQ(f.bytes("tree.map"), expected.vec());
  }
}

TEST(MapTreeControl, AnUnreadableChipFileIsKept) {
  Folder f;
  {
    TZelvoMapTreeControl tree(nullptr);
    tree.GetChipSetList()->Add(std::make_shared<TZelvoMapChipSetModel>(3));
    tree.SaveToFolder(f.path);
  }
  auto chips = f.bytes("MapChip.dat");
  chips.pop_back();
  test::writeFile(f.maps / "MapChip.dat", chips);
  TZelvoMapTreeControl tree(nullptr);
  auto sink = std::make_shared<RecordingSink>();
  tree.SetWarningSink(sink);
  tree.LoadFromFolder(f.path);
  EXPECT_EQ(sink->texts.size(), 1u);
  EXPECT_EQ(tree.GetLoadWarnings(), sink->texts);
  tree.SaveToFolder(f.path);
  EXPECT_BYTES_EQ(f.bytes("MapChip.dat"), chips);
}

TEST(MapTreeControl, TheDefaultSinkWritesUtf8) {
  testing::internal::CaptureStderr();
  DefaultWarningSink()->Warn(std::string("/start/Default\\Maps\\9.map") + kMissingFileSuffix);
  DefaultWarningSink()->Warn(std::string("/start/Default\\Maps\\9.map") + kMissingFileSuffix);
  // Once, with one kind of separator; a CP932 trail byte 0x5C stays what it is.
  DefaultWarningSink()->Warn("Maps\\\x95\x5C.map");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "/start/Default/Maps/9.mapが存在しません\nMaps/表.map\n");
  auto sink = std::make_shared<RecordingSink>();
  SetDefaultWarningSink(sink);
  DefaultWarningSink()->Warn("x");
  SetDefaultWarningSink(nullptr);
  EXPECT_EQ(sink->texts, std::vector<std::string>{"x"});
}

TEST(MapTreeControl, TheTreeKeepsItsFolder) {
  Folder f, g;
  {
    TZelvoMapTreeControl tree(nullptr);
    buildTree(tree);
    tree.SaveToFolder(f.path);
  }
  TZelvoMapTreeControl tree(nullptr);
  tree.LoadFromFolder(f.path);
  std::string savedFolder = GameFolder;
  GameFolder = "Elsewhere\\";
  EXPECT_EQ(tree.GetRootNode()->GetChild(2)->GetMap()->GetWidth(), 3);
  // Saving to another folder carries every map across, read or not.
  tree.SaveToFolder(g.path);
  GameFolder = savedFolder;
  for (const char* name : {"1.map", "2.map", "3.map", "tree.map", "MapChip.dat"}) EXPECT_EQ(test::hex(g.bytes(name)), test::hex(f.bytes(name))) << name;
  EXPECT_EQ(tree.GetMapsFolder(), g.path);
}

}  // namespace
}  // namespace zelvo

namespace zelvo {
namespace {

// Counts the loads whose warnings arrive together.
struct BatchingSink : IZelvoWarningSink {
  std::vector<std::vector<std::string>> batches;
  void Warn(const std::string& text) override { batches.push_back({text}); }
  void WarnAll(const std::vector<std::string>& texts) override { batches.push_back(texts); }
};

TEST(MapTreeControl, TheWarningsOfOneLoadArriveTogether) {
  Folder f;
  Bytes file = Bytes().i32(20000);
  for (int32_t id = 1; id <= 20000; ++id) file.i32(id);
  fs::create_directories(f.maps);
  test::writeFile(f.maps / "tree.map", file.vec());
  TZelvoMapTreeControl tree(nullptr);
  auto sink = std::make_shared<BatchingSink>();
  tree.SetWarningSink(sink);
  tree.LoadFromFolder(f.path);
  ASSERT_EQ(sink->batches.size(), 1u) << "one delivery for the whole load";
  EXPECT_EQ(sink->batches[0].size(), 20000u);
  EXPECT_EQ(sink->batches[0], tree.GetLoadWarnings());
  EXPECT_EQ(tree.GetRootNode()->GetChildCount(), 0);
}

// A map read from its file and changed without any flag is still written by the next save; one
// read and left alone is not.
TEST(MapTreeControl, ASaveWritesAMapWhoseContentChangedWithoutAFlag) {
  Folder f;
  {
    TZelvoMapTreeControl tree(nullptr);
    tree.GetRootNode()->AddTopLevelNode(node(4, 2));
    tree.GetRootNode()->AddTopLevelNode(node(5, 2));
    tree.SaveToFolder(f.path);
  }
  TZelvoMapTreeControl tree(nullptr);
  tree.LoadFromFolder(f.path);
  auto changed = tree.GetRootNode()->GetChild(0);
  auto left = tree.GetRootNode()->GetChild(1);
  changed->GetMap()->SetLoopMode(3);
  left->GetMap();
  EXPECT_FALSE(changed->IsModified()) << "nothing flagged it";
  EXPECT_TRUE(changed->ChangedSinceRead());
  EXPECT_FALSE(left->ChangedSinceRead());
  fs::remove(f.maps / "5.map");
  tree.SaveToFolder(f.path);
  EXPECT_FALSE(fs::exists(f.maps / "5.map")) << "a map read and left alone is not written";
  TZelvoMapTreeControl reread(nullptr);
  auto sink = std::make_shared<RecordingSink>();
  reread.SetWarningSink(sink);
  reread.LoadFromFolder(f.path);
  EXPECT_EQ(sink->texts.size(), 1u) << "the file removed above";
  EXPECT_EQ(reread.GetRootNode()->GetChild(0)->GetMap()->GetLoopMode(), 3);
}

}  // namespace
}  // namespace zelvo
