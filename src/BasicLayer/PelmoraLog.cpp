#include "BasicLayer/PelmoraLog.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <system_error>

#include "BasicLayer/PelmoraFormats.h"
#include "platform/core/Cp932.h"
#include "platform/gui/MessageBox.h"

namespace zelvo::PelmoraLog {

namespace {

struct State {
  std::filesystem::path folder;
  bool folderSet = false;
  bool halt = true, message = true, detailed = true;
  int number = 0;
  int level = 0;
  HaltHandler handler;
  std::set<std::string> reported;  // stderr lines of pictures that failed to load
};

State& state() {
  static State s;
  return s;
}

std::filesystem::path executableFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec);
  return exe.parent_path();
}

void write(const std::string& text) {
  State& s = state();
  ++s.number;
  char head[32];
  std::snprintf(head, sizeof head, "#%.5d | ", s.number);
  std::string out = head + std::string(static_cast<size_t>(s.level) * 2, ' ') + Cp932::fromUtf8(text) + "\r\n";
  std::ofstream file(filePath(), std::ios::binary | (s.number == 1 ? std::ios::trunc : std::ios::app));
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
}

[[noreturn]] void halt(const std::string& message) {
  State& s = state();
  if (s.handler) {
    s.handler(message);
  } else {
    // The line first, so it is there even when nobody closes the box.
    std::cerr << "RunZelvo3: " << message << std::endl;
    ShowMessage(message, "RunZelvo3", MessageKind::Error);
  }
  std::exit(1);
}

}  // namespace

void setFolder(const std::filesystem::path& folder) {
  state().folder = folder;
  state().folderSet = true;
}

std::filesystem::path filePath() {
  State& s = state();
  if (!s.folderSet) {
    s.folder = executableFolder();
    s.folderSet = true;
  }
  return s.folder / kFileName;
}

void setSwitches(bool haltOnError, bool debugMessage, bool detailedLog) {
  State& s = state();
  s.halt = haltOnError;
  s.message = debugMessage;
  s.detailed = detailedLog;
}
bool haltOnError() { return state().halt; }
bool debugMessage() { return state().message; }
bool detailedLog() { return state().detailed; }

void restart() {
  state().number = 0;
  state().level = 0;
  state().reported.clear();
}
int linesWritten() { return state().number; }

void line(const std::string& text) {
  if (state().message) write(text);
}
void detail(const std::string& text) {
  if (state().message && state().detailed) write(text);
}
void indent() { ++state().level; }
void unindent() {
  if (state().level > 0) --state().level;
}

void setHaltHandler(HaltHandler handler) { state().handler = std::move(handler); }
void resetHaltHandler() { state().handler = nullptr; }

bool check(d3d9::HRESULT result, const std::string& text) {
  if (result == d3d9::D3D_OK) return true;
  std::string message = text + "(Error Code = " + PelmoraFormats::ResultName(result) + ")";
  line(message);
  if (state().halt) halt(message);
  return false;
}

bool fail(const std::string& text) { return check(static_cast<d3d9::HRESULT>(0x80004005u), text); }

void reportLoadError(const std::string& text, const std::string& reason) {
  if (!reason.empty()) line(reason);
  line(text);
  // A picture is loaded again with every map it appears on; the user needs to hear of it once.
  const std::string shown = DisplayText(text + (reason.empty() ? "" : " (" + reason + ")"));
  if (state().reported.insert(shown).second) std::cerr << "RunZelvo3: " << shown << std::endl;
}

}  // namespace zelvo::PelmoraLog
