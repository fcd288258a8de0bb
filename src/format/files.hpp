// Whole files: reading one into memory, and replacing one atomically. The
// record files and the settings file are written through here, the settings
// file and the wave files read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The bytes of a regular file; nullopt when it is no regular file or
// cannot be read.
std::optional<std::string> 読込_ファイル全体(const std::filesystem::path& path);

// Replaces `target` with `bytes`: a temporary file beside it, flushed to disk,
// then renamed over it, so the target is either replaced whole or left as it
// was; a crash leaves the old file or the new one, never half of one. The new
// file keeps the old one's mode, or gets the usual mode of a new file (0666
// less the umask). Returns the reason of a failure (the system's words), or
// an empty text when the file was replaced; the temporary file never stays.
std::string ファイル_置換(const std::filesystem::path& target, std::string_view bytes);

}  // namespace velmora
