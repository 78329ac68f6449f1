#pragma once
// The rules of the glossary editor "用語エディタ": three lists of words, read from the glossary when
// the data set is given and written back when the window closes.

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace zelvo {

class IZMLZelvoAPI;

class TZEGrossaryPanel {
 public:
  // The glossary lists behind "能力関係", "戦闘時コマンド" and "コマンド".
  static constexpr std::array<int32_t, 3> kKinds{0, 20, 30};

  TZEGrossaryPanel();

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  // Writes the three lists into the glossary (nothing without one).
  void Close();

  // CP932 lines, in the order of kKinds.
  std::array<std::vector<std::string>, 3> lists;

 private:
  std::shared_ptr<IZMLZelvoAPI> api_;
};

}  // namespace zelvo
