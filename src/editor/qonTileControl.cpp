#include "editor/qonTileControl.h"

namespace zelvo {

TqonTileControl::TqonTileControl(QWidget* parent) : TqonPaintBox(parent) {
  wallPaper_.OnChange = [this] { update(); };
}

void TqonTileControl::paintContents(QPainter& painter, const QRect& clip) { wallPaper_.Paint(painter, rect(), clip); }

}  // namespace zelvo
