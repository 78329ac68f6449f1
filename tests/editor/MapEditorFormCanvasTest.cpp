// The canvas of maps larger than a widget can be: the last cell of a map wider and taller than
// 2,048 cells, and of a long thin map, is scrolled to with the bars, drawn on with a click and
// seen, at every zoom of the window.

#include <QScrollBar>
#include <QSlider>
#include <QStyle>

#include "MapEditorFormFixture.h"
#include "model/ZelvoStyleModel.h"
#include "platform/gui/Bitmap.h"
#include "input/UserInput.h"

namespace zelvo::test {
namespace {

class MapEditorCanvas : public MapEditorFormTest {
 protected:
  // Chip (c, r) of "plain" is one colour, different for every column.
  static QRgb ChipColour(int32_t column) { return qRgb(40 + 30 * column, 200 - 20 * column, 100); }

  // "plain" gets a picture in the game's "Graphics" folder, so drawn cells show their chip.
  void SetUp() override {
    MapEditorFormTest::SetUp();
    const std::filesystem::path folder = dir_.path() / "Game" / "Graphics";
    std::filesystem::create_directories(folder);
    Bitmap sheet(8 * 32, 8 * 32);
    for (int32_t y = 0; y < sheet.height(); ++y)
      for (int32_t x = 0; x < sheet.width(); ++x) sheet.setPixel(x, y, 0xFF000000u | ChipColour(x / 32));
    ASSERT_TRUE(sheet.saveToFile(folder / "plain.bmp", 32));
    auto material = std::make_shared<TZelvoStyleModel>(game->GetIDManager()->NewID(), MaterialKind::Picture);
    material->SetPath("plain.bmp");
    plain->SetImage(material);
  }

  // Shows the window again, so its tree holds the maps added since, and opens the map by name.
  void open(const char* name) {
    form->hide();
    form->show();
    QApplication::processEvents();
    const auto items = form->MapTreeView()->findItems(QString::fromUtf8(name), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    input::doubleClick(form->MapTreeView(), items.front());
    ASSERT_NE(engine().GetCurrentMap(), nullptr);
    ASSERT_EQ(engine().GetCurrentMap()->GetWidth(), engine().GetMap()->GetMap()->GetWidth());
  }

  // The zoom track bar at position (1: 50 % .. 6: 300 %), set with its keys.
  void zoomTo(int position) {
    input::key(form->TrackBar1(), Qt::Key_Home);
    for (int i = 1; i < position; ++i) input::key(form->TrackBar1(), Qt::Key_Right);
    ASSERT_EQ(form->MapScroll()->Power(), position * 8);
  }

  // Drags the handle of a bar to its far end.
  static void dragToEnd(QScrollBar* bar) {
    if (!bar->isEnabled()) return;
    const QPoint handle = input::scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    const QPoint end = bar->orientation() == Qt::Horizontal ? QPoint(bar->width() - 1, handle.y())
                                                            : QPoint(handle.x(), bar->height() - 1);
    input::drag(bar, handle, end);
    EXPECT_EQ(bar->value(), bar->maximum());
  }

  // Where cell (x, y)'s centre is on the canvas widget, scrolled as it is.
  QPoint onCanvas(int32_t x, int32_t y) {
    const int64_t power = form->MapScroll()->Power();
    const QPoint origin = form->MapScroll()->qonPaintBox->Origin();
    return QPoint(int((int64_t(x) * 32 + 16) * power / 16 - origin.x()),
                  int((int64_t(y) * 32 + 16) * power / 16 - origin.y()));
  }

  // At every zoom: scrolls to the far corner, picks a chip on the palette and clicks it onto the
  // cell there; the model holds it and the canvas shows it.
  void drawOnTheLastCellsAtEveryZoom(int32_t width, int32_t height) {
    for (int position = 1; position <= 6; ++position) {
      SCOPED_TRACE(::testing::Message() << "zoom position " << position);
      zoomTo(position);
      dragToEnd(form->MapScroll()->BottomScrollBar);
      dragToEnd(form->MapScroll()->RightScrollBar);
      const int32_t x = width - 1, y = height - 1, column = position - 1;
      const QPoint at = onCanvas(x, y);
      ASSERT_TRUE(canvas()->rect().contains(at)) << at.x() << "," << at.y() << " not in view";
      input::click(palette(), QPoint(column * 32 + 5, 5));
      ASSERT_TRUE(engine().GetPenOn());
      input::click(canvas(), at);
      EXPECT_TRUE(isPen(layer()->GetCell(x, y), plain->GetID(), column, 0));
      // Drawn opaque over the cell: each channel x 255 / 256.
      const QRgb shown = canvas()->grab().toImage().pixel(at), chip = ChipColour(column);
      EXPECT_NEAR(qRed(shown), qRed(chip), 1) << "the drawn cell is seen";
      EXPECT_NEAR(qGreen(shown), qGreen(chip), 1);
      EXPECT_NEAR(qBlue(shown), qBlue(chip), 1);
    }
  }
};

TEST_F(MapEditorCanvas, TheLastCellOfAMapOfMoreThan2048CellsEachWayIsReachedDrawnAndSeenAtEveryZoom) {
  AddMap("wide", 2049, 2050, nullptr);
  open("wide");
  EXPECT_EQ(form->MapScroll()->BitmapWidth(), 2049 * 32);
  EXPECT_EQ(form->MapScroll()->BitmapHeight(), 2050 * 32);
  drawOnTheLastCellsAtEveryZoom(2049, 2050);
}

// A million cells in a row: at 50 % already wider than any widget may be.
TEST_F(MapEditorCanvas, TheLastCellOfALongThinMapIsReachedDrawnAndSeenAtEveryZoom) {
  constexpr int32_t kLength = 1 << 20;
  AddMap("road", kLength, 1, nullptr);
  open("road");
  EXPECT_EQ(form->MapScroll()->BitmapWidth(), kLength * 32);
  drawOnTheLastCellsAtEveryZoom(kLength, 1);
}

}  // namespace
}  // namespace zelvo::test
