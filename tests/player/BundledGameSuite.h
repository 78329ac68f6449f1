#pragma once
// A suite that writes the bundled "Default" game once and copies it into each test's own folder,
// so every test starts from the same files without generating them again.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "tools/DefaultGame.h"

namespace zelvo::test {

class BundledGameSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    master_ = new TempDir;
    tools::writeDefaultGame(master_->path() / "Default");
  }
  static void TearDownTestSuite() {
    delete master_;
    master_ = nullptr;
  }
  static void CopyDefaultGame(const std::filesystem::path& to) {
    std::filesystem::copy(master_->path() / "Default", to, std::filesystem::copy_options::recursive);
  }

 private:
  static inline TempDir* master_ = nullptr;
};

}  // namespace zelvo::test
