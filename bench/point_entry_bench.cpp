// Speed of one arrow-key step of the point entry, as a held-down arrow key repeats it: the
// marker erased, the plane and every fixed point redrawn, the marker drawn again, and the surface
// turned into colours for presenting before the next key.
#include <chrono>
#include <string>

#include "bench/bench_support.hpp"
#include "framework/planes/planes.hpp"
#include "units/proportion-graphs/unit.hpp"

namespace drill {
namespace {

constexpr int kArrows = 19;  // arrow keys a point entry takes before its Enter

// The heaviest entry of the drills: the last of seven named points, six fixed already. Each
// iteration is timed per key: kArrows arrow steps and the Enter step.
void ArrowKeyStepOfPointEntry(benchmark::State& state) {
  // The right and left arrows by turns, and Enter after kArrows of them.
  KeyFeeder keys([](long n) -> std::string {
    if ((n + 1) % (kArrows + 1) == 0) return "\r";
    return n % 2 == 0 ? "\x1c" : "\x1d";
  });
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
