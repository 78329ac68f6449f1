#include "editor/core/ZEDesktopController.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/core/AtomicFile.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using State = ZEDesktopWindow::State;
using Bounds = ZEDesktopWindow::Bounds;

// A window that keeps what it is told, in order.
class FakeWindow : public ZEDesktopWindow {
 public:
  std::string name = "ZEView";
  State state = State::Normal;
  Bounds bounds{10, 20, 300, 200};
  bool designed = false;
  std::vector<std::string> calls;

  std::string ComponentName() const override { return name; }
  State GetState() const override { return state; }
  void SetState(State s) override {
    state = s;
    calls.push_back("state " + std::to_string(static_cast<int>(s)));
  }
  void UseDesignedPosition() override {
    designed = true;
    calls.push_back("designed");
  }
  Bounds GetBounds() const override { return bounds; }
  void SetBounds(const Bounds& b) override {
    bounds = b;
    calls.push_back("bounds");
  }
};

std::string text(const fs::path& p) {
  std::vector<uint8_t> b = test::readFile(p);
  return {b.begin(), b.end()};
}

void put(const fs::path& p, std::string_view s) { test::writeFile(p, {s.begin(), s.end()}); }

TEST(ZEDesktopController, LoadsStateAndBoundsAsStored) {
  struct Case {
    const char* name;
    std::optional<std::string> file;  // no file when empty
    State state;
    bool designed;
    Bounds bounds;
    std::vector<std::string> calls;
  };
  const Bounds own{10, 20, 300, 200};
  const Case cases[] = {
      {"no file: the window keeps its place and placement", std::nullopt, State::Normal, false, own, {"bounds"}},
      {"normal with bounds", "[ZEView]\r\nLeft=5\r\nTop=6\r\nWidth=700\r\nHeight=500\r\nState=2\r\n", State::Normal,
       true, {5, 6, 700, 500}, {"state 2", "designed", "bounds"}},
      {"maximised: bounds not applied", "[ZEView]\r\nLeft=5\r\nTop=6\r\nWidth=700\r\nHeight=500\r\nState=0\r\n",
       State::Maximized, true, own, {"state 0", "designed"}},
      {"minimised: bounds not applied", "[ZEView]\r\nLeft=5\r\nState=1\r\n", State::Minimized, true, own,
       {"state 1", "designed"}},
      {"bounds without State keep the placement", "[ZEView]\r\nLeft=5\r\nTop=6\r\nWidth=700\r\nHeight=500\r\n",
       State::Normal, false, {5, 6, 700, 500}, {"bounds"}},
      {"unknown State still chooses the designed position", "[ZEView]\r\nState=7\r\nLeft=5\r\n", State::Normal, true,
       {5, 20, 300, 200}, {"designed", "bounds"}},
      {"State that is no number counts as missing", "[ZEView]\r\nState=max\r\nTop=9\r\n", State::Normal, false,
       {10, 9, 300, 200}, {"bounds"}},
      {"bad numbers keep the window's own", "[ZEView]\r\nLeft=x\r\nTop=\r\nWidth=99999999999\r\nHeight=480\r\nState=2\r\n",
       State::Normal, true, {10, 20, 300, 480}, {"state 2", "designed", "bounds"}},
      {"section of another window", "[MapEditorForm]\r\nLeft=5\r\nState=0\r\n", State::Normal, false, own, {"bounds"}},
      {"section and keys in any case", "[zeview]\r\nleft=5\r\nSTATE=2\r\n", State::Normal, true, {5, 20, 300, 200},
       {"state 2", "designed", "bounds"}},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const fs::path ini = dir / "Desktop.INI";
    if (c.file) put(ini, *c.file);
    FakeWindow w;
    ZEDesktopController(ini).LoadPosition(w);
    EXPECT_EQ(w.state, c.state) << c.name;
    EXPECT_EQ(w.designed, c.designed) << c.name;
    EXPECT_EQ(w.bounds, c.bounds) << c.name;
    EXPECT_EQ(w.calls, c.calls) << c.name;
  }
}

TEST(ZEDesktopController, SavesBoundsThenStateInItsSection) {
  struct Case {
    State state;
    const char* code;
  };
  for (Case c : {Case{State::Maximized, "0"}, Case{State::Minimized, "1"}, Case{State::Normal, "2"}}) {
    test::TempDir dir;
    const fs::path ini = dir / "Desktop.INI";
    FakeWindow w;
    w.name = "MapEditorForm";
    w.state = c.state;
    w.bounds = {-8, 40, 1024, 768};
    ZEDesktopController(ini).SavePosition(w);
    EXPECT_EQ(text(ini), std::string("[MapEditorForm]\r\nLeft=-8\r\nTop=40\r\nWidth=1024\r\nHeight=768\r\nState=") +
                             c.code + "\r\n");
  }
}

TEST(ZEDesktopController, SavedPlaceComesBackAndOtherWindowsStay) {
  test::TempDir dir;
  const fs::path ini = dir / "Desktop.INI";
  put(ini, "[ZEView]\r\nLeft=1\r\nTop=2\r\nWidth=3\r\nHeight=4\r\nState=2\r\n");
  FakeWindow layers;
  layers.name = std::string(DesktopSection::LayerWindow);
  layers.bounds = {50, 60, 200, 400};
  ZEDesktopController(ini).SavePosition(layers);

  FakeWindow back;
  back.name = std::string(DesktopSection::LayerWindow);
  ZEDesktopController(ini).LoadPosition(back);
  EXPECT_EQ(back.bounds, (Bounds{50, 60, 200, 400}));
  FakeWindow main;
  ZEDesktopController(ini).LoadPosition(main);
  EXPECT_EQ(main.bounds, (Bounds{1, 2, 3, 4}));
}

TEST(ZEDesktopController, FailedSaveLeavesTheFileAsItWas) {
  test::TempDir dir;
  const fs::path ini = dir / "Desktop.INI";
  put(ini, "[ZEView]\r\nState=0\r\n");
  FakeWindow w;
  FileFaults::failWriteNumber(1);
  EXPECT_THROW(ZEDesktopController(ini).SavePosition(w), EFileError);
  FileFaults::reset();
  EXPECT_EQ(text(ini), "[ZEView]\r\nState=0\r\n");
}

}  // namespace
}  // namespace zelvo
