#include "editor/core/ZEGrossaryPanel.h"

#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoGrossaryModel.h"
#include "platform/core/Cp932.h"

namespace zelvo {

namespace {

std::vector<std::string> linesOf(std::initializer_list<const char*> utf8) {
  std::vector<std::string> lines;
  for (const char* line : utf8) lines.push_back(Cp932::fromUtf8(line));
  return lines;
}

}  // namespace

TZEGrossaryPanel::TZEGrossaryPanel()
    : lists{linesOf({"LV", "HP", "MP", "攻撃力", "防御力", "魔法攻撃力", "魔法防御力"}),
            linesOf({"攻撃", "スキル", "アイテム", "防御", "逃げる", "自動戦闘"}),
            linesOf({"アイテム", "スキル", "ステータス", "セーブ", "ロード", "終了"})} {}

void TZEGrossaryPanel::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  api_ = std::move(api);
  auto grossary = api_ ? api_->GetGrossary() : nullptr;
  if (!grossary) return;
  for (size_t i = 0; i < kKinds.size(); ++i) lists[i] = grossary->GetLines(kKinds[i]);
}

void TZEGrossaryPanel::Close() {
  auto grossary = api_ ? api_->GetGrossary() : nullptr;
  if (!grossary) return;
  // As lines, not as one zero-terminated text: a NUL inside a line would end it there.
  for (size_t i = 0; i < kKinds.size(); ++i) grossary->SetLines(kKinds[i], lists[i]);
}

}  // namespace zelvo
