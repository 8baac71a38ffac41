// Speed of one arrow-key step of the point entry, as a held-down arrow key repeats it: the
// marker erased, the plane and every fixed point redrawn, the marker drawn again, and the surface
// turned into colours for presenting before the next key.
#include <chrono>
#include <string>
#include <vector>

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
  const Plane plane = DrawStandardPlane(d.rt);
  PointRequest request{.count = 7,
                       .marker = {plane.origin_x, plane.origin_y},
                       .fixed = {},
                       .names = std::vector<std::string>(7, "Ａ")};
  for (int k = 1; k <= 6; ++k) {
    request.fixed.push_back({plane.origin_x + 16.0f * static_cast<float>(k - 3),
                             plane.origin_y - 32.0f * static_cast<float>(k - 3)});
  }
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    EnterPoints(rt, plane, request);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(spent.count() / (kArrows + 1));
  }
}
BENCHMARK(ArrowKeyStepOfPointEntry)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drill
