// Every problem of inverse-prop over every seed the clock can give, answered right and answered
// wrong: no text or figure is drawn over another.
#include "framework/testing/ink_audit.hpp"

#include "units/inverse-proportion/tests/lesson.hpp"

namespace drill::testing {
namespace {

// The keys at each wait: the table's points or four times a point off the curve (9, 10), a key
// after drawing and the self-judgement (11, 12), a typed answer (all others).
std::string Keys(const Drill& d, int wait, bool wrong) {
  if (d.IM == 9 || d.IM == 10) {
    if (wait > 0) return wait < 6 ? "{Space}" : "";
    return wrong ? PointKeys({{0, 1}, {0, 1}, {0, 1}, {0, 1}}) : RightKeys(d);
  }
  if (d.IM == 11 || d.IM == 12) return wait == 0 ? (wrong ? "{Space}0{Enter}" : RightKeys(d)) : "";
  return TypedAnswer(d, wait, wrong);
}

TEST(InkAudit, InverseProp) {
  InkAudit audit;
  AuditEveryProblem(audit, InversePropUnit(), Keys);
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
