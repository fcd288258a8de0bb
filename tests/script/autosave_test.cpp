// velmora-script with --autosave, as the window keeps and offers the game:
// quit anywhere in any game of the corpus' kinds, start again and say Yes,
// and the state is the one left; the game goes on from there exactly as it
// would have gone on; killed at any moment, the game comes back at its last
// completed change, never in between.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string 読む(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void 書く(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

std::vector<std::string> 行(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

std::string つなぐ(const std::vector<std::string>& lines, std::size_t from = 0,
                   std::size_t to = std::string::npos) {
  std::string s;
  for (std::size_t i = from; i < std::min(to, lines.size()); ++i) s += lines[i] + "\n";
  return s;
}

// A scenario of the corpus: its events (comments and blank lines left out),
// its options and the files it brings.
struct 台本 {
  std::string name;
  std::vector<std::string> events;
  std::string args;
  fs::path files;
};

std::vector<台本> コーパス() {
  std::vector<台本> all;
  for (const auto& e : fs::directory_iterator(VELMORA_CORPUS)) {
    if (e.path().extension() != ".txt") continue;
    台本 s;
    s.name = e.path().stem().string();
    for (const std::string& l : 行(読む(e.path()))) {
      const std::size_t first = l.find_first_not_of(" \t\r");
      if (first != std::string::npos && l[first] != '#') s.events.push_back(l);
    }
    const fs::path args = e.path().parent_path() / (s.name + ".args");
    if (fs::exists(args)) {
      s.args = 読む(args);
      s.args.erase(s.args.find_last_not_of("\n\r ") + 1);
    }
    s.files = e.path().parent_path() / (s.name + ".files");
    all.push_back(std::move(s));
  }
  std::sort(all.begin(), all.end(), [](const 台本& a, const 台本& b) { return a.name < b.name; });
  return all;
}

class ScriptAutosave : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every change of the game flushes the kept file to the disk, and these
    // tests make thousands of them: a flush proves nothing here (a kill loses
    // no page the program has written), so the files live in memory when the
    // machine has a folder for that.
    std::error_code ec;
    const char* root = std::getenv("VELMORA_TEST_TMP");
    if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0)
      base = fs::path("/dev/shm") / ("velmora-script-autosave-" + std::to_string(::getpid()));
    else
      base = fs::path(root && *root ? root : "/tmp/velmora-test") / "script_autosave";
    fs::remove_all(base, ec);
    fs::create_directories(base);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(base, ec);
  }
  // A fresh working folder with the scenario's files and a folder to keep the game in.
  fs::path 作業場所(const 台本& s) {
    const fs::path work = base / ("w" + std::to_string(++count));
    fs::create_directories(work / "keep");
    if (fs::exists(s.files)) fs::copy(s.files, work, fs::copy_options::recursive);
    return work;
  }
  // velmora-script in `work`, keeping the game in work/keep: its standard output.
  std::string 走らせる(const fs::path& work, const std::string& args, const std::string& script) {
    書く(work / "script.txt", script);
    const std::string command = "cd '" + work.string() + "' && '" VELMORA_SCRIPT "' " + args +
                                " --autosave keep script.txt >out 2>err";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    return 読む(work / "out");
  }
  fs::path base;
  int count = 0;
};

// The last state line of an output, or nothing.
std::string 最後のdump(const std::string& out) {
  std::string last;
  for (const std::string& l : 行(out))
    if (l.starts_with("dump ")) last = l;
  return last;
}

// The question at the start, in either language of the corpus.
bool 問いか(const std::string& line) {
  return line == "box 前回の対局|前回の対局を続けますか？|yesno=yes" ||
         line == "box Previous game|Continue the previous game?|yesno=yes";
}
bool 問われた(const std::string& out) {
  const std::vector<std::string> lines = 行(out);
  return std::any_of(lines.begin(), lines.end(), 問いか);
}

// Places to stop a scenario at: every event of a short one, a dozen of a long one.
std::vector<std::size_t> 切れ目(const 台本& s, std::mt19937& rng) {
  std::vector<std::size_t> cuts;
  const std::size_t n = s.events.size();
  if (n <= 14) {
    for (std::size_t k = 1; k <= n; ++k) cuts.push_back(k);
  } else {
    for (int i = 0; i < 12; ++i) cuts.push_back(1 + rng() % n);
    cuts.push_back(n);
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  return cuts;
}

TEST_F(ScriptAutosave, TheDumpBeforeQuittingIsTheDumpAfterTakingTheGameUp) {
  std::mt19937 rng(22);
  int compared = 0;
  for (const 台本& s : コーパス()) {
    for (const std::size_t k : 切れ目(s, rng)) {
      const fs::path work = 作業場所(s);
      const std::string before =
          最後のdump(走らせる(work, s.args, つなぐ(s.events, 0, k) + "dump\nkey 27\n"));
      // The scenario ended itself before; a piece picked up is the hand's, not the game's.
      if (before.empty() || before.find(" sentaku=1 ") != std::string::npos) continue;
      const std::string out = 走らせる(work, s.args, "answer yes\ndump\n");
      if (!問われた(out)) continue;  // no moves, or a game over: not offered
      EXPECT_EQ(最後のdump(out), before) << s.name << " stopped after event " << k;
      ++compared;
    }
  }
  EXPECT_GE(compared, 100);
}

// Stopped anywhere and taken up again, a game goes on exactly as it would
// have gone on: the computer answers the same, the clocks count the same.
TEST_F(ScriptAutosave, AGameTakenUpGoesOnAsIfNeverLeft) {
  std::mt19937 rng(23);
  int compared = 0;
  for (const 台本& s : コーパス()) {
    const fs::path whole = 作業場所(s);
    const std::vector<std::string> all = 行(走らせる(whole, s.args, つなぐ(s.events)));
    for (const std::size_t k : 切れ目(s, rng)) {
      if (k == s.events.size()) continue;
      // Not where the record panel is in use (its folder and boxes are the
      // window's, not the game's), nor after an answer queued for a box to come.
      bool panel = false;
      for (std::size_t i = 0; i < k; ++i) {
        const std::string& e = s.events[i];
        if (e.starts_with("dir ") || e.starts_with("set ") || e == "menu KIFU_WRITE" || e == "menu KIFU_READ")
          panel = true;
      }
      if (panel || s.events[k - 1].starts_with("answer")) continue;
      const fs::path work = 作業場所(s);
      const std::vector<std::string> first =
          行(走らせる(work, s.args, つなぐ(s.events, 0, k) + "dump\nkey 27\n"));
      if (first.size() < 2 || first.back() != "quit" || !first[first.size() - 2].starts_with("dump ") ||
          first[first.size() - 2].find(" sentaku=1 ") != std::string::npos)
        continue;
      const std::vector<std::string> second =
          行(走らせる(work, s.args, "answer yes\n" + つなぐ(s.events, k)));
      const auto asked = std::find_if(second.begin(), second.end(), 問いか);
      if (asked == second.end()) continue;
      std::vector<std::string> joined(first.begin(), first.end() - 2);
      joined.insert(joined.end(), asked + 1, second.end());
      EXPECT_EQ(joined, all) << s.name << " stopped after event " << k;
      ++compared;
    }
  }
  EXPECT_GE(compared, 40);
}

// Random games of every kind, with the new menu items among the events.
TEST_F(ScriptAutosave, RandomGamesComeBackAsTheyWereLeft) {
  std::mt19937 rng(2026);
  const char* starts[] = {"menu START", "menu LEVEL1\nmenu SENTE", "menu LEVEL2\nmenu GOTE",
                          "menu LBEL_UP\nmenu LEVEL1\nmenu SENTE", "menu LEBEL_DOWN\nmenu START"};
  const char* menus[] = {"REPLAY", "AFTER",  "MODORU", "SUSUMU", "REVERSE",
                         "LEVEL1", "LEVEL3", "KEIKA",  "SHINKI"};
  const 台本 none;
  int compared = 0;
  for (int game = 0; game < 60; ++game) {
    std::string script = std::string(starts[game % 5]) + "\n";
    const int events = 10 + int(rng() % 40);
    for (int i = 0; i < events; ++i) {
      const unsigned r = rng() % 100;
      if (r < 70) {
        const int x = 1 + int(rng() % 9), y = 1 + int(rng() % 9);
        script += "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
        script += "click " + std::to_string(std::clamp(x + int(rng() % 5) - 2, 1, 9)) + " " +
                  std::to_string(std::clamp(y + int(rng() % 7) - 3, 1, 9)) + (rng() % 4 ? "" : " right") +
                  "\n";
      } else if (r < 80) {
        script += "wait " + std::to_string(rng() % 50) + "." + std::to_string(rng() % 4 * 25) + "\ntick\n";
      } else {
        script += std::string("menu ") + menus[rng() % std::size(menus)] + "\n";
      }
    }
    const fs::path work = 作業場所(none);
    const std::string before = 最後のdump(走らせる(work, "", script + "dump\nkey 27\n"));
    if (before.find(" sentaku=1 ") != std::string::npos) continue;
    const std::string out = 走らせる(work, "", "answer yes\ndump\n");
    if (!問われた(out)) continue;
    EXPECT_EQ(最後のdump(out), before) << script;
    ++compared;
  }
  EXPECT_GE(compared, 20);
}

// A dump after every event of a long game; the program killed at a random
// moment; taken up again, the game is the one of the last event it finished
// (or of the one it was finishing, if its write was done), never anything
// between two events.
TEST_F(ScriptAutosave, KilledAtAnyMomentTheGameComesBackAtItsLastCompletedChange) {
  const fs::path game_file = fs::path(VELMORA_CORPUS) / "record_full_at_500.txt";
  std::vector<std::string> events;
  for (const std::string& l : 行(読む(game_file)))
    if (!l.empty() && l[0] != '#' && events.size() < 240) events.push_back(l);
  std::string script;
  for (const std::string& e : events) script += e + "\ndump\n";
  const 台本 none;
  // Every state the game passes through, with the hand's pick left out.
  const auto 手を除く = [](std::string d) {
    const std::size_t at = d.find(" sentaku=");
    if (at != std::string::npos) d[at + 9] = '0';
    return d;
  };
  std::vector<std::string> states;
  {
    const fs::path work = 作業場所(none);
    for (const std::string& l : 行(走らせる(work, "", script)))
      if (l.starts_with("dump ")) states.push_back(手を除く(l));
  }
  ASSERT_EQ(states.size(), events.size());
  std::mt19937 rng(9);
  int resumed = 0;
  for (int round = 0; round < 30; ++round) {
    const fs::path work = 作業場所(none);
    書く(work / "script.txt", script);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::chdir(work.c_str());
      ::freopen("out", "w", stdout);
      ::execl(VELMORA_SCRIPT, VELMORA_SCRIPT, "--autosave", "keep", "script.txt",
              static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::usleep(5000 + rng() % 60000);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    // Whole lines only: the kill may cut the last one short.
    std::string printed_out = 読む(work / "out");
    printed_out.erase(printed_out.rfind('\n') + 1);
    int printed = 0;
    for (const std::string& l : 行(printed_out)) printed += l.starts_with("dump ");
    const std::string out = 走らせる(work, "", "answer yes\ndump\n");
    if (!問われた(out)) continue;  // killed before the first move was made
    const std::string back = 手を除く(最後のdump(out));
    // The last state printed, or the one after it if its write was done.
    const bool last = printed >= 1 && back == states[printed - 1];
    const bool next = printed < int(states.size()) && back == states[printed];
    EXPECT_TRUE(last || next) << "round " << round << ": " << printed << " states printed, came back as "
                              << back.substr(0, 80);
    ++resumed;
  }
  EXPECT_GE(resumed, 10);
}

}  // namespace
