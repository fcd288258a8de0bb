// The four sound buffers and their lifetime, through the sound port.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/ports.hpp"

namespace velmora {

struct Form1;

// The sound library's handle and the four buffers (0: none, which every call
// takes and ignores).
struct 音 {
  std::intptr_t SND_HANDLE = 0;
  std::intptr_t SND_SONOTA = 0, SND_KINSHI = 0, SND_KOMAUCHI = 0, SND_BGM = 0;
};

void 初期化_サウンド(Form1& f, std::intptr_t window);
std::intptr_t 読込_サウンド(Form1& f, std::string_view name, int flags);
void 終了_サウンド(Form1& f);
void 表示_警告(Form1& f, std::string_view text);
void サウンド_起動(Form1& f);        // start-up: initialise and load the four buffers
void サウンド_解放(Form1& f);        // shutdown: free the four buffers, then terminate
void 効果音(Form1& f, Sound which);  // SONOTA, KINSHI or KOMAUCHI, once
void BGM_開始(Form1& f);
void BGM_停止(Form1& f);

}  // namespace velmora
