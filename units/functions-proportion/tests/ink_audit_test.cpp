// Every problem of func-prop over every seed the clock can give, answered right and answered wrong
// three times: no text or figure is drawn over another.
#include "framework/testing/ink_audit.hpp"

#include "units/functions-proportion/unit.hpp"

namespace drill::testing {
namespace {

TEST(InkAudit, FuncProp) {
  InkAudit audit;
  AuditEveryProblem(audit, FuncPropUnit(), [](const Drill& d, int wait, bool wrong) {
    // Problem 3 waits for a key before it shows its graph.
    const int before = d.IM == 3 ? 1 : 0;
    return wait < before ? std::string("{Space}") : TypedAnswer(d, wait - before, wrong);
  });
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
