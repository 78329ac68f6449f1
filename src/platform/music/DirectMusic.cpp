#include "platform/music/DirectMusic.h"

#include <algorithm>
#include <filesystem>
#include <fstream>


namespace zelvo::music {

namespace {

std::string nameOf(const std::shared_ptr<DirectMusicSegment>& s) { return s ? s->fileName() : "none"; }
std::string nameOf(const std::shared_ptr<DirectMusicAudioPath>& p) { return p ? p->name() : "none"; }

std::string hex(int32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(v));
  return buf;
}

}  // namespace

DirectMusicSegment::DirectMusicSegment(std::string fileName, CallRecorder* recorder)
    : fileName_(std::move(fileName)), recorder_(recorder) {}

void DirectMusicSegment::record(const std::string& line) {
  if (recorder_) recorder_->record(line);
}

void DirectMusicSegment::SetStandardMidiFile() { record("Segment.SetStandardMidiFile " + fileName_); }

void DirectMusicSegment::Download(DirectMusicAudioPath& path) {
  record("Segment.Download " + fileName_ + " to " + path.name());
  if (!IsDownloadedTo(path)) downloads_.push_back(&path);
}

void DirectMusicSegment::Unload(DirectMusicAudioPath& path) {
  record("Segment.Unload " + fileName_ + " from " + path.name());
  std::erase(downloads_, &path);
}

void DirectMusicSegment::SetRepeats(int32_t repeats) {
  record("Segment.SetRepeats " + fileName_ + " " + std::to_string(repeats));
  repeats_ = repeats;
}

void DirectMusicSegment::SetLoopPoints(int32_t start, int32_t end) {
  record("Segment.SetLoopPoints " + fileName_ + " " + std::to_string(start) + " " + std::to_string(end));
}

bool DirectMusicSegment::IsDownloadedTo(const DirectMusicAudioPath& path) const {
  return std::find(downloads_.begin(), downloads_.end(), &path) != downloads_.end();
}

void DirectMusicPerformance::record(const std::string& line) {
  if (recorder_) recorder_->record(line);
}

void DirectMusicPerformance::InitAudio(void* window, int32_t featureFlags, int32_t defaultPathType, int32_t channels) {
  record("Performance.InitAudio window=" + std::string(window ? "set" : "none") + " flags=" +
         std::to_string(featureFlags) + " type=" + std::to_string(defaultPathType) + " channels=" +
         std::to_string(channels));
  // Silent: there is no device to open, so this cannot fail.
  initialised_ = true;
  defaultPath_ = std::make_shared<DirectMusicAudioPath>("default", defaultPathType, channels);
}

std::shared_ptr<DirectMusicAudioPath> DirectMusicPerformance::GetDefaultAudioPath() {
  record("Performance.GetDefaultAudioPath");
  return defaultPath_;
}

std::shared_ptr<DirectMusicAudioPath> DirectMusicPerformance::CreateStandardAudioPath(int32_t type, int32_t channels,
                                                                                      bool activate) {
  record("Performance.CreateStandardAudioPath type=" + std::to_string(type) + " channels=" + std::to_string(channels) +
         " activate=" + (activate ? "1" : "0"));
  auto path = std::make_shared<DirectMusicAudioPath>("path" + std::to_string(++pathCount_), type, channels);
  path->Activate(activate);
  return path;
}

std::shared_ptr<DirectMusicSegmentState> DirectMusicPerformance::PlaySegmentEx(
    const std::shared_ptr<DirectMusicSegment>& segment, int32_t flags, int32_t startTime,
    const std::shared_ptr<DirectMusicSegment>& from, const std::shared_ptr<DirectMusicAudioPath>& path) {
  if (!segment) return nullptr;
  record("Performance.PlaySegmentEx " + segment->fileName() + " flags=" + hex(flags) + " start=" +
         std::to_string(startTime) + " from=" + nameOf(from) + " path=" + nameOf(path));
  return std::make_shared<DirectMusicSegmentState>(segment->fileName(), nameOf(path));
}

void DirectMusicPerformance::StopEx(const std::shared_ptr<DirectMusicAudioPath>& path, int32_t stopTime,
                                    int32_t flags) {
  record("Performance.StopEx " + nameOf(path) + " time=" + std::to_string(stopTime) + " flags=" + std::to_string(flags));
}

void DirectMusicPerformance::CloseDown() {
  record("Performance.CloseDown");
  initialised_ = false;
}

void DirectMusicLoader::record(const std::string& line) {
  if (recorder_) recorder_->record(line);
}

void DirectMusicLoader::SetSearchDirectory(const std::filesystem::path& folder) {
  record("Loader.SetSearchDirectory " + folder.string());
  searchDirectory_ = folder;
}

std::shared_ptr<DirectMusicSegment> DirectMusicLoader::LoadSegment(const std::filesystem::path& file) {
  std::filesystem::path full = file.is_relative() ? searchDirectory_ / file : file;
  std::error_code ec;
  bool readable = !file.empty() && std::filesystem::is_regular_file(full, ec) && std::ifstream(full).good();
  record("Loader.LoadSegment " + file.string() + (readable ? "" : " failed"));
  if (!readable) return nullptr;
  return std::make_shared<DirectMusicSegment>(file.string(), recorder_);
}

std::shared_ptr<DirectMusicLoader> DirectX8::DirectMusicLoaderCreate() {
  if (recorder_) recorder_->record("DirectX8.DirectMusicLoaderCreate");
  return std::make_shared<DirectMusicLoader>(recorder_);
}

std::shared_ptr<DirectMusicPerformance> DirectX8::DirectMusicPerformanceCreate() {
  if (recorder_) recorder_->record("DirectX8.DirectMusicPerformanceCreate");
  return std::make_shared<DirectMusicPerformance>(recorder_);
}

}  // namespace zelvo::music
