// Problems 3 and 4 judge the points of their value table, whole sessions on key scripts: right
// only when every pair of the table was entered, in any order.
#include <regex>

#include "framework/testing/scenario.hpp"
#include "units/proportion-graphs/tests/pupil.hpp"

namespace drill::testing {
namespace {

// The constant a of the table's formula "…比例の関係 Y=aX …" in the statement of the problem
// waiting for its points.
int TableConstant(const Scenario& shown) {
  static const std::regex formula("比例の関係 Y=(-?[0-9]+)X");
  std::smatch m;
  for (const auto& line : shown.Lines("render 80 72 15 "))
    if (std::regex_search(line, m, formula)) return std::stoi(m[1]);
  ADD_FAILURE() << "no table formula";
  return 0;
}

std::string Judged(const std::vector<std::pair<int, int>>& points) {
  std::string text;
  for (const auto& [x, y] : points) text += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
  return text;
}

TEST(TablePoints, RightOnlyWhenEveryPairOfTheTableWasEntered) {
  for (const int problem : {3, 4}) {
    for (const char* clock : {"12:00:00", "07:31:05"}) {
      SCOPED_TRACE("problem " + std::to_string(problem) + " at " + clock);
      const std::string start = "1" + std::to_string(problem) + "{Enter}";
      const int a = TableConstant(RunScenario(PropGraphUnit(), start, clock));
      ASSERT_TRUE(a == 2 || a == 3 || a == -2 || a == -3) << a;
      auto pair = [a](int x) { return std::pair<int, int>{x, a * x}; };
      struct Case {
        std::vector<std::pair<int, int>> points;
        bool right;
      };
      const std::vector<Case> cases = {
          {std::vector<std::pair<int, int>>(7, {0, 0}), false},  // the origin seven times
          {{pair(2), pair(-3), pair(0), pair(3), pair(-1), pair(1), pair(-2)}, true},
          {std::vector<std::pair<int, int>>(7, pair(1)), false},  // one right point seven times
          // Every point on the graph, one pair twice and another left out.
          {{pair(-3), pair(-2), pair(-1), pair(0), pair(1), pair(2), pair(2)}, false},
      };
      for (const Case& c : cases) {
        const Scenario run = RunScenario(PropGraphUnit(), start + PointKeys(c.points) + "x", clock);
        EXPECT_EQ(run.Lines("judge "),
                  std::vector<std::string>{"judge " + std::string(c.right ? "2 " : "1 ") +
                                           Judged(c.points)});
        // Right goes on to the next problem; wrong starts the same one again.
        EXPECT_TRUE(run.Has("problem " + std::to_string(c.right ? problem + 1 : problem)));
        EXPECT_EQ(run.Count("problem "), 2);
        const std::string cell = NumberText(ResultsCellLeft(problem));
        EXPECT_TRUE(run.Has("text " + cell + " 18 11 1 1 " + (c.right ? "○" : "×")));
      }
    }
  }
}

}  // namespace
}  // namespace drill::testing
