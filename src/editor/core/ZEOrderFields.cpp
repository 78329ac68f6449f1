#include "editor/core/ZEOrderFields.h"

#include <algorithm>

#include "editor/core/ZEDetailPanel.h"
#include "model/ColorARGB.h"
#include "model/ZelvoOrderModel.h"

namespace zelvo {
namespace {

std::optional<int32_t> colorPart(const std::string& text) {
  auto v = ParseDecimal(text);
  if (!v || *v < 0 || *v > 255) return std::nullopt;
  return v;
}

}  // namespace

ZEOrderTab OrderTabOf(int32_t type) {
  switch (type) {
    case OrderType::ShowText:
      return ZEOrderTab::Text;
    case OrderType::SwitchOn:
    case OrderType::SwitchOff:
    case OrderType::SetVariable:
      return ZEOrderTab::Number;
    case OrderType::MoveToPlace:
      return ZEOrderTab::MapMove;
    case OrderType::FadeIn:
    case OrderType::FadeOut:
      return ZEOrderTab::Effect;
    default:
      return ZEOrderTab::None;
  }
}

std::optional<int32_t> ParseDecimal(const std::string& text) { return TZEFieldText::ToInt(text); }

TZEOrderFields TZEOrderFields::Load(const IZelvoOrderModel& order) {
  TZEOrderFields f;
  f.text = order.GetText();
  f.fadeSteps = order.GetFadeSteps();
  f.SetColor(static_cast<uint32_t>(order.GetFadeColor()));
  f.mapID = std::to_string(order.GetMapID());
  f.x = std::to_string(order.GetX());
  f.y = std::to_string(order.GetY());
  f.floorID = std::to_string(order.GetFloorID());
  f.number = std::to_string(order.GetNumber());
  f.value = std::to_string(order.GetValue());
  return f;
}

void TZEOrderFields::SetColor(uint32_t rgb) {
  red = std::to_string((rgb >> 16) & 0xFF);
  green = std::to_string((rgb >> 8) & 0xFF);
  blue = std::to_string(rgb & 0xFF);
}

std::optional<std::string> TZEOrderFields::Store(IZelvoOrderModel& order) const {
  const auto r = colorPart(red), g = colorPart(green), b = colorPart(blue);
  if (!r) return "R";
  if (!g) return "G";
  if (!b) return "B";
  order.SetText(text.c_str());
  order.SetFadeSteps(std::clamp(fadeSteps, kMinFadeSteps, kMaxFadeSteps));
  order.SetFadeColor(ColorARGB(0, *r, *g, *b));
  order.SetMapID(ParseDecimal(mapID).value_or(-1));
  order.SetX(ParseDecimal(x).value_or(0));
  order.SetY(ParseDecimal(y).value_or(0));
  order.SetFloorID(ParseDecimal(floorID).value_or(0));
  order.SetNumber(ParseDecimal(number).value_or(0));
  order.SetValue(ParseDecimal(value).value_or(0));
  return std::nullopt;
}

}  // namespace zelvo
