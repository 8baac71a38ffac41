// Key flushing and the number entry of the start-number prompt.
#include "framework/errors/errors.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {

void FlushKeys(Drill& d) {
  d.rt.FlushKeys();
}

std::string WaitForFreshKey(Drill& d) {
  d.rt.FlushKeys();
  const TapScope taps(d, TapAnywhere(" "));
  std::string key;
  while ((key = d.rt.ReadKey()).empty()) {
  }
  return key;
}

void ReadNumber(Drill& d) {
  auto& rt = d.rt;
  d.XX = d.X1 = d.X;
  d.YY = d.Y1 = d.Y;
  d.AINP_s.clear();
  for (;;) {
    // The caret blinks as fast as the keyboard is polled.
    rt.DrawCircle(d.XX + 8, d.YY + 8, 4, 15, CircleFill::Filled);
    d.I_s = rt.ReadKey();
    if (d.I_s.empty()) {
      rt.DrawCircle(d.XX + 8, d.YY + 8, 4, 0, CircleFill::Filled);
      continue;
    }
    if (d.I_s == "\b") {
      // Backspace clears the whole entry.
      rt.DrawLine(d.X1 - 112, d.Y1 - 10, d.X1 - 112 + 480, d.Y1 - 10 + 30, 0, Shape::Fill);
      d.AINP_s.clear();
      d.XX = d.X1;
      d.YY = d.Y1;
      continue;
    }
    if (d.I_s == "\r") {
      d.A_s = d.AINP_s;
      d.AINP_s.clear();
      rt.DrawCircle(d.XX + 8, d.YY + 8, 4, 0, CircleFill::Filled);
      return;
    }
    rt.DrawCircle(d.XX + 8, d.YY + 8, 4, 0, CircleFill::Filled);
    RootState root = RootState::None;
    // Each echoed character moves the caret half a cell: the digits of a number stand tight.
    d.XX = DrawGlyphString(rt, {d.XX, d.YY, 13}, d.I_s, root) - 8;
    d.AINP_s += d.I_s;
  }
}

}  // namespace drill
