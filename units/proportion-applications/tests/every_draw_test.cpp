// Every draw of every problem: the numbers stay in range, the expected answer is right for the
// numbers shown, typing it is judged right, and the worked solution ends with it.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <set>

#include "framework/testing/draws.hpp"
#include "runtime/text.hpp"
#include "units/proportion-applications/problem_template.hpp"
#include "units/proportion-applications/unit.hpp"

namespace drill::testing {
namespace {

struct Draws {
  int problem;
  std::set<Case> cases;                       // every draw the problem can make
  std::function<Case(const Drill&)> case_of;  // the draw a start made
  std::function<float(const Drill&)> redraw;  // the re-draw value; empty when there is none
};

// Starts the problem again and again in one drill, answering every start correctly, until every
// case has occurred; `check` looks at each start.
void TestEachDraw(const Draws& draws, const std::function<void(const Session&)>& check) {
  Session session(PropApplyUnit(), draws.problem);
  ForEveryDraw(
      session, draws.cases, 20000, draws.redraw,
      [&](Session& s) {
        s.Run(draws.problem);
        return std::vector<Case>{draws.case_of(s.d)};
      },
      [&](const Session& s) {
        const Drill& d = s.d;
        ExpectTypedAnswerJudgedRight(s);
        // The worked solution names every blank's answer and ends with the last one.
        const auto solution = s.Solution();
        ASSERT_GE(solution.size(), 3u);
        for (int k = 1; k <= d.answer.blanks; ++k) {
          bool named = false;
          for (const auto& text : solution)
            named = named || text.find(d.answer.blank_expected[1][k]) != std::string::npos;
          EXPECT_TRUE(named) << "the solution never shows " << d.answer.blank_expected[1][k];
        }
        const std::string& last = d.answer.blank_expected[1][d.answer.blanks];
        bool at_end = false;
        for (size_t i = solution.size() - 3; i < solution.size(); ++i)
          at_end = at_end || solution[i].find(last) != std::string::npos;
        EXPECT_TRUE(at_end) << "the solution does not end with " << last;
        check(s);
      });
}

// A whole number or "numerator/denominator" as numerator and denominator.
std::pair<long, long> Fraction(const std::string& text) {
  const size_t bar = text.find('/');
  if (bar == std::string::npos) return {std::stol(text), 1};
  return {std::stol(text.substr(0, bar)), std::stol(text.substr(bar + 1))};
}

// The cells of a table row at height y: a heading of 48 pixels from x = 80, then values of 64.
std::vector<std::string> TableRow(const Session& s, float y) {
  return s.TableCells(y, 80, 48, 64, 5);
}

TEST(EveryDraw, Problem1CountsTheNailsFromTheWeightsShown) {
  Draws draws{1,
              {},
              [](const Drill& d) {
                return Case{d.T[1], d.T[2], d.T[3]};
              },
              [](const Drill& d) { return d.T[1]; }};
  for (int t1 = 11; t1 <= 14; ++t1)
    for (int m = 1; m <= 6; ++m)
      for (int k = 6; k <= 12; ++k) draws.cases.insert({float(t1), float(5 * m), float(5 * m * k)});
  TestEachDraw(draws, [](const Session& s) {
    // "...釘がWｇある。このうちn本の重さをはかったらwｇあった。"
    const auto shown = NumbersIn(s.RenderedAt(64, 72));
    ASSERT_EQ(shown.size(), 3u);
    const double count = shown[0] * shown[1] / shown[2];
    EXPECT_EQ(count, std::floor(count));
    EXPECT_EQ(std::stod(s.d.answer.expected), count);
    // "X=W*ﾀ5/aﾀ=q*5=count"
    const auto worked = NumbersIn(s.RenderedAt(80, 504));
    ASSERT_EQ(worked.size(), 6u);
    EXPECT_EQ(worked[0] * 5 / worked[2], count);
    EXPECT_EQ(worked[3] * 5, count);
    // With five nails weighed, "A=ﾀw/5ﾀ=" already is the weight of five over 5: nothing follows.
    auto is_render = [](const std::string& l) { return l.starts_with("render "); };
    const auto line = std::find_if(s.trace.begin(), s.trace.end(), [](const std::string& l) {
      return l.starts_with("render 80 324 ");
    });
    ASSERT_NE(line, s.trace.end());
    const auto next = std::find_if(std::next(line), s.trace.end(), is_render);
    ASSERT_NE(next, s.trace.end());
    EXPECT_EQ(next->starts_with("render 80 360 "), s.d.T[2] == 5);
  });
}

TEST(EveryDraw, Problem2ReadsThePricePerGramFromTheTable) {
  Draws draws{2,
              {},
              [](const Drill& d) {
                return Case{d.T[1], d.T[2], d.T[6]};
              },
              [](const Drill& d) { return d.T[1]; }};
  for (int t1 = 4; t1 <= 7; ++t1)
    for (int a = 1; a <= 5; ++a)
      for (int b = 12; b <= 16; ++b) draws.cases.insert({float(t1), float(10 * a), float(10 * b)});
  TestEachDraw(draws, [](const Session& s) {
    const auto xs = TableRow(s, 162), ys = TableRow(s, 182);
    EXPECT_EQ(xs[0], "χ");
    EXPECT_EQ(ys[0], "ｙ");
    const double first_x = std::stod(xs[1]), per_gram = std::stod(ys[1]) / first_x;
    for (size_t i = 1; i < 5; ++i) {
      EXPECT_EQ(std::stod(xs[i]), first_x * static_cast<double>(i)) << xs[i];
      EXPECT_EQ(std::stod(ys[i]), std::stod(xs[i]) * per_gram) << ys[i];
    }
    const auto price = NumbersIn(s.RenderedAt(96, 99));
    ASSERT_EQ(price.size(), 1u);
    EXPECT_EQ(std::stod(s.d.answer.expected), price[0] / per_gram);
  });
}

TEST(EveryDraw, Problem3GivesTheTimeInLowestTerms) {
  Draws draws{3,
              {},
              [](const Drill& d) {
                return Case{d.T[2], d.F[2], d.T[3]};
              },
              [](const Drill& d) { return d.T[2]; }};
  for (int v = 2; v <= 4; ++v)
    for (int h = 3; h <= 5; ++h)
      for (int w = 5; w <= 6; ++w) draws.cases.insert({float(10 * v), float(h), float(10 * w)});
  TestEachDraw(draws, [](const Session& s) {
    const auto first = NumbersIn(s.RenderedAt(64, 72)), second = NumbersIn(s.RenderedAt(96, 99));
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 1u);
    const long distance = std::lround(first[0] * first[1]), speed = std::lround(second[0]);
    const auto [num, den] = Fraction(s.d.answer.expected);
    EXPECT_EQ(num * speed, distance * den) << s.d.answer.expected;
    EXPECT_EQ(std::gcd(num, den), 1) << s.d.answer.expected;
    EXPECT_NE(s.d.answer.expected.find('/') != std::string::npos, den == 1) << s.d.answer.expected;
  });
}

TEST(EveryDraw, Problem4BalancesTheLever) {
  Draws draws{4,
              {},
              [](const Drill& d) {
                return Case{d.T[3], d.T[1], d.F[2]};
              },
              [](const Drill& d) { return d.T[2]; }};
  for (int c = 1; c <= 4; ++c)
    for (int t1 = 1; t1 <= 4; ++t1)
      for (int ab = 4; ab <= 6; ++ab) draws.cases.insert({float(8 * c), float(t1), float(6 * ab)});
  TestEachDraw(draws, [](const Session& s) {
    // "...ＡＢをLｃｍ さげた重さをaｇ" / "とするとき、反対側にcｇの重さを..."
    const auto first = NumbersIn(s.RenderedAt(64, 72)), second = NumbersIn(s.RenderedAt(96, 99));
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 1u);
    const double at_a = first[1], at_c = second[0];
    EXPECT_EQ(std::stod(s.d.answer.expected), first[0] * at_a / at_c) << s.d.answer.expected;
    // Case 3 hangs three times the far weight at A, case 1 twice; cases 2 and 4 a part of it.
    const int which = static_cast<int>(s.d.T[1]);
    const double ratio = which == 1 ? 2 : which == 3 ? 3 : 1.0 / which;
    EXPECT_EQ(at_a, at_c * ratio);
  });
}

// The walking-graph checks: the arrival point drawn, the three answers and the speed.
struct Walk {
  int distance_blank, time_blank, speed_blank;
  std::vector<std::string> speeds;  // by case, from 1
  float (*case_of)(const Drill&);
};

// Problem 5's case by its distance, 4000, 4500 or 5000 m; problems 6 and 7 keep theirs as the
// re-draw value.
float DistanceCase(const Drill& d) {
  return (d.F[2] - 3500) / 500;
}
float RedrawnCase(const Drill& d) {
  return d.previous_draw;
}

void CheckWalk(const Session& s, const Walk& walk) {
  const Drill& d = s.d;
  std::vector<std::pair<double, double>> ends;
  for (const auto& line : s.trace) {
    std::istringstream fields(line);
    std::string kind;
    double x, y, r, colour;
    if (fields >> kind >> x >> y >> r >> colour && kind == "circle" && r == 4 && colour == 5)
      ends.emplace_back((x - kWalkPlane.origin_x) / 3.2, (kWalkPlane.origin_y - y) * 1000 / 32);
  }
  ASSERT_EQ(ends.size(), 2u);
  EXPECT_NEAR(ends[1].first, 0, 1e-3);
  EXPECT_NEAR(ends[1].second, 0, 1e-3);
  const std::string& distance = d.answer.blank_expected[1][walk.distance_blank];
  const std::string& minutes = d.answer.blank_expected[1][walk.time_blank];
  const std::string& speed = d.answer.blank_expected[1][walk.speed_blank];
  EXPECT_NEAR(std::stod(minutes), ends[0].first, 1e-2);
  EXPECT_NEAR(std::stod(distance), ends[0].second, 1e-1);
  EXPECT_EQ(minutes.find('.'), std::string::npos);
  const auto [num, den] = Fraction(speed);
  EXPECT_EQ(num * std::stol(minutes), std::stol(distance) * den);
  EXPECT_EQ(std::gcd(num, den), 1);
  EXPECT_EQ(speed, walk.speeds.at(static_cast<size_t>(walk.case_of(d) - 1)));
}

// Problems 6 and 7 name a point of the walk in hint 2; it lies on the drawn segment.
void CheckNamedPoint(const Session& s) {
  const auto point = NumbersIn(s.RenderedAt(64, 288));
  ASSERT_EQ(point.size(), 4u);
  EXPECT_EQ(point[1] * std::stod(s.d.T_s[2]), std::stod(s.d.F_s[2]) * point[0]);
}

TEST(EveryDraw, Problem5ReadsTheWalkOffTheGraph) {
  Draws draws{5, {{1}, {2}, {3}}, [](const Drill& d) { return Case{DistanceCase(d)}; }, {}};
  TestEachDraw(draws, [](const Session& s) {
    CheckWalk(s, {1, 2, 3, {"80", "90", "100"}, DistanceCase});
  });
}

TEST(EveryDraw, Problem6NeverRepeatsItsCaseAndMultipliesOut) {
  Draws draws{6,
              {{1}, {2}, {3}, {4}, {5}},
              [](const Drill& d) { return Case{RedrawnCase(d)}; },
              RedrawnCase};
  TestEachDraw(draws, [](const Session& s) {
    CheckWalk(s, {3, 1, 2, {"75", "50", "40", "80", "75"}, RedrawnCase});
    CheckNamedPoint(s);
    // "Y=v*t=distance"
    const auto worked = NumbersIn(s.RenderedAt(80, 432));
    ASSERT_EQ(worked.size(), 3u);
    EXPECT_EQ(worked[0] * worked[1], worked[2]);
  });
}

TEST(EveryDraw, Problem7DividesByTheSpeedWithItsReciprocal) {
  Draws draws{7,
              {{1}, {2}, {3}, {4}, {5}},
              [](const Drill& d) { return Case{RedrawnCase(d)}; },
              RedrawnCase};
  TestEachDraw(draws, [](const Session& s) {
    CheckWalk(s, {1, 3, 2, {"250/3", "250/3", "400/3", "500/7", "500/7"}, RedrawnCase});
    CheckNamedPoint(s);
    // "X=distance*ﾀq/pﾀ=minutes" with q/p the reciprocal of the speed p/q.
    const auto worked = NumbersIn(s.RenderedAt(80, 486));
    ASSERT_EQ(worked.size(), 4u);
    const auto [num, den] = Fraction(s.d.answer.blank_expected[1][2]);
    EXPECT_EQ(worked[1], den);
    EXPECT_EQ(worked[2], num);
    EXPECT_EQ(worked[0] * worked[1] / worked[2], worked[3]);
  });
}

}  // namespace
}  // namespace drill::testing
