// Placeholder bodies; replaced as this room is built.
#include "ui/form.hpp"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace velmora {

void 初期化_サウンド(Form1& f, std::intptr_t window) {}
std::intptr_t 読込_サウンド(Form1& f, std::string_view name, int flags) { return 0; }
void 終了_サウンド(Form1& f) {}
void 表示_警告(Form1& f, std::string_view text) {}
void サウンド_起動(Form1& f) {}
void サウンド_解放(Form1& f) {}
void 効果音(Form1& f, Sound which) {}
void BGM_開始(Form1& f) {}
void BGM_停止(Form1& f) {}

}  // namespace velmora
