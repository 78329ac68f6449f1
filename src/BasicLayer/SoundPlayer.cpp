#include "BasicLayer/SoundPlayer.h"

#include <filesystem>

#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

namespace {

constexpr int32_t kAllAudioFeatures = 63;
constexpr int32_t kDefaultPathStereoPlusReverb = 1;
constexpr int32_t kStandardPathDynamicStereo = 6;
constexpr int32_t kChannels = 64;
constexpr int32_t kSegmentDefault = 0x4000;
constexpr int32_t kSegmentSecondary = 0x80;
constexpr int32_t kMusicRepeats = 999999;

bool fileExists(const char* cp932Name) {
  return cp932Name && *cp932Name && NativeFileExists(cp932Name);
}

std::filesystem::path nativeFileOf(IBLSoundData& sound) {
  const char* name = sound.GetFileName();
  return name && *name ? NativePath(name).value_or(std::filesystem::path()) : std::filesystem::path();
}

}  // namespace

TBLSoundData::TBLSoundData(const char* fileName) { SetFileName(fileName); }

void TBLSoundData::SetFileName(const char* fileName) {
  if (fileExists(fileName)) fileName_ = fileName;
}

TBLSoundPlayer::TBLSoundPlayer(music::DirectX8& component) {
  loader_ = component.DirectMusicLoaderCreate();
  performance_ = component.DirectMusicPerformanceCreate();
  performance_->InitAudio(nullptr, kAllAudioFeatures, kDefaultPathStereoPlusReverb, kChannels);
  std::error_code ec;
  loader_->SetSearchDirectory(std::filesystem::current_path(ec));
  musicPath_ = performance_->GetDefaultAudioPath();
  effectPath_ = performance_->CreateStandardAudioPath(kStandardPathDynamicStereo, kChannels, true);
}

TBLSoundPlayer::~TBLSoundPlayer() {
  StopAll();
  musicState_.reset();
  music_.reset();
  for (auto& e : effects_) e.reset();
  for (auto& s : effectStates_) s.reset();
  musicPath_.reset();
  effectPath_.reset();
  performance_->CloseDown();
}

void TBLSoundPlayer::PlayMusic() {
  // A segment that failed to load is never played.
  if (!music_) return;
  musicState_ = performance_->PlaySegmentEx(music_, kSegmentDefault, 0, nullptr, musicPath_);
}

void TBLSoundPlayer::PlayEffectBeforeRing() { PlayEffect(ring_ - 1 < 0 ? kEffectSlots - 1 : ring_ - 1); }

void TBLSoundPlayer::PlayEffect(int32_t index) {
  if (index < 0 || index >= kEffectSlots || !effects_[index]) return;
  effectStates_[index] = performance_->PlaySegmentEx(effects_[index], kSegmentSecondary, 0, nullptr, effectPath_);
}

void TBLSoundPlayer::StopAll() {
  performance_->StopEx(musicPath_, 0, 0);
  performance_->StopEx(effectPath_, 0, 0);
}

void TBLSoundPlayer::LoadMusic(const std::shared_ptr<IBLSoundData>& sound) {
  if (!sound) return;
  if (music_) {
    music_->Unload(*musicPath_);
    music_.reset();
  }
  musicFileName_ = sound->GetFileName();
  music_ = loader_->LoadSegment(nativeFileOf(*sound));
  if (!music_) return;
  music_->SetStandardMidiFile();
  music_->Download(*musicPath_);
  music_->SetRepeats(kMusicRepeats);
  music_->SetLoopPoints(0, 0);
}

void TBLSoundPlayer::LoadEffect(int32_t index, const std::shared_ptr<IBLSoundData>& sound) {
  if (index < 0 || index >= kEffectSlots || !sound) return;
  effectFileName_ = sound->GetFileName();
  if (effects_[index]) {
    effects_[index]->Unload(*effectPath_);
    effects_[index].reset();
  }
  effects_[index] = loader_->LoadSegment(nativeFileOf(*sound));
  if (effects_[index]) effects_[index]->Download(*effectPath_);
}

void TBLSoundPlayer::LoadNextEffect(const std::shared_ptr<IBLSoundData>& sound) {
  ring_ = ring_ + 1 >= kEffectSlots ? 0 : ring_ + 1;
  LoadEffect(ring_, sound);
}

std::shared_ptr<IBLSoundData> TBLSoundPlayer::CreateSoundData(const char* fileName) {
  return std::make_shared<TBLSoundData>(fileName);
}

}  // namespace zelvo
