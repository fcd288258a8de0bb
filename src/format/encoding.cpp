#include "format/encoding.hpp"

#include <iconv.h>

#include <cerrno>

namespace velmora {

namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
  const bool ok = r != static_cast<std::size_t>(-1) && src_left == 0;
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace

std::size_t UTF8の文字長(std::string_view b, std::size_t i) {
  const auto c = static_cast<unsigned char>(b[i]);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned min = 0;
  if ((c & 0xE0) == 0xC0) {
    n = 1;
    min = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    n = 2;
    min = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    n = 3;
    min = 0x10000;
  } else {
    return 0;
  }
  if (i + n >= b.size()) return 0;
  unsigned cp = c & (0x3F >> n);
  for (std::size_t k = 1; k <= n; ++k) {
    const auto cc = static_cast<unsigned char>(b[i + k]);
    if ((cc & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (cc & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n + 1;
}

bool 正しいUTF8(std::string_view b) {
  for (std::size_t i = 0; i < b.size();) {
    const std::size_t n = UTF8の文字長(b, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::optional<std::string> cp932からutf8(std::string_view bytes) { return convert("UTF-8", "CP932", bytes); }

std::optional<std::string> utf8からcp932(std::string_view text) { return convert("CP932", "UTF-8", text); }

std::string 読込テキスト(std::string_view bytes) {
  if (正しいUTF8(bytes)) return std::string(bytes);
  if (auto s = cp932からutf8(bytes)) return *s;
  // Neither: keep what converts, one replacement character per bad byte.
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t len = (static_cast<unsigned char>(bytes[i]) >= 0x80 && i + 1 < bytes.size()) ? 2 : 1;
    if (auto s = cp932からutf8(bytes.substr(i, len))) {
      out += *s;
      i += len;
    } else if (len == 2 && (s = cp932からutf8(bytes.substr(i, 1)))) {
      out += *s;
      i += 1;
    } else {
      out += "\xEF\xBF\xBD";
      i += 1;
    }
  }
  return out;
}

}  // namespace velmora
