#include "editor/core/ZEDetailPanel.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "platform/gui/MessageBox.h"

namespace zelvo {

void TZEDetailPanel::Select(IZETreeNode* node) {
  if (node == shown_) return;
  WriteBack();
  shown_ = node && Accepts(*node) ? node : nullptr;
  if (shown_) Load(*shown_);
}

void TZEDetailPanel::Close(IZETree& tree) {
  WriteBack();
  shown_ = nullptr;
  tree.SetSelected(nullptr);
}

void TZEDetailPanel::WriteBack() {
  if (shown_) Store(*shown_);
}

bool TZEDetailPanel::ConfirmDelete() {
  return AskInstalled("削除しても構いませんか？", {}, MessageKind::Question,
                      {MessageAnswer::Ok, MessageAnswer::Cancel}) == MessageAnswer::Ok;
}

namespace {

std::string_view trimmed(const std::string& text) {
  std::string_view view(text);
  while (!view.empty() && std::isspace(static_cast<unsigned char>(view.front()))) view.remove_prefix(1);
  while (!view.empty() && std::isspace(static_cast<unsigned char>(view.back()))) view.remove_suffix(1);
  return view;
}

template <class T>
std::optional<T> parseWhole(std::string_view view, int base) {
  T value{};
  if (view.empty()) return std::nullopt;
  const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value, base);
  if (error != std::errc() || end != view.data() + view.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int32_t> TZEFieldText::ToInt(const std::string& text) {
  std::string_view view = trimmed(text);
  // from_chars takes a minus only; a plus may stand alone in front of the digits.
  if (!view.empty() && view.front() == '+') {
    view.remove_prefix(1);
    if (!view.empty() && view.front() == '-') return std::nullopt;
  }
  return parseWhole<int32_t>(view, 10);
}

std::optional<uint32_t> TZEFieldText::ToHex(const std::string& text) {
  std::string_view view = trimmed(text);
  if (!view.empty() && view.front() == '$') {
    view.remove_prefix(1);
  } else if (view.size() > 2 && view[0] == '0' && (view[1] == 'x' || view[1] == 'X')) {
    view.remove_prefix(2);
  }
  if (!view.empty() && !std::isxdigit(static_cast<unsigned char>(view.front()))) return std::nullopt;
  return parseWhole<uint32_t>(view, 16);
}

std::string TZEFieldText::FromHex(uint32_t value) {
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, "%.8x", value);
  return buffer;
}

}  // namespace zelvo
