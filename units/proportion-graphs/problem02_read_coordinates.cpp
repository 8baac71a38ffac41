// Problem 2: the pupil reads the coordinates of four plotted points, one in each quadrant.
#include <string>

#include "units/proportion-graphs/shared_steps.hpp"

namespace drill {
namespace {

Handoff Start(Drill& d) {
  BeginProblem(d, 480, 108);
  DrawFourPoints(d);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);

  RenderAt(d, 80, 72, 15, "点Ａ、点Ｂ、点Ｃ、点Ｄの座標を求めなさい。");
  static const char* const kNames[] = {"Ａ", "Ｂ", "Ｃ", "Ｄ"};
  // Each point redraws the plane first and keeps the points before it.
  for (int k = 1; k <= 4; ++k) {
    const Plane plane = DrawStandardPlane(d.rt);
    PlotLabelledPoint(d.rt, plane, {d.T[k], d.F[k]}, 9, kNames[k - 1]);
  }
  return AskForAnswer(d, {.unit_texts = {" Ａ", " Ｂ", " Ｃ", " Ｄ"},
                          .expected = {CoordinateText(d, 1), CoordinateText(d, 2),
                                       CoordinateText(d, 3), CoordinateText(d, 4)}});
}

void Hint1(Drill& d) {
  RenderAt(d, 80, 180, 15, "(A,B)のAがX座標、BがY座標");
}

void Hint2(Drill& d) {
  RenderAt(d, 80, 216, 15, "Ａの座標は、" + CoordinateText(d, 1));
}

void Hint3(Drill& d) {
  RenderAt(d, 80, 252, 15, "他の点の座標は、");
  RenderAt(
      d, 80, 288, 15,
      "Ｂ" + CoordinateText(d, 2) + "　Ｃ" + CoordinateText(d, 3) + "  Ｄ" + CoordinateText(d, 4));
}

}  // namespace

ProblemRoutines ReadCoordinatesProblem() {
  return {Start, {Hint1, Hint2, Hint3}};
}

}  // namespace drill
