#include "support/TempDir.h"

#include <stdlib.h>

#include <stdexcept>

namespace zelvo::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zelvo-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

}  // namespace zelvo::test
