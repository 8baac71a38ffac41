// The answer editor driven by key scripts: what the pupil sees and what is judged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/tests/decimal_point.hpp"
#include "framework/tests/editor_session.hpp"

namespace drill::testing {
namespace {

struct Judged {
  const char* keys;
  const char* text;
};

// What a key script is judged as, run by run.
std::string JudgedText(const char* keys) {
  EditorSession s(keys);
  s.d.answer.expected = "12";
  EXPECT_TRUE(s.Run()) << keys;
  const auto judges = s.Lines("judge ");
  EXPECT_EQ(judges.size(), 1u) << keys;
  return judges.empty() ? "" : judges.back();
}

TEST(EditorTest, KeyScriptsAreJudgedAsTheirKeyCodes) {
  const Judged cases[] = {
      {"12{Enter}", "judge 2 12"},
      {"13{Enter}", "judge 1 13"},
      {"{F10}4{Enter}3{Enter}{Enter}", "judge 1 3/4"},
      {"-{F10}4{Enter}3{Enter}{Enter}", "judge 1 -3/4"},
      {"{F10}{Enter}{Enter}{Enter}", "judge 1 /"},
      {"{F1}2{Enter}{Enter}", "judge 1 Q2"},
      {"X{F2}{Enter}", "judge 1 XW"},
      {"ﾝ{Enter}", "judge 1 Y"},
      {"ｻy{F6}{F7}{F8}{F9}{Enter}", "judge 1 XY@I[]"},
      {"{Enter}{Enter}1z%{Left}{Space}2{Enter}", "judge 2 12"},
      {"{F11}{F10}1{Enter}2{Enter}{Enter}", "judge 1 Q2/1"},
      {"{F10}{F10}2{Enter}{Enter}{Enter}", "judge 1 /S2"},
      {"3.5{BS}{Del}{Enter}", "judge 1 3"},
      // The letters that stand in for the function keys, in lower case too; u is ignored as U is.
      {"xwerti{Enter}", "judge 1 XWERTI"},
      {"q2{Enter}{Enter}", "judge 1 Q2"},
      {"vs1{Enter}2{Enter}{Enter}", "judge 1 Q2/1"},
      {"1u2{Enter}", "judge 2 12"},
      // The same keys typed with a Japanese input method on.
      {"ー７{Enter}", "judge 1 -7"},
      {"３。５{Enter}", "judge 1 3.5"},
      {"ｙ＝ー「いぇ」、あ{Enter}", "judge 1 Y=-[YE],A"},
  };
  for (const Judged& c : cases) EXPECT_EQ(JudgedText(c.keys), c.text) << c.keys;
}

// The pupil's own decimal point reads as a dot of its own, whatever digits stand beside it.
TEST(EditorTest, TypedDecimalPointStandsApartFromTheDigitsBesideIt) {
  for (int before = 0; before <= 9; ++before) {
    for (int after = 0; after <= 9; ++after) {
      const std::string keys = std::to_string(before) + "." + std::to_string(after);
      EditorSession s(keys);
      EXPECT_FALSE(s.Run());
      std::string trace;
      for (const auto& line : s.Trace()) trace += line + "\n";
      const auto points = DecimalPoints(trace);
      ASSERT_EQ(points.size(), 1u) << keys;
      ExpectPointStandsApart(s.surface(), points[0].first, points[0].second, keys);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

TEST(EditorTest, DigitsAreShownAndFollowedByTheUnitText) {
  EditorSession s("12{Enter}");
  s.d.answer.expected = "12";
  ASSERT_TRUE(s.Run());
  EXPECT_TRUE(s.Has("text 448 540 15 1 1 答 "));
  const int one = s.IndexOf("text 496 540 15 1 1 １");
  const int two = s.IndexOf("text 512 540 15 1 1 ２", one);
  const int unit = s.IndexOf("render 528 540 15 　本　", two);
  EXPECT_GE(one, 0);
  EXPECT_GE(two, 0);
  EXPECT_GE(unit, 0);
  EXPECT_LT(unit, s.IndexOf("judge 2 12"));
  EXPECT_EQ(s.outcome.blank_texts[1], "12");
  EXPECT_EQ(s.outcome.judgement, Judgement::Right);
  EXPECT_EQ(s.outcome.last_blank_x, 480);
  EXPECT_EQ(s.outcome.last_blank_y, 540);
}

TEST(EditorTest, FractionIsTypedUnderAProvisionalBarAndSetCentred) {
  EditorSession s("{F10}4{Enter}123{Enter}{Enter}");
  ASSERT_TRUE(s.Run());
  // Typing: three bar cells, the denominator below, the numerator above.
  int at = s.IndexOf("text 496 540 15 1 1 ―");
  EXPECT_GE(s.IndexOf("text 528 540 15 1 1 ―", at), 0);
  at = s.IndexOf("text 496 552 15 1 1 ４", at);
  at = s.IndexOf("text 496 528 15 1 1 １", at);
  at = s.IndexOf("text 528 528 15 1 1 ３", at);
  ASSERT_GE(at, 0);
  // Finishing: the provisional layout goes and the denominator is centred under three cells.
  at = s.IndexOf("line 496 522 816 570 0 fill solid", at);
  at = s.IndexOf("text 512 555 15 1 1 ４", at);
  ASSERT_GE(at, 0);
  EXPECT_GE(s.IndexOf("text 528 540 15 1 1 ―", at), 0);
  EXPECT_GE(s.IndexOf("render 546 540 15 　本　", at), 0);  // 2 px clear of the bar
  EXPECT_TRUE(s.Has("judge 1 123/4"));
}

TEST(EditorTest, RootBarCoversTheRadicandAndEnterFirstClosesTheRoot) {
  EditorSession s("{F1}2{Enter}{Enter}");
  ASSERT_TRUE(s.Run());
  const int first_bar = s.IndexOf("line 504 542 520 542 15 line solid");
  const int sign = s.IndexOf("text 496 540 15 1 1 √", first_bar);
  const int digit_bar = s.IndexOf("line 502 542 518 542 15 line solid", sign);
  const int digit = s.IndexOf("text 504 540 15 1 1 ２", digit_bar);
  EXPECT_GE(first_bar, 0);
  EXPECT_GE(digit, 0);
  // Only the second Enter finishes the blank.
  const int second_enter = s.IndexOf("key {Enter}", s.IndexOf("key {Enter}", digit) + 1);
  EXPECT_GT(second_enter, 0);
  EXPECT_GT(s.IndexOf("render 520 540 15 　本　"), second_enter);
  EXPECT_EQ(s.Lines("render ").size(), 1u);
}

TEST(EditorTest, ExponentIsRaisedAfterTheVariable) {
  EditorSession s("X{F2}{Enter}");
  ASSERT_TRUE(s.Run());
  EXPECT_GE(s.IndexOf("text 512 536 15 1 1 2", s.IndexOf("text 496 540 15 1 1 χ")), 0);
}

// The screen after a script equals the one after a script that types the same answer directly.
void ExpectSameScreen(const std::string& keys, const std::string& reference, int blanks = 1) {
  EditorSession typed(keys), direct(reference);
  for (EditorSession* s : {&typed, &direct}) {
    s->d.answer.blanks = blanks;
    s->d.answer.units[1] = "，";
    s->d.answer.units[2] = "　本";
  }
  const bool typed_done = typed.Run();
  EXPECT_EQ(typed_done, direct.Run()) << keys;
  EXPECT_EQ(typed.Lines("judge "), direct.Lines("judge ")) << keys;
  EXPECT_EQ(FirstDifference(typed.surface(), direct.surface()), "") << keys << " vs " << reference;
}

TEST(EditorTest, BackspaceRemovesTheLastItemFromTextAndScreenAlike) {
  // Items narrower than a cell: the decimal point and the root sign.
  ExpectSameScreen("3.5{BS}{BS}{Enter}", "3{Enter}");
  ExpectSameScreen("3.5{BS}7{Enter}", "3.7{Enter}");
  ExpectSameScreen("2{F1}{BS}5{Enter}", "25{Enter}");
  ExpectSameScreen("{F1}2{BS}3{Enter}{Enter}", "{F1}3{Enter}{Enter}");
  ExpectSameScreen("1{F11}{BS}4{Enter}", "14{Enter}");
  ExpectSameScreen("{F11}47{BS}{Enter}{Enter}", "{F11}4{Enter}{Enter}");
  // Backspace right after a finished fraction clears the whole blank.
  ExpectSameScreen("5{F10}4{Enter}3{Enter}{BS}7{Enter}", "7{Enter}");
  // Emptying the blank and typing again.
  ExpectSameScreen("{BS}1.{BS}{BS}{BS}8{Enter}", "8{Enter}");
  // An empty second blank has nothing to take back: the unit text and mark before it stay.
  ExpectSameScreen("1{Enter}{BS}{BS}2{Enter}", "1{Enter}2{Enter}", 2);
}

TEST(EditorTest, BackspaceInsideAFraction) {
  // From the empty numerator back to the end of the denominator, and on into it.
  ExpectSameScreen("{F10}4{Enter}{BS}{BS}5{Enter}3{Enter}{Enter}", "{F10}5{Enter}3{Enter}{Enter}");
  ExpectSameScreen("{F10}4{Enter}31{BS}{BS}2{Enter}{Enter}", "{F10}4{Enter}2{Enter}{Enter}");
  // A root in the denominator stays open there: the key typed after going back gets its bar.
  EditorSession root("{F10}{F1}4{Enter}{Enter}{BS}{BS}5");
  root.Run();
  EXPECT_GE(root.IndexOf("line 510 554 526 554 15 line solid", root.IndexOf("key 5")), 0);
  ExpectSameScreen("{F10}{F1}4{Enter}{Enter}{BS}{BS}5{Enter}{Enter}3{Enter}{Enter}",
                   "{F10}{F1}5{Enter}{Enter}3{Enter}{Enter}");
  // Without a root there, no bar appears and one Enter moves on to the numerator.
  EditorSession plain("{F10}4{Enter}{BS}{BS}5{Enter}");
  plain.Run();
  EXPECT_TRUE(plain.Lines("line 510 554").empty());
}

TEST(EditorTest, AbandonedFractionTakesOnlyItsOwnPixels) {
  ExpectSameScreen("12{F10}{BS}{Enter}", "12{Enter}");
  ExpectSameScreen("1{F1}{F10}4{BS}{BS}{Enter}{Enter}", "1{F1}{Enter}{Enter}");
  // Far enough right that the fraction starts beyond x = 639, with glyphs typed before it.
  ExpectSameScreen("123456789012{F10}7{BS}{BS}{Enter}", "123456789012{Enter}");
}

TEST(EditorTest, SeveralBlanksAreMarkedAndSecondFormsStoredCanonically) {
  EditorSession s("0.5{Enter}4{Enter}");
  s.d.answer.blanks = 2;
  s.d.answer.units[1] = "，";
  s.d.answer.units[2] = "";
  s.d.answer.blank_expected[1][1] = "1/2";
  s.d.answer.blank_expected[2][1] = "0.5";
  s.d.answer.blank_expected[1][2] = "3";
  s.d.answer.expected = "1/23";
  ASSERT_TRUE(s.Run());
  // The first blank ends at 528: circle; the second starts after the unit text, at 544.
  EXPECT_TRUE(s.Has("circle 520 549 15 8 0"));
  EXPECT_TRUE(s.Has("text 544 540 15 1 1 ４"));
  EXPECT_TRUE(s.Has("line 544 540 576 567 8 line solid"));
  EXPECT_TRUE(s.Has("line 544 567 576 540 8 line solid"));
  EXPECT_EQ(s.outcome.blank_texts[1], "1/2");
  EXPECT_TRUE(s.Has("judge 1 1/24"));
  EXPECT_EQ(s.outcome.last_blank_x, 544);

  EditorSession right("{F10}2{Enter}1{Enter}{Enter}3{Enter}");
  right.d.answer.blanks = 2;
  right.d.answer.blank_expected[1][1] = "1/2";
  right.d.answer.blank_expected[1][2] = "3";
  right.d.answer.expected = "1/23";
  ASSERT_TRUE(right.Run());
  EXPECT_TRUE(right.Has("circle 506 549 15 8 0"));
  EXPECT_TRUE(right.Has("circle 570 549 15 8 0"));
  EXPECT_TRUE(right.Has("judge 2 1/23"));
}

TEST(EditorTest, ClearKeyRestartsTheWholeAnswer) {
  ExpectSameScreen("1{Enter}2{Clear}3{Enter}4{Enter}", "3{Enter}4{Enter}", 2);
  ExpectSameScreen("1{Enter}{F10}2{Clear}3{Enter}4{Enter}", "3{Enter}4{Enter}", 2);
  // A second blank that ran far right is gone too.
  ExpectSameScreen("1{Enter}" + std::string(30, '7') + "{Clear}3{Enter}4{Enter}",
                   "3{Enter}4{Enter}", 2);
}

TEST(EditorTest, BlankThatReachesTheMarginStartsAgain) {
  // The 39th cell reaches x = 1120: everything typed so far goes, on screen too.
  ExpectSameScreen(std::string(39, '1') + "2{Enter}", "2{Enter}");
  // Also in a fraction part, and the blank's row stays where it was.
  ExpectSameScreen(std::string(36, '1') + "{F10}444" + "2{Enter}", "2{Enter}");
}

TEST(EditorTest, BlankStartingAtTheMarginCanStillBeTyped) {
  EditorSession s(std::string(38, '1') + "{Enter}5{Enter}");
  s.d.answer.blanks = 2;
  s.d.answer.units[1] = "　";
  ASSERT_TRUE(s.Run());
  EXPECT_TRUE(s.Has("text 1120 540 15 1 1 ５"));
  EXPECT_EQ(s.outcome.blank_texts[2], "5");
}

TEST(EditorTest, EmptyExpectedTextsNeverMatch) {
  EditorSession s("");
  s.d.answer.expected = "12";
  EXPECT_EQ(JudgeAnswer(s.d.rt, s.d.answer, ""), Judgement::Wrong);
  EXPECT_TRUE(s.Has("judge 1 "));
  // Marks and half-width blanks do not count; the other accepted forms do.
  s.d.answer.alternative1 = "1/2";
  EXPECT_EQ(JudgeAnswer(s.d.rt, s.d.answer, "ﾝ1ﾝ/ 2ﾝﾝ"), Judgement::Right);
  EXPECT_TRUE(s.Has("judge 2 1/2"));
}

}  // namespace
}  // namespace drill::testing
