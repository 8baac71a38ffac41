// The problem's cell of the results strip: its first-try mark and its run count.
#include "framework/flow/flow.hpp"
#include "runtime/numbers.hpp"

namespace drill {

float ResultsCellLeft(int k) {
  return 240.0f + 16.0f * static_cast<float>(k - 1);
}

void WriteFirstTryMark(Drill& d) {
  d.rt.DrawTextAt(ResultsCellLeft(d.IM), 18, d.FF == 1 ? "×" : "○", 1, 1, 11);
}

void WriteRunCount(Drill& d) {
  if (d.JAKAI3 >= 10) d.JAKAI3 = 9;
  const float x = ResultsCellLeft(d.IM) + 4;
  // The old digit is wiped first: glyphs are drawn without a background, so a new digit written
  // over the old one would otherwise leave both on the screen.
  d.rt.DrawLine(x, kRunCountTop, x + 7, kRunCountBottom, 0, Shape::Fill);
  d.rt.DrawTextAt(x, kRunCountTop, NumberText(static_cast<float>(d.JAKAI3)), 1, 1, 11);
}

void RecordFirstTry(Drill& d) {
  if (d.first_try_written[d.IM] != 0) return;
  WriteFirstTryMark(d);
  d.first_try_written[d.IM] = 1;
  d.JAKAI3 = 0;
}

void RecordCompletion(Drill& d) {
  d.JAKAI3 += 1;
  WriteRunCount(d);
  d.SFU[d.IM] = 1;
}

void RecordJudgement(Drill& d, const std::string& judged_text) {
  if (d.rt.Tracing()) d.rt.Trace("judge " + std::to_string(d.FF) + " " + judged_text);
  RecordFirstTry(d);
  if (d.FF == 2) RecordCompletion(d);
}

}  // namespace drill
