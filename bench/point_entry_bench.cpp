// Speed of one arrow-key step of the point entry, as a held-down arrow key repeats it: the
// marker erased, the plane and every fixed point redrawn, the marker drawn again, and the surface
// turned into colours for presenting before the next key.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "framework/drill.hpp"
#include "framework/planes/planes.hpp"
#include "runtime/pixels.hpp"
#include "runtime/present_gate.hpp"
#include "units/proportion-graphs/unit.hpp"

namespace drill {
namespace {

constexpr int kArrows = 19;  // arrow keys a point entry takes before its Enter

// A held-down arrow key: at every wait the surface is presented, then the next key comes: the
// right and left arrows by turns, and Enter after kArrows of them.
class HeldArrow : public Platform {
 public:
  void TakeKeys(std::deque<KeyPress>& keys) override {
    keys.insert(keys.end(), pending_.begin(), pending_.end());
    pending_.clear();
  }
  void Idle(const Surface& surface) override {
    // Presenting as the window does: only the rows that changed are converted.
    const auto now = PresentGate::Clock::now();
    if (gate_.Check(surface, now) == PresentGate::Verdict::Present) {
      const PresentGate::Rows rows = gate_.changed();
      ToArgbRows(surface, rows.first, rows.count, argb_);
      gate_.Presented(surface, now);
    }
    benchmark::DoNotOptimize(argb_.data());
    ++keys_;
    const bool last = keys_ % (kArrows + 1) == 0;
    pending_.push_back({0, last ? "\r" : (keys_ % 2 == 1 ? "\x1c" : "\x1d")});
  }
  std::string ClockText() override { return "12:00:00"; }

 private:
  std::vector<std::uint32_t> argb_ = std::vector<std::uint32_t>(kSurfaceWidth * kSurfaceHeight);
  std::deque<KeyPress> pending_;
  PresentGate gate_{std::chrono::milliseconds(0)};
  long keys_ = 0;
};

// The heaviest entry of the drills: the last of seven named points, six fixed already. Each
// iteration is timed per key: kArrows arrow steps and the Enter step.
void ArrowKeyStepOfPointEntry(benchmark::State& state) {
  HeldArrow keys;
  Runtime rt(keys);
  Drill d(rt, PropGraphUnit());
  DrawStandardPlane(d);
  for (int k = 11; k <= 17; ++k) d.T_s[k] = "Ａ";
  for (auto _ : state) {
    for (int k = 1; k <= 6; ++k) {
      d.G[1][k] = d.GX0 + 16.0f * static_cast<float>(k - 3);
      d.G[2][k] = d.GY0 - 32.0f * static_cast<float>(k - 3);
    }
    d.P1 = 6;
    d.KOSUU = 7;
    d.HYOUJI = 1;
    d.GX = d.GX0;
    d.GY = d.GY0;
    const auto start = std::chrono::steady_clock::now();
    EnterPoints(d);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(spent.count() / (kArrows + 1));
  }
}
BENCHMARK(ArrowKeyStepOfPointEntry)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drill
