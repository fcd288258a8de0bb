// Velmora: the shogi window.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include "app/board_access.hpp"
#include "app/board_view.hpp"
#include "app/command_line.hpp"
#include "app/display.hpp"
#include "app/e2e_log.hpp"
#include "app/fonts.hpp"
#include "app/main_window.hpp"
#include "app/measure.hpp"
#include "app/record_panel.hpp"
#include "format/files.hpp"
#include "game/language.hpp"
#include "game/record.hpp"

namespace {

// The arguments as the bytes given: a file name need not be UTF-8.
std::vector<std::string> arguments_of(int argc, char** argv) { return {argv, argv + argc}; }

// Why a record named on the command line cannot be read, for standard error;
// empty when it can. Looked at without waiting on it: a FIFO or a device is
// no record. The window still starts and says so in its own words.
QString unreadable(const std::string& path) {
  const velmora::読込ファイル file(path);
  if (file.開いた()) return {};
  if (file.通常でない()) return QStringLiteral("not a regular file");
  return QString::fromLocal8Bit(std::strerror(file.誤り()));
}

}  // namespace

int main(int argc, char** argv) {
  using velmora::app::CommandLine;
  const CommandLine command = velmora::app::parse_command_line(arguments_of(argc, argv));
  switch (command.action) {
    case CommandLine::Action::help: std::fputs(velmora::app::help_text().toLocal8Bit(), stdout); return 0;
    case CommandLine::Action::version:
      std::fputs(velmora::app::version_text().toLocal8Bit(), stdout);
      return 0;
    case CommandLine::Action::usage_error:
      std::fprintf(stderr, "velmora: %s\nTry 'velmora --help' for more information.\n",
                   command.error.toLocal8Bit().constData());
      return 2;
    case CommandLine::Action::run: break;
  }
  // A language asked for by name must be there; the desktop's may not be. A
  // catalogue that is there but damaged is named as such.
  velmora::言語 language;
  std::string damaged;
  const std::vector<std::string> candidates = velmora::app::language_candidates(command);
  const bool asked = !command.language.empty();
  if (!velmora::言語_設定(language, candidates, &damaged) || (asked && candidates.empty())) {
    const QByteArray name = velmora::app::readable_name(command.language).toLocal8Bit();
    if (!damaged.empty() && asked) {
      std::fprintf(stderr, "velmora: the catalogue for '%s' is damaged: %s\n", name.constData(),
                   velmora::app::readable_name(damaged).toLocal8Bit().constData());
      return 2;
    }
    if (asked) {
      std::string known;
      for (const std::string& n : velmora::言語一覧()) known += (known.empty() ? "" : ", ") + n;
      std::fprintf(
          stderr,
          "velmora: no translation into '%s' (there are: %s)\nTry 'velmora --help' for more information.\n",
          name.constData(), known.c_str());
      return 2;
    }
    if (!damaged.empty())
      std::fprintf(stderr, "velmora: the catalogue %s is damaged; the texts stay Japanese\n",
                   velmora::app::readable_name(damaged).toLocal8Bit().constData());
  }

  // The sound library's SDL would otherwise take SIGINT and SIGTERM for
  // itself, and the window would no longer end when the session asks it to.
  if (qEnvironmentVariableIsEmpty("SDL_NO_SIGNAL_HANDLERS")) qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
  // Fontconfig reads its configuration and caches while the display opens.
  auto faces = std::async(std::launch::async, [] { velmora::app::window_faces(); });
  const std::unique_ptr<QApplication> app = velmora::app::open_display(argc, argv);
  faces.get();
  std::future<void> font = velmora::app::prepare_window_font();
  // The menus stay in the window, where the game lays them out; asking the
  // desktop for a global menu bar also costs the first frame a bus round trip.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  // The desktop matches the window to its entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
  if (!velmora::app::window_faces().japanese)
    std::fprintf(stderr, "velmora: %s\n",
                 velmora::app::missing_japanese_font_notice().toLocal8Bit().constData());

  velmora::app::install_board_accessibility();
  velmora::app::MainWindow window;
  window.set_language(std::move(language));
  if (command.desktop) velmora::app::use_desktop_places(window);
  // The game in play is kept beside the settings file; a record named here
  // replaces it, so the game kept last time is set aside instead of offered.
  const std::filesystem::path settings(window.form().settings.パス);
  window.keep_games_in(settings.has_parent_path() ? settings.parent_path().string() : std::string("."),
                       command.record.empty());
  velmora::app::measure_first_frame(window.view());
  velmora::app::start_e2e_log(window);
  window.start();
  window.show();
  font.get();
  if (velmora::app::measure_redraw(window)) return 0;
  if (!command.record.empty()) {
    // Said on standard error as well as in the window: a file that cannot be
    // opened, and one that is no record the game can read.
    QString why = unreadable(command.record);
    if (why.isEmpty()) {
      const std::string bad = velmora::棋譜ファイルの誤り(window.form(), command.record, "");
      // Its lines on one line: "…: why", or "…: why" after a line that ends in a colon.
      for (const QString& part : QString::fromStdString(bad).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!why.isEmpty())
          why += why.endsWith(QLatin1Char(':')) ? QStringLiteral(" ") : QStringLiteral(": ");
        why += part.trimmed();
      }
    }
    if (!why.isEmpty())
      std::fprintf(stderr, "velmora: %s: %s\n",
                   velmora::app::readable_name(command.record).toLocal8Bit().constData(),
                   why.toLocal8Bit().constData());
    // Once the window has started, sound and all, as a click in the record
    // panel would come.
    QObject::connect(
        &window, &velmora::app::MainWindow::startedUp, &window,
        [&window, path = command.record] { velmora::app::open_record_file(window, path); },
        Qt::QueuedConnection);
  }
  return app->exec();
}
