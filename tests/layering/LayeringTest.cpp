// Each library includes only its own headers, those of the libraries it links and the parts of Qt
// its link line names, so the one include path every library exports hides no wrong dependency.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "IncludeRules.h"
#include "support/TempDir.h"

namespace zelvo::test {
namespace {

namespace fs = std::filesystem;

std::vector<LibraryRule> builtLibraries() {
  return {
#include "LayeringLibraries.inc"
  };
}

IncludeRules projectRules() {
  const fs::path project = ZELVO_LAYERING_PROJECT;
  return IncludeRules(builtLibraries(), {project / "src", project}, ZELVO_LAYERING_QT_HEADERS);
}

const LibraryRule* find(const IncludeRules& rules, const std::string& name) {
  for (const LibraryRule& library : rules.Libraries()) {
    if (library.name == name) return &library;
  }
  return nullptr;
}

bool has(const std::vector<std::string>& modules, const std::string& module) {
  return std::find(modules.begin(), modules.end(), module) != modules.end();
}

TEST(Layering, EveryLibraryIncludesOnlyWhatItLinks) {
  const IncludeRules rules = projectRules();
  ASSERT_GE(rules.Libraries().size(), 10u);
  for (const LibraryRule& library : rules.Libraries()) {
    for (const IncludeBreach& breach : rules.CheckLibrary(library)) {
      ADD_FAILURE_AT(breach.file.string().c_str(), breach.line) << "#include " << breach.included << ": " << breach.why;
    }
  }
}

// The graph the rules come from keeps the data layer plain and the editor's rules free of widgets.
TEST(Layering, TheLinkLinesKeepTheLowerLibrariesFreeOfWhatIsAboveThem) {
  const IncludeRules rules = projectRules();
  const LibraryRule* core = find(rules, "zelvo_platform_core");
  const LibraryRule* model = find(rules, "zelvo_model");
  const LibraryRule* editorCore = find(rules, "zelvo_editor_core");
  const LibraryRule* player = find(rules, "zelvo_player");
  const LibraryRule* editor = find(rules, "zelvo_editor");
  ASSERT_TRUE(core && model && editorCore && player && editor);
  EXPECT_TRUE(core->uses.empty());
  EXPECT_TRUE(core->qtModules.empty());
  EXPECT_EQ(model->uses, std::vector<fs::path>{core->folder});
  EXPECT_TRUE(model->qtModules.empty());
  EXPECT_FALSE(has(editorCore->qtModules, "Widgets"));
  const auto uses = [](const LibraryRule* library, const LibraryRule* other) {
    return std::find(library->uses.begin(), library->uses.end(), other->folder) != library->uses.end();
  };
  EXPECT_FALSE(uses(player, editorCore) || uses(player, editor));
  EXPECT_FALSE(uses(editorCore, player) || uses(editor, player));
  EXPECT_FALSE(uses(editorCore, editor));
}

// A small project on disk: four libraries and three Qt modules, each case one file's include.
class IncludeRulesTest : public ::testing::Test {
 protected:
  TempDir dir;

  void SetUp() override {
    for (const char* header : {"qt/QtCore/QString", "qt/QtGui/QImage", "qt/QtWidgets/QWidget",
                               "src/platform/core/Files.h", "src/model/Model.h", "src/editor/core/Rules.h",
                               "src/editor/Window.h", "src/player/Player.h", "tests/support/Helper.h"}) {
      write(header, "#pragma once\n");
    }
  }
  void write(const std::string& name, const std::string& text) {
    fs::create_directories((dir / name).parent_path());
    std::ofstream(dir / name) << text;
  }
  IncludeRules rules() {
    const fs::path src = dir / "src";
    return IncludeRules({{"core", src / "platform/core", {}, {}},
                         {"model", src / "model", {src / "platform/core"}, {}},
                         {"editor_core", src / "editor/core", {src / "platform/core", src / "model"}, {"Core", "Gui"}},
                         {"editor",
                          src / "editor",
                          {src / "platform/core", src / "model", src / "editor/core"},
                          {"Core", "Gui", "Widgets"}},
                         {"player", src / "player", {src / "platform/core", src / "model"}, {"Core", "Gui"}}},
                        {src, dir.path()}, dir / "qt");
  }
};

TEST_F(IncludeRulesTest, AnIncludeOutsideTheLinkedLibrariesIsABreachAtItsLine) {
  struct Case {
    const char* library;
    const char* file;
    const char* include;
    bool breach;
  };
  const std::vector<Case> cases = {
      {"model", "src/model/A.cpp", "\"platform/core/Files.h\"", false},
      {"model", "src/model/A.cpp", "\"Model.h\"", false},
      {"model", "src/model/A.cpp", "<vector>", false},
      {"model", "src/model/A.cpp", "<QString>", true},
      {"model", "src/model/A.cpp", "<QtCore/QString>", true},
      {"model", "src/model/A.cpp", "\"editor/core/Rules.h\"", true},
      {"core", "src/platform/core/A.cpp", "\"model/Model.h\"", true},
      {"player", "src/player/A.cpp", "\"editor/Window.h\"", true},
      {"player", "src/player/A.cpp", "<QImage>", false},
      {"editor_core", "src/editor/core/A.cpp", "<QImage>", false},
      {"editor_core", "src/editor/core/A.cpp", "<QWidget>", true},
      {"editor_core", "src/editor/core/A.cpp", "\"editor/Window.h\"", true},
      {"editor_core", "src/editor/core/A.cpp", "\"../../../tests/support/Helper.h\"", true},
      {"editor", "src/editor/A.cpp", "\"editor/core/Rules.h\"", false},
      {"editor", "src/editor/A.cpp", "  #  include <QWidget>", false},
      {"editor_core", "src/editor/core/A.cpp", " #include<QWidget>", true},
      {"editor_core", "src/editor/core/A.cpp", " // #include <QWidget>", false},
      {"editor", "src/editor/A.cpp", "\"player/Player.h\"", true},
  };
  const IncludeRules all = rules();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.library) + ": " + c.include);
    const std::string directive = c.include[0] == ' ' ? c.include : std::string("#include ") + c.include;
    write(c.file, "// first line\n" + directive + "\nint x;\n");
    const LibraryRule* library = find(all, c.library);
    ASSERT_NE(library, nullptr);
    const std::vector<IncludeBreach> breaches = all.CheckFile(*library, dir / c.file);
    ASSERT_EQ(breaches.size(), c.breach ? 1u : 0u);
    if (c.breach) {
      EXPECT_EQ(breaches[0].line, 2);
      EXPECT_NE(breaches[0].why.find(c.library), std::string::npos) << breaches[0].why;
    }
  }
}

TEST_F(IncludeRulesTest, ALibraryIsScannedWholeAndEveryBreachNamed) {
  write("src/model/A.h", "#include \"platform/core/Files.h\"\n#include <QImage>\n");
  write("src/model/B.cpp", "#include \"A.h\"\n\n#include \"editor/Window.h\"\n");
  write("src/model/notes.txt", "#include <QWidget>\n");
  const IncludeRules all = rules();
  const std::vector<IncludeBreach> breaches = all.CheckLibrary(*find(all, "model"));
  ASSERT_EQ(breaches.size(), 2u);
  EXPECT_EQ(breaches[0].file.filename(), "A.h");
  EXPECT_EQ(breaches[0].line, 2);
  EXPECT_NE(breaches[0].why.find("Qt6::Gui"), std::string::npos) << breaches[0].why;
  EXPECT_EQ(breaches[1].file.filename(), "B.cpp");
  EXPECT_EQ(breaches[1].line, 3);
  EXPECT_NE(breaches[1].why.find("editor"), std::string::npos) << breaches[1].why;
}

}  // namespace
}  // namespace zelvo::test
