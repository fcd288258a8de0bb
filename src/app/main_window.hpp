// The main window: it owns the game's state (Form1), implements the ports
// the game talks to, and turns menu clicks, mouse presses, keys and timer
// ticks into calls of the game's handlers.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/board_cursor.hpp"
#include "app/sound_port.hpp"
#include "app/thinker.hpp"
#include "format/file_writer.hpp"
#include "window/form.hpp"

class QAction;
class QMenu;

namespace velmora::app {

class BoardView;
class Announcer;
class MoveBox;
class RecordPanelWidgets;

class MainWindow final : public QMainWindow,
                         public velmora::Dialogs,
                         public velmora::Clock,
                         public velmora::Desktop,
                         public velmora::FileWriter,
                         public velmora::知らせの受け手 {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  // With a sound port made (and so started) beforehand.
  explicit MainWindow(std::unique_ptr<WindowSound> sound, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The language of every text; call before start().
  void set_language(velmora::言語 language);

  // Keeps the game in play and the recent records in `folder` (beside the
  // settings file); call before start(). Once the window has started, the
  // game kept there is offered again, or, with `offer` false (a record is
  // about to be opened), set aside.
  void keep_games_in(std::string folder, bool offer);

  // Runs the start-up sequence (Form_Load) but its sound; call once, before
  // show(). The sound starts once the window has been painted, and then the
  // game kept when the program last ran is offered again.
  void start();

  velmora::Form1& form() { return *form_; }
  // Reads the record file `name` (bytes, as given) in the record panel's
  // folder, as a click on it in the panel's file list does.
  void read_record(const std::string& name);
  BoardView* view() const { return view_; }
  WindowThinker& thinker() { return thinker_; }
  RecordPanelWidgets* record_panel() const { return panel_; }
  MoveBox* move_box() const { return move_box_; }
  Announcer* announcer() const { return announcer_; }
  // Where the keyboard stands on the board.
  const BoardCursor& cursor() const { return cursor_; }
  // Plays a move typed in the move list's notation through the clicks the
  // game understands; false, with the box showing why, when it means none.
  bool play_typed(const QString& text);
  // Menu items and menus by their control names ("TAIKYOKU", "START", ...).
  QAction* action(const QString& name) const { return actions_.value(name); }
  QList<QAction*> all_actions() const { return actions_.values(); }

  // Dialogs
  void message(std::string_view text, std::string_view title) override;
  bool yes_no(std::string_view text, std::string_view title) override;
  void warning(std::string_view text, std::string_view title) override;
  void about() override;
  // Clock
  double now() override;
  void wait(double seconds) override;
  // Desktop
  bool open_url(std::string_view url) override;
  std::intptr_t window_handle() override;
  int window_top() override;
  void place_window(int left, int top, int width, int height) override;
  void quit() override;
  // FileWriter: the kept game's file is written on the writer's own thread;
  // the click that changed the game does not wait for the disk.
  void replace(const std::filesystem::path& path, std::string bytes) override;
  // What happens in the game: the keyboard's place follows the board.
  void 知らせ(const velmora::対局の知らせ& e) override;

 signals:
  // A handler of input has run to its end and the window waits for input
  // again (the timer's ticks do not count).
  void handled();
  // The start-up, sound and all, is over.
  void startedUp();

 protected:
  void closeEvent(QCloseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void customEvent(QEvent* event) override;

 private:
  // Every entry into the game goes through here: the handler runs to its
  // end, then the menu's check marks follow the game's and a requested quit
  // happens.
  void run(const std::function<void(velmora::Form1&)>& handler);
  void start_sound();
  void build_menus();
  void caption_menus();
  void sync_checks();
  // The menu of the recent records, as the list stands now.
  void fill_recent(QMenu* menu);
  // A text of the window in its language.
  QString translated(std::string_view source) const;
  void tick();
  // The thinker's answer, handed to the game once no handler runs.
  void answer(const std::optional<velmora::指し手>& move);
  // What the game asked of the thinker goes on: an answer that came while a
  // handler ran is handed over, a request the game made is started.
  void think_on();
  // The keys of the board: the cursor, its clicks, the typed-move box.
  bool board_key(QKeyEvent* e);
  bool board_tab(bool next);
  void show_cursor();
  void click_cell(int button, int cell_x, int cell_y);
  // Adds what a screen reader should hear of event e to the announcement
  // made when the handler ends: a move with its capture and mirror jump,
  // check, the end of the game.
  void announce_event(const velmora::対局の知らせ& e);

  // Writes what still waits when the window goes (after its last change, told
  // by the window's destructor), and ends its thread.
  velmora::置換の書き手 files_{velmora::置換の書き手::書き方::別スレッドで};
  std::unique_ptr<velmora::Form1> form_;
  std::unique_ptr<WindowSound> sound_;
  BoardView* view_;
  RecordPanelWidgets* panel_;
  MoveBox* move_box_;
  Announcer* announcer_;
  QString pending_announcement_;
  BoardCursor cursor_;
  bool keyboard_on_board_ = false;  // the keyboard moved on the board since the last mouse press
  QTimer timer_;
  QHash<QString, QAction*> actions_;
  WindowThinker thinker_;
  std::optional<std::optional<velmora::指し手>> answer_waiting_;
  int depth_ = 0;
  bool waited_ = false;
  bool ticking_ = false;
  bool quit_requested_ = false;
  bool closing_ = false;
  bool discarding_input_ = false;
  bool starting_ = false;
  bool sound_start_posted_ = false;
  bool sound_started_ = false;
  bool offer_previous_ = true;
};

}  // namespace velmora::app
