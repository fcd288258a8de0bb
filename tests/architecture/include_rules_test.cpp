// The include rules: every quoted #include under src/ must name a header the
// including folder may use, as the table in docs/ARCHITECTURE.md states it.
// The table is read from the document itself, so the two cannot disagree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Folder under src/ → what it may include: folders ("rules") and single
// headers ("ui/ports.hpp").
using 表 = std::map<std::string, std::set<std::string>>;

std::string 読む(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string 削る(std::string s) {
  const auto keep = [](unsigned char c) { return c != ' ' && c != '`' && c != '\t'; };
  s.erase(s.begin(), std::find_if(s.begin(), s.end(), keep));
  s.erase(std::find_if(s.rbegin(), s.rend(), keep).base(), s.end());
  return s;
}

// The rows "| `src/FOLDER` | layer | `a`, `b/c.hpp`, ... |" of the markdown text.
表 表を読む(const std::string& markdown) {
  表 table;
  std::istringstream in(markdown);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.starts_with("| `src/")) continue;
    std::vector<std::string> cells;
    std::istringstream row(line.substr(1));
    std::string cell;
    while (std::getline(row, cell, '|')) cells.push_back(削る(cell));
    if (cells.size() < 3) continue;
    const std::string folder = cells[0].substr(4);  // after "src/"
    std::istringstream items(cells[2]);
    std::string item;
    auto& allowed = table[folder];
    while (std::getline(items, item, ',')) {
      if (!削る(item).empty()) allowed.insert(削る(item));
    }
  }
  return table;
}

struct 違反 {
  std::string where;  // "src/rules/mate.cpp:9"
  std::string what;
};

std::vector<違反> 調べる(const fs::path& root, const 表& table) {
  std::vector<違反> found;
  const fs::path src = root / "src";
  std::vector<fs::path> files;
  for (const auto& e : fs::recursive_directory_iterator(src)) {
    const auto ext = e.path().extension();
    if (e.is_regular_file() && (ext == ".cpp" || ext == ".hpp" || ext == ".h")) files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());

  for (const auto& file : files) {
    const fs::path rel = fs::relative(file, src);
    const std::string folder = rel.begin()->string();
    const std::string name = "src/" + rel.generic_string();
    const auto row = table.find(folder);
    if (row == table.end()) {
      found.push_back({name, "its folder src/" + folder + " has no row in the include table"});
      continue;
    }
    std::istringstream in(読む(file));
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      const std::string t = 削る(line);
      if (!t.starts_with("#include \"")) continue;
      const std::string header = t.substr(10, t.find('"', 10) - 10);
      const std::string where = name + ":" + std::to_string(number);
      // A quoted include is looked for beside the file first, then under src/.
      fs::path target = file.parent_path() / header;
      if (!fs::exists(target)) target = src / header;
      if (!fs::exists(target)) {
        found.push_back({where, "includes \"" + header + "\", which is no file under src/"});
        continue;
      }
      const fs::path target_rel = fs::relative(fs::weakly_canonical(target), fs::weakly_canonical(src));
      const std::string target_folder = target_rel.begin()->string();
      const std::set<std::string>& allowed = row->second;
      if (allowed.count(target_folder) || allowed.count(target_rel.generic_string())) continue;
      std::string may;
      for (const auto& a : allowed) may += (may.empty() ? "" : ", ") + a;
      found.push_back({where, "includes \"" + target_rel.generic_string() + "\" from src/" + target_folder +
                                  "; src/" + folder + " may include only " + may});
    }
  }
  return found;
}

std::string 一覧(const std::vector<違反>& v) {
  std::string text;
  for (const auto& x : v) text += x.where + ": " + x.what + "\n";
  return text;
}

TEST(IncludeRules, EveryIncludeUnderSrcIsOneItsFolderMayUse) {
  const fs::path root = VELMORA_SOURCE_DIR;
  const 表 table = 表を読む(読む(root / "docs" / "ARCHITECTURE.md"));
  ASSERT_GE(table.size(), 9u) << "the include table of docs/ARCHITECTURE.md was not found";
  for (const auto& [folder, allowed] : table)
    EXPECT_TRUE(fs::is_directory(root / "src" / folder))
        << "the table names src/" << folder << ", which is gone";
  const auto found = 調べる(root, table);
  EXPECT_TRUE(found.empty()) << 一覧(found);
}

// The check itself, on a small tree: a rules file reaching up into the
// computer, a game file reaching into an adapter, a folder without a row.
TEST(IncludeRules, TheCheckNamesFileAndLineOfEachWrongInclude) {
  const fs::path root = fs::temp_directory_path() / ("velmora-include-rules-" + std::to_string(::getpid()));
  fs::remove_all(root);
  const auto put = [&](const std::string& rel, const std::string& text) {
    fs::create_directories((root / rel).parent_path());
    std::ofstream(root / rel) << text;
  };
  put("src/rules/mate.cpp",
      "// mate\n#include <cstdlib>\n#include \"com/survey.hpp\"\n#include \"rules/mate.hpp\"\n");
  put("src/rules/mate.hpp", "#pragma once\n");
  put("src/com/survey.hpp", "#pragma once\n#include \"rules/mate.hpp\"\n");
  put("src/ui/drawing.cpp", "#include \"ui/ports.hpp\"\n#include \"script/fakes.hpp\"\n");
  put("src/ui/ports.hpp", "#pragma once\n");
  put("src/script/fakes.hpp", "#pragma once\n#include \"ui/ports.hpp\"\n#include \"missing.hpp\"\n");
  put("src/extra/x.cpp", "#include \"rules/mate.hpp\"\n");
  const 表 table = 表を読む(
      "| folder | layer | may include |\n|---|---|---|\n"
      "| `src/rules` | engine | `rules` |\n"
      "| `src/com` | engine | `rules`, `com` |\n"
      "| `src/ui` | game | `rules`, `com`, `ui` |\n"
      "| `src/script` | adapter | `rules`, `com`, `ui`, `script` |\n");
  const auto found = 調べる(root, table);
  fs::remove_all(root);

  std::vector<std::string> where;
  for (const auto& v : found) where.push_back(v.where);
  EXPECT_EQ(where, (std::vector<std::string>{"src/extra/x.cpp", "src/rules/mate.cpp:3",
                                             "src/script/fakes.hpp:3", "src/ui/drawing.cpp:2"}))
      << 一覧(found);
  ASSERT_EQ(found.size(), 4u);
  EXPECT_EQ(found[1].what, "includes \"com/survey.hpp\" from src/com; src/rules may include only rules");
  EXPECT_NE(found[3].what.find("script/fakes.hpp"), std::string::npos);
}

// The places the document names: every file it names is there, and a name
// it places in a file ("`試行局面` in `com/search.hpp`", "`一手を指す`
// (`game/turn.hpp`)", a row of the state table) is found in that file.
TEST(ArchitectureDocument, EveryPlaceItNamesIsWhereItSays) {
  const fs::path root = VELMORA_SOURCE_DIR;
  const std::string doc = 読む(root / "docs" / "ARCHITECTURE.md");
  const std::regex file(R"(`([a-z]+/[A-Za-z_]+\.(?:hpp|cpp))`)");
  int files = 0;
  for (std::sregex_iterator it(doc.begin(), doc.end(), file), end; it != end; ++it, ++files)
    EXPECT_TRUE(fs::exists(root / "src" / (*it)[1].str())) << "src/" << (*it)[1] << " is not there";
  EXPECT_GT(files, 20);

  const std::regex placed(R"(`([^`\s]+)`(?: in|,)? \(?`([a-z]+/[A-Za-z_]+\.(?:hpp|cpp))`)");
  const std::regex row(R"(\| `[^`]+` \| `([^`]+)` \| `([a-z]+/[A-Za-z_]+\.hpp)` \|)");
  int names = 0;
  for (const std::regex* r : {&placed, &row})
    for (std::sregex_iterator it(doc.begin(), doc.end(), *r), end; it != end; ++it, ++names) {
      // A call written out names its procedure; a folder of the include table is no name.
      const std::string name = (*it)[1].str().substr(0, (*it)[1].str().find('(')), where = (*it)[2];
      if (std::all_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; })) continue;
      if (!fs::exists(root / "src" / where)) continue;  // named above
      EXPECT_NE(読む(root / "src" / where).find(name), std::string::npos)
          << "the document places " << name << " in src/" << where << ", which does not hold it";
    }
  EXPECT_GT(names, 15);
}

// The game layer's parts, as the document orders them: the game, the board
// that paints it, the input, the window. An include against that order,
// planted in a tree of its own, is named by the real table.
TEST(IncludeRules, TheGameLayersPartsIncludeOnlyThePartsBelowThem) {
  const fs::path source = VELMORA_SOURCE_DIR;
  const 表 table = 表を読む(読む(source / "docs" / "ARCHITECTURE.md"));
  const fs::path root = fs::temp_directory_path() / ("velmora-include-order-" + std::to_string(::getpid()));
  fs::remove_all(root);
  const auto put = [&](const std::string& rel, const std::string& text) {
    fs::create_directories((root / rel).parent_path());
    std::ofstream(root / rel) << text;
  };
  for (const char* header : {"game/state.hpp", "view/state.hpp", "input/state.hpp", "window/form.hpp"})
    put(std::string("src/") + header, "#pragma once\n");
  put("src/game/turn.cpp", "#include \"game/state.hpp\"\n#include \"view/state.hpp\"\n");
  put("src/view/board.cpp", "#include \"game/state.hpp\"\n#include \"input/state.hpp\"\n");
  put("src/input/mouse.cpp", "#include \"view/state.hpp\"\n#include \"window/form.hpp\"\n");
  put("src/window/menu.cpp", "#include \"game/state.hpp\"\n#include \"input/state.hpp\"\n");
  put("src/rules/move.cpp", "#include \"game/state.hpp\"\n");
  const auto found = 調べる(root, table);
  fs::remove_all(root);

  std::vector<std::string> where;
  for (const auto& v : found) where.push_back(v.where);
  EXPECT_EQ(where, (std::vector<std::string>{"src/game/turn.cpp:2", "src/input/mouse.cpp:2",
                                             "src/rules/move.cpp:1", "src/view/board.cpp:2"}))
      << 一覧(found);
}

}  // namespace
}  // namespace velmora
