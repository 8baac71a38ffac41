// Problem 4: the domain of X written with inequality signs, a ≦ X ≦ a + b and −a < X < b, with
// number lines in the hints.
#include "units/functions-proportion/problems.hpp"

namespace drill {
namespace {

// How the end points of a number line are drawn: a filled disc includes the end, an open circle
// leaves it out.
enum class Ends { Included, Excluded };

// The number line from x = 80 to 320 at height y, the domain from 128 to 272 and the two end
// numbers under their ends.
void DrawNumberLine(Drill& d, float y, Ends ends, const std::string& left,
                    const std::string& right) {
  d.rt.DrawLine(80, y, 320, y, 10);
  d.rt.DrawLine(128, y, 272, y, 9);
  for (const float x : {128.0f, 272.0f}) {
    if (ends == Ends::Included) {
      d.rt.DrawCircle(x, y, 4, 9, CircleFill::Filled);
    } else {
      // Blank out the line inside the circle, then the ring.
      d.rt.DrawCircle(x, y, 4, 0, CircleFill::Filled);
      d.rt.DrawCircle(x, y, 4, 9, CircleFill::Outline);
    }
  }
  RenderAt(d, 128, y + 8, 13, left);
  RenderAt(d, 272, y + 8, 13, right);
}

// a = T(1) (re-draw value), T(2) = −a, b = F(1), F(2) = a + b.
Handoff Start(Drill& d) {
  BeginProblem(d, 688, 144);
  do {
    d.T[1] = RandomWhole(d, 1, 3);
    d.F[1] = RandomWhole(d, 1, 3);
  } while (RedrawNeeded(d, d.T[1]));
  d.T[2] = -d.T[1];
  d.F[2] = d.T[1] + d.F[1];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 80, 72, 15, "Xの変域が、次の場合であるとき、不等号を使って表しなさい。");
  RenderAt(d, 80, 108, 15,
           "①　" + d.T_s[1] + "以上" + d.F_s[2] + "以下　　②" + d.T_s[2] + "より大きく" + d.F_s[1] +
               "未満");

  // The side box: what a domain is, and X ≧ 3 on a number line.
  RenderAt(d, 880, 180, 13, "変域…変数のとる値の範囲");
  RenderAt(d, 880, 216, 15, "Xの変域が3以上のとき…X]3　と表す");
  d.rt.DrawLine(880, 252, 1008, 252, 10);
  d.rt.DrawLine(928, 252, 1008, 252, 9);
  d.rt.DrawLine(1000, 244, 1008, 252, 9);
  d.rt.DrawLine(1008, 252, 1000, 260, 9);
  d.rt.DrawCircle(928, 252, 4, 9, CircleFill::Filled);
  RenderAt(d, 928, 260, 13, "3");

  // Each part may also be written from the other side: a + b ≧ X ≧ a, b > X > −a.
  return AskForAnswer(
      d, {.unit_texts = {" ① ", "　②　", "  ", " 　"},
          .expected = {d.T_s[1] + "[X[" + d.F_s[2], d.T_s[2] + "<X<" + d.F_s[1]},
          .also_accepted = {d.F_s[2] + "]X]" + d.T_s[1], d.F_s[1] + ">X>" + d.T_s[2]}});
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 180, 13, "数直線で表すと");
  DrawNumberLine(d, 216, Ends::Included, d.T_s[1], d.F_s[2]);
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 270, 5, d.answer.blank_expected[1][1]);
  DrawNumberLine(d, 324, Ends::Excluded, d.T_s[2], d.F_s[1]);
}

void Hint3(Drill& d) {
  RenderAt(d, 80, 378, 5, d.answer.blank_expected[1][2]);
}

}  // namespace

ProblemRoutines DomainProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
