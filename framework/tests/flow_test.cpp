// The question flow: three attempts with marks and hints, the results strip, number texts.
#include "framework/flow/flow.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/menu/menu.hpp"
#include "framework/testing/scenario.hpp"
#include "framework/testing/session.hpp"
#include "framework/testing/traced_drill.hpp"
#include "framework/tests/test_unit.hpp"

namespace drill::testing {
namespace {

const char* const kHint1 = "render 80 216 13 ヒント1";
const char* const kHint2 = "render 80 252 13 ヒント2";
const char* const kHint3 = "render 80 288 13 ヒント3";
const char* const kSpacePrompt = "text 568 594 13 1 1 スペース　キーを押す";

// Trace positions of the hints in order; -1 where a hint is missing.
std::vector<int> HintOrder(const Scenario& run) {
  return {run.IndexOf(kHint1), run.IndexOf(kHint2), run.IndexOf(kHint3)};
}

TEST(AttemptLoop, RightFirstTimeShowsAllHintsInOrderAndACircle) {
  Scenario run = RunScenario(TestUnit(), "11{Enter}1{Enter}");
  EXPECT_EQ(run.Lines("judge"), std::vector<std::string>{"judge 2 1"});
  std::vector<int> order = HintOrder(run);
  EXPECT_LT(run.IndexOf("judge 2 1"), order[0]);
  EXPECT_LT(order[0], order[1]);
  EXPECT_LT(order[1], order[2]);
  EXPECT_EQ(run.Count(kSpacePrompt), 0);
  EXPECT_TRUE(run.Has("circle 504 548 22 5 0"));  // the big mark beside the answer
  EXPECT_TRUE(run.Has("text 240 18 11 1 1 ○"));   // first-try mark in problem 1's cell
  EXPECT_TRUE(run.Has("text 244 38 11 1 1 1"));   // worked through once
  EXPECT_TRUE(run.Has("text 16 594 15 1 1 ☆もう１度練習する…１    ☆次に進む…２"));
}

TEST(AttemptLoop, WrongThreeTimesGivesAHintAndASpacePromptBetweenAttempts) {
  Scenario run = RunScenario(TestUnit(), "11{Enter}9{Enter} 8{Enter} 7{Enter}");
  EXPECT_EQ(run.Lines("judge"), (std::vector<std::string>{"judge 1 9", "judge 1 8", "judge 1 7"}));
  std::vector<int> order = HintOrder(run);
  const int first_prompt = run.IndexOf(kSpacePrompt);
  const int second_prompt = run.IndexOf(kSpacePrompt, first_prompt + 1);
  EXPECT_LT(order[0], first_prompt);
  EXPECT_LT(first_prompt, order[1]);
  EXPECT_LT(order[1], second_prompt);
  EXPECT_LT(second_prompt, order[2]);
  EXPECT_EQ(run.Count(kSpacePrompt), 2);
  EXPECT_EQ(run.Count("line 488 530 520 566 5 line solid"), 3);  // a cross after every answer
  EXPECT_TRUE(run.Has("text 240 18 11 1 1 ×"));
  EXPECT_EQ(run.Count("text 240 18"), 1);
}

TEST(AttemptLoop, WrongThenRightMarksTheFirstTryAndShowsTheRemainingHints) {
  Scenario run = RunScenario(TestUnit(), "11{Enter}9{Enter} 1{Enter}");
  EXPECT_EQ(run.Lines("judge"), (std::vector<std::string>{"judge 1 9", "judge 2 1"}));
  EXPECT_TRUE(run.Has("text 240 18 11 1 1 ×"));
  EXPECT_EQ(run.Count(kHint1), 1);
  EXPECT_GT(run.IndexOf(kHint2), run.IndexOf("judge 2 1"));
  EXPECT_GT(run.IndexOf(kHint3), run.IndexOf(kHint2));
}

TEST(AttemptLoop, SpaceIsTheOnlyKeyThatLeavesThePrompt) {
  Scenario run = RunScenario(TestUnit(), "11{Enter}9{Enter}x{Enter}1{Enter}");
  // "x", Enter, "1", Enter are all swallowed by the prompt: no second judgement.
  EXPECT_EQ(run.Count("judge"), 1);
}

TEST(AttemptLoop, RepeatingAFinishedProblemKeepsItsMarkAndCountsTheRuns) {
  Scenario run = RunScenario(TestUnit(), "11{Enter}9{Enter} 1{Enter}11{Enter}");
  EXPECT_EQ(run.Count("text 240 18"), 1);  // no new first-try mark
  EXPECT_TRUE(run.Has("text 244 38 11 1 1 1"));
  EXPECT_TRUE(run.Has("text 244 38 11 1 1 2"));
}

TEST(AttemptLoop, TenRunsShowNine) {
  Scenario run = RunScenario(TestUnit(), "11{Enter}1{Enter}" + Repeat("11{Enter}", 9));
  std::vector<std::string> counts = run.Lines("text 244 38 11 1 1 ");
  ASSERT_EQ(counts.size(), 10u);
  EXPECT_EQ(counts[8], "text 244 38 11 1 1 9");
  EXPECT_EQ(counts[9], "text 244 38 11 1 1 9");
  // Each new digit is written on a wiped cell.
  EXPECT_EQ(run.Count("line 244 38 251 53 0 fill solid"), 10);
}

// A problem of two blanks, "1" and then "3", each followed by a short unit text.
Handoff AskTwoNumbers(Drill& d) {
  d.session.problem = 1;
  ClearWorkArea(d.rt);
  d.answer.blanks = 2;
  d.answer.units[0] = " ① ";
  d.answer.units[1] = "　②　";
  d.answer.units[2] = "  ";
  d.answer.blank_expected[1][1] = "1";
  d.answer.blank_expected[1][2] = "3";
  d.answer.blank_expected[2][1] = d.answer.blank_expected[2][2] = "";
  d.answer.expected = "13";
  d.answer.alternative1 = d.answer.alternative2 = "";
  return Handoff::Attempts();
}

// The rows of the answer line and its marks, x from `left` on: the leftmost and rightmost x of
// the whole answer's mark (colour 5), and the rightmost x of every other ink.
struct AnswerRowInk {
  int mark_left = 10000, mark_right = -1, other_right = -1;
};
AnswerRowInk ReadAnswerRow(const Surface& surface) {
  AnswerRowInk ink;
  for (int y = 520; y < 576; ++y) {
    for (int x = 480; x < surface.width(); ++x) {
      const int colour = surface.At(x, y);
      if (colour == 5) {
        ink.mark_left = std::min(ink.mark_left, x);
        ink.mark_right = std::max(ink.mark_right, x);
      } else if (colour != 0) {
        ink.other_right = std::max(ink.other_right, x);
      }
    }
  }
  return ink;
}

// With several blanks each blank carries its own mark, so the whole answer's mark stands after
// the last one, clear of every blank. A wrong answer however long or tall (a fraction far right)
// leaves no ink, its mark included, for the next attempt.
TEST(AttemptLoop, TheWholeAnswersMarkStandsClearOfTheBlanksAndGoesForTheNextAttempt) {
  struct Case {
    std::string answer;
    int mark;  // the colour-5 mark's width: the circle's 45, the cross's 33
  };
  const std::string threes(30, '3');
  for (const Case& c :
       {Case{"9{Enter}3{Enter}", 33}, Case{"1{Enter}3{Enter}", 45},
        Case{"1{Enter}" + threes + "{Enter}", 33}, Case{"S4{Enter}3{Enter}{Enter}3{Enter}", 33},
        Case{"9{Enter}S4{Enter}3{Enter}{Enter}", 33},
        Case{"1{Enter}" + threes + "S4{Enter}3{Enter}{Enter}", 33},
        Case{"1{Enter}" + std::string(40, '3') + "QS5{Enter}2{Enter}{Enter}{Enter}", 33}}) {
    SCOPED_TRACE(c.answer);
    static const UnitDefinition two_blanks{
        "test", "テスト", {{AskTwoNumbers, {Hint<1>, Hint<2>, Hint<3>}}}};
    Session s{two_blanks, 1};
    // The screen at the first judgement's Space prompt, then at the next attempt's start, or
    // when the problem is done if it was right at once.
    std::vector<Surface> seen;
    s.keys.on_wait = [&] {
      seen.push_back(s.rt.surface());
      return seen.size() == 1 ? std::string("{Space}") : std::string();
    };
    ASSERT_EQ(StartProblem(s.d, 1).kind, Handoff::Kind::AttemptLoop);
    s.keys.Type(c.answer);
    try {
      Attempts(s.d);
      seen.push_back(s.rt.surface());  // right at once: the problem is done
    } catch (const ScriptEnd&) {
    }
    ASSERT_FALSE(seen.empty());
    const AnswerRowInk judged = ReadAnswerRow(seen[0]);
    EXPECT_EQ(judged.mark_right - judged.mark_left + 1, c.mark);
    EXPECT_GT(judged.mark_left, judged.other_right + 8) << "the mark lies over the answer";
    if (c.mark == 45) continue;  // right: no second attempt
    ASSERT_EQ(seen.size(), 2u);
    // What stands is the new attempt's lead text and its cursor, right of the answer's start.
    const int line_x = static_cast<int>(s.d.answer.line_x);
    const int line_y = static_cast<int>(s.d.answer.line_y);
    int ink_right = -1;
    for (int y = line_y - 20; y < line_y + 54; ++y)
      for (int x = 0; x < seen[1].width(); ++x)
        if (seen[1].At(x, y) != 0) ink_right = std::max(ink_right, x);
    EXPECT_LT(ink_right, line_x + 40) << "the last attempt's ink stayed";
  }
}

TEST(AttemptLoop, FailureInsideAProblemEndsOnTheErrorScreen) {
  static const UnitDefinition broken{
      "broken",
      "こわれた",
      {{[](Drill& d) -> Handoff { return Handoff::Start(d.unit.ProblemCount() + 5); }, {}},
       {[](Drill& d) -> Handoff {
          d.T[41] = 1;
          return Handoff::Done();
        },
        {}},
       {[](Drill&) -> Handoff { return Handoff::Done(); }, {}}}};
  for (const char* keys : {"11{Enter}", "12{Enter}"}) {
    Scenario run = RunScenario(broken, std::string(keys) + "1{Enter}3");
    EXPECT_EQ(run.result, RunResult::ErrorScreenShown) << keys;
    EXPECT_EQ(run.Count("error "), 1) << keys;
    EXPECT_TRUE(
        run.Has("text 288 432 13 1 1 エラーが発生しました。マウスで×をクリックして下さい。"));
    EXPECT_EQ(run.Count("end"), 0);  // keys after the error screen do nothing
  }
}

using ProblemStart = TracedDrill;

TEST_F(ProblemStart, BadgeNumberMovesLeftFromTen) {
  d.session.problem = 9;
  DrawBadgeAndFrame(d.rt, d.session.problem, {48, 63, 720, 144});
  d.session.problem = 12;
  DrawBadgeAndFrame(d.rt, d.session.problem, {48, 63, 720, 144});
  const std::string text = trace.str();
  EXPECT_NE(text.find("text 12 81 5 1 1  9\n"), std::string::npos);
  EXPECT_NE(text.find("text 4 81 5 1 1  12\n"), std::string::npos);
  EXPECT_NE(text.find("line 48 59 720 148 2 fill solid\n"), std::string::npos);
}

TEST_F(ProblemStart, NumberTextsHaveNoBlanks) {
  d.T[1] = 12;
  d.T[2] = -3;
  d.T[40] = 7.5f;
  const NumberTextArray texts = NumberTexts(d.T);
  EXPECT_EQ(texts[1], "12");
  EXPECT_EQ(texts[2], "-3");
  EXPECT_EQ(texts[3], "0");
  EXPECT_EQ(texts[40], "7.5");
}

}  // namespace
}  // namespace drill::testing
