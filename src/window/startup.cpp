// Start-up and shutdown of the window.
#include "window/startup.hpp"

#include <filesystem>
#include <system_error>

#include "game/flow.hpp"
#include "game/sound.hpp"
#include "window/form.hpp"
#include "window/settings.hpp"

namespace velmora {

void Form_Load(Form1& f) {
  サウンド_起動(f);
  起動_画面(f);
}

void 起動_画面(Form1& f) {
  f.game.KIFU_MODE = false;
  f.options.SIDOU_FLAG = false;
  f.game.TESUU_MAX = 0;
  f.game.COM_LEVEL = 3;

  std::error_code ec;
  f.settings.START_DIR = std::filesystem::current_path(ec).string();

  f.game.COM_TEBAN = 1;
  f.game.MAN_TEBAN = -1;

  読込_環境設定ファイル(f);
  初期設定(f);

  if (f.p.desktop && f.p.desktop->window_top() != -60) f.p.desktop->place_window(0, 0, 10900, 8600);
}

void 起動_サウンド(Form1& f) {
  サウンド_起動(f);
  // The settings asked for the music before its wave was there.
  if (f.options.BGM) BGM_開始(f);
}

void OWARI_Click(Form1& f) {
  終了処理(f);
  f.p.desktop->quit();
}

void Form_Unload(Form1& f) {
  終了処理(f);
  f.p.desktop->quit();
}

}  // namespace velmora
