// What every problem does at its start: clear the work area, badge and frame, number texts.
#include "framework/flow/flow.hpp"
#include "runtime/numbers.hpp"

namespace drill {

void ClearWorkArea(Runtime& rt) {
  rt.DrawLine(0, 54, 1440, 900, 0, Shape::Fill);
}

void DrawBadgeAndFrame(Runtime& rt, int problem, const ProblemFrame& frame) {
  // A one-digit number stands in the badge's middle.
  const float number_x = problem < 10 ? 12 : 4;
  rt.DrawFilledBox(4, frame.top, 4 + 32, frame.top + 36, 13, 8);
  rt.DrawTextAt(4, frame.top, "ＮＯ", 1, 1, 7);
  rt.DrawTextAt(number_x, frame.top + 18, NumberToText(static_cast<float>(problem)), 1, 1, 5);
  rt.DrawFilledBox(frame.left, frame.top - 4, frame.right, frame.bottom + 4, 13, 2);
}

NumberTextArray NumberTexts(const Array<float, 40>& numbers) {
  NumberTextArray texts;
  for (int i = 1; i <= 40; ++i) texts[i] = NumberText(numbers[i]);
  return texts;
}

}  // namespace drill
