// Problems 8 to 10: a proportion given by values, a table or one pair; the pupil finds the
// constant and the formula, and in problem 10 also X for a given Y.
#include "units/functions-proportion/problems.hpp"

namespace drill {
namespace {

std::string Formula(const Drill& d) {
  return "Y=" + d.T_s[1] + "X";
}

// Problem 8: a = T(1) = −2..−4; the table X = F(i) = i − 6 (−4..3), Y = T(i) = a·X, i = 2..9.
Handoff StartTable(Drill& d) {
  BeginProblem(d, 640, 135);
  do {
    d.T[1] = -RandomWhole(d, 2, 4);
  } while (RedrawNeeded(d, d.T[1]));
  for (int i = 2; i <= 9; ++i) {
    d.F[i] = static_cast<float>(i - 6);
    d.T[i] = d.T[1] * d.F[i];
  }
  // At X = 0 the product is −0, whose text is "0".
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15, "YがXに比例し、その値が次の表のようになった。");
  RenderAt(d, 96, 99, 15, "①比例定数を求めなさい。 ②YをXの式で表しなさい。");
  DrawProportionDefinition(d);
  std::vector<TableCell> xs{{"X", 15}}, ys{{"Y", 15}};
  for (int i = 2; i <= 9; ++i) {
    xs.push_back({d.F_s[i], 15});
    ys.push_back({d.T_s[i], 13});
  }
  DrawTableCells(d.rt, 80, 162, xs, 3);
  DrawTableCells(d.rt, 80, 182, ys, 3);
  return AskForAnswer(
      d, {.unit_texts = {" 比例定数 ", "　式　", "  ", " 　"}, .expected = {d.T_s[1], Formula(d)}});
}

void TableHint1(Drill& d) {
  RenderAt(d, 80, 234, 13, "対応するXとYの値の商 ﾀY/Xﾀ は一定で、比例定数に等しいから、");
}

// The quotient at X = 1 (column 7).
void TableHint2(Drill& d) {
  const Pen end = RenderAt(d, 80, 288, 13, "比例定数は ﾀ" + d.T_s[7] + "/" + d.F_s[7] + "ﾀ=");
  RenderMore(d, end, 5, d.T_s[1]);
}

void TableHint3(Drill& d) {
  RenderAt(d, 96, 342, 15, "式は");
  RenderAt(d, 96, 378, 5, Formula(d));
}

// Problem 9: a = T(1) = 2..5; Y = T(2) at X = F(2) = 3..9.
Handoff StartPair(Drill& d) {
  BeginProblem(d, 480, 135);
  do {
    d.T[1] = RandomWhole(d, 2, 5);
    d.F[2] = RandomWhole(d, 3, 9);
  } while (RedrawNeeded(d, d.T[1]));
  d.T[2] = d.T[1] * d.F[2];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15, "YはXに比例し、X=" + d.F_s[2] + "のときY=" + d.T_s[2] + "である。");
  RenderAt(d, 96, 99, 15, "XとYの関係を式に表しなさい。");
  DrawProportionDefinition(d);
  return AskForAnswer(d, {.unit_texts = {" 式 ", "　", "  ", " 　"}, .expected = {Formula(d)}});
}

void PairHint1(Drill& d) {
  RenderAt(d, 80, 234, 13, "比例定数をAとすると、Y=AX");
  RenderAt(d, 80, 270, 15,
           "X=" + d.F_s[2] + "のとき Y=" + d.T_s[2] + "だから、これをY=AX に代入すると");
}

void PairHint2(Drill& d) {
  RenderAt(d, 80, 306, 15, d.T_s[2] + "=A*" + d.F_s[2]);
  RenderAt(d, 80, 342, 15, "A=ﾀ" + d.T_s[2] + "/" + d.F_s[2] + "ﾀ=" + d.T_s[1]);
}

void PairHint3(Drill& d) {
  RenderAt(d, 96, 396, 15, "したがって");
  RenderAt(d, 96, 432, 5, Formula(d));
}

// Problem 10: a = T(1) = −2..−5; Y = T(2) > 0 at X = F(2) = −3..−9; X = F(3) = 6..10 gives
// Y = T(3) < 0.
Handoff StartNegative(Drill& d) {
  BeginProblem(d, 640, 135);
  do {
    d.T[1] = -RandomWhole(d, 2, 5);
    d.F[2] = -RandomWhole(d, 3, 9);
    d.F[3] = RandomWhole(d, 6, 10);
  } while (RedrawNeeded(d, d.T[1]));
  d.T[2] = d.T[1] * d.F[2];
  d.T[3] = d.T[1] * d.F[3];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15, "YはXに比例し、X=" + d.F_s[2] + "のときY=" + d.T_s[2] + "である。");
  RenderAt(d, 64, 99, 15,
           "①XとYの関係を式に表しなさい。②Y=" + d.T_s[3] + "のときのXの値を求めなさい。");
  DrawProportionDefinition(d);
  return AskForAnswer(
      d, {.unit_texts = {" 式 ", "　,X= ", "  ", " 　"}, .expected = {Formula(d), d.F_s[3]}});
}

void NegativeHint1(Drill& d) {
  RenderAt(d, 80, 198, 13, "比例定数をAとすると、Y=AX");
  RenderAt(d, 80, 234, 15,
           "X=" + d.F_s[2] + "のとき Y=" + d.T_s[2] + "だから、これをY=AX に代入すると");
}

void NegativeHint2(Drill& d) {
  RenderAt(d, 80, 270, 15, d.T_s[2] + "=A*(" + d.F_s[2] + ")");
  RenderAt(d, 80, 306, 15, "A=ﾀ" + d.T_s[2] + "/" + d.F_s[2] + "ﾀ=" + d.T_s[1]);
  RenderAt(d, 96, 360, 15, "したがって");
  RenderAt(d, 96, 396, 5, Formula(d));
}

void NegativeHint3(Drill& d) {
  RenderAt(d, 80, 450, 15, "この式に Y=" + d.T_s[3] + "を代入すると");
  RenderAt(d, 80, 486, 15, d.T_s[3] + "=" + d.T_s[1] + "X");
  const Pen end = RenderAt(d, 80, 522, 15, "X=ﾀ" + d.T_s[3] + "/" + d.T_s[1] + "ﾀ=");
  RenderMore(d, end, 5, d.F_s[3]);
}

}  // namespace

ProblemRoutines ConstantFromTableProblem() {
  return {StartTable, {TableHint1, TableHint2, TableHint3}};
}

ProblemRoutines FormulaFromPairProblem() {
  return {StartPair, {PairHint1, PairHint2, PairHint3}};
}

ProblemRoutines NegativeFormulaProblem() {
  return {StartNegative, {NegativeHint1, NegativeHint2, NegativeHint3}};
}

}  // namespace drill
