// Whole runs of func-prop on the headless platform: look-at-problems mode with problem 3's wait,
// every problem's first draw answered through the menus, and the inequality keys.
#include <algorithm>
#include <sstream>

#include "framework/testing/scenario.hpp"
#include "units/functions-proportion/tests/checks.hpp"

namespace drill::testing {
namespace {

Scenario RunProgram(const std::string& keys, const std::string& clock = "12:00:00") {
  Scenario run = RunScenario(FuncPropUnit(), keys, clock);
  EXPECT_EQ(run.result, RunResult::Ended);
  return run;
}

// The keys that pass problem 3's wait for the paper graph.
std::string WaitKey(int k) {
  return k == 3 ? "{Space}" : "";
}

// The problem that practising from problem k draws first at this clock.
struct FirstDraw {
  HeadlessPlatform platform;
  Runtime rt{platform};
  Drill d{rt, FuncPropUnit()};
  FirstDraw(int k, const std::string& clock)
      : platform(ParseKeyScript(WaitKey(k)).value_or(std::vector<KeyPress>{}), clock) {
    SeedFromClock(d.rt);
    StartProblem(d, k);
  }
};

TEST(Program, LookingAtTheProblemsTakesElevenKeys) {
  // Enter after each of the ten problems, and one key for problem 3's wait; then the main menu.
  const std::string look = "2{Enter}{Enter}{Space}" + Repeat("{Enter}", 8);
  const Scenario run = RunProgram(look + "3");
  EXPECT_TRUE(run.Has("end"));
  // Problem 3: the wait text, the key, the wait text erased, then the Enter box.
  const int start = run.IndexOf("problem 3");
  const int wait =
      run.IndexOf("render 560 522 9 グラフがかけたら、何かキーを押して下さい。", start);
  const int key = run.IndexOf("key {Space}", wait);
  const int erased = run.IndexOf("line 560 522 896 538 0 fill solid", key);
  const int enter_box = run.IndexOf("line 472 531 600 567 8 fill solid", start);
  EXPECT_LT(start, wait);
  EXPECT_LT(wait, key);
  EXPECT_LT(key, erased);
  EXPECT_LT(erased, enter_box);
  EXPECT_LT(enter_box, run.IndexOf("problem 4"));
}

TEST(Program, EveryProblemTakesItsExpectedAnswer) {
  for (const std::string clock : {"12:00:00", "08:15:42", "23:59:59"}) {
    for (int k = 1; k <= FuncPropUnit().ProblemCount(); ++k) {
      SCOPED_TRACE("problem " + std::to_string(k) + " at " + clock);
      FirstDraw first(k, clock);
      const Scenario run =
          RunProgram("1" + std::to_string(k) + "{Enter}" + WaitKey(k) + KeysFor(first.d), clock);
      EXPECT_TRUE(run.Has("problem " + std::to_string(k)));
      EXPECT_TRUE(run.Has("judge 2 " + first.d.answer.expected));
      EXPECT_EQ(run.Count("judge "), 1);
    }
  }
}

TEST(Program, DomainsAreTypedWithTheInequalityKeysFromEitherSide) {
  FirstDraw first(4, "12:00:00");
  const Drill& d = first.d;
  const std::string a = d.T_s[1], c = d.F_s[2], minus_a = d.T_s[2], b = d.F_s[1];
  // F8 is ≦ and F9 is ≧; each blank may be read from either end.
  for (const std::string& typed :
       {a + "{F8}X{F8}" + c + "{Enter}" + minus_a + "<X<" + b + "{Enter}",
        c + "{F9}X{F9}" + a + "{Enter}" + b + ">X>" + minus_a + "{Enter}",
        c + "]X]" + a + "{Enter}" + minus_a + "<X<" + b + "{Enter}"}) {
    SCOPED_TRACE(typed);
    const Scenario run = RunProgram("14{Enter}" + typed);
    EXPECT_TRUE(run.Has("judge 2 " + d.answer.expected));
  }
  // The signs turned round without swapping the ends are wrong.
  const Scenario wrong =
      RunProgram("14{Enter}" + c + "{F8}X{F8}" + a + "{Enter}" + minus_a + "<X<" + b + "{Enter}");
  EXPECT_TRUE(wrong.Has("judge 1 " + c + "[X[" + a + minus_a + "<X<" + b));
}

// ① wrong and ② right: each blank carries its own mark, and the whole answer's cross stands
// after the answer line, over neither blank.
TEST(Program, TheWholeAnswersMarkOfProblemFourCoversNeitherBlank) {
  for (const std::string clock : {"12:00:00", "08:15:42"}) {
    SCOPED_TRACE(clock);
    FirstDraw first(4, clock);
    const Scenario run =
        RunProgram("14{Enter}9{Enter}" + first.d.answer.blank_expected[1][2] + "{Enter}", clock);
    const int judged = run.IndexOf("judge 1 9" + first.d.answer.blank_expected[1][2]);
    ASSERT_GE(judged, 0);
    float answer_right = 0, mark_left = 10000;
    for (int i = 0; i < static_cast<int>(run.trace.size()); ++i) {
      std::istringstream fields(run.trace[static_cast<size_t>(i)]);
      std::string kind;
      float x = 0, y = 0, x2 = 0, y2 = 0;
      int colour = 0;
      fields >> kind >> x >> y;
      if (i < judged && kind == "text" && y == 540) answer_right = std::max(answer_right, x + 16);
      if (kind == "circle" && fields >> x2 >> colour && colour == 8)
        answer_right = std::max(answer_right, x + x2);
      if (kind != "line" || !(fields >> x2 >> y2 >> colour)) continue;
      if (i < judged && colour == 8) answer_right = std::max({answer_right, x, x2});
      if (i > judged && colour == 5) mark_left = std::min({mark_left, x, x2});
    }
    EXPECT_GT(answer_right, 600);  // ②'s glyphs were read
    EXPECT_LT(mark_left, 10000);   // and so was the cross
    EXPECT_GT(mark_left, answer_right);
  }
}

TEST(Program, ProblemThreeJudgedWrongBringsItsHintAndThePoints) {
  const Scenario run = RunProgram("13{Enter}{Space}0{Enter}{Space}0{Enter}{Space}0{Enter}");
  EXPECT_EQ(run.Count("judge 1 0"), 3);
  EXPECT_EQ(run.Count("render 80 324 13 "), 1);
  EXPECT_EQ(run.Count("render 80 360 15 後も同じように点をうつ"), 1);
}

}  // namespace
}  // namespace drill::testing
