#include "model/ZelvoMapCell.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

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
