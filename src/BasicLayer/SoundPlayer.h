#pragma once
// The basic layer's sound service: one looping music track on one audio path and a ring of ten
// effect slots mixed on a second one.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/music/DirectMusic.h"

namespace zelvo {

class IBLSoundData {
 public:
  virtual ~IBLSoundData() = default;
  virtual const char* GetFileName() = 0;
  // Keeps the previous name when no file of that name exists.
  virtual void SetFileName(const char* fileName) = 0;
  virtual void Reserved() = 0;
};

class TBLSoundData : public virtual IBLSoundData {
 public:
  explicit TBLSoundData(const char* fileName);
  const char* GetFileName() override { return fileName_.c_str(); }
  void SetFileName(const char* fileName) override;
  void Reserved() override {}

 private:
  std::string fileName_;
};

class IBLSoundPlayer {
 public:
  virtual ~IBLSoundPlayer() = default;
  virtual void PlayMusic() = 0;
  virtual void PlayEffectBeforeRing() = 0;
  virtual void PlayEffect(int32_t index) = 0;
  virtual void StopAll() = 0;
  virtual void LoadMusic(const std::shared_ptr<IBLSoundData>& sound) = 0;
  virtual void LoadEffect(int32_t index, const std::shared_ptr<IBLSoundData>& sound) = 0;
  virtual void LoadNextEffect(const std::shared_ptr<IBLSoundData>& sound) = 0;
  virtual std::shared_ptr<IBLSoundData> CreateSoundData(const char* fileName) = 0;
  virtual std::shared_ptr<music::DirectMusicLoader> GetLoader() = 0;
  virtual std::shared_ptr<music::DirectMusicPerformance> GetPerformance() = 0;
};

class TBLSoundPlayer : public virtual IBLSoundPlayer {
 public:
  static constexpr int32_t kEffectSlots = 10;

  // component: not owned; it must outlive the construction only.
  explicit TBLSoundPlayer(music::DirectX8& component);
  ~TBLSoundPlayer() override;
  TBLSoundPlayer(const TBLSoundPlayer&) = delete;
  TBLSoundPlayer& operator=(const TBLSoundPlayer&) = delete;

  void PlayMusic() override;
  void PlayEffectBeforeRing() override;
  void PlayEffect(int32_t index) override;
  void StopAll() override;
  void LoadMusic(const std::shared_ptr<IBLSoundData>& sound) override;
  void LoadEffect(int32_t index, const std::shared_ptr<IBLSoundData>& sound) override;
  void LoadNextEffect(const std::shared_ptr<IBLSoundData>& sound) override;
  std::shared_ptr<IBLSoundData> CreateSoundData(const char* fileName) override;
  std::shared_ptr<music::DirectMusicLoader> GetLoader() override { return loader_; }
  std::shared_ptr<music::DirectMusicPerformance> GetPerformance() override { return performance_; }

  int32_t GetRing() const { return ring_; }
  const std::string& GetMusicFileName() const { return musicFileName_; }
  const std::string& GetEffectFileName() const { return effectFileName_; }

 private:
  std::shared_ptr<music::DirectMusicLoader> loader_;
  std::shared_ptr<music::DirectMusicPerformance> performance_;
  std::shared_ptr<music::DirectMusicAudioPath> musicPath_, effectPath_;
  std::shared_ptr<music::DirectMusicSegment> music_;
  std::shared_ptr<music::DirectMusicSegmentState> musicState_;
  std::array<std::shared_ptr<music::DirectMusicSegment>, kEffectSlots> effects_;
  std::array<std::shared_ptr<music::DirectMusicSegmentState>, kEffectSlots> effectStates_;
  std::string musicFileName_, effectFileName_;
  int32_t ring_ = -1;
};

}  // namespace zelvo
