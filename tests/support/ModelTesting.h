#pragma once
// Saves, loads, round trips and truncation sweeps for any record kind.

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "model/ZStream.h"

namespace zelvo::test {

// What m writes of itself.
template <class M>
std::vector<uint8_t> saved(M& m) {
  TZStream s("", TZStream::Memory);
  m.SaveToStream(s);
  return ReadAllBytes(s);
}

// The IDs of a list's items, in order.
template <class List>
std::vector<int32_t> ids(const List& list) {
  std::vector<int32_t> out;
  for (int32_t i = 0; i < list.GetCount(); ++i) out.push_back(list.GetItem(i)->GetID());
  return out;
}

// Reads bytes into m and expects every byte read.
template <class M>
void load(M& m, const std::vector<uint8_t>& bytes) {
  TZStream in(bytes, "fixture");
  m.LoadFromStream(in);
  EXPECT_EQ(in.GetPosition(), in.GetSize());
}

// Loads bytes through load(), saves through save(), and returns what was written.
std::vector<uint8_t> resave(const std::vector<uint8_t>& bytes, const std::function<void(IZStream&)>& load,
                            const std::function<void(IZStream&)>& save);

// Feeds every proper prefix of bytes to load() and expects each to throw EFormatError.
// check() runs after each failure (for example, that the target kept its contents).
void expectEveryTruncationFails(const std::vector<uint8_t>& bytes, const std::function<void(IZStream&)>& load,
                                const std::function<void()>& check = {});

}  // namespace zelvo::test
