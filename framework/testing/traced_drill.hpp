// A fresh drill context on the headless platform whose drawing calls are traced, for tests that
// call framework routines directly.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/drill.hpp"
#include "framework/unit.hpp"
#include "runtime/headless.hpp"

namespace drill::testing {

class TracedDrill : public ::testing::Test {
 protected:
  TracedDrill() { rt.SetTrace(&trace); }

  // The trace lines since the last ResetTrace that start with `kind` and a blank.
  std::vector<std::string> TraceLines(const std::string& kind) const {
    std::vector<std::string> out;
    std::istringstream in(trace.str());
    for (std::string line; std::getline(in, line);)
      if (line.rfind(kind + " ", 0) == 0) out.push_back(line);
    return out;
  }
  void ResetTrace() { trace.str(""); }

  HeadlessPlatform platform;
  Runtime rt{platform};
  UnitDefinition unit{"test", "テスト", {}};
  Drill d{rt, unit};
  std::ostringstream trace;
};

}  // namespace drill::testing
