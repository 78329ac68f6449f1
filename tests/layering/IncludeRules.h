#pragma once
// Which headers a library's files may include: those of its own folder and of the libraries it
// links, and the headers of the Qt modules its link line names. Everything else a file includes
// from the project or from Qt is a breach, reported with the file and line.

#include <filesystem>
#include <string>
#include <vector>

namespace zelvo::test {

struct LibraryRule {
  std::string name;
  std::filesystem::path folder;
  std::vector<std::filesystem::path> uses;  // folders of the libraries it links
  std::vector<std::string> qtModules;       // "Core", "Gui", ...
};

struct IncludeBreach {
  std::filesystem::path file;
  int line = 0;
  std::string included;  // as written, with its quotes or brackets
  std::string why;
};

class IncludeRules {
 public:
  // roots: the folders a project include is looked up in, after the including file's own folder.
  IncludeRules(std::vector<LibraryRule> libraries, std::vector<std::filesystem::path> roots,
               std::filesystem::path qtHeaders);

  const std::vector<LibraryRule>& Libraries() const { return libraries_; }
  // Every .h and .cpp directly in the library's folder.
  std::vector<IncludeBreach> CheckLibrary(const LibraryRule& library) const;
  std::vector<IncludeBreach> CheckFile(const LibraryRule& library, const std::filesystem::path& file) const;

 private:
  std::string checkInclude(const LibraryRule& library, const std::filesystem::path& file, char opener,
                           const std::string& included) const;
  const LibraryRule* ownerOf(const std::filesystem::path& header) const;
  // The Qt module a bracket include names ("Gui" for <QImage> or <QtGui/QImage>); empty when none.
  std::string qtModuleOf(const std::string& included) const;

  std::vector<LibraryRule> libraries_;
  std::vector<std::filesystem::path> roots_;
  std::filesystem::path qtHeaders_;
};

}  // namespace zelvo::test
