#include "model/ZelvoMapCell.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {
namespace {

void put32(uint8_t*& p, int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) *p++ = static_cast<uint8_t>(u >> (8 * i));
}
void put16(uint8_t*& p, uint16_t v) {
  *p++ = static_cast<uint8_t>(v);
  *p++ = static_cast<uint8_t>(v >> 8);
}
int32_t get32(const uint8_t*& p) {
  uint32_t u = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  p += 4;
  return static_cast<int32_t>(u);
}
uint16_t get16(const uint8_t*& p) {
  uint16_t u = static_cast<uint16_t>(p[0] | p[1] << 8);
  p += 2;
  return u;
}

}  // namespace

void EncodeMapCell(const TZelvoMapCell& c, uint8_t* out, bool oldForm) {
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

TZelvoMapCell DecodeMapCell(const uint8_t* in, bool oldForm) {
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

void WriteMapCell(BinaryWriter& writer, const TZelvoMapCell& cell) {
  uint8_t bytes[kMapCellBytes];
  EncodeMapCell(cell, bytes);
  writer.writeBytes(bytes, kMapCellBytes);
}

TZelvoMapCell ReadMapCell(BinaryReader& reader, bool oldForm) {
  uint8_t bytes[kMapCellBytes];
  reader.readBytes(bytes, oldForm ? kOldMapCellBytes : kMapCellBytes);
  return DecodeMapCell(bytes, oldForm);
}

}  // namespace zelvo
