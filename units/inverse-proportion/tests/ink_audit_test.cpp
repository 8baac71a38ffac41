// Every problem of inverse-prop over every seed the clock can give, answered right and answered
// wrong: no text or figure is drawn over another.
#include "framework/testing/ink_audit.hpp"

#include "units/inverse-proportion/tests/lesson.hpp"

namespace drill::testing {
namespace {

TEST(InkAudit, InverseProp) {
  InkAudit audit;
  AuditEveryProblem(audit, InversePropUnit(), InversePropAnswer);
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
