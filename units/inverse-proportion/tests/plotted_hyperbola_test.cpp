// Problems 9 and 10's own check of the entered points, their marks and strip, and the keys typed
// ahead of their pauses and starts.
#include <set>

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
      EXPECT_EQ(lesson.d.AINP_s, "0111");
      EXPECT_EQ(lesson.Lines("error").size(), 0u);
      // The cross over the origin and the prompt; then the same problem starts again.
      EXPECT_EQ(lesson.Count("line 768 313 832 367 5 line solid"), 1);
      EXPECT_EQ(lesson.Count("line 768 367 832 313 5 line solid"), 1);
      EXPECT_EQ(lesson.RenderedAt(240, 360), "何かキーを押して下さい。");
    }
  }
}

TEST(PlottedHyperbola, AnyPointOnTheCurveCountsAndTheSamePointFourTimesPasses) {
  Lesson lesson(9);
  std::vector<std::pair<int, int>> points;
  lesson.at_start = [&points](Lesson& l) {
    const int a = static_cast<int>(l.d.T[1]);
    // (3, a/3) lies on the curve only when 3 divides a; (1, a) four times always does.
    points = a % 3 == 0 ? std::vector<std::pair<int, int>>{{3, a / 3}, {1, a}, {1, a}, {-a, -1}}
                        : std::vector<std::pair<int, int>>{{1, a}, {1, a}, {1, a}, {1, a}};
    l.pupil.Type(PointKeys(points) + Repeat("{Space}", 5));
  };
  for (int start = 0; start < 6; ++start) {
    EXPECT_EQ(lesson.Run(9), 10);
    EXPECT_EQ(lesson.Lines("judge "), std::vector<std::string>{"judge 2 " + Judged(points)});
  }
}

TEST(PlottedHyperbola, APointOffTheCurveByAFractionIsWrong) {
  // y = 10/x at x = 3 is 10/3, so (3, 3) is off the curve; y = 6/x passes (3, 2).
  Lesson lesson(1);
  lesson.at_start = [](Lesson& l) {
    const int a = static_cast<int>(l.d.T[1]);
    l.pupil.Type(PointKeys({{3, a / 3}, {1, a}, {2, a / 2}, {-1, -a}}) + "{Space}" +
                 (a % 3 == 0 ? Repeat("{Space}", 4) : ""));
  };
  std::set<int> constants;
  for (int start = 0; start < 40; ++start) {
    const int next = lesson.Run(9);
    const int a = static_cast<int>(lesson.d.T[1]);
    constants.insert(a);
    EXPECT_EQ(next, a % 3 == 0 ? 10 : 9) << a;
    EXPECT_EQ(lesson.d.AINP_s, a % 3 == 0 ? "1111" : "0111") << a;
  }
  EXPECT_EQ(constants, (std::set<int>{4, 6, 8, 10}));
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
  EXPECT_EQ(d.SFU[9], 0);
  ASSERT_EQ(lesson.Run(9), 10);
  EXPECT_NE(d.T[1], first_constant);
  EXPECT_EQ(lesson.Lines("judge 2 ").size(), 1u);
  EXPECT_EQ(lesson.Lines("text 368 18 ").size(), 0u) << "the first-try mark was overwritten";
  EXPECT_EQ(lesson.Count("text 372 38 11 1 1 1"), 1);
  EXPECT_EQ(d.SFU[9], 1);
  EXPECT_EQ(d.JAKAI3, 1);
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
