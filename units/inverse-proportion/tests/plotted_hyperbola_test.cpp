// Problems 9 and 10's own check of the entered points, their marks and strip, and the keys typed
// ahead of their pauses and starts.
#include <regex>

#include "units/inverse-proportion/tests/lesson.hpp"

namespace drill::testing {
namespace {

std::string Judged(const std::vector<std::pair<int, int>>& points) {
  std::string text;
  for (const auto& [x, y] : points) text += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
  return text;
}

// The lesson's first start of problem 9 (or 10) enters `points` and presses a key at the pause;
// later starts get the right keys.
void EnterFirst(Lesson& lesson, const std::vector<std::pair<int, int>>& points) {
  lesson.at_start = [points](Lesson& l) {
    l.pupil.Type(PointKeys(points) + "{Space}");
    l.at_start = [](Lesson& later) { later.pupil.Type(RightKeys(later.d)); };
  };
}

TEST(PlottedHyperbola, APointOnTheYAxisIsNotOnTheCurveAndNoError) {
  for (int problem : {9, 10}) {
    for (int y : {0, 4, -10}) {
      Lesson lesson(problem * 10 + y);
      // Three table points and one on the y axis; the first Enter before any arrow key fixes the
      // origin itself.
      std::vector<std::pair<int, int>> points{{0, y}};
      lesson.at_start = [&points](Lesson& l) {
        const auto table = TablePoints(static_cast<int>(l.d.T[1]));
        points.insert(points.end(), table.begin(), table.begin() + 3);
        l.pupil.Type(PointKeys(points) + "{Space}");
      };
      EXPECT_EQ(lesson.Run(problem), problem);
      EXPECT_EQ(lesson.Lines("judge "), std::vector<std::string>{"judge 1 " + Judged(points)});
      EXPECT_EQ(lesson.Lines("error").size(), 0u);
      // The cross over the origin and the prompt; then the same problem starts again.
      EXPECT_EQ(lesson.Count("line 768 313 832 367 5 line solid"), 1);
      EXPECT_EQ(lesson.Count("line 768 367 832 313 5 line solid"), 1);
      EXPECT_EQ(lesson.RenderedAt(240, 360), "何かキーを押して下さい。");
    }
  }
}

// Whole sessions on key scripts: the four points are right only when they are the table's four
// pairs, in any order. A point on the curve outside the table, or a pair entered twice, is wrong.
TEST(PlottedHyperbola, RightOnlyWhenEveryPairOfTheTableWasEntered) {
  static const std::regex formula("反比例の関係 Y=(-?)ﾀ([0-9]+)/Xﾀ");
  for (const int problem : {9, 10}) {
    for (const char* clock : {"12:00:00", "19:47:13"}) {
      SCOPED_TRACE("problem " + std::to_string(problem) + " at " + clock);
      const std::string start = "1" + std::to_string(problem) + "{Enter}";
      const Scenario shown = RunScenario(InversePropUnit(), start, clock);
      std::smatch m;
      const std::string statement = shown.Lines("render 80 72 15 ").at(0);
      ASSERT_TRUE(std::regex_search(statement, m, formula)) << statement;
      const int a = (m[1].length() ? -1 : 1) * std::stoi(m[2]);
      const auto table = TablePoints(a);
      struct Case {
        std::vector<std::pair<int, int>> points;
        bool right;
      };
      const std::vector<Case> cases = {
          {{table[2], table[0], table[3], table[1]}, true},
          {std::vector<std::pair<int, int>>(4, table[2]), false},  // one right point four times
          {std::vector<std::pair<int, int>>(4, {0, 0}), false},
          {{table[0], table[1], table[2], table[2]}, false},
          // (a, 1) lies on the curve but is not in the table.
          {{table[0], table[1], table[2], {a, 1}}, false},
      };
      for (const Case& c : cases) {
        const Scenario run =
            RunScenario(InversePropUnit(),
                        start + PointKeys(c.points) + Repeat("{Space}", c.right ? 5 : 1), clock);
        EXPECT_EQ(run.Lines("judge "),
                  std::vector<std::string>{"judge " + std::string(c.right ? "2 " : "1 ") +
                                           Judged(c.points)});
        EXPECT_TRUE(run.Has("problem " + std::to_string(c.right ? problem + 1 : problem)));
        EXPECT_EQ(run.Count("problem "), 2);
      }
    }
  }
}

// A wrong check shows the cross, asks for a key and starts the problem again with another
// constant; the first-try mark is the cross and stays when the problem is then finished right,
// which counts one run.
TEST(PlottedHyperbola, TheStripKeepsTheFirstCheckAndCountsTheRightOne) {
  Lesson lesson(3);
  Drill& d = lesson.d;
  EnterFirst(lesson, {{1, 1}, {1, 1}, {1, 1}, {1, 1}});
  ASSERT_EQ(lesson.Run(9), 9);
  const float first_constant = d.T[1];
  EXPECT_EQ(lesson.Count("text 368 18 11 1 1 ×"), 1);
  EXPECT_EQ(d.session.completed[9], 0);
  ASSERT_EQ(lesson.Run(9), 10);
  EXPECT_NE(d.T[1], first_constant);
  EXPECT_EQ(lesson.Lines("judge 2 ").size(), 1u);
  EXPECT_EQ(lesson.Lines("text 368 18 ").size(), 0u) << "the first-try mark was overwritten";
  EXPECT_EQ(lesson.Count("text 372 38 11 1 1 1"), 1);
  EXPECT_EQ(d.session.completed[9], 1);
}

// Keys pressed together: the extra ones at the fourth point, at the pause after a wrong check and
// at every pause of the passes must neither skip a pause nor fix a point in the next start.
TEST(PlottedHyperbola, KeysTypedAheadOfAPauseOrAStartAreDropped) {
  Lesson lesson(4);
  Drill& d = lesson.d;
  // Wrong points, the last Enter pressed three times, then Space and Enter together at the pause.
  lesson.at_start = [](Lesson& l) {
    const std::string keys = PointKeys({{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    l.pupil.Type(keys.substr(0, keys.size() - 7));
    l.pupil.TypeTogether("{Enter}{Enter}{Enter}");
    l.pupil.TypeTogether("{Space}{Enter}");
    l.at_start = [](Lesson& right) {
      right.pupil.Type(PointKeys(TablePoints(static_cast<int>(right.d.T[1]))));
      // Each pause of the passes and the closing one gets two keys at once.
      for (int pause = 0; pause < 5; ++pause) right.pupil.TypeTogether("{Space}{Enter}");
      right.at_start = [](Lesson& next) { next.pupil.Type(RightKeys(next.d)); };
    };
  };
  ASSERT_EQ(lesson.Run(9), 9);
  EXPECT_EQ(lesson.Lines("judge ").size(), 1u);
  EXPECT_EQ(lesson.pupil.Unread(), 0u);
  ASSERT_EQ(lesson.Run(9), 10);
  const auto table = TablePoints(static_cast<int>(d.T[1]));
  EXPECT_EQ(lesson.Lines("judge "), std::vector<std::string>{"judge 2 " + Judged(table)});
  // One key taken at each of the five pauses: the Enter pressed with it was dropped.
  EXPECT_EQ(lesson.Lines("key {Space}").size(), 5u);
  EXPECT_EQ(lesson.pupil.Unread(), 0u);
  // Problem 10 starts clean: its first point is where its own keys put it.
  ASSERT_EQ(lesson.Run(10), 11);
  EXPECT_EQ(lesson.Lines("judge "),
            std::vector<std::string>{"judge 2 " + Judged(TablePoints(static_cast<int>(d.T[1])))});
}

// The last pause of problem 10 with a double key: problem 11's pause still waits for its own key.
TEST(PlottedHyperbola, TheChainToProblem11DropsKeysTypedAhead) {
  Lesson lesson(5);
  lesson.at_start = [](Lesson& l) {
    l.pupil.Type(PointKeys(TablePoints(static_cast<int>(l.d.T[1]))) + Repeat("{Space}", 4));
    l.pupil.TypeTogether("{Space}{Enter}{Enter}");
    l.at_start = [](Lesson& next) { next.pupil.Type("{Space}1{Enter}"); };
  };
  ASSERT_EQ(lesson.Run(10), 11);
  EXPECT_EQ(lesson.pupil.Unread(), 0u);
  lesson.Run(11);
  EXPECT_EQ(lesson.Lines("judge "), std::vector<std::string>{"judge 2 1"});
  // The pause took the Space typed for it, not an Enter left from problem 10.
  ASSERT_FALSE(lesson.Lines("key ").empty());
  EXPECT_EQ(lesson.Lines("key ").front(), "key {Space}");
}

}  // namespace
}  // namespace drill::testing
