#include "BasicLayer/TSArc.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <cstring>
#include <vector>

#include "platform/core/BinaryReader.h"
#include "platform/core/Cp932.h"
#include "platform/core/FileStream.h"
#include "platform/core/LittleEndian.h"

namespace zelvo {

namespace {

// Lower-cases ASCII letters, leaving the trail bytes of two-byte characters alone.
std::string lowerCp932(std::string_view s) {
  std::string out(s);
  for (size_t i = 0; i < out.size(); ++i) {
    auto b = static_cast<uint8_t>(out[i]);
    if (Cp932::isLeadByte(b)) {
      ++i;
    } else if (b >= 'A' && b <= 'Z') {
      out[i] = static_cast<char>(b + 32);
    }
  }
  return out;
}

[[noreturn]] void corrupt(const std::string& what) { throw ETSAError("TSA: " + what); }

struct PairTable {
  std::array<uint8_t, 256> left{};
  std::array<uint8_t, 256> right{};
};

uint8_t nextByte(ByteStream& in) {
  uint8_t b;
  if (in.Read(&b, 1) != 1) corrupt("a compressed block ends early");
  return b;
}

void readPairTable(ByteStream& in, PairTable& t) {
  for (int c = 0; c < 256; ++c) t.left[c] = static_cast<uint8_t>(c);
  int c = 0;
  int count = nextByte(in);
  for (;;) {
    if (count > 127) {
      c += count - 127;
      count = 0;
    }
    if (c == 256) return;
    if (c > 256 || c + count + 1 > 256) corrupt("a pair table runs past 256 codes");
    for (int i = 0; i <= count; ++i, ++c) {
      t.left[c] = nextByte(in);
      if (t.left[c] != c) t.right[c] = nextByte(in);
    }
    if (c == 256) return;
    count = nextByte(in);
  }
}

}  // namespace

bool TSAIsArchive(const uint8_t* header) { return std::memcmp(header + 4, "TSA0", 4) == 0; }

std::unique_ptr<MemoryStream> TSAExpand(ByteStream& in, uint32_t expandedSize) {
  if (expandedSize > kTSAMaxExpandedSize) corrupt("an entry expands past " + std::to_string(kTSAMaxExpandedSize) + " bytes");
  std::vector<uint8_t> out;
  // The stated size is only a claim: room grows with what the blocks really give.
  out.reserve(std::min<uint32_t>(expandedSize, 1u << 20));
  PairTable table;
  while (in.GetPosition() < in.GetSize()) {
    readPairTable(in, table);
    uint8_t lenBytes[4];
    if (in.Read(lenBytes, 4) != 4) corrupt("a compressed block ends early");
    uint32_t packed = LittleEndian::loadU32(lenBytes);
    if (packed > in.GetSize() - in.GetPosition()) corrupt("a block's packed length runs past the entry");
    std::array<uint8_t, 256> stack;
    int top = 0;
    for (;;) {
      uint8_t code;
      if (top > 0) {
        code = stack[--top];
      } else {
        if (packed == 0) break;
        --packed;
        code = nextByte(in);
      }
      if (table.left[code] == code) {
        if (out.size() >= expandedSize) corrupt("an entry expands past its stated size");
        out.push_back(code);
      } else {
        // A cyclic pair grows the stack without end and stops here.
        if (top + 2 > static_cast<int>(stack.size())) corrupt("a pair expands deeper than 256 codes");
        stack[top++] = table.right[code];
        stack[top++] = table.left[code];
      }
    }
  }
  if (out.size() != expandedSize) corrupt("an entry expands to fewer bytes than stated");
  return std::make_unique<MemoryStream>(std::move(out));
}

std::unique_ptr<MemoryStream> TSAReadEntry(ByteStream& stream, const std::string& id) {
  BinaryReader reader(stream);
  const int64_t fileSize = stream.GetSize();
  stream.Seek(0);
  if (fileSize < kTSAHeaderSize) throw ETSAError("Morvane Archiveの扱えるデータではありません");
  std::vector<uint8_t> header = reader.readByteVector(kTSAHeaderSize);
  if (!TSAIsArchive(header.data())) throw ETSAError("Morvane Archiveの扱えるデータではありません");
  const uint32_t compressed = LittleEndian::loadU32(header.data());
  const uint32_t count = LittleEndian::loadU32(header.data() + 8);
  if (count > static_cast<uint64_t>(fileSize - kTSAHeaderSize) / kTSAEntrySize)
    corrupt("the entry count " + std::to_string(count) + " does not fit in the file");
  std::vector<uint8_t> table = reader.readByteVector(static_cast<int64_t>(count) * kTSAEntrySize);

  const std::string wanted = lowerCp932(id);
  const uint8_t* match = nullptr;
  for (uint32_t i = 0; i < count && match == nullptr; ++i) {
    const uint8_t* e = table.data() + static_cast<size_t>(i) * kTSAEntrySize;
    const char* name = reinterpret_cast<const char*>(e + 12);
    size_t len = strnlen(name, 256);
    if (lowerCp932(std::string_view(name, len)) == wanted) match = e;
  }
  if (match == nullptr || LittleEndian::loadU32(match) == 0)
    throw ETSAError("アーカイブ内には指定されたID '" + Cp932::toUtf8(id) + "' を持つデータが見つかりません");

  const uint64_t offset = LittleEndian::loadU32(match), stored = LittleEndian::loadU32(match + 4), expanded = LittleEndian::loadU32(match + 8);
  const uint64_t size = compressed == 1 ? stored : expanded;
  if (offset + size > static_cast<uint64_t>(fileSize) || offset > 0x7FFFFFFFu)
    corrupt("an entry runs past the end of the archive");
  if (size > kTSAMaxExpandedSize) corrupt("an entry is larger than " + std::to_string(kTSAMaxExpandedSize) + " bytes");
  stream.Seek(static_cast<int32_t>(offset));
  std::vector<uint8_t> data = reader.readByteVector(static_cast<int64_t>(size));
  if (compressed != 1) return std::make_unique<MemoryStream>(std::move(data));
  MemoryStream packed(std::move(data));
  auto out = TSAExpand(packed, static_cast<uint32_t>(expanded));
  out->Seek(0);
  return out;
}

std::unique_ptr<MemoryStream> TSAReadFile(const std::filesystem::path& archiveFileName, const std::string& id) {
  FileStream file(archiveFileName, FileStream::Mode::Read);
  return TSAReadEntry(file, id);
}

}  // namespace zelvo
