// The catalogue reader on arbitrary bytes: it never reads outside them, a
// file it refuses leaves the catalogue as it was, and one it takes holds its
// texts sorted, each found by its own key, all of them together no longer
// than the file, which is no larger than a catalogue may be.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "format/message_catalogue.hpp"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  翻訳目録 c;
  if (解析_翻訳目録(bytes, c) != 目録の誤り::なし) {
    if (!c.空()) std::abort();
    return 0;
  }
  if (size > 目録の上限) std::abort();
  std::uint64_t total = 0;
  std::size_t first_of_key = 0;
  for (std::size_t i = 0; i < c.件数(); ++i) {
    const std::string_view key = c.原文(i), text = c.訳文(i);
    if (key.find('\0') != std::string_view::npos || text.find('\0') != std::string_view::npos) std::abort();
    total += key.size() + text.size();
    if (i > 0 && c.原文(i - 1) > key) std::abort();
    if (i == 0 || c.原文(i - 1) != key) first_of_key = i;
    if (c.検索(key) != c.訳文(first_of_key)) std::abort();
  }
  if (total > size) std::abort();
  return 0;
}
