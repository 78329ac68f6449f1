#pragma once
// The editor's windows, made once as the program starts, in the order of its table of windows,
// each with its caption and the object name its window-place section needs. The mediators find
// the windows they open here.

#include <functional>
#include <memory>
#include <vector>

#include <QIcon>

class QWidget;

namespace zelvo {

class IZMLZelvoAPI;
class TZEView;
class TZEFView;
class TZECollisionView;
class TZEDAnimeView;
class TZEStatusView;
class TZEStyleEditorView;
class TZECharaView;
class TZEMaterialView;
class TZEPartyView;
class TMapChipSetEditorForm;
class TMapEditorLayersForm;
class TMoveTypeView;
class TMapPropertyView;
class TMapLayerPropertyForm;
class TMapChipSetPropertyForm;
class ZESkinView;
class ZESkinSettings;
class TZEAnimeEditorView;
class TZEPopupTreeView;
class TZEEventDirectionView;
class TZEJobView;
class TZECapabilityEditor;
class TZEAttributeView;
class TZEConditionView;
class TZEConditionDetailView;
class TZEGrossaryEditor;
class TZEOrdersMapEditor;
class TZEEventEditorView;
class TZEOrdersView;
class TZEEventEditorView2;
class TZEOrderLView;
class TZEMapEditor;
class TMapEditorForm;

class TZEEditorWindows {
 public:
  // Makes rows 2 to 31 after the main window, which exists already; they stay hidden.
  explicit TZEEditorWindows(TZEView& main);
  ~TZEEditorWindows();
  TZEEditorWindows(const TZEEditorWindows&) = delete;
  TZEEditorWindows& operator=(const TZEEditorWindows&) = delete;

  // The set the mediators open windows from: the last one made that still lives.
  static TZEEditorWindows* Current();

  // Every window of the table in its order, the main window first.
  std::vector<QWidget*> All() const;

  // A window that draws skin pictures, and how it reads them again.
  struct SkinUser {
    QWidget* window;
    std::function<void()> load;
  };
  // Every window that draws skin pictures, in the order an applied skin reaches them; applying a
  // skin walks this list, so no such window goes without its pictures. Windows not made yet are
  // left out.
  std::vector<SkinUser> SkinUsers() const;
  // The map editor's image list (the skin's tree icons), which the trees of maps, animes and
  // move types show.
  std::function<QIcon(int32_t)> MapEditorIconSource() const;

  TZEView& main;
  std::unique_ptr<ZESkinSettings> skinSettings;
  std::unique_ptr<TZEMapEditor> mapEngine;  // the engine of the map windows the table makes on their own
  std::unique_ptr<TZEFView> folderView;
  std::unique_ptr<TZECollisionView> collisionView;
  std::unique_ptr<TZEDAnimeView> dAnimeView;
  std::unique_ptr<TZEStatusView> statusView;
  std::unique_ptr<TZEStyleEditorView> styleEditorView;
  std::unique_ptr<TZECharaView> charaView;
  std::unique_ptr<TZEMaterialView> materialView;
  std::unique_ptr<TZEPartyView> partyView;
  std::unique_ptr<TMapEditorForm> mapEditor;
  std::unique_ptr<TMapChipSetEditorForm> chipSetEditor;
  std::unique_ptr<TMapEditorLayersForm> layers;
  std::unique_ptr<TMoveTypeView> moveTypeView;
  std::unique_ptr<TMapPropertyView> mapPropertyView;
  std::unique_ptr<TMapLayerPropertyForm> layerProperty;
  std::unique_ptr<TMapChipSetPropertyForm> chipSetProperty;
  std::unique_ptr<ZESkinView> skinView;
  std::unique_ptr<TZEAnimeEditorView> animeEditorView;
  std::unique_ptr<TZEPopupTreeView> popupTreeView;
  std::unique_ptr<TZEEventDirectionView> eventDirectionView;
  std::unique_ptr<TZEJobView> jobView;
  std::unique_ptr<TZECapabilityEditor> capabilityEditor;
  std::unique_ptr<TZEAttributeView> attributeView;
  std::unique_ptr<TZEConditionView> conditionView;
  std::unique_ptr<TZEConditionDetailView> conditionDetailView;
  std::unique_ptr<TZEGrossaryEditor> grossaryEditor;
  std::unique_ptr<TZEOrdersMapEditor> ordersMapEditor;
  std::unique_ptr<TZEEventEditorView> eventEditorView;
  std::unique_ptr<TZEOrdersView> ordersView;
  std::unique_ptr<TZEEventEditorView2> eventEditorView2;
  std::unique_ptr<TZEOrderLView> orderLView;

 private:
  TZEEditorWindows* previous_;
};

}  // namespace zelvo
