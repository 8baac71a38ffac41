// What every problem does at its start: clear the work area, badge and frame, number texts.
#include "framework/flow/flow.hpp"
#include "runtime/numbers.hpp"

namespace drill {

void ClearWorkArea(Drill& d) {
  d.rt.DrawLine(0, 54, 1440, 900, 0, Shape::Fill);
}

void DrawBadgeAndFrame(Drill& d) {
  auto& rt = d.rt;
  d.XX = d.IM < 10 ? 12 : 4;
  rt.DrawFilledBox(4, d.WY1, 4 + 32, d.WY1 + 36, 13, 8);
  rt.DrawTextAt(4, d.WY1, "ＮＯ", 1, 1, 7);
  rt.DrawTextAt(d.XX, d.WY1 + 18, NumberToText(static_cast<float>(d.IM)), 1, 1, 5);
  rt.DrawFilledBox(d.WX1, d.WY1 - 4, d.WX2, d.WY2 + 4, 13, 2);
}

NumberTextArray NumberTexts(const Array<float, 40>& numbers) {
  NumberTextArray texts;
  for (int i = 1; i <= 40; ++i) texts[i] = NumberText(numbers[i]);
  return texts;
}

Handoff EnterAttemptLoop(Drill& d) {
  d.KAI = 0;
  return Handoff::Attempts();
}

}  // namespace drill
