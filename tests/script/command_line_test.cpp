// velmora-script's command line as a user types it: help and version, options
// before the file in any order, "--" and "-", what it refuses (status 2), and
// scripts that cannot be read or hold a line without end.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Ran {
  int status = -1;
  std::string out, err;
};

class ScriptCommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* root = std::getenv("VELMORA_TEST_TMP");
    dir = fs::path(root && *root ? root : "/tmp/velmora-test") / "script_command_line";
    fs::remove_all(dir);
    fs::create_directories(dir);
    write("dump.txt", "dump\n");
    write("boxes.txt", "menu START\nkey 27\n");
  }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Runs velmora-script in `dir` with the arguments (quoted for the shell) and `input` on standard input.
  Ran run(const std::string& arguments, const std::string& input = "") const {
    write("input", input);
    const std::string command =
        "cd '" + dir.string() + "' && '" VELMORA_SCRIPT "' " + arguments + " <input >out 2>err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), read("out"), read("err")};
  }
  fs::path dir;
};

TEST_F(ScriptCommandLine, HelpAndVersionPrintAndExit) {
  for (const char* help : {"--help", "-h", "dump.txt --help"}) {
    const Ran r = run(help);
    EXPECT_EQ(r.status, help[0] == 'd' ? 2 : 0) << help;
    if (help[0] != 'd') {
      EXPECT_TRUE(r.out.starts_with("Usage: velmora-script [--lang LANG] [--autosave DIR] [FILE]\n"))
          << r.out;
      EXPECT_NE(r.out.find("velmora-script(6)"), std::string::npos);
      EXPECT_EQ(r.err, "");
    }
  }
  for (const char* version : {"--version", "-v"}) {
    const Ran r = run(version);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("velmora-script " VELMORA_VERSION "\n")) << r.out;
    EXPECT_NE(r.out.find("MIT"), std::string::npos);
  }
}

// Options in any order before the file; "--" ends them; "-" is standard input.
TEST_F(ScriptCommandLine, OptionsComeBeforeTheFileAndDashIsStandardInput) {
  const std::string english = "sound BGM loop\nbox  |Sente (the bottom side) to move.|ok\nquit\n";
  for (const char* line : {"--lang en boxes.txt", "--lang=en boxes.txt", "--lang en -- boxes.txt",
                           "--lang en_GB.UTF-8 boxes.txt", "--lang en -"}) {
    const Ran r = run(line, "menu START\nkey 27\n");
    EXPECT_EQ(r.status, 0) << line << ": " << r.err;
    EXPECT_EQ(r.out, english) << line;
  }
  write("-odd.txt", "dump\n");
  const Ran odd = run("-- -odd.txt");
  EXPECT_EQ(odd.status, 0) << odd.err;
  EXPECT_TRUE(odd.out.find("\ndump teban=0 ") != std::string::npos) << odd.out;
  const Ran piped = run("", "dump\n");
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, run("dump.txt").out);
}

// What it refuses is named, with a pointer to --help; nothing runs.
TEST_F(ScriptCommandLine, ExtraArgumentsUnknownOptionsAndBadLanguagesAreRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {"dump.txt boxes.txt", "velmora-script: only one script can be read: 'boxes.txt'"},
      {"dump.txt --lang en", "velmora-script: only one script can be read: '--lang'"},
      {"- dump.txt", "velmora-script: only one script can be read: 'dump.txt'"},
      {"-- dump.txt boxes.txt", "velmora-script: only one script can be read: 'boxes.txt'"},
      {"--colour", "velmora-script: unknown option '--colour'"},
      {"--lang", "velmora-script: --lang needs a language"},
      {"--lang ''", "velmora-script: --lang needs a language"},
      {"--lang xx dump.txt", "velmora-script: no translation into 'xx' (there are: en, ja)"},
      {"--lang ../../x dump.txt", "velmora-script: no translation into '../../x' (there are: en, ja)"},
  };
  for (const auto& [line, said] : cases) {
    const Ran r = run(line);
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_EQ(r.out, "") << line;
    EXPECT_EQ(r.err, std::string(said) + "\nTry 'velmora-script --help' for more information.\n") << line;
  }
  EXPECT_FALSE(fs::exists(dir / "Velmora.ini"));
}

// A script that cannot be read is a clear error with status 2, never an
// abort: a folder (refused before the game starts), a file whose reading
// fails, one that is not there.
TEST_F(ScriptCommandLine, AScriptThatCannotBeReadIsAnErrorWithStatusTwo) {
  fs::create_directory(dir / "folder");
  Ran r = run("folder");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "velmora-script: cannot read folder: Is a directory\n");
  r = run("/proc/self/mem");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "velmora-script: cannot read /proc/self/mem: Input/output error\n");
  r = run("missing.txt");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "velmora-script: cannot open missing.txt: No such file or directory\n");
}

// A line without end is one error, its bytes never kept; the script goes on.
TEST_F(ScriptCommandLine, ALineLongerThanSixtyFourKibibytesIsOneErrorAndTheScriptGoesOn) {
  write("long.txt", "set Text2 " + std::string(200000, 'x') + "\n" + std::string(100000, '\0') + "\ndump\n");
  const Ran r = run("long.txt");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "error 1: line longer than 65536 bytes\nerror 2: line longer than 65536 bytes\n");
  EXPECT_EQ(r.out, run("dump.txt").out);
}

}  // namespace
