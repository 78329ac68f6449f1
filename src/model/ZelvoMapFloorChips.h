#pragma once
// What a floor asks of the rest of the game: the chip a cell points at, and the picture
// material its floor picture names.

#include <cstdint>
#include <memory>

#include "model/ZStream.h"
#include "model/ZelvoMapCell.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMapModel;
class IZelvoMaterialModel;

struct MapChipOverrides {
  int16_t Height = 0;
  int16_t GroundKind = 0;
  int16_t Passability = 0;
  int16_t Encounter = 0;
};

// The chip's four values through the map's chip-set IDs; all 0 when the cell names no chip set
// of the game, or a chip outside the set.
MapChipOverrides LookUpChip(const IZelvoMapModel* map, const TZelvoMapCell& cell);

// The image material with that ID, nullptr when none (or no data set).
std::shared_ptr<IZelvoMaterialModel> FindImageMaterial(IZMLZelvoAPI* api, int32_t id);

// The material's ID, -1 for nullptr.
int32_t MaterialID(const std::shared_ptr<IZelvoMaterialModel>& material);

// Reads a whole picture-material record (older pictures embed one) and gives its ID.
int32_t ReadEmbeddedMaterialID(IZStream& stream);

}  // namespace zelvo
