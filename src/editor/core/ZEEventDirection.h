#pragma once
// The facing directions a placed event can be given, as the direction window offers them, and
// the window's rule: the current direction's button is pressed; OK stores the pressed one.

#include <array>
#include <cstdint>
#include <memory>

namespace zelvo {

class IZelvoEventPositionModel;

struct ZEDirectionButton {
  const char* caption;  // UTF-8
  int32_t value;
};

// In the window's order; the value 8 has no button.
inline constexpr std::array<ZEDirectionButton, 9> kDirectionButtons{{{"上", 0},
                                                                     {"右上", 1},
                                                                     {"右", 2},
                                                                     {"右下", 3},
                                                                     {"下", 4},
                                                                     {"左下", 5},
                                                                     {"左", 6},
                                                                     {"左上", 7},
                                                                     {"特", 9}}};

class TZEEventDirection {
 public:
  void SetTarget(std::shared_ptr<IZelvoEventPositionModel> target);
  const std::shared_ptr<IZelvoEventPositionModel>& GetTarget() const { return target_; }
  // The button of the target's direction; -1 when it has none (or there is no target).
  int32_t PressedButton() const { return pressed_; }
  // Any index outside the buttons releases them all.
  void Press(int32_t button);
  // Stores the pressed button's value; nothing when none is pressed. False then.
  bool Commit() const;

 private:
  std::shared_ptr<IZelvoEventPositionModel> target_;
  int32_t pressed_ = -1;
};

}  // namespace zelvo
