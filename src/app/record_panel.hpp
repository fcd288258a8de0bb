// The record panel (Label1(0..3), Text1..Text4, "RETURN") and the record
// browser (Drive1, Dir1, File1) as widgets on the board view, laid out in
// twips and scaled with it.
#pragma once

#include <QObject>
#include <QString>

#include "ui/ports.hpp"

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
  explicit RecordPanelWidgets(BoardView* view);

  void show_browser(bool drive, bool dir, bool file) override;
  void show_panel(bool visible) override;
  std::string text(int n) override;
  void set_text(int n, std::string_view text) override;
  std::string directory() override;
  void set_directory(std::string_view path) override;
  void refresh_files() override;

  // For tests and the window: the controls by their names.
  QComboBox* drive1() const { return drive_; }
  QListWidget* dir1() const { return dir_; }
  QListWidget* file1() const { return files_; }
  QLineEdit* text_box(int n) const { return texts_[n]; }
  QLabel* label1(int i) const { return labels_[i]; }
  QPushButton* command1() const { return command_; }

 signals:
  void driveChanged(const QString& drive);
  void dirChanged(const QString& path);
  void fileClicked(const QString& name);
  void returnClicked();

 private:
  void place();
  void fill_drives();
  void fill_dirs();
  void on_dir_activated(QListWidgetItem* item);

  BoardView* view_;
  QComboBox* drive_;
  QListWidget* dir_;
  QListWidget* files_;
  QLabel* labels_[4];
  QLineEdit* texts_[5] = {};  // Text1..Text4 at 1..4
  QPushButton* command_;
  QString path_;        // the directory File1 lists
  QString dir_path_;    // the directory Dir1 shows
  bool quiet_ = false;  // changing a list from code raises no change event
};

}  // namespace velmora::app
