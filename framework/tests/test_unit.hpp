// A small unit that exists only in the tests: problem k asks for the number k (typed as digits)
// and its hints say which hint they are.
#pragma once

#include "framework/drill.hpp"
#include "framework/flow/flow.hpp"
#include "framework/renderer/renderer.hpp"
#include "framework/unit.hpp"
#include "runtime/numbers.hpp"

namespace drill::testing {

inline Handoff AskNumber(Drill& d, int k) {
  d.session.problem = k;
  ClearWorkArea(d.rt);
  DrawBadgeAndFrame(d.rt, d.session.problem, {48, 63, 640, 99});
  for (int i = 1; i <= 5; ++i) d.answer.units[i] = d.answer.blank_expected[1][i] = "";
  RenderAt(d, 64, 72, 15, "問題" + NumberText(static_cast<float>(k)));
  d.answer.blanks = 1;
  d.answer.units[0] = "  ";
  d.answer.units[1] = "　本　";
  d.answer.blank_expected[1][1] = NumberText(static_cast<float>(k));
  d.answer.expected = d.answer.blank_expected[1][1];
  d.answer.alternative1 = d.answer.alternative2 = "";
  return Handoff::Attempts();
}

template <int k>
Handoff Ask(Drill& d) {
  return AskNumber(d, k);
}
template <int s>
void Hint(Drill& d) {
  RenderAt(d, 80, 180 + 36.0f * s, 13, "ヒント" + NumberText(static_cast<float>(s)));
}

inline const UnitDefinition& TestUnit() {
  static const UnitDefinition unit{"test",
                                   "テスト",
                                   {{Ask<1>, {Hint<1>, Hint<2>, Hint<3>}},
                                    {Ask<2>, {Hint<1>, Hint<2>, Hint<3>}},
                                    {Ask<3>, {Hint<1>, Hint<2>, Hint<3>}},
                                    {Ask<4>, {Hint<1>, Hint<2>, Hint<3>}}}};
  return unit;
}

}  // namespace drill::testing
