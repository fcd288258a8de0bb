// Files: opening one to read without waiting on what is no file, reading one
// line by line, and replacing one whole: what stays of the file replaced,
// and what never stays beside it.
#include "format/files.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

struct ReplacingAFile : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    const char* root = std::getenv("VELMORA_TEST_TMP");
    dir = fs::path(root && *root ? root : "/tmp/velmora-test") / "files" /
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  std::string read(const fs::path& p) const {
    std::ifstream in(dir / p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void write(const fs::path& p, std::string_view bytes) const {
    std::ofstream(dir / p, std::ios::binary) << bytes;
  }
  std::set<std::string> names() const {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
    return out;
  }
  mode_t mode(const fs::path& p) const {
    struct stat st {};
    ::stat((dir / p).c_str(), &st);
    return st.st_mode & 07777;
  }
};

TEST_F(ReplacingAFile, KeepsModeAndOwnerAndWritesThroughSymbolicLinks) {
  write("private", "old");
  fs::permissions(dir / "private", fs::perms::owner_read | fs::perms::owner_write);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown((dir / "private").c_str(), 4321, 4322), 0);
  }
  ASSERT_EQ(ファイル_置換(dir / "private", "new"), "");
  EXPECT_EQ(read("private"), "new");
  EXPECT_EQ(mode("private"), 0600u);
  struct stat st {};
  ::stat((dir / "private").c_str(), &st);
  EXPECT_EQ(st.st_uid, root ? 4321u : ::geteuid());
  EXPECT_EQ(st.st_gid, root ? 4322u : ::getegid());

  // A new file gets 0666 less the umask.
  const mode_t mask = ::umask(027);
  EXPECT_EQ(ファイル_置換(dir / "fresh", "x"), "");
  ::umask(mask);
  EXPECT_EQ(mode("fresh"), 0640u);

  // Links relative to their own folder, one dangling: the files they name are
  // written, the links stay.
  fs::create_directory(dir / "sub");
  write("sub/real", "old");
  fs::create_symlink("sub/real", dir / "link");
  fs::create_symlink("link", dir / "link2");
  fs::create_symlink("sub/none", dir / "dangling");
  EXPECT_EQ(ファイル_置換(dir / "link2", "through"), "");
  EXPECT_EQ(ファイル_置換(dir / "dangling", "made"), "");
  EXPECT_TRUE(fs::is_symlink(dir / "link") && fs::is_symlink(dir / "link2") &&
              fs::is_symlink(dir / "dangling"));
  EXPECT_EQ(read("sub/real"), "through");
  EXPECT_EQ(read("sub/none"), "made");
  EXPECT_EQ(names(), (std::set<std::string>{"dangling", "fresh", "link", "link2", "private", "sub"}));
}

TEST_F(ReplacingAFile, ANameAsLongAsTheFileSystemTakesIsWritten) {
  const long most = ::pathconf(dir.c_str(), _PC_NAME_MAX);
  ASSERT_GT(most, 20);
  std::string kanji;  // three bytes each: the temporary's name is cut between characters
  while (kanji.size() + 3 <= static_cast<std::size_t>(most)) kanji += "将";
  for (const std::string& name : {std::string(most, 'a'), kanji}) {
    EXPECT_EQ(ファイル_置換(dir / name, "x"), "") << name.size();
    EXPECT_EQ(ファイル_置換(dir / name, "y"), "") << name.size();
    EXPECT_EQ(read(name), "y");
  }
  EXPECT_EQ(names().size(), 2u);
}

// A save killed while it writes leaves the old file and nothing else; where
// the file system cannot write without a name, the next save of that file
// clears what the killed one left, and only that.
TEST_F(ReplacingAFile, ASaveKilledMidwayLeavesNothingBehind) {
  write("game", "old");
  write(".game.backup", "mine");
  write(".game.velmora-abc12", "mine too");  // not six characters: not ours
  const std::set<std::string> before = names();
  for (bool unnamed : {true, false}) {
    ファイル書込操作 dying;
    dying.名無し = unnamed;
    dying.write = [](int, const void*, std::size_t) -> ssize_t { return ::raise(SIGKILL); };
    EXPECT_EXIT(ファイル_置換(dir / "game", "new", dying), ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(read("game"), "old");
    EXPECT_EQ(names().size(), before.size() + (unnamed ? 0 : 1)) << unnamed;
    ファイル書込操作 io;
    io.名無し = unnamed;
    ASSERT_EQ(ファイル_置換(dir / "game", "old", io), "");
    EXPECT_EQ(names(), before);
  }
}

// Every way the disk can refuse the bytes: the reason comes back, the old
// file stays, no temporary stays.
TEST_F(ReplacingAFile, AFailingWriteFlushOrCloseKeepsTheOldFile) {
  write("game", "old");
  ファイル書込操作 full, half_then_full, flush, close;
  full.write = [](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
  half_then_full.write = [](int fd, const void* b, std::size_t n) -> ssize_t {
    return ::lseek(fd, 0, SEEK_CUR) == 0 ? ::write(fd, b, n / 2) : (errno = ENOSPC, -1);
  };
  flush.fsync = [](int) { return errno = EIO, -1; };
  close.close = [](int fd) { return ::close(fd), errno = EIO, -1; };
  for (bool unnamed : {true, false})
    for (auto* io : {&full, &half_then_full, &flush, &close}) {
      io->名無し = unnamed;
      const std::string reason = ファイル_置換(dir / "game", "new contents", *io);
      EXPECT_EQ(reason, std::strerror(io == &full || io == &half_then_full ? ENOSPC : EIO));
      EXPECT_EQ(read("game"), "old");
      EXPECT_EQ(names(), std::set<std::string>{"game"});
    }
}

// A limit on file sizes (ulimit -f) refuses the bytes as a full disk does:
// the reason comes back, the old file stays, nothing stays beside it, and the
// process lives on (the limit used to end it with SIGXFSZ).
TEST_F(ReplacingAFile, AFileSizeLimitFailsTheWriteInsteadOfEndingTheProcess) {
  write("game", "old");
  for (bool unnamed : {true, false}) {
    ファイル書込操作 io;
    io.名無し = unnamed;
    auto save_past_the_limit = [&] {
      const rlimit small{1000, RLIM_INFINITY};
      ::setrlimit(RLIMIT_FSIZE, &small);
      const std::string reason = ファイル_置換(dir / "game", std::string(5000, 'x'), io);
      std::exit(reason == std::strerror(EFBIG) ? 0 : 1);
    };
    EXPECT_EXIT(save_past_the_limit(), ::testing::ExitedWithCode(0), "") << unnamed;
    EXPECT_EQ(read("game"), "old");
    EXPECT_EQ(names(), std::set<std::string>{"game"});
  }
}

// A target that is no regular file — a FIFO, a socket, a folder, a device, or
// a link to one of them — is refused with 通常のファイルでない before anything
// is written: it stays what it was and nothing stays beside it.
TEST_F(ReplacingAFile, WhatIsNoRegularFileIsNeverReplaced) {
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_directory(dir / "folder");
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = (dir / "socket").string();
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  socket_path.copy(address.sun_path, socket_path.size());
  ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  fs::create_symlink("fifo", dir / "to_fifo");
  std::vector<std::string> targets{"fifo", "folder", "socket", "to_fifo"};
  // A device node of its own (the null device's numbers), where the process may make one.
  if (::mknod((dir / "device").c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0) targets.push_back("device");
  const std::set<std::string> before = names();
  for (const std::string& target : targets) {
    EXPECT_EQ(ファイル_置換(dir / target, "new"), 通常のファイルでない) << target;
    EXPECT_EQ(names(), before) << target;
  }
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  EXPECT_TRUE(fs::is_directory(dir / "folder") && fs::is_empty(dir / "folder"));
  EXPECT_TRUE(fs::is_socket(dir / "socket"));
  EXPECT_TRUE(fs::is_symlink(dir / "to_fifo"));
  if (targets.back() == "device") {
    EXPECT_TRUE(fs::is_character_file(dir / "device"));
  }
  ::close(s);
}

// Reading: a regular file, or a link to one, opens; a FIFO nobody writes to,
// a device, a folder or a socket is refused at once (it would wait, or is no
// file), and a missing file gives its reason.
TEST_F(ReplacingAFile, OnlyARegularFileIsOpenedToBeRead) {
  write("plain", "bytes");
  fs::create_symlink("plain", dir / "link");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_directory(dir / "folder");
  for (const char* name : {"plain", "link"}) {
    読込ファイル file(dir / name);
    ASSERT_TRUE(file.開いた()) << name;
    char buffer[16];
    EXPECT_EQ(file.読む(buffer, sizeof buffer), 5) << name;
    EXPECT_EQ(file.読む(buffer, sizeof buffer), 0) << name;
    EXPECT_EQ(読込_ファイル全体(dir / name), "bytes");
  }
  for (const fs::path& path : {dir / "fifo", dir / "folder", fs::path("/dev/null"), fs::path("/dev/zero")}) {
    読込ファイル file(path);
    EXPECT_FALSE(file.開いた()) << path;
    EXPECT_TRUE(file.通常でない()) << path;
    EXPECT_EQ(読込_ファイル全体(path), std::nullopt) << path;
  }
  読込ファイル missing(dir / "missing");
  EXPECT_FALSE(missing.開いた());
  EXPECT_FALSE(missing.通常でない());
  EXPECT_EQ(missing.誤り(), ENOENT);
  EXPECT_EQ(読込_ファイル全体(dir / "plain", 4), std::nullopt);  // more than it may hold
  EXPECT_EQ(読込_ファイル全体(dir / "plain", 5), "bytes");
}

// The bytes of `text` handed over at most `piece` at a time, counting how
// many were asked for.
struct Pieces {
  std::string text;
  std::size_t piece;
  std::size_t at = 0, calls = 0;
  ssize_t operator()(char* to, std::size_t n) {
    ++calls;
    const std::size_t count = std::min({n, piece, text.size() - at});
    text.copy(to, count, at);
    at += count;
    return static_cast<ssize_t>(count);
  }
};

std::vector<std::string> all_lines(const std::string& text, std::size_t piece, std::size_t most) {
  Pieces pieces{text, piece};
  行読込 reader(std::ref(pieces), most);
  std::vector<std::string> out;
  std::string line;
  for (行読込::結果 r; (r = reader.次(line)) != 行読込::結果::終わり;)
    out.push_back(r == 行読込::結果::長すぎ ? "<too long>" : line);
  return out;
}

TEST(LineReader, LinesEndAtLfCrLfOrALoneCrHoweverTheBytesArrive) {
  const std::string text = "one\r\ntwo\rthree\n\nfour\r\r\nfive";
  const std::vector<std::string> lines{"one", "two", "three", "", "four", "", "five"};
  for (std::size_t piece : {1, 2, 3, 5, 64}) EXPECT_EQ(all_lines(text, piece, 100), lines) << piece;
  EXPECT_EQ(all_lines("", 1, 100), std::vector<std::string>{});
  EXPECT_EQ(all_lines("\r\n", 1, 100), std::vector<std::string>{""});
  EXPECT_EQ(all_lines("a\r", 1, 100), std::vector<std::string>{"a"});
}

// A line ended by a lone CR is handed over at once: the reader does not wait
// for the next bytes to see whether an LF follows (a program typing lines
// into a pipe would wait for an answer that never came).
TEST(LineReader, ALineIsHandedOverAsSoonAsItsEndHasCome) {
  Pieces pieces{"dump\r", 64};
  bool more = false;
  行読込 reader(
      [&](char* to, std::size_t n) -> ssize_t {
        if (!more && pieces.at == pieces.text.size()) {
          more = true;  // a pipe would block here
          pieces.text += "\nnext\n";
        }
        return pieces(to, n);
      },
      100);
  std::string line;
  ASSERT_EQ(reader.次(line), 行読込::結果::行);
  EXPECT_EQ(line, "dump");
  EXPECT_FALSE(more);
  ASSERT_EQ(reader.次(line), 行読込::結果::行);
  EXPECT_EQ(line, "next");  // the LF after the CR belonged to "dump"
  EXPECT_EQ(reader.次(line), 行読込::結果::終わり);
}

// A line longer than the bound is said once, as soon as that many bytes have
// come, and is never kept: ten megabytes without a line end cost no more than
// one piece, and the line after it is read as usual.
TEST(LineReader, ALineTooLongIsSaidAtOnceAndPassedOver) {
  EXPECT_EQ(all_lines("12345\n123456\n1234567890123\r\nok", 4, 5),
            (std::vector<std::string>{"12345", "<too long>", "<too long>", "ok"}));
  Pieces huge{std::string(10u << 20, '\0') + "\nafter\n", 65536};
  行読込 reader(std::ref(huge), 1024);
  std::string line;
  ASSERT_EQ(reader.次(line), 行読込::結果::長すぎ);
  EXPECT_LE(huge.at, 65536u);
  EXPECT_LE(line.capacity(), 65536u);
  ASSERT_EQ(reader.次(line), 行読込::結果::行);
  EXPECT_EQ(line, "after");
  EXPECT_LE(line.capacity(), 65536u);
  EXPECT_EQ(reader.次(line), 行読込::結果::終わり);
}

TEST(LineReader, AReadErrorIsAValueWithItsReason) {
  int calls = 0;
  行読込 reader(
      [&](char* to, std::size_t) -> ssize_t {
        switch (++calls) {
          case 1: return to[0] = 'a', to[1] = '\n', to[2] = 'b', 3;
          case 2: return errno = EINTR, -1;  // tried again
          default: return errno = EIO, -1;
        }
      },
      100);
  std::string line;
  ASSERT_EQ(reader.次(line), 行読込::結果::行);
  EXPECT_EQ(line, "a");
  EXPECT_EQ(reader.次(line), 行読込::結果::読込誤り);
  EXPECT_EQ(reader.誤り(), EIO);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(reader.次(line), 行読込::結果::読込誤り);  // and stays so
}

}  // namespace
}  // namespace velmora
