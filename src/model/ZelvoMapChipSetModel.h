#pragma once
// A chip set: one tile sheet cut into 32 x 32 chips, columns x rows of them, each with its
// 16-byte attribute record, and the picture material it is cut from.
//
// Record after the base: 0xFFFF, columns, rows, coast-line flag, param, version 2, 0, 0, the
// image ID, then the chips row by row. Older records still read: version 1 carries a whole
// material record instead of the ID, other versions and the oldest, unmarked form (columns and
// rows right after the base) a picture path.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ZelvoModel.h"
#include "model/ZelvoStyleModel.h"

namespace zelvo {

class IZMLZelvoAPI;

// 16 bytes, little-endian, in this order.
struct TZelvoChipAttributes {
  int16_t Height = 0;
  int16_t GroundKind = 0;   // 0-8
  int16_t Passability = 0;  // bits: 1 up, 2 down, 4 left, 8 right
  int16_t EncounterRate = 0;
  int32_t Reserved = 0;  // kept and stored
  int32_t EventID = 0;
  friend bool operator==(const TZelvoChipAttributes&, const TZelvoChipAttributes&) = default;
};
inline constexpr int64_t kChipAttributesBytes = 16;

namespace PassBits {
inline constexpr int16_t Up = 1, Down = 2, Left = 4, Right = 8;
}

class IZelvoMapChipSetModel : public virtual IZelvoModel {
 public:
  // Empty when no material is linked.
  virtual std::string GetImagePath() const = 0;
  // nullptr after reading a record that names its picture by ID, until ResolveImage.
  virtual std::shared_ptr<IZelvoMaterialModel> GetImage() const = 0;
  // EIndexError when (X, Y) is outside the grid; HasChip tells beforehand.
  virtual TZelvoChipAttributes GetChip(int32_t x, int32_t y) const = 0;
  virtual int32_t GetWidth() const = 0;
  virtual int32_t GetHeight() const = 0;
  virtual bool GetEdgeFlag() const = 0;
  virtual int32_t GetParam() const = 0;
  virtual bool GetDeleted() const = 0;
  // Keeps the chips that still fit at their (x, y); new chips are zero. Negative sizes count as 0.
  virtual void SetSize(int32_t columns, int32_t rows) = 0;
  // Links the material and takes its ID; nullptr is ignored.
  virtual void SetImage(std::shared_ptr<IZelvoMaterialModel> material) = 0;
  // EIndexError when (X, Y) is outside the grid.
  virtual void SetChip(int32_t x, int32_t y, const TZelvoChipAttributes& chip) = 0;
  virtual void SetEdgeFlag(bool value) = 0;
  virtual void SetParam(int32_t value) = 0;
  virtual void SetDeleted(bool value) = 0;
  // Links the image material with the stored ID (FindByID in the image materials). A picture
  // that came in the record itself is kept when no material has the ID: it is added to the
  // image materials, so the next save still names it.
  virtual void ResolveImage(IZMLZelvoAPI* api) = 0;
  virtual bool HasChip(int32_t x, int32_t y) const = 0;
  // The image ID as read or set. The record writes the linked material's ID (-1 when none), or
  // the ID read when it has not been resolved yet, so a copy keeps its picture.
  virtual int32_t GetImageID() const = 0;
};

class TZelvoMapChipSetModel : public TZelvoModel, public virtual IZelvoMapChipSetModel {
 public:
  // Base record, columns, rows, a zero path length.
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 12;
  static constexpr int32_t kMarker = 0xFFFF;
  static constexpr int32_t kVersion = 2;

  // 8 x 8 zero chips, image ID 0, its own picture material (ID -1, kind 1001) linked.
  explicit TZelvoMapChipSetModel(int32_t id);

  std::string GetImagePath() const override;
  std::shared_ptr<IZelvoMaterialModel> GetImage() const override { return image_; }
  TZelvoChipAttributes GetChip(int32_t x, int32_t y) const override;
  int32_t GetWidth() const override { return columns_; }
  int32_t GetHeight() const override { return rows_; }
  bool GetEdgeFlag() const override { return (edgeFlag_ & 0xFF) != 0; }
  int32_t GetParam() const override { return param_; }
  bool GetDeleted() const override { return deleted_; }
  void SetSize(int32_t columns, int32_t rows) override;
  void SetImage(std::shared_ptr<IZelvoMaterialModel> material) override;
  void SetChip(int32_t x, int32_t y, const TZelvoChipAttributes& chip) override;
  void SetEdgeFlag(bool value) override { edgeFlag_ = value ? 1 : 0; }
  void SetParam(int32_t value) override { param_ = value; }
  void SetDeleted(bool value) override { deleted_ = value; }
  void ResolveImage(IZMLZelvoAPI* api) override;
  bool HasChip(int32_t x, int32_t y) const override;
  int32_t GetImageID() const override { return imageID_; }

  void SaveToStream(IZStream& stream) override;
  // A short or corrupt record throws EFormatError and leaves the chip set as it was.
  void LoadFromStream(IZStream& stream) override;

 private:
  size_t chipIndex(int32_t x, int32_t y, const char* what) const;

  int32_t columns_ = 8;
  int32_t rows_ = 8;
  int32_t imageID_ = 0;
  int32_t edgeFlag_ = 0;  // the stored int32; its low byte is the flag
  int32_t param_ = 0;
  bool deleted_ = false;
  std::vector<TZelvoChipAttributes> chips_;
  std::shared_ptr<IZelvoMaterialModel> image_;
  // The record carried the picture itself (a material record or a path), not only an ID.
  bool ownPicture_ = false;
  // Read as an ID alone and not yet resolved: nothing is linked, and a save writes the ID back.
  bool pendingID_ = false;
};

}  // namespace zelvo
