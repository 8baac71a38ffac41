// Every draw of every problem of prop-graph: the numbers stay in range and every case occurs, the
// answer the pupil reads off the screen (points entered with the arrow keys, or typed) is judged
// right, and what follows the judgement shows it.
#include <algorithm>
#include <set>

#include "framework/testing/draws.hpp"
#include "units/proportion-graphs/tests/pupil.hpp"

namespace drill::testing {
namespace {

struct Draws {
  int problem;
  std::set<Case> cases;  // every draw the problem can make
  // The draw a start made; problems 1 and 2 give each coordinate as a case of its own.
  std::function<std::vector<Case>(const Drill&)> cases_of;
  bool redraw = true;  // T(1) never repeats the last problem's constant
};

// Starts the problem again and again, answered right from the screen, until every case has
// occurred; `check` looks at each start.
void TestEachDraw(const Draws& draws, const std::function<void(const Pupil&)>& check) {
  Pupil pupil(draws.problem);
  Handoff next{};
  std::function<float(const Drill&)> redraw;
  if (draws.redraw) redraw = [](const Drill& d) { return d.T[1]; };
  ForEveryDraw(
      pupil, draws.cases, 3000, redraw,
      [&](Pupil& p) {
        next = p.Run(draws.problem);
        return draws.cases_of(p.d);
      },
      [&](const Pupil& p) {
        // Judged right once, as the pupil gave it.
        const auto judged = p.Judgements();
        ASSERT_EQ(judged.size(), 1u);
        EXPECT_TRUE(judged[0].starts_with("judge 2 ")) << judged[0] << " for " << p.given;
        if (next.kind == Handoff::Kind::StartProblem) {
          EXPECT_EQ(judged[0], "judge 2 " + p.given);
          EXPECT_EQ(next.problem, draws.problem + 1);
        } else {
          EXPECT_EQ(next.kind, Handoff::Kind::AttemptLoop);
        }
        check(p);
      });
}

std::vector<Case> One(Case c) {
  return {std::move(c)};
}

// The last text of the worked solution, marks taken out, holds `answer`.
void SolutionEndsWith(const Pupil& p, const std::string& answer) {
  const auto solution = p.Solution();
  ASSERT_FALSE(solution.empty());
  EXPECT_NE(StripMarks(solution.back()).find(answer), std::string::npos)
      << solution.back() << " does not show " << answer;
}

std::set<Case> Wholes(int low, int high) {
  std::set<Case> cases;
  for (int a = low; a <= high; ++a) cases.insert({float(a)});
  return cases;
}

// b/d in lowest terms, b from 1 to 5 and d from 2 to 9, the denominator not 1.
std::set<Case> Fractions() {
  std::set<Case> cases;
  for (long b = 1; b <= 5; ++b)
    for (long d = 2; d <= 9; ++d) {
      const long g = std::gcd(b, d);
      if (d / g != 1) cases.insert({float(b / g), float(d / g)});
    }
  return cases;
}

// The graph drawn after a right answer or before the self-assessment: a line through the origin
// with the constant `slope`, by dots (radius 0.5) or as one solid line, labelled `label`.
void GraphThroughOriginWith(const Pupil& p, double slope, const std::string& label) {
  auto points = Discs(p.trace, 0.5, 15);
  for (const auto& [a, b] : SolidLines(p.trace, 15)) {
    points.push_back(a);
    points.push_back(b);
  }
  ASSERT_GE(points.size(), 2u) << "no graph drawn";
  for (const Point& point : points) ASSERT_NEAR(point.y, slope * point.x, 1e-3);
  // The label stands above the upper end of the line, moved outwards as little as keeps it clear
  // of the plane's own ink (a steep falling line's label would reach the y axis's name).
  const Point upper = slope > 0 ? *std::max_element(points.begin(), points.end())
                                : *std::min_element(points.begin(), points.end());
  std::vector<std::string> labels;
  for (int step = 0; step <= 96 && labels.empty(); ++step)
    labels =
        RendersNear(p.trace, 784 + 16 * upper.x + (slope > 0 ? step : -step), 308 - 16 * upper.y);
  ASSERT_FALSE(labels.empty()) << "no label at the upper end";
  EXPECT_EQ(labels.back(), label);
}

std::string Coordinates(const Drill& d, int k) {
  return "(" + d.T_s[k] + "," + d.F_s[k] + ")";
}

// Problems 1 and 2: each of the eight coordinates' sizes 1 to 9, as (coordinate, size).
Draws FourPoints(int problem) {
  Draws draws{problem,
              {},
              [](const Drill& d) {
                std::vector<Case> sizes;
                for (int k = 1; k <= 4; ++k) {
                  sizes.push_back({float(2 * k - 2), std::abs(d.T[k])});
                  sizes.push_back({float(2 * k - 1), std::abs(d.F[k])});
                }
                return sizes;
              },
              false};
  for (int k = 0; k < 8; ++k)
    for (int v = 1; v <= 9; ++v) draws.cases.insert({float(k), float(v)});
  return draws;
}

// One point in each quadrant: A first, B second, C fourth, D third.
void OnePointInEachQuadrant(const Drill& d) {
  EXPECT_TRUE(d.T[1] > 0 && d.F[1] > 0);
  EXPECT_TRUE(d.T[2] < 0 && d.F[2] > 0);
  EXPECT_TRUE(d.T[3] > 0 && d.F[3] < 0);
  EXPECT_TRUE(d.T[4] < 0 && d.F[4] < 0);
}

TEST(EveryDraw, Problem1TakesTheFourPointsInTheirOrder) {
  TestEachDraw(FourPoints(1), [](const Pupil& p) {
    const Drill& d = p.d;
    OnePointInEachQuadrant(d);
    // Every point fixed is named and listed with its coordinates.
    const std::vector<std::string> names = {"Ａ", "Ｂ", "Ｃ", "Ｄ"};
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(RendersAt(p.trace, "112", NumberText(180.0f + 36.0f * k)).at(0),
                names[size_t(k - 1)] + Coordinates(d, k));
    EXPECT_TRUE(p.Has("circle 800 340 32 5 0"));
  });
}

TEST(EveryDraw, Problem2AsksForTheCoordinatesOfThePlottedPoints) {
  TestEachDraw(FourPoints(2), [](const Pupil& p) {
    const Drill& d = p.d;
    OnePointInEachQuadrant(d);
    EXPECT_EQ(d.answer.expected,
              Coordinates(d, 1) + Coordinates(d, 2) + Coordinates(d, 3) + Coordinates(d, 4));
    EXPECT_EQ(p.Solution().at(1), "Ａの座標は、" + Coordinates(d, 1));
    SolutionEndsWith(p, "Ｄ" + Coordinates(d, 4));
  });
}

// Problems 3 and 4: the table shows y = a x for x = -3 to 3 between "X"/"Y" and "…" cells, and
// after the seven points the graph of the statement's formula is drawn.
void CheckTable(const Pupil& p) {
  const Drill& d = p.d;
  const auto xs = p.TableRow(144), ys = p.TableRow(165.6f);
  EXPECT_EQ(xs[0], "χ");
  EXPECT_EQ(ys[0], "ｙ");
  for (size_t i : {1, 9}) {
    EXPECT_EQ(xs[i], "…");
    EXPECT_EQ(ys[i], "…");
  }
  const auto [a, one] = Pupil::FormulaConstant(
      RendersAt(p.trace, "80", "72").at(0).substr(std::string("次の表は、比例の関係 ").size()));
  EXPECT_EQ(one, 1);
  EXPECT_EQ(a, d.T[1]);
  for (size_t i = 2; i <= 8; ++i) {
    EXPECT_EQ(std::stol(xs[i]), static_cast<long>(i) - 5);
    EXPECT_EQ(std::stol(ys[i]), a * std::stol(xs[i]));
  }
  GraphThroughOriginWith(p, static_cast<double>(a), "Y=" + d.T_s[1] + "X");
}

TEST(EveryDraw, Problem3TakesTheSevenPointsOfTheTable) {
  TestEachDraw({3, Wholes(2, 3), [](const Drill& d) { return One({d.T[1]}); }}, CheckTable);
}

TEST(EveryDraw, Problem4TakesTheSevenPointsOfTheTable) {
  TestEachDraw({4, Wholes(-3, -2), [](const Drill& d) { return One({d.T[1]}); }}, CheckTable);
}

// Problems 5 to 8: two points of the graph of the formula shown; then the graph with the formula.
void CheckTwoPoints(const Pupil& p) {
  const std::string statement = RendersAt(p.trace, "80", "72").at(0);
  const auto [num, den] = Pupil::FormulaConstant(statement);
  const Drill& d = p.d;
  EXPECT_EQ(static_cast<float>(num) / static_cast<float>(den),
            d.T[1] * (den == 1 ? 1 : d.T[5]) / (den == 1 ? 1 : d.T[2]));
  EXPECT_EQ(std::gcd(num, den), 1);
  GraphThroughOriginWith(p, static_cast<double>(num) / static_cast<double>(den),
                         statement.substr(0, statement.find(' ')));
}

TEST(EveryDraw, Problem5TakesTwoPointsOfAPositiveWholeConstant) {
  TestEachDraw({5, Wholes(1, 5), [](const Drill& d) { return One({d.T[1]}); }}, CheckTwoPoints);
}
TEST(EveryDraw, Problem6TakesTwoPointsOfANegativeWholeConstant) {
  TestEachDraw({6, Wholes(-5, -1), [](const Drill& d) { return One({d.T[1]}); }}, CheckTwoPoints);
}
TEST(EveryDraw, Problem7TakesTwoPointsOfAPositiveFraction) {
  TestEachDraw({7, Fractions(),
                [](const Drill& d) {
                  return One({d.T[1], d.T[2]});
                }},
               [](const Pupil& p) {
                 EXPECT_EQ(p.d.T[5], 1);
                 CheckTwoPoints(p);
               });
}
TEST(EveryDraw, Problem8TakesTwoPointsOfANegativeFraction) {
  TestEachDraw({8, Fractions(),
                [](const Drill& d) {
                  return One({d.T[1], d.T[2]});
                }},
               [](const Pupil& p) {
                 EXPECT_EQ(p.d.T[5], -1);
                 CheckTwoPoints(p);
               });
}

// Problems 9 to 11: the graph drawn after the pupil's key is the formula's; hint 1 names a
// point of it; the answer is the pupil's judgement "1".
void CheckDrawnGraph(const Pupil& p) {
  const std::string formula = RendersAt(p.trace, "80", "108").at(0);
  const auto [num, den] = Pupil::FormulaConstant(formula);
  GraphThroughOriginWith(p, static_cast<double>(num) / static_cast<double>(den), formula);
  EXPECT_EQ(p.d.answer.expected, "1");
  EXPECT_TRUE(p.Has("judge 2 1"));
  EXPECT_EQ(RendersAt(p.trace, "368", "500").at(0), "正解なら１を、間違いなら０を入力");
  const auto named = Integers(RendersAt(p.trace, "80", "180").at(0));
  ASSERT_EQ(named.size(), 4u);  // "原点(0,0)と(x,y)を通る直線をかく"
  EXPECT_EQ(named[3] * den, named[2] * num);
  EXPECT_NE(named[2], 0);
}

TEST(EveryDraw, Problem9DrawsAWholeConstantOfEitherSign) {
  auto cases = Wholes(-5, 5);
  cases.erase(Case{0});
  TestEachDraw({9, cases, [](const Drill& d) { return One({d.T[1]}); }}, CheckDrawnGraph);
}
TEST(EveryDraw, Problem10DrawsAPositiveFraction) {
  TestEachDraw({10, Fractions(),
                [](const Drill& d) {
                  return One({d.T[1], d.T[2]});
                }},
               CheckDrawnGraph);
}
TEST(EveryDraw, Problem11DrawsANegativeFraction) {
  TestEachDraw({11, Fractions(),
                [](const Drill& d) {
                  return One({d.T[1], d.T[2]});
                }},
               CheckDrawnGraph);
}

// Problems 12 to 15: the formula read off the drawn line is the one expected; hint 1 names the
// point (den, num) of the line; the worked solution ends with the formula.
void CheckLineEquation(const Pupil& p) {
  const auto lines = SolidLines(p.trace, 15);
  ASSERT_EQ(lines.size(), 1u);
  const auto [a, b] = lines[0];
  const auto [num, den] = SlopeFraction((b.y - a.y) / (b.x - a.x));
  const auto named = Integers(RendersAt(p.trace, "80", "216").at(0));
  ASSERT_GE(named.size(), 2u);
  EXPECT_EQ(named[0], den);
  EXPECT_EQ(named[1], num);
  // The expected text without the stacked fraction's marks: "Y=-2/3X" shows as "Y=-ﾀ2/3ﾀX".
  SolutionEndsWith(p, p.d.answer.expected);
}

TEST(EveryDraw, Problem12AsksForAPositiveWholeConstant) {
  TestEachDraw({12, Wholes(1, 5), [](const Drill& d) { return One({d.T[1]}); }},
               [](const Pupil& p) {
                 CheckLineEquation(p);
                 // Y=X for a = 1, never Y=1X.
                 EXPECT_EQ(p.d.answer.expected, p.d.T[1] == 1 ? "Y=X" : "Y=" + p.d.T_s[1] + "X");
               });
}
TEST(EveryDraw, Problem13AsksForANegativeWholeConstant) {
  TestEachDraw({13, Wholes(-5, -1), [](const Drill& d) { return One({d.T[1]}); }},
               [](const Pupil& p) {
                 CheckLineEquation(p);
                 EXPECT_EQ(p.d.answer.expected, p.d.T[1] == -1 ? "Y=-X" : "Y=" + p.d.T_s[1] + "X");
               });
}
TEST(EveryDraw, Problem14AsksForAPositiveFraction) {
  TestEachDraw({14, Fractions(),
                [](const Drill& d) {
                  return One({d.T[1], d.T[2]});
                }},
               CheckLineEquation);
}
TEST(EveryDraw, Problem15AsksForANegativeFraction) {
  TestEachDraw({15, Fractions(),
                [](const Drill& d) {
                  return One({d.T[1], d.T[2]});
                }},
               [](const Pupil& p) {
                 CheckLineEquation(p);
                 EXPECT_TRUE(p.d.answer.expected.starts_with("Y=-")) << p.d.answer.expected;
               });
}

TEST(EveryDraw, Problem16AsksForTheWalksFormulaAndDomain) {
  std::set<Case> cases;
  for (int a = 2; a <= 5; ++a)
    for (int t = 2; t <= 4; ++t) cases.insert({float(a), float(t)});
  TestEachDraw({16, cases,
                [](const Drill& d) {
                  return One({d.T[1], d.T[2]});
                }},
               [](const Pupil& p) { SolutionEndsWith(p, "0[X[" + p.d.T_s[2]); });
}

// Problems 17 and 18: the line drawn after the pupil's key follows the formula shown, solid over
// the domain shown and wholly on the plane there; hint 1 marks the domain on the x axis.
void CheckRestrictedGraph(const Pupil& p, const std::string& formula_line) {
  const auto n = Integers(formula_line.substr(formula_line.find('=')));
  ASSERT_EQ(n.size(), 3u) << formula_line;
  const RestrictedGraph graph = ReadRestrictedLine(p.trace);
  EXPECT_TRUE(graph.through_origin);
  EXPECT_NEAR(graph.slope, n[0], 1e-4);
  EXPECT_NEAR(graph.low, n[1], 1e-4);
  EXPECT_NEAR(graph.high, n[2], 1e-4);
  EXPECT_LE(std::abs(n[0] * n[2]), 10) << "the end of the domain lies off the plane";
  EXPECT_TRUE(p.Has("judge 2 1"));
  const auto segment = SolidLines(p.trace, 5);
  ASSERT_EQ(segment.size(), 1u);
  EXPECT_EQ(segment[0].first, (Point{double(n[1]), 0}));
  EXPECT_EQ(segment[0].second, (Point{double(n[2]), 0}));
}

TEST(EveryDraw, Problem17DrawsTheWalkOnItsDomain) {
  const std::set<Case> cases = {{2, 2}, {2, 3}, {3, 2}, {3, 3}, {4, 2}};
  TestEachDraw({17, cases,
                [](const Drill& d) {
                  return One({d.T[1], d.T[3]});
                }},
               [](const Pupil& p) {
                 // "Y=aX (0[X[t) と表せます。"; the walk's distance is a·t km.
                 CheckRestrictedGraph(p, RendersAt(p.trace, "64", "126").at(0));
                 const auto distance = Integers(RendersAt(p.trace, "64", "72").at(0));
                 EXPECT_EQ(distance.at(0), p.d.T[1] * p.d.T[3]);
               });
}

TEST(EveryDraw, Problem18DrawsTheGraphOnItsDomain) {
  std::set<Case> cases;
  for (int a = 1; a <= 3; ++a)
    for (int low = -3; low <= -1; ++low)
      for (int high = 3; high <= 5; ++high)
        if (a * high <= 10) cases.insert({float(a), float(low), float(high)});
  TestEachDraw({18, cases,
                [](const Drill& d) {
                  return One({d.T[1], d.T[2], d.T[3]});
                }},
               [](const Pupil& p) {
                 std::string formula = RendersAt(p.trace, "80", "108").at(0);
                 // "Y=X (...)" for a = 1 reads as a constant 1.
                 if (formula.starts_with("Y=X")) formula.insert(2, "1");
                 CheckRestrictedGraph(p, formula);
               });
}

TEST(EveryDraw, Problem19AsksForTheFormulaAndDomainOfTheDrawnLine) {
  std::set<Case> cases;
  for (int a = -3; a <= -1; ++a)
    for (int low = -3; low <= -1; ++low)
      for (int high = 1; high <= 3; ++high) cases.insert({float(a), float(low), float(high)});
  TestEachDraw({19, cases,
                [](const Drill& d) {
                  return One({d.T[1], d.T[2], d.T[3]});
                }},
               [](const Pupil& p) {
                 const Drill& d = p.d;
                 EXPECT_EQ(d.answer.blank_expected[1][1],
                           d.T[1] == -1 ? "Y=-X" : "Y=" + d.T_s[1] + "X");
                 SolutionEndsWith(p, d.answer.blank_expected[1][2]);
                 EXPECT_EQ(SolidLines(p.trace, 5).size(), 1u);
               });
}

}  // namespace
}  // namespace drill::testing
