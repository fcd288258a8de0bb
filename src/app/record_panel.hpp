// The record panel (the four boxes with their labels, "RETURN", "閉じる")
// and the record browser (the places, the folder list, the file list and
// "参照…") in a side area of the window, right of the board, shown only
// while one of them is: the board keeps its whole picture, and the panel
// scales with the window.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "game/language.hpp"
#include "input/ports.hpp"
#include "view/ports.hpp"

class QComboBox;
class QFileDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace velmora::app {

class BoardView;

class RecordPanelWidgets final : public QObject, public velmora::RecordPanel {
  Q_OBJECT

 public:
  // `area` is the empty side area of the window the panel is laid out in
  // (hidden while neither the panel nor the browser shows); `board` takes
  // the keys back when the control that had them is put away. The captions
  // are in the language `lang` names (the window's).
  RecordPanelWidgets(QWidget* area, BoardView* board, const velmora::言語& lang);

  void show_browser(bool drive, bool dir, bool file) override;
  void show_panel(bool visible) override;
  std::string text(velmora::棋譜の欄 box) override;
  void set_text(velmora::棋譜の欄 box, std::string_view text) override;
  std::string directory() override;
  void set_directory(std::string_view path) override;
  void refresh_files() override;

  // The controls by their names, made first if need be. Drive1 offers the
  // places: home, the record folder, the working directory.
  QWidget* area() const { return area_; }
  QComboBox* drive1() { return create(), drive_; }
  QListWidget* dir1() { return create(), dir_; }
  QListWidget* file1() { return create(), files_; }
  QLineEdit* text_box(int n) { return create(), texts_[n]; }
  QLabel* label1(int i) { return create(), labels_[i]; }
  QPushButton* command1() { return create(), command_; }
  // "閉じる": puts the panel and the browser away, as Escape does while they show.
  QPushButton* close_button() { return create(), close_; }
  // "参照…": the desktop's file chooser, for a record in any folder.
  QPushButton* browse_button() { return create(), browse_; }
  // Whether the panel or the browser is showing.
  bool open() const;
  // Captions the controls again, in the language as it is now.
  void caption();
  // The folder records are kept in, as the places name it: the folder of
  // the record read or written last, asked each time the browser opens
  // (empty: none yet, and the folder the browser first showed stands for it).
  std::function<std::string()> last_record_folder;
  // The file chooser "参照…" opened, while it is open (for the tests and the
  // end-to-end log).
  QFileDialog* chooser() const { return chooser_; }
  // The width of the side area (logical pixels) at a window whose client
  // area is `height` high: a fixed share of the picture's own size at the
  // scale that height gives, and never too narrow to read.
  static int area_width(int height);

 signals:
  void driveChanged(const QString& drive);
  void dirChanged(const QString& path);
  void fileClicked(const QString& name);
  void returnClicked();
  void closeClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void create();
  void keep_focus();
  void place();
  void show_area();
  void settle_layouts();
  void fill_places();
  void fill_dirs();
  void show_place();
  void on_dir_activated(QListWidgetItem* item);
  void browse();

  QWidget* area_;
  BoardView* board_;
  const velmora::言語& lang_;
  QComboBox* drive_ = nullptr;
  QPushButton* browse_ = nullptr;
  QListWidget* dir_ = nullptr;
  QListWidget* files_ = nullptr;
  QLabel* labels_[4] = {};
  QLineEdit* texts_[5] = {};  // Text1..Text4 at 1..4
  QPushButton* command_ = nullptr;
  QPushButton* close_ = nullptr;
  QFileDialog* chooser_ = nullptr;
  std::string directory_;     // the directory File1 lists, as the bytes of its name
  std::string start_folder_;  // the directory the browser first showed
  std::string working_folder_;
  QString path_;           // the same, as the toolkit reads it
  QString dir_path_;       // the directory Dir1 shows
  bool filled_ = false;    // the lists have been read
  bool quiet_ = false;     // changing a list from code raises no change event
  int width_before_ = -1;  // the window's width before the area showed
  int width_grown_ = -1;   // the width it was given for the area
};

}  // namespace velmora::app
