// The context of a drill: the session's lasting state and the current problem's parameters. The
// problems' entry and hint routines receive it; the framework's routines take what they use.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/session_state.hpp"
#include "framework/unit.hpp"
#include "runtime/runtime.hpp"

namespace drill {

// An array with bound n (indexes 0..n); an index outside them is a run-time error, which the
// error trap turns into the error screen.
template <typename T, int Bound>
class Array {
 public:
  T& operator[](int i) { return items_[Check(i)]; }
  const T& operator[](int i) const { return items_[Check(i)]; }
  static constexpr int bound() { return Bound; }
  void Fill(const T& value) { items_.fill(value); }

 private:
  static size_t Check(int i) {
    if (i < 0 || i > Bound) throw std::out_of_range("index " + std::to_string(i) + " out of range");
    return static_cast<size_t>(i);
  }
  std::array<T, Bound + 1> items_{};
};

// The judgement of an answer; its value is the code the trace writes ("judge 2 …" for right).
enum class Judgement { Wrong = 1, Right = 2 };

inline int TraceCode(Judgement judgement) {
  return static_cast<int>(judgement);
}

// Traces a judgement and the text it judged: "judge 2 TEXT" (right) or "judge 1 TEXT" (wrong).
inline void TraceJudgement(Runtime& rt, Judgement judgement, const std::string& text) {
  if (rt.Tracing()) rt.Trace("judge " + std::to_string(TraceCode(judgement)) + " " + text);
}

// The answer contract: the problem fills it before the attempts; the attempt loop and the
// editor read it.
struct AnswerContract {
  std::string expected;      // the whole answer, its blanks' expected texts joined
  std::string alternative1;  // other accepted forms of the whole answer ("" for none)
  std::string alternative2;
  int blanks = 1;  // how many blanks the answer has (1..5)
  // [1][k] the expected text of blank k, [2][k] another accepted form of it ("" for none).
  Array<Array<std::string, 5>, 2> blank_expected;
  // [0] stands before the answer line's first blank, [k] after blank k (a unit such as "本").
  Array<std::string, 5> units;
  // Where the answer line starts: the first blank's cell is one cell right of it.
  float line_x = 480, line_y = 540;
};

struct Drill {
  Drill(Runtime& runtime, const UnitDefinition& unit) : rt(runtime), unit(unit), session(unit) {}

  Runtime& rt;
  const UnitDefinition& unit;

  // The current problem's parameters and their texts, indexed as the problem's statement does.
  Array<std::string, 40> F_s, T_s;
  Array<float, 40> F, T;

  // The sequence of problems, the results strip and the record: what lasts between problems.
  SessionState session;

  // The value that decided the last draw of a problem, so that the next draw differs from it.
  float previous_draw = 0;

  // The question flow and the answer.
  AnswerContract answer;  // what the current problem expects; the problem fills it
};

}  // namespace drill
