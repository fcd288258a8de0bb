#include "app/command_line.hpp"

#include <sys/stat.h>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <filesystem>
#include <system_error>

#include "app/main_window.hpp"
#include "app/record_panel.hpp"
#include "game/language.hpp"

namespace velmora::app {

namespace {

// The options QGuiApplication and QApplication take for themselves; those
// listed with a value take one.
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "geometry",
                                               "qwindowtitle",
                                               "title",
                                               "qwindowicon",
                                               "icon",
                                               "session",
                                               "display",
                                               "name",
                                               "style",
                                               "stylesheet",
                                               "qmljsdebugger"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& given) {
  // Each byte as one character, so that a name comes back as the bytes it
  // was, whatever its encoding; the options themselves are ASCII.
  QStringList arguments;
  for (const std::string& a : given) arguments << QString::fromLatin1(a.data(), qsizetype(a.size()));
  auto bytes = [](const QString& s) { return s.toLatin1().toStdString(); };
  QCommandLineParser parser;
  // Qt's options come with one dash ("-platform offscreen").
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption desktop(QStringLiteral("desktop"));
  const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("LANG"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(desktop);
  parser.addOption(lang);
  for (const char* name : kQtOptionsWithValue)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
  for (const char* name : kQtFlags) parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

  CommandLine result;
  const bool parsed = parser.parse(arguments);
  // Asked for help, the program helps, whatever else the line holds.
  if (parser.isSet(help)) {
    result.action = CommandLine::Action::help;
    return result;
  }
  if (!parsed) {
    result.action = CommandLine::Action::usage_error;
    result.error = parser.errorText();
    // An unknown option is named as it was typed ("--colour", not "colour").
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      QString typed = unknown.first();
      for (const QString& a : arguments.mid(1)) {
        if (a.startsWith(QLatin1Char('-')) && a.section(QLatin1Char('='), 0, 0).endsWith(typed)) {
          typed = a.section(QLatin1Char('='), 0, 0);
          break;
        }
      }
      result.error = QStringLiteral("unknown option '%1'").arg(readable_name(bytes(typed)));
    }
    return result;
  }
  if (parser.isSet(version)) {
    result.action = CommandLine::Action::version;
    return result;
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    result.action = CommandLine::Action::usage_error;
    result.error = QStringLiteral("only one record can be opened at a time");
    return result;
  }
  if (parser.isSet(lang) && parser.value(lang).isEmpty()) {
    result.action = CommandLine::Action::usage_error;
    result.error = QStringLiteral("--lang needs a language");
    return result;
  }
  result.desktop = parser.isSet(desktop);
  result.language = bytes(parser.value(lang));
  if (!files.isEmpty()) result.record = bytes(files.first());
  return result;
}

QString help_text() {
  return QStringLiteral(
      "Usage: velmora [--desktop] [--lang LANG] [FILE]\n"
      "Play shogi with the mirror piece rule; with FILE, start with that game record\n"
      "loaded (as 棋譜 → 読込 would load it).\n"
      "\n"
      "      --desktop    keep the settings in $XDG_CONFIG_HOME/velmora (~/.config/velmora)\n"
      "                   and open the record panel in the home folder, as the desktop\n"
      "                   entry starts the game; otherwise the settings are kept in the\n"
      "                   working directory\n"
      "      --lang LANG  show the game's texts in LANG (ja, en, or a locale name such\n"
      "                   as en_GB.UTF-8), whatever the desktop's language is\n"
      "  -h, --help       print this help and exit\n"
      "  -v, --version    print the version and exit\n"
      "\n"
      "Qt's own options, such as -platform NAME and -display DISPLAY, are accepted too.\n"
      "See velmora(6) for the game, its files and its environment.\n");
}

QString version_text() {
  return QStringLiteral(
             "velmora %1\n"
             "Copyright (C) 2026 The Velmora developers.\n"
             "License MIT: this is free software; you are free to change and redistribute it.\n"
             "There is NO WARRANTY, to the extent permitted by law.\n")
      .arg(QStringLiteral(VELMORA_VERSION));
}

void use_desktop_places(MainWindow& window) {
  // A relative XDG_CONFIG_HOME is to be ignored.
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!QDir::isAbsolutePath(config)) config = QDir::homePath() + QStringLiteral("/.config");
  const QString dir = QDir::cleanPath(config + QStringLiteral("/velmora"));
  // Each folder that is missing is made for the user alone.
  QString path;
  for (const QString& part : dir.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    path += QLatin1Char('/') + part;
    ::mkdir(QFile::encodeName(path).constData(), 0700);
  }
  window.form().settings.パス = QFile::encodeName(dir + QStringLiteral("/Velmora.ini")).toStdString();
  window.record_panel()->set_directory(QDir::homePath().toStdString());
}

std::vector<std::string> language_candidates(const CommandLine& command) {
  if (!command.language.empty()) return velmora::言語名の候補(command.language);
  auto variable = [](const char* name) { return qEnvironmentVariable(name).toStdString(); };
  return velmora::言語の候補(variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"),
                             variable("LANG"));
}

void open_record_file(MainWindow& window, const std::string& path) {
  // Taken apart as bytes: the folder, made absolute, and the name in it.
  std::error_code ec;
  const std::filesystem::path file(path);
  std::filesystem::path folder = file.parent_path();
  if (folder.empty())
    folder = std::filesystem::current_path(ec);
  else if (folder.is_relative())
    folder = std::filesystem::absolute(folder, ec);
  window.record_panel()->set_directory(folder.string());
  window.read_record(file.filename().string());
}

QString readable_name(const std::string& bytes) {
  return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

}  // namespace velmora::app
