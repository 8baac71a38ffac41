// Each problem reached after every other one of the unit, the decisions problems 8, 11 and 12
// carry, and whole runs of the program in both modes.
#include <functional>

#include "framework/testing/scenario.hpp"
#include "units/inverse-proportion/tests/lesson.hpp"

namespace drill::testing {
namespace {

// The re-draw value of each problem's start.
float RedrawValue(const Drill& d, int k) {
  if (k <= 5) return d.T[10];
  if (k <= 8) return d.T[2];
  return d.T[1];
}

// The previous problem worked through: right at once, or (taking three attempts) wrong three
// times, so it leaves its attempt count, its answer line and its marks behind.
enum class Before { Right, ThreeWrong };

void TypeThreeWrong(Lesson& lesson) {
  const Drill& d = lesson.d;
  if (d.session.problem == 9 || d.session.problem == 10) {
    lesson.pupil.Type(RightKeys(d));  // these judge themselves: wrong would start them again
    return;
  }
  std::string wrong;
  if (d.session.problem == 11 || d.session.problem == 12) {
    lesson.pupil.Type("{Space}");
    wrong = "0{Enter}";
  } else {
    for (int k = 1; k <= d.answer.blanks; ++k) wrong += "0{Enter}";
  }
  lesson.pupil.Type(wrong + "{Space}" + wrong + "{Space}" + wrong);
}

// Where problems 11 and 12 ask for a key once the graph is drawn on paper: nothing of the prompt
// may stay there once the key is pressed.
bool PromptRowsClear(const Drill& d) {
  for (int y = 522; y < 540; ++y)
    for (int x = 560; x < 900; ++x)
      if (d.rt.surface().At(x, y) != 0) return false;
  return true;
}

void CheckProblemAfter(int before, Before how, int k) {
  SCOPED_TRACE("problem " + std::to_string(k) + " after " + std::to_string(before) +
               (how == Before::Right ? " (right)" : " (three wrong)"));
  Lesson lesson(100 * before + k);
  Drill& d = lesson.d;
  if (how == Before::ThreeWrong) lesson.at_start = TypeThreeWrong;
  lesson.Run(before);
  const float previous = d.previous_draw;
  lesson.at_start = [](Lesson& l) { l.pupil.Type(RightKeys(l.d)); };

  const int next = lesson.Run(k);
  EXPECT_NE(RedrawValue(d, k), previous);
  EXPECT_EQ(d.previous_draw, RedrawValue(d, k));
  const auto judged = lesson.Lines("judge ");
  ASSERT_EQ(judged.size(), 1u);
  const float cell = ResultsCellLeft(k);
  EXPECT_EQ(lesson.Count("text " + NumberText(cell) + " 18 11 1 1 ○"), 1);
  EXPECT_EQ(lesson.Lines("text " + NumberText(cell) + " 18 ").size(), 1u);
  EXPECT_EQ(lesson.Count("text " + NumberText(cell + 4) + " 38 11 1 1 1"), 1);
  EXPECT_EQ(d.session.completed[k], 1);
  if (k == 9 || k == 10) {
    EXPECT_EQ(next, k + 1);
    std::string points;
    for (const auto& [x, y] : TablePoints(static_cast<int>(d.T[1])))
      points += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    EXPECT_EQ(judged[0], "judge 2 " + points);
    // The big mark is the circle over the origin, and only that.
    EXPECT_EQ(lesson.Count("circle 800 340 32 5 0"), 1);
    for (const auto& line : lesson.Lines("circle "))
      EXPECT_EQ(line.find(" 22 5 0"), std::string::npos) << line;
  } else {
    EXPECT_EQ(next, 0);
    EXPECT_EQ(judged[0], "judge 2 " + d.answer.expected);
    int answer_circles = 0;
    for (const auto& line : lesson.Lines("circle ")) answer_circles += line.ends_with(" 22 5 0");
    EXPECT_EQ(answer_circles, 1);
  }
  if (k == 11 || k == 12) {
    EXPECT_TRUE(PromptRowsClear(d));
  }
}

TEST(Sequence, EveryProblemAfterEveryOtherProblem) {
  const int count = InversePropUnit().ProblemCount();
  for (int before = 1; before <= count; ++before) {
    for (int k = 1; k <= count; ++k) {
      if (k == before) continue;
      CheckProblemAfter(before, (before + k) % 2 == 0 ? Before::Right : Before::ThreeWrong, k);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// Problem 8's re-draw rule: a draw with equal x values is made again without becoming the value
// the next start must avoid; over many starts no start repeats the value before it.
TEST(Sequence, Problem8NeverRepeatsTheValueBeforeIt) {
  Lesson lesson(8);
  for (int start = 0; start < 400; ++start) {
    const float previous = lesson.d.previous_draw;
    lesson.Run(8);
    ASSERT_NE(lesson.d.T[2], previous) << "start " << start;
    ASSERT_NE(lesson.d.F[2], lesson.d.F[3]);
    ASSERT_EQ(lesson.d.previous_draw, lesson.d.T[2]);
  }
}

// Only the fraction in lowest terms is right: 7/2, not 3.5 nor 14/4.
TEST(Sequence, Problem8AcceptsOnlyTheReducedFraction) {
  Lesson lesson(11);
  std::string formula;
  lesson.at_start = [&formula](Lesson& l) {
    const Drill& d = l.d;
    if (d.F[2] == 7 && d.F[3] == 2) {
      formula = "Y=" + d.T_s[1] + "/X";
      const std::string keys = "SX{Enter}Y=" + d.T_s[1] + "{Enter}{Enter}";
      l.pupil.Type(keys + "3.5{Enter}{Space}" + keys + "S4{Enter}14{Enter}{Enter}{Space}" + keys +
                   "S2{Enter}7{Enter}{Enter}");
    } else {
      l.pupil.Type(KeysFor(d));
    }
  };
  for (int start = 0; start < 3000 && formula.empty(); ++start) lesson.Run(8);
  ASSERT_FALSE(formula.empty());
  EXPECT_EQ(lesson.Lines("judge "),
            (std::vector<std::string>{"judge 1 " + formula + "3.5", "judge 1 " + formula + "14/4",
                                      "judge 2 " + formula + "7/2"}));
}

TEST(Sequence, Problems11And12AcceptOnly1AndShowTheHintAfter0) {
  for (int k : {11, 12}) {
    Lesson lesson(k);
    lesson.at_start = [](Lesson& l) { l.pupil.Type("{Space}0{Enter}{Space}1{Enter}"); };
    lesson.Run(k);
    EXPECT_EQ(lesson.Lines("judge "), (std::vector<std::string>{"judge 1 0", "judge 2 1"}));
    EXPECT_EQ(lesson.RenderedAt(80, 180), "いくつかの点をとって、なめらかな曲線で結ぶ");
    EXPECT_TRUE(PromptRowsClear(lesson.d));
  }
}

// Looking at the problems, no answer line is drawn over the prompt: it goes with its key.
TEST(Sequence, Problems11And12EraseTheirWholePromptAfterItsKey) {
  for (int k : {11, 12}) {
    Lesson lesson(k);
    lesson.d.session.looking = true;
    lesson.pupil.Type("{Space}");
    ASSERT_EQ(StartProblem(lesson.d, k).kind, Handoff::Kind::AttemptLoop);
    EXPECT_EQ(Attempts(lesson.d), AttemptResult::HandedBack);
    EXPECT_TRUE(PromptRowsClear(lesson.d));
  }
}

// Looking at the problems: an Enter after each of the fourteen, and a key more for problems 11
// and 12, which wait before they draw their graph; nothing is judged.
TEST(Program, LookingAtTheProblemsTakesSixteenKeys) {
  const std::string keys =
      "2" + Repeat("{Enter}", 10) + Repeat("{Space}{Enter}", 2) + Repeat("{Enter}", 2);
  const Scenario run = RunScenario(InversePropUnit(), keys);
  EXPECT_EQ(run.result, RunResult::Ended);
  for (int k = 1; k <= InversePropUnit().ProblemCount(); ++k) {
    int starts = 0;
    for (const auto& line : run.trace) starts += line == "problem " + std::to_string(k);
    EXPECT_EQ(starts, 1) << k;
  }
  EXPECT_EQ(run.Count("judge "), 0);
  EXPECT_EQ(run.Count("error"), 0);
  // Back in the main menu after the last key.
  const int last = run.IndexOf("problem 14");
  ASSERT_GE(last, 0);
  bool menu = false;
  for (size_t i = static_cast<size_t>(last); i < run.trace.size(); ++i)
    menu = menu || run.trace[i].find("★ 終わる") != std::string::npos;
  EXPECT_TRUE(menu);
}

// Practising from problem 9 runs through 9 and 10 into 11 without a menu between them.
TEST(Program, Problems9And10LeadStraightOn) {
  // The drawn constants depend on the clock's seed; read them from each start's statement.
  std::string keys = "19{Enter}";
  for (int k : {9, 10}) {
    const Scenario so_far = RunScenario(InversePropUnit(), keys);
    std::string statement;
    for (const auto& line : so_far.trace)
      if (line.rfind("render 80 72 ", 0) == 0) statement = line;
    const double a = (k == 9 ? 1 : -1) * NumbersIn(statement.substr(statement.find("ﾀ")))[0];
    keys += PointKeys(TablePoints(static_cast<int>(a))) + Repeat("{Space}", 5);
  }
  const Scenario run = RunScenario(InversePropUnit(), keys + "{Space}1{Enter}2");
  EXPECT_EQ(run.result, RunResult::Ended);
  EXPECT_EQ(run.Count("judge 2 "), 3);
  EXPECT_GE(run.IndexOf("problem 12"), 0);
  EXPECT_EQ(run.Count("error"), 0);
}

}  // namespace
}  // namespace drill::testing
