// The menu table's wiring, seen by what each item does: an item run from the
// table does exactly what its handler does, and nothing that any other
// handler would do from the same position. The window builds its menus from
// this table and velmora-script finds its events in it, so an item wired to
// the wrong handler is caught here, in every configuration.
#include "window/menu.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_support.hpp"
#include "input/game_menu.hpp"
#include "input/record_panel.hpp"
#include "window/help.hpp"
#include "window/settings.hpp"
#include "window/startup.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;
using Handler = void (*)(Form1&);

// A handler of a part below the window, which takes the narrower state it needs.
template <auto handler>
void 呼ぶ(Form1& f) {
  handler(f);
}

// What the player could tell after an item: boxes, sounds, the game, the
// options and their file, the panels, the desktop, how much was painted.
std::string 跡(FakeWindow& w) {
  const Form1& f = w.f();
  const 対局& g = f.game;
  std::ostringstream o;
  for (const Box& b : w.dialogs.boxes) o << box_line(b) << '\n';
  for (const std::string& s : w.sound.calls) o << "sound " << s << '\n';
  o << "game " << g.TEBAN << ' ' << g.SYOUSYA << ' ' << g.TESUU << ' ' << g.TESUU_HYOJI << ' ' << g.TESUU_MAX
    << ' ' << g.TAISEN_MODE << ' ' << g.KIFU_MODE << ' ' << g.SAIKAI_MSG << ' ' << g.HANTEN << ' '
    << g.HANDE_LEVEL << ' ' << g.COM_LEVEL << ' ' << g.MAN_TEBAN << '\n';
  o << "board";
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) o << ' ' << f.pos.BAN[x][y];
  o << "\noptions " << f.options.HAIKEI << ' ' << f.options.SIDOU_FLAG << f.options.KEIKA << f.options.BGM
    << f.options.KOKUSAI << f.options.SAISYUTE << ' ' << f.clock.刻む << '\n';
  o << "file " << read_file(f.settings.パス) << '\n';
  o << "panels " << w.record.drive << w.record.dir << w.record.file << w.record.panel << '\n';
  for (const std::string& url : w.desktop.opened) o << "opened " << url << '\n';
  o << "quit " << w.desktop.quit_requested << " about " << w.dialogs.abouts << " painted "
    << w.canvas.ops.size();
  return o.str();
}

// The positions the items are tried from, each chosen so that its items
// change something there.
enum class 局面 { 対局中, 変えた後, 対局前 };

void 用意(FakeWindow& w, 局面 from) {
  Form1& f = w.f();
  // The default settings file, whatever ran before, written as a plain file
  // (the game flushes every file it writes to the disk, which takes long).
  static const std::string 既定の設定 = [] {
    std::filesystem::remove("Velmora.ini");
    FakeWindow first;
    Form_Load(first.f());
    return read_file(first.f().settings.パス);
  }();
  std::ofstream(f.settings.パス, std::ios::binary) << 既定の設定;
  Form_Load(f);
  if (from != 局面::対局前) {
    START_Click(f);
    for (int i = 0; i < 4; ++i) 指す(w, 二十手[i]);
    REPLAY_Click(f);
    // The browser and the panel both open, as neither of their items leaves
    // them, for the items that close or change them.
    f.p.record->show_browser(true, true, true);
    f.p.record->show_panel(true);
  }
  if (from == 局面::変えた後) {
    // The options the items of the defaults' own choices change back.
    LEVEL1_Click(f);
    TATAMI_Click(f);
    KOKUSAI_Click(f);
  }
  w.dialogs.boxes.clear();
  w.sound.calls.clear();
  w.canvas.ops.clear();
}

struct 項目 {
  std::string_view name;
  Handler handler;
  局面 from;
};

// Every item that acts, with the handler it should run and the position it
// is tried from. The menus that close the record panel as they open
// (TAIKYOKU, STOP, OPTION) act alike and are told apart from the rest only.
const 項目 項目一覧[] = {
    {"TAIKYOKU", 呼ぶ<棋譜欄を閉じる>, 局面::対局中},
    {"MATCH_MAN", 呼ぶ<MATCH_MAN_Click>, 局面::対局中},
    {"START", 呼ぶ<START_Click>, 局面::対局中},
    {"SENTE", 呼ぶ<SENTE_Click>, 局面::対局前},
    {"GOTE", 呼ぶ<GOTE_Click>, 局面::対局前},
    {"LEVEL1", 呼ぶ<LEVEL1_Click>, 局面::対局中},
    {"LEVEL2", 呼ぶ<LEVEL2_Click>, 局面::対局中},
    {"LEVEL3", 呼ぶ<LEVEL3_Click>, 局面::変えた後},
    {"LEVEL4", 呼ぶ<LEVEL4_Click>, 局面::対局中},
    {"LEVEL5", 呼ぶ<LEVEL5_Click>, 局面::対局中},
    {"HINT", 呼ぶ<HINT_Click>, 局面::対局中},
    {"OWARI", OWARI_Click, 局面::対局中},
    {"STOP", 呼ぶ<棋譜欄を閉じる>, 局面::対局中},
    {"CANCEL", 呼ぶ<CANCEL_Click>, 局面::対局中},
    {"REVERSE", 呼ぶ<REVERSE_Click>, 局面::対局中},
    {"REPLAY", 呼ぶ<REPLAY_Click>, 局面::対局中},
    {"AFTER", 呼ぶ<AFTER_Click>, 局面::対局中},
    {"LBEL_UP", 呼ぶ<LBEL_UP_Click>, 局面::対局前},
    {"LEBEL_DOWN", 呼ぶ<LEBEL_DOWN_Click>, 局面::対局前},
    {"KIFU_READ", 呼ぶ<KIFU_READ_Click>, 局面::対局中},
    {"KIFU_WRITE", 呼ぶ<KIFU_WRITE_Click>, 局面::対局中},
    {"OPTION", 呼ぶ<棋譜欄を閉じる>, 局面::対局中},
    {"MIDORI", MIDORI_Click, 局面::変えた後},
    {"TATAMI", TATAMI_Click, 局面::対局中},
    {"TAKE", TAKE_Click, 局面::対局中},
    {"UCHU", UCHU_Click, 局面::対局中},
    {"RENGA", RENGA_Click, 局面::対局中},
    {"SIDOU", SIDOU_Click, 局面::対局中},
    {"SAISYUTE", SAISYUTE_Click, 局面::対局中},
    {"KEIKA", KEIKA_Click, 局面::対局中},
    {"BGM", BGM_Click, 局面::対局中},
    {"ANIME", ANIME_Click, 局面::対局中},
    {"KANJI", KANJI_Click, 局面::変えた後},
    {"KOKUSAI", KOKUSAI_Click, 局面::対局中},
    {"KAISETU", KAISETU_Click, 局面::対局中},
    {"VER", VER_Click, 局面::対局中},
    {"SHINKI", 呼ぶ<SHINKI_Click>, 局面::対局中},
    {"TOURYOU", 呼ぶ<TOURYOU_Click>, 局面::対局中},
    {"MODORU", 呼ぶ<REPLAY_Click>, 局面::対局中},
    {"SUSUMU", 呼ぶ<AFTER_Click>, 局面::対局中},
};

bool 開くだけ(Handler h) { return h == 呼ぶ<棋譜欄を閉じる>; }

TEST(Menu, EveryItemRunsItsOwnHandlerAndNoOther) {
  WorkDir dir("menu");
  // What each handler does from each position, worked out once.
  std::map<std::pair<Handler, 局面>, std::string> 結果;
  auto run = [&](Handler h, 局面 from) -> const std::string& {
    auto it = 結果.find({h, from});
    if (it != 結果.end()) return it->second;
    FakeWindow w;
    用意(w, from);
    h(w.f());
    return 結果[{h, from}] = 跡(w);
  };

  std::set<std::string_view> acting;
  for (const メニュー項目& item : メニュー一覧())
    if (item.handler) acting.insert(item.name);
  std::set<std::string_view> tried;
  for (const 項目& x : 項目一覧) {
    tried.insert(x.name);
    const メニュー項目* item = メニュー項目_検索(x.name);
    ASSERT_TRUE(item && item->handler) << x.name;
    FakeWindow w;
    用意(w, x.from);
    item->handler(w.f());
    const std::string done = 跡(w);
    EXPECT_EQ(done, run(x.handler, x.from)) << x.name;
    for (const 項目& y : 項目一覧) {
      if (y.handler != x.handler && !(開くだけ(y.handler) && 開くだけ(x.handler))) {
        EXPECT_NE(done, run(y.handler, x.from)) << x.name << " does what " << y.name << " does";
      }
    }
  }
  EXPECT_EQ(tried, acting);  // every item that acts is tried
}

// A check mark follows what its item changed.
TEST(Menu, EveryCheckMarkFollowsItsItem) {
  WorkDir dir("marks");
  for (const 項目& x : 項目一覧) {
    const メニュー項目* item = メニュー項目_検索(x.name);
    if (!item->checked) continue;
    FakeWindow w;
    用意(w, x.from);
    const bool before = item->checked(w.f());
    item->handler(w.f());
    EXPECT_NE(item->checked(w.f()), before) << x.name;
  }
}

}  // namespace
}  // namespace velmora
