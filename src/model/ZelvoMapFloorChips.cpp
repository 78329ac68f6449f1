#include "model/ZelvoMapFloorChips.h"

#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMaterialModel.h"

namespace zelvo {

MapChipOverrides LookUpChip(const IZelvoMapModel* map, const TZelvoMapCell& cell) {
  if (!map) return {};
  auto ids = const_cast<IZelvoMapModel*>(map)->GetChipSetIDList();
  if (!ids) return {};
  // The ID list resolves against the tree's list; with no tree there is nothing to find.
  IZelvoMapChipSetListSource* source = ids->GetMapTree();
  auto list = source ? source->GetChipSetList() : nullptr;
  auto chipSet = list ? list->FindByID(cell.ChipSetID) : nullptr;
  // A cell may still name a chip of a set that was made smaller since.
  if (!chipSet || !chipSet->HasChip(cell.Column, cell.Row)) return {};
  TZelvoChipAttributes chip = chipSet->GetChip(cell.Column, cell.Row);
  return {chip.Height, chip.GroundKind, chip.Passability, chip.EncounterRate};
}

std::shared_ptr<IZelvoMaterialModel> FindImageMaterial(IZMLZelvoAPI* api, int32_t id) {
  auto images = api ? api->GetImageMaterials() : nullptr;
  return images ? images->FindByID(id) : nullptr;
}

int32_t MaterialID(const std::shared_ptr<IZelvoMaterialModel>& material) { return material ? material->GetID() : -1; }

int32_t ReadEmbeddedMaterialID(IZStream& stream) {
  TZelvoStyleModel material(-1, MaterialKind::Picture);
  material.LoadFromStream(stream);
  return material.GetID();
}

}  // namespace zelvo
