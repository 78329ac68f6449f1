#include "editor/ZEEditorMediator.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QProcess>
#include <system_error>

#include "editor/MapChipSetEditorForm.h"
#include "editor/MapEditorForm.h"
#include "editor/MoveTypeView.h"
#include "editor/ZEAnimeEditorView.h"
#include "editor/ZEAttributeView.h"
#include "editor/ZECharaView.h"
#include "editor/ZECollisionView.h"
#include "editor/ZEConditionDetailView.h"
#include "editor/ZEConditionView.h"
#include "editor/ZEDAnimeView.h"
#include "editor/ZEEditorWindows.h"
#include "editor/ZEEventEditorView.h"
#include "editor/ZEFView.h"
#include "editor/ZEGrossaryEditor.h"
#include "editor/ZEJobView.h"
#include "editor/ZEMaterialView.h"
#include "editor/ZEPartyView.h"
#include "editor/ZEStatusView.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/GamePath.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {

namespace {

// Ends a local event loop when its window is hidden or goes.
class HideWatcher final : public QObject {
 public:
  HideWatcher(QWidget& window, QEventLoop& loop) : loop_(loop) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close) loop_.quit();
    return false;
  }

 private:
  QEventLoop& loop_;
};

bool startDetached(const QString& program, const QString& workingFolder) {
  return QProcess::startDetached(program, {}, workingFolder);
}

const char* kNoGameOpen = "開いているゲームがありません";

}  // namespace

TZEEditorMediator::TZEEditorMediator(IconSource icons) : icons_(std::move(icons)), launcher_(startDetached) {}

TZEEditorWindows* TZEEditorMediator::windows() const {
  return windows_ ? windows_ : TZEEditorWindows::Current();
}

bool TZEEditorMediator::ShowModal(QWidget& window) {
  if (window.isVisible()) return false;
  if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->exec();
    return true;
  }
  QPointer<QWidget> guard(&window);
  const Qt::WindowModality modality = window.windowModality();
  window.setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  HideWatcher watcher(window, loop);
  window.show();
  if (window.isVisible()) loop.exec();
  if (guard) guard->setWindowModality(modality);
  return true;
}

QWidget* TZEEditorMediator::WindowFor(uint32_t code, TZEEditorWindows& w) const {
  switch (code) {
    case 1: return w.mapEditor.get();
    case 2: return w.eventEditorView.get();
    case 3: return w.charaView.get();
    case 6: return w.animeEditorView.get();
    case 8: return w.dAnimeView.get();
    case 9: return w.collisionView.get();
    case 11: return w.statusView.get();
    case 12: return w.folderView.get();
    case 18: return w.materialView.get();
    case 19: return w.partyView.get();
    case 21: return w.jobView.get();
    case 22: return w.moveTypeView.get();
    case 24: return w.attributeView.get();
    case 25: return w.conditionView.get();
    case 26: return w.grossaryEditor.get();
    case 32: return w.chipSetEditor.get();
    default: return nullptr;
  }
}

void TZEEditorMediator::HandOver(uint32_t code, TZEEditorWindows& w) {
  switch (code) {
    case 1: w.mapEditor->setZMLZelvoAPI(api_); break;
    case 2:
      w.eventEditorView->SetIconSource(icons_);
      w.eventEditorView->setZMLZelvoAPI(api_);
      w.eventEditorView->SetTreeDesigner(designer_);
      break;
    case 3:
      w.charaView->setImageList(icons_);
      w.charaView->setEditorMediator(this);
      w.charaView->setTreeDesigner(designer_);
      break;
    case 6: w.animeEditorView->setZMLZelvoAPI(api_); break;
    case 8:
      w.dAnimeView->setZMLZelvoAPI(api_);
      w.dAnimeView->setTreeDesigner(designer_);
      w.dAnimeView->setImageList(icons_);
      break;
    case 9:
      w.collisionView->setImageList(icons_);
      w.collisionView->setZMLZelvoAPI(api_);
      w.collisionView->setTreeDesigner(designer_);
      break;
    case 18:
      w.materialView->setImageList(icons_);
      w.materialView->setTreeDesigner(designer_);
      w.materialView->setZMLZelvoAPI(api_);
      w.materialView->setMaterialRoot(api_->GetMaterialRoot());
      break;
    case 19:
      w.partyView->setImageList(icons_);
      w.partyView->setTreeDesigner(designer_);
      break;
    case 21:
      w.jobView->setImageList(icons_);
      w.jobView->setTreeDesigner(designer_);
      break;
    case 22: w.moveTypeView->setZMLZelvoAPI(api_.get()); break;
    case 24:
      w.attributeView->setImageList(icons_);
      w.attributeView->setTreeDesigner(designer_);
      break;
    case 25:
      w.conditionView->setImageList(icons_);
      w.conditionView->setTreeDesigner(designer_);
      w.conditionView->setDetailOpener(
          [this](const std::shared_ptr<IZelvoConditionModel>& condition) { OpenConditionDetail(condition); });
      break;
    case 26: w.grossaryEditor->setZMLZelvoAPI(api_); break;
    case 32: w.chipSetEditor->setZMLZelvoAPI(api_); break;
    default: break;
  }
}

void TZEEditorMediator::OpenEditor(uint32_t code) {
  if (code > kLastCode) return;
  if (code == kTestPlay) {
    StartTestPlay();
    return;
  }
  TZEEditorWindows* w = windows();
  if (!w) return;
  QWidget* window = WindowFor(code, *w);
  if (!window || window->isVisible()) return;
  if (!api_ && code != 11 && code != 12) {
    ShowMessage(kNoGameOpen, "ZelvoEditor", MessageKind::Warning);
    return;
  }
  HandOver(code, *w);
  ShowModal(*window);
}

void TZEEditorMediator::OpenConditionDetail(const std::shared_ptr<IZelvoConditionModel>& condition) {
  if (!condition) return;
  TZEEditorWindows* w = windows();
  if (!w || !w->conditionDetailView || w->conditionDetailView->isVisible()) return;
  w->conditionDetailView->setCondition(condition);
  w->conditionDetailView->setTreeDesigner(designer_);
  ShowModal(*w->conditionDetailView);
}

void TZEEditorMediator::StartTestPlay() {
  if (!api_) {
    ShowMessage(kNoGameOpen, "ZelvoEditor", MessageKind::Warning);
    return;
  }
  const std::filesystem::path folder = GameBaseDirNative();
  const std::optional<std::filesystem::path> player = GamePath::find(folder, kPlayerProgram);
  std::error_code ec;
  if (!player || !std::filesystem::is_regular_file(*player, ec)) {
    ShowMessage(std::string("エディタと同じフォルダに") + kPlayerProgram + "が必要です", "ZelvoEditor",
                MessageKind::Warning);
    return;
  }
  if (!launcher_(QString::fromStdString(player->string()), QString::fromStdString(folder.string())))
    ShowMessage(std::string(kPlayerProgram) + "を起動できませんでした", "ZelvoEditor", MessageKind::Warning);
}

}  // namespace zelvo
