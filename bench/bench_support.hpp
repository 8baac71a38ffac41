// What every benchmark needs: a drill on the headless platform, and presenting as the window does
// it (find the rows that changed since the last present, convert only those).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "framework/drill.hpp"
#include "runtime/headless.hpp"
#include "runtime/pixels.hpp"
#include "runtime/present_gate.hpp"

namespace drill {

struct Bench {
  explicit Bench(const UnitDefinition& unit) : d(rt, unit) {}

  HeadlessPlatform platform;
  Runtime rt{platform};
  Drill d;
  PresentGate gate{std::chrono::milliseconds(0)};
  std::vector<std::uint32_t> argb = std::vector<std::uint32_t>(kSurfaceWidth * kSurfaceHeight);

  // The window's work for one frame after a step: compare, convert the changed rows.
  void Present() {
    const auto now = PresentGate::Clock::now();
    if (gate.Check(rt.surface(), now) != PresentGate::Verdict::Present) return;
    const PresentGate::Rows rows = gate.changed();
    ToArgbRows(rt.surface(), rows.first, rows.count, argb);
    gate.Presented(rt.surface(), now);
    benchmark::DoNotOptimize(argb.data());
  }
  // The screen as shown: everything drawn so far counts as presented.
  void Settle() {
    gate.Check(rt.surface(), PresentGate::Clock::now());
    gate.Presented(rt.surface(), PresentGate::Clock::now());
  }
};

}  // namespace drill
