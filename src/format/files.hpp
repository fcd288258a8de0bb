// Files: opening one to read without ever waiting on what is no file,
// reading one whole or line by line, and replacing one atomically. The
// record files and the settings file are written through here; the record
// files, the settings file, the catalogues and the wave files are read.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "rules/translatable.hpp"

namespace velmora {

// A regular file open for reading, closed when it goes. Whatever else a name
// may stand for — a FIFO, a device, a socket, a directory — is refused
// without waiting on it: the name is looked at before it is opened, and it
// is opened without blocking and looked at again, so that a FIFO nobody
// writes to or a device that waits never stalls the caller. Every reader of
// a file the player names or the program keeps goes through here.
class 読込ファイル {
 public:
  explicit 読込ファイル(const std::filesystem::path& path);
  ~読込ファイル();
  読込ファイル(const 読込ファイル&) = delete;
  読込ファイル& operator=(const 読込ファイル&) = delete;

  bool 開いた() const { return fd_ >= 0; }
  // Why it is not open: there but no regular file (a symbolic link to one
  // is one), or the system's error number.
  bool 通常でない() const { return 通常でない_; }
  int 誤り() const { return errno_; }
  // Up to n bytes: how many were read, 0 at the end, -1 on an error (誤り()).
  ssize_t 読む(char* to, std::size_t n);

 private:
  int fd_ = -1;
  int errno_ = 0;
  bool 通常でない_ = false;
};

// The bytes of a regular file; nullopt when it is no regular file, cannot be
// read or holds more than `most` bytes (only so many are read).
std::optional<std::string> 読込_ファイル全体(const std::filesystem::path& path,
                                             std::size_t most = static_cast<std::size_t>(-1));

// The lines of a file or a stream, read a piece at a time as they come. A
// line ends at LF, at CR LF or at a lone CR (as old Mac editors write); a
// lone CR ends its line at once, without waiting to see whether an LF follows,
// so that a line typed or piped is handled as soon as it is complete. A line
// longer than `most` bytes is reported as soon as that many have come and is
// never kept whole: the next line read starts after its end.
class 行読込 {
 public:
  // Reads up to n bytes into `to`: how many, 0 at the end, -1 on an error
  // (errno set; EINTR is tried again).
  using 読み口 = std::function<ssize_t(char* to, std::size_t n)>;
  enum class 結果 { 行, 終わり, 長すぎ, 読込誤り };

  行読込(読み口 read, std::size_t most);
  // The next line without its end. At 長すぎ `line` holds nothing; at
  // 読込誤り 誤り() tells why.
  結果 次(std::string& line);
  int 誤り() const { return errno_; }

 private:
  bool 満たす();  // false at the end or on an error

  読み口 read_;
  std::size_t most_;
  std::string buffer_;
  std::size_t at_ = 0;
  bool cr_ = false;        // the last line ended at a CR: an LF right after it belongs to it
  bool skipping_ = false;  // inside a line too long to keep
  bool ended_ = false;
  int errno_ = 0;
};

// The reason ファイル_置換 gives when the target is there and is no regular
// file (nor a symbolic link to one): a device, a FIFO, a socket, a directory.
// Nothing is written. Looked up in the catalogue where it is shown, as every
// other reason (the system's words) may be.
inline constexpr std::string_view 通常のファイルでない = gettext_noop("通常のファイルではありません");

// The system calls that put a replacement's bytes on the disk. Tests hand in
// ones that fail, as a full disk or a failing device would, and may write as
// on a file system where a file cannot be made without a name.
struct ファイル書込操作 {
  ssize_t (*write)(int fd, const void* bytes, std::size_t n) = ::write;
  int (*fsync)(int fd) = ::fsync;
  int (*close)(int fd) = ::close;
  bool 名無し = true;
};

// Replaces `target` with `bytes`: the bytes go to a file beside it, flushed to
// disk, which is then renamed over it, so the target is either replaced whole
// or left as it was. A symbolic link is followed: the file it names is
// replaced and the link stays. A target that is there and is no regular file
// is refused (通常のファイルでない) and nothing is touched. Bytes beyond the
// file size limit (RLIMIT_FSIZE) fail the write as a full disk does, instead
// of ending the process. The new file keeps the old one's permission
// bits and, where the process may set it, its owner; a new file gets the
// usual mode (0666 less the umask). Returns the reason of a failure (the
// system's words, or 通常のファイルでない), or an empty text when the file was
// replaced. The file being written has no name until it is complete (where
// the file system allows), so a save killed while it writes leaves nothing;
// one killed in the moment between naming the complete file and renaming it
// leaves that file, as does one killed midway where files cannot be written
// without a name, and the next save of the same file removes it.
std::string ファイル_置換(const std::filesystem::path& target, std::string_view bytes,
                          const ファイル書込操作& io = {});

}  // namespace velmora
