// A practice series and its results strip: first-try marks and run counts per problem.
#include <optional>

#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"
#include "runtime/numbers.hpp"

namespace drill {
Next SeriesStart(Drill& d, int start) {
  if (d.taking_up_series) {
    // The kept series goes on where it was: its marks stay, and so do its counts.
    d.taking_up_series = false;
    DrawKeptStrip(d);
    for (int k = 1; k <= d.unit.ProblemCount(); ++k) {
      const ProblemRecord& cell = d.record.strip.at(static_cast<size_t>(k - 1));
      d.first_try_written[k] = cell.first_try == FirstTry::None ? 0 : 1;
      d.completed[k] = cell.runs > 0 ? 1 : 0;
    }
    d.run_count = d.record.strip.at(static_cast<size_t>(start - 1)).runs;
    d.rt.FlushKeys();
    return {Next::Stage::Problem, start};
  }
  d.series_count += 1;
  DrawResultsStrip(d);
  for (int k = 1; k <= d.unit.ProblemCount(); ++k) d.completed[k] = d.first_try_written[k] = 0;
  if (!d.record.Started()) {
    d.record.date = d.rt.Today();
    d.record.start_time = d.rt.ClockText();
  }
  d.record.series = d.series_count;
  d.record.strip.assign(static_cast<size_t>(d.unit.ProblemCount()), ProblemRecord{});
  KeepSessionRecord(d);
  d.rt.FlushKeys();
  return {Next::Stage::Problem, start};
}

void DrawKeptStrip(Drill& d) {
  DrawResultsStrip(d);
  for (int k = 1; k <= d.unit.ProblemCount(); ++k) {
    const ProblemRecord& cell = d.record.strip.at(static_cast<size_t>(k - 1));
    if (cell.first_try != FirstTry::None)
      DrawFirstTryMark(d.rt, k,
                       cell.first_try == FirstTry::Right ? Judgement::Right : Judgement::Wrong);
    if (cell.runs > 0) DrawRunCount(d.rt, k, cell.runs > 9 ? 9 : cell.runs);
  }
}

void TakeUpKeptSession(Drill& d) {
  std::optional<SessionRecord> kept = d.rt.UnfinishedRecord(d.unit.program, d.unit.ProblemCount());
  if (!kept || kept->ended || !kept->Started() || kept->program != d.unit.program) return;
  d.record = std::move(*kept);
  d.record.title = d.unit.title;
  d.record.problem_in_progress = 0;
  d.series_count = d.record.series;
  d.taking_up_series = true;
}

void EndSession(Drill& d) {
  if (!d.record.Started()) return;
  d.record.problem_in_progress = 0;
  d.record.ended = true;
  KeepSessionRecord(d);
}

void DrawResultsStrip(Drill& d) {
  const int count = d.unit.ProblemCount();
  if (count < 3 || count > 29) return;
  auto& rt = d.rt;
  const float right = ResultsCellLeft(count + 1);
  // Down to the foot of the run counts, which a series before may have written.
  rt.DrawLine(220, 0, right, kRunCountBottom, 0, Shape::Fill);
  rt.DrawLine(240, 0, right, 32, 1, Shape::Box);
  rt.DrawLine(240, 18, right, 18, 1, Shape::Box);
  rt.MoveTextCursor(27, 0);
  rt.PrintNumberFormatted("##", static_cast<float>(d.series_count));
  rt.DrawTextAt(220, 18, "回", 1, 1, 11);
  for (int k = 1; k <= count - 1; ++k)
    rt.DrawLine(ResultsCellLeft(k + 1), 0, ResultsCellLeft(k + 1), 32, 1);
  rt.DrawTextAt(244, 0, "1", 1, 1, 11);
  for (int k = 2; k <= d.unit.ProblemCount(); ++k) {
    const float x = k < 10 ? 220.0f + 16.0f * k : 215.0f + 16.0f * k;
    rt.DrawTextAt(x, 0, NumberToText(static_cast<float>(k)), 1, 1, 11);
  }
}

}  // namespace drill
