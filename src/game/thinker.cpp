// The deep search as the game uses it, and the thinker that thinks at once.
#include "game/thinker.hpp"

#include <algorithm>

namespace velmora {

深読み設定 思考の時間(const 思考の依頼& r) {
  深読み設定 s = レベルの設定(r.level);
  s.残り手数 = std::max(r.残り手数, 1);
  return s;
}

深読み設定 思考の局面数(const 思考の依頼& r, std::int64_t nodes) {
  深読み設定 s = レベルの局面数(r.level);
  if (nodes > 0) s.局面数 = nodes;
  s.残り手数 = std::max(r.残り手数, 1);
  return s;
}

思考の頭脳::思考の頭脳() = default;
思考の頭脳::~思考の頭脳() = default;

深読み結果 思考の頭脳::考える(const 思考の依頼& r, const 深読み設定& limits, const 停止フラグ* stop) {
  if (!engine_) engine_ = std::make_unique<深読み器>();
  return engine_->探す(r.pos, r.side, limits, stop, r.history);
}

bool その場の思考::think(const 思考の依頼& r, std::optional<指し手>& move) {
  ++回数;
  move = brain_.考える(r, 思考の局面数(r, 局面数)).手;
  return true;
}

}  // namespace velmora
