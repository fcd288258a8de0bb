// The help page in the desktop's browser and the about box.
#include "window/help.hpp"

#include <filesystem>

#include "game/data_files.hpp"
#include "game/sound.hpp"
#include "input/record_panel.hpp"
#include "window/form.hpp"

namespace velmora {

namespace {

// The help page beside the directory that was current at start-up, or else
// the one shipped in the data directory; the page in the window's language
// first, then the Japanese one. Nothing found, no browser: nothing happens and
// nothing is said.
void 表示_ヘルプページ(Form1& f) {
  // TRANSLATORS: the help page's file name. Give it the name of a page in
  // your language (assets/Velmora.LL.htm) when there is one.
  const std::string_view translated = tr(f.lang, "Velmora.htm");
  const std::filesystem::path start(f.settings.START_DIR);
  auto page = 検索_データファイル(translated, start);
  if (!page) page = 検索_データファイル("Velmora.htm", start);
  if (!page || !f.p.desktop) return;
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(*page, ec);
  if (ec) return;
  f.p.desktop->open_url(ファイルURL(absolute.lexically_normal()));
}

}  // namespace

void KAISETU_Click(Form1& f) { 表示_ヘルプページ(f); }

void VER_Click(Form1& f) {
  棋譜欄を閉じる(f);
  効果音(f, Sound::SONOTA);
  f.p.dialogs->about();
}

// "ホームページ": the game's home page is its help page. The about box closes
// itself after calling this.
void ホームページ_Click(Form1& f) { 表示_ヘルプページ(f); }

// "O K": only closes the about box, which its window does by itself.
void 了解_Click(Form1&) {}

}  // namespace velmora
