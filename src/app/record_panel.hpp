// The record panel (Label1(0..3), Text1..Text4, "RETURN") and the record
// browser (Drive1, Dir1, File1) as widgets on the board view, laid out in
// twips and scaled with it.
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "game/language.hpp"
#include "input/ports.hpp"
#include "view/ports.hpp"

class QComboBox;
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
  // The captions are in the language `lang` names (the window's).
  RecordPanelWidgets(BoardView* view, const velmora::言語& lang);

  void show_browser(bool drive, bool dir, bool file) override;
  void show_panel(bool visible) override;
  std::string text(velmora::棋譜の欄 box) override;
  void set_text(velmora::棋譜の欄 box, std::string_view text) override;
  std::string directory() override;
  void set_directory(std::string_view path) override;
  void refresh_files() override;

  // The controls by their names, made first if need be.
  QComboBox* drive1() { return create(), drive_; }
  QListWidget* dir1() { return create(), dir_; }
  QListWidget* file1() { return create(), files_; }
  QLineEdit* text_box(int n) { return create(), texts_[n]; }
  QLabel* label1(int i) { return create(), labels_[i]; }
  QPushButton* command1() { return create(), command_; }
  // "閉じる": puts the panel and the browser away, as Escape does while they show.
  QPushButton* close_button() { return create(), close_; }
  // Whether the panel or the browser is showing.
  bool open() const;
  // Captions the controls again, in the language as it is now.
  void caption();

 signals:
  void driveChanged(const QString& drive);
  void dirChanged(const QString& path);
  void fileClicked(const QString& name);
  void returnClicked();
  void closeClicked();

 private:
  void create();
  void keep_focus();
  void place();
  void fill_drives();
  void fill_dirs();
  void on_dir_activated(QListWidgetItem* item);

  BoardView* view_;
  const velmora::言語& lang_;
  QComboBox* drive_ = nullptr;
  QListWidget* dir_ = nullptr;
  QListWidget* files_ = nullptr;
  QLabel* labels_[4] = {};
  QLineEdit* texts_[5] = {};  // Text1..Text4 at 1..4
  QPushButton* command_ = nullptr;
  QPushButton* close_ = nullptr;
  void show_close();
  std::string directory_;  // the directory File1 lists, as the bytes of its name
  QString path_;           // the same, as the toolkit reads it
  QString dir_path_;       // the directory Dir1 shows
  bool filled_ = false;    // the lists have been read
  bool quiet_ = false;     // changing a list from code raises no change event
};

}  // namespace velmora::app
