#include "format/files.hpp"

#include <fcntl.h>
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

std::optional<std::string> 読込_ファイル全体(const std::filesystem::path& path, std::size_t most) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  // C streams: a read error is a value here, where a C++ file buffer throws.
  std::FILE* fp = std::fopen(path.c_str(), "rb");
  if (!fp) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  std::size_t n;
  while (bytes.size() <= most && (n = std::fread(chunk, 1, sizeof chunk, fp)) > 0) bytes.append(chunk, n);
  const bool ok = !std::ferror(fp) && bytes.size() <= most;
  std::fclose(fp);
  if (!ok) return std::nullopt;
  return bytes;
}

std::string ファイル_置換(const std::filesystem::path& given, std::string_view bytes,
                          const ファイル書込操作& io) {
  std::string error;
  const auto target = リンク先(given, error);
  if (!target) return error;
  const fs::path dir = target->has_parent_path() ? target->parent_path() : ".";
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
  if (error.empty() && std::rename(temp.c_str(), target->c_str()) != 0) error = 理由(errno);
  if (!error.empty() && !temp.empty()) ::unlink(temp.c_str());
  return error;
}

}  // namespace velmora
