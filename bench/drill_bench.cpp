// Speed of the heaviest work: marked-up text, the main menu, the planes and curves, and turning
// the surface into colours for presenting it.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_support.hpp"
#include "framework/menu/menu.hpp"
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"
#include "units/proportion-applications/unit.hpp"

namespace drill {
namespace {

struct ApplyBench : Bench {
  ApplyBench() : Bench(PropApplyUnit()) {}
};

void RenderStatementLine(benchmark::State& state) {
  ApplyBench b;
  for (auto _ : state) {
    RenderAt(b.d, 64, 72, 15,
             "同じ大きさの釘がﾀ1250/5ﾀｇある。Y=ﾀA/Xﾀ とおくと、X=Q12ﾝ*ﾀQ3ﾝ/2ﾀ+VﾀXW/5ﾀ"
             "=ﾀ250/3ﾀ ｍ　分速ﾀ500/7ﾀｍ、Y=ﾀ3/4ﾀX (-10[X]10)");
  }
}
BENCHMARK(RenderStatementLine);

void MainMenuRedraw(benchmark::State& state) {
  for (auto _ : state) {
    // Start-up and one full drawing of the menu; the empty key script ends the run there.
    HeadlessPlatform platform;
    Runtime rt(platform);
    RunDrill(rt, PropApplyUnit());
    benchmark::DoNotOptimize(rt.surface().packed().data());
  }
}
BENCHMARK(MainMenuRedraw)->Unit(benchmark::kMicrosecond);

// A whole new screen: every row changed.
void ConvertWholeSurfaceForPresenting(benchmark::State& state) {
  ApplyBench b;
  for (auto _ : state) {
    b.gate.Invalidate();
    b.Present();
  }
}
BENCHMARK(ConvertWholeSurfaceForPresenting)->Unit(benchmark::kMicrosecond);

// Nothing changed since the last frame: only the comparison.
void PresentUnchangedSurface(benchmark::State& state) {
  ApplyBench b;
  b.Settle();
  for (auto _ : state) b.Present();
}
BENCHMARK(PresentUnchangedSurface)->Unit(benchmark::kMicrosecond);

void StandardPlaneAndPresent(benchmark::State& state) {
  ApplyBench b;
  for (auto _ : state) {
    DrawStandardPlane(b.d.rt);
    b.Present();
  }
}
BENCHMARK(StandardPlaneAndPresent)->Unit(benchmark::kMicrosecond);

void WalkSegmentAndPresent(benchmark::State& state) {
  ApplyBench b;
  const Plane plane = DrawWalkPlane(b.d.rt);
  for (auto _ : state) {
    DrawWalkSegment(b.rt, plane, {0, 0}, {72, 6000}, 9);  // 5001 discs
    b.Present();
  }
}
BENCHMARK(WalkSegmentAndPresent)->Unit(benchmark::kMicrosecond);

void RestrictedLineAndPresent(benchmark::State& state) {
  ApplyBench b;
  const Plane plane = DrawStandardPlane(b.d.rt);
  for (auto _ : state) {
    DrawRestrictedLine(b.rt, plane, 0.5f, 0, -4, 6, 15);
    b.Present();
  }
}
BENCHMARK(RestrictedLineAndPresent)->Unit(benchmark::kMicrosecond);

void HyperbolaAndPresent(benchmark::State& state) {
  ApplyBench b;
  const Plane plane = DrawStandardPlane(b.d.rt);
  for (auto _ : state) {
    DrawHyperbola(b.rt, plane, 6, 1000);  // 1001 dots a branch
    b.Present();
  }
}
BENCHMARK(HyperbolaAndPresent)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drill

BENCHMARK_MAIN();
