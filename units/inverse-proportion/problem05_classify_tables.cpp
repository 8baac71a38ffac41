// Problem 5: three tables, one of inverse proportion, one of proportion and one of neither, in a
// shuffled order; the pupil types each table's type code.
#include <utility>

#include "units/inverse-proportion/problems.hpp"

namespace drill {
namespace {

const std::string kStatement =
    "次の①から③の表について、"
    "反比例の関係なら１を、比例なら２を、どちらでもなければ３を入力しなさい。";

// Type codes kept in F(10..12) for tables ① to ③.
constexpr float kInverse = 1, kProportion = 2;

// Exchanges tables p and q (0..2): their type codes and their three y values.
void ExchangeTables(Drill& d, int p, int q) {
  std::swap(d.F[10 + q], d.F[10 + p]);
  for (int i = 1; i <= 3; ++i) std::swap(d.T[3 * q + i], d.T[3 * p + i]);
}

std::string Verdict(float code) {
  if (code == kInverse) return "XY が一定で反比例";
  if (code == kProportion) return "ﾀY/Xﾀ　が一定で比例";
  return "XYもﾀY/Xﾀ　も一定にならない";
}

// T(10) the constant of the inverse proportion, T(11) the factor of the proportion, T(12) the
// shift that makes the third table neither; table j shows T(3(j-1)+1 .. 3(j-1)+3) at x = 1..3.
Handoff Start(Drill& d) {
  BeginProblem(d, 848, 90);
  do {
    d.T[10] = 6 * RandomWhole(d, 1, 6);
    d.T[11] = RandomWhole(d, 1, 4);
    d.T[12] = RandomWhole(d, 1, 5);
  } while (RedrawNeeded(d, d.T[10]));
  for (int i = 1; i <= 3; ++i) {
    const auto x = static_cast<float>(i);
    d.F[i] = x;
    d.T[i] = d.T[10] / x;
    d.T[i + 3] = d.T[11] * x;
    d.T[i + 6] = d.T[11] * x + d.T[12];
  }
  d.F[10] = kInverse;
  d.F[11] = kProportion;
  d.F[12] = 3;
  // Two exchanges of random tables; picking the same table twice leaves the order as it is.
  for (int shuffle = 0; shuffle < 2; ++shuffle) {
    const auto p = static_cast<int>(RandomWhole(d, 0, 2));
    const auto q = static_cast<int>(RandomWhole(d, 0, 2));
    ExchangeTables(d, p, q);
  }
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  // Made after the number-text step, which would otherwise overwrite them with number texts.
  for (int j = 0; j < 3; ++j) d.F_s[15 + j] = Verdict(d.F[10 + j]);

  RenderAt(d, 64, 72, 15, kStatement);
  DrawSideNote(d, SideNote::NamesTheConstant);
  const char* const labels[] = {"①", "②", "③"};
  for (int j = 0; j < 3; ++j) {
    const float left = 80 + 240 * static_cast<float>(j);
    RenderAt(d, left - 24, 180, 13, labels[j]);
    DrawTableCells(d.rt, left, 180, {{"X"}, {d.F_s[1]}, {d.F_s[2]}, {d.F_s[3]}}, 3);
    DrawTableCells(d.rt, left, 200,
                   {{"Y"}, {d.T_s[3 * j + 1]}, {d.T_s[3 * j + 2]}, {d.T_s[3 * j + 3]}}, 3);
  }
  return AskForAnswer(d, {.unit_texts = {" ① ", "　②　", " ③ ", " 　", " "},
                          .expected = {d.F_s[10], d.F_s[11], d.F_s[12]}});
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 288, 15, "比例なら　ﾀY/Xﾀ　が一定、反比例なら　XY が一定になる。");
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 342, 13, "①は、" + d.F_s[15]);
}

void Hint3(Drill& d) {
  RenderAt(d, 80, 396, 13, "②は、" + d.F_s[16]);
  RenderAt(d, 80, 450, 13, "③は、" + d.F_s[17]);
}

}  // namespace

ProblemRoutines ClassifyTablesProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
