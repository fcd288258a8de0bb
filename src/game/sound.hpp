// The four sound buffers and their lifetime, through the sound port.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/ports.hpp"

namespace velmora {

struct 対局の場;

// The sound library's handle and the four buffers (0: none, which every call
// takes and ignores).
struct 音 {
  std::intptr_t SND_HANDLE = 0;
  std::intptr_t SND_SONOTA = 0, SND_KINSHI = 0, SND_KOMAUCHI = 0, SND_BGM = 0;
};

void 初期化_サウンド(対局の場& f, std::intptr_t window);
std::intptr_t 読込_サウンド(対局の場& f, std::string_view name, int flags);
void 終了_サウンド(対局の場& f);
void 表示_警告(対局の場& f, std::string_view text);
void サウンド_起動(対局の場& f);  // start-up: initialise and load the four buffers
void サウンド_解放(対局の場& f);  // shutdown: free the four buffers, then terminate
// Shutdown of the window: a thinker stopped, the end told (so the game in
// play is kept as it stands), the sound released.
void 終了処理(対局の場& f);
void 効果音(対局の場& f, Sound which);  // SONOTA, KINSHI or KOMAUCHI, once
void BGM_開始(対局の場& f);
void BGM_停止(対局の場& f);

}  // namespace velmora
