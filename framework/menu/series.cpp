// A practice series and its results strip: first-try marks and run counts per problem.
#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"
#include "runtime/numbers.hpp"

namespace drill {
Next SeriesStart(Drill& d) {
  d.JALKAI += 1;
  DrawResultsStrip(d);
  for (int k = 1; k <= d.SAIGO; ++k) d.SFU[k] = d.first_try_written[k] = 0;
  FlushKeys(d);
  // A start number with a fractional part starts the whole problem below it.
  return {Next::Stage::Problem, static_cast<int>(IntPart(ToNumber(d.TAI_s)))};
}

void DrawResultsStrip(Drill& d) {
  if (d.SAIGO < 3 || d.SAIGO > 29) return;
  auto& rt = d.rt;
  const float right = ResultsCellLeft(d.SAIGO + 1);
  // Down to the foot of the run counts, which a series before may have written.
  rt.DrawLine(220, 0, right, kRunCountBottom, 0, Shape::Fill);
  rt.DrawLine(240, 0, right, 32, 1, Shape::Box);
  rt.DrawLine(240, 18, right, 18, 1, Shape::Box);
  rt.MoveTextCursor(27, 0);
  rt.PrintNumberFormatted("##", static_cast<float>(d.JALKAI));
  rt.DrawTextAt(220, 18, "回", 1, 1, 11);
  for (int k = 1; k <= d.SAIGO - 1; ++k)
    rt.DrawLine(ResultsCellLeft(k + 1), 0, ResultsCellLeft(k + 1), 32, 1);
  rt.DrawTextAt(244, 0, "1", 1, 1, 11);
  for (int k = 2; k <= d.SAIGO; ++k) {
    const float x = k < 10 ? 220.0f + 16.0f * k : 215.0f + 16.0f * k;
    rt.DrawTextAt(x, 0, NumberToText(static_cast<float>(k)), 1, 1, 11);
  }
}

}  // namespace drill
