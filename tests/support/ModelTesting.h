#pragma once
// Round trips and truncation sweeps for any record kind.

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "model/ZStream.h"

namespace zelvo::test {

// Loads bytes through load(), saves through save(), and returns what was written.
std::vector<uint8_t> resave(const std::vector<uint8_t>& bytes, const std::function<void(IZStream&)>& load,
                            const std::function<void(IZStream&)>& save);

// Feeds every proper prefix of bytes to load() and expects each to throw EFormatError.
// check() runs after each failure (for example, that the target kept its contents).
void expectEveryTruncationFails(const std::vector<uint8_t>& bytes, const std::function<void(IZStream&)>& load,
                                const std::function<void()>& check = {});

}  // namespace zelvo::test
