// The header that opens a wave file: "RIFF", the size of everything after
// these eight bytes (32-bit little-endian), "WAVE". Only the header tells how
// long the file claims to be: the game reads the file whole, the sound library
// is handed the image's address alone, and both ask here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace velmora {

inline constexpr std::size_t RIFFヘッダ長 = 12;

// The `available` of an image whose length only its header tells.
inline constexpr std::size_t 長さ不明 = std::numeric_limits<std::size_t>::max();

// The bytes the image's header claims for the whole file (its size field + 8).
// nullopt for a null image, one shorter than the header, one that does not
// start "RIFF" … "WAVE", and one whose claim exceeds the `available` bytes.
inline std::optional<std::size_t> RIFFの長さ(const std::uint8_t* image, std::size_t available) {
  if (image == nullptr || available < RIFFヘッダ長) return std::nullopt;
  if (std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0) return std::nullopt;
  const std::uint64_t claimed = (std::uint64_t{image[4]} | std::uint64_t{image[5]} << 8 |
                                 std::uint64_t{image[6]} << 16 | std::uint64_t{image[7]} << 24) +
                                8;
  if (claimed > available) return std::nullopt;
  return static_cast<std::size_t>(claimed);
}

}  // namespace velmora
