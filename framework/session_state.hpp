// The session's lasting state: the sequence of problems, the results strip of the series and the
// record the teacher collects. The menu and the question flow work on it; problems read it.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/unit.hpp"
#include "runtime/session_record.hpp"

namespace drill {

// An array whose bound is set at run time (per problem, bounded by the unit's problem count);
// an index outside it is a run-time error, which the error trap turns into the error screen.
template <typename T>
class DynamicArray {
 public:
  void Create(int bound) { items_.assign(static_cast<size_t>(bound + 1), T{}); }
  T& operator[](int i) {
    if (i < 0 || static_cast<size_t>(i) >= items_.size())
      throw std::out_of_range("index " + std::to_string(i) + " out of range");
    return items_[static_cast<size_t>(i)];
  }

 private:
  std::vector<T> items_;
};

struct SessionState {
  // The problem count, and so the size of the strip's arrays, comes from the unit's table.
  explicit SessionState(const UnitDefinition& unit) {
    completed.Create(unit.ProblemCount());
    first_try_written.Create(unit.ProblemCount());
    record = NewSessionRecord(unit.program, unit.title, unit.ProblemCount());
  }

  // The sequence of problems.
  int problem = 0;       // the problem running now: its slot in the unit's table
  bool looking = false;  // the look-at-problems mode: problems are shown, not asked
  int look_next = 0;     // the problem that mode shows next
  int series_count = 0;  // practice series begun in this session, shown left of the strip

  // The results strip of the series.
  DynamicArray<float> completed;          // 1 once problem k was worked through in this series
  DynamicArray<float> first_try_written;  // 1 once problem k's first-try mark is in the strip
  int run_count = 0;  // how often the current problem was worked through in this series

  // The session's record for the teacher, reported to the platform's keeper as it changes.
  SessionRecord record;
  // A kept session was taken up: its strip shows in the main menu, and the next practice start
  // goes on with its series instead of starting a new one.
  bool taking_up_series = false;
};

}  // namespace drill
