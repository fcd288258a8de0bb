// velmora-script: runs the window's logic without a window. Reads events, one
// a line, from FILE or standard input, and prints what a person would have
// seen (message boxes, sounds) and, on request, the game state.
//
//   velmora-script [--lang LANG] [FILE]
//
// Its texts are the Japanese ones under any locale, so that its output stays
// what scripts compare with; --lang shows them in another language.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "options/language.hpp"
#include "record/record.hpp"
#include "script/fakes.hpp"
#include "script/lines.hpp"
#include "ui/clock.hpp"
#include "ui/drawing.hpp"
#include "ui/menu.hpp"
#include "ui/mouse_input.hpp"
#include "ui/startup.hpp"

namespace velmora {
namespace {

std::string dump_line(const Form1& f) {
  std::ostringstream o;
  char buf[64];
  const 対局& g = f.game;
  o << "dump teban=" << g.TEBAN << " syousya=" << g.SYOUSYA << " tesuu=" << g.TESUU
    << " hyoji=" << g.TESUU_HYOJI << " max=" << g.TESUU_MAX << " mode=" << g.TAISEN_MODE
    << " kifu=" << g.KIFU_MODE << " saikai=" << g.SAIKAI_MSG << " hanten=" << g.HANTEN
    << " hande=" << g.HANDE_LEVEL << " level=" << g.COM_LEVEL << " sentaku=" << f.pick.SENTAKU;
  std::snprintf(buf, sizeof buf, " man=%.3f com=%.3f", f.clock.MAN_JIKAN, f.clock.COM_JIKAN);
  o << buf << " ban=";
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) o << (x == 1 && y == 1 ? "" : ",") << f.pos.BAN[x][y];
  o << " sita=";
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) o << (k == MOTI_HU ? "" : ",") << f.pos.SITA_MOTI[k];
  o << " ue=";
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) o << (k == MOTI_HU ? "" : ",") << f.pos.UE_MOTI[k];
  return o.str();
}

class Runner {
 public:
  explicit Runner(言語 language) {
    w_.f().lang = std::move(language);
    w_.dialogs.out = &std::cout;
    w_.sound.out = &std::cout;
    w_.canvas.recording = false;
    w_.f().p.moves = nullptr;  // nothing is drawn, so no move list is worked out
    Form_Load(w_.f());
  }

  // Returns false once the program has ended.
  bool event(std::string_view line, int number) {
    auto fields = split_fields(line, 0);
    if (fields.empty() || fields[0].front() == '#') return true;
    const std::string_view ev = fields[0];
    Form1& f = w_.f();

    if (ev == "menu") {
      if (fields.size() != 2) return error(number, "menu takes one name");
      const メニュー項目* item = メニュー項目_検索(fields[1]);
      if (!item || !item->handler) return error(number, "unknown menu item");
      item->handler(f);
    } else if (ev == "click") {
      if (fields.size() < 3 || fields.size() > 4) return error(number, "click takes X Y [button]");
      double x = 0, y = 0;
      if (!parse_number(fields[1], x) || !parse_number(fields[2], y))
        return error(number, "click needs numbers");
      if (x < -3 || x > 15 || y < -1 || y > 11) return error(number, "cell out of range");
      int button = HIDARI_BUTTON;
      if (fields.size() == 4) {
        if (fields[3] == "left")
          button = 1;
        else if (fields[3] == "right")
          button = 2;
        else if (fields[3] == "middle")
          button = 4;
        else
          return error(number, "unknown button");
      }
      Form_MouseDown(f, button, 0, BAN_LEFT + MASU_W * x + MASU_W / 2.0, BAN_TOP + MASU_H * y + MASU_H / 2.0);
    } else if (ev == "key") {
      int code = 0;
      if (fields.size() != 2 || !parse_number(fields[1], code)) return error(number, "key takes a code");
      Form_KeyPress(f, code);
    } else if (ev == "answer") {
      if (fields.size() != 2 || (fields[1] != "yes" && fields[1] != "no"))
        return error(number, "answer takes yes or no");
      w_.dialogs.answers.push_back(fields[1] == "yes");
    } else if (ev == "wait") {
      double s = 0;
      if (fields.size() != 2 || !parse_number(fields[1], s) || s < 0)
        return error(number, "wait takes seconds");
      w_.clock.advance(s);
    } else if (ev == "tick") {
      if (fields.size() != 1) return error(number, "tick takes nothing");
      Timer1_Timer(f);
    } else if (ev == "set") {
      auto set_fields = split_fields(line, 3);
      if (set_fields.size() < 2) return error(number, "set takes a control and a text");
      static const std::unordered_map<std::string_view, int> controls = {
          {"Text1", 1}, {"Text2", 2}, {"Text3", 3}, {"Text4", 4}};
      auto it = controls.find(set_fields[1]);
      if (it == controls.end()) return error(number, "unknown control");
      w_.record.set_text(it->second, set_fields.size() == 3 ? set_fields[2] : std::string_view());
    } else if (ev == "dir") {
      auto dir_fields = split_fields(line, 2);
      if (dir_fields.size() != 2) return error(number, "dir takes a path");
      Dir1_Change(f, dir_fields[1]);
    } else if (ev == "press") {
      if (fields.size() != 2 || fields[1] != "Command1") return error(number, "press takes Command1");
      Command1_Click(f);
    } else if (ev == "open") {
      auto open_fields = split_fields(line, 2);
      if (open_fields.size() != 2) return error(number, "open takes a file name");
      File1_Click(f, open_fields[1]);
    } else if (ev == "dump") {
      std::cout << dump_line(f) << '\n';
    } else {
      return error(number, "unknown event");
    }

    if (w_.desktop.quit_requested) {
      std::cout << "quit\n";
      return false;
    }
    return true;
  }

 private:
  static bool error(int number, std::string_view reason) {
    std::cerr << "error " << number << ": " << reason << '\n';
    return true;
  }

  FakeWindow w_;
};

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  velmora::言語 language;
  if (args.size() >= 2 && args[0] == "--lang") {
    if (!velmora::言語_設定(language, {std::string(args[1])})) {
      std::cerr << "velmora-script: no translation into '" << args[1] << "'\n";
      return 2;
    }
    args.erase(args.begin(), args.begin() + 2);
  }
  std::ifstream file;
  std::istream* in = &std::cin;
  if (!args.empty()) {
    file.open(std::string(args[0]), std::ios::binary);
    if (!file) {
      std::cerr << "velmora-script: cannot open " << args[0] << '\n';
      return 2;
    }
    in = &file;
  }
  velmora::Runner runner(std::move(language));
  std::string line;
  int number = 0;
  while (velmora::read_script_line(*in, line)) {
    ++number;
    if (!runner.event(line, number)) break;
  }
  std::cout.flush();
  return 0;
}
