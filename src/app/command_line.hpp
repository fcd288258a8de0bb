// The command line of velmora:
//   velmora [--desktop] [--lang LANG] [FILE]
//                                  the window, with the record FILE loaded,
//                                  in the language LANG (else the desktop's)
//   velmora --help | --version     print and exit, without a window or sound
// Qt's own options (-platform NAME, -display DISPLAY, ...) are accepted and
// left for QApplication.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace velmora::app {

class MainWindow;

struct CommandLine {
  enum class Action { run, help, version, usage_error };
  Action action = Action::run;
  bool desktop = false;  // started from the desktop entry
  // The record to load at start-up, as the bytes given (a file name need not
  // be UTF-8); empty for none.
  std::string record;
  std::string language;  // --lang: a language or locale name; empty for the desktop's
  QString error;         // what was wrong, for usage_error
};

// Parses the arguments (the program's name first), as the bytes the program
// was given, without any Qt application, so that it can run before a display
// is opened.
CommandLine parse_command_line(const std::vector<std::string>& arguments);

QString help_text();

// The languages to try, best first: those --lang's name stands for (none
// when it is no language name), or else those the environment asks for
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
std::vector<std::string> language_candidates(const CommandLine& command);
QString version_text();

// Started from the desktop entry, where the working directory is usually
// the home folder: the settings file goes under $XDG_CONFIG_HOME/velmora
// (~/.config/velmora), made when missing, and the record panel opens in
// the home folder. Call before start().
void use_desktop_places(MainWindow& window);

// Loads the record at `path` (bytes, as given) as a click on it in the record
// panel's file list does: the panel moves to the file's directory and the
// file is read there, with the same messages and refusals.
void open_record_file(MainWindow& window, const std::string& path);

// A name as the bytes given, shown readably: valid UTF-8 as it is, any
// other byte as U+FFFD.
QString readable_name(const std::string& bytes);

}  // namespace velmora::app
