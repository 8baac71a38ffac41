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
        pupil.answer_wrongly = wrong;
        pupil.rt.SetDrawObserver(&audit);
        audit.At(AuditPlace(unit.program, k, seed, wrong ? "wrong" : "right"));
        // A wrong typed answer is given at each of the three attempts, with Space after each hint;
        // the pupil reads the rest off the screen.
        const bool typed = k == 2 || (k >= 12 && k <= 16) || k == 19;
        int waits = 0;
        if (wrong && typed) {
          pupil.keys.on_wait = [&] { return TypedAnswer(pupil.d, waits++, true); };
        } else {
          auto read = pupil.keys.on_wait;
          pupil.keys.on_wait = [&, read] { return ++waits > 40 ? std::string() : read(); };
        }
        try {
          pupil.Run(k);
        } catch (const ScriptEnd&) {
        }
      }
    }
  }
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
