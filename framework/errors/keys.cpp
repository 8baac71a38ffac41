// Key flushing and the number entry of the start-number prompt.
#include "framework/errors/errors.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/key_names.hpp"

namespace drill {

std::string WaitForFreshKey(Runtime& rt) {
  rt.FlushKeys();
  const TapScope taps(rt, TapAnywhere(" "));
  std::string key;
  while ((key = rt.ReadKey()).empty()) {
  }
  return key;
}

std::string ReadNumber(Runtime& rt, float x, float y, std::vector<TapChoice> prompt) {
  float caret_x = x;
  std::string typed;
  const TapScope taps(rt, TapOnNumberPrompt(typed, std::move(prompt)));
  for (;;) {
    // The caret blinks as fast as the keyboard is polled.
    rt.DrawCircle(caret_x + 8, y + 8, 4, 15, CircleFill::Filled);
    const std::string key = rt.ReadKey();
    if (key.empty()) {
      rt.DrawCircle(caret_x + 8, y + 8, 4, 0, CircleFill::Filled);
      continue;
    }
    if (key == kBackspace) {
      // Backspace clears the whole entry.
      rt.DrawLine(x - 112, y - 10, x - 112 + 480, y - 10 + 30, 0, Shape::Fill);
      typed.clear();
      caret_x = x;
      continue;
    }
    if (key == kEnter) {
      rt.DrawCircle(caret_x + 8, y + 8, 4, 0, CircleFill::Filled);
      return typed;
    }
    rt.DrawCircle(caret_x + 8, y + 8, 4, 0, CircleFill::Filled);
    RootState root = RootState::None;
    // Each echoed character moves the caret half a cell: the digits of a number stand tight.
    caret_x = DrawGlyphString(rt, {caret_x, y, 13}, key, root) - 8;
    typed += key;
  }
}

}  // namespace drill
