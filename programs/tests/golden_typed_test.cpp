// The golden corpus of the programs whose answers are typed from the drill's expected answer.
#include "programs/tests/golden.hpp"
#include "units/functions-proportion/tests/answers.hpp"
#include "units/inverse-proportion/tests/lesson.hpp"

namespace drill::testing {
namespace {

TEST(Golden, PropApply) {
  ExpectAsRecorded("prop-apply", [](int seed, bool wrong) {
    return SeriesSession(*FindProgramUnit("prop-apply"), seed, wrong, TypedAnswer);
  });
}

TEST(Golden, InverseProp) {
  ExpectAsRecorded("inverse-prop", [](int seed, bool wrong) {
    return SeriesSession(*FindProgramUnit("inverse-prop"), seed, wrong, InversePropAnswer);
  });
}

TEST(Golden, FuncProp) {
  ExpectAsRecorded("func-prop", [](int seed, bool wrong) {
    return SeriesSession(*FindProgramUnit("func-prop"), seed, wrong, FuncPropAnswer);
  });
}

}  // namespace
}  // namespace drill::testing
