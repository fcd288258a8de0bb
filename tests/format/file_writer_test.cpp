// The writer that replaces files on a thread of its own: the newest bytes win,
// the same bytes are not written twice, a failed write is tried again, what
// waits is written before the writer goes, and a kill at any moment leaves a
// whole file.
#include "format/file_writer.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <random>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using 書き方 = 置換の書き手::書き方;

// A replacement that only records what it was asked to write, and that can be
// held in the middle of a write until it is let go.
class 記録する置換 {
 public:
  置換の書き手::置換 op() {
    return [this](const fs::path& target, std::string_view bytes) {
      std::unique_lock lock(mutex_);
      calls_.push_back(target.string() + ":" + std::string(bytes));
      changed_.notify_all();
      changed_.wait(lock, [this] { return !held_; });
      if (failing_ == bytes) {
        failing_.clear();
        return std::string("No space left on device");
      }
      return std::string();
    };
  }
  void 止める() {
    const std::lock_guard lock(mutex_);
    held_ = true;
  }
  void 放す() {
    {
      const std::lock_guard lock(mutex_);
      held_ = false;
    }
    changed_.notify_all();
  }
  // The next write of these bytes fails, as on a full disk.
  void 一度失敗させる(std::string bytes) {
    const std::lock_guard lock(mutex_);
    failing_ = std::move(bytes);
  }
  // Waits until n writes have begun.
  void 始まるまで待つ(std::size_t n) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return calls_.size() >= n; });
  }
  std::vector<std::string> calls() {
    const std::lock_guard lock(mutex_);
    return calls_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> calls_;
  bool held_ = false;
  std::string failing_;
};

// The writer held in the middle of writing "1" to a.
void 一つ目で止める(記録する置換& disk, 置換の書き手& writer) {
  disk.止める();
  writer.渡す("a", "1");
  disk.始まるまで待つ(1);
}

TEST(ReplacementWriter, WhileOneWriteIsUnderWayOnlyTheNewestBytesOfEachFileWait) {
  記録する置換 disk;
  置換の書き手 writer(書き方::別スレッドで, disk.op());
  一つ目で止める(disk, writer);
  writer.渡す("a", "2");
  writer.渡す("b", "x");
  writer.渡す("a", "3");
  writer.渡す("a", "4");
  disk.放す();
  writer.待つ();
  EXPECT_EQ(disk.calls(), (std::vector<std::string>{"a:1", "a:4", "b:x"}));
}

TEST(ReplacementWriter, TheSameBytesAreNotWrittenAgainUnlessTheWriteFailed) {
  記録する置換 disk;
  置換の書き手 writer(書き方::別スレッドで, disk.op());
  writer.渡す("a", "1");
  writer.待つ();
  writer.渡す("a", "1");
  writer.渡す("b", "1");  // another file is another matter
  writer.待つ();
  disk.一度失敗させる("2");
  writer.渡す("a", "2");
  writer.待つ();
  writer.渡す("a", "2");  // the file still holds 1
  writer.待つ();
  writer.渡す("a", "2");
  writer.渡す("a", "1");
  writer.待つ();
  EXPECT_EQ(disk.calls(), (std::vector<std::string>{"a:1", "b:1", "a:2", "a:2", "a:1"}));
}

// velmora-script and the tests write at once: the file is there when 渡す returns.
TEST(ReplacementWriter, AtOnceTheBytesAreWrittenBeforeTheHandOverReturns) {
  記録する置換 disk;
  置換の書き手 writer(書き方::その場で, disk.op());
  writer.渡す("a", "1");
  EXPECT_EQ(disk.calls(), (std::vector<std::string>{"a:1"}));
  writer.渡す("a", "1");
  writer.渡す("a", "2");
  EXPECT_EQ(disk.calls(), (std::vector<std::string>{"a:1", "a:2"}));
}

struct ReplacementWriterFiles : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    const char* root = std::getenv("VELMORA_TEST_TMP");
    dir = fs::path(root && *root ? root : "/tmp/velmora-test") / "file-writer" /
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  static std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

// However soon after the last hand-over the writer goes, the file holds the
// last bytes, and nothing but the file is left in its folder.
TEST_F(ReplacementWriterFiles, GoingTheWriterWritesWhatStillWaits) {
  記録する置換 disk;
  {
    置換の書き手 writer(書き方::別スレッドで, disk.op());
    一つ目で止める(disk, writer);
    writer.渡す("a", "2");
    disk.放す();
  }
  EXPECT_EQ(disk.calls().back(), "a:2");

  const fs::path path = dir / "autosave";
  for (int round = 0; round < 20; ++round) {
    const std::string last = "round " + std::to_string(round) + " text 99";
    {
      置換の書き手 writer(書き方::別スレッドで);
      for (int i = 0; i < 100; ++i)
        writer.渡す(path, "round " + std::to_string(round) + " text " + std::to_string(i));
    }
    ASSERT_EQ(read(path), last) << "round " << round;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// A program handing two texts in turn to its writer as fast as it can, killed
// at random moments: the file is always one text or the other, whole.
TEST_F(ReplacementWriterFiles, AKillAtAnyMomentLeavesTheOldBytesOrTheNew) {
  const fs::path path = dir / "autosave";
  const std::string first(150'000, 'a'), second = std::string(90'000, 'b') + "end";
  std::mt19937 rng(11);
  int old_files = 0, new_files = 0;
  for (int round = 0; round < 60; ++round) {
    {
      置換の書き手 writer(書き方::その場で);
      writer.渡す(path, first);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      置換の書き手 writer(書き方::別スレッドで);
      for (int i = 0;; ++i) writer.渡す(path, i % 2 ? first : second);
    }
    ::usleep(rng() % 20000);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::string left = read(path);
    ASSERT_TRUE(left == first || left == second) << "round " << round << ": " << left.size() << " bytes";
    (left == first ? old_files : new_files) += 1;
  }
  // The kills fell after writes as well as before them.
  EXPECT_GT(new_files, 0);
  EXPECT_GT(old_files, 0);
}

}  // namespace
}  // namespace velmora
