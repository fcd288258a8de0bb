// The Qt window on the offscreen platform: the ports as the game meets them,
// the menu tree, the picture in twips at any scale, the boxes. Moves on the
// real window are the end to end test's (e2e.sh).
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>

#include "app/board_access.hpp"
#include "app/board_view.hpp"
#include "app/main_window.hpp"
#include "app/move_box.hpp"
#include "app/palette.hpp"
#include "app/pictures.hpp"
#include "app/record_panel.hpp"
#include "format/files.hpp"
#include "game/autosave.hpp"
#include "game/computer.hpp"
#include "game/flow.hpp"
#include "game/language.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "view/drawing.hpp"
#include "window/startup.hpp"

using velmora::app::BoardView;
using velmora::app::MainWindow;
using velmora::app::qb_color;

namespace {

// Answers every modal box as soon as it is up, however long that takes:
// with the hook given to `next` if there is one, else with OK or the default
// button, and keeps the titles and texts it saw. Whatever the hook leaves
// open is answered so, and any other modal dialog is rejected, so that no
// test waits for ever on a box.
class BoxAnswerer : public QObject {
 public:
  QStringList seen;
  BoxAnswerer() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      if (next_) return std::exchange(next_, {})(modal);
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen << box->windowTitle() + "|" + box->text();
        QAbstractButton* b = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
        if (b) b->click();
      } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      }
    });
    timer_.start();
  }
  void next(std::function<void(QWidget*)> hook) { next_ = std::move(hook); }

 private:
  QTimer timer_;
  std::function<void(QWidget*)> next_;
};

// Runs `act` on the file chooser when it opens; boxes before it are answered as usual.
void on_chooser(BoxAnswerer& answers, std::function<void(QFileDialog*)> act) {
  answers.next([&answers, act](QWidget* modal) {
    if (auto* chooser = qobject_cast<QFileDialog*>(modal)) return act(chooser);
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      answers.seen << box->windowTitle() + "|" + box->text();
      box->defaultButton() ? box->defaultButton()->click() : box->buttons().value(0)->click();
    }
    on_chooser(answers, act);
  });
}

// The path typed into the file chooser's name box, then its Open or Save
// button (selectFile would wait for the folder's listing, which comes later).
void type_and_accept(QFileDialog* chooser, const QString& path) {
  auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
  QVERIFY(name);
  name->setText(path);
  static_cast<QDialog*>(chooser)->accept();
}

// A menu caption without its mnemonic: "対局(&T)" and "&Game" read "対局" and "Game".
QString plain(QString caption) {
  static const QRegularExpression japanese("\\(&[A-Z0-9]\\)$");
  caption.remove(japanese);
  return caption.remove(QLatin1Char('&'));
}

// The mnemonic of a caption, upper case; null when it has none.
QChar mnemonic(const QString& caption) {
  const qsizetype at = caption.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toUpper() : QChar();
}

// The window started (as the game keeps it) and shown.
bool started(MainWindow& w) {
  w.start();
  w.show();
  return QTest::qWaitForWindowExposed(&w);
}

// The window shown and a game between two people started, and the keyboard
// given to the board (the offscreen screen gives no window the keyboard back
// after a box).
bool start_with_the_keyboard(MainWindow& w) {
  w.start();
  w.show();
  if (!QTest::qWaitForWindowExposed(&w)) return false;
  w.action("START")->trigger();
  w.activateWindow();
  if (!QTest::qWaitForWindowActive(&w)) return false;
  w.view()->setFocus();
  return w.view()->hasFocus();
}

// The window in English.
bool to_english(MainWindow& w) {
  velmora::言語 l;
  if (!velmora::言語_設定(l, {"en"})) return false;
  w.set_language(std::move(l));
  return true;
}

// Twips of the top-left corner of board cell (x, y).
QPointF cell(double x, double y) { return {1350 + 610 * x, 100 + 690 * y}; }

// A left click in the middle of board cell (x, y) of the window.
void press(MainWindow& w, int x, int y) {
  QTest::mouseClick(w.view(), Qt::LeftButton, {}, w.view()->to_logical(cell(x + 0.5, y + 0.5)));
}

// Whether `image` holds `picture` with its top-left at device pixel `at`,
// compared inside a margin that later outlines may cover.
bool shows_picture(const QImage& image, const QImage& picture, QPoint at, int margin = 3) {
  for (int y = margin; y < picture.height() - margin; ++y) {
    for (int x = margin; x < picture.width() - margin; ++x) {
      if (image.pixel(at.x() + x, at.y() + y) != picture.pixel(x, y)) return false;
    }
  }
  return true;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    QDir::setCurrent(dir_.path());
  }

  void the_palette_is_the_classic_sixteen() {
    const QRgb expected[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                               0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                               0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) QCOMPARE(qb_color(i).rgb() & 0xFFFFFF, expected[i]);
  }

  void pictures_have_their_sizes_and_unknown_ones_none() {
    QCOMPARE(velmora::app::picture_size(0), QSize(42, 47));
    for (int code : {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950}) {
      QCOMPARE(velmora::app::picture_size(code), QSize(42, 47));
      QCOMPARE(velmora::app::picture_size(-code), QSize(42, 47));
    }
    for (int id = 2; id <= 6; ++id) QCOMPARE(velmora::app::picture_size(id), QSize(41, 46));
    QCOMPARE(velmora::app::picture_size(1), QSize(171, 39));
    for (int id : {111, -111, 7, -1, 12, 951}) QVERIFY(velmora::app::picture_size(id).isEmpty());
    // The top side's pawn is the bottom side's turned half round.
    const QImage up = velmora::app::render_picture(-10, {42, 47});
    const QImage down = velmora::app::render_picture(10, {42, 47}).mirrored(true, true);
    int same = 0;
    for (int y = 0; y < 47; ++y)
      for (int x = 0; x < 42; ++x) same += qAbs(qGray(up.pixel(x, y)) - qGray(down.pixel(x, y))) < 40;
    QVERIFY(same > 42 * 47 * 95 / 100);
    // The point of the bottom pawn is at the top: wood there, board beside it.
    QVERIFY(up.pixel(21, 7) != up.pixel(3, 7));
    QVERIFY(up.pixel(21, 42) != up.pixel(21, 46));
    // A promoted piece has red characters.
    auto has_red = [](const QImage& img) {
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
          const QColor c(img.pixel(x, y));
          if (c.red() > 150 && c.green() < 80 && c.blue() < 80) return true;
        }
      return false;
    };
    QVERIFY(has_red(velmora::app::render_picture(-11, {42, 47})));
    QVERIFY(has_red(velmora::app::render_picture(901, {42, 47})));
    QVERIFY(!has_red(up));
  }

  void the_window_starts_with_the_board_at_its_design_size() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    QCOMPARE(w.view()->size(), QSize(727, 573));
    QCOMPARE(w.view()->scale(), 1.0);
    const QImage shot = w.view()->grab().toImage();
    // The initial position: the bottom king on (5, 9), the top king on
    // (5, 1), a bottom pawn on (7, 7), an empty square on (5, 5). (The end to
    // end test moves pieces and compares them with these pictures.)
    auto at = [&](double x, double y) { return w.view()->to_logical(cell(x, y)); };
    QVERIFY(shows_picture(shot, velmora::app::render_picture(-950, {42, 47}), at(5, 9)));
    QVERIFY(shows_picture(shot, velmora::app::render_picture(-10, {42, 47}), at(7, 7)));
    QVERIFY(shows_picture(shot, velmora::app::render_picture(950, {42, 47}), at(5, 1)));
    QVERIFY(shows_picture(shot, velmora::app::render_picture(0, {42, 47}), at(5, 5)));
    // The title picture right of the board, top row.
    QVERIFY(shows_picture(shot, velmora::app::render_picture(1, {171, 39}), at(10.8, 0)));
    // Green square outlines.
    QCOMPARE(shot.pixel(at(5, 5)), qb_color(2).rgb());
  }

  // The window gets no smaller than the picture at three quarters of its
  // size, and at that width every caption of the menu bar is in sight.
  void the_smallest_window_keeps_the_board_readable_and_the_menu_bar_whole() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    w.resize(200, 150);
    QTRY_VERIFY(w.view()->width() <= 560);
    QCOMPARE(w.view()->scale(), std::min(w.view()->width() / 727.0, w.view()->height() / 573.0));
    QVERIFY(w.view()->scale() >= velmora::app::kMinimumScale - 0.01);
    QVERIFY(w.view()->width() >= 545 && w.view()->height() >= 429);
    QMenuBar* bar = w.menuBar();
    for (QAction* a : bar->actions()) {
      const QRect at = bar->actionGeometry(a);
      QVERIFY2(!at.isEmpty() && bar->rect().contains(at), qPrintable(a->text()));
    }
  }

  void the_menu_tree_has_every_caption() {
    BoxAnswerer answers;
    MainWindow w;
    w.start();
    QStringList tree;
    std::function<void(QMenu*, QString)> walk = [&](QMenu* m, QString indent) {
      for (QAction* a : m->actions()) {
        tree << indent + plain(a->text());
        if (a->menu()) walk(a->menu(), indent + "  ");
      }
    };
    for (QAction* a : w.menuBar()->actions()) {
      tree << plain(a->text()) + (a->menu() ? "" : " (acts at once)");
      if (a->menu()) walk(a->menu(), "  ");
    }
    const QStringList expected = {"対局",
                                  "  新規対局",
                                  "  対局(人間)",
                                  "    スタート",
                                  "  対局(COM)",
                                  "    先手",
                                  "    後手",
                                  "  COM対局ﾚﾍﾞﾙ",
                                  "    LEVEL1",
                                  "    LEVEL2",
                                  "    LEVEL3",
                                  "    LEVEL4",
                                  "    LEVEL5",
                                  "  ヒント",
                                  "  投了",
                                  "  終わり",
                                  "局面",
                                  "  最初",
                                  "  反転",
                                  "  戻",
                                  "  進",
                                  "戻 (acts at once)",
                                  "進 (acts at once)",
                                  "△ (acts at once)",
                                  "▽ (acts at once)",
                                  "棋譜",
                                  "  読込",
                                  "  書込",
                                  "  最近の棋譜",
                                  "ｵﾌﾟｼｮﾝ",
                                  "  背景画",
                                  "    Velmora",
                                  "    畳",
                                  "    竹",
                                  "    宇宙",
                                  "    煉瓦",
                                  "  移動指導",
                                  "  最終手表示",
                                  "  アニメーション",
                                  "  経過時間",
                                  "  BGM",
                                  "  駒",
                                  "    漢字",
                                  "    国際式",
                                  "その他",
                                  "  解説",
                                  "  バージョン情報"};
    QCOMPARE(tree, expected);
    // LEVEL3 is ticked at start-up, and the ticks follow the game's.
    QVERIFY(w.action("LEVEL3")->isChecked());
    QVERIFY(!w.action("LEVEL1")->isChecked());
    w.action("LEVEL1")->trigger();
    QCOMPARE(w.action("LEVEL1")->isChecked(), (w.form().game.COM_LEVEL == 1));
    QCOMPARE(w.action("LEVEL3")->isChecked(), (w.form().game.COM_LEVEL == 3));
    // Five levels, one ticked at a time.
    for (int level = 1; level <= 5; ++level) {
      w.action(QStringLiteral("LEVEL%1").arg(level))->trigger();
      QCOMPARE(w.form().game.COM_LEVEL, level);
      for (int other = 1; other <= 5; ++other)
        QCOMPARE(w.action(QStringLiteral("LEVEL%1").arg(other))->isChecked(), other == level);
    }
    QCOMPARE(w.action("HINT")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    // The keys shown beside the items; 進 has two.
    QCOMPARE(w.action("MODORU")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(w.action("SUSUMU")->shortcuts(),
             (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    QCOMPARE(w.action("SHINKI")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(w.action("OWARI")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(w.action("KAISETU")->shortcut(), QKeySequence(QStringLiteral("F1")));
    QVERIFY(w.action("REPLAY")->shortcut().isEmpty());  // one item a key, or the key would do nothing
    // 投了 only while a game is being played.
    QVERIFY(!w.action("TOURYOU")->isEnabled());
    w.action("START")->trigger();
    QVERIFY(w.action("TOURYOU")->isEnabled());
    // The recent records' menu lists none yet.
    QMenu* recent = w.action("SAIKIN")->menu();
    QVERIFY(recent);
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
    QVERIFY(!recent->actions().front()->isEnabled());
  }

  // Alt and a letter reach every command: each item of a menu (and of the
  // menu bar) has a mnemonic no other item of that menu has, in both languages.
  void every_menu_item_has_a_mnemonic_of_its_own() {
    for (const bool english : {false, true}) {
      BoxAnswerer answers;
      MainWindow w;
      if (english) QVERIFY(to_english(w));
      w.start();
      std::function<void(const QList<QAction*>&)> check = [&](const QList<QAction*>& items) {
        QSet<QChar> seen;
        for (QAction* a : items) {
          const QChar m = mnemonic(a->text());
          QVERIFY2(!m.isNull(), qPrintable(a->text()));
          QVERIFY2(!seen.contains(m), qPrintable(a->text()));
          seen.insert(m);
          if (a->menu()) check(a->menu()->actions());
        }
      };
      check(w.menuBar()->actions());
    }
    BoxAnswerer answers;
    MainWindow w;
    w.start();
    QCOMPARE(w.action("TAIKYOKU")->text(), QStringLiteral("対局(&T)"));
    QCOMPARE(w.action("LEVEL1")->text(), QStringLiteral("LEVEL&1"));
  }

  // The keyboard alone plays a game: the cursor starts on the king of the
  // side to move, the arrows move it, Enter picks and puts, P puts with
  // promotion, Tab goes to the stands and back, and it follows 反転.
  void the_cursor_plays_with_the_keyboard_alone() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(start_with_the_keyboard(w));
    BoardView* v = w.view();
    velmora::Form1& f = w.form();
    using velmora::app::BoardCursor;
    QCOMPARE(w.cursor(), (BoardCursor{BoardCursor::Place::Board, 5, 9, 1}));
    // Unframed until the keyboard moves it.
    QVERIFY(v->focus_frame_rect().isEmpty());
    for (auto key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up}) QTest::keyClick(v, key);
    QCOMPARE(w.cursor(), (BoardCursor{BoardCursor::Place::Board, 3, 7, 1}));
    // The frame rings the cell, its inside left alone.
    const QRect square = v->to_logical(QRectF(cell(3, 7), QSizeF(610, 690)));
    QVERIFY(v->focus_frame_rect().contains(square));
    QVERIFY(v->focus_frame_rect().width() > square.width());
    QTest::keyClick(v, Qt::Key_Return);
    QVERIFY(f.pick.SENTAKU);
    QTest::keyClick(v, Qt::Key_Up);
    QTest::keyClick(v, Qt::Key_Space);
    QCOMPARE(f.pos.BAN[3][6], -10);
    QCOMPARE(f.pos.BAN[7][4], 10);  // the mirror jump
    QCOMPARE(w.cursor(), (BoardCursor{BoardCursor::Place::Board, 3, 6, 1}));
    // The edges hold it.
    for (int i = 0; i < 12; ++i) QTest::keyClick(v, Qt::Key_Down);
    QCOMPARE(w.cursor().y, 9);
    // P is the right button: the top side's silver, which cannot promote
    // there, is put as it is.
    QTest::keyClick(v, Qt::Key_Right);  // (4, 9)
    for (int i = 0; i < 8; ++i) QTest::keyClick(v, Qt::Key_Up);
    QTest::keyClick(v, Qt::Key_Right);
    QTest::keyClick(v, Qt::Key_Right);
    QTest::keyClick(v, Qt::Key_Right);
    QCOMPARE(w.cursor(), (BoardCursor{BoardCursor::Place::Board, 7, 1, 1}));  // the top silver
    QTest::keyClick(v, Qt::Key_Return);
    QTest::keyClick(v, Qt::Key_Down);
    QTest::keyClick(v, Qt::Key_Left);
    QTest::keyClick(v, Qt::Key_P);
    QCOMPARE(f.pos.BAN[6][2], 100);
    // Tab: the bottom stand, the top stand, the board again, where it was.
    QTest::keyClick(v, Qt::Key_Tab);
    QCOMPARE(w.cursor().place, BoardCursor::Place::BottomStand);
    QTest::keyClick(v, Qt::Key_Tab);
    QCOMPARE(w.cursor().place, BoardCursor::Place::TopStand);
    QTest::keyClick(v, Qt::Key_Tab);
    QCOMPARE(w.cursor().place, BoardCursor::Place::Board);
    QCOMPARE(w.cursor().x, 6);
    QCOMPARE(w.cursor().y, 2);
    QVERIFY(v->hasFocus());
    QTest::keyClick(v, Qt::Key_Backtab);
    QCOMPARE(w.cursor().place, BoardCursor::Place::TopStand);
    QTest::keyClick(v, Qt::Key_Right);  // back to the board, beside the stand
    QCOMPARE(w.cursor().place, BoardCursor::Place::Board);
    QCOMPARE(w.cursor().x, 1);
    // 反転 turns the cursor round with the board.
    const BoardCursor on = w.cursor();
    w.action("REVERSE")->trigger();
    QCOMPARE(w.cursor().x, 10 - on.x);
    QCOMPARE(w.cursor().y, 10 - on.y);
    // A click moves the cursor and takes the frame away until a key moves it again.
    emit v->pressed(1, cell(5, 5).x() + 300, cell(5, 5).y() + 300);
    QCOMPARE(w.cursor(), (BoardCursor{BoardCursor::Place::Board, 5, 5, w.cursor().slot}));
    QVERIFY(v->focus_frame_rect().isEmpty());
  }

  // A drop from the keyboard: Tab to the stand, the arrows to the piece, Enter, then the square.
  void the_cursor_drops_from_a_stand() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(start_with_the_keyboard(w));
    BoardView* v = w.view();
    velmora::Form1& f = w.form();
    f.pos.SITA_MOTI[velmora::MOTI_KIN] = 1;
    f.pos.SITA_MOTI[velmora::MOTI_HU] = 1;
    f.pos.BAN[4][9] = velmora::KARA;  // the gold in hand is the one from (4, 9)
    f.pos.BAN[3][7] = velmora::KARA;
    QTest::keyClick(v, Qt::Key_Tab);
    using velmora::app::BoardCursor;
    QCOMPARE(w.cursor(), (BoardCursor{BoardCursor::Place::BottomStand, 5, 9, velmora::MOTI_HU}));
    QTest::keyClick(v, Qt::Key_Down);  // the next piece held, past the empty slots
    QCOMPARE(w.cursor().slot, velmora::MOTI_KIN);
    QTest::keyClick(v, Qt::Key_Down);  // nothing below: it stays
    QCOMPARE(w.cursor().slot, velmora::MOTI_KIN);
    QTest::keyClick(v, Qt::Key_Return);
    QTest::keyClick(v, Qt::Key_Left);  // onto the board beside the stand: (9, slot row 7)
    QCOMPARE(w.cursor(), (BoardCursor{BoardCursor::Place::Board, 9, 7, velmora::MOTI_KIN}));
    QTest::keyClick(v, Qt::Key_Up);
    QTest::keyClick(v, Qt::Key_Up);
    QTest::keyClick(v, Qt::Key_Return);
    QCOMPARE(f.pos.BAN[9][5], -110);
    QCOMPARE(f.pos.SITA_MOTI[velmora::MOTI_KIN], 0);
  }

  // ":" or Ctrl+L opens the typed-move box; a move typed is played through
  // the clicks, one that is none is refused with its reason and nothing
  // played; Escape closes the box and does not quit.
  void typed_moves_play_through_the_clicks() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(start_with_the_keyboard(w));
    BoardView* v = w.view();
    velmora::Form1& f = w.form();
    velmora::app::MoveBox* box = w.move_box();
    QTest::keyClicks(v, ":");
    QVERIFY(box->isVisible());
    QVERIFY(box->line()->hasFocus());
    box->line()->insert("76歩");
    QTest::keyClick(box->line(), Qt::Key_Return);
    QVERIFY(!box->isVisible());
    QVERIFY(v->hasFocus());
    QCOMPARE(f.pos.BAN[3][6], -10);
    QCOMPARE(f.pos.BAN[7][4], 10);
    // Enter was the box's alone: nothing on the board was clicked after the move.
    QCOMPARE(f.pick.MOTO_Y, 7);
    // The top side to move: a gold that cannot go there is refused, the box stays.
    QTest::keyClick(v, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(box->isVisible());
    const velmora::局面 before = f.pos;
    box->line()->insert("58金");
    QTest::keyClick(box->line(), Qt::Key_Return);
    QVERIFY(box->isVisible());
    QCOMPARE(box->reason()->text(), QStringLiteral("５八へ行ける金がありません"));
    QCOMPARE(w.announcer()->text(), box->reason()->text());
    QCOMPARE(box->line()->selectedText(), QStringLiteral("58金"));
    QVERIFY(f.pos == before);
    box->line()->insert("P-8d");
    QTest::keyClick(box->line(), Qt::Key_Return);
    QVERIFY(!box->isVisible());
    QCOMPARE(f.pos.BAN[2][4], 10);
    QCOMPARE(f.pos.BAN[8][6], -10);  // its mirror jump
    QCOMPARE(w.cursor().x, 2);
    QCOMPARE(w.cursor().y, 4);
    // Escape closes the box; the window stays.
    QTest::keyClicks(v, ":");
    QTest::keyClick(box->line(), Qt::Key_Escape);
    QVERIFY(!box->isVisible());
    QVERIFY(v->hasFocus());
    QTest::qWait(50);
    QVERIFY(w.isVisible());
  }

  // The accessible board: a table of 81 cells named by what stands on
  // them, the stands as lists, the texts, and each move announced with its
  // mirror jump.
  void the_board_reads_as_a_table_of_named_cells() {
    for (const bool english : {false, true}) {
      BoxAnswerer answers;
      MainWindow w;
      if (english) QVERIFY(to_english(w));
      QVERIFY(start_with_the_keyboard(w));
      QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w.view());
      QVERIFY(board);
      QAccessibleInterface* table = board->child(0);
      QCOMPARE(table->role(), QAccessible::Table);
      QCOMPARE(table->childCount(), 81);
      QAccessibleTableInterface* t = table->tableInterface();
      QVERIFY(t);
      QCOMPARE(t->rowCount(), 9);
      QCOMPARE(t->columnCount(), 9);
      auto name = [&](int x, int y) { return t->cellAt(y - 1, x - 1)->text(QAccessible::Name); };
      QCOMPARE(name(3, 7), english ? QStringLiteral("7g pawn, sente") : QStringLiteral("７七 歩 先手"));
      QCOMPARE(name(5, 5), english ? QStringLiteral("5e empty") : QStringLiteral("５五 空"));
      QAccessibleInterface* bottom = board->child(1);
      QCOMPARE(bottom->role(), QAccessible::List);
      QCOMPARE(bottom->text(QAccessible::Name), english ? QStringLiteral("Pieces in hand of sente: none")
                                                        : QStringLiteral("先手の持ち駒: なし"));
      QCOMPARE(bottom->childCount(), 0);
      QCOMPARE(board->child(3)->text(QAccessible::Name),
               english ? QStringLiteral("Turn: sente") : QStringLiteral("先手の番"));
      // ７六歩 and its mirror jump, typed.
      QTest::keyClicks(w.view(), ":");
      QTest::keyClicks(w.move_box()->line(), "7g7f");
      QTest::keyClick(w.move_box()->line(), Qt::Key_Return);
      QCOMPARE(name(3, 6), english ? QStringLiteral("7f pawn, sente") : QStringLiteral("７六 歩 先手"));
      QCOMPARE(name(3, 7), english ? QStringLiteral("7g empty") : QStringLiteral("７七 空"));
      QCOMPARE(name(7, 4), english ? QStringLiteral("3d pawn, gote") : QStringLiteral("３四 歩 後手"));
      QCOMPARE(name(7, 3), english ? QStringLiteral("3c empty") : QStringLiteral("３三 空"));
      QCOMPARE(w.announcer()->text(),
               english ? QStringLiteral("P-7f, mirror P3c-3d") : QStringLiteral("▲７六歩、鏡 △３四歩"));
      QAccessibleInterface* live = QAccessible::queryAccessibleInterface(w.announcer());
      QCOMPARE(live->text(QAccessible::Name), w.announcer()->text());
      QCOMPARE(board->child(3)->text(QAccessible::Name),
               english ? QStringLiteral("Turn: gote") : QStringLiteral("後手の番"));
      QVERIFY(board->indexOfChild(live) >= 7);
      // The keyboard's square is the focused cell.
      QCOMPARE(board->focusChild(), t->cellAt(5, 2));
      QVERIFY(t->cellAt(5, 2)->state().focused);
      QCOMPARE(t->cellAt(5, 2)->tableCellInterface()->rowIndex(), 5);
      // A capture fills a stand's list.
      w.form().pos.SITA_MOTI[velmora::MOTI_KAKU] = 1;
      QCOMPARE(bottom->childCount(), 1);
      QCOMPARE(bottom->child(0)->text(QAccessible::Name),
               english ? QStringLiteral("bishop 1") : QStringLiteral("角 1"));
    }
  }

  // A step, a reversal and a hint change what the board shows without a move
  // being made: each is said too, with the move it takes back, makes again
  // or gives.
  void steps_hints_and_reversals_are_announced() {
    for (const bool english : {false, true}) {
      BoxAnswerer answers;
      MainWindow w;
      if (english) QVERIFY(to_english(w));
      QVERIFY(start_with_the_keyboard(w));
      const QString played =
          english ? QStringLiteral("P-7f, mirror P3c-3d") : QStringLiteral("▲７六歩、鏡 △３四歩");
      QTest::keyClicks(w.view(), ":");
      QTest::keyClicks(w.move_box()->line(), "7g7f");
      QTest::keyClick(w.move_box()->line(), Qt::Key_Return);
      QCOMPARE(w.announcer()->text(), played);
      w.action("MODORU")->trigger();
      QCOMPARE(w.form().game.TESUU, 0);
      QCOMPARE(w.announcer()->text(),
               (english ? QStringLiteral("Back: ") : QStringLiteral("戻る: ")) + played);
      w.action("SUSUMU")->trigger();
      QCOMPARE(w.form().game.TESUU, 1);
      QCOMPARE(w.announcer()->text(),
               (english ? QStringLiteral("Forward: ") : QStringLiteral("進む: ")) + played);
      // The hint for gote, the side to move, once level 5 has thought.
      w.thinker().set_seconds(0.05);
      w.action("HINT")->trigger();
      QTRY_VERIFY_WITH_TIMEOUT(!velmora::思考を待つ(w.form()), 20000);
      const QString hint = w.announcer()->text();
      QVERIFY2(hint.startsWith(english ? QStringLiteral("Hint: ") : QStringLiteral("ヒント: △")),
               qPrintable(hint));
      QVERIFY(hint.size() > (english ? 8 : 7));
      w.action("REVERSE")->trigger();
      QCOMPARE(w.announcer()->text(),
               english ? QStringLiteral("Board turned round") : QStringLiteral("盤を反転"));
    }
  }

  // Level 5 thinks on a thread of its own: the window goes on (the clock
  // runs, a click is refused), and Escape stops the search through its stop
  // flag and joins its thread before the window goes.
  void the_computer_thinks_on_a_thread_and_escape_stops_it() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    velmora::Form1& f = w.form();
    w.thinker().set_seconds(600);  // only the stop flag can end it in time
    w.action("LEVEL5")->trigger();
    w.action("SENTE")->trigger();
    press(w, 7, 7);
    press(w, 7, 6);
    QVERIFY(velmora::思考を待つ(f));
    QVERIFY(w.thinker().thinking());
    QCOMPARE(f.game.TEBAN, f.game.COM_TEBAN);
    // The window is not frozen: its timer moves the computer's clock.
    QTRY_VERIFY_WITH_TIMEOUT(f.clock.KEIKA_BYOU >= 1, 20000);
    const velmora::局面 waiting = f.pos;
    press(w, 3, 7);
    press(w, 3, 6);
    QVERIFY(f.pos == waiting);
    QTest::keyClick(w.view(), Qt::Key_Escape);
    QVERIFY(!w.thinker().thinking());
    QVERIFY(w.thinker().last().止められた);
    QVERIFY(!velmora::思考を待つ(f));
    QCOMPARE(f.game.TESUU, 1);
    QVERIFY(f.pos == waiting);
  }

  // The window writes the game in play on a thread of its own; however soon
  // after its last change the window goes, the file holds that change, and
  // what only the end writes, whole.
  void the_game_in_play_is_in_its_file_once_the_window_has_gone() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    velmora::局面 last;
    {
      BoxAnswerer answers;
      MainWindow w;
      w.keep_games_in(dir.path().toStdString(), true);
      QSignalSpy started(&w, &MainWindow::startedUp);
      w.start();
      w.show();
      QVERIFY(started.wait(20000));  // the kept game is offered, and keeping begins
      w.action("START")->trigger();
      // A pawn forward on either side in turn, each away from the mirror jumps.
      for (const auto [x, y, to] :
           {std::array{7, 7, 6}, {7, 3, 4}, {2, 7, 6}, {4, 3, 4}, {1, 7, 6}, {5, 3, 4}}) {
        press(w, x, y);
        press(w, x, to);
      }
      QCOMPARE(w.form().game.TESUU, 6);
      last = w.form().pos;
      // A level chosen is no change of the game: only the window's end writes it.
      w.action("LEVEL1")->trigger();
    }
    const auto bytes = velmora::読込_ファイル全体(dir.filePath("autosave").toStdString());
    QVERIFY(bytes);
    velmora::保存された対局 kept;
    QCOMPARE(velmora::自動保存_解析(*bytes, kept), velmora::自動保存の誤り::なし);
    QCOMPARE(kept.game.TESUU, 6);
    QVERIFY(kept.pos == last);
    QCOMPARE(kept.game.COM_LEVEL, 1);
  }

  // The answer comes back to the window's thread and is played there as the
  // computer's move always is; a hint, thought about the same way, marks a
  // move and plays nothing.
  void the_answer_is_played_on_the_windows_thread_and_the_hint_marks_a_move() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    velmora::Form1& f = w.form();
    w.thinker().set_seconds(0.05);
    w.action("LEVEL4")->trigger();
    w.action("SENTE")->trigger();
    press(w, 7, 7);
    press(w, 7, 6);
    QTRY_VERIFY_WITH_TIMEOUT(f.game.TESUU == 2 && f.game.TEBAN == f.game.MAN_TEBAN, 20000);
    QVERIFY(!velmora::思考を待つ(f));
    QVERIFY(!w.thinker().thinking());
    QCOMPARE(f.game.TESUU_MAX, 1);
    QCOMPARE(int(f.moves.手.size()), 2);
    const velmora::局面 before = f.pos;
    w.action("HINT")->trigger();
    QVERIFY(velmora::思考を待つ(f));
    QTRY_VERIFY_WITH_TIMEOUT(!velmora::思考を待つ(f), 20000);
    QVERIFY(f.view.印数 >= 2);
    QVERIFY(f.pos == before);
    QCOMPARE(f.game.TESUU, 2);
  }

  // The kanji set and the international set on the window at a narrow, the
  // start-up and a double size: each piece as its picture renders at that
  // size, the international ones readable (a letter's dark strokes) however
  // small, promoted ones red.
  void both_piece_sets_paint_at_three_sizes() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    BoardView* v = w.view();
    for (const bool international : {false, true}) {
      w.action(international ? "KOKUSAI" : "KANJI")->trigger();
      QCOMPARE(w.action("KOKUSAI")->isChecked(), international);
      const int set = international ? 1000 : 0;
      for (const QSize size : {QSize(363, 286), QSize(727, 573), QSize(1454, 1146)}) {
        v->resize(size);
        const double s = v->scale();
        const QSize px(qRound(42 * s), qRound(47 * s));
        const QImage& img = v->back_buffer();
        QVERIFY(shows_picture(img, velmora::app::render_picture(-950 - set, px), v->to_logical(cell(5, 9)),
                              qRound(3 * s)));
        QVERIFY(shows_picture(img, velmora::app::render_picture(800 + set, px), v->to_logical(cell(8, 2)),
                              qRound(3 * s)));
        QVERIFY(shows_picture(img, velmora::app::render_picture(0, px), v->to_logical(cell(5, 5)),
                              qRound(3 * s)));
      }
    }
    auto dark_and_red = [](const QImage& img) {
      int dark = 0, red = 0;
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
          const QColor c(img.pixel(x, y));
          dark += c.lightness() < 60;
          red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
        }
      return std::pair(dark, red);
    };
    for (const QSize px : {QSize(21, 24), QSize(42, 47), QSize(84, 94)}) {
      const auto [pawn_dark, pawn_red] = dark_and_red(velmora::app::render_picture(-1010, px));
      QVERIFY(pawn_dark > px.width() * px.height() / 30);
      QCOMPARE(pawn_red, 0);
      QVERIFY(dark_and_red(velmora::app::render_picture(1901, px)).second > px.width() * px.height() / 30);
      QVERIFY(velmora::app::render_picture(-1010, px) != velmora::app::render_picture(-10, px));
    }
    for (int code : {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950})
      QCOMPARE(velmora::app::picture_size(-code - 1000), QSize(42, 47));
    for (int id : {1111, 1000, -1000, 1951}) QVERIFY(velmora::app::picture_size(id).isEmpty());
  }

  // English: the menus, the record panel, the boxes' buttons and the about box.
  void the_window_speaks_english_when_told_to() {
    BoxAnswerer answers;
    MainWindow w;
    velmora::言語 english;
    QVERIFY(velmora::言語_設定(english, {"en"}));
    w.set_language(std::move(english));
    w.start();
    QStringList bar;
    for (QAction* a : w.menuBar()->actions()) bar << plain(a->text());
    QCOMPARE(bar, (QStringList{"Game", "Position", "Back", "Forward", "△ Easier", "▽ Harder", "Record",
                               "Options", "Help"}));
    QCOMPARE(plain(w.action("SENTE")->text()), QStringLiteral("You Play First (Sente)"));
    QCOMPARE(plain(w.action("KOKUSAI")->text()), QStringLiteral("International"));
    QCOMPARE(w.menuBar()->actions().first()->text(), QStringLiteral("&Game"));
    QCOMPARE(w.record_panel()->label1(0)->text(), QStringLiteral("File:"));
    QCOMPARE(w.record_panel()->command1()->text(), QStringLiteral("Save"));
    QStringList buttons;
    answers.next([&](QWidget* modal) {
      for (QAbstractButton* b : modal->findChildren<QAbstractButton*>()) buttons << b->text();
      qobject_cast<QDialog*>(modal)->reject();
    });
    w.yes_no("?", "");
    answers.next([&](QWidget* modal) {
      for (QAbstractButton* b : modal->findChildren<QPushButton*>()) buttons << b->text();
      buttons << modal->windowTitle();
      qobject_cast<QDialog*>(modal)->reject();
    });
    w.about();
    QCOMPARE(buttons, (QStringList{"Yes", "No", "Home Page", "OK", "About Velmora"}));
  }

  void primitives_paint_in_twips_at_any_scale() {
    BoardView view;
    view.resize(727, 573);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.picture(-900, 1350 + 610 * 4, 100 + 690 * 4);
    view.rectangle(12, 1960, 790, 2570, 1480);  // the outline of cell (1, 1)
    view.text(6000, 6500, "手目", 15, 12, true);
    view.picture(111, 0, 0);  // no picture: nothing painted, nothing kept
    QCOMPARE(view.display_list_size(), std::size_t(3));

    for (const QSize size : {QSize(727, 573), QSize(1454, 1146), QSize(2000, 900)}) {
      view.resize(size);
      const double s = view.scale();
      QCOMPARE(s, std::min(size.width() / 727.0, size.height() / 573.0));
      const QImage& img = view.back_buffer();
      // The outline's corners are red, its inside is not.
      QCOMPARE(img.pixel(view.to_logical(QPointF(1960, 790))), qb_color(12).rgb());
      QCOMPARE(img.pixel(view.to_logical(QPointF(2570, 1480))), qb_color(12).rgb());
      QVERIFY(img.pixel(view.to_logical(QPointF(2265, 1135))) != qb_color(12).rgb());
      // The rook, drawn again from its vector form at this scale.
      const QSize px(qRound(42 * s), qRound(47 * s));
      QVERIFY(shows_picture(img, velmora::app::render_picture(-900, px), view.to_logical(cell(4, 4)),
                            qRound(3 * s)));
      // White text somewhere in its box.
      bool white = false;
      const QRect box = view.to_logical(QRectF(6000, 6500, 500, 300));
      for (int y = box.top(); y <= box.bottom() && !white; ++y)
        for (int x = box.left(); x <= box.right() && !white; ++x) white = img.pixel(x, y) == 0xFFFFFFFF;
      QVERIFY(white);
      // The margin beside the picture shows the back colour.
      if (size.width() > 727 * s + 4) QCOMPARE(img.pixel(1, size.height() / 2), qb_color(2).rgb());
    }
  }

  // A text's shadow, which the game places a tenth of a cell right of and
  // below it, stands one or two device pixels from it at every scale.
  void a_shadow_stays_a_pixel_or_two_from_its_text() {
    BoardView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.text(6000 + 61, 6000 + 69, "８", 0, 24, true);
    view.text(6000, 6000, "８", 15, 24, true);
    for (const QSize size : {QSize(727, 573), QSize(1090, 860), QSize(2181, 1719)}) {
      view.resize(size);
      const QImage& img = view.back_buffer();
      // The right and bottom edges of the white text and of the black shadow.
      int white_r = -1, white_b = -1, black_r = -1, black_b = -1;
      for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
          const QRgb c = img.pixel(x, y);
          if (qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230)
            white_r = std::max(white_r, x), white_b = std::max(white_b, y);
          if (qRed(c) < 25 && qGreen(c) < 25 && qBlue(c) < 25)
            black_r = std::max(black_r, x), black_b = std::max(black_b, y);
        }
      }
      QVERIFY(white_r >= 0 && black_r >= 0);
      const QString at = QString("%1x%2").arg(size.width()).arg(size.height());
      QVERIFY2(black_r - white_r >= 1 && black_r - white_r <= 2, qPrintable(at));
      QVERIFY2(black_b - white_b >= 1 && black_b - white_b <= 2, qPrintable(at));
    }
  }

  void presses_map_back_to_twips() {
    BoardView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &BoardView::pressed);
    for (const QSize size : {QSize(727, 573), QSize(1600, 1000), QSize(900, 1200)}) {
      view.resize(size);
      spy.clear();
      const QPointF target(1350 + 610 * 3.5, 100 + 690 * 7.5);  // the middle of cell (3, 7)
      QTest::mouseClick(&view, Qt::RightButton, {}, view.to_logical(target));
      QCOMPARE(spy.count(), 1);
      QCOMPARE(spy.at(0).at(0).toInt(), 2);
      const double twips_per_pixel = 15 / view.scale();
      QVERIFY(std::abs(spy.at(0).at(1).toDouble() - target.x()) <= twips_per_pixel);
      QVERIFY(std::abs(spy.at(0).at(2).toDouble() - target.y()) <= twips_per_pixel);
    }
    // A press beside the picture (where the move list stands) or below it is
    // not on the window's picture.
    for (const QSize size : {QSize(1600, 573), QSize(727, 1000)}) {
      view.resize(size);
      spy.clear();
      QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(size.width() - 5, size.height() - 5));
      QCOMPARE(spy.count(), 0);
    }
  }

  // The whole client area is the game's at every shape: the background
  // picture beyond the window's picture, on the same grid as its tiles, with
  // no seam (a seam shows the window's green) at any scale. Where there is
  // room the move list stands right of the picture, and never over it.
  void the_background_fills_every_shape_and_the_move_list_takes_the_room_beside_it() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    w.action("RENGA")->trigger();
    w.action("START")->trigger();
    velmora::Form_MouseDown(w.form(), 1, 0, 1350 + 610 * 3.5, 100 + 690 * 7.5);
    velmora::Form_MouseDown(w.form(), 1, 0, 1350 + 610 * 3.5, 100 + 690 * 6.5);
    BoardView* v = w.view();
    QCOMPARE(v->move_lines().size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(v->move_lines()[1].move), QStringLiteral("▲７六歩"));
    const QSet<QRgb> bricks = {0xFFC8C0B0, 0xFFA4442C, 0xFF963C26};
    const QSize shapes[] = {QSize(600, 900), QSize(1280, 720), QSize(1454, 1146), QSize(1500, 1160)};
    for (const QSize shape : shapes) {
      v->resize(shape);
      const QImage& img = v->back_buffer();
      const QRect picture = v->to_logical(QRectF(0, 0, 10900, 8600));
      // Everything outside the picture, and the plain background inside it
      // (cells 13..14 of rows 4..8), is brick.
      QRegion plain = QRegion(img.rect()).subtracted(picture);
      plain += v->to_logical(QRectF(1350 + 610 * 13, 100 + 690 * 4, 610 * 2, 690 * 5)).adjusted(1, 1, -1, -1);
      int foreign = 0;
      for (const QRect& r : plain)
        for (int y = r.top(); y <= r.bottom(); ++y)
          for (int x = r.left(); x <= r.right(); ++x) foreign += !bricks.contains(img.pixel(x, y));
      QCOMPARE(foreign, 0);
      const bool wide = shape.width() * 573 > shape.height() * 727 + 190 * shape.height();
      QCOMPARE(!v->move_list_rect().isEmpty(), wide);
      if (!wide) continue;
      QVERIFY(!v->move_list_rect().intersects(picture));
      QCOMPARE(picture.left(), 0);
      // The current move's line is painted there, in yellow.
      const QImage shot = v->grab().toImage();
      int yellow = 0;
      const QRect list = v->move_list_rect();
      for (int y = list.top(); y <= list.bottom(); ++y)
        for (int x = list.left(); x <= list.right(); ++x) yellow += shot.pixel(x, y) == qb_color(14).rgb();
      QVERIFY(yellow > 20);
    }
  }

  // Whose turn it is stands at the top of the move list where there is one,
  // and in the free room right of the board, off the board and the stands,
  // where there is none; its first line in yellow.
  void whose_turn_stands_above_the_moves_or_beside_the_board() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    BoardView* v = w.view();
    QVERIFY(v->status_lines().empty());
    w.action("START")->trigger();
    QCOMPARE(v->status_lines(), std::vector<QString>{QStringLiteral("▲先手の番")});
    press(w, 7, 7);
    press(w, 7, 6);
    QCOMPARE(v->status_lines(), std::vector<QString>{QStringLiteral("△後手の番")});
    for (const QSize shape : {QSize(600, 900), QSize(727, 573), QSize(1454, 900)}) {
      v->resize(shape);
      const QRect at = v->status_rect();
      QVERIFY(!at.isEmpty());
      if (!v->move_list_rect().isEmpty()) {
        QVERIFY(v->move_list_rect().contains(at));
      } else {
        QVERIFY(v->to_logical(QRectF(0, 0, 10900, 8600)).contains(at));
        // Right of the board and of the bottom side's stand with its counts.
        QVERIFY(at.left() >= v->to_logical(cell(12.3, 0)).x());
      }
      const QImage shot = v->grab().toImage();
      int yellow = 0;
      for (int y = at.top(); y <= at.bottom(); ++y)
        for (int x = at.left(); x <= at.right(); ++x) {
          const QRgb c = shot.pixel(x, y);
          yellow += qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 90;
        }
      QVERIFY2(yellow > 20, qPrintable(QString("%1x%2").arg(shape.width()).arg(shape.height())));
    }
  }

  // A move glides to its square with its mirror jump: at first the screen
  // shows the destination as it was, though the picture behind already has
  // the piece there; once the glide ends the screen is that picture.
  void a_move_glides_with_its_jump_and_ends_on_its_square() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    w.action("START")->trigger();
    BoardView* v = w.view();
    press(w, 7, 7);
    press(w, 7, 6);
    QVERIFY(v->animating());
    QCOMPARE(v->glides_shown(), std::size_t(2));
    const double r = v->devicePixelRatioF();
    auto differing = [&](double x, double y) {
      const QImage shown = v->grab().toImage();
      const QRect c = v->to_logical(QRectF(cell(x, y), QSizeF(610, 690))).adjusted(3, 3, -3, -3);
      int n = 0;
      for (int py = int(c.top() * r); py < int(c.bottom() * r); ++py)
        for (int px = int(c.left() * r); px < int(c.right() * r); ++px)
          n += shown.pixel(px, py) != v->back_buffer().pixel(px, py);
      return n;
    };
    QVERIFY(differing(7, 6) > 50);  // the pawn is not there yet
    QVERIFY(differing(3, 4) > 50);  // nor the top pawn it drags
    QTRY_VERIFY_WITH_TIMEOUT(!v->animating(), 3000);
    QCOMPARE(differing(7, 6), 0);
    QCOMPARE(differing(3, 4), 0);
  }

  void enter_in_any_box_of_the_record_panel_presses_return() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    w.action("KIFU_WRITE")->trigger();
    auto* panel = w.record_panel();
    QSignalSpy spy(panel, &velmora::app::RecordPanelWidgets::returnClicked);
    for (int n = 1; n <= 4; ++n) {
      QTest::keyClick(panel->text_box(n), Qt::Key_Return);
      QCOMPARE(spy.count(), n);
    }
    // And the panel's own handler ran: an empty name is refused.
    QVERIFY(answers.seen.contains(QStringLiteral("  |ﾌｧｲﾙ名が入力されていません")));
  }

  void painting_over_keeps_the_display_list_small_and_the_picture_the_same() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    for (int i = 0; i < 40; ++i) velmora::画面_再描画(w.form());
    QVERIFY(w.view()->display_list_size() < 5000);
    const QImage before = w.view()->back_buffer().copy();
    // Replaying the kept calls gives the same picture.
    w.view()->resize(800, 600);
    w.view()->resize(727, 573);
    QCOMPARE(w.view()->back_buffer(), before);
  }

  // Stepping to and fro through a record in a window wide enough for the move
  // list, in English, keeps the display list small: the outlines on the edge
  // of the board and the move counter used to stay in it for good, dozens of
  // calls a step, and the window grew by megabytes. What is kept, replayed
  // at the smallest size, is what a window of that size drew as it went, and
  // at its own size the picture it showed.
  void stepping_through_a_record_keeps_the_display_list_small() {
    BoxAnswerer answers;
    MainWindow wide, small;
    for (MainWindow* w : {&wide, &small}) {
      velmora::言語 english;
      QVERIFY(velmora::言語_設定(english, {"en"}));
      w->set_language(std::move(english));
      w->start();  // which places the window as the game keeps it
      if (w == &wide)
        w->resize(1300, 650);
      else
        w->resize(velmora::app::kDesignWidth / 4, velmora::app::kDesignHeight / 4);
      w->show();
      QVERIFY(QTest::qWaitForWindowExposed(w));
      w->record_panel()->set_directory(VELMORA_TEST_DATA "/game/data");
      w->read_record("twenty_moves.棋譜");
      QCOMPARE(w->form().game.TESUU_MAX, 20);
      for (int pass = 0; pass < 10; ++pass) {
        for (int i = 0; i < 20; ++i) w->action("AFTER")->trigger();
        for (int i = 0; i < 20; ++i) w->action("REPLAY")->trigger();
      }
      for (int i = 0; i < 7; ++i) w->action("AFTER")->trigger();
    }
    QVERIFY(!wide.view()->move_list_rect().isEmpty());
    QVERIFY2(wide.view()->display_list_size() < 4096,
             qPrintable(QString::number(wide.view()->display_list_size())));
    const QImage before = wide.view()->back_buffer().copy();
    const QSize size = wide.view()->size();
    wide.view()->resize(small.view()->size());
    QCOMPARE(wide.view()->back_buffer(), small.view()->back_buffer());
    wide.view()->resize(size);
    QCOMPARE(wide.view()->back_buffer(), before);
  }

  // The record panel stands in a side area right of the board and never
  // covers the picture: at the smallest window the window grows by the area
  // and gives it back when the panel goes; in a large window the area takes
  // the move list's room and the board keeps its scale. The area and its
  // font scale with the window, and every caption fits, in both languages.
  void the_record_panel_stands_beside_the_board_at_every_size() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    auto* panel = w.record_panel();
    BoardView* v = w.view();
    // The picture and the area as the window shows them.
    auto picture = [&] {
      return v->to_logical(QRectF(0, 0, 10900, 8600)).translated(v->mapTo(&w, QPoint(0, 0)));
    };
    auto area = [&] { return QRect(panel->area()->mapTo(&w, QPoint(0, 0)), panel->area()->size()); };
    auto captions_fit = [&] {
      for (int i = 0; i < 4; ++i)
        if (panel->label1(i)->isVisible() && panel->label1(i)->width() < panel->label1(i)->sizeHint().width())
          return false;
      for (QPushButton* b : {panel->command1(), panel->close_button(), panel->browse_button()})
        if (b->isVisible() && b->width() < b->sizeHint().width()) return false;
      return true;
    };
    auto inside_the_area = [&] {
      for (QWidget* c : panel->area()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (c->isVisible() && !panel->area()->rect().contains(c->geometry())) return false;
      return true;
    };

    w.resize(1, 1);  // the smallest the window goes
    QTRY_VERIFY(v->scale() < velmora::app::kMinimumScale + 0.01);
    const double smallest_scale = v->scale();
    const QSize smallest = w.size();
    const QRect board_alone = picture();
    QVERIFY(panel->area()->isHidden());
    for (bool english : {false, true}) {
      if (english) QVERIFY(to_english(w));
      w.action("KIFU_WRITE")->trigger();
      QTRY_VERIFY(!panel->area()->isHidden() && w.width() > smallest.width());
      QTRY_COMPARE(picture(), board_alone);
      QCOMPARE(v->scale(), smallest_scale);
      QVERIFY2(!area().intersects(picture()),
               qPrintable(QString("%1 %2").arg(area().x()).arg(picture().right())));
      QVERIFY(w.rect().contains(area()));
      QCOMPARE(area().height(), v->height());
      QVERIFY(inside_the_area());
      QVERIFY(captions_fit());
      QTest::mouseClick(panel->close_button(), Qt::LeftButton);
      QVERIFY(panel->area()->isHidden());
      QTRY_COMPARE(w.size(), smallest);
      QTRY_COMPARE(picture(), board_alone);
    }
    const int small_width = panel->area_width(v->height());
    const int small_font = panel->text_box(1)->font().pixelSize();

    // At the start-up size the window grows by the whole area (as far as the
    // screen allows), so that the board keeps its size.
    w.resize(velmora::app::kDesignWidth, velmora::app::kDesignHeight + w.menuBar()->height());
    QTRY_COMPARE(v->scale(), 1.0);
    const QSize start_up = w.size();
    w.action("KIFU_READ")->trigger();
    const int screen = w.screen()->availableGeometry().width();
    const int area_width = panel->area_width(v->height());
    QTRY_COMPARE(w.width(),
                 std::max(std::min(start_up.width() + area_width, screen), v->minimumWidth() + area_width));
    QVERIFY(!area().intersects(picture()));
    if (w.width() < screen) QCOMPARE(v->scale(), 1.0);
    QTest::mouseClick(panel->close_button(), Qt::LeftButton);
    QTRY_COMPARE(w.size(), start_up);

    // Large: the board's picture keeps its place and scale while the area shows.
    w.resize(1600, 900);
    QTRY_COMPARE(w.size(), QSize(1600, 900));
    QTRY_VERIFY(!v->move_list_rect().isEmpty());
    const QRect wide_board = picture();
    const double wide_scale = v->scale();
    w.action("KIFU_READ")->trigger();
    QTRY_VERIFY(!panel->area()->isHidden());
    QTRY_COMPARE(area().width(), panel->area_width(v->height()));
    QCOMPARE(w.size(), QSize(1600, 900));
    QCOMPARE(v->scale(), wide_scale);
    QCOMPARE(picture(), wide_board);
    QVERIFY(!area().intersects(picture()));
    QCOMPARE(area().right(), w.rect().right());
    QVERIFY(area().width() > small_width);
    QVERIFY(panel->file1()->font().pixelSize() > small_font);
    QVERIFY(inside_the_area());
    QVERIFY(captions_fit());
    // The file list keeps most of the room below the folders.
    QVERIFY(panel->file1()->height() > area().height() / 4);
    w.action("KIFU_WRITE")->trigger();  // the write panel as well
    QVERIFY(inside_the_area() && captions_fit() && !area().intersects(picture()));
    QTest::keyClick(panel->text_box(1), Qt::Key_Escape);
    QTRY_VERIFY(panel->area()->isHidden());
    QCOMPARE(w.size(), QSize(1600, 900));
    QTRY_COMPARE(picture(), wide_board);
  }

  // The record browser lists the records of its folder and its folders, its
  // places are home, the record folder and the working directory, and its
  // lists are read afresh each time it opens.
  void the_record_browser_lists_its_folder_and_offers_the_places() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    auto* panel = w.record_panel();
    QCOMPARE(panel->label1(0)->text(), QStringLiteral("ﾌｧｲﾙ名 ："));
    QCOMPARE(panel->label1(1)->text(), QStringLiteral("後    手 ："));
    QCOMPARE(panel->label1(2)->text(), QStringLiteral("先    手 ："));
    QCOMPARE(panel->label1(3)->text(), QStringLiteral("対 局 名："));
    QCOMPARE(panel->command1()->text(), QStringLiteral("RETURN"));
    QCOMPARE(panel->browse_button()->text(), QStringLiteral("参照…"));
    // Typed from the top: title, first player, second player, file name.
    w.action("KIFU_WRITE")->trigger();
    QCOMPARE(panel->text_box(2)->nextInFocusChain(), panel->text_box(3));
    QVERIFY(panel->text_box(2)->y() < panel->text_box(3)->y() &&
            panel->text_box(4)->y() < panel->text_box(1)->y());
    QTest::mouseClick(panel->close_button(), Qt::LeftButton);

    // The file list shows the records of the directory, and only those.
    QFile(dir_.filePath("一局目.棋譜")).open(QIODevice::WriteOnly);
    QFile(dir_.filePath("memo.txt")).open(QIODevice::WriteOnly);
    QDir(dir_.path()).mkdir("sub");
    const QString home = dir_.filePath("home");
    QDir().mkpath(home);
    QFile(home + "/家.棋譜").open(QIODevice::WriteOnly);
    const QByteArray old_home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home));
    panel->show_browser(true, true, true);
    QCOMPARE(panel->directory(), QDir(dir_.path()).absolutePath().toStdString());
    QCOMPARE(panel->file1()->count(), 1);
    QCOMPARE(panel->file1()->item(0)->text(), QStringLiteral("一局目.棋譜"));
    QVERIFY(!panel->dir1()->findItems("sub", Qt::MatchEndsWith).isEmpty());
    // The places: home, the record folder (none used yet: the folder the
    // browser first showed) and the working directory; the folder shown is
    // the one chosen.
    QComboBox* places = panel->drive1();
    QCOMPARE(places->count(), 3);
    QCOMPARE(places->itemData(0).toString(), home);
    QCOMPARE(places->itemData(1).toString(), dir_.path());
    QCOMPARE(places->itemData(2).toString(), dir_.path());
    QVERIFY(places->itemText(0).startsWith(QStringLiteral("ホーム")));
    QVERIFY(places->itemText(1).startsWith(QStringLiteral("棋譜のフォルダ")));
    QVERIFY(places->itemText(2).startsWith(QStringLiteral("作業フォルダ")));
    QCOMPARE(places->currentIndex(), 1);
    // Choosing home lists it, as the drive box did.
    emit places->activated(0);
    QCOMPARE(panel->directory(), home.toStdString());
    QCOMPARE(panel->file1()->count(), 1);
    QCOMPARE(panel->file1()->item(0)->text(), QStringLiteral("家.棋譜"));
    QCOMPARE(places->currentIndex(), 0);
    // A folder that is none of them chooses none.
    panel->set_directory(dir_.filePath("sub").toStdString());
    QCOMPARE(places->currentIndex(), -1);
    QCOMPARE(panel->file1()->count(), 0);

    // The record folder is the one a record was read from last.
    panel->set_directory(VELMORA_TEST_DATA "/game/data");
    w.read_record("twenty_moves.棋譜");
    QCOMPARE(w.form().game.TESUU_MAX, 20);
    w.action("KIFU_READ")->trigger();
    QCOMPARE(places->itemData(1).toString(), QDir::cleanPath(VELMORA_TEST_DATA "/game/data"));
    QCOMPARE(places->itemData(0).toString(), home);
    qputenv("HOME", old_home);
    // In English too.
    QVERIFY(to_english(w));
    QCOMPARE(panel->browse_button()->text(), QStringLiteral("Browse…"));
    QVERIFY(places->itemText(0).startsWith(QStringLiteral("Home")));

    panel->set_text(velmora::棋譜の欄::先手, "先手の人");
    QCOMPARE(panel->text(velmora::棋譜の欄::先手), std::string("先手の人"));
    // A header box takes no more than a record line can hold in Shift-JIS.
    panel->set_text(velmora::棋譜の欄::対局名, QString(600, QChar(0x5C06)).toStdString());
    QCOMPARE(QString::fromStdString(panel->text(velmora::棋譜の欄::対局名)).size(), 512);
    panel->set_directory(dir_.path().toStdString());
    panel->show_browser(true, true, false);
    QVERIFY(!panel->drive1()->isHidden());
    QVERIFY(panel->file1()->isHidden());
    // Opened again, the lists are read afresh: a record and a folder made
    // while it was away are there.
    panel->show_browser(false, false, false);
    QFile(dir_.filePath("二局目.棋譜")).open(QIODevice::WriteOnly);
    QDir(dir_.path()).mkdir("later");
    panel->show_browser(true, true, true);
    QCOMPARE(panel->file1()->count(), 2);
    QVERIFY(!panel->dir1()->findItems("later", Qt::MatchEndsWith).isEmpty());
  }

  // "参照…" opens the file chooser on record files in the folder shown: a
  // record chosen in another folder is read as a click on it in the list
  // would read it, and the browser moves to its folder; Cancel changes
  // nothing. Writing, the chooser names the folder and the file name, and
  // RETURN writes there.
  void the_file_chooser_reads_a_record_from_any_folder() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    auto* panel = w.record_panel();
    const QString elsewhere = dir_.filePath("elsewhere");
    QDir().mkpath(elsewhere);
    QVERIFY(QFile::copy(VELMORA_TEST_DATA "/game/data/twenty_moves.棋譜", elsewhere + "/二十手.棋譜"));
    w.action("KIFU_READ")->trigger();
    const std::string before = panel->directory();

    QStringList filters;
    QString opened_in;
    on_chooser(answers, [&](QFileDialog* chooser) {
      // What the chooser's list is filtered by, as the toolkit read the filter.
      if (auto* model = chooser->findChild<QFileSystemModel*>()) filters = model->nameFilters();
      opened_in = chooser->directory().absolutePath();
      chooser->reject();
    });
    QTest::mouseClick(panel->browse_button(), Qt::LeftButton);
    QVERIFY(panel->chooser() == nullptr);
    QCOMPARE(filters, QStringList{QStringLiteral("*.棋譜")});
    QCOMPARE(opened_in, QString::fromStdString(before));
    // Cancelled: the same folder, nothing read, the browser still open.
    QCOMPARE(panel->directory(), before);
    QCOMPARE(w.form().game.TESUU_MAX, 0);
    QVERIFY(!panel->file1()->isHidden());

    on_chooser(answers, [&](QFileDialog* chooser) { type_and_accept(chooser, elsewhere + "/二十手.棋譜"); });
    QTest::mouseClick(panel->browse_button(), Qt::LeftButton);
    QVERIFY2(panel->directory() == elsewhere.toStdString(), qPrintable(answers.seen.join("; ")));
    QCOMPARE(w.form().game.TESUU_MAX, 20);
    QVERIFY(answers.seen.contains(QStringLiteral("棋譜| 読み込みました")));
    QVERIFY(panel->area()->isHidden());
    QCOMPARE(w.form().recent.一覧.front(), (elsewhere + "/二十手.棋譜").toStdString());

    // Writing: the chooser gives the folder and the name.
    w.action("START")->trigger();
    press(w, 7, 7), press(w, 7, 6);
    press(w, 5, 3), press(w, 5, 4);
    w.action("KIFU_WRITE")->trigger();
    QDir(dir_.path()).mkdir("saved");
    on_chooser(answers,
               [&](QFileDialog* chooser) { type_and_accept(chooser, dir_.filePath("saved/新しい.棋譜")); });
    QTest::mouseClick(panel->browse_button(), Qt::LeftButton);
    QCOMPARE(panel->text(velmora::棋譜の欄::ファイル名), std::string("新しい"));
    QCOMPARE(panel->directory(), dir_.filePath("saved").toStdString());
    QVERIFY(panel->text_box(1)->hasFocus() || !w.isActiveWindow());
    QTest::keyClick(panel->text_box(1), Qt::Key_Return);
    QVERIFY(answers.seen.contains(QStringLiteral("  |棋譜を書き込みました")));
    QVERIFY(QFile::exists(dir_.filePath("saved/新しい.棋譜")));
  }

  // The keys: the panel opens with them in the file name (Enter presses
  // RETURN), the browser with them in its file list (Enter reads the
  // record); Tab leads out of the panel to the board; closed, the board has
  // them again.
  void the_keys_go_into_the_record_panel_and_out_again() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(start_with_the_keyboard(w));
    auto* panel = w.record_panel();
    w.action("KIFU_WRITE")->trigger();
    QTRY_VERIFY(panel->text_box(1)->hasFocus());
    int tabs = 0;
    while (!w.view()->hasFocus() && tabs < 20) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      ++tabs;
    }
    QVERIFY2(w.view()->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
    QTest::keyClick(w.view(), Qt::Key_Escape);
    QVERIFY(panel->area()->isHidden());
    QVERIFY(w.view()->hasFocus());

    panel->set_directory(VELMORA_TEST_DATA "/game/data");
    w.action("KIFU_READ")->trigger();
    QTRY_VERIFY(panel->file1()->hasFocus());
    QCOMPARE(panel->file1()->currentItem()->text(), QStringLiteral("twenty_moves.棋譜"));
    QTest::keyClick(panel->file1(), Qt::Key_Return);
    QCOMPARE(w.form().game.TESUU_MAX, 20);
    QVERIFY(panel->area()->isHidden());
    // (The offscreen screen gives the window the keyboard back after the boxes.)
    QCOMPARE(w.focusWidget(), w.view());
  }

  // 閉じる puts the panel and the browser away, and so does Escape while they
  // show (from a box of the panel too), instead of quitting.
  void the_record_panel_closes_with_its_button_and_escape() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    auto* panel = w.record_panel();
    w.action("KIFU_WRITE")->trigger();
    QVERIFY(!panel->command1()->isHidden());
    QVERIFY(!panel->close_button()->isHidden());
    QCOMPARE(panel->close_button()->text(), QStringLiteral("閉じる"));
    QTest::mouseClick(panel->close_button(), Qt::LeftButton);
    QVERIFY(panel->command1()->isHidden() && panel->drive1()->isHidden() &&
            panel->close_button()->isHidden());
    w.action("KIFU_READ")->trigger();
    QVERIFY(!panel->file1()->isHidden());
    QTest::keyClick(w.view(), Qt::Key_Escape);
    QVERIFY(panel->file1()->isHidden() && panel->close_button()->isHidden());
    QVERIFY(w.isVisible());
    w.action("KIFU_WRITE")->trigger();
    panel->text_box(1)->setFocus();
    QTest::keyClick(panel->text_box(1), Qt::Key_Escape);
    QVERIFY(panel->text_box(1)->isHidden());
    QVERIFY(w.isVisible());
  }

  void boxes_and_the_about_box_have_their_titles_buttons_and_icons() {
    BoxAnswerer answers;
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Looks at the box that opens next, then presses the button captioned `press`.
    struct Seen {
      QString title, text;
      QStringList buttons;
      QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    Seen seen;
    auto answer_with = [&answers](Seen& seen, const QString& press) {
      seen = {};
      answers.next([&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        seen = {box->windowTitle(), box->text(), {}, box->icon()};
        for (QAbstractButton* b : box->buttons()) {
          seen.buttons << b->text();
          if (b->text() == press) b->click();
        }
      });
    };
    answer_with(seen, "いいえ");
    QCOMPARE(w.yes_no("進みますか？", "棋譜"), false);
    QCOMPARE(seen.title, QStringLiteral("棋譜"));
    QCOMPARE(seen.text, QStringLiteral("進みますか？"));
    QCOMPARE(seen.buttons.size(), 2);
    QVERIFY(seen.buttons.contains("はい") && seen.buttons.contains("いいえ"));
    answer_with(seen, "はい");
    QCOMPARE(w.yes_no("進みますか？", "棋譜"), true);

    answer_with(seen, "OK");
    w.warning("サウンドデバイスを開けませんでした。音なしで続けます。", "Velmora");
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, QStringList{"OK"});

    // A bare carriage return breaks the line too.
    answer_with(seen, "OK");
    w.message("対局途中ではできません\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.text, QStringLiteral("対局途中ではできません\n\n局面→最初にして下さい"));

    // The about box: its picture and two buttons.
    bool picture = false;
    seen = {};
    answers.next([&](QWidget* box) {
      seen.title = box->windowTitle();
      for (QLabel* l : box->findChildren<QLabel*>()) picture = picture || !l->pixmap().isNull();
      for (QPushButton* b : box->findChildren<QPushButton*>()) seen.buttons << b->text();
      for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text() == "O K") b->click();
    });
    w.about();
    QCOMPARE(seen.title, QStringLiteral("バージョン情報"));
    QVERIFY(picture);
    QCOMPARE(seen.buttons, (QStringList{"ホームページ", "O K"}));
    QVERIFY(!QApplication::activeModalWidget());
  }

 private:
  QTemporaryDir dir_;
};

// The high-DPI case runs in a process of its own (window_tests --high-dpi),
// on a screen of twice the scale; it fails when the scale is not applied.
class HighDpiTest : public QObject {
  Q_OBJECT

 private slots:
  // The back buffer holds device pixels, and pictures are drawn at them, not
  // enlarged.
  void the_back_buffer_is_at_device_pixels_on_high_dpi_screens() {
    BoxAnswerer answers;
    MainWindow w;
    QVERIFY(started(w));
    const qreal ratio = w.view()->devicePixelRatioF();
    QCOMPARE(ratio, 2.0);
    BoardView* v = w.view();
    QCOMPARE(v->size(), QSize(727, 573));
    QCOMPARE(v->back_buffer().size(), (QSizeF(v->size()) * ratio).toSize());
    const QSize px(qRound(42 * ratio), qRound(47 * ratio));
    const QPoint king(qRound(cell(5, 9).x() * ratio / 15), qRound(cell(5, 9).y() * ratio / 15));
    QVERIFY(shows_picture(v->back_buffer(), velmora::app::render_picture(-950, px), king, qRound(3 * ratio)));
    const QImage shot = v->grab().toImage();
    QCOMPARE(shot.devicePixelRatio(), ratio);
    QVERIFY(shows_picture(shot, velmora::app::render_picture(-950, px), king, qRound(3 * ratio)));
    // A press still lands in twips on the square under it.
    QSignalSpy spy(v, &BoardView::pressed);
    QTest::mouseClick(v, Qt::LeftButton, {}, v->to_logical(cell(5, 9) + QPointF(305, 345)));
    QCOMPARE(spy.count(), 1);
    QVERIFY(std::abs(spy.at(0).at(1).toDouble() - (1350 + 610 * 5.5)) <= 15);
    QVERIFY(std::abs(spy.at(0).at(2).toDouble() - (100 + 690 * 9.5)) <= 15);
    // The brick background meets itself without a seam at twice the pixels,
    // at whole and broken scales.
    w.action("RENGA")->trigger();
    const QSet<QRgb> bricks = {0xFFC8C0B0, 0xFFA4442C, 0xFF963C26};
    for (const QSize shape : {QSize(727, 573), QSize(1000, 700), QSize(760, 1000)}) {
      v->resize(shape);
      const QImage& img = v->back_buffer();
      const QRect picture(v->to_logical(QRectF(0, 0, 10900, 8600)).topLeft() * ratio,
                          v->to_logical(QRectF(0, 0, 10900, 8600)).size() * ratio);
      QRegion plain = QRegion(img.rect()).subtracted(picture);
      const QRect cells = v->to_logical(QRectF(1350 + 610 * 13, 100 + 690 * 4, 610 * 2, 690 * 5));
      plain += QRect(cells.topLeft() * ratio, cells.size() * ratio).adjusted(2, 2, -2, -2);
      int foreign = 0;
      for (const QRect& r : plain)
        for (int y = r.top(); y <= r.bottom(); ++y)
          for (int x = r.left(); x <= r.right(); ++x) foreign += !bricks.contains(img.pixel(x, y));
      QCOMPARE(foreign, 0);
    }
  }
};

int main(int argc, char** argv) {
  const bool high_dpi = argc > 1 && qstrcmp(argv[1], "--high-dpi") == 0;
  if (high_dpi) {
    qputenv("QT_SCALE_FACTOR", "2");
    argv[1] = argv[0];
    ++argv;
    --argc;
  }
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  velmora::app::install_board_accessibility();
  WindowTest window_test;
  HighDpiTest high_dpi_test;
  return QTest::qExec(high_dpi ? static_cast<QObject*>(&high_dpi_test) : &window_test, argc, argv);
}

#include "window_test.moc"
