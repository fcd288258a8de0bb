#include "format/files.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace velmora {

namespace {

namespace fs = std::filesystem;

// A temporary beside the target is named ".NAME.velmora-" and six letters or digits.
constexpr std::string_view 一時印 = ".velmora-";
constexpr int 一時の文字数 = 6;

std::string 理由(int e) { return std::strerror(e); }

// Whether a name stands for something other than a regular file; a name that
// is not there, or cannot be looked at, is for the caller to find out.
bool 通常でない名前(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

// While it lives, a write past the file size limit (RLIMIT_FSIZE) fails with
// EFBIG, as a full disk fails, instead of ending the process with SIGXFSZ:
// the signal is held back from this thread, and taken off again when the
// write raised it.
class 大きさ制限の合図を保留 {
 public:
  大きさ制限の合図を保留() {
    sigemptyset(&xfsz_);
    sigaddset(&xfsz_, SIGXFSZ);
    held_ = ::pthread_sigmask(SIG_BLOCK, &xfsz_, &old_) == 0 && !sigismember(&old_, SIGXFSZ);
  }
  ~大きさ制限の合図を保留() {
    if (!held_) return;
    sigset_t pending;
    if (::sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ)) {
      const timespec now{};
      (void)::sigtimedwait(&xfsz_, nullptr, &now);
    }
    ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }
  大きさ制限の合図を保留(const 大きさ制限の合図を保留&) = delete;
  大きさ制限の合図を保留& operator=(const 大きさ制限の合図を保留&) = delete;

 private:
  sigset_t xfsz_{}, old_{};
  bool held_ = false;
};

// The file a path names once every symbolic link in its last part is
// followed; a dangling link names the file it would make.
std::optional<fs::path> リンク先(fs::path path, std::string& error) {
  for (int hops = 0;; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path next = fs::read_symlink(path, ec);
    if (hops == 40 || ec) {
      error = ec ? ec.message() : 理由(ELOOP);
      return std::nullopt;
    }
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
}

// The start of the temporary names of `name`: a dot, the name, the mark. The
// name is cut (at a character's start) where the whole would not fit the
// directory's longest name, so a temporary fits wherever the target does.
std::string 一時名の頭(const fs::path& dir, const std::string& name) {
  long most = ::pathconf(dir.c_str(), _PC_NAME_MAX);
  if (most <= 0) most = NAME_MAX;
  const long room = std::max(1L, most - 1 - static_cast<long>(一時印.size()) - 一時の文字数);
  std::size_t cut = std::min(name.size(), static_cast<std::size_t>(room));
  while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return "." + name.substr(0, cut) + std::string(一時印);
}

// What a killed save of the same file left behind.
void 残りを消す(const fs::path& dir, const std::string& head) {
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string n = it->path().filename().string();
    if (n.size() != head.size() + 一時の文字数 || !n.starts_with(head)) continue;
    const bool ours = std::all_of(n.begin() + static_cast<long>(head.size()), n.end(),
                                  [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
    std::error_code ignored;
    if (ours && it->is_regular_file(ignored)) fs::remove(it->path(), ignored);
  }
}

// Owner and permission bits of the file replaced, or a new file's mode.
// Where they cannot be set (another owner, a FAT stick) the file is written
// all the same. The owner goes first: changing it clears set-ID bits.
void 属性を移す(int fd, const fs::path& target) {
  struct stat old {};
  mode_t mode;
  if (::stat(target.c_str(), &old) == 0) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Only the owner's own groups, or root, may be given.
    }
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  (void)::fchmod(fd, mode);
}

// Writes the bytes and flushes them to the disk; the reason of a failure.
std::string 書いて流す(int fd, std::string_view bytes, const ファイル書込操作& io) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = io.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return 理由(n < 0 ? errno : EIO);
    done += static_cast<std::size_t>(n);
  }
  return io.fsync(fd) == 0 ? std::string() : 理由(errno);
}

// Gives the open unnamed file `fd` a free temporary name; false when the
// file system cannot (no /proc, or links not allowed there).
bool 名前を付ける(int fd, const fs::path& dir, const std::string& head, std::string& temp) {
  static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int tries = 0; tries < 100; ++tries) {
    std::string name = head;
    for (int i = 0; i < 一時の文字数; ++i) name += letters[random() % (sizeof letters - 1)];
    temp = (dir / name).string();
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != EEXIST) break;
  }
  temp.clear();
  return false;
}

}  // namespace

読込ファイル::読込ファイル(const std::filesystem::path& path) {
  // Looked at first, so that nothing else is even opened (opening some
  // devices does something); then opened without blocking and looked at
  // again, should the name have changed in between.
  if (通常でない名前(path)) {
    通常でない_ = true;
    return;
  }
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    errno_ = errno;
    return;
  }
  struct stat st {};
  const bool looked = ::fstat(fd_, &st) == 0;
  if (!looked || !S_ISREG(st.st_mode)) {
    通常でない_ = looked;
    errno_ = looked ? 0 : errno;
    ::close(fd_);
    fd_ = -1;
    return;
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

読込ファイル::~読込ファイル() {
  if (fd_ >= 0) ::close(fd_);
}

ssize_t 読込ファイル::読む(char* to, std::size_t n) {
  if (fd_ < 0) return errno = errno_ ? errno_ : EBADF, -1;
  for (;;) {
    const ssize_t got = ::read(fd_, to, n);
    if (got >= 0 || errno != EINTR) {
      if (got < 0) errno_ = errno;
      return got;
    }
  }
}

std::optional<std::string> 読込_ファイル全体(const std::filesystem::path& path, std::size_t most) {
  読込ファイル file(path);
  if (!file.開いた()) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  while (bytes.size() <= most) {
    const ssize_t n = file.読む(chunk, sizeof chunk);
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  return std::nullopt;
}

行読込::行読込(読み口 read, std::size_t most) : read_(std::move(read)), most_(most) {}

bool 行読込::満たす() {
  if (ended_) return false;
  buffer_.erase(0, at_);
  at_ = 0;
  const std::size_t kept = buffer_.size();
  // A piece at a time: what a pipe holds now is handled now.
  buffer_.resize(kept + 65536);
  ssize_t n;
  do n = read_(buffer_.data() + kept, 65536);
  while (n < 0 && errno == EINTR);
  buffer_.resize(kept + static_cast<std::size_t>(n > 0 ? n : 0));
  if (n > 0) return true;
  ended_ = true;
  if (n < 0) errno_ = errno;
  return false;
}

行読込::結果 行読込::次(std::string& line) {
  line.clear();
  for (;;) {
    if (at_ == buffer_.size() && !満たす()) {
      if (errno_ != 0) return 結果::読込誤り;
      const bool last = !skipping_ && !line.empty();  // a last line without its end
      skipping_ = false;
      return last ? 結果::行 : 結果::終わり;
    }
    if (cr_) {
      cr_ = false;
      if (buffer_[at_] == '\n') ++at_;
      continue;
    }
    const std::size_t end = buffer_.find_first_of("\r\n", at_);
    const std::size_t stop = end == std::string::npos ? buffer_.size() : end;
    if (!skipping_ && line.size() + (stop - at_) > most_) {
      // Said as soon as it is too long; the rest is passed over, never kept.
      skipping_ = true;
      line.clear();
      return 結果::長すぎ;
    }
    if (!skipping_) line.append(buffer_, at_, stop - at_);
    at_ = stop;
    if (end == std::string::npos) continue;
    cr_ = buffer_[end] == '\r';
    at_ = end + 1;
    if (!skipping_) return 結果::行;
    skipping_ = false;
  }
}

std::string ファイル_置換(const std::filesystem::path& given, std::string_view bytes,
                          const ファイル書込操作& io) {
  std::string error;
  const auto target = リンク先(given, error);
  if (!target) return error;
  // A device, a FIFO, a socket or a directory of that name is no file to
  // replace: renaming over it would put a file in its place.
  if (通常でない名前(*target)) return std::string(通常のファイルでない);
  const fs::path dir = target->has_parent_path() ? target->parent_path() : ".";
  const 大きさ制限の合図を保留 size_limit;
  const std::string head = 一時名の頭(dir, target->filename().string());
  残りを消す(dir, head);

  // Written without a name, where the file system allows, and named only
  // when complete: a save killed midway leaves nothing.
  std::string temp;
  int fd = io.名無し ? ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600) : -1;
  if (fd >= 0) {
    属性を移す(fd, *target);
    error = 書いて流す(fd, bytes, io);
    if (error.empty() && !名前を付ける(fd, dir, head, temp)) {
      // No way to name it: written again below under a name from the start.
      (void)io.close(fd);
      fd = -1;
    }
  }
  if (fd < 0 && error.empty()) {
    temp = (dir / (head + "XXXXXX")).string();
    fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return 理由(errno);
    属性を移す(fd, *target);
    error = 書いて流す(fd, bytes, io);
  }
  if (io.close(fd) != 0 && error.empty()) error = 理由(errno);
  // Looked at again: the name may have become something else meanwhile.
  if (error.empty() && 通常でない名前(*target)) error = 通常のファイルでない;
  if (error.empty() && std::rename(temp.c_str(), target->c_str()) != 0) error = 理由(errno);
  if (!error.empty() && !temp.empty()) ::unlink(temp.c_str());
  return error;
}

}  // namespace velmora
