// The settings file "Velmora.ini": lines of a key, "=" and a value, CP932
// text with CR LF on disk. Reading keeps every line in file order so that the
// caller can apply them one by one (a key given twice is applied twice).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct 設定行 {
  std::string key;    // everything before the first "=", untrimmed
  std::string value;  // everything after it, untrimmed
};

// The file's bytes → its key=value lines in file order, text in UTF-8. Valid
// UTF-8 is read as UTF-8, anything else as CP932; a leading byte-order mark is
// dropped. Lines end at CR LF, a lone LF or a lone CR; a line without "="
// (the empty line too) is left out.
std::vector<設定行> 解析_設定ファイル(std::string_view bytes);

// What the writer puts into the file. An empty background writes no
// background line (no background item checked).
struct 設定値 {
  std::string 背景画 = "Velmora";
  bool 移動指導 = false;
  bool 経過時間 = true;
  bool BGM = true;
  bool 最終手表示 = false;     // the last move marked on the board
  bool 国際駒 = false;         // the international pieces instead of the kanji ones
  bool アニメーション = true;  // moves glide and steps fade
};

// The file as written: CP932 bytes, one line per setting in the fixed order
// 背景画, 移動指導, 経過時間, BGM, each ended by CR LF; then "最終手表示=ON"
// only when it is on, "駒=国際式" only for the international pieces, and
// "アニメーション=OFF" only when the moves do not glide, so that a file with
// the three as they start is the four lines every reader knows.
std::string 書式_設定ファイル(const 設定値& v);

// Background value in the file ↔ background identifier (2..6); 0 and an
// empty text for anything else.
int 背景識別子(std::string_view value);
std::string_view 背景名(int id);

}  // namespace velmora
