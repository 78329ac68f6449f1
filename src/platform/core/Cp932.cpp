#include "platform/core/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace zelvo::Cp932 {
namespace {

// "CP932", never "SHIFT_JIS": the latter turns 0x5C into a yen sign and 0x8160 into a wave dash.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert to/from CP932");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of input; at a bad sequence emits `replacement` and skips `skip(input)` bytes.
  template <class Skip>
  std::string run(std::string_view input, std::string_view replacement, Skip skip) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(input.size() * 3 / 2 + 4);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[1024];
    while (inLeft > 0) {
      char* o = buffer;
      size_t oLeft = sizeof buffer;
      size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
      out.append(buffer, o - buffer);
      if (r != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: an invalid or cut-off sequence.
      out.append(replacement);
      size_t n = skip(std::string_view(in, inLeft));
      in += n;
      inLeft -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

size_t skipCp932(std::string_view rest) {
  // A lead byte with a trail byte that does not map: drop both, so the next character stays aligned.
  if (rest.size() >= 2 && isLeadByte(static_cast<uint8_t>(rest[0]))) return 2;
  return 1;
}

size_t skipUtf8(std::string_view rest) {
  size_t n = 1;
  while (n < rest.size() && (static_cast<uint8_t>(rest[n]) & 0xC0) == 0x80) ++n;
  return n;
}

}  // namespace

std::string toUtf8(std::string_view cp932) {
  thread_local Converter c("UTF-8", "CP932");
  return c.run(cp932, "\xEF\xBF\xBD", skipCp932);
}

std::string fromUtf8(std::string_view utf8) {
  thread_local Converter c("CP932", "UTF-8");
  return c.run(utf8, "?", skipUtf8);
}

}  // namespace zelvo::Cp932
