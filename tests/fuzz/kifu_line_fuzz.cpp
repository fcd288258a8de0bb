// The record line reader on arbitrary bytes: it must never crash, and every
// line it accepts must write back to a line it reads the same way.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "format/kifu_line.hpp"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  棋譜局面 k;
  if (!読込_棋譜行(line, k).ok()) return 0;
  static auto s = std::make_unique<EngineState>();
  棋譜局面_格納(*s, 1, k);
  const std::string again = 書込_棋譜行(*s, 1);
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
  // The header reader takes any bytes.
  (void)読込_見出し行(line);
  return 0;
}
