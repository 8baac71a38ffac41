// Problems 2 and 3: a box folded from a square sheet with its corners cut off; the table of the
// base's side Y against the cut X, and its graph on squared paper.
#include "units/functions-proportion/problems.hpp"

namespace drill {
namespace {

// The table's cells: the headings are 6 glyphs wide, the values 3.
constexpr int kHeadingWidth = 6, kValueWidth = 3;

// Steps shared by both problems: the sheet's side s = F(11) (re-draw value), X = F(i) = i and
// Y = T(i) = s − 2i for i = 1..10; the columns with a negative Y are left out of the texts.
void DrawSheetSize(Drill& d) {
  do {
    d.F[11] = 2 * RandomWhole(d, 7, 11);
  } while (RedrawNeeded(d, d.F[11]));
  for (int i = 1; i <= 10; ++i) {
    d.F[i] = static_cast<float>(i);
    d.T[i] = d.F[11] - 2 * d.F[i];
  }
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  for (int i = 1; i <= 10; ++i) {
    if (d.T[i] < 0) {
      d.T_s[i] = "";
      d.F_s[i] = "";
    }
  }
  d.T_s[21] = "①";
  d.T_s[22] = "②";
  d.T_s[23] = "③";
  d.T_s[24] = "④";
  d.T_s[25] = "⑤";
}

std::string FirstStatementLine(const Drill& d) {
  return "1辺が" + d.F_s[11] +
         "ｃｍの正方形のすみから、1辺がXｃｍ　の正方形を切り取って箱をつくる。";
}

// The sheet with its four cut-off corner squares shaded.
void DrawBoxSheet(Drill& d) {
  d.rt.DrawLine(1120, 72, 1280, 232, 11, Shape::Box);
  d.rt.DrawLine(1152, 104, 1248, 200, 15, Shape::Box, LineStyle::Dotted);
  for (const auto& [x, y] : {std::pair{1120, 72}, {1248, 72}, {1120, 200}, {1248, 200}}) {
    d.rt.DrawLine(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + 32),
                  static_cast<float>(y + 32), 11, Shape::Box);
  }
  RenderAt(d, 1296, 80, 13, "Xｃｍ");
  RenderAt(d, 1296, 128, 13, d.F_s[11] + "ｃｍ");
  RenderAt(d, 1168, 104, 13, "Yｃｍ");
  for (const auto& [x, y] : {std::pair{1128, 80}, {1256, 80}, {1128, 208}, {1272, 224}}) {
    d.rt.FloodFill(static_cast<float>(x), static_cast<float>(y), 8, 11);
  }
}

// Row X at (80, 162): every X whose Y is not negative.
void DrawXRow(Drill& d) {
  std::vector<TableCell> values;
  for (int i = 1; i <= 10; ++i) {
    if (d.T[i] >= 0) values.push_back({d.F_s[i], 15});
  }
  const float x = DrawTableCells(d.rt, 80, 162, {{"X（ｃｍ）", 15}}, kHeadingWidth);
  DrawTableCells(d.rt, x, 162, values, kValueWidth);
}

Handoff StartTable(Drill& d) {
  BeginProblem(d, 800, 144);
  DrawSheetSize(d);
  RenderAt(d, 80, 72, 15, FirstStatementLine(d));
  RenderAt(d, 80, 108, 15, "このとき箱の底面の1辺の長さをYcm　として、次の表をうめなさい。");
  DrawBoxSheet(d);
  DrawXRow(d);
  // Row Y: the five blanks to fill, then the values the table gives. The value cells are as
  // wide as row X's, so each Y stands under its X.
  std::vector<TableCell> values;
  for (int i = 21; i <= 25; ++i) values.push_back({d.T_s[i], 13});
  for (int i = 6; i <= 10; ++i) {
    if (d.T[i] >= 0) values.push_back({d.T_s[i], 15});
  }
  const float x = DrawTableCells(d.rt, 80, 182, {{"Y（ｃｍ）", 15}}, kHeadingWidth);
  DrawTableCells(d.rt, x, 182, values, kValueWidth);
  return AskForAnswer(d, {.unit_texts = {" ① ", "　②　", " ③ ", " ④　", " ⑤　"},
                          .expected = {d.T_s[1], d.T_s[2], d.T_s[3], d.T_s[4], d.T_s[5]}});
}

void TableHint1(Drill& d) {
  RenderAt(d, 80, 252, 13, "底面の１辺の長さは、2*Xｃｍ短くなる。");
  RenderAt(d, 80, 288, 15, "X=1 なら Y=" + d.F_s[11] + "-2*1=" + d.T_s[1]);
}

// The answers as a third row under the table.
void TableHint3(Drill& d) {
  RenderAt(d, 80, 324, 13, "答えは表のとおり");
  const float x = DrawTableCells(d.rt, 80, 202, {{"Y（ｃｍ）", 15}}, kHeadingWidth);
  DrawTableCells(d.rt, x, 202,
                 {{d.T_s[1], 5}, {d.T_s[2], 5}, {d.T_s[3], 5}, {d.T_s[4], 5}, {d.T_s[5], 5}},
                 kValueWidth);
}

// The squared paper: origin (736, 500), 32 pixels a unit of X (0..11), 16 of Y (0..21).
void DrawBoxGraphGrid(Drill& d) {
  auto& rt = d.rt;
  rt.BeginGroup(DrawGroup::Figure);
  rt.BeginGroup(DrawGroup::Grid);
  for (int i = 0; i <= 11; ++i) {
    const float x = 736.0f + 32.0f * static_cast<float>(i);
    rt.DrawLine(x, 500, x, 164, 10, Shape::Line, LineStyle::Dotted);
  }
  for (int i = 0; i <= 21; ++i) {
    const float y = 500.0f - 16.0f * static_cast<float>(i);
    rt.DrawLine(736, y, 1088, y, 10, Shape::Line, LineStyle::Dotted);
  }
  for (int i = 0; i <= 2; ++i) {
    const float x = 736.0f + 160.0f * static_cast<float>(i);
    rt.DrawLine(x, 500, x, 164, 10);
  }
  for (int i = 0; i <= 4; ++i) {
    const float y = 500.0f - 80.0f * static_cast<float>(i);
    rt.DrawLine(736, y, 1088, y, 10);
  }
  rt.EndGroup(DrawGroup::Grid);
  rt.DrawLine(736, 164, 736, 500, 15);
  rt.DrawLine(1088, 500, 736, 500, 15);
  // Each blank of the scale is a step of 16 pixels, so every number stands under its line.
  RenderSpacedLabel(d.rt, 712, 504, 15, "O  1 2 3 4 5 6 7 8 9 10 X");
  RenderAt(d, 728, 140, 15, "Y");
  RenderAt(d, 720, 412, 15, "5");
  RenderAt(d, 704, 332, 15, "10");
  RenderAt(d, 704, 252, 15, "15");
  RenderAt(d, 704, 172, 15, "20");
  rt.EndGroup(DrawGroup::Figure);
}

// The point (x, y) of the squared paper.
void PlotGridPoint(Runtime& rt, float x, float y) {
  rt.DrawCircle(736 + 32 * x, 500 - 16 * y, 4, 9, CircleFill::Filled);
}

// The pupil draws the graph on paper and presses a key; then the program plots the table and
// the pupil says whether the drawing was right.
Handoff StartGraph(Drill& d) {
  BeginProblem(d, 800, 126);
  DrawSheetSize(d);
  RenderAt(d, 80, 72, 15, FirstStatementLine(d));
  RenderAt(d, 80, 99, 15,
           "このとき箱の底面の1辺の長さをYcm　とした次の表をもとに、グラフに表しなさい。");
  DrawBoxSheet(d);
  DrawXRow(d);
  std::vector<TableCell> values;
  for (int i = 1; i <= 10; ++i) {
    if (d.T[i] >= 0) values.push_back({d.T_s[i], 13});
  }
  const float x = DrawTableCells(d.rt, 80, 182, {{"Y（ｃｍ）", 15}}, kHeadingWidth);
  DrawTableCells(d.rt, x, 182, values, kValueWidth);
  DrawBoxGraphGrid(d);

  // The wait text goes once a key is pressed: the answer line and the look-at-problems box take
  // its place.
  WaitUntilDrawnOnPaper(d.rt, d.answer.line_x, d.answer.line_y);

  for (int i = 1; i <= 10; ++i) {
    if (d.T[i] < 0) continue;
    PlotGridPoint(d.rt, d.F[i], d.T[i]);
  }
  DrawAnswerPrompt(d.rt, d.answer.line_x, d.answer.line_y, kSelfAssessmentPrompt);
  return AskForAnswer(d, {.unit_texts = {"  ", "　　", "  ", " 　", " 　"}, .expected = {"1"}});
}

void GraphHint1(Drill& d) {
  RenderAt(d, 80, 324, 13, "Xが１で、Yが" + d.T_s[1] + "のところに点をうつ");
  RenderAt(d, 80, 360, 15, "後も同じように点をうつ");
}

}  // namespace

ProblemRoutines BoxTableProblem() {
  return {StartTable, {TableHint1, NoHint, TableHint3}};
}

ProblemRoutines BoxGraphProblem() {
  return {StartGraph, {GraphHint1, NoHint, NoHint}, kWaitsBeforeDrawing};
}

}  // namespace drill
