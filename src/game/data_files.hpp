// Where the program's own data files (wave files, the help page) are found:
// a given directory first (the working directory, or the one current at
// start-up), then share/velmora of the installation the program runs from,
// then the data directory of the build tree, then the installed one.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// share/ beside the running program's own directory (bin/ or games/),
// wherever the installation was moved to: a package installs under /usr what
// was built for /usr/local. Empty when the program cannot be found.
std::filesystem::path 導入先の共有フォルダ();

std::optional<std::filesystem::path> 検索_データファイル(std::string_view name,
                                                         const std::filesystem::path& first);

// "file://" URL of an absolute path, every byte outside the unreserved set
// and "/" percent-encoded (Japanese directory names survive any browser).
std::string ファイルURL(const std::filesystem::path& absolute);

}  // namespace velmora
