#include "game/state.hpp"

namespace velmora {

void 知らせる(対局の場& g, const 対局の知らせ& e) {
  for (知らせの受け手* ear : g.聞き手)
    if (ear) ear->知らせ(e);
  if (g.p.events) g.p.events->知らせ(e);
}

}  // namespace velmora
