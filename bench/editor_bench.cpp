// Speed of one typed key in the answer editor: the glyph drawn (or taken back with Backspace) and
// the changed rows presented before the next key.
#include <chrono>
#include <string>

#include "bench/bench_support.hpp"
#include "framework/editor/editor.hpp"
#include "units/proportion-applications/unit.hpp"

namespace drill {
namespace {

constexpr int kKeys = 20;  // keys typed into the blank before its Enter

void TypedKeyStepOfEditor(benchmark::State& state) {
  // A digit and Backspace by turns, and Enter after kKeys of them.
  KeyFeeder keys([](long n) -> std::string {
    if ((n + 1) % (kKeys + 1) == 0) return "\r";
    return n % 2 == 0 ? "7" : "\b";
  });
  Runtime rt(keys);
  Drill d(rt, PropApplyUnit());
  d.answer.blanks = 1;
  d.answer.units[1] = "　本　";
  d.answer.blank_expected[1][1] = d.answer.expected = "12";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    AnswerEntry(d.rt, d.answer, 0);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(spent.count() / (kKeys + 1));
  }
}
BENCHMARK(TypedKeyStepOfEditor)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drill
