#include "editor/PassButtonPad.h"

#include <QGridLayout>
#include <QPushButton>

#include "platform/gui/Text.h"

namespace zelvo {

TPassButtonPad MakePassButtonPad(QWidget* parent, QGridLayout* grid) {
  TPassButtonPad pad;
  const std::array<const char*, 4> arrows = {"↑", "↓", "←", "→"};
  for (size_t i = 0; i < pad.directions.size(); ++i) {
    pad.directions[i] = new QPushButton(Text::u(arrows[i]), parent);
    pad.directions[i]->setCheckable(true);
  }
  pad.allWays = new QPushButton(Text::u("◇"), parent);
  pad.noWay = new QPushButton(Text::u("×"), parent);
  grid->addWidget(pad.directions[0], 0, 1);
  grid->addWidget(pad.directions[2], 1, 0);
  grid->addWidget(pad.allWays, 1, 1);
  grid->addWidget(pad.directions[3], 1, 2);
  grid->addWidget(pad.directions[1], 2, 1);
  grid->addWidget(pad.noWay, 2, 2);
  return pad;
}

}  // namespace zelvo
