#include "input/state.hpp"

namespace velmora {

void 入力の聞き手::知らせ(const 対局の知らせ& e) {
  // A board set up afresh (or a kept game taken up again) has nothing picked.
  if (e.種類 == 出来事::初期化 || e.種類 == 出来事::再開) f_.pick.SENTAKU = false;
}

}  // namespace velmora
