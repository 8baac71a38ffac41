// Speed of inverse-prop's heaviest steps, each with the conversion for presenting: the last pass
// of problems 9 and 10 (1000 points a branch) and the full curve of problems 11 to 14.
#include "bench/bench_support.hpp"
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"
#include "units/inverse-proportion/unit.hpp"

namespace drill {
namespace {

struct InverseBench : Bench {
  InverseBench() : Bench(InversePropUnit()) {}
};

// The pass's two lines, the curve from 1001 dots a branch, the lines erased, and presenting.
void ThousandPointPassAndPresent(benchmark::State& state) {
  InverseBench b;
  for (auto _ : state) {
    // Before the pass: the bare plane, already shown.
    state.PauseTiming();
    b.rt.ClearScreen();
    const Plane plane = DrawStandardPlane(b.d.rt);
    b.Settle();
    state.ResumeTiming();
    RenderAt(b.d, 160, 306, 13, "点の個数を1000個にします。");
    RenderAt(b.d, 160, 360, 9, "何かキーを押して下さい。");
    DrawHyperbola(b.rt, plane, -8, 1000);
    b.rt.DrawLine(160, 306, 608, 396, 0, Shape::Fill);
    b.Present();
  }
}
BENCHMARK(ThousandPointPassAndPresent)->Unit(benchmark::kMicrosecond);

// Problems 11 to 14: the plane and the whole curve, 1,000 steps a branch, then presenting.
void PlaneWithFullHyperbolaAndPresent(benchmark::State& state) {
  InverseBench b;
  for (auto _ : state) {
    state.PauseTiming();
    b.rt.ClearScreen();
    b.Settle();
    state.ResumeTiming();
    const Plane plane = DrawStandardPlane(b.d.rt);
    DrawHyperbola(b.rt, plane, 30, 1000);
    b.Present();
  }
}
BENCHMARK(PlaneWithFullHyperbolaAndPresent)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drill
