#include "editor/ZEEditorWindows.h"

#include <QPixmap>
#include <QWidget>

#include "editor/MapChipSetEditorForm.h"
#include "editor/MapChipSetPropertyForm.h"
#include "editor/MapEditorForm.h"
#include "editor/MapEditorLayersForm.h"
#include "editor/MapLayerPropertyForm.h"
#include "editor/MapPropertyView.h"
#include "editor/MoveTypeView.h"
#include "editor/ZEAnimeEditorView.h"
#include "editor/ZEAttributeView.h"
#include "editor/ZECapabilityEditor.h"
#include "editor/ZECharaView.h"
#include "editor/ZECollisionView.h"
#include "editor/ZEEditorIcons.h"
#include "editor/ZEConditionDetailView.h"
#include "editor/ZEConditionView.h"
#include "editor/ZEDAnimeView.h"
#include "editor/ZEEventDirectionView.h"
#include "editor/ZEEventEditorView.h"
#include "editor/ZEEventEditorView2.h"
#include "editor/ZEFView.h"
#include "editor/ZEGrossaryEditor.h"
#include "editor/ZEJobView.h"
#include "editor/ZEMaterialView.h"
#include "editor/ZEOrderLView.h"
#include "editor/ZEOrdersMapEditor.h"
#include "editor/ZEOrdersView.h"
#include "editor/ZEPartyView.h"
#include "editor/ZEPopupTreeView.h"
#include "editor/ZESkinView.h"
#include "editor/ZEStatusView.h"
#include "editor/ZEStyleEditorView.h"
#include "editor/ZEView.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMoveTypeEditor.h"
#include "editor/core/ZESkinSettings.h"
#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

namespace {

TZEEditorWindows* current = nullptr;

// The section of "Editor\Desktop.INI" a window keeps its place in is its class name without "T".
template <class Window>
std::unique_ptr<Window> named(std::unique_ptr<Window> window, const char* name) {
  window->setObjectName(QString::fromLatin1(name));
  return window;
}

}  // namespace

TZEEditorWindows* TZEEditorWindows::Current() { return current; }

TZEEditorWindows::TZEEditorWindows(TZEView& mainWindow)
    : main(mainWindow),
      skinSettings(std::make_unique<ZESkinSettings>()),
      mapEngine(std::make_unique<TZEMapEditor>()),
      previous_(current) {
  current = this;
  folderView = named(std::make_unique<TZEFView>(), "ZEFView");
  collisionView = named(std::make_unique<TZECollisionView>(), "ZECollisionView");
  dAnimeView = named(std::make_unique<TZEDAnimeView>(), "ZEDAnimeView");
  statusView = named(std::make_unique<TZEStatusView>(), "ZEStatusView");
  styleEditorView = named(std::make_unique<TZEStyleEditorView>(), "ZEStyleEditorView");
  charaView = named(std::make_unique<TZECharaView>(), "ZECharaView");
  materialView = named(std::make_unique<TZEMaterialView>(), "ZEMaterialView");
  partyView = named(std::make_unique<TZEPartyView>(), "ZEPartyView");
  mapEditor = std::make_unique<TMapEditorForm>();
  chipSetEditor = std::make_unique<TMapChipSetEditorForm>();
  layers = std::make_unique<TMapEditorLayersForm>(*mapEngine, nullptr);
  moveTypeView = std::make_unique<TMoveTypeView>(TZEMoveTypeEditor::Global(), nullptr);
  mapPropertyView = std::make_unique<TMapPropertyView>(*mapEngine, nullptr);
  layerProperty = std::make_unique<TMapLayerPropertyForm>(*mapEngine, nullptr);
  chipSetProperty = std::make_unique<TMapChipSetPropertyForm>();
  mapEditor->SetChipSetEditor(chipSetEditor.get());
  // A skin chosen in the skin dialog, and the one it applies as it is made, reaches every
  // window that draws skin pictures at once.
  skinSettings->SetReloaders({[this] {
    for (const SkinUser& user : SkinUsers()) user.load();
  }});
  skinView = named(std::make_unique<ZESkinView>(*skinSettings), "ZESkinView");
  animeEditorView = named(std::make_unique<TZEAnimeEditorView>(), "ZEAnimeEditorView");
  popupTreeView = named(std::make_unique<TZEPopupTreeView>(), "ZEPopupTreeView");
  eventDirectionView = std::make_unique<TZEEventDirectionView>();
  jobView = named(std::make_unique<TZEJobView>(), "ZEJobView");
  capabilityEditor = named(std::make_unique<TZECapabilityEditor>(), "ZECapabilityEditor");
  attributeView = named(std::make_unique<TZEAttributeView>(), "ZEAttributeView");
  conditionView = named(std::make_unique<TZEConditionView>(), "ZEConditionView");
  conditionDetailView = named(std::make_unique<TZEConditionDetailView>(), "ZEConditionDetailView");
  grossaryEditor = named(std::make_unique<TZEGrossaryEditor>(), "ZEGrossaryEditor");
  ordersMapEditor = named(std::make_unique<TZEOrdersMapEditor>(), "ZEOrdersMapEditor");
  eventEditorView = named(std::make_unique<TZEEventEditorView>(), "ZEEventEditorView");
  ordersView = named(std::make_unique<TZEOrdersView>(), "ZEOrdersView");
  eventEditorView2 = std::make_unique<TZEEventEditorView2>();
  orderLView = std::make_unique<TZEOrderLView>();

  eventEditorView->SetEventEditor(eventEditorView2.get());
  // The windows that show model nodes outside the mediator's hand-over take the main window's
  // image lists here: the editors' pictures, and the order groups' for order nodes.
  std::vector<QIcon> icons;
  for (int32_t i = 0; i < kEditorIconCount; ++i) icons.push_back(EditorIcon(i));
  chipSetEditor->SetMainIconList(icons);
  chipSetProperty->SetIconList(icons);
  eventEditorView2->SetIconSources(OrderIconSource(), EditorIconSource());
  popupTreeView->SetIconSource(EditorIconSource());
  orderLView->SetIconSource(OrderIconSource());
  conditionDetailView->setImageList(EditorIconSource());
  animeEditorView->SetPickerIconSource(EditorIconSource());
  animeEditorView->SetIconSource(MapEditorIconSource());
  moveTypeView->SetIconSource(MapEditorIconSource());
  ordersMapEditor->SetIconSource(MapEditorIconSource());
  // The windows made after the skin dialog take the skin it applied.
  if (skinSettings->IsValidSkin(SkinFolder)) skinSettings->ApplySkin();
}

TZEEditorWindows::~TZEEditorWindows() {
  if (current == this) current = previous_;
}

std::vector<TZEEditorWindows::SkinUser> TZEEditorWindows::SkinUsers() const {
  std::vector<SkinUser> users;
  const auto add = [&users](QWidget* window, std::function<void()> load) {
    if (window) users.push_back({window, std::move(load)});
  };
  add(mapEditor.get(), [this] { mapEditor->LoadSkin(); });
  add(chipSetEditor.get(), [this] { chipSetEditor->LoadSkin(); });
  add(layers.get(), [this] { layers->LoadIcons(); });
  if (mapEditor) add(mapEditor->LayersForm(), [this] { mapEditor->LayersForm()->LoadIcons(); });
  add(moveTypeView.get(), [this] { moveTypeView->LoadSkin(); });
  add(animeEditorView.get(), [this] { animeEditorView->LoadSkin(); });
  add(ordersMapEditor.get(), [this] { ordersMapEditor->LoadSkin(); });
  return users;
}

std::function<QIcon(int32_t)> TZEEditorWindows::MapEditorIconSource() const {
  return [this](int32_t index) {
    const std::vector<QImage>& icons = mapEditor->TreeIcons();
    return index >= 0 && size_t(index) < icons.size() ? QIcon(QPixmap::fromImage(icons[size_t(index)])) : QIcon();
  };
}

std::vector<QWidget*> TZEEditorWindows::All() const {
  return {&main,
          folderView.get(),
          collisionView.get(),
          dAnimeView.get(),
          statusView.get(),
          styleEditorView.get(),
          charaView.get(),
          materialView.get(),
          partyView.get(),
          mapEditor.get(),
          chipSetEditor.get(),
          layers.get(),
          moveTypeView.get(),
          mapPropertyView.get(),
          layerProperty.get(),
          chipSetProperty.get(),
          skinView.get(),
          animeEditorView.get(),
          popupTreeView.get(),
          eventDirectionView.get(),
          jobView.get(),
          capabilityEditor.get(),
          attributeView.get(),
          conditionView.get(),
          conditionDetailView.get(),
          grossaryEditor.get(),
          ordersMapEditor.get(),
          eventEditorView.get(),
          ordersView.get(),
          eventEditorView2.get(),
          orderLView.get()};
}

}  // namespace zelvo
