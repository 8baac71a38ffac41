// Every problem of func-prop over every seed the clock can give, answered right and answered wrong
// three times: no text or figure is drawn over another.
#include "framework/testing/ink_audit.hpp"

#include "units/functions-proportion/tests/answers.hpp"
#include "units/functions-proportion/unit.hpp"

namespace drill::testing {
namespace {

TEST(InkAudit, FuncProp) {
  InkAudit audit;
  AuditEveryProblem(audit, FuncPropUnit(), FuncPropAnswer);
  ExpectNoFindings(audit);
}

}  // namespace
}  // namespace drill::testing
