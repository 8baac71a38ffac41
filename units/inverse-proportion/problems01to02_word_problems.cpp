// Problems 1 and 2: the formula and the constant of an inverse proportion from a word problem, a
// rectangle of given area and a journey of given distance.
#include "units/inverse-proportion/problems.hpp"

namespace drill {
namespace {

const std::string kQuestions = "①YをXの式で表しなさい。 ②比例定数を求めなさい。";

// Both problems keep the constant, the area or the distance, in T(10) and ask for the formula
// and the constant.
Handoff AskFormulaAndConstant(Drill& d) {
  RenderAt(d, 96, 99, 15, kQuestions);
  DrawSideNote(d, SideNote::NamesTheConstant);
  return AskForAnswer(d, {.unit_texts = {" 式 ", "　比例定数　", "  ", " 　"},
                          .expected = {"Y=" + d.T_s[10] + "/X", d.T_s[10]}});
}

// Problem 1: T(1), F(1) the sides of a rectangle, never a square; T(10) its area.
Handoff Start1(Drill& d) {
  BeginProblem(d, 720, 144);
  do {
    d.T[1] = RandomWhole(d, 2, 4);
    d.F[1] = RandomWhole(d, 2, 4);
    d.T[10] = d.T[1] * d.F[1];
    // The square is tested first, so a rejected draw never becomes the re-draw value.
  } while (d.T[1] == d.F[1] || RedrawNeeded(d, d.T[10]));
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  RenderAt(d, 64, 72, 15,
           "面積が" + d.T_s[10] + "ｃｍWの長方形の横の長さをXｃｍ、縦の長さをYｃｍとするとき、");
  return AskFormulaAndConstant(d);
}

// Problem 2: T(1) km/h for F(1) hours; T(10) the distance in km.
Handoff Start2(Drill& d) {
  BeginProblem(d, 720, 144);
  do {
    d.T[1] = RandomWhole(d, 3, 5);
    d.F[1] = RandomWhole(d, 2, 4);
    d.T[10] = d.T[1] * d.F[1];
  } while (RedrawNeeded(d, d.T[10]));
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  RenderAt(d, 64, 72, 15,
           d.T_s[10] + "ｋｍの道のりを、時速Xｋｍで進むときに、かかる時間をY時間とするとき、");
  return AskFormulaAndConstant(d);
}

void Problem1Hint1(Drill& d) {
  RenderAt(d, 80, 180, 15, "（長方形の面積）＝（縦）×（横）　だから");
  RenderAt(d, 80, 216, 15, "X*Y=" + d.T_s[10]);
}

void Problem2Hint1(Drill& d) {
  RenderAt(d, 80, 180, 15, "（道のり）＝（速さ）×（時間）　だから");
  RenderAt(d, 80, 216, 15, "X*Y=" + d.T_s[10]);
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 270, 13, "Y=ﾀ" + d.T_s[10] + "/Xﾀ");
}

void Hint3(Drill& d) {
  RenderAt(d, 96, 306, 15, "比例定数は");
  RenderAt(d, 96, 342, 5, d.T_s[10]);
}

}  // namespace

ProblemRoutines RectangleProblem() {
  return {Start1, {Problem1Hint1, Hint2, Hint3}};
}
ProblemRoutines JourneyTimeProblem() {
  return {Start2, {Problem2Hint1, Hint2, Hint3}};
}

}  // namespace drill
