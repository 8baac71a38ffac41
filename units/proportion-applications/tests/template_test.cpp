// The problem template's random whole numbers and answer set-up.
#include <cmath>

#include "framework/testing/session.hpp"
#include "units/proportion-applications/problem_template.hpp"
#include "units/proportion-applications/unit.hpp"

namespace drill::testing {
namespace {

TEST(RandomWhole, StaysWithinItsRangeAtBothEndsOfTheRandomNumbers) {
  const float below_one = std::nextafter(1.0f, 0.0f);
  for (int a = 1; a <= 20; ++a) {
    for (int b = a; b <= a + 16; ++b) {
      EXPECT_EQ(WholeNumberFrom(0.0f, a, b), a);
      // In float arithmetic r·(b − a + 1) + a can round up to b + 1 here.
      EXPECT_EQ(WholeNumberFrom(below_one, a, b), b) << a << ".." << b;
    }
  }
  // Each whole number gets its equal share of [0, 1).
  EXPECT_EQ(WholeNumberFrom(0.2499f, 11, 14), 11);
  EXPECT_EQ(WholeNumberFrom(0.25f, 11, 14), 12);
  EXPECT_EQ(WholeNumberFrom(0.75f, 11, 14), 14);
}

// What an earlier problem's answer left behind is cleared: a unit text after the last blank and a
// second accepted form of a blank the new answer does not have. A malformed answer is refused.
TEST(AnswerSetUp, ClearsWhatTheProblemDoesNotNameAndRefusesAMalformedAnswer) {
  Session s(PropApplyUnit(), 1);
  Drill& d = s.d;
  for (int k = 0; k <= 5; ++k) d.answer.units[k] = "old";
  d.answer.blank_expected[2][3] = "old";
  SetUpAnswer(d, {.unit_texts = {" ① ", "ｍ　②", "分後"}, .expected = {"4000", "50", "250/3"}});
  EXPECT_EQ(d.answer.units[3], "");
  EXPECT_EQ(d.answer.blank_expected[2][3], "");
  EXPECT_THROW(SetUpAnswer(d, {.unit_texts = {}, .expected = {}}), std::logic_error);
}

}  // namespace
}  // namespace drill::testing
