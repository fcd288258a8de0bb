#include "format/settings.hpp"

#include "format/encoding.hpp"

namespace velmora {

std::vector<設定行> 解析_設定ファイル(std::string_view bytes) {
  std::string text = 読込テキスト(bytes);
  std::string_view rest = text;
  if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);

  std::vector<設定行> lines;
  while (!rest.empty()) {
    const std::size_t end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
      rest = {};
    } else {
      const std::size_t skip = rest.compare(end, 2, "\r\n") == 0 ? 2 : 1;
      rest.remove_prefix(end + skip);
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    lines.push_back({std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
  }
  return lines;
}

std::string 書式_設定ファイル(const 設定値& v) {
  std::string text;
  if (!v.背景画.empty()) text += "背景画=" + v.背景画 + "\r\n";
  text += v.移動指導 ? "移動指導=ON\r\n" : "移動指導=OFF\r\n";
  text += v.経過時間 ? "経過時間=ON\r\n" : "経過時間=OFF\r\n";
  text += v.BGM ? "BGM=ON\r\n" : "BGM=OFF\r\n";
  if (v.最終手表示) text += "最終手表示=ON\r\n";
  if (v.国際駒) text += "駒=国際式\r\n";
  if (!v.アニメーション) text += "アニメーション=OFF\r\n";
  // Every text above has a CP932 form; the background name is one of the five.
  if (auto sjis = utf8からcp932(text)) return *sjis;
  return {};
}

namespace {

struct 背景 {
  int id;
  std::string_view name;
};

constexpr 背景 背景一覧[] = {{2, "Velmora"}, {3, "畳"}, {4, "竹"}, {5, "宇宙"}, {6, "煉瓦"}};

}  // namespace

int 背景識別子(std::string_view value) {
  for (const auto& b : 背景一覧)
    if (b.name == value) return b.id;
  return 0;
}

std::string_view 背景名(int id) {
  for (const auto& b : 背景一覧)
    if (b.id == id) return b.name;
  return {};
}

}  // namespace velmora
