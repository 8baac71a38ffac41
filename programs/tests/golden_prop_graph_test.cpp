// The golden corpus of prop-graph, answered by a pupil who reads the screen.
#include "programs/tests/golden.hpp"
#include "units/proportion-graphs/tests/pupil.hpp"

namespace drill::testing {
namespace {

std::string PropGraphSeries(int seed, bool wrong) {
  Pupil pupil(seed);
  TraceHash trace;
  pupil.rt.SetTraceSink(trace.Sink(&pupil.out));
  for (int k = 1; k <= pupil.d.unit.ProblemCount(); ++k) PlayAsPupil(pupil, k, wrong);
  return trace.Line(wrong ? "wrong" : "right", seed, pupil.rt.surface());
}

TEST(Golden, PropGraph) {
  ExpectAsRecorded("prop-graph", PropGraphSeries);
}

}  // namespace
}  // namespace drill::testing
