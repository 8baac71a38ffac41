// The trace readers and every problem's draws and checks that the tests of func-prop share.
#include "units/functions-proportion/tests/checks.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <sstream>

#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill::testing {

void RunProblem(Session& s, int k, const std::string& answer) {
  if (k == 3) s.keys.Type("{Space}");
  s.Run(k, answer);
}

namespace {

// "KIND X Y C ..." lines of one kind; `rest` gets the fields after the colour.
template <typename F>
void ForEachLine(const std::vector<std::string>& trace, const std::string& kind, F f) {
  for (const auto& line : trace) {
    if (line.rfind(kind + " ", 0) != 0) continue;
    std::istringstream fields(line.substr(kind.size() + 1));
    f(fields);
  }
}

}  // namespace

std::vector<Drawn> GlyphsAt(const std::vector<std::string>& trace, float y) {
  std::vector<Drawn> found;
  ForEachLine(trace, "text", [&](std::istringstream& fields) {
    Drawn g;
    int sx = 0, sy = 0;
    fields >> g.x >> g.y >> g.colour >> sx >> sy;
    fields.get();
    std::getline(fields, g.text);
    g.text = AsciiReading(g.text);
    if (g.y == y) found.push_back(g);
  });
  return found;
}

std::vector<Drawn> RendersAt(const std::vector<std::string>& trace, float y) {
  std::vector<Drawn> found;
  ForEachLine(trace, "render", [&](std::istringstream& fields) {
    Drawn r;
    fields >> r.x >> r.y >> r.colour;
    fields.get();
    std::getline(fields, r.text);
    if (r.y == y) found.push_back(r);
  });
  return found;
}

std::vector<Circle> Circles(const std::vector<std::string>& trace) {
  std::vector<Circle> found;
  ForEachLine(trace, "circle", [&](std::istringstream& fields) {
    Circle c;
    int fill = 0;
    fields >> c.x >> c.y >> c.r >> c.colour >> fill;
    c.filled = fill == 1;
    found.push_back(c);
  });
  return found;
}

std::vector<Cell> TableRow(const std::vector<std::string>& trace, float y, float left,
                           float heading, float width) {
  std::map<int, Cell> cells;
  for (const Drawn& g : GlyphsAt(trace, y)) {
    if (g.x < left) continue;
    const int index =
        g.x < left + heading ? 0 : 1 + static_cast<int>((g.x - left - heading) / width);
    Cell& cell = cells[index];
    cell.text += g.text;
    cell.colour = cell.colour < 0 || cell.colour == g.colour ? g.colour : 99;
  }
  std::vector<Cell> row;
  if (cells.empty()) return row;
  row.resize(static_cast<size_t>(cells.rbegin()->first + 1));
  for (const auto& [index, cell] : cells) row[static_cast<size_t>(index)] = cell;
  return row;
}

std::vector<double> SignedNumbersIn(const std::string& text) {
  static const std::regex number("-?[0-9]+(\\.[0-9]+)?");
  std::vector<double> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it) {
    found.push_back(std::stod(it->str()));
  }
  return found;
}

std::string Written(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

namespace {

// The render lines of the worked solution (after the judgement), text only.
std::string LastOfSolution(const Session& s) {
  const auto solution = s.Solution();
  return solution.empty() ? "" : solution.back();
}

// The only render line at (x, y) must exist; its text.
std::string TextAt(const Session& s, float x, float y) {
  return s.RenderedAt(x, y);
}

// ---- Problem 1: the four cases, shuffled by three swaps of a top case with a bottom one.

// The four case texts in their first order, told apart by a word of each, with whether Y is a
// function of X there.
const std::vector<std::pair<std::string, int>> kCaseWords = {
    {"正方形", 1}, {"長方形", 0}, {"切手", 1}, {"三角形", 0}};

int CaseOf(const std::string& text) {
  for (size_t i = 0; i < kCaseWords.size(); ++i)
    if (text.find(kCaseWords[i].first) != std::string::npos) return static_cast<int>(i);
  return -1;
}

// Every order that three swaps of position 1 or 2 with position 3 or 4 can leave.
std::set<Case> ShuffledOrders() {
  std::set<Case> orders;
  for (int sequence = 0; sequence < 64; ++sequence) {
    Case order{0, 1, 2, 3};
    for (int step = 0; step < 3; ++step) {
      const int choice = (sequence >> (2 * step)) & 3;
      std::swap(order[static_cast<size_t>(choice & 1)], order[static_cast<size_t>(2 + choice / 2)]);
    }
    orders.insert(order);
  }
  return orders;
}

// The order shown: the texts drawn after ①, ②, ③, ④.
Case ShownOrder(const Session& s) {
  Case order;
  for (float y : {108.0f, 144.0f})
    for (const Drawn& r : RendersAt(s.trace, y))
      order.push_back(static_cast<float>(CaseOf(r.text)));
  return order;
}

void CheckFunctionCases(const Session& s) {
  const Drill& d = s.d;
  const std::vector<std::string> marks = {"① ", "② ", "③ ", "④ "};
  std::vector<Drawn> shown = RendersAt(s.trace, 108);
  const auto second_line = RendersAt(s.trace, 144);
  shown.insert(shown.end(), second_line.begin(), second_line.end());
  ASSERT_EQ(shown.size(), 4u);
  std::string expected_line, worked = "";
  for (size_t i = 0; i < 4; ++i) {
    ASSERT_EQ(shown[i].text.rfind(marks[i], 0), 0u) << shown[i].text;
    const int which = CaseOf(shown[i].text);
    ASSERT_GE(which, 0) << shown[i].text;
    const std::string answer = std::to_string(kCaseWords[static_cast<size_t>(which)].second);
    // The answer of each position is that of the text shown there.
    EXPECT_EQ(d.answer.blank_expected[1][static_cast<int>(i) + 1], answer) << shown[i].text;
    expected_line += answer;
    worked += (i == 0 ? "" : ",") + marks[i].substr(0, marks[i].size() - 1) + answer;
  }
  EXPECT_EQ(d.answer.expected, expected_line);
  // Two functions and two that are not.
  EXPECT_EQ(std::count(expected_line.begin(), expected_line.end(), '1'), 2);
  // The second case of a line starts one glyph after the end of the first.
  for (size_t first : {0u, 2u}) {
    const float end =
        shown[first].x + 16.0f * static_cast<float>(CharacterCount(StripBlanks(shown[first].text)));
    EXPECT_EQ(shown[first + 1].x, end + 16) << shown[first + 1].text;
  }
  EXPECT_EQ(LastOfSolution(s), worked);
  EXPECT_EQ(TextAt(s, 368, 500), "関数なら１を、違うなら０を入力");
}

// ---- Problems 2 and 3: the box of side s − 2X.

// The sheet's side s from the statement "1辺がsｃｍの正方形の…"; also written beside the sheet.
double SheetSide(const Session& s) {
  const auto numbers = SignedNumbersIn(TextAt(s, 80, 72));
  EXPECT_EQ(numbers.size(), 3u);
  if (numbers.size() < 2) return 0;
  EXPECT_EQ(TextAt(s, 1296, 128), Written(numbers[1]) + "ｃｍ");
  return numbers[1];
}

// Table geometry of problems 2 and 3: headings of 6 glyphs from x = 80, values of 3.
std::vector<Cell> BoxRow(const Session& s, float y) {
  return TableRow(s.trace, y, 80, 96, 48);
}

// Row X holds 1, 2, … up to the last X whose Y is not negative; returns that count.
size_t CheckXRow(const Session& s, double side) {
  const auto xs = BoxRow(s, 162);
  const size_t columns = static_cast<size_t>(std::min(10.0, side / 2));
  EXPECT_EQ(xs.size(), columns + 1);
  for (size_t i = 1; i < xs.size(); ++i) EXPECT_EQ(xs[i].text, std::to_string(i));
  return columns;
}

// The corner squares are shaded inside their colour-11 outlines.
void CheckSheet(const Session& s) {
  for (const char* fill :
       {"flood 1128 80 8 11", "flood 1256 80 8 11", "flood 1128 208 8 11", "flood 1272 224 8 11"}) {
    EXPECT_NE(std::find(s.trace.begin(), s.trace.end(), fill), s.trace.end()) << fill;
  }
}

// The boxes of a table row's cells: left and right edges, in order.
std::vector<std::pair<float, float>> CellBoxes(const Session& s, float top) {
  std::vector<std::pair<float, float>> boxes;
  for (const auto& line : s.trace) {
    std::istringstream fields(line);
    std::string kind, shape;
    float x1, y1, x2, y2;
    int colour;
    if (fields >> kind >> x1 >> y1 >> x2 >> y2 >> colour >> shape && kind == "line" &&
        shape == "box" && colour == 11 && y1 == top)
      boxes.emplace_back(x1, x2);
  }
  return boxes;
}

void CheckBoxTable(const Session& s) {
  const Drill& d = s.d;
  const double side = SheetSide(s);
  CheckSheet(s);
  const size_t columns = CheckXRow(s, side);
  // Row Y: the blanks ① to ⑤, then Y = s − 2X under each remaining X.
  const auto ys = BoxRow(s, 182);
  ASSERT_EQ(ys.size(), columns + 1);
  const std::vector<std::string> blanks = {"①", "②", "③", "④", "⑤"};
  for (size_t i = 1; i <= 5; ++i) {
    EXPECT_EQ(ys[i].text, blanks[i - 1]);
    EXPECT_EQ(ys[i].colour, 13);
  }
  for (size_t i = 6; i <= columns; ++i) {
    EXPECT_EQ(ys[i].text, Written(side - 2.0 * static_cast<double>(i)));
    EXPECT_EQ(ys[i].colour, 15);
  }
  // Each cell of row Y has the box of the cell of row X above it.
  const auto x_boxes = CellBoxes(s, 161), y_boxes = CellBoxes(s, 181);
  EXPECT_EQ(x_boxes, y_boxes);
  // The blanks ask for s − 2, s − 4, …, s − 10.
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(d.answer.blank_expected[1][k], Written(side - 2.0 * k));
  // The worked solution ends with them as a third row of the table.
  const auto answers = BoxRow(s, 202);
  ASSERT_EQ(answers.size(), 6u);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(answers[static_cast<size_t>(k)].text, d.answer.blank_expected[1][k]);
    EXPECT_EQ(answers[static_cast<size_t>(k)].colour, 5);
  }
  EXPECT_EQ(CellBoxes(s, 201), std::vector(y_boxes.begin(), y_boxes.begin() + 6));
  EXPECT_EQ(TextAt(s, 80, 288),
            "X=1 なら Y=" + Written(side) + "-2*1=" + d.answer.blank_expected[1][1]);
}

size_t IndexOf(const Session& s, const std::string& line, size_t from = 0) {
  for (size_t i = from; i < s.trace.size(); ++i)
    if (s.trace[i] == line) return i;
  ADD_FAILURE() << "not traced: " << line;
  return s.trace.size();
}

void CheckBoxGraph(const Session& s) {
  const double side = SheetSide(s);
  CheckSheet(s);
  const size_t columns = CheckXRow(s, side);
  const auto ys = BoxRow(s, 182);
  ASSERT_EQ(ys.size(), columns + 1);
  for (size_t i = 1; i <= columns; ++i) {
    EXPECT_EQ(ys[i].text, Written(side - 2.0 * static_cast<double>(i)));
    EXPECT_EQ(ys[i].colour, 13);
  }
  EXPECT_EQ(CellBoxes(s, 161), CellBoxes(s, 181));
  // The wait text, the key, then the wait text erased, and only then the points.
  const size_t wait = IndexOf(s, "render 560 522 9 グラフがかけたら、何かキーを押して下さい。");
  const size_t key = IndexOf(s, "key {Space}", wait);
  const size_t erased = IndexOf(s, "line 560 522 896 538 0 fill solid", key);
  // The worked solution is the graph: one point per column of the table, on its grid lines.
  std::vector<Circle> points;
  for (const Circle& c : Circles(s.trace))
    if (c.r == 4 && c.colour == 9 && c.filled) points.push_back(c);
  ASSERT_EQ(points.size(), columns);
  for (size_t i = 0; i < columns; ++i) {
    const double x = (points[i].x - 736) / 32, y = (500 - points[i].y) / 16;
    EXPECT_EQ(x, static_cast<double>(i + 1));
    EXPECT_EQ(y, side - 2 * x);
    EXPECT_EQ(Written(y), ys[i + 1].text);
  }
  const auto first_point = std::find_if(s.trace.begin(), s.trace.end(), [](const std::string& l) {
    return l.rfind("circle ", 0) == 0 && l.find(" 4 9 1") != std::string::npos;
  });
  EXPECT_GT(static_cast<size_t>(first_point - s.trace.begin()), erased);
  // Every number of the X scale stands centred on its grid line.
  int scale_numbers = 0;
  for (const Drawn& r : RendersAt(s.trace, 504)) {
    const auto value = SignedNumbersIn(r.text);
    if (value.empty()) continue;
    ++scale_numbers;
    EXPECT_EQ(r.x + 8, 736 + 32 * value[0]) << r.text;
  }
  EXPECT_EQ(scale_numbers, 10);
  EXPECT_EQ(s.d.answer.expected, "1");
  EXPECT_EQ(TextAt(s, 368, 500), "正解なら１を、間違いなら０を入力");
  // Hint 1 names the first point; hints 2 and 3 add nothing.
  EXPECT_EQ(s.Solution(),
            (std::vector<std::string>{"Xが１で、Yが" + Written(side - 2) + "のところに点をうつ",
                                      "後も同じように点をうつ"}));
}

// ---- Problem 4: domains.

void CheckDomain(const Session& s) {
  const Drill& d = s.d;
  // "①　a以上c以下　　②-aより大きくb未満"
  const auto shown = SignedNumbersIn(TextAt(s, 80, 108));
  ASSERT_EQ(shown.size(), 4u);
  const std::string a = Written(shown[0]), c = Written(shown[1]), minus_a = Written(shown[2]),
                    b = Written(shown[3]);
  EXPECT_LT(shown[0], shown[1]);
  EXPECT_EQ(shown[2], -shown[0]);
  EXPECT_LT(shown[2], shown[3]);
  // a ≦ X ≦ c, or c ≧ X ≧ a; −a < X < b, or b > X > −a.
  EXPECT_EQ(d.answer.blank_expected[1][1], a + "[X[" + c);
  EXPECT_EQ(d.answer.blank_expected[2][1], c + "]X]" + a);
  EXPECT_EQ(d.answer.blank_expected[1][2], minus_a + "<X<" + b);
  EXPECT_EQ(d.answer.blank_expected[2][2], b + ">X>" + minus_a);
  // Hint 1: both ends included, filled discs; hint 2: both ends left out, open circles whose
  // inside is blanked first.
  std::vector<Circle> at216, at324;
  for (const Circle& circle : Circles(s.trace)) {
    if (circle.y == 216) at216.push_back(circle);
    if (circle.y == 324) at324.push_back(circle);
  }
  ASSERT_EQ(at216.size(), 2u);
  for (const Circle& circle : at216) EXPECT_TRUE(circle.filled && circle.colour == 9);
  ASSERT_EQ(at324.size(), 4u);
  for (size_t i = 0; i < 4; i += 2) {
    EXPECT_TRUE(at324[i].filled && at324[i].colour == 0 && at324[i].r == 4);
    EXPECT_TRUE(!at324[i + 1].filled && at324[i + 1].colour == 9 && at324[i + 1].r == 4);
    EXPECT_EQ(at324[i].x, at324[i + 1].x);
  }
  EXPECT_EQ(TextAt(s, 128, 224), a);
  EXPECT_EQ(TextAt(s, 272, 224), c);
  EXPECT_EQ(TextAt(s, 128, 332), minus_a);
  EXPECT_EQ(TextAt(s, 272, 332), b);
  EXPECT_EQ(TextAt(s, 80, 270), d.answer.blank_expected[1][1]);
  EXPECT_EQ(LastOfSolution(s), d.answer.blank_expected[1][2]);
}

// ---- Problems 5 to 10: proportion.

// The formula and constant of problems 5 to 7, from the constant the statement implies.
void CheckFormulaAndConstant(const Session& s, const std::string& constant) {
  EXPECT_EQ(s.d.answer.blank_expected[1][1], "Y=" + constant + "X");
  EXPECT_EQ(s.d.answer.blank_expected[1][2], constant);
  EXPECT_EQ(LastOfSolution(s), constant);
  EXPECT_EQ(TextAt(s, 880, 252), "「YはXに比例する」とは");
}

void CheckIncense(const Session& s) {
  // The millimetres a minute read exactly as typed, never as a long decimal.
  const std::string rate = s.d.answer.blank_expected[1][2];
  EXPECT_TRUE(rate == "2.8" || rate == "2.9" || rate == "3" || rate == "3.1" || rate == "3.2")
      << rate;
  EXPECT_NE(TextAt(s, 64, 72).find("1分間に" + rate + "ｍｍずつ"), std::string::npos);
  CheckFormulaAndConstant(s, rate);
}

void CheckApples(const Session& s) {
  const auto shown = SignedNumbersIn(TextAt(s, 64, 72));
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], 1);
  CheckFormulaAndConstant(s, Written(shown[1]));
}

void CheckTriangle(const Session& s) {
  // Area = ½ · base · height: the constant is half the height shown.
  const auto shown = SignedNumbersIn(TextAt(s, 64, 72));
  ASSERT_EQ(shown.size(), 1u);
  CheckFormulaAndConstant(s, Written(shown[0] / 2));
  EXPECT_EQ(TextAt(s, 80, 234), "Y=ﾀ1/2ﾀ*" + Written(shown[0]) + "*X");
}

void CheckConstantFromTable(const Session& s) {
  const Drill& d = s.d;
  const auto xs = TableRow(s.trace, 162, 80, 48, 48), ys = TableRow(s.trace, 182, 80, 48, 48);
  ASSERT_EQ(xs.size(), 9u);
  ASSERT_EQ(ys.size(), 9u);
  std::set<double> quotients;
  for (size_t i = 1; i < 9; ++i) {
    const double x = std::stod(xs[i].text), y = std::stod(ys[i].text);
    EXPECT_EQ(x, static_cast<double>(i) - 5);
    EXPECT_EQ(ys[i].colour, 13);
    if (x == 0) {
      EXPECT_EQ(ys[i].text, "0");  // never "-0"
    } else {
      quotients.insert(y / x);
    }
  }
  ASSERT_EQ(quotients.size(), 1u);
  // a·0 is −0, whose text is "0".
  EXPECT_TRUE(std::signbit(d.T[6]));
  EXPECT_EQ(d.T_s[6], "0");
  const std::string constant = Written(*quotients.begin());
  EXPECT_LT(*quotients.begin(), 0);
  EXPECT_EQ(d.answer.blank_expected[1][1], constant);
  EXPECT_EQ(d.answer.blank_expected[1][2], "Y=" + constant + "X");
  EXPECT_EQ(TextAt(s, 80, 288), "比例定数は ﾀ" + constant + "/1ﾀ=");
  EXPECT_EQ(LastOfSolution(s), d.answer.blank_expected[1][2]);
}

void CheckFormulaFromPair(const Session& s) {
  const auto shown = SignedNumbersIn(TextAt(s, 64, 72));
  ASSERT_EQ(shown.size(), 2u);
  const double a = shown[1] / shown[0];
  EXPECT_EQ(a, std::floor(a));
  EXPECT_EQ(s.d.answer.blank_expected[1][1], "Y=" + Written(a) + "X");
  EXPECT_EQ(LastOfSolution(s), s.d.answer.blank_expected[1][1]);
}

void CheckNegativeFormula(const Session& s) {
  const auto pair = SignedNumbersIn(TextAt(s, 64, 72));
  const auto asked = SignedNumbersIn(TextAt(s, 64, 99));
  ASSERT_EQ(pair.size(), 2u);
  ASSERT_EQ(asked.size(), 1u);
  // X < 0 gives Y > 0, and the Y asked about is negative.
  EXPECT_LT(pair[0], 0);
  EXPECT_GT(pair[1], 0);
  EXPECT_LT(asked[0], 0);
  const double a = pair[1] / pair[0], x = asked[0] / a;
  EXPECT_EQ(a, std::floor(a));
  EXPECT_EQ(x, std::floor(x));
  EXPECT_GT(x, 0);
  EXPECT_EQ(s.d.answer.blank_expected[1][1], "Y=" + Written(a) + "X");
  EXPECT_EQ(s.d.answer.blank_expected[1][2], Written(x));
  EXPECT_EQ(TextAt(s, 80, 522), "X=ﾀ" + Written(asked[0]) + "/" + Written(a) + "ﾀ=");
  EXPECT_EQ(LastOfSolution(s), s.d.answer.blank_expected[1][2]);
}

std::set<Case> Range(int from, int to, float scale = 1) {
  std::set<Case> cases;
  for (int v = from; v <= to; ++v) cases.insert({scale * static_cast<float>(v)});
  return cases;
}

// The draw of a start, as the tests tell the cases apart.
Case SideCase(const Session& s) {
  return {s.d.F[11]};
}
Case DomainCase(const Session& s) {
  return {s.d.T[1], s.d.F[1]};
}
Case ConstantCase(const Session& s) {
  return {s.d.T[1]};
}
Case TenthsCase(const Session& s) {
  return {std::round(s.d.T[1] * 10)};
}
Case PairCase(const Session& s) {
  return {s.d.T[1], s.d.F[2]};
}
Case NegativeCase(const Session& s) {
  return {s.d.T[1], s.d.F[2], s.d.F[3]};
}

float Side(const Drill& d) {
  return d.F[11];
}
float Constant(const Drill& d) {
  return d.T[1];
}

}  // namespace

const std::vector<ProblemDraws>& AllProblemDraws() {
  static const std::vector<ProblemDraws> all = [] {
    std::vector<ProblemDraws> draws;
    // 1: the order of the case texts; T(1) is drawn but leaves previous_draw alone.
    draws.push_back({1, ShuffledOrders(), ShownOrder, {}, CheckFunctionCases});
    // 2 and 3: the sheet's side s = 14..22.
    std::set<Case> sides;
    for (int side = 14; side <= 22; side += 2) sides.insert({static_cast<float>(side)});
    draws.push_back({2, sides, SideCase, Side, CheckBoxTable});
    draws.push_back({3, sides, SideCase, Side, CheckBoxGraph});
    // 4: a, b = 1..3.
    std::set<Case> domains;
    for (int a = 1; a <= 3; ++a)
      for (int b = 1; b <= 3; ++b) domains.insert({static_cast<float>(a), static_cast<float>(b)});
    draws.push_back({4, domains, DomainCase, Constant, CheckDomain});
    // 5 to 8: the constant alone; the incense's tenths are compared as whole tenths.
    draws.push_back({5, Range(28, 32), TenthsCase, Constant, CheckIncense});
    draws.push_back({6, Range(12, 16, 10), ConstantCase, Constant, CheckApples});
    draws.push_back({7, Range(5, 9), ConstantCase, Constant, CheckTriangle});
    draws.push_back({8, Range(-4, -2), ConstantCase, Constant, CheckConstantFromTable});
    // 9: a = 2..5, X = 3..9; 10: a = −5..−2, X = −9..−3, the X asked for 6..10.
    std::set<Case> pairs, negatives;
    for (int a = 2; a <= 5; ++a) {
      for (int x = 3; x <= 9; ++x) {
        pairs.insert({static_cast<float>(a), static_cast<float>(x)});
        for (int asked = 6; asked <= 10; ++asked)
          negatives.insert(
              {static_cast<float>(-a), static_cast<float>(-x), static_cast<float>(asked)});
      }
    }
    draws.push_back({9, pairs, PairCase, Constant, CheckFormulaFromPair});
    draws.push_back({10, negatives, NegativeCase, Constant, CheckNegativeFormula});
    return draws;
  }();
  return all;
}

void CheckStart(const Session& s, const ProblemDraws& draws) {
  const Drill& d = s.d;
  ExpectTypedAnswerJudgedRight(s);
  if (draws.problem != 4) {
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(d.answer.blank_expected[2][k], "") << k;
  }
  draws.check(s);
}

}  // namespace drill::testing
