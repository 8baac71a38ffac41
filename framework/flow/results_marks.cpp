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

void KeepSessionRecord(Runtime& rt, SessionRecord& record) {
  record.end_time = rt.ClockText();
  rt.KeepRecord(record);
}

void DrawRunCount(Runtime& rt, int k, int count) {
  const float x = ResultsCellLeft(k) + 4;
  // The old digit is wiped first: glyphs are drawn without a background, so a new digit written
  // over the old one would otherwise leave both on the screen.
  rt.DrawLine(x, kRunCountTop, x + 7, kRunCountBottom, 0, Shape::Fill);
  rt.DrawTextAt(x, kRunCountTop, NumberText(static_cast<float>(count)), 1, 1, 11);
}

void RecordFirstTry(Runtime& rt, SessionState& session, Judgement judgement) {
  const int k = session.problem;
  if (session.first_try_written[k] != 0) return;
  DrawFirstTryMark(rt, k, judgement);
  session.first_try_written[k] = 1;
  session.run_count = 0;
  SessionRecord& record = session.record;
  if (session.looking || !record.Started()) return;
  const FirstTry mark = judgement == Judgement::Right ? FirstTry::Right : FirstTry::Wrong;
  ProblemRecord& whole = record.problems.at(static_cast<size_t>(k - 1));
  if (whole.first_try == FirstTry::None) whole.first_try = mark;
  record.strip.at(static_cast<size_t>(k - 1)) = {mark, 0};
  KeepSessionRecord(rt, record);
}

void RecordCompletion(Runtime& rt, SessionState& session) {
  const int k = session.problem;
  session.run_count += 1;
  // The strip's cell holds one digit.
  if (session.run_count >= 10) session.run_count = 9;
  DrawRunCount(rt, k, session.run_count);
  session.completed[k] = 1;
  SessionRecord& record = session.record;
  if (session.looking || !record.Started()) return;
  record.problems.at(static_cast<size_t>(k - 1)).runs += 1;
  record.strip.at(static_cast<size_t>(k - 1)).runs = session.run_count;
  record.problem_in_progress = 0;
  KeepSessionRecord(rt, record);
}

void RecordJudgement(Runtime& rt, SessionState& session, Judgement judgement,
                     const std::string& judged_text) {
  TraceJudgement(rt, judgement, judged_text);
  RecordFirstTry(rt, session, judgement);
  if (judgement == Judgement::Right) RecordCompletion(rt, session);
}

}  // namespace drill
