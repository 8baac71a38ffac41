// Every problem of prop-apply over every seed the clock can give, answered right and answered wrong
// three times: no text or figure is drawn over another.
#include "framework/testing/ink_audit.hpp"

#include "units/proportion-applications/unit.hpp"

namespace drill::testing {
namespace {

TEST(InkAudit, PropApply) {
  InkAudit audit;
  const UnitDefinition& unit = PropApplyUnit();
  for (int k = 1; k <= unit.ProblemCount(); ++k) {
    for (const int seed : AuditSeeds()) {
      for (const bool wrong : {false, true}) {
        Session s(unit, seed);
        // Only the course of the drill is traced: the audit watches the drawing itself.
        s.rt.SetTrace(&s.out, Runtime::TraceDetail::EventsOnly);
        s.rt.SetDrawObserver(&audit);
        audit.At(AuditPlace(unit.program, k, seed, wrong ? "wrong" : "right"));
        PlayProblem(s, k,
                    [wrong](const Drill& d, int wait) { return TypedAnswer(d, wait, wrong); });
      }
    }
  }
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
