#include "input/state.hpp"

namespace velmora {

void 入力の聞き手::知らせ(const 対局の知らせ& e) {
  // A board set up afresh has nothing picked.
  if (e.種類 == 出来事::初期化) f_.pick.SENTAKU = false;
}

}  // namespace velmora
