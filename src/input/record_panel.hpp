// The record panel and the record browser as the player uses them: "棋譜" →
// "読込" shows the browser, a click on a file reads it; "書込" shows the
// panel, whose write button saves the game under the name typed.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

struct 入力の場;

// Shows or hides the browser's three lists: drive, folder, files.
void 描画_可視(入力の場& f, bool drive, bool dir, bool file);
// Shows the panel (mode 0), or empties its four boxes and hides it.
void 描画_棋譜_IO(入力の場& f, int mode);
// The panel and the browser put away, as every menu of the game does first.
void 棋譜欄を閉じる(入力の場& f);

void KIFU_READ_Click(入力の場& f);
void KIFU_WRITE_Click(入力の場& f);
// The panel's write button ("RETURN"; the form's Command1): the record file
// NAME.棋譜 written in the browser's folder, or the reason it cannot be.
// Returns the path written, empty when nothing was.
std::string 書込ボタン_Click(入力の場& f);
// A file clicked in the browser's list (the form's File1): read as a record.
// True when it was read.
bool 棋譜一覧_Click(入力の場& f, std::string_view name);
// The browser's folder changed (the form's Dir1).
void フォルダ_変更(入力の場& f, std::string_view path);
// The browser's drive changed (the form's Drive1): a volume that cannot be
// listed is "not ready".
void ドライブ_変更(入力の場& f, std::string_view drive);

}  // namespace velmora
