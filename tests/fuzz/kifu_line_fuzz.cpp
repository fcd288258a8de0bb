// The record line reader on arbitrary bytes: it must never crash, and every
// line it accepts must write back to a line it reads the same way. Besides
// the raw input, the input's byte triples (position in two bytes, byte) are written over a
// valid line, so that the fields behind the length check are exercised too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "format/kifu_line.hpp"
#include "rules/position.hpp"

using namespace velmora;

namespace {

void check(std::string_view line) {
  棋譜局面 k;
  if (!読込_棋譜行(line, k).ok()) return;
  const std::string again = 書込_棋譜行(k);
  if (again != line) {
    // Only the lenient forms may differ: the rewrite must read the same.
    棋譜局面 k2;
    if (!読込_棋譜行(again, k2).ok()) std::abort();
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (k.BAN[x][y] != k2.BAN[x][y]) std::abort();
    for (int i = 1; i <= 7; ++i)
      if (k.SITA_MOTI[i] != k2.SITA_MOTI[i] || k.UE_MOTI[i] != k2.UE_MOTI[i]) std::abort();
    if (k.MAN_JIKAN != k2.MAN_JIKAN || k.MAN_JIKAN2 != k2.MAN_JIKAN2 || k.COM_JIKAN != k2.COM_JIKAN ||
        k.COM_JIKAN2 != k2.COM_JIKAN2)
      std::abort();
  }
}

std::string 初期行() {
  局面 p;
  局面_初期配置(p);
  棋譜局面 k;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) k.BAN[x][y] = p.BAN[x][y];
  k.COM_JIKAN2 = 1234;
  return 書込_棋譜行(k);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  check(std::string_view(reinterpret_cast<const char*>(data), size));

  static const std::string base = 初期行();
  std::string line = base;
  for (std::size_t i = 0; i + 2 < size; i += 3)
    line[(data[i] | data[i + 1] << 8) % line.size()] = static_cast<char>(data[i + 2]);
  check(line);

  // The header reader takes any bytes (a short prefix: it converts slowly).
  (void)読込_見出し行(std::string_view(reinterpret_cast<const char*>(data), size < 48 ? size : 48));
  return 0;
}
