// Problem 2: how many grams of sweets a sum buys, read from a table of weights and prices.
#include "units/proportion-applications/problem_template.hpp"

namespace drill {
namespace {

// The value table from x = 80: headings 3 glyphs wide; the prices reach four digits (7 yen ×
// 200 g), so the value cells are 4 glyphs wide.
constexpr int kHeadingWidth = 3, kValueWidth = 4;

void DrawRow(Drill& d, float y, const std::string& heading, const Array<std::string, 40>& cells) {
  const float x = DrawTableCells(d.rt, 80, y, {{heading}}, kHeadingWidth);
  DrawTableCells(d.rt, x, y, {{cells[2]}, {cells[3]}, {cells[4]}, {cells[5]}}, kValueWidth);
}

// T(1): yen per gram; T(2)..T(5): the table's weights; T(6): the grams asked for.
Handoff Start(Drill& d) {
  BeginProblem(d, 720, 144);
  do {
    d.T[1] = RandomWhole(d, 4, 7);
    d.T[2] = 10 * RandomWhole(d, 1, 5);
    d.T[6] = 10 * RandomWhole(d, 12, 16);
  } while (RedrawNeeded(d, d.T[1]));
  d.T[3] = 2 * d.T[2];
  d.T[4] = 3 * d.T[2];
  d.T[5] = 4 * d.T[2];
  for (int i = 2; i <= 6; ++i) d.F[i] = d.T[1] * d.T[i];
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 64, 72, 15,
           "お菓子を買うとき、その重さ Xｇと値段 Y円には次の表のような関係があります。");
  RenderAt(d, 96, 99, 15, d.F_s[6] + "円では何グラムのお菓子が買えますか。");
  DrawRow(d, 162, "X", d.T_s);
  DrawRow(d, 182, "Y", d.F_s);

  return AskForAnswer(d, {.unit_texts = {"  ", "　ｇ　", "  ", " 　"}, .expected = {d.T_s[6]}});
}

void Hint1(Drill& d) {
  // Right of the table, which ends at x = 80 + 16 × (3 + 4 × 4) = 384.
  RenderAt(
      d, 400, 180, 13,
      "Xが2倍、3倍、4倍になると、Yも2倍、3倍、4倍となっているから、YはXに比例すると考えられ、");
  RenderAt(d, 80, 216, 15, "Y=AX とおくことができる。");
  RenderAt(d, 80, 252, 15, "この式に、X=" + d.T_s[2] + ",Y=" + d.F_s[2] + " を代入して");
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 288, 15, d.F_s[2] + "=" + d.T_s[2] + "A");
  const Pen end = RenderAt(d, 80, 324, 15, "A=ﾀ" + d.F_s[2] + "/" + d.T_s[2] + "ﾀ=");
  RenderMore(d, end, 13, d.T_s[1]);
  RenderAt(d, 80, 360, 13, "したがって、Y=" + d.T_s[1] + "X");
  RenderAt(d, 80, 414, 15, "この式に、Y=" + d.F_s[6] + "を代入して");
}

void Hint3(Drill& d) {
  RenderAt(d, 80, 450, 15, d.F_s[6] + "=" + d.T_s[1] + "X");
  RenderAt(d, 80, 504, 15, "X=ﾀ" + d.F_s[6] + "/" + d.T_s[1] + "ﾀ=" + d.T_s[6]);
  RenderAt(d, 80, 540, 5, "答え　" + d.T_s[6] + "ｇ");
}

}  // namespace

ProblemRoutines SweetsProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
