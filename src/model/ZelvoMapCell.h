#pragma once
// One cell of a floor: 28 bytes on disk and in the undo buffers; the oldest files hold 24-byte
// cells without the flags. Bytes 12-27 have the shape of a chip's attributes; the four int16s
// override the chip's own values unless they hold their "use the chip" marker.

#include <cstdint>

#include "platform/core/LittleEndian.h"

namespace zelvo {

class BinaryReader;
class BinaryWriter;

struct TZelvoMapCell {
  static constexpr int32_t kNoChipSet = 0x7FFFFFFF;  // new cells
  static constexpr int32_t kOutside = -1;            // the empty cell outside the grid
  static constexpr int16_t kChipHeight = 0x7FFF;     // height: use the chip's
  static constexpr int16_t kChipValue = -1;          // ground kind, passability, encounter: use the chip's
  static constexpr int32_t kFlagNoCoastFix = 1;      // bit 0 of Flags

  int32_t ChipSetID = kNoChipSet;
  uint16_t Column = 0;
  uint16_t Row = 0;
  int32_t Flags = 0;
  int16_t Height = kChipHeight;
  int16_t GroundKind = kChipValue;
  int16_t Passability = kChipValue;  // 1 up, 2 down, 4 left, 8 right
  int16_t Encounter = kChipValue;
  int32_t Param = 0;                 // bytes 20-23, kept and stored
  int32_t EventID = 0x7FFFFFFF;      // bytes 24-27, kept and stored

  friend bool operator==(const TZelvoMapCell&, const TZelvoMapCell&) = default;

  // The empty cell a lookup outside the grid gives.
  static TZelvoMapCell Outside() {
    TZelvoMapCell c;
    c.ChipSetID = kOutside;
    return c;
  }
};

inline constexpr int32_t kMapCellBytes = 28;
inline constexpr int32_t kOldMapCellBytes = 24;

namespace mapcell_detail {
// Each field moves the cursor past itself.
inline void put32(uint8_t*& p, int32_t v) {
  LittleEndian::storeI32(p, v);
  p += 4;
}
inline void put16(uint8_t*& p, uint16_t v) {
  LittleEndian::storeU16(p, v);
  p += 2;
}
inline int32_t get32(const uint8_t*& p) {
  const int32_t v = LittleEndian::loadI32(p);
  p += 4;
  return v;
}
inline uint16_t get16(const uint8_t*& p) {
  const uint16_t v = LittleEndian::loadU16(p);
  p += 2;
  return v;
}
}  // namespace mapcell_detail

// The cell's bytes, little-endian, field by field. The old form leaves out bytes 8-11.
// Inline because whole floors of them are encoded and decoded in one loop.
inline void EncodeMapCell(const TZelvoMapCell& c, uint8_t* out, bool oldForm = false) {
  using namespace mapcell_detail;
  put32(out, c.ChipSetID);
  put16(out, c.Column);
  put16(out, c.Row);
  if (!oldForm) put32(out, c.Flags);
  put16(out, static_cast<uint16_t>(c.Height));
  put16(out, static_cast<uint16_t>(c.GroundKind));
  put16(out, static_cast<uint16_t>(c.Passability));
  put16(out, static_cast<uint16_t>(c.Encounter));
  put32(out, c.Param);
  put32(out, c.EventID);
}

// Reads a cell from its bytes; the old form gives Flags 0.
inline TZelvoMapCell DecodeMapCell(const uint8_t* in, bool oldForm = false) {
  using namespace mapcell_detail;
  TZelvoMapCell c;
  c.ChipSetID = get32(in);
  c.Column = get16(in);
  c.Row = get16(in);
  c.Flags = oldForm ? 0 : get32(in);
  c.Height = static_cast<int16_t>(get16(in));
  c.GroundKind = static_cast<int16_t>(get16(in));
  c.Passability = static_cast<int16_t>(get16(in));
  c.Encounter = static_cast<int16_t>(get16(in));
  c.Param = get32(in);
  c.EventID = get32(in);
  return c;
}

void WriteMapCell(BinaryWriter& writer, const TZelvoMapCell& cell);
TZelvoMapCell ReadMapCell(BinaryReader& reader, bool oldForm = false);

}  // namespace zelvo
