// Every program of the list, run whole: the look-at-problems mode shows each of its problems
// once with the keys the unit's table gives and comes back to the main menu, and practising from
// each problem starts that problem.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "framework/testing/scenario.hpp"
#include "programs/program_list.hpp"

namespace drill::testing {
namespace {

int CountExactly(const Scenario& run, const std::string& line) {
  int n = 0;
  for (const auto& l : run.trace) n += l == line;
  return n;
}

// The unit's table says how many keys look at every problem: each problem takes Enter, and a
// key more when it waits before it draws. Exactly that many bring the main menu back; no answer
// is asked on the way.
TEST(EveryProgram, LooksAtEveryProblemWithTheKeysItsTableGives) {
  const std::map<std::string, int> look_keys = {
      {"prop-apply", 7}, {"inverse-prop", 16}, {"func-prop", 11}, {"prop-graph", 24}};
  ASSERT_EQ(look_keys.size(), std::size(kPrograms));
  for (const ProgramEntry& program : kPrograms) {
    SCOPED_TRACE(std::string(program.name));
    const UnitDefinition& unit = program.unit();
    ASSERT_EQ(unit.program, program.name);
    EXPECT_EQ(unit.LookKeyCount(), look_keys.at(unit.program));
    const Scenario run = RunScenario(unit, "2" + Repeat("{Enter}", unit.LookKeyCount()) + "3");
    EXPECT_EQ(run.result, RunResult::Ended);
    EXPECT_TRUE(run.Has("end"));
    EXPECT_EQ(run.Count("judge "), 0);
    // The keys each problem took, from its start to the next problem's or the menu's "3".
    std::vector<int> keys(static_cast<size_t>(unit.ProblemCount()) + 1, 0);
    int shown = 0;
    for (const auto& line : run.trace) {
      if (line.starts_with("problem ")) shown = std::stoi(line.substr(8));
      if (line == "key {Enter}" && shown > 0) keys[static_cast<size_t>(shown)] += 1;
    }
    for (int k = 1; k <= unit.ProblemCount(); ++k) {
      EXPECT_EQ(CountExactly(run, "problem " + std::to_string(k)), 1) << "problem " << k;
      EXPECT_EQ(keys[static_cast<size_t>(k)], unit.Problem(k).waits_before_drawing ? 2 : 1)
          << "problem " << k;
    }
    // A key fewer leaves the last problem on the screen: "3" does not end the program.
    const Scenario short_of_one =
        RunScenario(unit, "2" + Repeat("{Enter}", unit.LookKeyCount() - 1) + "3");
    EXPECT_FALSE(short_of_one.Has("end"));
  }
}

TEST(EveryProgram, PractisingFromAProblemStartsIt) {
  for (const ProgramEntry& program : kPrograms) {
    const UnitDefinition& unit = program.unit();
    for (int k = 1; k <= unit.ProblemCount(); ++k) {
      const Scenario run = RunScenario(unit, "1" + std::to_string(k) + "{Enter}");
      EXPECT_EQ(run.result, RunResult::Ended) << program.name << " problem " << k;
      EXPECT_TRUE(run.Has("problem " + std::to_string(k))) << program.name << " problem " << k;
    }
  }
}

// drill-run --list names every program with its title and its problem count. Written out here
// rather than read from the tables the tool prints, so that a wrong table shows.
TEST(EveryProgram, IsListedWithItsTitleAndProblemCount) {
  const auto runner = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "drill-run";
  FILE* pipe = popen((runner.string() + " --list").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string list;
  for (char buffer[256]; std::fgets(buffer, sizeof buffer, pipe) != nullptr;) list += buffer;
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_EQ(list,
            "prop-apply\t比例・反比例の利用\t7\n"
            "inverse-prop\t反比例\t14\n"
            "func-prop\t1年関数・比例\t10\n"
            "prop-graph\t比例のグラフ\t19\n");
}

// The problem numbers a README text names: "3", "11 and 12", "9–11, 17 and 18".
std::vector<int> NumbersNamed(const std::string& text) {
  std::vector<int> numbers;
  std::smatch m;
  static const std::regex piece("([0-9]+)(–([0-9]+))?");
  for (auto it = text.cbegin(); std::regex_search(it, text.cend(), m, piece);
       it = m.suffix().first) {
    const int first = std::stoi(m[1]), last = m[3].matched ? std::stoi(m[3]) : first;
    for (int k = first; k <= last; ++k) numbers.push_back(k);
  }
  return numbers;
}

// The README's tables of the programs' problem counts and of the keys that look at every problem
// say what the units' tables say.
TEST(EveryProgram, ReadmeTablesFollowTheUnitsTables) {
  const char* source = std::getenv("DRILL_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  std::ifstream readme(std::string(source) + "/README.md");
  ASSERT_TRUE(readme.good());
  std::map<std::string, std::string> counts, look_keys;
  static const std::regex count_row(R"(\| `([a-z-]+)` \| .* \| ([0-9]+) \|)");
  static const std::regex look_row(R"(\| `([a-z-]+)` \| ([0-9]+): ([^|]*)\|)");
  for (std::string line; std::getline(readme, line);) {
    std::smatch m;
    if (std::regex_match(line, m, count_row))
      counts[m[1]] = m[2];
    else if (std::regex_match(line, m, look_row))
      look_keys[m[1]] = m[2].str() + ":" + m[3].str();
  }
  for (const ProgramEntry& program : kPrograms) {
    SCOPED_TRACE(std::string(program.name));
    const UnitDefinition& unit = program.unit();
    const std::string name(program.name);
    EXPECT_EQ(counts[name], std::to_string(unit.ProblemCount()));
    const std::string look = look_keys[name];
    ASSERT_NE(look.find(':'), std::string::npos) << "no row for " << name;
    EXPECT_EQ(look.substr(0, look.find(':')), std::to_string(unit.LookKeyCount()));
    // The problems named after "one key more for" are those that wait before they draw.
    std::vector<int> waiting;
    for (int k = 1; k <= unit.ProblemCount(); ++k)
      if (unit.Problem(k).waits_before_drawing) waiting.push_back(k);
    const size_t more = look.find("one key more for");
    EXPECT_EQ(more == std::string::npos ? std::vector<int>{} : NumbersNamed(look.substr(more)),
              waiting);
  }
}

}  // namespace
}  // namespace drill::testing
