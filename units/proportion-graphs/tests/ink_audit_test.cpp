// Every problem of prop-graph over every seed the clock can give, answered right and answered wrong
// by a pupil who reads the screen: no text or figure is drawn over another.
#include "framework/testing/ink_audit.hpp"

#include "units/proportion-graphs/tests/pupil.hpp"

namespace drill::testing {
namespace {

TEST(InkAudit, PropGraph) {
  InkAudit audit;
  const UnitDefinition& unit = PropGraphUnit();
  for (int k = 1; k <= unit.ProblemCount(); ++k) {
    for (const int seed : AuditSeeds()) {
      for (const bool wrong : {false, true}) {
        Pupil pupil(seed);
        pupil.rt.SetDrawObserver(&audit);
        audit.At(AuditPlace(unit.program, k, seed, wrong ? "wrong" : "right"));
        PlayAsPupil(pupil, k, wrong);
      }
    }
  }
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
