#include "RecordingView.h"

#include <cstdio>

#include "model/ZelvoMapModel.h"

namespace zelvo::test {

namespace {
std::string format(const char* pattern, auto... values) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, pattern, values...);
  return buffer;
}
}  // namespace

void RecordingView::Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  calls.push_back(format("Clear(%u,%u,%u,%u)", a, r, g, b));
}

// The map is named by its ID when it is a model.
void RecordingView::SetMap(const std::shared_ptr<IZelvoMapModel>& map) {
  shownMap = map;
  auto model = std::dynamic_pointer_cast<IZelvoModel>(map);
  calls.push_back(format("SetMap(%d)", model ? model->GetID() : -1));
}

void RecordingView::DrawWindowFrame(int32_t x, int32_t y, int32_t style) {
  calls.push_back(format("DrawWindowFrame(%d,%d,%d)", x, y, style));
}

void RecordingView::DrawText(int32_t x, int32_t y, const char* text) {
  calls.push_back(format("DrawText(%d,%d,", x, y) + std::string(text ? text : "(nil)") + ")");
}

void RecordingView::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t argb) {
  calls.push_back(format("FillRect(%d,%d,%d,%d,%08X)", left, top, right, bottom, argb));
}

}  // namespace zelvo::test
