#pragma once
// Our DirectMusic: loader, performance, audio paths, segments and segment states, as the sound
// player calls them. The back end is silent (nothing in the player plays a sound), so no audio
// device is needed and none missing is an error; every call can be written to a recorder.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zelvo::music {

// Keeps one line per call, in call order, for tests to read.
class CallRecorder {
 public:
  void record(std::string line) { calls_.push_back(std::move(line)); }
  const std::vector<std::string>& calls() const { return calls_; }
  void clear() { calls_.clear(); }

 private:
  std::vector<std::string> calls_;
};

class DirectMusicAudioPath;

class DirectMusicSegmentState {
 public:
  DirectMusicSegmentState(std::string segmentName, std::string pathName)
      : segmentName_(std::move(segmentName)), pathName_(std::move(pathName)) {}
  const std::string& segmentName() const { return segmentName_; }
  const std::string& pathName() const { return pathName_; }

 private:
  std::string segmentName_, pathName_;
};

class DirectMusicSegment {
 public:
  DirectMusicSegment(std::string fileName, CallRecorder* recorder);
  const std::string& fileName() const { return fileName_; }

  void SetStandardMidiFile();
  void Download(DirectMusicAudioPath& path);
  void Unload(DirectMusicAudioPath& path);
  void SetRepeats(int32_t repeats);
  void SetLoopPoints(int32_t start, int32_t end);
  int32_t GetRepeats() const { return repeats_; }
  bool IsDownloadedTo(const DirectMusicAudioPath& path) const;

 private:
  void record(const std::string& line);
  std::string fileName_;
  CallRecorder* recorder_;
  int32_t repeats_ = 0;
  std::vector<const DirectMusicAudioPath*> downloads_;
};

class DirectMusicAudioPath {
 public:
  DirectMusicAudioPath(std::string name, int32_t type, int32_t channels)
      : name_(std::move(name)), type_(type), channels_(channels) {}
  const std::string& name() const { return name_; }
  int32_t type() const { return type_; }
  int32_t channels() const { return channels_; }
  bool active() const { return active_; }
  void Activate(bool value) { active_ = value; }

 private:
  std::string name_;
  int32_t type_, channels_;
  bool active_ = true;
};

class DirectMusicPerformance {
 public:
  explicit DirectMusicPerformance(CallRecorder* recorder) : recorder_(recorder) {}

  void InitAudio(void* window, int32_t featureFlags, int32_t defaultPathType, int32_t channels);
  std::shared_ptr<DirectMusicAudioPath> GetDefaultAudioPath();
  std::shared_ptr<DirectMusicAudioPath> CreateStandardAudioPath(int32_t type, int32_t channels, bool activate);
  // A null segment plays nothing and gives no state.
  std::shared_ptr<DirectMusicSegmentState> PlaySegmentEx(const std::shared_ptr<DirectMusicSegment>& segment,
                                                         int32_t flags, int32_t startTime,
                                                         const std::shared_ptr<DirectMusicSegment>& from,
                                                         const std::shared_ptr<DirectMusicAudioPath>& path);
  void StopEx(const std::shared_ptr<DirectMusicAudioPath>& path, int32_t stopTime, int32_t flags);
  void CloseDown();
  bool initialised() const { return initialised_; }

 private:
  void record(const std::string& line);
  CallRecorder* recorder_;
  bool initialised_ = false;
  int32_t pathCount_ = 0;
  std::shared_ptr<DirectMusicAudioPath> defaultPath_;
};

class DirectMusicLoader {
 public:
  explicit DirectMusicLoader(CallRecorder* recorder) : recorder_(recorder) {}
  void SetSearchDirectory(const std::filesystem::path& folder);
  // Null when the file is missing or unreadable; a relative name is looked up in the search folder.
  // The segment is named by the file's name as given.
  std::shared_ptr<DirectMusicSegment> LoadSegment(const std::filesystem::path& file);
  const std::filesystem::path& searchDirectory() const { return searchDirectory_; }

 private:
  void record(const std::string& line);
  CallRecorder* recorder_;
  std::filesystem::path searchDirectory_;
};

// The component the main window holds: it only makes loaders and performances.
class DirectX8 {
 public:
  explicit DirectX8(CallRecorder* recorder = nullptr) : recorder_(recorder) {}
  std::shared_ptr<DirectMusicLoader> DirectMusicLoaderCreate();
  std::shared_ptr<DirectMusicPerformance> DirectMusicPerformanceCreate();

 private:
  CallRecorder* recorder_;
};

}  // namespace zelvo::music
