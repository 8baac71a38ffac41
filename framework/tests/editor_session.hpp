// One answer typed into the editor headlessly: a fresh drill with a problem's answer contract,
// a key script, and what the pupil saw (surface) and what was judged (trace).
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/drill.hpp"
#include "framework/editor/editor.hpp"
#include "framework/unit.hpp"
#include "runtime/headless.hpp"
#include "runtime/runtime.hpp"

namespace drill::testing {

enum class TraceMode { On, Off };

class EditorSession {
 public:
  explicit EditorSession(std::string_view keys, TraceMode mode = TraceMode::On)
      : platform_(Script(keys)), rt_(platform_), d(rt_, unit_) {
    // The function keys as start-up defines them.
    for (size_t i = 0; i < kFunctionKeyCodes.size(); ++i) {
      rt_.DefineFunctionKey(static_cast<int>(i) + 1, kFunctionKeyCodes[i]);
    }
    if (mode == TraceMode::On) rt_.SetTrace(&trace_);
    d.answer.blanks = 1;
    d.answer.units[1] = "　本　";
  }

  // Types the script; true when the answer was finished, false when the keys ran out first.
  bool Run() {
    try {
      outcome = AnswerEntry(d.rt, d.answer, 0);
      return true;
    } catch (const ScriptEnd&) {
      return false;
    }
  }

  std::vector<std::string> Trace() const {
    std::vector<std::string> lines;
    std::istringstream in(trace_.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  int IndexOf(std::string_view line, int from = 0) const {
    const auto lines = Trace();
    for (size_t i = static_cast<size_t>(from); i < lines.size(); ++i)
      if (lines[i] == line) return static_cast<int>(i);
    return -1;
  }
  bool Has(std::string_view line) const { return IndexOf(line) >= 0; }
  std::vector<std::string> Lines(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const auto& line : Trace())
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
  }
  const Surface& surface() const { return rt_.surface(); }

 private:
  static std::vector<KeyPress> Script(std::string_view keys) {
    auto script = ParseKeyScript(keys);
    EXPECT_TRUE(script.has_value()) << "bad key script: " << keys;
    return script.value_or(std::vector<KeyPress>{});
  }

  HeadlessPlatform platform_;
  Runtime rt_;
  UnitDefinition unit_{"test", "test", {}};
  std::ostringstream trace_;

 public:
  Drill d;
  AnswerOutcome outcome;  // what the finished answer gave
};

// The first pixel where two surfaces differ, as "x,y", or "" when they are equal.
inline std::string FirstDifference(const Surface& a, const Surface& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.At(x, y) != b.At(x, y))
        return std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(a.At(x, y)) +
               " vs " + std::to_string(b.At(x, y));
  return "";
}

}  // namespace drill::testing
