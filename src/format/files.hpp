// Whole files: reading one into memory, and replacing one atomically. The
// record files and the settings file are written through here, the settings
// file and the wave files read.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The bytes of a regular file; nullopt when it is no regular file, cannot be
// read or holds more than `most` bytes (only so many are read).
std::optional<std::string> 読込_ファイル全体(const std::filesystem::path& path,
                                             std::size_t most = static_cast<std::size_t>(-1));

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
// replaced and the link stays. The new file keeps the old one's permission
// bits and, where the process may set it, its owner; a new file gets the
// usual mode (0666 less the umask). Returns the reason of a failure (the
// system's words), or an empty text when the file was replaced. Nothing is
// left behind: the file being written has no name until it is complete
// (where the file system allows), and what a killed save left is removed by
// the next save of the same file.
std::string ファイル_置換(const std::filesystem::path& target, std::string_view bytes,
                          const ファイル書込操作& io = {});

}  // namespace velmora
