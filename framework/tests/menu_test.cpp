// The main menu, the start-number prompt, the look-at-problems mode and the end-of-problem menus,
// driven through whole programs with key scripts.
#include <gtest/gtest.h>

#include "framework/placeholder.hpp"
#include "framework/testing/scenario.hpp"
#include "framework/tests/test_unit.hpp"

namespace drill::testing {
namespace {

// Units shaped like two of the programs, with placeholder problems.
const UnitDefinition& SevenProblems() {
  static const UnitDefinition unit{"prop-apply", "比例・反比例の利用",
                                   std::vector<ProblemRoutines>(7, PlaceholderProblem())};
  return unit;
}
const UnitDefinition& TenProblems() {
  static const UnitDefinition unit{"func-prop", "1年関数・比例",
                                   std::vector<ProblemRoutines>(10, PlaceholderProblem())};
  return unit;
}

const char* const kPrompt =
    "text 288 270 13 1 1 何番から始めますか　番号を入力し、Enter キーを押してください。";
const char* const kMenuEnd = "text 320 324 15 1 1 ★ 終わる・・・・・・・・・・・・・・３";

TEST(MainMenu, ShowsTitleBoxAndCountAsTheUnitHasThem) {
  Scenario apply = RunScenario(SevenProblems(), "");
  EXPECT_TRUE(apply.Has("text 320 216 15 1 1 ★ 練習７題・・・・・・・・・・・・・１"));
  EXPECT_TRUE(apply.Has("text 320 252 15 1 1 ★ 練習７題を見る・・・・・・・・・・２"));
  EXPECT_TRUE(apply.Has(kMenuEnd));
  // The title box leaves 16 pixels beside the double-size title on both sides.
  EXPECT_TRUE(apply.Has("line 240 72 560 142 10 fill solid"));
  EXPECT_TRUE(apply.Has("line 240 72 560 142 15 box solid"));
  EXPECT_TRUE(apply.Has("text 256 90 13 2 2 比例・反比例の利用"));

  Scenario func = RunScenario(TenProblems(), "");
  EXPECT_TRUE(func.Has("text 320 216 15 1 1 ★ 練習10題・・・・・・・・・・・・・１"));
}

TEST(MainMenu, IgnoresOtherKeysAndEndsOnThree) {
  Scenario run = RunScenario(TestUnit(), "x{Enter}4 3");
  EXPECT_EQ(run.result, RunResult::Ended);
  EXPECT_EQ(run.trace.back(), "end");
  EXPECT_EQ(run.Count("problem"), 0);
  EXPECT_EQ(run.Count(kPrompt), 0);
}

TEST(PracticePrompt, RefusesEntriesOutsideTheProblemsAndAsksAgain) {
  // Empty, zero, a letter, SAIGO + 1, negative, huge: each refused, the prompt drawn again.
  Scenario run =
      RunScenario(TestUnit(), "1{Enter}0{Enter}a{Enter}5{Enter}-3{Enter}1e9{Enter}4{Enter}");
  EXPECT_EQ(run.Count(kPrompt), 7);
  ASSERT_EQ(run.Lines("problem").size(), 1u);
  EXPECT_EQ(run.Lines("problem")[0], "problem 4");
}

TEST(PracticePrompt, AFractionalStartNumberStartsTheProblemBelowIt) {
  Scenario run = RunScenario(TestUnit(), "12.5{Enter}");
  ASSERT_EQ(run.Lines("problem").size(), 1u);
  EXPECT_EQ(run.Lines("problem")[0], "problem 2");
}

TEST(PracticePrompt, BackspaceClearsTheWholeEntry) {
  Scenario run = RunScenario(TestUnit(), "19{BS}3{Enter}");
  ASSERT_EQ(run.Lines("problem").size(), 1u);
  EXPECT_EQ(run.Lines("problem")[0], "problem 3");
}

TEST(PracticePrompt, SurvivesAVeryLongEntry) {
  Scenario run = RunScenario(TestUnit(), "1" + Repeat("7", 5000) + "{Enter}2{Enter}");
  EXPECT_EQ(run.result, RunResult::Ended);
  EXPECT_EQ(run.Count(kPrompt), 2);
  EXPECT_EQ(run.Lines("problem").front(), "problem 2");
}

TEST(LookAtProblems, NeedsExactlyOneEnterPerProblemToReturnToTheMenu) {
  const int saigo = TestUnit().ProblemCount();
  Scenario short_of_it = RunScenario(TestUnit(), "2" + Repeat("x {Enter}", saigo - 1));
  EXPECT_EQ(short_of_it.Count("problem"), saigo);
  EXPECT_EQ(short_of_it.Count("text 320 324"), 1);  // still in the mode

  Scenario all = RunScenario(TestUnit(), "2" + Repeat("{Enter}", saigo));
  EXPECT_EQ(all.Count("problem"), saigo);
  EXPECT_EQ(all.Count("text 320 324"), 2);  // the main menu came back
  EXPECT_EQ(all.Count("judge"), 0);         // no answer is asked
  EXPECT_EQ(all.Count("text 480 540 13 1 1 Enterキーを押す"), saigo);
}

TEST(EndOfProblemMenus, OfferNextOrAgainAndAfterTheLastProblemTheThreeChoices) {
  // Problem 3 right, "2" goes on to problem 4, right, then the last-problem menu.
  Scenario run = RunScenario(TestUnit(), "13{Enter}3{Enter}x24{Enter}");
  EXPECT_TRUE(run.Has("text 16 594 15 1 1 ☆もう１度練習する…１    ☆次に進む…２"));
  EXPECT_TRUE(
      run.Has("text 16 594 15 1 1 ☆この問題をもう１度練習する…１    ☆１番から練習する…２    "
              "☆「内容」に戻る…３"));
  std::vector<std::string> problems = run.Lines("problem");
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[1], "problem 4");
}

TEST(EndOfProblemMenus, FromProblemOneCountsANewSeriesAndClearsTheMarks) {
  // Start at the last problem, answer it, then "2": a second series from problem 1.
  Scenario run = RunScenario(TestUnit(), "14{Enter}4{Enter}2");
  std::vector<std::string> problems = run.Lines("problem");
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[1], "problem 1");
  // The series count left of the strip: 1, then 2.
  std::vector<std::string> counts;
  for (const auto& line : run.Lines("text ")) {
    if (line.find(" 0 7 1 1 ") != std::string::npos) counts.push_back(line);
  }
  ASSERT_GE(counts.size(), 2u);
  EXPECT_NE(counts.front().find("1"), std::string::npos);
  EXPECT_NE(counts.back().find(" 2"), std::string::npos);
  // The strip was cleared for the new series, after the first series' mark was written.
  const int mark = run.IndexOf("text 288 18 11 1 1 ○");
  ASSERT_GE(mark, 0);
  EXPECT_GE(run.IndexOf("line 220 0 304 53 0 fill solid", mark), 0);
}

// The new series' strip leaves nothing of the run counts the old one wrote under its cells.
TEST(EndOfProblemMenus, FromProblemOneLeavesNoInkOfTheOldRunCounts) {
  HeadlessPlatform platform(ParseKeyScript("13{Enter}3{Enter}24{Enter}2").value());
  Runtime runtime(platform);
  EXPECT_EQ(RunDrill(runtime, TestUnit()), RunResult::Ended);
  const Surface& screen = runtime.surface();
  for (int y = 34; y < 54; ++y)
    for (int x = 220; x < 320; ++x) ASSERT_EQ(screen.At(x, y), 0) << x << "," << y;
}

TEST(EndOfProblemMenus, ThreeAfterTheLastProblemReturnsToTheMainMenu) {
  Scenario run = RunScenario(TestUnit(), "14{Enter}4{Enter}3");
  EXPECT_EQ(run.Count("text 320 324"), 2);
  EXPECT_NE(run.trace.back(), "end");
}

TEST(Placeholder, SaysTheProblemIsNotThereAndGoesToTheMenu) {
  Scenario run = RunScenario(TenProblems(), "11{Enter}2");
  EXPECT_TRUE(run.Has("text 64 72 15 1 1 この問題はまだありません。"));
  EXPECT_TRUE(run.Has("problem 2"));
}

}  // namespace
}  // namespace drill::testing
