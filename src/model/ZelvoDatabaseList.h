#pragma once
// What the attribute, job and condition lists share: an ordered list of counted records stored
// as an int32 count and the records. Its members are defined in ZelvoDatabaseListImpl.h and
// instantiated once, in each list's own source file, so a header that only forward-declares
// the record type is enough to use a list.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZStream.h"
#include "platform/core/BinaryReader.h"

namespace zelvo {

// A stored list count: 0 or less means no records; a count whose records could not fit in
// what is left of the stream is a format error.
inline int32_t ReadRecordCount(BinaryReader& reader, int64_t minRecordBytes) {
  int32_t n = reader.readInt32();
  if (n <= 0) return 0;
  if (static_cast<int64_t>(n) * minRecordBytes > reader.remaining())
    reader.fail("count " + std::to_string(n) + " does not fit in the " + std::to_string(reader.remaining()) +
                " bytes left");
  return n;
}

template <class IList, class Item>
class TZelvoDatabaseList : public virtual IList {
 public:
  void Clear() override;
  int32_t GetCount() const override;
  void Add(std::shared_ptr<Item> item) override;
  void Insert(int32_t index, std::shared_ptr<Item> item) override;
  void Delete(int32_t index) override;
  std::shared_ptr<Item> GetItem(int32_t index) const override;
  std::shared_ptr<Item> FindByID(int32_t id) const override;
  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 protected:
  // A record about to read itself: made directly, with ID -1, never from the game's counter.
  virtual std::shared_ptr<Item> NewRecord() const = 0;
  // The fewest bytes one stored record can take.
  virtual int64_t MinRecordBytes() const = 0;

 private:
  ModelItems<Item> items_;
};

}  // namespace zelvo
