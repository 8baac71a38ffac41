// Problems 3 and 4: the value table of y = a/x for x = -3 .. 3, completed (3) and read (4).
#include "units/inverse-proportion/problems.hpp"

namespace drill {
namespace {

// T(10) = a, a multiple of 6, so every y of the table is whole: x = F(i), y = T(i), with
// F(1..3) = -3, -2, -1 and F(4..6) = 1, 2, 3.
void DrawTableNumbers(Drill& d) {
  do {
    d.T[10] = 6 * RandomWhole(d, 1, 6);
  } while (RedrawNeeded(d, d.T[10]));
  for (int i = 1; i <= 3; ++i) {
    d.F[i] = static_cast<float>(i - 4);
    d.T[i] = d.T[10] / d.F[i];
    d.F[i + 3] = static_cast<float>(i);
    d.T[i + 3] = d.T[10] / d.F[i + 3];
  }
}

std::vector<TableCell> XRow(const Drill& d, int colour) {
  return {{"X", colour},      {"…", colour}, {d.F_s[1], colour}, {d.F_s[2], colour},
          {d.F_s[3], colour}, {"0", colour}, {d.F_s[4], colour}, {d.F_s[5], colour},
          {d.F_s[6], colour}, {"…", colour}};
}

// The Y row with every value in `colour` after the heading.
std::vector<TableCell> FullYRow(const Drill& d, int colour) {
  return {{"Y"},
          {"…"},
          {d.T_s[1], colour},
          {d.T_s[2], colour},
          {d.T_s[3], colour},
          {"×", colour},
          {d.T_s[4], colour},
          {d.T_s[5], colour},
          {d.T_s[6], colour},
          {"…", colour}};
}

// Problem 3: the Y row shows ① to ⑤ where the pupil fills in values.
Handoff Start3(Drill& d) {
  BeginProblem(d, 800, 126);
  DrawTableNumbers(d);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  RenderAt(d, 64, 81, 15, "Y=ﾀ" + d.T_s[10] + "/xﾀについて、XとYの関係を表す表を完成しなさい。");
  DrawSideNote(d, SideNote::NamesTheConstant);
  DrawTableCells(d.rt, 80, 162, XRow(d, 15), 3);
  DrawTableCells(d.rt, 80, 182,
                 {{"Y"},
                  {"…"},
                  {"①", 13},
                  {"②", 13},
                  {"③", 13},
                  {"×", 13},
                  {"④", 13},
                  {"⑤", 13},
                  {d.T_s[6], 13},
                  {"…", 13}},
                 3);
  return AskForAnswer(d, {.unit_texts = {" ① ", "　②　", " ③ ", " ④　", " ⑤　"},
                          .expected = {d.T_s[1], d.T_s[2], d.T_s[3], d.T_s[4], d.T_s[5]}});
}

void Problem3Hint1(Drill& d) {
  RenderAt(d, 80, 234, 13, "①は、X=-3 を　Y=ﾀ" + d.T_s[10] + "/xﾀに代入する。");
  RenderAt(d, 80, 288, 15, "Y=ﾀ" + d.T_s[10] + "/-3ﾀ=" + d.T_s[1]);
}

void Problem3Hint2(Drill& d) {
  RenderAt(d, 80, 342, 13, "②から⑤も同じようにして求める。");
}

// The completed Y row, under the table.
void Problem3Hint3(Drill& d) {
  DrawTableCells(d.rt, 80, 200, FullYRow(d, 5), 3);
}

// Problem 4: the whole table, and four blanks in the statement: the factors 1/2 and 1/3, the
// product XY and the y at x = 6.
Handoff Start4(Drill& d) {
  BeginProblem(d, 800, 198);
  DrawTableNumbers(d);
  d.F[7] = 6;
  d.T[7] = d.T[10] / 6;
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  RenderAt(d, 64, 72, 15,
           "Y=ﾀ" + d.T_s[10] + "/xﾀのXとYの関係を表す表をもとに、①～④をうめなさい。");
  float x = RenderAt(d, 64, 108, 15, "Xの値が2倍、3倍、…となると、Yの値は ").x;
  x = DrawTableCells(d.rt, x, 108, {{"①倍", 13}, {"②倍", 13}}, 3);
  RenderAt(d, x, 108, 15, "となる。");
  x = RenderAt(d, 64, 144, 15, "XとYの積XYは一定で、XY=").x;
  x = DrawTableCells(d.rt, x, 144, {{" ③", 13}}, 2);
  RenderAt(d, x, 144, 15, "となる。");
  x = RenderAt(d, 64, 180, 15, "Xの値が" + d.F_s[7] + "のとき、Yの値は").x;
  x = DrawTableCells(d.rt, x, 180, {{" ④", 13}}, 2);
  RenderAt(d, x, 180, 15, "となる。");
  DrawSideNote(d, SideNote::NamesTheConstant);
  DrawTableCells(d.rt, 80, 234, XRow(d, 15), 3);
  DrawTableCells(d.rt, 80, 254, FullYRow(d, 15), 3);
  return AskForAnswer(d, {.unit_texts = {" ① ", "　②　", " ③ ", " ④　", " "},
                          .expected = {"1/2", "1/3", d.T_s[10], d.T_s[7]}});
}

void Problem4Hint1(Drill& d) {
  Pen end = RenderAt(d, 80, 288, 15,
                     "Xが１のときYは" + d.T_s[4] + "、Xが２のときYは" + d.T_s[5] +
                         "だから、Xが２倍になるとYはﾀ" + d.T_s[5] + "/" + d.T_s[4] + "ﾀ=");
  end = RenderMore(d, end, 13, "ﾀ1/2ﾀ 倍");
  RenderMore(d, end, 15, "になっている。");
  end = RenderAt(d, 80, 342, 15,
                 "Xが1のときYは" + d.T_s[4] + "、Xが3のときYは" + d.T_s[6] +
                     "だから、Xが3倍になるとYはﾀ" + d.T_s[6] + "/" + d.T_s[4] + "ﾀ=");
  end = RenderMore(d, end, 13, "ﾀ1/3ﾀ 倍");
  RenderMore(d, end, 15, "になっている。");
}

void Problem4Hint2(Drill& d) {
  Pen end = RenderAt(d, 80, 378, 15, "XとYの積XYは、どのX,Yの組も ");
  end = RenderMore(d, end, 13, d.T_s[10] + "で、比例定数");
  RenderMore(d, end, 15, "と同じになっている。");
}

void Problem4Hint3(Drill& d) {
  RenderAt(
      d, 80, 414, 15,
      "XY=" + d.T_s[10] + " だから、X=" + d.F_s[7] + "　を代入して " + d.F_s[7] + "Y=" + d.T_s[10]);
  const Pen end = RenderAt(d, 80, 450, 15, "Y=ﾀ" + d.T_s[10] + "/" + d.F_s[7] + "ﾀ=");
  RenderMore(d, end, 13, d.T_s[7]);
}

}  // namespace

ProblemRoutines CompleteTableProblem() {
  return {Start3, {Problem3Hint1, Problem3Hint2, Problem3Hint3}};
}
ProblemRoutines ReadTableProblem() {
  return {Start4, {Problem4Hint1, Problem4Hint2, Problem4Hint3}};
}

}  // namespace drill
