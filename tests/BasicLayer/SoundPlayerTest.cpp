#include "BasicLayer/SoundPlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "platform/core/Cp932.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    player = std::make_unique<TBLSoundPlayer>(dx);
    recorder.clear();
  }

  // A sound file in the temp folder, as the CP932 path the programs pass.
  std::string makeSound(const std::string& name) {
    std::ofstream(dir / name) << "MThd";
    return Cp932::fromUtf8((dir / name).string());
  }

  std::vector<std::string> plays() const {
    std::vector<std::string> out;
    for (const auto& c : recorder.calls())
      if (c.rfind("Performance.PlaySegmentEx", 0) == 0) out.push_back(c);
    return out;
  }

  std::string effectPlay(const std::string& file) const {
    return "Performance.PlaySegmentEx " + (dir / file).string() + " flags=0x80 start=0 from=none path=path1";
  }

  test::TempDir dir;
  music::CallRecorder recorder;
  music::DirectX8 dx{&recorder};
  std::unique_ptr<TBLSoundPlayer> player;
};

TEST(SoundPlayerConstruction, PreparesLoaderPerformanceAndTwoPaths) {
  music::CallRecorder recorder;
  music::DirectX8 dx(&recorder);
  TBLSoundPlayer player(dx);
  ASSERT_EQ(recorder.calls().size(), 6u);
  EXPECT_EQ(recorder.calls()[0], "DirectX8.DirectMusicLoaderCreate");
  EXPECT_EQ(recorder.calls()[1], "DirectX8.DirectMusicPerformanceCreate");
  EXPECT_EQ(recorder.calls()[2], "Performance.InitAudio window=none flags=63 type=1 channels=64");
  EXPECT_EQ(recorder.calls()[3].rfind("Loader.SetSearchDirectory /", 0), 0u);
  EXPECT_EQ(recorder.calls()[4], "Performance.GetDefaultAudioPath");
  EXPECT_EQ(recorder.calls()[5], "Performance.CreateStandardAudioPath type=6 channels=64 activate=1");
  EXPECT_EQ(player.GetRing(), -1);
  EXPECT_TRUE(player.GetPerformance()->initialised());
}

TEST(SoundPlayerConstruction, DestructionStopsBothPathsAndClosesDown) {
  music::CallRecorder recorder;
  {
    music::DirectX8 dx(&recorder);
    TBLSoundPlayer player(dx);
    recorder.clear();
  }
  EXPECT_THAT(recorder.calls(), ElementsAre("Performance.StopEx default time=0 flags=0",
                                            "Performance.StopEx path1 time=0 flags=0", "Performance.CloseDown"));
}

TEST_F(SoundPlayerTest, SoundDataKeepsOnlyNamesOfExistingFiles) {
  const std::string a = makeSound("a.mid");
  TBLSoundData missing(Cp932::fromUtf8((dir / "none.mid").string()).c_str());
  EXPECT_STREQ(missing.GetFileName(), "");
  TBLSoundData data(a.c_str());
  EXPECT_EQ(data.GetFileName(), a);
  data.SetFileName(Cp932::fromUtf8((dir / "gone.mid").string()).c_str());
  EXPECT_EQ(data.GetFileName(), a);
  EXPECT_STREQ(player->CreateSoundData(nullptr)->GetFileName(), "");
}

TEST_F(SoundPlayerTest, MusicIsPreparedToRepeatAndPlaysOnTheDefaultPath) {
  const std::string a = makeSound("a.mid");
  const std::string native = (dir / "a.mid").string();
  player->LoadMusic(player->CreateSoundData(a.c_str()));
  player->PlayMusic();
  EXPECT_THAT(recorder.calls(),
              ElementsAre("Loader.LoadSegment " + native, "Segment.SetStandardMidiFile " + native,
                          "Segment.Download " + native + " to default", "Segment.SetRepeats " + native + " 999999",
                          "Segment.SetLoopPoints " + native + " 0 0",
                          "Performance.PlaySegmentEx " + native + " flags=0x4000 start=0 from=none path=default"));
  EXPECT_EQ(player->GetMusicFileName(), a);
}

TEST_F(SoundPlayerTest, NewMusicUnloadsTheOldSegmentFirst) {
  const std::string a = makeSound("a.mid"), b = makeSound("b.mid");
  player->LoadMusic(player->CreateSoundData(a.c_str()));
  recorder.clear();
  player->LoadMusic(player->CreateSoundData(b.c_str()));
  ASSERT_FALSE(recorder.calls().empty());
  EXPECT_EQ(recorder.calls()[0], "Segment.Unload " + (dir / "a.mid").string() + " from default");
  EXPECT_EQ(recorder.calls()[1], "Loader.LoadSegment " + (dir / "b.mid").string());
}

TEST_F(SoundPlayerTest, SegmentsThatFailedToLoadAreNeverPlayed) {
  player->LoadMusic(player->CreateSoundData("missing.mid"));
  player->LoadEffect(3, player->CreateSoundData("missing.wav"));
  player->PlayMusic();
  player->PlayEffect(3);
  EXPECT_THAT(plays(), IsEmpty());
  EXPECT_THAT(recorder.calls(), ElementsAre("Loader.LoadSegment  failed", "Loader.LoadSegment  failed"));
}

TEST_F(SoundPlayerTest, EffectsOutsideTheTenSlotsDoNothing) {
  const std::string a = makeSound("a.wav");
  player->LoadEffect(-1, player->CreateSoundData(a.c_str()));
  player->LoadEffect(10, player->CreateSoundData(a.c_str()));
  player->PlayEffect(10);
  player->PlayEffect(-1);
  EXPECT_THAT(recorder.calls(), IsEmpty());
  EXPECT_EQ(player->GetEffectFileName(), "");
}

TEST_F(SoundPlayerTest, EffectLoadsDownloadToTheEffectPathAndPlayAsSecondary) {
  const std::string a = makeSound("a.wav");
  player->LoadEffect(4, player->CreateSoundData(a.c_str()));
  player->PlayEffect(4);
  const std::string native = (dir / "a.wav").string();
  EXPECT_THAT(recorder.calls(), ElementsAre("Loader.LoadSegment " + native, "Segment.Download " + native + " to path1",
                                            effectPlay("a.wav")));
  EXPECT_EQ(player->GetEffectFileName(), a);
}

TEST_F(SoundPlayerTest, TheRingStartsAtMinusOneAndWrapsAtTen) {
  std::vector<std::string> names;
  for (int i = 0; i < 11; ++i) names.push_back(makeSound("e" + std::to_string(i) + ".wav"));
  // Before any load the slot before the ring is 9, which is empty.
  player->PlayEffectBeforeRing();
  EXPECT_THAT(plays(), IsEmpty());

  player->LoadNextEffect(player->CreateSoundData(names[0].c_str()));
  EXPECT_EQ(player->GetRing(), 0);
  // Ring 0: the slot before it is again 9.
  recorder.clear();
  player->PlayEffectBeforeRing();
  EXPECT_THAT(plays(), IsEmpty());

  player->LoadNextEffect(player->CreateSoundData(names[1].c_str()));
  recorder.clear();
  player->PlayEffectBeforeRing();
  EXPECT_THAT(plays(), ElementsAre(effectPlay("e0.wav")));

  for (int i = 2; i < 10; ++i) player->LoadNextEffect(player->CreateSoundData(names[i].c_str()));
  EXPECT_EQ(player->GetRing(), 9);
  recorder.clear();
  player->PlayEffect(9);
  EXPECT_THAT(plays(), ElementsAre(effectPlay("e9.wav")));

  // The eleventh load fills slot 0 again, replacing what was there.
  recorder.clear();
  player->LoadNextEffect(player->CreateSoundData(names[10].c_str()));
  EXPECT_EQ(player->GetRing(), 0);
  EXPECT_EQ(recorder.calls().front(), "Segment.Unload " + (dir / "e0.wav").string() + " from path1");
  recorder.clear();
  player->PlayEffect(0);
  player->PlayEffectBeforeRing();
  EXPECT_THAT(plays(), ElementsAre(effectPlay("e10.wav"), effectPlay("e9.wav")));
}

TEST_F(SoundPlayerTest, StopAllStopsMusicThenEffects) {
  player->StopAll();
  EXPECT_THAT(recorder.calls(), ElementsAre("Performance.StopEx default time=0 flags=0",
                                            "Performance.StopEx path1 time=0 flags=0"));
}

}  // namespace
}  // namespace zelvo
