// The problem's cell of the results strip: its first-try mark and its run count.
#include "framework/flow/flow.hpp"
#include "runtime/numbers.hpp"

namespace drill {

float ResultsCellLeft(int k) {
  return 240.0f + 16.0f * static_cast<float>(k - 1);
}

void DrawFirstTryMark(Drill& d, int k, int ff) {
  d.rt.DrawTextAt(ResultsCellLeft(k), 18, ff == 1 ? "×" : "○", 1, 1, 11);
}

void WriteFirstTryMark(Drill& d) {
  DrawFirstTryMark(d, d.IM, d.FF);
}

void KeepSessionRecord(Drill& d) {
  d.record.end_time = d.rt.ClockText();
  d.rt.KeepRecord(d.record);
}

void WriteRunCount(Drill& d) {
  if (d.JAKAI3 >= 10) d.JAKAI3 = 9;
  DrawRunCount(d, d.IM, d.JAKAI3);
}

void DrawRunCount(Drill& d, int k, int count) {
  const float x = ResultsCellLeft(k) + 4;
  // The old digit is wiped first: glyphs are drawn without a background, so a new digit written
  // over the old one would otherwise leave both on the screen.
  d.rt.DrawLine(x, kRunCountTop, x + 7, kRunCountBottom, 0, Shape::Fill);
  d.rt.DrawTextAt(x, kRunCountTop, NumberText(static_cast<float>(count)), 1, 1, 11);
}

void RecordFirstTry(Drill& d) {
  if (d.first_try_written[d.IM] != 0) return;
  WriteFirstTryMark(d);
  d.first_try_written[d.IM] = 1;
  d.JAKAI3 = 0;
  if (d.FMIRU != 0 || !d.record.Started()) return;
  const FirstTry mark = d.FF == 2 ? FirstTry::Right : FirstTry::Wrong;
  ProblemRecord& whole = d.record.problems.at(static_cast<size_t>(d.IM - 1));
  if (whole.first_try == FirstTry::None) whole.first_try = mark;
  d.record.strip.at(static_cast<size_t>(d.IM - 1)) = {mark, 0};
  KeepSessionRecord(d);
}

void RecordCompletion(Drill& d) {
  d.JAKAI3 += 1;
  WriteRunCount(d);
  d.SFU[d.IM] = 1;
  if (d.FMIRU != 0 || !d.record.Started()) return;
  d.record.problems.at(static_cast<size_t>(d.IM - 1)).runs += 1;
  d.record.strip.at(static_cast<size_t>(d.IM - 1)).runs = d.JAKAI3;
  d.record.problem_in_progress = 0;
  KeepSessionRecord(d);
}

void RecordJudgement(Drill& d, const std::string& judged_text) {
  if (d.rt.Tracing()) d.rt.Trace("judge " + std::to_string(d.FF) + " " + judged_text);
  RecordFirstTry(d);
  if (d.FF == 2) RecordCompletion(d);
}

}  // namespace drill
