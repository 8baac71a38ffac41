// Every problem of prop-apply over every seed the clock can give, answered right and answered wrong
// three times: no text or figure is drawn over another.
#include "framework/testing/ink_audit.hpp"

#include "units/proportion-applications/unit.hpp"

namespace drill::testing {
namespace {

TEST(InkAudit, PropApply) {
  InkAudit audit;
  AuditEveryProblem(audit, PropApplyUnit(), TypedAnswer);
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
