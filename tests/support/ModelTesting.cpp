#include "support/ModelTesting.h"

#include "platform/core/Errors.h"

namespace zelvo::test {

std::vector<uint8_t> resave(const std::vector<uint8_t>& bytes, const std::function<void(IZStream&)>& load,
                            const std::function<void(IZStream&)>& save) {
  TZStream in(bytes, "fixture");
  load(in);
  EXPECT_EQ(in.GetPosition(), in.GetSize()) << "the reader left bytes unread";
  TZStream out("", TZStream::Memory);
  save(out);
  return ReadAllBytes(out);
}

void expectEveryTruncationFails(const std::vector<uint8_t>& bytes, const std::function<void(IZStream&)>& load,
                                const std::function<void()>& check) {
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    TZStream in(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)), "fixture");
    EXPECT_THROW(load(in), EFormatError) << "cut at " << cut << " of " << bytes.size();
    if (check) check();
  }
}

}  // namespace zelvo::test
