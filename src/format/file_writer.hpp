// Files replaced whole, one after another, by a writer of their own: at once,
// or on a thread of the writer's own, so that whoever hands the bytes over
// never waits for the disk.
#pragma once

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace velmora {

// Replaces each file it is handed with the bytes handed with it, through
// ファイル_置換 (format/files.hpp): a file beside it, flushed, renamed over
// it, so a kill at any moment leaves the file as it was or as it became.
//
// The newest bytes win: while a file is being written, only the latest bytes
// handed over for each file wait, and are written next; those handed before
// them are dropped unwritten. Bytes a file was last replaced with are not
// written to it again. A write that fails leaves the file as it was, and the
// next bytes handed over for it are written, the same ones too. Going, the
// writer writes whatever still waits and ends its thread: nothing handed over
// is lost to an orderly end, nothing is left running.
class 置換の書き手 {
 public:
  enum class 書き方 {
    その場で,      // 渡す writes before it returns
    別スレッドで,  // 渡す returns at once; a thread of the writer's own writes
  };
  // How a file is replaced; the reason of a failure, empty when replaced.
  using 置換 = std::function<std::string(const std::filesystem::path&, std::string_view)>;

  explicit 置換の書き手(書き方 how);
  置換の書き手(書き方 how, 置換 replace);
  ~置換の書き手();
  置換の書き手(const 置換の書き手&) = delete;
  置換の書き手& operator=(const 置換の書き手&) = delete;

  void 渡す(std::filesystem::path target, std::string bytes);
  // Returns once everything handed over so far has been written, or has failed.
  void 待つ();

 private:
  struct ファイル {
    std::filesystem::path target;
    std::string bytes;
  };
  void 働く();
  void 書く(ファイル& next);

  置換 replace_;
  // What each file was last replaced with: touched only by whoever writes.
  std::vector<ファイル> written_;

  std::mutex mutex_;
  std::condition_variable wake_;   // something waits, or the end has come
  std::condition_variable quiet_;  // nothing waits and nothing is being written
  std::vector<ファイル> waiting_;  // at most one for each file
  bool writing_ = false;
  bool ending_ = false;
  std::thread thread_;  // last: started once everything above is there
};

}  // namespace velmora
