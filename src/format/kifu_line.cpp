#include "format/kifu_line.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "format/encoding.hpp"
#include "rules/pieces.hpp"
#include "rules/translatable.hpp"

namespace velmora {

namespace {

constexpr int 盤_桁数 = 81 * 4;          // characters 1..324
constexpr int 持駒_先頭 = 盤_桁数;       // characters 325..338
constexpr int 時間_先頭 = 盤_桁数 + 14;  // characters 339..358

bool 駒コードか(int v) { return v == KARA || 駒コード(v); }

// The lenient field parse of the format: leading blanks, an optional minus
// sign, digits and nothing else; a field of blanks only reads as 0.
bool 数値欄(std::string_view field, long& out) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  if (i == field.size()) {
    out = 0;
    return true;
  }
  bool negative = false;
  if (field[i] == '-') {
    negative = true;
    ++i;
  }
  if (i == field.size()) return false;
  long v = 0;
  for (; i < field.size(); ++i) {
    const char c = field[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');  // at most five digits: no overflow
  }
  out = negative ? -v : v;
  return true;
}

// A hand count: '0'..'9', or '0' + n for n = 10..18; a blank reads as 0.
bool 持駒欄(char c, int& out) {
  if (c == ' ') {
    out = 0;
    return true;
  }
  if (c < '0' || c > '0' + 棋譜_持駒上限) return false;
  out = c - '0';
  return true;
}

char 持駒文字(int n) { return static_cast<char>('0' + std::clamp(n, 0, 棋譜_持駒上限)); }

long 時間値(double seconds) {
  if (!(seconds > 0)) return 0;  // also NaN
  if (seconds >= 棋譜_時間上限) return 棋譜_時間上限;
  return static_cast<long>(seconds);
}

}  // namespace

std::string 書込_棋譜行(const 棋譜局面& k) {
  std::string line;
  line.reserve(棋譜行_長さ);
  char buf[16];
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      // A board code never needs more than four characters (-950 is the widest).
      std::snprintf(buf, sizeof buf, "%4d", std::clamp(k.BAN[x][y], -999, 9999));
      line += buf;
    }
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) {
    line += 持駒文字(k.SITA_MOTI[slot]);
    line += 持駒文字(k.UE_MOTI[slot]);
  }
  for (double v : {k.MAN_JIKAN, k.MAN_JIKAN2, k.COM_JIKAN, k.COM_JIKAN2}) {
    std::snprintf(buf, sizeof buf, "%5ld", 時間値(v));
    line += buf;
  }
  return line;
}

棋譜行の結果 読込_棋譜行(std::string_view line, 棋譜局面& out) {
  if (line.size() != static_cast<std::size_t>(棋譜行_長さ)) return {棋譜行の誤り::長さ, 0};
  棋譜局面 k;
  int 総数[8] = {};
  int 王[2] = {};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int at = ((x - 1) * 9 + (y - 1)) * 4;
      long v = 0;
      if (!数値欄(line.substr(at, 4), v)) return {棋譜行の誤り::数値, at + 1};
      if (!駒コードか(static_cast<int>(v))) return {棋譜行の誤り::駒コード, at + 1};
      k.BAN[x][y] = static_cast<int>(v);
      if (v == OU || v == -OU) {
        if (++王[v > 0] > 1) return {棋譜行の誤り::駒の数, at + 1};
      } else if (v != KARA) {
        const int slot = 持駒番号(static_cast<int>(v));
        if (++総数[slot] > 組の駒数(slot)) return {棋譜行の誤り::駒の数, at + 1};
      }
    }
  for (int k2 = MOTI_HU; k2 <= MOTI_SYA; ++k2) {
    for (int side = 0; side < 2; ++side) {
      const int at = 持駒_先頭 + (k2 - 1) * 2 + side;
      int n = 0;
      if (!持駒欄(line[at], n)) return {棋譜行の誤り::数値, at + 1};
      if (n > 組の駒数(k2)) return {棋譜行の誤り::持駒数, at + 1};
      (side == 0 ? k.SITA_MOTI : k.UE_MOTI)[k2] = n;
      総数[k2] += n;
      if (総数[k2] > 組の駒数(k2)) return {棋譜行の誤り::駒の数, at + 1};
    }
  }
  double* times[4] = {&k.MAN_JIKAN, &k.MAN_JIKAN2, &k.COM_JIKAN, &k.COM_JIKAN2};
  for (int i = 0; i < 4; ++i) {
    const int at = 時間_先頭 + i * 5;
    long v = 0;
    if (!数値欄(line.substr(at, 5), v)) return {棋譜行の誤り::数値, at + 1};
    if (v < 0) return {棋譜行の誤り::時間, at + 1};
    *times[i] = static_cast<double>(v);
  }
  out = k;
  return {};
}

std::string_view 棋譜行の誤り_説明(棋譜行の誤り e) {
  switch (e) {
    case 棋譜行の誤り::なし: return "";
    case 棋譜行の誤り::長さ: return gettext_noop("行の長さが358文字ではありません");
    case 棋譜行の誤り::数値: return gettext_noop("数字でない欄があります");
    case 棋譜行の誤り::駒コード: return gettext_noop("駒でないコードがあります");
    case 棋譜行の誤り::持駒数: return gettext_noop("持駒の数が範囲外です");
    case 棋譜行の誤り::駒の数: return gettext_noop("駒の数が多すぎます");
    case 棋譜行の誤り::時間: return gettext_noop("時間が負の値です");
  }
  return "";
}

見出し行 書込_見出し行(std::string_view utf8) {
  std::string one_line(utf8);
  std::replace(one_line.begin(), one_line.end(), '\r', ' ');
  std::replace(one_line.begin(), one_line.end(), '\n', ' ');
  auto sjis = utf8からcp932(one_line);
  if (!sjis) return {{}, 見出しの誤り::文字};
  if (sjis->size() > 棋譜_行の上限) return {{}, 見出しの誤り::長さ};
  // Read back as Shift-JIS reads it: a character Shift-JIS holds only as its
  // twin ("〜" as "～", "¬" as "￢") comes back as that twin, as in any program.
  const auto shift_jis = cp932からutf8(*sjis);
  if (!shift_jis || 読込_見出し行(*sjis) != *shift_jis) return {{}, 見出しの誤り::読み戻し};
  return {std::move(*sjis), 見出しの誤り::なし};
}

std::string 読込_見出し行(std::string_view bytes) {
  // Bytes may be valid as both. UTF-8 Japanese is made of three-byte
  // characters and stays UTF-8; two-byte UTF-8 characters (accented Latin,
  // Greek, Cyrillic letters) are, in Shift-JIS, pairs of half-width katakana
  // ("ﾕｷ"), which is what a record file written here holds.
  const bool two_byte = std::any_of(bytes.begin(), bytes.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0xC2 && u <= 0xDF;
  });
  if (two_byte && 正しいUTF8(bytes))
    if (auto s = cp932からutf8(bytes)) return *s;
  return 読込テキスト(bytes);
}

}  // namespace velmora
