#include "game/data_files.hpp"

#include <system_error>

namespace velmora {

std::filesystem::path 導入先の共有フォルダ() {
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || program.empty()) return {};
  return program.parent_path().parent_path() / "share";
}

namespace {

std::filesystem::path 導入先データ() {
  const auto share = 導入先の共有フォルダ();
  return share.empty() ? share : share / "velmora";
}

}  // namespace

std::optional<std::filesystem::path> 検索_データファイル(std::string_view name,
                                                         const std::filesystem::path& first) {
  const std::filesystem::path file{
      std::u8string_view(reinterpret_cast<const char8_t*>(name.data()), name.size())};
#ifndef VELMORA_DATA_DIR
#define VELMORA_DATA_DIR ""
#endif
#ifndef VELMORA_INSTALL_DATA_DIR
#define VELMORA_INSTALL_DATA_DIR ""
#endif
  const std::filesystem::path dirs[] = {first, 導入先データ(), VELMORA_DATA_DIR, VELMORA_INSTALL_DATA_DIR};
  for (const auto& dir : dirs) {
    if (dir.empty() && &dir != &dirs[0]) continue;
    const auto candidate = dir / file;
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
  }
  return std::nullopt;
}

std::string ファイルURL(const std::filesystem::path& absolute) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (char c : absolute.string()) {
    const auto b = static_cast<unsigned char>(c);
    const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                       b == '-' || b == '.' || b == '_' || b == '~' || b == '/';
    if (plain) {
      url += c;
    } else {
      url += '%';
      url += hex[b >> 4];
      url += hex[b & 15];
    }
  }
  return url;
}

}  // namespace velmora
