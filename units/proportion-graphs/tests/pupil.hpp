// A pupil for the tests of prop-graph: reads what a problem drew from the trace and answers it,
// entering points with the arrow keys and Enter or typing the answer.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <numeric>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "framework/drill.hpp"
#include "framework/flow/flow.hpp"
#include "framework/menu/menu.hpp"
#include "framework/testing/session.hpp"
#include "runtime/headless.hpp"
#include "runtime/runtime.hpp"
#include "runtime/text.hpp"
#include "units/proportion-graphs/unit.hpp"

namespace drill::testing {

struct Point {
  double x = 0, y = 0;
  bool operator<(const Point& o) const { return x < o.x || (x == o.x && y < o.y); }
  bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

// The fields of a trace line after its kind.
inline std::vector<std::string> Fields(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string f; in >> f;) fields.push_back(f);
  return fields;
}

// Standard-plane coordinates of a pixel position (origin at (800, 340), 16 pixels a unit).
inline Point PlanePoint(double px, double py) {
  return {(px - 800) / 16, (340 - py) / 16};
}

// Filled discs of a radius and colour, in plane coordinates.
inline std::vector<Point> Discs(const std::vector<std::string>& trace, double radius, int colour) {
  std::vector<Point> found;
  for (const auto& line : trace) {
    double x, y, r;
    int c, fill;
    if (std::sscanf(line.c_str(), "circle %lf %lf %lf %d %d", &x, &y, &r, &c, &fill) == 5 &&
        r == radius && c == colour && fill == 1)
      found.push_back(PlanePoint(x, y));
  }
  return found;
}

// The solid lines of a colour, each as its two end points in plane coordinates.
inline std::vector<std::pair<Point, Point>> SolidLines(const std::vector<std::string>& trace,
                                                       int colour) {
  std::vector<std::pair<Point, Point>> found;
  for (const auto& line : trace) {
    const auto f = Fields(line);
    if (f.size() == 8 && f[0] == "line" && std::stoi(f[5]) == colour && f[6] == "line" &&
        f[7] == "solid")
      found.push_back({PlanePoint(std::stod(f[1]), std::stod(f[2])),
                       PlanePoint(std::stod(f[3]), std::stod(f[4]))});
  }
  return found;
}

// The text of every render line at (x, y), in order.
inline std::vector<std::string> RendersAt(const std::vector<std::string>& trace,
                                          const std::string& x, const std::string& y) {
  std::vector<std::string> found;
  const std::string prefix = "render " + x + " " + y + " ";
  for (const auto& line : trace)
    if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(line.find(' ', prefix.size()) + 1));
  return found;
}

// The texts rendered within a hundredth of a pixel of (x, y), in order.
inline std::vector<std::string> RendersNear(const std::vector<std::string>& trace, double x,
                                            double y) {
  std::vector<std::string> found;
  for (const auto& line : trace) {
    const auto f = Fields(line);
    if (f.size() < 5 || f[0] != "render") continue;
    if (std::abs(std::stod(f[1]) - x) < 0.01 && std::abs(std::stod(f[2]) - y) < 0.01)
      found.push_back(line.substr(line.find(' ', line.find(' ', line.find(' ', 7) + 1) + 1) + 1));
  }
  return found;
}

// The texts of all render lines on the row y, joined.
inline std::string RowText(const std::vector<std::string>& trace, const std::string& y) {
  std::string all;
  for (const auto& line : trace) {
    const auto f = Fields(line);
    if (f.size() >= 5 && f[0] == "render" && f[2] == y)
      all += line.substr(line.find(' ', line.find(' ', line.find(' ', 7) + 1) + 1) + 1);
  }
  return all;
}

// The integers written in a text, signs included.
inline std::vector<long> Integers(const std::string& text) {
  static const std::regex number("-?[0-9]+");
  std::vector<long> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it)
    found.push_back(std::stol(it->str()));
  return found;
}

// A slope as a fraction num/den in lowest terms with den from 1 to 9.
inline std::pair<long, long> SlopeFraction(double slope) {
  for (long den = 1; den <= 9; ++den) {
    const double num = slope * static_cast<double>(den);
    if (std::abs(num - std::round(num)) < 1e-3) return {std::lround(num), den};
  }
  ADD_FAILURE() << "no simple fraction: " << slope;
  return {0, 1};
}

// The keys that fix the points one after another, each rounded to the plane's whole units.
inline std::string PointKeys(const std::vector<Point>& points) {
  std::vector<std::pair<int, int>> whole;
  for (const Point& p : points)
    whole.emplace_back(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
  return PointKeys(whole);
}

// The keys of "Y=" + a formula's constant num/den + "X": a fraction with the fraction key S,
// denominator first.
inline std::string FormulaKeys(long num, long den) {
  std::string keys = "Y=";
  if (num < 0) keys += "-";
  const long size = std::labs(num);
  if (den != 1)
    return keys + "S" + std::to_string(den) + "{Enter}" + std::to_string(size) + "{Enter}X";
  if (size != 1) keys += std::to_string(size);
  return keys + "X";
}

// The graph of a drawn restricted line: its slope and the domain where its dots run solid.
struct RestrictedGraph {
  double slope = 0, low = 0, high = 0;
  bool through_origin = true;
};
inline RestrictedGraph ReadRestrictedLine(const std::vector<std::string>& trace) {
  auto dots = Discs(trace, 1, 15);
  RestrictedGraph graph;
  if (dots.empty()) {
    ADD_FAILURE() << "no restricted line drawn";
    return graph;
  }
  std::sort(dots.begin(), dots.end());
  for (const Point& p : dots) {
    if (std::abs(p.x) > 0.5) {
      graph.slope = p.y / p.x;
      break;
    }
  }
  for (const Point& p : dots)
    graph.through_origin = graph.through_origin && std::abs(p.y - graph.slope * p.x) < 1e-3;
  // The solid part: the longest run of dots closer together than the dotted parts' 0.2.
  size_t best_begin = 0, best_end = 0;
  for (size_t begin = 0; begin < dots.size();) {
    size_t end = begin;
    while (end + 1 < dots.size() && dots[end + 1].x - dots[end].x < 0.05) ++end;
    if (end - begin > best_end - best_begin) best_begin = begin, best_end = end;
    begin = end + 1;
  }
  graph.low = dots[best_begin].x;
  graph.high = dots[best_end].x;
  return graph;
}

// Reads one problem's screen and answers it right (or wrong, when asked to).
// `trace` holds the trace of the problem start under way.
struct Pupil : Session {
  bool answer_wrongly = false;
  // What the pupil gave at the last point entry or answer.
  std::string given;
  int problem = 0;

  explicit Pupil(int seed) : Session(PropGraphUnit(), seed) {
    keys.on_wait = [this] {
      Refresh();
      return Answer();
    };
  }

  // The trace since the last problem started, and that problem's number.
  void Refresh() {
    trace.clear();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("problem ")) {
        problem = std::stoi(line.substr(8));
        trace.clear();
      }
      trace.push_back(line);
    }
  }

  // Starts problem k and works it through; returns where the problem hands over.
  Handoff Run(int k) {
    out.str("");
    trace.clear();
    const Handoff next = StartProblem(d, k);
    if (next.kind == Handoff::Kind::AttemptLoop) {
      EXPECT_EQ(Attempts(d), AttemptResult::Completed) << "problem " << k;
    }
    Refresh();
    return next;
  }

  bool Has(const std::string& line) const {
    return std::find(trace.begin(), trace.end(), line) != trace.end();
  }
  std::string Answer() {
    // The menus after a problem: go on, and after the last one back to the main menu and end.
    for (const auto& line : trace) {
      if (line.starts_with("text 16 594 15 1 1 ☆もう１度練習する")) return "2";
      if (line.starts_with("text 16 594 15 1 1 ☆この問題をもう１度練習する")) return "3";
    }
    // A self-judged problem has judged: any key goes on.
    for (const auto& line : trace)
      if (line.rfind("judge ", 0) == 0) return "x";
    switch (problem) {
      case 1:
        return EnterPoints(PlotPoints());
      case 2:
        return Type(ReadCoordinates());
      case 3:
      case 4:
        return EnterPoints(TablePoints());
      case 5:
      case 6:
      case 7:
      case 8:
        return EnterPoints(TwoPoints());
      case 9:
      case 10:
      case 11:
      case 17:
      case 18:
        // First the pupil draws on paper and presses a key, then judges the drawing.
        if (RendersAt(trace, "368", "500").empty()) return "x";
        return Type({answer_wrongly ? "0" : "1"});
      case 12:
      case 13:
      case 14:
      case 15:
        return Type({LineEquation()});
      case 16:
        return Type(WalkFormula());
      case 19:
        return Type(RestrictedLine());
      default:
        ADD_FAILURE() << "no problem " << problem;
        return "";
    }
  }

  std::string EnterPoints(std::vector<Point> points) {
    // A point off every graph of these problems, or the points in the wrong order.
    if (answer_wrongly) {
      if (problem == 1)
        std::swap(points[0], points[1]);
      else
        points[0] = {0, 1};
    }
    given.clear();
    for (const Point& p : points)
      given +=
          "(" + std::to_string(std::lround(p.x)) + "," + std::to_string(std::lround(p.y)) + ")";
    return PointKeys(points);
  }
  // Each blank's keys, then Enter; a wrong answer puts a 9 before the first.
  std::string Type(std::vector<std::string> blanks) {
    if (answer_wrongly) blanks[0] = "9" + blanks[0];
    std::string all;
    given.clear();
    for (const auto& blank : blanks) all += blank + "{Enter}";
    given = all;
    return all;
  }

  // Problem 1: "Ａ(x,y) Ｂ(x,y) Ｃ(x,y) Ｄ(x,y)" on the row at y = 108.
  std::vector<Point> PlotPoints() const {
    const auto n = Integers(RowText(trace, "108"));
    EXPECT_EQ(n.size(), 8u);
    std::vector<Point> points;
    for (size_t i = 0; i + 1 < n.size(); i += 2)
      points.push_back({static_cast<double>(n[i]), static_cast<double>(n[i + 1])});
    return points;
  }

  // Problem 2: the four discs of colour 9 and the names above them.
  std::vector<std::string> ReadCoordinates() const {
    std::map<std::string, std::string> by_name;
    for (const Point& p : Discs(trace, 4, 9)) {
      // The name stands above and left of its point, or where the plane's own ink leaves room:
      // below and left, above and right, below and right.
      std::vector<std::string> names;
      const long px = 800 + std::lround(16 * p.x), py = 340 - std::lround(16 * p.y);
      for (const auto& [dx, dy] : {std::pair{-16, -20}, {-16, 4}, {4, -20}, {4, 4}}) {
        if (!names.empty()) break;
        names = RendersAt(trace, std::to_string(px + dx), std::to_string(py + dy));
      }
      EXPECT_FALSE(names.empty());
      if (names.empty()) continue;
      by_name[names.back()] =
          "(" + std::to_string(std::lround(p.x)) + "," + std::to_string(std::lround(p.y)) + ")";
    }
    return {by_name["Ａ"], by_name["Ｂ"], by_name["Ｃ"], by_name["Ｄ"]};
  }

  // Problems 3 and 4: the table's ten cells a row, x in the upper row and y in the lower one.
  std::vector<std::string> TableRow(float y) const { return TableCells(y, 80, 48, 48, 10); }
  std::vector<Point> TablePoints() const {
    const auto xs = TableRow(144), ys = TableRow(165.6f);
    std::vector<Point> points;
    // "X", "…", the seven values, "…".
    for (size_t i = 2; i <= 8; ++i) points.push_back({std::stod(xs[i]), std::stod(ys[i])});
    return points;
  }

  // Problems 5 to 8: the formula before " のグラフ", "Y=aX" or "Y=±ﾀb/dﾀX": two points other than
  // the origin, one on each side of it.
  std::vector<Point> TwoPoints() const {
    const auto statement = RendersAt(trace, "80", "72");
    EXPECT_EQ(statement.size(), 1u);
    const auto [num, den] = FormulaConstant(statement.at(0));
    return {{static_cast<double>(den), static_cast<double>(num)},
            {-static_cast<double>(den), -static_cast<double>(num)}};
  }
  // The constant of "Y=...X" at the start of a text, as num/den.
  static std::pair<long, long> FormulaConstant(const std::string& text) {
    static const std::regex whole("^Y=(-?)([0-9]*)X"), fraction("^Y=(-?)ﾀ([0-9]+)/([0-9]+)ﾀX");
    std::smatch m;
    if (std::regex_search(text, m, fraction))
      return {(m[1].length() ? -1 : 1) * std::stol(m[2]), std::stol(m[3])};
    if (std::regex_search(text, m, whole))
      return {(m[1].length() ? -1 : 1) * (m[2].length() ? std::stol(m[2]) : 1L), 1};
    ADD_FAILURE() << "no formula in " << text;
    return {0, 1};
  }

  // Problems 12 to 15: the one solid line of colour 15, through the origin.
  std::string LineEquation() const {
    const auto lines = SolidLines(trace, 15);
    EXPECT_EQ(lines.size(), 1u);
    if (lines.empty()) return "";
    const auto [a, b] = lines.back();
    EXPECT_NEAR(a.x * b.y - a.y * b.x, 0, 1e-3) << "not through the origin";
    const auto [num, den] = SlopeFraction((b.y - a.y) / (b.x - a.x));
    return FormulaKeys(num, den);
  }

  // Problem 16: "駅からDｋｍ離れた公園まで、毎時Vｋｍ...": Y = V X for 0 ≦ X ≦ D / V.
  std::vector<std::string> WalkFormula() const {
    const auto n = Integers(RendersAt(trace, "64", "72").at(0));
    EXPECT_EQ(n.size(), 2u);
    EXPECT_EQ(n[0] % n[1], 0);
    return {FormulaKeys(n[1], 1), "0[X[" + std::to_string(n[0] / n[1])};
  }

  // Problem 19: the formula and domain of the drawn restricted line.
  std::vector<std::string> RestrictedLine() const {
    const RestrictedGraph graph = ReadRestrictedLine(trace);
    EXPECT_TRUE(graph.through_origin);
    const auto [num, den] = SlopeFraction(graph.slope);
    EXPECT_EQ(den, 1);
    return {FormulaKeys(num, den), std::to_string(std::lround(graph.low)) + "[X[" +
                                       std::to_string(std::lround(graph.high))};
  }
};

// A text without the marks of stacked fractions: "Y=-ﾀ2/3ﾀX" as typed, "Y=-2/3X".
inline std::string StripMarks(std::string text) {
  const std::string mark = "ﾀ";
  for (size_t at; (at = text.find(mark)) != std::string::npos;) text.erase(at, mark.size());
  return text;
}

// Plays problem k, answered right, or wrong at every attempt: a wrong typed answer at each of
// the three attempts with Space after each hint, points read off the screen and entered wrongly.
// The pupil reads everything else off the screen; a problem still waiting after 40 keys ends.
inline void PlayAsPupil(Pupil& pupil, int k, bool wrong) {
  pupil.answer_wrongly = wrong;
  const auto read = pupil.keys.on_wait;
  const bool typed = k == 2 || (k >= 12 && k <= 16) || k == 19;
  int waits = 0;
  if (wrong && typed)
    pupil.keys.on_wait = [&] { return TypedAnswer(pupil.d, waits++, true); };
  else
    pupil.keys.on_wait = [&] { return ++waits > 40 ? std::string() : read(); };
  try {
    pupil.Run(k);
  } catch (const ScriptEnd&) {
  }
  pupil.keys.on_wait = read;
}

}  // namespace drill::testing
