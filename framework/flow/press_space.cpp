// The press-space prompt between a hint and the next attempt.
#include "framework/errors/errors.hpp"
#include "framework/flow/flow.hpp"

namespace drill {

void PressSpacePrompt(Runtime& rt, float line_x, float line_y) {
  const float x = line_x + 88, y = line_y + 45;
  rt.DrawFilledBox(x, y, x + 168, y + 27, 13, 2);
  rt.DrawTextAt(x, line_y + 54, "スペース　キーを押す", 1, 1, 13);
  {
    const TapScope taps(rt, TapAnywhere(" "));
    while (rt.ReadKey() != " ") {
    }
  }
  rt.DrawLine(x, y, x + 168, y + 27, 0, Shape::Fill);
  // Nothing else is erased here: blanking the text rows 22 and 23 would cut into the hint lines
  // drawn there, since text and drawings share one surface.
  rt.FlushKeys();
}

}  // namespace drill
