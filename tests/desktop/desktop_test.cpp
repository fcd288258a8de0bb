// The window's side of the desktop: the command line as parsed, a record
// named on it loaded exactly as the record panel loads it, and the faces the
// window prints with, under three sets of installed fonts (VELMORA_TEST_FONTS
// tells which set fontconfig was given).
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/board_view.hpp"
#include "app/command_line.hpp"
#include "app/fonts.hpp"
#include "app/main_window.hpp"
#include "app/pictures.hpp"
#include "app/record_panel.hpp"

using velmora::app::CommandLine;
using velmora::app::MainWindow;

namespace {

// Answers every message box that opens and keeps "title|text" of each.
class BoxAnswerer {
 public:
  QStringList seen;
  BoxAnswerer() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen << box->windowTitle() + "|" + box->text();
        box->buttons().value(0)->click();
      }
    });
    timer_.start();
  }

 private:
  QTimer timer_;
};

// How many samples of SDL's disk output at `path` are not silence.
long loud_samples(const QString& path) {
  QFile raw(path);
  if (!raw.open(QIODevice::ReadOnly)) return 0;
  const QByteArray bytes = raw.readAll();
  const auto* samples = reinterpret_cast<const float*>(bytes.constData());
  return long(std::count_if(samples, samples + bytes.size() / qsizetype(sizeof(float)),
                            [](float x) { return std::abs(x) > 0.01f; }));
}

QString fonts_given() { return qEnvironmentVariable("VELMORA_TEST_FONTS", "installed"); }

// The about box's labels, read while it is open.
QStringList about_box_labels(MainWindow& w) {
  QStringList texts;
  QTimer::singleShot(20, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    for (QLabel* l : box->findChildren<QLabel*>()) texts << l->objectName() + "=" + l->text();
    for (QPushButton* b : box->findChildren<QPushButton*>())
      if (b->text() == "O K") b->click();
  });
  w.about();
  return texts;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    QDir::setCurrent(dir_.path());
  }

  void the_command_line_is_parsed_before_any_window() {
    using A = CommandLine::Action;
    struct Case {
      std::vector<std::string> args;
      A action;
      bool desktop;
      std::string record;
    };
    const Case cases[] = {
        {{}, A::run, false, {}},
        {{"一局目.棋譜"}, A::run, false, "一局目.棋譜"},
        {{"--desktop", "/home/a/b.棋譜"}, A::run, true, "/home/a/b.棋譜"},
        {{"-platform", "offscreen", "--desktop"}, A::run, true, {}},
        {{"-platform=xcb", "-display", ":1", "-reverse", "x.棋譜"}, A::run, false, "x.棋譜"},
        {{"--", "--odd-name.棋譜"}, A::run, false, "--odd-name.棋譜"},
        {{"-h"}, A::help, false, {}},
        {{"x.棋譜", "--help"}, A::help, false, {}},
        {{"--bogus", "--help"}, A::help, false, {}},
        {{"--version"}, A::version, false, {}},
        {{"-v", "x.棋譜"}, A::version, false, {}},
        {{"--bogus"}, A::usage_error, false, {}},
        {{"-platform"}, A::usage_error, false, {}},
        {{"--desktop=yes"}, A::usage_error, false, {}},
        {{"a.棋譜", "b.棋譜"}, A::usage_error, false, {}},
        // A name is the bytes given, UTF-8 or not.
        {{"\xFF\xFE.棋譜"}, A::run, false, "\xFF\xFE.棋譜"},
        {{"--lang", ""}, A::usage_error, false, {}},
        {{"--lang="}, A::usage_error, false, {}},
    };
    for (const Case& c : cases) {
      std::vector<std::string> line{"velmora"};
      line.insert(line.end(), c.args.begin(), c.args.end());
      const CommandLine parsed = velmora::app::parse_command_line(line);
      QString what;
      for (const std::string& a : c.args) what += QString::fromStdString(a) + ' ';
      QVERIFY2(parsed.action == c.action, qPrintable(what));
      if (c.action == A::usage_error) {
        QVERIFY2(!parsed.error.isEmpty(), qPrintable(what));
        continue;
      }
      QVERIFY2(parsed.desktop == c.desktop, qPrintable(what));
      QCOMPARE(parsed.record, c.record);
    }
    QCOMPARE(velmora::app::parse_command_line({"velmora", "--colour=red"}).error,
             QStringLiteral("unknown option '--colour'"));
    // --lang takes a locale name as well; a path is no language.
    using Names = std::vector<std::string>;
    const auto candidates = [](const char* lang) {
      return velmora::app::language_candidates(velmora::app::parse_command_line({"velmora", "--lang", lang}));
    };
    QVERIFY(candidates("en_GB") == (Names{"en_GB", "en"}));
    QVERIFY(candidates("en_US.UTF-8") == (Names{"en_US", "en"}));
    QVERIFY(candidates("../../x").empty());
    QVERIFY(candidates("en/../../x").empty());
  }

  void a_record_on_the_command_line_loads_as_from_the_record_panel() {
    const QString good = QStringLiteral(VELMORA_TEST_DATA "/game/data/twenty_moves.棋譜");
    const QString bad = QStringLiteral(VELMORA_TEST_DATA "/scripts/record_bad_files.files/short.棋譜");
    for (const QString& path : {good, bad}) {
      BoxAnswerer boxes;
      MainWindow a;
      a.start();
      boxes.seen.clear();
      velmora::app::open_record_file(a, path.toStdString());
      const QStringList from_line = std::exchange(boxes.seen, {});

      MainWindow b;
      b.start();
      boxes.seen.clear();  // only what reading says
      b.action("KIFU_READ")->trigger();
      velmora::app::RecordPanelWidgets* panel = b.record_panel();
      // Down the folder list as a player would go, then a click on the file.
      panel->set_directory(QFileInfo(path).absolutePath().toStdString());
      const auto items = panel->file1()->findItems(QFileInfo(path).fileName(), Qt::MatchExactly);
      QCOMPARE(items.size(), 1);
      emit panel->file1()->itemClicked(items.first());

      QVERIFY(!from_line.isEmpty());
      QCOMPARE(from_line, boxes.seen);
      QCOMPARE(a.view()->back_buffer(), b.view()->back_buffer());
      QCOMPARE(a.form().game.TESUU_MAX, b.form().game.TESUU_MAX);
      QCOMPARE(a.form().game.KIFU_MODE, b.form().game.KIFU_MODE);
      QCOMPARE(a.record_panel()->directory(), panel->directory());
    }
  }

  void a_missing_record_is_refused_and_the_window_goes_on() {
    BoxAnswerer boxes;
    MainWindow w;
    w.start();
    const QImage before = w.view()->back_buffer();
    velmora::app::open_record_file(w, dir_.filePath("nowhere.棋譜").toStdString());
    QCOMPARE(boxes.seen, QStringList{"棋譜|棋譜ﾌｧｲﾙを開けません\nnowhere.棋譜"});
    QCOMPARE(w.view()->back_buffer(), before);
    QCOMPARE(w.form().game.KIFU_MODE, 0);
  }

  // A FIFO that nobody writes to and a device are no records: refused at
  // once, as a file that cannot be read is, instead of waiting on them.
  void a_fifo_or_a_device_is_refused_without_waiting() {
    const std::string fifo = dir_.filePath("pipe.棋譜").toStdString();
    QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/null")}) {
      BoxAnswerer boxes;
      MainWindow w;
      w.start();
      velmora::app::open_record_file(w, path);
      const QString name = QString::fromStdString(std::filesystem::path(path).filename().string());
      QCOMPARE(boxes.seen, QStringList{"棋譜|棋譜ﾌｧｲﾙを読めません\n" + name});
      QCOMPARE(w.form().game.KIFU_MODE, 0);
    }
  }

  // A record whose name, or whose folder's name, is not UTF-8 is read by the
  // bytes it was given; the record panel keeps the folder's bytes, so that
  // saving goes there too.
  void a_record_named_in_bytes_that_are_not_utf8_is_read() {
    const std::string folder = dir_.path().toStdString() + "/\xE9t\xE9";
    QVERIFY(std::filesystem::create_directory(folder));
    const std::string path = folder + "/\xFF\xFE.棋譜";
    QVERIFY(std::filesystem::copy_file(VELMORA_TEST_DATA "/game/data/twenty_moves.棋譜", path));
    BoxAnswerer boxes;
    MainWindow w;
    w.start();
    velmora::app::open_record_file(w, path);
    QCOMPARE(boxes.seen.value(0), QStringLiteral("棋譜| 読み込みました"));
    QCOMPARE(w.form().game.KIFU_MODE, 1);
    QCOMPARE(w.form().game.TESUU_MAX, 20);
    QCOMPARE(w.record_panel()->directory(), folder);
    // Shown readably where a name is shown.
    QCOMPARE(velmora::app::readable_name("\xFF\xFE.棋譜"), QStringLiteral("\uFFFD\uFFFD.棋譜"));
  }

  // The first frame comes before the sound: the library starts once the
  // window has been painted, the warning without a device comes then, and
  // with a device the music plays.
  void the_sound_starts_once_the_window_is_painted() {
    {
      qputenv("SDL_AUDIODRIVER", "velmora-no-such-driver");
      BoxAnswerer boxes;
      MainWindow w;
      QSignalSpy started(&w, &MainWindow::startedUp);
      w.start();
      QVERIFY(boxes.seen.isEmpty());
      QCOMPARE(w.form().sound.SND_HANDLE, 0);
      w.show();
      QVERIFY(started.wait(10000));
      QCOMPARE(boxes.seen, QStringList{"Velmora|サウンドデバイスを開けませんでした。音なしで続けます。"});
    }
    const QString out = dir_.filePath("out.raw");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));
    {
      BoxAnswerer boxes;
      MainWindow w;
      QSignalSpy started(&w, &MainWindow::startedUp);
      w.start();  // no settings file: the defaults, music on
      w.show();
      QVERIFY(started.wait(10000));
      QVERIFY(boxes.seen.isEmpty());
      QVERIFY(w.form().options.BGM);
      QVERIFY(w.form().sound.SND_BGM != 0);
      // The music reaches the output, however long its wave takes to decode.
      QTRY_VERIFY_WITH_TIMEOUT(loud_samples(out) > 1000, 20000);
    }  // the library stops with the window
    qputenv("SDL_AUDIODRIVER", "dummy");
  }

  // Started from the desktop: the settings under XDG_CONFIG_HOME (a relative
  // one does not count), the folders made for the user alone, the record
  // panel in the home folder; the file as it is in the working directory.
  void started_from_the_desktop_it_keeps_its_places() {
    const QString home = dir_.filePath("home");
    QVERIFY(QDir().mkpath(home));
    const QByteArray old_home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home));
    for (const QByteArray& xdg : {QByteArray("relative/config"), QFile::encodeName(dir_.filePath("xdg"))}) {
      qputenv("XDG_CONFIG_HOME", xdg);
      const QString config = xdg.startsWith('/') ? dir_.filePath("xdg/velmora") : home + "/.config/velmora";
      MainWindow w;
      velmora::app::use_desktop_places(w);
      QCOMPARE(QString::fromStdString(w.form().settings.パス), config + "/Velmora.ini");
      QCOMPARE(QFileInfo(config).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
      QCOMPARE(QString::fromStdString(w.record_panel()->directory()), home);
      w.start();
      QVERIFY(QFileInfo::exists(config + "/Velmora.ini"));
    }
    MainWindow here;
    here.start();
    QFile kept(home + "/.config/velmora/Velmora.ini"), local(dir_.filePath("Velmora.ini"));
    QVERIFY(kept.open(QIODevice::ReadOnly) && local.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), local.readAll());
    QVERIFY(!QFileInfo::exists(home + "/Velmora.ini"));
    qputenv("HOME", old_home);
    qunsetenv("XDG_CONFIG_HOME");
  }

  void the_window_prints_with_a_face_that_has_japanese() {
    const velmora::app::WindowFaces& faces = velmora::app::window_faces();
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QStringList about = about_box_labels(w);
    const bool noticed = about.contains("font_notice=" + velmora::app::missing_japanese_font_notice());
    if (fonts_given() == "installed") {
      // The Mincho faces, named; fontconfig was not asked for another.
      QCOMPARE(faces.families.first(), QStringLiteral("IPAPMincho"));
      QCOMPARE(faces.families.size(), 5);
      QVERIFY(faces.japanese);
      QVERIFY(!noticed);
    } else if (fonts_given() == "gothic-only") {
      // None of the named faces; the Japanese face fontconfig has comes last.
      QCOMPARE(faces.families.last(), QStringLiteral("IPAGothic"));
      QVERIFY(faces.japanese);
      QVERIFY(!noticed);
      QCOMPARE(QFontInfo(velmora::app::window_font(20)).family(), QStringLiteral("IPAGothic"));
    } else {
      QCOMPARE(fonts_given(), QStringLiteral("none"));
      QVERIFY(!faces.japanese);
      QVERIFY(noticed);
    }
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
