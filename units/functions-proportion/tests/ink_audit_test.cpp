// Every problem of func-prop over every seed the clock can give, answered right and answered wrong
// three times: no text or figure is drawn over another.
#include "framework/testing/ink_audit.hpp"

#include "units/functions-proportion/unit.hpp"

namespace drill::testing {
namespace {

TEST(InkAudit, FuncProp) {
  InkAudit audit;
  const UnitDefinition& unit = FuncPropUnit();
  for (int k = 1; k <= unit.ProblemCount(); ++k) {
    for (const int seed : AuditSeeds()) {
      for (const bool wrong : {false, true}) {
        Session s(unit, seed);
        // Only the course of the drill is traced: the audit watches the drawing itself.
        s.rt.SetTrace(&s.out, Runtime::TraceDetail::EventsOnly);
        s.rt.SetDrawObserver(&audit);
        audit.At(AuditPlace(unit.program, k, seed, wrong ? "wrong" : "right"));
        // Problem 3 waits for a key before it shows its graph.
        const int before = k == 3 ? 1 : 0;
        PlayProblem(s, k, [wrong, before](const Drill& d, int wait) -> std::string {
          if (wait < before) return "{Space}";
          return TypedAnswer(d, wait - before, wrong);
        });
      }
    }
  }
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
