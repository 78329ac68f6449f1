#pragma once
// The rules of the capability editor "能力エディタ": sixteen values and sixteen growths of one
// capability record, shown as texts and written back when the window closes.

#include <array>
#include <memory>
#include <string>

namespace zelvo {

class IZelvoCapabilityModel;

class TZECapabilityPanel {
 public:
  static constexpr int32_t kCount = 16;
  // What a text that is not an integer is stored as.
  static constexpr int32_t kFallback = 1;
  // The labels of "Edit1".."Edit16" (and of their growths), UTF-8.
  static const char* Label(int32_t index);

  // False when model is null: the window closes at once.
  bool setModel(std::shared_ptr<IZelvoCapabilityModel> model);
  // Writes every field back (nothing without a model).
  void Close();

  std::array<std::string, kCount> values;
  std::array<std::string, kCount> growths;

 private:
  std::shared_ptr<IZelvoCapabilityModel> model_;
};

}  // namespace zelvo
