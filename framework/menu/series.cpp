// A practice series and its results strip: first-try marks and run counts per problem.
#include <optional>

#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"
#include "runtime/numbers.hpp"

namespace drill {

Next SeriesStart(Runtime& rt, const UnitDefinition& unit, SessionState& session, int start) {
  const int count = unit.ProblemCount();
  SessionRecord& record = session.record;
  if (session.taking_up_series) {
    // The kept series goes on where it was: its marks stay, and so do its counts.
    session.taking_up_series = false;
    DrawKeptStrip(rt, count, session);
    for (int k = 1; k <= count; ++k) {
      const ProblemRecord& cell = record.strip.at(static_cast<size_t>(k - 1));
      session.first_try_written[k] = cell.first_try == FirstTry::None ? 0 : 1;
      session.completed[k] = cell.runs > 0 ? 1 : 0;
    }
    session.run_count = record.strip.at(static_cast<size_t>(start - 1)).runs;
    rt.FlushKeys();
    return {Next::Stage::Problem, start};
  }
  session.series_count += 1;
  DrawResultsStrip(rt, count, session.series_count);
  for (int k = 1; k <= count; ++k) session.completed[k] = session.first_try_written[k] = 0;
  if (!record.Started()) {
    record.date = rt.Today();
    record.start_time = rt.ClockText();
  }
  record.series = session.series_count;
  record.strip.assign(static_cast<size_t>(count), ProblemRecord{});
  KeepSessionRecord(rt, record);
  rt.FlushKeys();
  return {Next::Stage::Problem, start};
}

void DrawKeptStrip(Runtime& rt, int problem_count, const SessionState& session) {
  DrawResultsStrip(rt, problem_count, session.series_count);
  for (int k = 1; k <= problem_count; ++k) {
    const ProblemRecord& cell = session.record.strip.at(static_cast<size_t>(k - 1));
    if (cell.first_try != FirstTry::None)
      DrawFirstTryMark(rt, k,
                       cell.first_try == FirstTry::Right ? Judgement::Right : Judgement::Wrong);
    if (cell.runs > 0) DrawRunCount(rt, k, cell.runs > 9 ? 9 : cell.runs);
  }
}

void TakeUpKeptSession(Runtime& rt, const UnitDefinition& unit, SessionState& session) {
  std::optional<SessionRecord> kept = rt.UnfinishedRecord(unit.program, unit.ProblemCount());
  if (!kept || kept->ended || !kept->Started() || kept->program != unit.program) return;
  session.record = std::move(*kept);
  session.record.title = unit.title;
  session.record.problem_in_progress = 0;
  session.series_count = session.record.series;
  session.taking_up_series = true;
}

void EndSession(Runtime& rt, SessionRecord& record) {
  if (!record.Started()) return;
  record.problem_in_progress = 0;
  record.ended = true;
  KeepSessionRecord(rt, record);
}

void DrawResultsStrip(Runtime& rt, int count, int series_count) {
  if (count < 3 || count > 29) return;
  const float right = ResultsCellLeft(count + 1);
  // Down to the foot of the run counts, which a series before may have written.
  rt.DrawLine(220, 0, right, kRunCountBottom, 0, Shape::Fill);
  rt.DrawLine(240, 0, right, 32, 1, Shape::Box);
  rt.DrawLine(240, 18, right, 18, 1, Shape::Box);
  rt.MoveTextCursor(27, 0);
  rt.PrintNumberFormatted("##", static_cast<float>(series_count));
  rt.DrawTextAt(220, 18, "回", 1, 1, 11);
  for (int k = 1; k <= count - 1; ++k)
    rt.DrawLine(ResultsCellLeft(k + 1), 0, ResultsCellLeft(k + 1), 32, 1);
  rt.DrawTextAt(244, 0, "1", 1, 1, 11);
  for (int k = 2; k <= count; ++k) {
    const float x = k < 10 ? 220.0f + 16.0f * k : 215.0f + 16.0f * k;
    rt.DrawTextAt(x, 0, NumberToText(static_cast<float>(k)), 1, 1, 11);
  }
}

}  // namespace drill
