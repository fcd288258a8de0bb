// The four sound buffers and their lifetime, through the sound helper
// library's port. Buffer 0 stands for "no sound" and is passed on as it is:
// the library does nothing with it.
#include "game/sound.hpp"

#include <cstdint>
#include <string>

#include "format/files.hpp"
#include "format/wave_header.hpp"
#include "game/computer.hpp"
#include "game/data_files.hpp"
#include "game/state.hpp"

namespace velmora {

namespace {

std::intptr_t バッファ(const 対局の場& f, Sound which) {
  switch (which) {
    case Sound::SONOTA: return f.sound.SND_SONOTA;
    case Sound::KINSHI: return f.sound.SND_KINSHI;
    case Sound::KOMAUCHI: return f.sound.SND_KOMAUCHI;
    case Sound::BGM: return f.sound.SND_BGM;
  }
  return 0;
}

}  // namespace

void 初期化_サウンド(対局の場& f, std::intptr_t window) {
  f.sound.SND_HANDLE = f.p.sound->initialize(window);
  if (f.sound.SND_HANDLE == 0)
    表示_警告(f, tr(f.lang, "サウンドデバイスを開けませんでした。音なしで続けます。"));
}

std::intptr_t 読込_サウンド(対局の場& f, std::string_view name, int flags) {
  if (f.sound.SND_HANDLE == 0) return 0;
  // Bare names come from the working directory first, then the data directory.
  const auto path = 検索_データファイル(name, {});
  if (!path) return 0;
  const auto image = 読込_ファイル全体(*path);
  if (!image) {
    表示_警告(f, 差込(tr(f.lang, "ファイルを読み込めません。({ファイル})"), {{"ファイル", name}}));
    return 0;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(image->data());
  // The library is handed only the image's address and trusts the RIFF size
  // in its header: an image whose header claims more than was read is refused
  // here, before the library could read past the end.
  if (!RIFFの長さ(bytes, image->size())) return 0;
  return f.p.sound->create(f.sound.SND_HANDLE, bytes, image->size(), flags);
}

void 終了_サウンド(対局の場& f) {
  if (f.sound.SND_HANDLE != 0) f.p.sound->terminate(f.sound.SND_HANDLE);
}

void 表示_警告(対局の場& f, std::string_view text) { f.p.dialogs->warning(text, "Velmora"); }

void サウンド_起動(対局の場& f) {
  初期化_サウンド(f, f.p.desktop ? f.p.desktop->window_handle() : 0);
  f.sound.SND_SONOTA = 読込_サウンド(f, "その他.wav", 3);
  f.sound.SND_KINSHI = 読込_サウンド(f, "禁止.wav", 3);
  f.sound.SND_KOMAUCHI = 読込_サウンド(f, "駒打音.wav", 3);
  f.sound.SND_BGM = 読込_サウンド(f, "BGM.wav", 1);
}

void サウンド_解放(対局の場& f) {
  f.p.sound->free(f.sound.SND_SONOTA);
  f.p.sound->free(f.sound.SND_KINSHI);
  f.p.sound->free(f.sound.SND_KOMAUCHI);
  f.p.sound->free(f.sound.SND_BGM);
  // A second shutdown must not free the same buffers again.
  f.sound.SND_SONOTA = f.sound.SND_KINSHI = f.sound.SND_KOMAUCHI = f.sound.SND_BGM = 0;
  終了_サウンド(f);
  f.sound.SND_HANDLE = 0;
}

void 終了処理(対局の場& f) {
  // Nothing goes on thinking once the program ends.
  思考_取消(f);
  対局の知らせ e;
  e.種類 = 出来事::終了;
  知らせる(f, e);
  サウンド_解放(f);
}

void 効果音(対局の場& f, Sound which) { f.p.sound->play(バッファ(f, which), which); }

void BGM_開始(対局の場& f) { f.p.sound->play_looping(f.sound.SND_BGM, Sound::BGM); }

void BGM_停止(対局の場& f) { f.p.sound->stop(f.sound.SND_BGM, Sound::BGM); }

}  // namespace velmora
