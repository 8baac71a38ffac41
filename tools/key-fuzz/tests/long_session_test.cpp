// A long session in one run of each program: whatever the keys, the sequencer neither grows the
// stack nor keeps memory from problem to problem.
#include <gtest/gtest.h>

#include <string>

#include "programs/program_list.hpp"
#include "tools/key-fuzz/key_stream.hpp"

namespace drill {
namespace {

TEST(LongSession, StackAndHeapStayAsAfterTheFirstHundredProblems) {
  for (const ProgramEntry& program : kPrograms) {
    SCOPED_TRACE(std::string(program.name));
    const SoakResult r = Soak(program.unit(), 600, 100, 7);
    EXPECT_FALSE(r.error_screen) << r.failure;
    EXPECT_EQ(r.problems, 600);
    EXPECT_GT(r.early_stack, 0);
    EXPECT_EQ(r.stack, r.early_stack);
    EXPECT_LE(r.heap, r.early_heap + 64 * 1024);
  }
}

}  // namespace
}  // namespace drill
