// What the tests of func-prop share: running a problem, reading the trace back as table cells,
// circles and numbers, and every problem's draws with the checks of what one start shows.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/testing/draws.hpp"
#include "units/functions-proportion/unit.hpp"

namespace drill::testing {

// Starts problem k and answers it (the expected answer when `answer` is empty). Problem 3 first
// waits for a key while the pupil draws the graph on paper.
void RunProblem(Session& s, int k, const std::string& answer = "");

// One glyph, circle or text drawn, as the trace tells it.
struct Drawn {
  float x = 0, y = 0;
  int colour = 0;
  std::string text;  // glyph or rendered text, with full-width digits, minus and point as ASCII
};
std::vector<Drawn> GlyphsAt(const std::vector<std::string>& trace, float y);
std::vector<Drawn> RendersAt(const std::vector<std::string>& trace, float y);
struct Circle {
  float x = 0, y = 0, r = 0;
  int colour = 0;
  bool filled = false;
};
std::vector<Circle> Circles(const std::vector<std::string>& trace);

// A row of table cells at height y from x = left: cell 0 is the heading, `heading` pixels wide,
// the others `width` pixels each. A glyph that strays over a cell's edge spoils two cells.
struct Cell {
  std::string text;
  int colour = -1;
};
std::vector<Cell> TableRow(const std::vector<std::string>& trace, float y, float left,
                           float heading, float width);

// The numbers written in a text with ASCII digits, signs included, in order.
std::vector<double> SignedNumbersIn(const std::string& text);
// The whole number or decimal as this program writes it (2.8, -12, 0).
std::string Written(double value);

// Every draw a problem can make, the draw one start made, its re-draw value (empty when the
// problem has none) and the checks of what the start showed against its expected answer.
struct ProblemDraws {
  int problem;
  std::set<Case> cases;
  std::function<Case(const Session&)> case_of;
  std::function<float(const Drill&)> redraw;
  std::function<void(const Session&)> check;
};
const std::vector<ProblemDraws>& AllProblemDraws();

// The checks every start of a problem passes beside its draw and re-draw rule: the expected answer
// was typed and judged right, no second form of a blank is accepted where the problem names
// none, and the problem's own checks.
void CheckStart(const Session& s, const ProblemDraws& draws);

}  // namespace drill::testing
