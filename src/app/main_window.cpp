#include "app/main_window.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QThread>
#include <QTime>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "app/board_access.hpp"
#include "app/board_view.hpp"
#include "app/fonts.hpp"
#include "app/move_box.hpp"
#include "app/palette.hpp"
#include "app/pictures.hpp"
#include "app/record_panel.hpp"
#include "game/clock.hpp"
#include "game/computer.hpp"
#include "game/flow.hpp"
#include "game/notation.hpp"
#include "game/record.hpp"
#include "game/spoken.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "input/record_panel.hpp"
#include "view/clock_display.hpp"
#include "view/drawing.hpp"
#include "window/help.hpp"
#include "window/menu.hpp"
#include "window/recent.hpp"
#include "window/settings.hpp"
#include "window/startup.hpp"

namespace velmora::app {

namespace {

QString to_q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Message texts break lines with a bare carriage return too.
QString box_text(std::string_view s) {
  QString t = to_q(s);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

constexpr int kTimerPeriodMs = 200;
constexpr int kSoundAtTheLatestMs = 1000;
const QEvent::Type kStartSound = QEvent::Type(QEvent::User + 1);

// A caption with a mnemonic no other item of its menu has (taken).
QString with_mnemonic(const QString& caption, const QString& name, QSet<QChar>& taken) {
  QString text = caption;
  text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  // The first free digit of the caption itself ("LEVEL&1"), else its first
  // free letter ("&Game").
  for (const bool digits : {true, false}) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c == QLatin1Char('&')) {
        ++i;
        continue;
      }
      if (c.unicode() < 128 && (digits ? c.isDigit() : c.isLetter()) && !taken.contains(c.toUpper())) {
        taken.insert(c.toUpper());
        return text.insert(i, QLatin1Char('&'));
      }
    }
  }
  // Else a letter of the item's name after the caption, as Japanese menus
  // write it ("対局(&T)"); a digit when every letter is taken.
  const QString letters = name + QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
  for (const QChar c : letters) {
    if (!c.isLetterOrNumber() || taken.contains(c.toUpper())) continue;
    taken.insert(c.toUpper());
    return text + QStringLiteral("(&") + c.toUpper() + QLatin1Char(')');
  }
  return text;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : MainWindow(make_sound_port(), parent) {}

MainWindow::MainWindow(std::unique_ptr<WindowSound> sound, QWidget* parent)
    : QMainWindow(parent), form_(std::make_unique<velmora::Form1>()), sound_(std::move(sound)) {
  setWindowTitle(QStringLiteral("Velmora"));
  setFont(window_font(12));
  // The client area: the board, and right of it the record panel's side
  // area while the panel or the browser shows.
  auto* client = new QWidget(this);
  client->setObjectName("Client");
  auto* row = new QHBoxLayout(client);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  view_ = new BoardView(client);
  auto* area = new QWidget(client);
  row->addWidget(view_, 1);
  row->addWidget(area);
  setCentralWidget(client);
  panel_ = new RecordPanelWidgets(area, view_, form_->lang);
  panel_->last_record_folder = [this] {
    const std::vector<std::string>& recent = form_->recent.一覧;
    return recent.empty() ? std::string() : std::filesystem::path(recent.front()).parent_path().string();
  };
  move_box_ = new MoveBox(view_, form_->lang);
  announcer_ = new Announcer(view_);
  view_->set_game(form_.get());
  build_menus();

  velmora::Ports& p = form_->p;
  p.canvas = view_;
  p.dialogs = this;
  p.sound = sound_.get();
  p.clock = this;
  p.record = panel_;
  p.desktop = this;
  p.moves = view_;
  p.thinker = &thinker_;
  p.files = this;
  thinker_.on_answer([this](const std::optional<velmora::指し手>& move) { answer(move); });
  p.events = this;

  connect(view_, &BoardView::pressed, this, [this](int button, double x, double y) {
    // The keyboard goes on from the cell the mouse clicked, unframed until it moves.
    keyboard_on_board_ = false;
    cursor_from_cell(cursor_, velmora::座標_列(x), velmora::座標_行(y));
    show_cursor();
    run([=](velmora::Form1& f) { velmora::Form_MouseDown(f, button, 0, x, y); });
  });
  connect(move_box_, &MoveBox::submitted, this, [this](const QString& text) {
    if (play_typed(text)) move_box_->close_box();
  });
  view_->tab_handler = [this](bool next) { return board_tab(next); };
  view_->setFocusPolicy(Qt::StrongFocus);
  cursor_ = cursor_on_king(*form_);
  show_cursor();
  connect(panel_, &RecordPanelWidgets::driveChanged, this, [this](const QString& drive) {
    const std::string d = drive.toStdString();
    run([&](velmora::Form1& f) { velmora::ドライブ_変更(f, d); });
  });
  connect(panel_, &RecordPanelWidgets::dirChanged, this, [this](const QString& path) {
    const std::string d = path.toStdString();
    run([&](velmora::Form1& f) { velmora::フォルダ_変更(f, d); });
  });
  connect(panel_, &RecordPanelWidgets::fileClicked, this,
          [this](const QString& name) { read_record(name.toStdString()); });
  connect(panel_, &RecordPanelWidgets::returnClicked, this, [this] { run(velmora::棋譜を書く); });
  connect(panel_, &RecordPanelWidgets::closeClicked, this, [this] { run(velmora::棋譜欄を閉じる); });

  timer_.setInterval(kTimerPeriodMs);
  connect(&timer_, &QTimer::timeout, this, &MainWindow::tick);
  qApp->installEventFilter(this);
  view_->setFocus();
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  // However the window goes, the sound library stops before its buffers do
  // (a second shutdown after Form_Unload's does nothing).
  velmora::終了処理(*form_);
}

void MainWindow::read_record(const std::string& name) {
  run([&](velmora::Form1& f) { velmora::棋譜を開く(f, name); });
}

void MainWindow::set_language(velmora::言語 language) {
  form_->lang = std::move(language);
  caption_menus();
  panel_->caption();
  move_box_->caption();
}

QString MainWindow::translated(std::string_view source) const {
  return to_q(velmora::tr(form_->lang, source));
}

void MainWindow::start() {
  // The start-up without its sound: the first frame does not need it.
  starting_ = true;
  run(velmora::起動_画面);
  starting_ = false;
  timer_.start();
  // Should the window never be painted, the sound starts all the same.
  QTimer::singleShot(kSoundAtTheLatestMs, this, &MainWindow::start_sound);
}

void MainWindow::keep_games_in(std::string folder, bool offer) {
  form_->settings.保存先 = std::move(folder);
  offer_previous_ = offer;
}

void MainWindow::start_sound() {
  if (sound_started_) return;
  sound_started_ = true;
  // The game kept last time is offered in the same handler, so that the
  // window waits for input only once it has been answered.
  run([this](velmora::Form1& f) {
    velmora::起動_サウンド(f);
    velmora::前回の対局_確認(f, offer_previous_);
  });
  emit startedUp();
}

void MainWindow::customEvent(QEvent* e) {
  if (e->type() == kStartSound) start_sound();
}

void MainWindow::run(const std::function<void(velmora::Form1&)>& handler) {
  ++depth_;
  handler(*form_);
  --depth_;
  sync_checks();
  if (depth_ > 0) return;
  board_changed(view_);
  if (!pending_announcement_.isEmpty()) announcer_->announce(std::exchange(pending_announcement_, QString()));
  if (waited_) {
    // Clicks and keys that arrived while the game was waiting are not input.
    waited_ = false;
    discarding_input_ = true;
    QCoreApplication::processEvents();
    discarding_input_ = false;
  }
  if (!ticking_ && !starting_) emit handled();
  if (quit_requested_ && !closing_) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          closing_ = true;
          close();
          QCoreApplication::quit();
        },
        Qt::QueuedConnection);
    return;
  }
  think_on();
}

void MainWindow::answer(const std::optional<velmora::指し手>& move) {
  answer_waiting_ = move;
  if (depth_ == 0) think_on();
}

void MainWindow::think_on() {
  if (quit_requested_ || closing_) return;
  if (answer_waiting_) {
    const std::optional<velmora::指し手> move = *answer_waiting_;
    answer_waiting_.reset();
    run([&](velmora::Form1& f) { velmora::思考の答え(f, move); });
    return;
  }
  // The thinking starts as soon as the handler that asked for it has ended.
  if (thinker_.kept()) thinker_.start();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::Paint && !sound_start_posted_) {
    // Once the first frame is out, after whatever else that frame queued.
    sound_start_posted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kStartSound), Qt::LowEventPriority);
  }
  if (event->type() == QEvent::KeyPress) {
    // Enter in a text box of the window is that box's alone: a box ignores
    // it once it has acted, and the key would go on to the board, which by
    // then may have the keyboard (the record panel closed, the move played).
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* line = qobject_cast<QLineEdit*>(watched);
    if (line && line->window() == this && (key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !discarding_input_) {
      watched->event(event);
      event->accept();  // else the key still goes on to the box's parents
      return true;
    }
  }
  if (discarding_input_) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Wheel: return true;
      default: break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::tick() {
  // The timer only redraws the running clock; a handler in progress (the
  // computer thinking, a message box) is not interrupted by it.
  if (depth_ == 0 && form_->clock.刻む) {
    ticking_ = true;
    run(velmora::時計の刻み);
    ticking_ = false;
  }
}

void MainWindow::build_menus() {
  // Every menu and item from the game's one table, each menu before its items.
  QHash<QString, QMenu*> menus;
  for (const velmora::メニュー項目& entry : velmora::メニュー一覧()) {
    const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
    const QString caption = translated(entry.caption);
    QMenu* parent = entry.parent.empty()
                        ? nullptr
                        : menus.value(QString::fromUtf8(entry.parent.data(), qsizetype(entry.parent.size())));
    void (*handler)(velmora::Form1&) = entry.handler;
    QAction* a;
    if (entry.menu) {
      QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
      m->setObjectName(name);
      menus.insert(name, m);
      // However a menu closes (an item, a click elsewhere, Escape), keys go
      // to the game again once no other menu has opened instead: the menu
      // bar would otherwise keep them, and Escape would no longer quit. A
      // box of the record panel the item opened keeps them.
      connect(m, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
          QWidget* keys = focusWidget();
          if (keys && keys->isVisible() && panel_->area()->isAncestorOf(keys)) return;
          if (!QApplication::activePopupWidget() && isActiveWindow()) view_->setFocus(Qt::PopupFocusReason);
        });
      });
      a = m->menuAction();
      if (handler) connect(m, &QMenu::aboutToShow, this, [this, handler] { run(handler); });
      if (entry.name == velmora::最近の棋譜のメニュー)
        connect(m, &QMenu::aboutToShow, this, [this, m] { fill_recent(m); });
    } else {
      a = parent ? parent->addAction(caption) : menuBar()->addAction(caption);
      a->setCheckable(entry.checked != nullptr);
      connect(a, &QAction::triggered, this, [this, handler] { run(handler); });
      // Shown beside the item, and working wherever the window has the keys.
      if (!entry.shortcut.empty()) a->setShortcuts(QKeySequence::listFromString(to_q(entry.shortcut)));
    }
    a->setObjectName(name);
    actions_.insert(name, a);
  }
  caption_menus();
}

void MainWindow::fill_recent(QMenu* menu) {
  menu->clear();
  const std::vector<std::string>& list = form_->recent.一覧;
  if (list.empty()) menu->addAction(translated(gettext_noop("（なし）")))->setEnabled(false);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const QFileInfo file(QString::fromUtf8(list[i].data(), qsizetype(list[i].size())));
    QString caption = file.fileName();
    QAction* a = menu->addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    a->setObjectName(QStringLiteral("%1%2").arg(to_q(velmora::最近の棋譜のメニュー)).arg(i + 1));
    a->setToolTip(file.filePath());
    a->setStatusTip(file.filePath());
    connect(a, &QAction::triggered, this,
            [this, i] { run([i](velmora::Form1& f) { velmora::最近の棋譜_開く(f, i); }); });
  }
}

void MainWindow::caption_menus() {
  // Every item gets a mnemonic of its own among the items of its menu, so
  // that Alt and letters reach every command.
  QHash<QString, QSet<QChar>> taken;
  for (const velmora::メニュー項目& entry : velmora::メニュー一覧()) {
    const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
    const QString parent = QString::fromUtf8(entry.parent.data(), qsizetype(entry.parent.size()));
    if (QAction* a = actions_.value(name))
      a->setText(with_mnemonic(translated(entry.caption), name, taken[parent]));
  }
}

void MainWindow::sync_checks() {
  for (const velmora::メニュー項目& entry : velmora::メニュー一覧()) {
    if (!entry.checked && !entry.enabled) continue;
    const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
    QAction* a = actions_.value(name);
    if (!a) continue;
    if (entry.checked) a->setChecked(entry.checked(*form_));
    if (entry.enabled) a->setEnabled(entry.enabled(*form_));
  }
}

void MainWindow::message(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::NoIcon, to_q(title), box_text(text), QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

bool MainWindow::yes_no(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::NoIcon, to_q(title), box_text(text), QMessageBox::Yes | QMessageBox::No, this);
  box.button(QMessageBox::Yes)->setText(translated(gettext_noop("はい")));
  box.button(QMessageBox::No)->setText(translated(gettext_noop("いいえ")));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void MainWindow::warning(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::Warning, to_q(title), box_text(text), QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

void MainWindow::about() {
  // Form2: the title picture and two buttons.
  QDialog box(this);
  box.setObjectName("Form2");
  box.setWindowTitle(translated(gettext_noop("バージョン情報")));
  auto* layout = new QVBoxLayout(&box);
  auto* picture = new QLabel(&box);
  const qreal ratio = devicePixelRatioF();
  const QSize design = picture_size(1) * 2;
  QImage image = render_picture(1, (QSizeF(design) * ratio).toSize());
  image.setDevicePixelRatio(ratio);
  picture->setPixmap(QPixmap::fromImage(image));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);
  auto* version = new QLabel(QStringLiteral("Velmora %1").arg(QStringLiteral(VELMORA_VERSION)), &box);
  version->setAlignment(Qt::AlignCenter);
  layout->addWidget(version);
  if (!window_faces().japanese) {
    auto* notice = new QLabel(missing_japanese_font_notice(), &box);
    notice->setObjectName("font_notice");
    notice->setWordWrap(true);
    layout->addWidget(notice);
  }
  auto* buttons = new QHBoxLayout;
  auto* home = new QPushButton(translated(gettext_noop("ホームページ")), &box);
  home->setObjectName("Command1");
  auto* ok = new QPushButton(translated(gettext_noop("O K")), &box);
  ok->setObjectName("Command2");
  ok->setDefault(true);
  buttons->addWidget(home);
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  connect(home, &QPushButton::clicked, &box, [&] {
    run(velmora::ホームページ_Click);
    box.accept();
  });
  connect(ok, &QPushButton::clicked, &box, [&] {
    run(velmora::了解_Click);
    box.accept();
  });
  box.exec();
}

double MainWindow::now() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void MainWindow::wait(double seconds) {
  // Keeps painting, takes no input.
  waited_ = true;
  QElapsedTimer t;
  t.start();
  const qint64 ms = qint64(std::llround(seconds * 1000));
  while (t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    QThread::msleep(1);
  }
}

bool MainWindow::open_url(std::string_view url) {
  const QString s = to_q(url);
  const QUrl u = QFileInfo::exists(s) ? QUrl::fromLocalFile(s) : QUrl::fromUserInput(s);
  return u.isValid() && QDesktopServices::openUrl(u);
}

std::intptr_t MainWindow::window_handle() { return std::intptr_t(winId()); }

int MainWindow::window_top() {
  // A maximised window stands with its border just off the screen.
  if (isMaximized()) return -60;
  return int(std::lround(frameGeometry().y() * kTwipsPerPixel));
}

void MainWindow::place_window(int left, int top, int width, int height) {
  // The size is that of the client area: the picture below the menu bar.
  if (isMaximized() || isFullScreen()) return;
  move(int(std::lround(left / kTwipsPerPixel)), int(std::lround(top / kTwipsPerPixel)));
  const QSize client(int(std::lround(width / kTwipsPerPixel)), int(std::lround(height / kTwipsPerPixel)));
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void MainWindow::quit() { quit_requested_ = true; }

void MainWindow::replace(const std::filesystem::path& path, std::string bytes) {
  files_.渡す(path, std::move(bytes));
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (!closing_) {
    closing_ = true;
    run(velmora::Form_Unload);
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  }
  e->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
  // While the record panel or browser shows, Escape puts it away (from any of
  // its boxes too) instead of quitting.
  if (e->key() == Qt::Key_Escape && panel_->open()) {
    run(velmora::棋譜欄を閉じる);
    return;
  }
  if (qobject_cast<QLineEdit*>(focusWidget())) return QMainWindow::keyPressEvent(e);
  if (focusWidget() == view_ && board_key(e)) return;
  int code = 0;
  if (e->key() == Qt::Key_Escape) {
    code = 27;
  } else if (!e->text().isEmpty()) {
    code = e->text().at(0).unicode();
  }
  if (code == 0) return QMainWindow::keyPressEvent(e);
  run([code](velmora::Form1& f) { velmora::Form_KeyPress(f, code); });
}

void MainWindow::知らせ(const velmora::対局の知らせ& e) {
  using velmora::出来事;
  announce_event(e);
  switch (e.種類) {
    case 出来事::初期化:
    case 出来事::対局開始:
    case 出来事::棋譜を読んだ: cursor_ = cursor_on_king(*form_); break;
    case 出来事::反転: cursor_reverse(cursor_); break;
    default: return;
  }
  show_cursor();
}

void MainWindow::show_cursor() {
  int x = 0, y = 0;
  cursor_cell(cursor_, x, y);
  view_->set_cursor(QPoint(x, y), keyboard_on_board_);
  board_changed(view_);
}

bool MainWindow::board_tab(bool next) {
  keyboard_on_board_ = true;
  const bool stays = cursor_tab(cursor_, form_->pos, next);
  show_cursor();
  return stays;
}

void MainWindow::click_cell(int button, int cell_x, int cell_y) {
  const double x = velmora::座標_左(cell_x + 0.5), y = velmora::座標_上(cell_y + 0.5);
  run([=](velmora::Form1& f) { velmora::Form_MouseDown(f, button, 0, x, y); });
}

bool MainWindow::board_key(QKeyEvent* e) {
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  if (e->key() == Qt::Key_L && mods == Qt::ControlModifier) {
    move_box_->open();
    return true;
  }
  if (e->text() == QStringLiteral(":")) {
    move_box_->open();
    return true;
  }
  if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  int dx = 0, dy = 0;
  switch (e->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_P: {
      // Enter and Space are the left button, Shift+Enter and P the right one.
      const bool right = e->key() == Qt::Key_P || (mods & Qt::ShiftModifier && e->key() != Qt::Key_Space);
      keyboard_on_board_ = true;
      int x = 0, y = 0;
      cursor_cell(cursor_, x, y);
      show_cursor();
      click_cell(right ? velmora::MIGI_BUTTON : velmora::HIDARI_BUTTON, x, y);
      return true;
    }
    default: return false;
  }
  keyboard_on_board_ = true;
  cursor_step(cursor_, form_->pos, dx, dy);
  show_cursor();
  return true;
}

bool MainWindow::play_typed(const QString& text) {
  velmora::Form1& f = *form_;
  // The keyboard moves the human's side against the computer, the side to move between two people.
  const bool bottom = f.game.TAISEN_MODE != velmora::MODE_MAN_MAN || f.game.TEBAN != f.game.COM_TEBAN;
  const std::string typed = text.toStdString();
  const velmora::読んだ指し手 r = velmora::読む_指し手(f.pos, bottom, f.moves, f.game.TESUU, typed);
  if (r.誤り != velmora::読めない::なし) {
    const QString reason = to_q(velmora::読めない理由(f.lang, r));
    move_box_->refuse(reason);
    announcer_->announce(reason);
    return false;
  }
  // The source as the mouse clicks it: a top drop's slot is a row of its stand.
  const velmora::指し手& m = r.手;
  const int sx = m.x1, sy = m.x1 == velmora::UE_DAI ? velmora::敵持盤の行(m.y1) : m.y1;
  // Where the game answers a click itself (no game, a record, a finished
  // game, the computer's turn), the first click is all.
  const bool playing = !f.game.KIFU_MODE && f.game.SYOUSYA == 0 && f.game.TEBAN != velmora::TEBAN_NASI &&
                       (f.game.TAISEN_MODE == velmora::MODE_MAN_MAN || f.game.TEBAN == f.game.MAN_TEBAN);
  move_box_->close_box();
  click_cell(velmora::HIDARI_BUTTON, sx, sy);
  if (!playing) return true;
  // A pick of something else first (a piece of the other stand looked at)
  // takes one more click.
  const auto picked = [&] { return f.pick.SENTAKU && f.pick.MOTO_X == sx && f.pick.MOTO_Y == sy; };
  if (!picked()) click_cell(velmora::HIDARI_BUTTON, sx, sy);
  if (!picked()) return true;
  click_cell(m.placed != m.moving ? velmora::MIGI_BUTTON : velmora::HIDARI_BUTTON, m.x2, m.y2);
  cursor_from_cell(cursor_, m.x2, m.y2);
  show_cursor();
  return true;
}

void MainWindow::announce_event(const velmora::対局の知らせ& e) {
  using velmora::出来事;
  const velmora::言語& l = form_->lang;
  QString said;
  switch (e.種類) {
    case 出来事::指した: {
      // ▲ for the side that moved first, as the move list writes it.
      const bool first = e.手.下 == (form_->moves.先手 == -1);
      said = to_q(velmora::指し手の読み上げ(l, e.手, first));
      break;
    }
    case 出来事::戻した:
    case 出来事::進めた:
    case 出来事::ヒント: {
      // A step says which move it took back or made again, and a hint the
      // move it would play: the board's marks are seen, not heard.
      const bool first = e.手.下 == (form_->moves.先手 == -1);
      const std::string move = e.手.分かる ? velmora::指し手の読み上げ(l, e.手, first) : std::string();
      std::string what;
      // TRANSLATORS: a step back as a screen reader says it, before the move taken back.
      if (e.種類 == 出来事::戻した) what = velmora::tr(l, "読み上げ", "戻る");
      // TRANSLATORS: a step forward as a screen reader says it, before the move made again.
      else if (e.種類 == 出来事::進めた)
        what = velmora::tr(l, "読み上げ", "進む");
      // TRANSLATORS: a hint as a screen reader says it, before the move it gives.
      else
        what = velmora::tr(l, "読み上げ", "ヒント");
      // TRANSLATORS: a step or a hint and its move as a screen reader says it, "戻る: ▲７六歩".
      said = to_q(move.empty() ? what
                               : velmora::差込(velmora::tr(l, "{何}: {手}"), {{"何", what}, {"手", move}}));
      break;
    }
    // TRANSLATORS: the board turned round, as a screen reader says it.
    case 出来事::反転: said = to_q(velmora::tr(l, "読み上げ", "盤を反転")); break;
    // TRANSLATORS: check, as a screen reader says it after the move.
    case 出来事::王手: said = to_q(velmora::tr(l, "読み上げ", "王手")); break;
    case 出来事::終局:
      // TRANSLATORS: the end of the game as a screen reader says it, the winner named.
      said = to_q(velmora::差込(velmora::tr(l, "終局、{側}の勝ち"),
                                {{"側", velmora::側の読み上げ(l, e.側 == velmora::TEBAN_SENTE)}}));
      break;
    default: return;
  }
  if (pending_announcement_.isEmpty()) {
    pending_announcement_ = said;
    return;
  }
  const std::string before = pending_announcement_.toStdString(), after = said.toStdString();
  // TRANSLATORS: two things a screen reader says one after the other ("▲７六歩。△３四歩").
  pending_announcement_ = to_q(velmora::差込(velmora::tr(l, "{前}。{後}"), {{"前", before}, {"後", after}}));
}

}  // namespace velmora::app
