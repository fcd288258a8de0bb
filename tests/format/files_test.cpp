// Replacing a file whole: what stays of the file replaced, and what never
// stays beside it.
#include "format/files.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

}  // namespace
}  // namespace velmora
