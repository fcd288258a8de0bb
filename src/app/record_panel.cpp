#include "app/record_panel.hpp"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "app/board_view.hpp"
#include "app/pictures.hpp"
#include "format/kifu_line.hpp"

namespace velmora::app {

namespace {

QString to_q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Twips rectangles (left, top, width, height) of the controls.
constexpr double kDrive1[] = {240, 360, 2535, 300};
constexpr double kDir1[] = {240, 600, 2535, 1710};
constexpr double kFile1[] = {240, 2280, 2535, 930};
constexpr double kLabelTops[] = {3120, 2880, 2640, 2400};  // Label1(0..3)
constexpr double kCommand1[] = {3360, 3000, 855, 375};
constexpr double kClose[] = {3360, 3420, 855, 375};  // below RETURN
constexpr const char* kCaptions[] = {gettext_noop("ﾌｧｲﾙ名 ："), gettext_noop("後    手 ："),
                                     gettext_noop("先    手 ："), gettext_noop("対 局 名：")};
// Text1 sits beside Label1(0), Text4 beside Label1(1), and so on.
constexpr int kTextOfLabel[] = {1, 4, 3, 2};

QRectF twips(const double (&r)[4]) { return QRectF(r[0], r[1], r[2], r[3]); }

}  // namespace

RecordPanelWidgets::RecordPanelWidgets(BoardView* view, const velmora::言語& lang)
    : QObject(view), view_(view), lang_(lang) {
  std::error_code ec;
  directory_ = std::filesystem::current_path(ec).string();
  path_ = dir_path_ = QFile::decodeName(QByteArray::fromStdString(directory_));
  connect(view, &BoardView::layoutChanged, this, &RecordPanelWidgets::place);
}

void RecordPanelWidgets::create() {
  // Made when first needed: most sessions never open the record panel, and
  // the window shows sooner without them.
  if (drive_) return;
  drive_ = new QComboBox(view_);
  drive_->setObjectName("Drive1");
  dir_ = new QListWidget(view_);
  dir_->setObjectName("Dir1");
  files_ = new QListWidget(view_);
  files_->setObjectName("File1");
  for (int i = 0; i < 4; ++i) {
    labels_[i] = new QLabel(view_);
    labels_[i]->setObjectName(QString("Label1_%1").arg(i));
    labels_[i]->setAutoFillBackground(true);
    labels_[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  for (int n = 1; n <= 4; ++n) {
    texts_[n] = new QLineEdit(view_);
    texts_[n]->setObjectName(QString("Text%1").arg(n));
    // A header longer than a record line may be could be written but never read.
    if (n > 1) texts_[n]->setMaxLength(棋譜_見出しの文字数上限);
    // Enter in any box of the form presses its one button.
    connect(texts_[n], &QLineEdit::returnPressed, this, &RecordPanelWidgets::returnClicked);
  }
  command_ = new QPushButton(view_);
  command_->setObjectName("Command1");
  close_ = new QPushButton(view_);
  close_->setObjectName("Close");
  caption();
  for (QWidget* w : std::initializer_list<QWidget*>{drive_, dir_, files_, command_, close_}) w->hide();
  for (int i = 0; i < 4; ++i) {
    labels_[i]->hide();
    texts_[i + 1]->hide();
  }

  connect(drive_, &QComboBox::activated, this, [this](int index) {
    if (!quiet_) emit driveChanged(drive_->itemData(index).toString());
  });
  connect(dir_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { on_dir_activated(item); });
  connect(files_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
  connect(command_, &QPushButton::clicked, this, &RecordPanelWidgets::returnClicked);
  connect(close_, &QPushButton::clicked, this, &RecordPanelWidgets::closeClicked);
  place();
}

void RecordPanelWidgets::caption() {
  if (!drive_) return;
  for (int i = 0; i < 4; ++i) labels_[i]->setText(to_q(velmora::tr(lang_, kCaptions[i])));
  // TRANSLATORS: the record panel's button that saves the record.
  command_->setText(to_q(velmora::tr(lang_, "RETURN")));
  // TRANSLATORS: the record panel's button that puts it away without saving or reading.
  close_->setText(to_q(velmora::tr(lang_, "閉じる")));
}

void RecordPanelWidgets::place() {
  if (!drive_) return;
  // The window font, 9 points, scaled with the picture.
  const QFont font = window_font(int(std::lround(9 * 20 / 15.0 * view_->scale())));
  auto put = [&](QWidget* w, const QRectF& r) {
    w->setFont(font);
    w->setGeometry(view_->to_logical(r));
  };
  put(drive_, twips(kDrive1));
  put(dir_, twips(kDir1));
  put(files_, twips(kFile1));
  for (int i = 0; i < 4; ++i) {
    put(labels_[i], QRectF(120, kLabelTops[i], 855, 255));
    put(texts_[kTextOfLabel[i]], QRectF(960, kLabelTops[i], 2295, 270));
  }
  put(command_, twips(kCommand1));
  put(close_, twips(kClose));
}

bool RecordPanelWidgets::open() const {
  return drive_ && (!drive_->isHidden() || !dir_->isHidden() || !files_->isHidden() || !command_->isHidden());
}

void RecordPanelWidgets::show_close() { close_->setVisible(open()); }

void RecordPanelWidgets::show_browser(bool drive, bool dir, bool file) {
  // The lists are filled when first shown: reading the volumes and
  // directories costs start-up time the hidden browser does not need.
  if (!drive_ && !(drive || dir || file)) return;
  create();
  if ((drive || dir || file) && !filled_) {
    filled_ = true;
    fill_drives();
    set_directory(directory_);
  } else if ((dir || file) && (dir_->isHidden() || files_->isHidden())) {
    // Read afresh each time the browser opens: a record or a folder made
    // meanwhile (by another game, or another program) is listed.
    fill_dirs();
    refresh_files();
  }
  drive_->setVisible(drive);
  dir_->setVisible(dir);
  files_->setVisible(file);
  show_close();
  keep_focus();
}

void RecordPanelWidgets::keep_focus() {
  // Keys go back to the board when the control that had them is put away.
  QWidget* focus = view_->window()->focusWidget();
  if (!focus || !focus->isVisible()) view_->setFocus();
}

void RecordPanelWidgets::show_panel(bool visible) {
  if (!drive_ && !visible) return;
  create();
  for (QLabel* l : labels_) l->setVisible(visible);
  for (int n = 1; n <= 4; ++n) texts_[n]->setVisible(visible);
  command_->setVisible(visible);
  show_close();
  keep_focus();
}

std::string RecordPanelWidgets::text(velmora::棋譜の欄 box) {
  const int n = static_cast<int>(box);
  if (n < 1 || n > 4 || !drive_) return {};
  return texts_[n]->text().toStdString();
}

void RecordPanelWidgets::set_text(velmora::棋譜の欄 box, std::string_view text) {
  const int n = static_cast<int>(box);
  if (n < 1 || n > 4 || (!drive_ && text.empty())) return;
  create();
  texts_[n]->setText(to_q(text));
}

std::string RecordPanelWidgets::directory() { return directory_; }

void RecordPanelWidgets::set_directory(std::string_view path) {
  // Kept as the bytes it is, made absolute and clean: a folder's name need
  // not be UTF-8. The lists show it as the toolkit reads it.
  std::error_code ec;
  std::filesystem::path folder(path);
  if (folder.is_relative()) folder = std::filesystem::absolute(folder, ec);
  directory_ = folder.lexically_normal().string();
  while (directory_.size() > 1 && directory_.back() == '/') directory_.pop_back();
  const QString clean = QFile::decodeName(QByteArray::fromStdString(directory_));
  path_ = clean;
  dir_path_ = clean;
  if (!filled_) return;
  fill_dirs();
  refresh_files();
  // Drive1 shows the volume the directory lies on.
  const QString root = QStorageInfo(clean).rootPath();
  const int index = drive_->findData(root);
  if (index >= 0) {
    quiet_ = true;
    drive_->setCurrentIndex(index);
    quiet_ = false;
  }
}

void RecordPanelWidgets::refresh_files() {
  if (!filled_) return;
  files_->clear();
  const QDir dir(path_);
  files_->addItems(dir.entryList({QStringLiteral("*.棋譜")}, QDir::Files, QDir::Name));
}

void RecordPanelWidgets::fill_drives() {
  drive_->clear();
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) {
      roots << volume.rootPath();
    }
  }
  if (!roots.contains("/")) roots << "/";
  roots.sort();
  for (const QString& r : roots) drive_->addItem(r, r);
}

void RecordPanelWidgets::fill_dirs() {
  // The path from the root down, each level indented, then the
  // subdirectories of the directory shown.
  dir_->clear();
  QStringList chain;
  for (QDir d(dir_path_);;) {
    chain.prepend(d.absolutePath());
    if (d.isRoot() || !d.cdUp()) break;
  }
  int depth = 0;
  QListWidgetItem* current = nullptr;
  for (const QString& p : chain) {
    const QString name = depth == 0 ? p : QFileInfo(p).fileName();
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, dir_);
    item->setData(Qt::UserRole, p);
    current = item;
    ++depth;
  }
  const QDir here(dir_path_);
  for (const QString& sub : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + sub, dir_);
    item->setData(Qt::UserRole, here.absoluteFilePath(sub));
  }
  if (current) dir_->setCurrentItem(current);
}

void RecordPanelWidgets::on_dir_activated(QListWidgetItem* item) {
  const QString p = item->data(Qt::UserRole).toString();
  if (p.isEmpty() || p == dir_path_) return;
  dir_path_ = p;
  fill_dirs();
  emit dirChanged(p);
}

}  // namespace velmora::app
