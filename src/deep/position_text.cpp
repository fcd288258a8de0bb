#include "deep/position_text.hpp"

#include <charconv>
#include <cstdlib>

#include "rules/pieces.hpp"

namespace velmora::deep {

namespace {

// Splits the next line off text (without its end, \n or \r\n).
std::string_view 一行(std::string_view& text) {
  const std::size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

bool 空白(char c) { return c == ' ' || c == '\t'; }

// Reads exactly n integers separated by blanks; false on anything else.
bool 数を読む(std::string_view line, int* out, int n) {
  const char* p = line.data();
  const char* end = p + line.size();
  for (int i = 0; i < n; ++i) {
    while (p < end && 空白(*p)) ++p;
    if (p < end && *p == '+') ++p;
    const auto [next, ec] = std::from_chars(p, end, out[i]);
    if (ec != std::errc() || next == p) return false;
    if (next < end && !空白(*next)) return false;
    p = next;
  }
  while (p < end && 空白(*p)) ++p;
  return p == end;
}

}  // namespace

局面文 局面を読む(std::string_view text) {
  局面文 r;
  局面 p;
  int filled = 0;  // lines of the position read: 9 board rows, 2 hands, the side
  int line_no = 0;
  const auto fail = [&](局面文の誤り e) {
    r.誤り = e;
    r.行 = line_no;
    return r;
  };
  while (!text.empty()) {
    const std::string_view line = 一行(text);
    ++line_no;
    std::size_t first = 0;
    while (first < line.size() && 空白(line[first])) ++first;
    if (first == line.size() || line[first] == '#') continue;
    if (filled == 12) return fail(局面文の誤り::余分);
    if (filled < 9) {
      int row[9];
      if (!数を読む(line, row, 9)) return fail(局面文の誤り::数);
      for (int x = 1; x <= 9; ++x) {
        if (row[x - 1] != KARA && !駒コード(row[x - 1])) return fail(局面文の誤り::駒コード);
        p.BAN[x][filled + 1] = row[x - 1];
      }
    } else if (filled < 11) {
      int hand[7];
      if (!数を読む(line, hand, 7)) return fail(局面文の誤り::数);
      持駒& slots = filled == 9 ? p.SITA_MOTI : p.UE_MOTI;
      for (int k = 0; k < 7; ++k) {
        if (hand[k] < 0) return fail(局面文の誤り::持駒数);
        if (hand[k] > 組の駒数(k + 1)) return fail(局面文の誤り::駒の数);
        slots[k + 1] = hand[k];
      }
    } else {
      int side = 0;
      if (!数を読む(line, &side, 1)) return fail(局面文の誤り::数);
      if (side != -1 && side != 1) return fail(局面文の誤り::手番);
      r.side = side;
    }
    ++filled;
  }
  line_no = 0;
  if (filled < 12) return fail(局面文の誤り::足りない);

  // More pieces than the set has, or two kings of a side: no game reaches it.
  if (!p.整合()) return fail(局面文の誤り::駒の数);
  r.pos = p;
  return r;
}

std::string_view 局面文の誤りの説明(局面文の誤り e) {
  switch (e) {
    case 局面文の誤り::なし: return "no error";
    case 局面文の誤り::足りない: return "the position is incomplete";
    case 局面文の誤り::余分: return "a line after the side to move";
    case 局面文の誤り::数: return "expected integers separated by blanks";
    case 局面文の誤り::駒コード: return "not a piece code";
    case 局面文の誤り::持駒数: return "a negative count in hand";
    case 局面文の誤り::駒の数: return "more pieces of a kind than a game has";
    case 局面文の誤り::手番: return "the side to move must be -1 or 1";
  }
  return "unknown error";
}

}  // namespace velmora::deep
