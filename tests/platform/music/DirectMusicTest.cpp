#include "platform/music/DirectMusic.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"

namespace zelvo::music {
namespace {

TEST(DirectMusic, LoaderFindsRelativeNamesInItsSearchFolder) {
  test::TempDir dir;
  std::ofstream(dir / "a.mid") << "x";
  DirectX8 dx;  // no recorder: calls are simply not written down
  auto loader = dx.DirectMusicLoaderCreate();
  EXPECT_EQ(loader->LoadSegment("a.mid"), nullptr) << "not in the current folder";
  loader->SetSearchDirectory(dir.path());
  auto segment = loader->LoadSegment("a.mid");
  ASSERT_NE(segment, nullptr);
  EXPECT_EQ(segment->fileName(), "a.mid");
  EXPECT_NE(loader->LoadSegment(dir / "a.mid"), nullptr);
  EXPECT_EQ(loader->LoadSegment(""), nullptr);
  EXPECT_EQ(loader->LoadSegment(dir.path()), nullptr) << "a folder is not a segment";
}

TEST(DirectMusic, SegmentsKeepTheirDownloadsAndRepeats) {
  CallRecorder recorder;
  DirectMusicSegment segment("s", &recorder);
  DirectMusicAudioPath a("a", 1, 64), b("b", 6, 64);
  segment.Download(a);
  segment.Download(a);
  EXPECT_TRUE(segment.IsDownloadedTo(a));
  EXPECT_FALSE(segment.IsDownloadedTo(b));
  segment.Unload(a);
  EXPECT_FALSE(segment.IsDownloadedTo(a));
  segment.SetRepeats(5);
  EXPECT_EQ(segment.GetRepeats(), 5);
  EXPECT_EQ(recorder.calls().size(), 4u);
}

TEST(DirectMusic, ThePerformanceNeedsNoDeviceAndPlaysNothingForNoSegment) {
  DirectX8 dx;
  auto performance = dx.DirectMusicPerformanceCreate();
  performance->InitAudio(nullptr, 63, 1, 64);
  EXPECT_TRUE(performance->initialised());
  auto path = performance->CreateStandardAudioPath(6, 64, true);
  EXPECT_TRUE(path->active());
  EXPECT_NE(path->name(), performance->GetDefaultAudioPath()->name());
  EXPECT_EQ(performance->PlaySegmentEx(nullptr, 0x80, 0, nullptr, path), nullptr);
  auto segment = std::make_shared<DirectMusicSegment>("s", nullptr);
  auto state = performance->PlaySegmentEx(segment, 0x80, 0, nullptr, path);
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(state->segmentName(), "s");
  EXPECT_EQ(state->pathName(), path->name());
  performance->CloseDown();
  EXPECT_FALSE(performance->initialised());
}

}  // namespace
}  // namespace zelvo::music
