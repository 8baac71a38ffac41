// Runs a whole program headlessly with a key script and a fixed clock, and reads back its trace.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/menu/menu.hpp"
#include "runtime/headless.hpp"
#include "runtime/runtime.hpp"

namespace drill::testing {

struct Scenario {
  RunResult result = RunResult::Ended;
  std::vector<std::string> trace;

  // The trace lines that start with `prefix`.
  std::vector<std::string> Lines(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const auto& line : trace)
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
  }
  int Count(std::string_view prefix) const { return static_cast<int>(Lines(prefix).size()); }
  bool Has(std::string_view line) const {
    for (const auto& l : trace)
      if (l == line) return true;
    return false;
  }
  // Index of the first line equal to `line` at or after `from`, or -1.
  int IndexOf(std::string_view line, int from = 0) const {
    for (size_t i = static_cast<size_t>(from); i < trace.size(); ++i)
      if (trace[i] == line) return static_cast<int>(i);
    return -1;
  }
};

inline Scenario RunScenario(const UnitDefinition& unit, std::string_view keys,
                            std::string clock = "12:00:00") {
  auto script = ParseKeyScript(keys);
  EXPECT_TRUE(script.has_value()) << "bad key script: " << keys;
  HeadlessPlatform platform(script.value_or(std::vector<KeyPress>{}), std::move(clock));
  Runtime runtime(platform);
  std::ostringstream stream;
  runtime.SetTrace(&stream);
  Scenario run;
  run.result = RunDrill(runtime, unit);
  std::istringstream lines(stream.str());
  for (std::string line; std::getline(lines, line);) run.trace.push_back(line);
  return run;
}

inline std::string Repeat(std::string_view keys, int n) {
  std::string all;
  for (int i = 0; i < n; ++i) all += keys;
  return all;
}

}  // namespace drill::testing
