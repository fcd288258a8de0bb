// velmora-perft DEPTH [FILE]: counts the positions the game's moves reach,
// one line "perft D N" for each depth 1..DEPTH, from the start position or
// from a position file (see deep/position_text.hpp).
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "deep/board.hpp"
#include "deep/movegen.hpp"
#include "deep/position_text.hpp"

namespace {

int 使い方() {
  std::fputs("usage: velmora-perft DEPTH [FILE]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velmora;
  using namespace velmora::deep;
  if (argc < 2 || argc > 3) return 使い方();
  int depth = 0;
  const char* end = argv[1] + std::strlen(argv[1]);
  if (const auto [p, ec] = std::from_chars(argv[1], end, depth); ec != std::errc() || p != end || depth < 1)
    return 使い方();

  局面 pos;
  int side = -1;
  if (argc == 3) {
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "velmora-perft: cannot read %s\n", argv[2]);
      return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const 局面文 r = 局面を読む(text.str());
    if (!r.ok()) {
      const std::string_view why = 局面文の誤りの説明(r.誤り);
      std::fprintf(stderr, "velmora-perft: %s:%d: %.*s\n", argv[2], r.行, static_cast<int>(why.size()),
                   why.data());
      return 1;
    }
    pos = r.pos;
    side = r.side;
  } else {
    局面_初期配置(pos);
  }

  盤 b = 盤::局面から(pos, side);
  for (int d = 1; d <= depth; ++d) {
    std::printf("perft %d %llu\n", d, static_cast<unsigned long long>(perft(b, d)));
    std::fflush(stdout);
  }
  return 0;
}
