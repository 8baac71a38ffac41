// Every draw of every problem of inverse-prop: the expected answer is right for what the screen
// shows, typing or entering it is judged right, and the worked solution ends with it.
#include <cmath>
#include <functional>
#include <numeric>
#include <set>

#include "framework/testing/draws.hpp"
#include "runtime/text.hpp"
#include "units/inverse-proportion/tests/lesson.hpp"

namespace drill::testing {
namespace {

struct Draws {
  int problem;
  std::set<Case> cases;                       // every draw the problem can make
  std::function<Case(const Drill&)> case_of;  // the draw a start made
  std::function<float(const Drill&)> redraw;  // its re-draw value
};

// Starts the problem again and again in one drill, answering every start right, until every case
// has occurred; `check` looks at each start.
void TestEachDraw(const Draws& draws, const std::function<void(const Lesson&)>& check) {
  Lesson lesson(draws.problem);
  ForEveryDraw(
      lesson, draws.cases, 40000, draws.redraw,
      [&](Lesson& l) {
        l.Run(draws.problem);
        return std::vector<Case>{draws.case_of(l.d)};
      },
      check);
}

// Where the worked solution shows the last answer: in its last text, or in a way the problem's
// own test checks (a table row, a verdict).
enum class LastAnswer { InLastText, CheckedByProblem };

// Problems answered in the attempt loop: the typed expected answer is judged right, no other
// answer line is accepted, and the worked solution ends with the last blank's answer.
void CheckTypedAnswer(const Lesson& lesson, LastAnswer last_answer = LastAnswer::InLastText) {
  const Drill& d = lesson.d;
  ExpectTypedAnswerJudgedRight(lesson);
  const auto solution = lesson.Solution();
  ASSERT_FALSE(solution.empty());
  if (last_answer == LastAnswer::CheckedByProblem) return;
  const std::string last = WithoutMarks(solution.back());
  const std::string& expected = d.answer.blank_expected[1][d.answer.blanks];
  EXPECT_EQ(last.substr(last.size() - std::min(last.size(), expected.size())), expected)
      << "the solution ends with " << solution.back();
}

// The numerator of the fraction ﾀn/...ﾀ in a text.
double FractionNumerator(const std::string& text) {
  const size_t mark = text.find("ﾀ");
  const auto numbers = NumbersIn(mark == std::string::npos ? "" : text.substr(mark));
  EXPECT_FALSE(numbers.empty()) << "no fraction in " << text;
  return numbers.empty() ? 0 : numbers[0];
}

// The cells of a table row: the glyphs drawn at height y from x = left in cells of 48 pixels.
std::vector<std::string> TableRow(const Lesson& lesson, float left, float y, int cells) {
  return lesson.TableCells(y, left, 48, 48, cells);
}

bool IsNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("-0123456789") == std::string::npos;
}

TEST(EveryDraw, Problems1And2AskForTheProductAsTheConstant) {
  for (int problem : {1, 2}) {
    SCOPED_TRACE(problem);
    Draws draws{problem,
                {},
                [](const Drill& d) {
                  return Case{d.T[1], d.F[1]};
                },
                [](const Drill& d) { return d.T[10]; }};
    for (int a = problem == 1 ? 2 : 3; a <= (problem == 1 ? 4 : 5); ++a)
      for (int b = 2; b <= 4; ++b)
        if (problem == 2 || a != b) draws.cases.insert({float(a), float(b)});
    TestEachDraw(draws, [](const Lesson& lesson) {
      CheckTypedAnswer(lesson);
      // The area or the distance is the first number of the statement.
      const double product = NumbersIn(lesson.RenderedAt(64, 72))[0];
      EXPECT_EQ(product, lesson.d.T[1] * lesson.d.F[1]);
      const std::string constant = NumberText(static_cast<float>(product));
      EXPECT_EQ(lesson.d.answer.blank_expected[1][1], "Y=" + constant + "/X");
      EXPECT_EQ(lesson.d.answer.blank_expected[1][2], constant);
    });
  }
}

TEST(EveryDraw, Problem3CompletesTheTableWithConstantProducts) {
  Draws draws{
      3, {}, [](const Drill& d) { return Case{d.T[10]}; }, [](const Drill& d) { return d.T[10]; }};
  for (int m = 1; m <= 6; ++m) draws.cases.insert({float(6 * m)});
  TestEachDraw(draws, [](const Lesson& lesson) {
    const Drill& d = lesson.d;
    CheckTypedAnswer(lesson, LastAnswer::CheckedByProblem);
    const double a = FractionNumerator(lesson.RenderedAt(64, 81));
    const auto xs = TableRow(lesson, 80, 162, 10), ys = TableRow(lesson, 80, 182, 10);
    const auto solved = TableRow(lesson, 80, 200, 10);
    EXPECT_EQ(ys[2], "①");
    EXPECT_EQ(ys[7], "⑤");
    // The one y shown, at x = 3, and the five blanks ① to ⑤ at x = -3, -2, -1, 1, 2.
    EXPECT_EQ(std::stod(xs[8]) * std::stod(ys[8]), a);
    const int blank_column[] = {2, 3, 4, 6, 7};
    for (int k = 1; k <= 5; ++k) {
      const std::string& x = xs[static_cast<size_t>(blank_column[k - 1])];
      ASSERT_TRUE(IsNumber(x)) << x;
      EXPECT_EQ(std::stod(x) * std::stod(d.answer.blank_expected[1][k]), a) << "blank " << k;
      // The worked solution fills the row under the table with the same values.
      EXPECT_EQ(solved[static_cast<size_t>(blank_column[k - 1])], d.answer.blank_expected[1][k]);
    }
  });
}

TEST(EveryDraw, Problem4ReadsFactorsProductAndValueOffTheTable) {
  Draws draws{
      4, {}, [](const Drill& d) { return Case{d.T[10]}; }, [](const Drill& d) { return d.T[10]; }};
  for (int m = 1; m <= 6; ++m) draws.cases.insert({float(6 * m)});
  TestEachDraw(draws, [](const Lesson& lesson) {
    const Drill& d = lesson.d;
    CheckTypedAnswer(lesson);
    const auto xs = TableRow(lesson, 80, 234, 10), ys = TableRow(lesson, 80, 254, 10);
    std::set<double> products;
    for (size_t i : {2u, 3u, 4u, 6u, 7u, 8u}) products.insert(std::stod(xs[i]) * std::stod(ys[i]));
    ASSERT_EQ(products.size(), 1u) << "x·y is not constant";
    const double product = *products.begin();
    // y at x = 2 and 3 against y at x = 1: a half and a third.
    EXPECT_EQ(std::stod(ys[7]) / std::stod(ys[6]), 0.5);
    EXPECT_EQ(std::stod(ys[8]) * 3, std::stod(ys[6]));
    EXPECT_EQ(d.answer.blank_expected[1][1], "1/2");
    EXPECT_EQ(d.answer.blank_expected[1][2], "1/3");
    EXPECT_EQ(std::stod(d.answer.blank_expected[1][3]), product);
    const double x = NumbersIn(lesson.RenderedAt(64, 180))[0];
    EXPECT_EQ(x * std::stod(d.answer.blank_expected[1][4]), product);
  });
}

// Problem 5: every order the two exchanges can give, with every draw of the three tables.
TEST(EveryDraw, Problem5ClassifiesEveryShuffledTable) {
  Draws draws{
      5,
      {},
      [](const Drill& d) { return Case{d.T[10], d.T[11], d.T[12], d.F[10], d.F[11], d.F[12]}; },
      [](const Drill& d) { return d.T[10]; }};
  const std::vector<std::vector<float>> orders{{1, 2, 3}, {1, 3, 2}, {2, 1, 3},
                                               {2, 3, 1}, {3, 1, 2}, {3, 2, 1}};
  for (int a = 1; a <= 6; ++a)
    for (int b = 1; b <= 4; ++b)
      for (int c = 1; c <= 5; ++c)
        for (const auto& order : orders)
          draws.cases.insert({float(6 * a), float(b), float(c), order[0], order[1], order[2]});
  TestEachDraw(draws, [](const Lesson& lesson) {
    const Drill& d = lesson.d;
    CheckTypedAnswer(lesson, LastAnswer::CheckedByProblem);
    const char* const verdict_of[] = {"", "XY が一定で反比例", "ﾀY/Xﾀ　が一定で比例",
                                      "XYもﾀY/Xﾀ　も一定にならない"};
    const char* const named[] = {"①は、", "②は、", "③は、"};
    const float verdict_y[] = {342, 396, 450};
    for (int j = 0; j < 3; ++j) {
      const float left = 80 + 240 * static_cast<float>(j);
      const auto xs = TableRow(lesson, left, 180, 4), ys = TableRow(lesson, left, 200, 4);
      std::set<double> products, quotients;
      for (size_t i = 1; i <= 3; ++i) {
        products.insert(std::stod(xs[i]) * std::stod(ys[i]));
        quotients.insert(std::stod(ys[i]) / std::stod(xs[i]));
      }
      const int code = products.size() == 1 ? 1 : quotients.size() == 1 ? 2 : 3;
      EXPECT_EQ(d.answer.blank_expected[1][j + 1], std::to_string(code)) << "table " << j + 1;
      EXPECT_EQ(lesson.RenderedAt(80, verdict_y[j]), std::string(named[j]) + verdict_of[code]);
    }
  });
}

TEST(EveryDraw, Problems6And7FindTheConstantFromOnePair) {
  for (int problem : {6, 7}) {
    SCOPED_TRACE(problem);
    const float sign = problem == 6 ? 1.0f : -1.0f;
    Draws draws{problem,
                {},
                [](const Drill& d) {
                  return Case{d.T[2], d.F[2]};
                },
                [](const Drill& d) { return d.T[2]; }};
    for (int y = 2; y <= 5; ++y)
      for (int x = 3; x <= 9; ++x) draws.cases.insert({sign * float(y), float(x)});
    TestEachDraw(draws, [sign](const Lesson& lesson) {
      CheckTypedAnswer(lesson);
      // "YはXに反比例し、X=xのときY=yである。" (a minus sign is not a digit)
      const auto pair = NumbersIn(lesson.RenderedAt(64, 72));
      ASSERT_EQ(pair.size(), 2u);
      const std::string constant = NumberText(static_cast<float>(sign * pair[0] * pair[1]));
      EXPECT_EQ(lesson.d.answer.expected, "Y=" + constant + "/X");
    });
  }
}

// Problem 8: the x for the second y as a fraction in lowest terms, a whole number when it is one.
TEST(EveryDraw, Problem8GivesXInLowestTerms) {
  Draws draws{8,
              {},
              [](const Drill& d) {
                return Case{d.T[2], d.F[2], d.F[3]};
              },
              [](const Drill& d) { return d.T[2]; }};
  for (int y = 2; y <= 5; ++y)
    for (int x = 3; x <= 7; ++x)
      for (int x2 = 2; x2 <= 8; ++x2)
        if (x != x2) draws.cases.insert({-float(y), float(x), float(x2)});
  TestEachDraw(draws, [](const Lesson& lesson) {
    const Drill& d = lesson.d;
    CheckTypedAnswer(lesson);
    const auto pair = NumbersIn(lesson.RenderedAt(64, 72));
    ASSERT_EQ(pair.size(), 2u);
    const long constant = -std::lround(pair[0] * pair[1]);
    EXPECT_EQ(d.answer.blank_expected[1][1], "Y=" + std::to_string(constant) + "/X");
    // "②Y=-wのときの..." : x = constant / (-w)
    const auto second = NumbersIn(lesson.RenderedAt(96, 99));
    ASSERT_EQ(second.size(), 1u);
    const long w = -std::lround(second[0]);
    const std::string& x = d.answer.blank_expected[1][2];
    const size_t bar = x.find('/');
    const long num = std::stol(x.substr(0, bar));
    const long den = bar == std::string::npos ? 1 : std::stol(x.substr(bar + 1));
    EXPECT_EQ(num * w, constant * den) << x;
    EXPECT_EQ(std::gcd(num, den), 1) << x;
    EXPECT_EQ(bar == std::string::npos, den == 1) << x;
  });
}

// Every dot drawn lies on y = a/x.
void CheckCurve(const Lesson& lesson, double a, size_t dots) {
  const auto curve = CurveDots(lesson);
  EXPECT_EQ(curve.size(), dots);
  for (const auto& [x, y] : curve) {
    EXPECT_NEAR(x * y, a, 1e-3 * std::fabs(a)) << x << ", " << y;
    EXPECT_LE(std::fabs(x), 10 + 1e-4);
    EXPECT_LE(std::fabs(y), 10 + 1e-4);
  }
}

// Problems 9 and 10: the table's pairs multiply to the constant of the statement, its points are
// judged right, and the curve drawn from 20, 40, 100 and 1000 points a branch is y = a/x.
TEST(EveryDraw, Problems9And10PlotTheTableAndItsHyperbola) {
  for (int problem : {9, 10}) {
    SCOPED_TRACE(problem);
    const float sign = problem == 9 ? 1.0f : -1.0f;
    Draws draws{problem,
                {},
                [](const Drill& d) { return Case{d.T[1]}; },
                [](const Drill& d) { return d.T[1]; }};
    for (int m = 2; m <= 5; ++m) draws.cases.insert({sign * float(2 * m)});
    TestEachDraw(draws, [sign](const Lesson& lesson) {
      const Drill& d = lesson.d;
      const std::string statement = lesson.RenderedAt(80, 72);
      // A negative constant is shown as minus the fraction.
      EXPECT_EQ(statement.find("Y=-ﾀ") != std::string::npos, sign < 0) << statement;
      const double a = sign * FractionNumerator(statement);
      const auto xs = TableRow(lesson, 128, 144, 8), ys = TableRow(lesson, 128, 165.6f, 8);
      EXPECT_EQ(xs[0], "χ");
      EXPECT_EQ(ys[4], "×");
      std::vector<std::pair<int, int>> points;
      for (size_t i : {2u, 3u, 5u, 6u}) {
        EXPECT_EQ(std::stod(xs[i]) * std::stod(ys[i]), a) << xs[i] << " " << ys[i];
        points.emplace_back(std::stoi(xs[i]), std::stoi(ys[i]));
      }
      EXPECT_EQ(lesson.Lines("judge "),
                std::vector<std::string>{"judge 2 (-2," + std::to_string(points[0].second) +
                                         ")(-1," + std::to_string(points[1].second) + ")(1," +
                                         std::to_string(points[2].second) + ")(2," +
                                         std::to_string(points[3].second) + ")"});
      EXPECT_EQ(lesson.Count("circle 800 340 32 5 0"), 1);
      CheckCurve(lesson, a, 2 * (21 + 41 + 101 + 1001));
      // The closing words name the curve's formula.
      const std::string closing = lesson.RenderedAt(160, sign > 0 ? 306 : 270);
      EXPECT_EQ(FractionNumerator(closing), std::fabs(a)) << closing;
      EXPECT_EQ(d.T[1], a);
    });
  }
}

TEST(EveryDraw, Problems11And12DrawTheCurveOfTheFormulaShown) {
  for (int problem : {11, 12}) {
    SCOPED_TRACE(problem);
    const float sign = problem == 11 ? 1.0f : -1.0f;
    Draws draws{problem,
                {},
                [](const Drill& d) { return Case{d.T[1]}; },
                [](const Drill& d) { return d.T[1]; }};
    for (int m = 1; m <= 5; ++m) draws.cases.insert({sign * float(6 * m)});
    TestEachDraw(draws, [sign](const Lesson& lesson) {
      EXPECT_EQ(lesson.Lines("judge "), std::vector<std::string>{"judge 2 1"});
      const std::string formula = lesson.RenderedAt(80, 108);
      EXPECT_EQ(formula.find("Y=-") == 0, sign < 0) << formula;
      const double a = sign * FractionNumerator(formula);
      CheckCurve(lesson, a, 2 * 1001);
      // The hint names the quadrants the curve runs through.
      EXPECT_EQ(lesson.RenderedAt(80, 216), sign > 0
                                                ? "グラフはX>0でY>0 とX<0でY<0 のところにかく"
                                                : "グラフはX>0でY<0 とX<0でY>0 のところにかく");
    });
  }
}

// Problems 13 and 14: the constant of the formula is read from the curve drawn.
TEST(EveryDraw, Problems13And14ReadTheConstantOffTheCurve) {
  for (int problem : {13, 14}) {
    SCOPED_TRACE(problem);
    const float sign = problem == 13 ? 1.0f : -1.0f;
    Draws draws{problem,
                {},
                [](const Drill& d) { return Case{d.T[1]}; },
                [](const Drill& d) { return d.T[1]; }};
    for (int m = 1; m <= 5; ++m) draws.cases.insert({sign * float(6 * m)});
    TestEachDraw(draws, [](const Lesson& lesson) {
      CheckTypedAnswer(lesson);
      // The constant from a plotted dot, rounded to the whole number the formula needs.
      const auto curve = CurveDots(lesson);
      ASSERT_EQ(curve.size(), 2u * 1001);
      const long a = std::lround(curve[500].first * curve[500].second);
      CheckCurve(lesson, static_cast<double>(a), 2 * 1001);
      EXPECT_EQ(lesson.d.answer.expected, "Y=" + std::to_string(a) + "/X");
      // The hint's point (3, y) lies on the curve.
      const auto point = NumbersIn(lesson.RenderedAt(80, 216));
      ASSERT_GE(point.size(), 2u);
      EXPECT_EQ(3 * point[1], std::labs(a));
      // "A=3*6=18", or with a negative y in brackets "A=3*(-6)=-18".
      const std::string y = std::to_string(a / 3), product = std::to_string(a);
      EXPECT_EQ(lesson.RenderedAt(80, 306),
                a > 0 ? "A=3*" + y + "=" + product : "A=3*(" + y + ")=" + product);
    });
  }
}

}  // namespace
}  // namespace drill::testing
