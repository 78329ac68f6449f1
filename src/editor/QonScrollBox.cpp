#include "editor/QonScrollBox.h"

#include <algorithm>

#include <QCursor>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>

namespace zelvo {

namespace {

QRect toQRect(const TRect& r) { return QRect(r.Left, r.Top, TRectWidth(r), TRectHeight(r)); }

QPushButton* arrowButton(const char* caption, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setAutoRepeat(true);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

TQonScrollBox::TQonScrollBox(QWidget* parent) : QFrame(parent) {
  setAcceptDrops(true);
  makeChildren();
  makeOptionPopup();
  wireGeometry();
  tiling_.OnChange = [this] { Tile->SetWallPaper(tiling_); };
  geometry_.SetBarSize(16);
  geometry_.SetPower(16);
  SetShowCustomButton(false);
  geometry_.SetClientSize(width(), height());
}

void TQonScrollBox::makeChildren() {
  // Created bottom to top, so the later ones lie above.
  Tile = new TqonTileControl(this);
  OptionButton = new QPushButton(this);
  OptionButton->setFocusPolicy(Qt::NoFocus);
  BottomScrollBar = new QScrollBar(Qt::Horizontal, this);
  LeftScrollBar = new QScrollBar(Qt::Vertical, this);
  TopScrollBar = new QScrollBar(Qt::Horizontal, this);
  RightScrollBar = new QScrollBar(Qt::Vertical, this);
  TopScrollButton = arrowButton("↑", this);
  BottomScrollButton = arrowButton("↓", this);
  LeftScrollButton = arrowButton("←", this);
  RightScrollButton = arrowButton("→", this);
  ScrollPanel = new QWidget(this);
  BasePanel = new QWidget(ScrollPanel);
  qonPaintBox = new TqonPaintBox(BasePanel);

  for (QScrollBar* bar : {TopScrollBar, BottomScrollBar}) {
    connect(bar, &QScrollBar::valueChanged, this, [this](int v) {
      if (!syncing_) geometry_.ScrollTo(TQonScrollAxis::Horizontal, v);
    });
  }
  for (QScrollBar* bar : {LeftScrollBar, RightScrollBar}) {
    connect(bar, &QScrollBar::valueChanged, this, [this](int v) {
      if (!syncing_) geometry_.ScrollTo(TQonScrollAxis::Vertical, v);
    });
  }
  connect(TopScrollButton, &QPushButton::clicked, this, [this] { geometry_.ScrollBy(TQonScrollAxis::Vertical, -1); });
  connect(BottomScrollButton, &QPushButton::clicked, this, [this] { geometry_.ScrollBy(TQonScrollAxis::Vertical, 1); });
  connect(LeftScrollButton, &QPushButton::clicked, this, [this] { geometry_.ScrollBy(TQonScrollAxis::Horizontal, -1); });
  connect(RightScrollButton, &QPushButton::clicked, this, [this] { geometry_.ScrollBy(TQonScrollAxis::Horizontal, 1); });
  connect(OptionButton, &QPushButton::clicked, this, [this] { OptionPopup->popup(QCursor::pos()); });

  qonPaintBox->OnPaint = [this](QPainter& painter, const QRect& clip) {
    if (OnPaint) OnPaint(painter, clip);
  };
  qonPaintBox->OnMouseDown = [this](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) { geometry_.MouseDown(b, s, x, y); };
  qonPaintBox->OnMouseMove = [this](TQonShiftState s, int32_t x, int32_t y) { geometry_.MouseMove(s, x, y); };
  qonPaintBox->OnMouseUp = [this](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) { geometry_.MouseUp(b, s, x, y); };
  Tile->OnMouseDown = [this](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) {
    const TPoint p = geometry_.TileToPaintBox(x, y);
    geometry_.MouseDown(b, s, p.X, p.Y);
  };
  Tile->OnMouseMove = [this](TQonShiftState s, int32_t x, int32_t y) {
    const TPoint p = geometry_.TileToPaintBox(x, y);
    geometry_.MouseMove(s, p.X, p.Y);
  };
  Tile->OnMouseUp = [this](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) {
    const TPoint p = geometry_.TileToPaintBox(x, y);
    geometry_.MouseUp(b, s, p.X, p.Y);
  };
}

void TQonScrollBox::makeOptionPopup() {
  OptionPopup = new QMenu(this);
  QMenu* zoom = OptionPopup->addMenu(QString::fromUtf8("拡大縮小(&P)"));
  for (int32_t power : kMenuPowers) {
    QAction* a = zoom->addAction(QString::number(power * 100 / 16) + "%");
    a->setData(power);
    connect(a, &QAction::triggered, this, [this, power] { chooseMenuPower(power); });
  }
  QMenu* view = OptionPopup->addMenu(QString::fromUtf8("表示設定(&V)"));
  const struct { const char* caption; int32_t type; } views[] = {
      {"スクロールバー×２", 2}, {"スクロールバー×４", 0}, {"４方向ボタン", 1}};
  for (const auto& v : views) {
    QAction* a = view->addAction(QString::fromUtf8(v.caption));
    a->setData(v.type);
    const int32_t type = v.type;
    connect(a, &QAction::triggered, this, [this, type] { SetViewType(type); });
  }
}

void TQonScrollBox::wireGeometry() {
  geometry_.OnLayout = [this] { FrameResize(); };
  geometry_.OnScroll = [this] {
    if (OnScroll) OnScroll();
  };
  geometry_.OnMouseDown = [this](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) {
    if (OnMouseDown) OnMouseDown(b, s, x, y);
  };
  geometry_.OnMouseMove = [this](TQonShiftState s, int32_t x, int32_t y) {
    if (OnMouseMove) OnMouseMove(s, x, y);
  };
  geometry_.OnMouseUp = [this](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) {
    if (OnMouseUp) OnMouseUp(b, s, x, y);
  };
}

void TQonScrollBox::SetShowCustomButton(bool show) {
  showCustomButton_ = show;
  OptionButton->setEnabled(show);
}

void TQonScrollBox::chooseMenuPower(int32_t power) {
  if (OnPowerChange) OnPowerChange(power);
  SetPower(power);
}

void TQonScrollBox::syncBar(QScrollBar* bar, const TQonScrollBarState& state) {
  bar->setRange(0, state.LastPosition());
  bar->setPageStep(state.PageSize);
  bar->setSingleStep(1);
  bar->setValue(state.Position);
  bar->setEnabled(state.Enabled);
}

void TQonScrollBox::FrameResize() {
  const TQonScrollBoxGeometry& g = geometry_;
  syncing_ = true;
  TopScrollBar->setGeometry(toQRect(g.TopBar()));
  BottomScrollBar->setGeometry(toQRect(g.BottomBar()));
  LeftScrollBar->setGeometry(toQRect(g.LeftBar()));
  RightScrollBar->setGeometry(toQRect(g.RightBar()));
  TopScrollButton->setGeometry(toQRect(g.TopBar()));
  BottomScrollButton->setGeometry(toQRect(g.BottomBar()));
  LeftScrollButton->setGeometry(toQRect(g.LeftBar()));
  RightScrollButton->setGeometry(toQRect(g.RightBar()));
  OptionButton->setGeometry(toQRect(g.OptionButton()));
  Tile->setGeometry(toQRect(g.Tile()));
  TopScrollBar->setVisible(g.TopAndLeftBarsVisible());
  LeftScrollBar->setVisible(g.TopAndLeftBarsVisible());
  BottomScrollBar->setVisible(g.BottomAndRightBarsVisible());
  RightScrollBar->setVisible(g.BottomAndRightBarsVisible());
  for (QPushButton* b : {TopScrollButton, BottomScrollButton, LeftScrollButton, RightScrollButton})
    b->setVisible(g.ButtonsVisible());
  setEnabled(g.Enabled());
  if (g.Enabled()) {
    const TQonScrollBarState& h = g.Bar(TQonScrollAxis::Horizontal);
    const TQonScrollBarState& v = g.Bar(TQonScrollAxis::Vertical);
    for (QScrollBar* bar : {TopScrollBar, BottomScrollBar}) syncBar(bar, h);
    for (QScrollBar* bar : {LeftScrollBar, RightScrollBar}) syncBar(bar, v);
    LeftScrollButton->setEnabled(h.Enabled);
    RightScrollButton->setEnabled(h.Enabled);
    TopScrollButton->setEnabled(v.Enabled);
    BottomScrollButton->setEnabled(v.Enabled);
    ScrollPanel->setGeometry(toQRect(g.ScrollPanel()));
    BasePanel->setGeometry(toQRect(g.BasePanel()));
    qonPaintBox->setGeometry(toQRect(g.BasePanel()));
    qonPaintBox->SetOrigin(QPoint(g.ContentOrigin().X, g.ContentOrigin().Y));
  }
  syncing_ = false;
}

void TQonScrollBox::GetClipCells(TRect& cells) const {
  const QRect clip = qonPaintBox->PaintClip();
  cells = geometry_.GetClipCells({clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
}

void TQonScrollBox::InvalidateCells(const TRect& cells) { qonPaintBox->UpdateContent(toQRect(geometry_.InvalidateCells(cells))); }

QPoint TQonScrollBox::PicturePoint(const QPoint& framePoint) const {
  const QPoint p = qonPaintBox->ContentPoint(qonPaintBox->mapFrom(this, framePoint));
  const int64_t power = std::max(Power(), 1);
  return {int(int64_t(p.x()) * 16 / power), int(int64_t(p.y()) * 16 / power)};
}

void TQonScrollBox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  geometry_.SetClientSize(width(), height());
}

bool TQonScrollBox::acceptDrag(QDragMoveEvent* event) {
  bool accept = false;
  if (!dragModeEx_ && OnDragOver) OnDragOver(event->mimeData(), event->position().toPoint(), accept);
  if (accept) event->acceptProposedAction();
  else event->ignore();
  return accept;
}

void TQonScrollBox::dragEnterEvent(QDragEnterEvent* event) { acceptDrag(event); }

void TQonScrollBox::dragMoveEvent(QDragMoveEvent* event) { acceptDrag(event); }

void TQonScrollBox::dropEvent(QDropEvent* event) {
  if (dragModeEx_ || !OnDragDrop) {
    event->ignore();
    return;
  }
  OnDragDrop(event->mimeData(), event->position().toPoint());
  event->acceptProposedAction();
}

}  // namespace zelvo
