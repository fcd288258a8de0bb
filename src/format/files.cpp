#include "format/files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace velmora {

std::optional<std::string> 読込_ファイル全体(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  // C streams: a read error is a value here, where a C++ file buffer throws.
  std::FILE* fp = std::fopen(path.c_str(), "rb");
  if (!fp) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, fp)) > 0) bytes.append(chunk, n);
  const bool ok = !std::ferror(fp);
  std::fclose(fp);
  if (!ok) return std::nullopt;
  return bytes;
}

std::string ファイル_置換(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
  std::string name = ".";
  name += target.filename().string();
  name += ".XXXXXX";
  std::string temp = (dir / name).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return std::strerror(errno);

  // mkstemp makes the file private; it gets the old file's mode, or a new
  // file's. Where modes cannot be set (a FAT stick) the file is written all the same.
  struct stat old {};
  mode_t mode;
  if (::stat(target.c_str(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  (void)::fchmod(fd, mode);

  std::string error;
  std::size_t done = 0;
  while (done < bytes.size() && error.empty()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno != EINTR) error = std::strerror(errno);
    } else if (n == 0) {
      error = std::strerror(EIO);
    } else {
      done += static_cast<std::size_t>(n);
    }
  }
  if (error.empty() && ::fsync(fd) != 0) error = std::strerror(errno);
  if (::close(fd) != 0 && error.empty()) error = std::strerror(errno);
  if (error.empty() && std::rename(temp.c_str(), target.c_str()) != 0) error = std::strerror(errno);
  if (!error.empty()) ::unlink(temp.c_str());
  return error;
}

}  // namespace velmora
