#pragma once
// The pad of pass-direction buttons that the chip-set editor and the map editor's pass page share.

#include <array>

class QGridLayout;
class QPushButton;
class QWidget;

namespace zelvo {

struct TPassButtonPad {
  // Up, down, left, right: checkable, in the order of the pass bits.
  std::array<QPushButton*, 4> directions{};
  QPushButton* allWays = nullptr;
  QPushButton* noWay = nullptr;
};

// Makes the buttons on Parent and lays them out on Grid: the arrows around the all-ways button,
// the no-way button below right.
TPassButtonPad MakePassButtonPad(QWidget* parent, QGridLayout* grid);

}  // namespace zelvo
