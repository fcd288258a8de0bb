// velmora-script driven by another program through pipes, line by line: send
// an event, read what it printed, and choose the next event from the board
// the dump shows. Each event's output must come as soon as the event has been
// handled, while the script's input is still open.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// velmora-script with both ends of its standard input and output held here.
class Driven {
 public:
  explicit Driven(const fs::path& dir) {
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) std::abort();
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(in[0], 0);
      ::dup2(out[1], 1);
      if (::chdir(dir.c_str()) != 0) ::_exit(127);
      ::execl(VELMORA_SCRIPT, "velmora-script", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    to_ = in[1];
    from_ = out[0];
  }
  ~Driven() {
    if (to_ >= 0) ::close(to_);
    ::close(from_);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }

  void send(const std::string& line) {
    const std::string bytes = line + "\n";
    ASSERT_EQ(::write(to_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  // The next line printed; empty when none came within a minute (a guard
  // against waiting for ever, not a measure of speed) or the output ended.
  std::string line() {
    for (;;) {
      if (const auto end = pending_.find('\n'); end != std::string::npos) {
        std::string l = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return l;
      }
      pollfd p{from_, POLLIN, 0};
      if (::poll(&p, 1, 60000) != 1) return {};
      char buffer[4096];
      const ssize_t n = ::read(from_, buffer, sizeof buffer);
      if (n <= 0) return {};
      pending_.append(buffer, static_cast<std::size_t>(n));
    }
  }

  // Sends `dump` and reads up to the state line; the lines before it go to `before`.
  std::string dump(std::vector<std::string>* before = nullptr) {
    send("dump");
    for (std::string l = line(); !l.empty(); l = line()) {
      if (l.starts_with("dump ")) return l;
      if (before) before->push_back(l);
    }
    return {};
  }

  void close_input() {
    ::close(to_);
    to_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int to_ = -1, from_ = -1;
  std::string pending_;
};

// One field of a state line: "tesuu" → "3"; "ban" → the 81 codes.
std::string field(const std::string& dump, const std::string& name) {
  std::istringstream words(dump);
  for (std::string w; words >> w;)
    if (w.starts_with(name + "=")) return w.substr(name.size() + 1);
  return {};
}

std::vector<int> board(const std::string& dump) {
  std::vector<int> codes;
  std::istringstream in(field(dump, "ban"));
  for (std::string c; std::getline(in, c, ',');) codes.push_back(std::stoi(c));
  return codes;
}

int at(const std::vector<int>& ban, int x, int y) { return ban[(x - 1) * 9 + (y - 1)]; }

TEST(ScriptThroughPipes, AnotherProgramPlaysByReadingEachDumpBeforeItsNextMove) {
  const char* root = std::getenv("VELMORA_TEST_TMP");
  const fs::path dir = fs::path(root && *root ? root : "/tmp/velmora-test") / "pipes";
  fs::remove_all(dir);
  fs::create_directories(dir);
  Driven script(dir);
  signal(SIGPIPE, SIG_IGN);

  script.send("menu START");
  std::vector<std::string> said;
  std::string state = script.dump(&said);
  ASSERT_FALSE(state.empty()) << "no answer to the first dump while the input was still open";
  EXPECT_EQ(said, (std::vector<std::string>{"sound BGM loop", "box  |先手の番です|ok"}));

  // Each side pushes the first pawn, from the right, that has room ahead of
  // it, as the board last printed shows it.
  for (int move = 1; move <= 8; ++move) {
    const std::vector<int> ban = board(state);
    ASSERT_EQ(ban.size(), 81u) << state;
    const bool bottom = field(state, "teban") == "1";
    const int pawn = bottom ? -10 : 10, ahead = bottom ? -1 : 1;
    int x = 0, y = 0;
    for (int cx = 9; cx >= 1 && !x; --cx)
      for (int cy = 1; cy <= 9 && !x; ++cy)
        if (at(ban, cx, cy) == pawn && cy + ahead >= 1 && cy + ahead <= 9 && at(ban, cx, cy + ahead) == 0) {
          x = cx;
          y = cy;
        }
    ASSERT_NE(x, 0) << state;
    script.send("click " + std::to_string(x) + " " + std::to_string(y));
    script.send("click " + std::to_string(x) + " " + std::to_string(y + ahead));
    said.clear();
    state = script.dump(&said);
    ASSERT_FALSE(state.empty()) << "no answer after move " << move;
    EXPECT_EQ(said, std::vector<std::string>{"sound KOMAUCHI"}) << move;
    EXPECT_EQ(field(state, "tesuu"), std::to_string(move));
    EXPECT_EQ(at(board(state), x, y + ahead), pawn) << move;
    EXPECT_EQ(at(board(state), x, y), 0) << move;
  }
  script.send("key 27");
  EXPECT_EQ(script.line(), "quit");
  script.close_input();
  EXPECT_EQ(script.line(), "");
}

}  // namespace
