// velmora-script: runs the window's logic without a window. Reads events, one
// a line, from FILE or standard input, and prints what a person would have
// seen (message boxes, sounds) and, on request, the game state, each event's
// output as soon as the event has been handled.
//
//   velmora-script [--lang LANG] [--autosave DIR] [--] [FILE | -]
//   velmora-script --help | --version
//
// Its texts are the Japanese ones under any locale, so that its output stays
// what scripts compare with; --lang shows them in another language.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "game/language.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "input/record_panel.hpp"
#include "script/fakes.hpp"
#include "script/lines.hpp"
#include "view/drawing.hpp"
#include "window/menu.hpp"
#include "window/recent.hpp"
#include "window/startup.hpp"

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

// The one thing that happens in the game that the runner prints besides boxes
// and sounds: a hint, as its line.
class HintPrinter final : public 知らせの受け手 {
 public:
  explicit HintPrinter(const Form1& f) : f_(f) {}
  void 知らせ(const 対局の知らせ& e) override {
    if (e.種類 == 出来事::ヒント) std::cout << hint_line(f_, e) << '\n';
  }

 private:
  const Form1& f_;
};

class Runner {
 public:
  // With `keep`, the game in play is kept in that folder as the window keeps
  // it, and the game kept there is offered before the first event (after the
  // answers queued for it).
  Runner(言語 language, std::string keep) {
    w_.f().lang = std::move(language);
    w_.f().settings.保存先 = std::move(keep);
    offer_ = !w_.f().settings.保存先.empty();
    w_.dialogs.out = &std::cout;
    w_.sound.out = &std::cout;
    w_.canvas.recording = false;
    w_.f().p.moves = nullptr;   // nothing is drawn, so no move list is shown
    w_.f().p.events = &hints_;  // and only the hints are heard
    w_.thinker.局面数 = 0;      // levels 4 and 5 think by each level's own node budget
    Form_Load(w_.f());
  }

  // Returns false once the program has ended.
  bool event(std::string_view line, int number) {
    auto fields = split_fields(line, 0);
    if (fields.empty() || fields[0].front() == '#') return true;
    const std::string_view ev = fields[0];
    Form1& f = w_.f();
    if (ev != "answer") offer();

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
      時計の刻み(f);
    } else if (ev == "set") {
      auto set_fields = split_fields(line, 3);
      if (set_fields.size() < 2) return error(number, "set takes a control and a text");
      // The panel's boxes by the names the form gave them.
      static const std::unordered_map<std::string_view, 棋譜の欄> controls = {{"Text1", 棋譜の欄::ファイル名},
                                                                              {"Text2", 棋譜の欄::対局名},
                                                                              {"Text3", 棋譜の欄::先手},
                                                                              {"Text4", 棋譜の欄::後手}};
      auto it = controls.find(set_fields[1]);
      if (it == controls.end()) return error(number, "unknown control");
      w_.record.set_text(it->second, set_fields.size() == 3 ? set_fields[2] : std::string_view());
    } else if (ev == "dir") {
      auto dir_fields = split_fields(line, 2);
      if (dir_fields.size() != 2) return error(number, "dir takes a path");
      フォルダ_変更(f, dir_fields[1]);
    } else if (ev == "press") {
      if (fields.size() != 2 || fields[1] != "Command1") return error(number, "press takes Command1");
      棋譜を書く(f);
    } else if (ev == "open") {
      auto open_fields = split_fields(line, 2);
      if (open_fields.size() != 2) return error(number, "open takes a file name");
      棋譜を開く(f, open_fields[1]);
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

  // The kept game offered, once.
  void offer() {
    if (!std::exchange(offer_, false)) return;
    前回の対局_確認(w_.f());
    std::cout.flush();
  }

  // A line that is no event: said on standard error, and the script goes on.
  static bool error(int number, std::string_view reason) {
    std::cerr << "error " << number << ": " << reason << '\n';
    return true;
  }

 private:
  FakeWindow w_;
  HintPrinter hints_{w_.f()};
  bool offer_ = false;
};

constexpr std::string_view kUsage = "Usage: velmora-script [--lang LANG] [--autosave DIR] [FILE]\n";

void help() {
  std::cout << kUsage
            << "Play Velmora without a window: read events, one a line, from FILE (standard\n"
               "input without it, or when it is \"-\"), run them as the window would, and print\n"
               "every message box, every sound and, on request, the state of the game. The\n"
               "output of each event is written as soon as the event has been handled.\n"
               "\n"
               "      --lang LANG  print the game's texts in LANG (ja, en, or a locale name\n"
               "                   such as en_GB.UTF-8) instead of Japanese\n"
               "      --autosave DIR  keep the game in play in DIR/autosave after every change,\n"
               "                   as the window keeps it, and offer the game kept there\n"
               "                   before the first event (1.1)\n"
               "      --           end the options: what follows is FILE, whatever it looks like\n"
               "  -h, --help       print this help and exit (1.0)\n"
               "  -v, --version    print the version and exit (1.0)\n"
               "\n"
               "Since 1.0 the options may come in any order before FILE, \"-\" names standard\n"
               "input, LANG may be a locale name, more than one FILE is refused, and each\n"
               "event's output is written at once. Since 1.1 \"menu LEVEL4\" and \"menu LEVEL5\"\n"
               "choose the deep levels, which search by a fixed number of positions, not by\n"
               "time, and \"menu HINT\" prints \"hint MOVE\": the move level 5 would play for the\n"
               "side to move, in the move list's notation. --autosave keeps the game, and the\n"
               "menu has SHINKI (new game), TOURYOU (resign), MODORU and SUSUMU.\n"
               "See velmora-script(6) for the events and the output.\n";
}

int usage_error(std::string_view what) {
  std::cerr << "velmora-script: " << what << "\nTry 'velmora-script --help' for more information.\n";
  return 2;
}

// The system's words for a file that cannot be read.
int unreadable(std::string_view file, int error) {
  std::cout.flush();
  std::cerr << "velmora-script: cannot read " << file << ": " << std::strerror(error) << '\n';
  return 2;
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  using namespace velmora;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  std::optional<std::string_view> lang, file, keep;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (file) return usage_error("only one script can be read: '" + std::string(a) + "'");
    if (a == "--") {
      if (i + 1 < args.size()) file = args[++i];
      if (i + 1 < args.size())
        return usage_error("only one script can be read: '" + std::string(args[i + 1]) + "'");
      break;
    }
    if (a == "-h" || a == "--help") {
      help();
      return 0;
    }
    if (a == "-v" || a == "--version") {
      std::cout << "velmora-script " VELMORA_VERSION
                   "\n"
                   "Copyright (C) 2026 The Velmora developers.\n"
                   "License MIT: this is free software; you are free to change and redistribute it.\n"
                   "There is NO WARRANTY, to the extent permitted by law.\n";
      return 0;
    }
    if (a == "--lang" || a.starts_with("--lang=")) {
      if (a == "--lang" && i + 1 == args.size()) return usage_error("--lang needs a language");
      lang = a == "--lang" ? args[++i] : a.substr(7);
      continue;
    }
    if (a == "--autosave" || a.starts_with("--autosave=")) {
      if (a == "--autosave" && i + 1 == args.size()) return usage_error("--autosave needs a folder");
      keep = a == "--autosave" ? args[++i] : a.substr(11);
      continue;
    }
    if (a.size() > 1 && a.front() == '-') return usage_error("unknown option '" + std::string(a) + "'");
    file = a;
  }

  言語 language;
  if (lang) {
    if (lang->empty()) return usage_error("--lang needs a language");
    std::string damaged;
    const std::vector<std::string> candidates = 言語名の候補(*lang);
    if (candidates.empty() || !言語_設定(language, candidates, &damaged)) {
      if (!damaged.empty()) {
        std::cerr << "velmora-script: the catalogue for '" << *lang << "' is damaged: " << damaged << '\n';
        return 2;
      }
      std::string known;
      for (const std::string& name : 言語一覧()) known += (known.empty() ? "" : ", ") + name;
      return usage_error("no translation into '" + std::string(*lang) + "' (there are: " + known + ")");
    }
  }

  // Standard input, or the file: any file that can be read, a FIFO as well;
  // a directory is refused before the game starts.
  int fd = STDIN_FILENO;
  const std::string_view name = file && *file != "-" ? *file : "standard input";
  if (file && *file != "-") {
    fd = ::open(std::string(*file).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      std::cerr << "velmora-script: cannot open " << *file << ": " << std::strerror(errno) << '\n';
      return 2;
    }
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) return unreadable(name, EISDIR);

  if (keep) {
    std::error_code ec;
    if (keep->empty() || !std::filesystem::is_directory(std::string(*keep), ec))
      return usage_error("--autosave needs a folder: '" + std::string(*keep) + "'");
  }

  Runner runner(std::move(language), keep ? std::string(*keep) : std::string());
  std::cout.flush();
  行読込 lines = script_lines([fd](char* to, std::size_t n) { return ::read(fd, to, n); });
  std::string line;
  for (int number = 1;; ++number) {
    const 行読込::結果 r = lines.次(line);
    if (r == 行読込::結果::終わり) break;
    if (r == 行読込::結果::読込誤り) return unreadable(name, lines.誤り());
    const bool going_on =
        r == 行読込::結果::長すぎ
            ? Runner::error(number, "line longer than " + std::to_string(kLongestScriptLine) + " bytes")
            : runner.event(line, number);
    // Each event's output at once, for a program that reads it before it
    // writes the next event.
    std::cout.flush();
    if (!going_on) return 0;
  }
  // A script of nothing but answers still meets the question.
  runner.offer();
  return 0;
}
