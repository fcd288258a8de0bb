#include "rules/game.hpp"

namespace velmora {

void 局面_初期化(局面& p, 対局& g) {
  g.HANDE_LEVEL = 0;
  g.HANDE_SETTEI = false;
  g.TAISEN_MODE = MODE_MAN_MAN;
  g.SYOUSYA = 0;
  g.TEBAN = TEBAN_NASI;
  g.TESUU = 0;
  g.TESUU_HYOJI = 0;
  g.HANTEN = false;
  g.SAIKAI_MSG = false;
  g.KIFU_MODE = false;
  局面_初期配置(p);
}

void 王取り(対局& g, int captured) {
  if (captured == OU)
    g.SYOUSYA = g.MAN_TEBAN;
  else if (captured == -OU)
    g.SYOUSYA = g.COM_TEBAN;
}

}  // namespace velmora
