// Problems 5 to 7: a situation in words (incense burning, apples bought, a triangle's area); the
// pupil writes Y as a formula in X and names the constant of proportion.
#include "units/functions-proportion/problems.hpp"

namespace drill {
namespace {

// The rest of every start once T(1), the constant, is drawn: the statement, the definition box
// and the answer Y = aX, a.
Handoff PoseSituation(Drill& d, const std::string& situation) {
  RenderAt(d, 64, 72, 15, situation);
  RenderAt(d, 96, 99, 15, "①YをXの式で表しなさい。 ②比例定数を求めなさい。");
  DrawProportionDefinition(d);
  return AskForAnswer(d, {.unit_texts = {" 式 ", "　比例定数　", "  ", " 　"},
                          .expected = {"Y=" + d.T_s[1] + "X", d.T_s[1]}});
}

// The last step of problems 5 and 6: the constant itself.
void ConstantAt270(Drill& d) {
  RenderAt(d, 96, 270, 15, "比例定数は");
  RenderAt(d, 96, 306, 5, d.T_s[1]);
}

void FormulaAt234(Drill& d) {
  RenderAt(d, 80, 234, 13, "Y=" + d.T_s[1] + "X");
}

// Problem 5: T(1) = 2.8 to 3.2 mm a minute.
Handoff StartIncense(Drill& d) {
  BeginProblem(d, 832, 135);
  do {
    d.T[1] = RandomWhole(d, 28, 32) / 10;
  } while (RedrawNeeded(d, d.T[1]));
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  return PoseSituation(
      d, "線香は1分間に" + d.T_s[1] +
             "ｍｍずつ燃えます。火をつけてから時間をX分、燃えた長さを　Yｍｍとするとき、");
}

void IncenseHint1(Drill& d) {
  RenderAt(d, 80, 180, 15,
           "1分間に" + d.T_s[1] + "ｍｍ燃えるから、X分間では　" + d.T_s[1] + "*X ｍｍ　燃える");
}

// Problem 6: T(1) = 120 to 160 yen an apple.
Handoff StartApples(Drill& d) {
  BeginProblem(d, 640, 135);
  do {
    d.T[1] = 10 * RandomWhole(d, 12, 16);
  } while (RedrawNeeded(d, d.T[1]));
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  return PoseSituation(d, "1個" + d.T_s[1] + "円のりんごを X個　買った時の代金を Y円とするとき、");
}

void ApplesHint1(Drill& d) {
  RenderAt(d, 80, 180, 15, "1個" + d.T_s[1] + "円だから、X個では　" + d.T_s[1] + "*X" + " " + "円");
}

// Problem 7: a triangle of height T(2) = 2·T(1), so its area is T(1)·X.
Handoff StartTriangle(Drill& d) {
  BeginProblem(d, 640, 135);
  do {
    d.T[1] = RandomWhole(d, 5, 9);
  } while (RedrawNeeded(d, d.T[1]));
  d.T[2] = 2 * d.T[1];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  return PoseSituation(
      d, "高さが" + d.T_s[2] + "ｃｍ、底辺が Xｃｍ　の三角形の面積を YｃｍWとするとき、");
}

void TriangleHint1(Drill& d) {
  RenderAt(d, 80, 180, 15, "（三角形の面積）＝ﾀ1/2ﾀ*（底辺）×（高さ）だから、");
}

void TriangleHint2(Drill& d) {
  RenderAt(d, 80, 234, 15, "Y=ﾀ1/2ﾀ*" + d.T_s[2] + "*X");
  RenderAt(d, 80, 288, 5, "Y=" + d.T_s[1] + "X");
}

void TriangleHint3(Drill& d) {
  RenderAt(d, 96, 342, 15, "比例定数は");
  RenderAt(d, 96, 378, 5, d.T_s[1]);
}

}  // namespace

ProblemRoutines IncenseProblem() {
  return {StartIncense, {IncenseHint1, FormulaAt234, ConstantAt270}};
}

ProblemRoutines ApplesProblem() {
  return {StartApples, {ApplesHint1, FormulaAt234, ConstantAt270}};
}

ProblemRoutines TriangleProblem() {
  return {StartTriangle, {TriangleHint1, TriangleHint2, TriangleHint3}};
}

}  // namespace drill
