// Problem 1: four situations in shuffled order; for each the pupil says whether Y is a function
// of X (1) or not (0).
#include <utility>

#include "units/functions-proportion/problems.hpp"

namespace drill {
namespace {

// T_s[11..14] hold the case texts in the order shown, F_s[1..4] the answer of each position.
void ShuffleCases(Drill& d) {
  for (int step = 0; step < 3; ++step) {
    const int top = static_cast<int>(RandomWhole(d, 11, 12));
    const int bottom = static_cast<int>(RandomWhole(d, 13, 14));
    // An answer travels with its text.
    std::swap(d.T_s[top], d.T_s[bottom]);
    std::swap(d.F_s[top - 10], d.F_s[bottom - 10]);
  }
}

// T(1) only enters the alternative answer of other units; this problem has no re-draw value.
Handoff Start(Drill& d) {
  BeginProblem(d, 960, 180);
  d.T[1] = RandomWhole(d, 2, 13);
  d.F[1] = 1;
  d.F[2] = 0;
  d.F[3] = 1;
  d.F[4] = 0;
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  // A square, a rectangle whose height is not fixed, stamps, a triangle whose height is not fixed.
  d.T_s[11] = "1辺がXｃｍの正方形の面積をYｃｍWとするとき";
  d.T_s[12] = "横の長さXｃｍの長方形の面積をYｃｍWとするとき";
  d.T_s[13] = "８０円切手をX枚買うときの代金をY円とするとき";
  d.T_s[14] = "底辺の長さがXｃｍの三角形の面積をYｃｍWとするとき";
  ShuffleCases(d);

  RenderAt(d, 80, 72, 15, "次の場合、YがXの関数なら１を、違うなら０を入れなさい。");
  // The second case of a line stands one glyph apart from the first.
  const float first_end = RenderAt(d, 80, 108, 15, "① " + d.T_s[11]).x;
  RenderAt(d, first_end + 16, 108, 15, "② " + d.T_s[12]);
  const float third_end = RenderAt(d, 80, 144, 15, "③ " + d.T_s[13]).x;
  RenderAt(d, third_end + 16, 144, 15, "④ " + d.T_s[14]);

  RenderAt(d, 880, 216, 13, "変数…いろいろな値を取る文字");
  RenderAt(d, 880, 252, 11, "「YはXの関数である」とは");
  RenderAt(d, 880, 288, 13, "ともなってかわる2つの変数X,Yがあって、Xの値を決めると、");
  RenderAt(d, 880, 324, 13, "それに対応してYの値がただ１つに決まるとき");

  DrawAnswerPrompt(d.rt, d.answer.line_x, d.answer.line_y, "関数なら１を、違うなら０を入力");
  return AskForAnswer(d, {.unit_texts = {" ① ", "　②　", " ③ ", " ④　"},
                          .expected = {d.F_s[1], d.F_s[2], d.F_s[3], d.F_s[4]}});
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 216, 13, "Xの値を決めるとYの値が1つに決まるかどうかで判断する。");
  RenderAt(d, 80, 252, 15, "長方形の横の長さを５ｃｍとすると、面積は１０ｃｍWかもしれないし、");
  RenderAt(d, 80, 288, 15, "３０ｃｍWかもしれないから、Yの値は1つに決まらない。");
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 342, 15, "底辺の長さを５ｃｍとすると、三角形の面積は１０ｃｍWかもしれないし、");
  RenderAt(d, 80, 378, 15, "３０ｃｍWかもしれないから、Yの値は1つに決まらない。");
}

void Hint3(Drill& d) {
  RenderAt(d, 80, 432, 15, "答えは、");
  RenderAt(d, 80, 468, 5, "①" + d.F_s[1] + ",②" + d.F_s[2] + ",③" + d.F_s[3] + ",④" + d.F_s[4]);
}

}  // namespace

ProblemRoutines FunctionCasesProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
