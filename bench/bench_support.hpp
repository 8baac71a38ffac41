// What every benchmark needs: a drill on the headless platform, and presenting as the window does
// it (find the rows that changed since the last present, convert only those).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
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

// Keys typed as fast as the program takes them, the screen presented as the window presents it
// before each: what a held-down key costs per step. `next(n)` gives the text of key n (0-based).
class KeyFeeder : public Platform {
 public:
  explicit KeyFeeder(std::function<std::string(long)> next) : next_(std::move(next)) {}

  void TakeKeys(std::deque<KeyPress>& keys) override {
    keys.insert(keys.end(), pending_.begin(), pending_.end());
    pending_.clear();
  }
  void Idle(const Surface& surface) override {
    const auto now = PresentGate::Clock::now();
    if (gate_.Check(surface, now) == PresentGate::Verdict::Present) {
      const PresentGate::Rows rows = gate_.changed();
      ToArgbRows(surface, rows.first, rows.count, argb_);
      gate_.Presented(surface, now);
    }
    benchmark::DoNotOptimize(argb_.data());
    pending_.push_back({0, next_(keys_++)});
  }
  std::string ClockText() override { return "12:00:00"; }

 private:
  std::function<std::string(long)> next_;
  std::vector<std::uint32_t> argb_ = std::vector<std::uint32_t>(kSurfaceWidth * kSurfaceHeight);
  std::deque<KeyPress> pending_;
  PresentGate gate_{std::chrono::milliseconds(0)};
  long keys_ = 0;
};

}  // namespace drill
