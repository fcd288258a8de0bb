#include "app/record_panel.hpp"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "app/board_view.hpp"
#include "app/pictures.hpp"
#include "format/kifu_line.hpp"

namespace velmora::app {

namespace {

QString to_q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QString from_bytes(const std::string& s) { return QFile::decodeName(QByteArray::fromStdString(s)); }

// The side area's width in the picture's own pixels, and the narrowest it is
// at any scale, in logical pixels (the labels and a name still fit).
constexpr double kAreaWidth = 300;
constexpr int kAreaMinimumWidth = 270;
// The panel's font: the window's 9 points at the picture's scale, never
// smaller than 11 pixels.
constexpr double kFontPixels = 9 * 20 / 15.0;
constexpr int kFontMinimumPixels = 11;

constexpr const char* kCaptions[] = {gettext_noop("ﾌｧｲﾙ名 ："), gettext_noop("後    手 ："),
                                     gettext_noop("先    手 ："), gettext_noop("対 局 名：")};
// Text1 sits beside Label1(0), Text4 beside Label1(1), and so on; the rows
// from the top: title, first player, second player, file name.
constexpr int kTextOfLabel[] = {1, 4, 3, 2};
constexpr int kLabelRow[] = {3, 2, 1, 0};
// The record files' pattern, and their extension after its "*".
QString pattern() { return QStringLiteral("*.棋譜"); }
QString extension() { return pattern().mid(1); }

// The picture's scale at a client area `height` logical pixels high.
double scale_at(int height) { return std::max(kMinimumScale, double(height) / kDesignHeight); }

// A folder as the places show it: under the home folder with "~".
QString short_path(const QString& path) {
  const QString home = QDir::homePath();
  if (path == home) return QStringLiteral("~");
  if (home != QLatin1String("/") && path.startsWith(home + QLatin1Char('/')))
    return QStringLiteral("~") + path.mid(home.size());
  return path;
}

}  // namespace

int RecordPanelWidgets::area_width(int height) {
  return std::max(kAreaMinimumWidth, int(std::lround(kAreaWidth * scale_at(height))));
}

RecordPanelWidgets::RecordPanelWidgets(QWidget* area, BoardView* board, const velmora::言語& lang)
    : QObject(area), area_(area), board_(board), lang_(lang) {
  std::error_code ec;
  directory_ = working_folder_ = std::filesystem::current_path(ec).string();
  path_ = dir_path_ = from_bytes(directory_);
  area_->setObjectName("RecordPanel");
  area_->hide();
  // The area follows the height of the client area it stands in.
  if (QWidget* client = area_->parentWidget()) client->installEventFilter(this);
}

bool RecordPanelWidgets::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Resize && watched == area_->parentWidget()) place();
  // Enter on a file of the list reads it, as a click does.
  if (e->type() == QEvent::KeyPress && watched == files_ && files_->currentItem()) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      emit fileClicked(files_->currentItem()->text());
      return true;
    }
  }
  return QObject::eventFilter(watched, e);
}

void RecordPanelWidgets::create() {
  // Made when first needed: most sessions never open the record panel, and
  // the window shows sooner without them.
  if (drive_) return;
  drive_ = new QComboBox(area_);
  drive_->setObjectName("Drive1");
  browse_ = new QPushButton(area_);
  browse_->setObjectName("Browse");
  dir_ = new QListWidget(area_);
  dir_->setObjectName("Dir1");
  files_ = new QListWidget(area_);
  files_->setObjectName("File1");
  files_->installEventFilter(this);
  auto* form = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    labels_[i] = new QLabel(area_);
    labels_[i]->setObjectName(QString("Label1_%1").arg(i));
    labels_[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int n = kTextOfLabel[i];
    texts_[n] = new QLineEdit(area_);
    texts_[n]->setObjectName(QString("Text%1").arg(n));
    labels_[i]->setBuddy(texts_[n]);
    form->addWidget(labels_[i], kLabelRow[i], 0);
    form->addWidget(texts_[n], kLabelRow[i], 1);
    // A header longer than a record line may be could be written but never read.
    if (n > 1) texts_[n]->setMaxLength(棋譜_見出しの文字数上限);
  }
  // Typed in the order they stand, the file name last.
  for (int n : {2, 3, 4}) QWidget::setTabOrder(texts_[n], texts_[n == 4 ? 1 : n + 1]);
  for (int n = 1; n <= 4; ++n) {
    // Enter in any box of the form presses its one button.
    connect(texts_[n], &QLineEdit::returnPressed, this, &RecordPanelWidgets::returnClicked);
  }
  command_ = new QPushButton(area_);
  command_->setObjectName("Command1");
  close_ = new QPushButton(area_);
  close_->setObjectName("Close");

  // From the top: the places, the folders, the files, the form; at the
  // bottom "参照…" at the left and the form's buttons at the right.
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(browse_);
  buttons->addStretch(1);
  buttons->addWidget(command_);
  buttons->addWidget(close_);
  auto* column = new QVBoxLayout(area_);
  column->addWidget(drive_);
  column->addWidget(dir_, 3);
  column->addWidget(files_, 2);
  column->addStretch(0);
  column->addLayout(form);
  column->addLayout(buttons);
  drive_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  drive_->setMinimumContentsLength(8);

  caption();
  for (QWidget* w : std::initializer_list<QWidget*>{drive_, browse_, dir_, files_, command_, close_})
    w->hide();
  for (int i = 0; i < 4; ++i) {
    labels_[i]->hide();
    texts_[i + 1]->hide();
  }

  connect(drive_, &QComboBox::activated, this, [this](int index) {
    if (!quiet_) emit driveChanged(drive_->itemData(index).toString());
  });
  connect(browse_, &QPushButton::clicked, this, &RecordPanelWidgets::browse);
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
  // TRANSLATORS: the record browser's button that opens the desktop's file chooser.
  browse_->setText(to_q(velmora::tr(lang_, "参照…")));
  // TRANSLATORS: shown in the record browser's list of places while its folder is none of them.
  drive_->setPlaceholderText(to_q(velmora::tr(lang_, "場所")));
  if (filled_) fill_places();
}

void RecordPanelWidgets::place() {
  if (!drive_) return;
  const int height = area_->parentWidget() ? area_->parentWidget()->height() : area_->height();
  const double scale = scale_at(height);
  const QFont font = window_font(std::max(kFontMinimumPixels, int(std::lround(kFontPixels * scale))));
  for (QWidget* w : area_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->setFont(font);
  const int gap = int(std::lround(6 * scale));
  area_->layout()->setContentsMargins(gap, gap, gap, gap);
  area_->layout()->setSpacing(gap);
  area_->setFixedWidth(area_width(height));
}

bool RecordPanelWidgets::open() const {
  return drive_ && (!drive_->isHidden() || !dir_->isHidden() || !files_->isHidden() || !command_->isHidden());
}

void RecordPanelWidgets::settle_layouts() {
  // The client area's layout and then the window's, at once rather than when
  // their requests come round: the window's smallest size follows the area.
  for (QWidget* w : {area_->parentWidget(), area_->window()}) {
    if (w && w->layout()) {
      w->layout()->invalidate();
      w->layout()->activate();
    }
  }
}

void RecordPanelWidgets::show_area() {
  // The board keeps its size while the area shows: the area takes the room
  // right of the picture where there is enough, and otherwise the window
  // grows by what is missing (as far as the screen allows; at the least to
  // the board's smallest size), and gives the width back when the area goes,
  // unless the player has sized the window since. A maximised or full-screen
  // window keeps its size, and the board is fitted to what is left.
  const bool want = open();
  close_->setVisible(want);
  if (want == !area_->isHidden()) return;
  QWidget* window = area_->window();
  if (!window->isVisible()) {
    // A window not shown is laid out when it shows, at the size it has then.
    area_->setVisible(want);
    board_->set_at_left(want);
    return;
  }
  const bool movable = !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
  if (want) {
    width_before_ = movable ? window->width() : -1;
    width_grown_ = -1;
    const int picture = int(std::ceil(kDesignWidth * board_->scale()));
    const int beside = window->width() - board_->width();  // the window's width that is not the board's
    board_->set_at_left(true);
    place();
    area_->show();
    settle_layouts();
    int wanted = picture + beside + area_->minimumWidth();
    if (const QScreen* screen = window->screen())
      wanted = std::min(wanted, screen->availableGeometry().width());
    if (movable && wanted > window->width()) {
      width_grown_ = wanted;
      window->resize(wanted, window->height());
    }
  } else {
    const bool grown = movable && width_before_ > 0 && width_before_ < window->width() &&
                       (window->width() == width_grown_ || window->width() <= window->minimumWidth());
    area_->hide();
    board_->set_at_left(false);
    settle_layouts();
    if (grown) window->resize(width_before_, window->height());
    width_before_ = width_grown_ = -1;
  }
}

void RecordPanelWidgets::show_browser(bool drive, bool dir, bool file) {
  // The lists are filled when first shown: reading the folders costs
  // start-up time the hidden browser does not need.
  if (!drive_ && !(drive || dir || file)) return;
  create();
  if ((drive || dir || file) && !filled_) {
    filled_ = true;
    start_folder_ = directory_;
    fill_places();
    set_directory(directory_);
  } else if ((drive || dir || file) && (dir_->isHidden() || files_->isHidden())) {
    // Read afresh each time the browser opens: a record or a folder made
    // meanwhile (by another game, or another program) is listed, and the
    // record folder is the one used last.
    fill_places();
    fill_dirs();
    refresh_files();
  }
  const bool listing = file && files_->isHidden();
  drive_->setVisible(drive);
  browse_->setVisible(drive);
  dir_->setVisible(dir);
  files_->setVisible(file);
  show_area();
  // A browser opened to read has the keys in its file list: the arrows
  // choose a record and Enter reads it.
  if (listing) {
    if (files_->count() > 0 && !files_->currentItem()) files_->setCurrentRow(0);
    files_->setFocus();
  }
  keep_focus();
}

void RecordPanelWidgets::keep_focus() {
  // Keys go back to the board when the control that had them is put away.
  QWidget* focus = area_->window()->focusWidget();
  if (!focus || !focus->isVisible() || (focus->parentWidget() == area_ && area_->isHidden()))
    board_->setFocus();
}

void RecordPanelWidgets::show_panel(bool visible) {
  if (!drive_ && !visible) return;
  create();
  for (QLabel* l : labels_) l->setVisible(visible);
  for (int n = 1; n <= 4; ++n) texts_[n]->setVisible(visible);
  const bool opening = visible && command_->isHidden();
  command_->setVisible(visible);
  show_area();
  // The panel opens with the keys in the file name, the one box it needs.
  if (opening) texts_[1]->setFocus();
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
  const QString clean = from_bytes(directory_);
  path_ = clean;
  dir_path_ = clean;
  if (!filled_) return;
  fill_dirs();
  refresh_files();
  show_place();
}

void RecordPanelWidgets::refresh_files() {
  if (!filled_) return;
  files_->clear();
  const QDir dir(path_);
  files_->addItems(dir.entryList({pattern()}, QDir::Files, QDir::Name));
}

void RecordPanelWidgets::fill_places() {
  // The places a player means by a folder: home, the folder records are
  // kept in (the one used last), and the folder the game was started in.
  std::string records = last_record_folder ? last_record_folder() : std::string();
  if (records.empty()) records = start_folder_;
  const struct {
    const char* name;
    QString path;
  } places[] = {
      // TRANSLATORS: a place in the record browser: the user's home folder.
      {gettext_noop("ホーム"), QDir::homePath()},
      // TRANSLATORS: a place in the record browser: the folder of the record read or written last.
      {gettext_noop("棋譜のフォルダ"), QDir::cleanPath(from_bytes(records))},
      // TRANSLATORS: a place in the record browser: the folder the game was started in.
      {gettext_noop("作業フォルダ"), QDir::cleanPath(from_bytes(working_folder_))},
  };
  quiet_ = true;
  drive_->clear();
  for (const auto& place : places) {
    drive_->addItem(
        QStringLiteral("%1  %2").arg(to_q(velmora::tr(lang_, place.name)), short_path(place.path)),
        place.path);
    drive_->setItemData(drive_->count() - 1, place.path, Qt::ToolTipRole);
  }
  quiet_ = false;
  show_place();
}

void RecordPanelWidgets::show_place() {
  // The place the folder shown is, if it is one; else none is chosen.
  quiet_ = true;
  drive_->setCurrentIndex(drive_->findData(QDir::cleanPath(path_)));
  quiet_ = false;
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

void RecordPanelWidgets::browse() {
  // The desktop's file chooser, in the folder shown. A record chosen to be
  // read is as its folder chosen and the file clicked in the list; one
  // chosen to be written names the folder and the file name, and "RETURN"
  // writes it. Cancel changes nothing.
  const bool reading = !files_->isHidden();
  QFileDialog dialog(area_->window(), to_q(velmora::tr(lang_, reading ? "棋譜読込" : "棋譜書込")), dir_path_);
  // The pattern alone: the toolkit reads a pattern only in ASCII after a
  // description, and "棋譜ファイル (*.棋譜)" would match no file at all.
  dialog.setNameFilter(pattern());
  dialog.setObjectName("FileChooser");
  dialog.setAcceptMode(reading ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(reading ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!reading) dialog.setDefaultSuffix(extension().mid(1));
  chooser_ = &dialog;
  const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  chooser_ = nullptr;
  if (!chosen) return;
  const QFileInfo file(dialog.selectedFiles().constFirst());
  const QString folder = file.absolutePath();
  if (folder != dir_path_) {
    dir_path_ = folder;
    emit dirChanged(folder);
  }
  if (reading) {
    emit fileClicked(file.fileName());
    return;
  }
  QString name = file.fileName();
  if (name.endsWith(extension())) name.chop(extension().size());
  texts_[1]->setText(name);
  texts_[1]->setFocus();
}

}  // namespace velmora::app
