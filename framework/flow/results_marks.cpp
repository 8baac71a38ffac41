// The problem's cell of the results strip: its first-try mark and its run count.
#include "framework/flow/flow.hpp"
#include "runtime/numbers.hpp"

namespace drill {

float ResultsCellLeft(int k) {
  return 240.0f + 16.0f * static_cast<float>(k - 1);
}

void DrawFirstTryMark(Runtime& rt, int k, Judgement judgement) {
  rt.DrawTextAt(ResultsCellLeft(k), 18, judgement == Judgement::Wrong ? "×" : "○", 1, 1, 11);
}

void KeepSessionRecord(Drill& d) {
  d.record.end_time = d.rt.ClockText();
  d.rt.KeepRecord(d.record);
}

void DrawRunCount(Runtime& rt, int k, int count) {
  const float x = ResultsCellLeft(k) + 4;
  // The old digit is wiped first: glyphs are drawn without a background, so a new digit written
  // over the old one would otherwise leave both on the screen.
  rt.DrawLine(x, kRunCountTop, x + 7, kRunCountBottom, 0, Shape::Fill);
  rt.DrawTextAt(x, kRunCountTop, NumberText(static_cast<float>(count)), 1, 1, 11);
}

void RecordFirstTry(Drill& d, Judgement judgement) {
  if (d.first_try_written[d.problem] != 0) return;
  DrawFirstTryMark(d.rt, d.problem, judgement);
  d.first_try_written[d.problem] = 1;
  d.run_count = 0;
  if (d.looking || !d.record.Started()) return;
  const FirstTry mark = judgement == Judgement::Right ? FirstTry::Right : FirstTry::Wrong;
  ProblemRecord& whole = d.record.problems.at(static_cast<size_t>(d.problem - 1));
  if (whole.first_try == FirstTry::None) whole.first_try = mark;
  d.record.strip.at(static_cast<size_t>(d.problem - 1)) = {mark, 0};
  KeepSessionRecord(d);
}

void RecordCompletion(Drill& d) {
  d.run_count += 1;
  // The strip's cell holds one digit.
  if (d.run_count >= 10) d.run_count = 9;
  DrawRunCount(d.rt, d.problem, d.run_count);
  d.completed[d.problem] = 1;
  if (d.looking || !d.record.Started()) return;
  d.record.problems.at(static_cast<size_t>(d.problem - 1)).runs += 1;
  d.record.strip.at(static_cast<size_t>(d.problem - 1)).runs = d.run_count;
  d.record.problem_in_progress = 0;
  KeepSessionRecord(d);
}

void RecordJudgement(Drill& d, Judgement judgement, const std::string& judged_text) {
  if (d.rt.Tracing())
    d.rt.Trace("judge " + std::to_string(TraceCode(judgement)) + " " + judged_text);
  RecordFirstTry(d, judgement);
  if (judgement == Judgement::Right) RecordCompletion(d);
}

}  // namespace drill
