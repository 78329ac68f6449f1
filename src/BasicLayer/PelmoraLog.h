#pragma once
// The wrapper's numbered debug log "Pelmora_DebugLog.txt" and its process-wide switches.
// Lines are "#%.5d | %s%s" (number from 1, two blanks per level of indent, text), in CP932 with
// CRLF; the first line of a run rewrites the file, later ones append.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/d3d9/D3D9Types.h"

namespace zelvo::PelmoraLog {

constexpr const char* kFileName = "Pelmora_DebugLog.txt";

// The folder the log is written to; the executable's folder unless a test sets another.
void setFolder(const std::filesystem::path& folder);
std::filesystem::path filePath();

void setSwitches(bool haltOnError, bool debugMessage, bool detailedLog);
bool haltOnError();
bool debugMessage();
bool detailedLog();

// Starts a new run: the next line is number 1 and rewrites the file; the indent is 0; every
// picture failure may be reported again.
void restart();
int linesWritten();

// printf-style text for a log line or an error message, cut at 1023 bytes.
template <typename... Args>
std::string format(const char* pattern, Args... args) {
  char buf[1024];
  std::snprintf(buf, sizeof buf, pattern, args...);
  return buf;
}

// Texts are UTF-8; the file gets them in CP932.
void line(const std::string& text);    // written while debugMessage is set
void detail(const std::string& text);  // also needs detailedLog
void indent();
void unindent();

// Raises the indent for as long as it lives.
class Section {
 public:
  Section() { indent(); }
  ~Section() { unindent(); }
  Section(const Section&) = delete;
  Section& operator=(const Section&) = delete;
};

// What ends the program on a failed check while haltOnError is set. The default writes the
// message as one line to stderr, shows it in an error message box and exits with status 1; tests
// throw instead. A handler that returns is followed by that exit.
using HaltHandler = std::function<void(const std::string& message)>;
void setHaltHandler(HaltHandler handler);
void resetHaltHandler();

// A check: result 0 passes. Otherwise logs text + "(Error Code = name)", halts when asked to, and
// returns false.
bool check(d3d9::HRESULT result, const std::string& text);
// A failure the wrapper found itself (no result code): the same path with the general failure code 0x80004005.
bool fail(const std::string& text);

// A picture that could not be loaded: the reason and the text as log lines, and one stderr line
// with both (paths with "/" only), written once until the next restart; never halts.
void reportLoadError(const std::string& text, const std::string& reason);

}  // namespace zelvo::PelmoraLog
