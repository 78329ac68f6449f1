// Plays a game folder headless from a script of keys, clicks and shots, and writes the frames the
// script's "shot" lines name as PNG files, so a person can see what the player shows.
//
// usage: play_script START_FOLDER SCRIPT OUT_FOLDER [MAX_FRAMES]
// START_FOLDER is the folder the player would be started in (holding "Game\" or "Default\").

#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gui/D3D9Presenter.h"
#include "player/HeadlessPlayer.h"

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5) {
    std::fprintf(stderr, "usage: play_script START_FOLDER SCRIPT OUT_FOLDER [MAX_FRAMES]\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  namespace fs = std::filesystem;
  const fs::path start = argv[1], out = argv[3];
  zelvo::ScriptedInput script;
  try {
    std::ifstream in(argv[2]);
    if (!in) throw std::runtime_error(std::string("cannot read ") + argv[2]);
    script = zelvo::ScriptedInput::Parse(in);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "play_script: %s\n", e.what());
    return 2;
  }
  const int maxFrames = argc == 5 ? std::atoi(argv[4]) : script.LastFrame() + 1;
  std::error_code error;
  fs::create_directories(out, error);
  zelvo::THeadlessPlayer player;
  if (!player.Start(start)) return player.Form().ExitCode();
  int written = 0;
  bool failed = false;
  const int ran = player.Run(script, maxFrames, [&](int frame, const zelvo::d3d9::Frame& image) {
    for (const auto& step : script.DueAt(frame)) {
      if (step.kind != zelvo::ScriptedInput::Step::Kind::Shot) continue;
      if (zelvo::saveFrameAsPng(image, out / step.file)) ++written;
      else {
        std::fprintf(stderr, "play_script: cannot write %s\n", (out / step.file).string().c_str());
        failed = true;
      }
    }
  });
  std::printf("%d frames, %d pictures written, player %s\n", ran, written,
              player.Form().IsClosed() ? "closed" : "still running");
  return failed ? 1 : player.Form().ExitCode();
}
