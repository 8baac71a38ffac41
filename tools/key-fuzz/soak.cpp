// One long session of each program on random keys: reports the problems it went through and
// whether the stack and the heap stayed as they were after the first hundred problems.
// Usage: soak [--problems N] [--seed S] [PROGRAM...]   (default 10000 problems, seed 1, every
// program)
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "programs/program_list.hpp"
#include "tools/key-fuzz/key_stream.hpp"
#include "tools/key-fuzz/tool_arguments.hpp"

int main(int argc, char** argv) {
  long long problems = 10000, seed = 1;
  std::vector<std::string_view> programs;
  if (!drill::ReadToolArguments(argc, argv, {{"--problems", &problems}, {"--seed", &seed}},
                                programs, "soak [--problems N] [--seed S] [PROGRAM...]"))
    return 2;

  bool ok = true;
  std::cout << "program\tproblems\tkeys\tstack after 100 (B)\tstack at end (B)\t"
               "heap after 100 (KiB)\theap at end (KiB)\n";
  for (const std::string_view name : programs) {
    const drill::SoakResult r =
        drill::Soak(*drill::FindProgramUnit(name), static_cast<int>(problems), 100,
                    static_cast<std::uint64_t>(seed));
    std::cout << name << '\t' << r.problems << '\t' << r.keys << '\t' << r.early_stack << '\t'
              << r.stack << '\t' << r.early_heap / 1024 << '\t' << r.heap / 1024 << '\n';
    if (r.error_screen) std::cout << "  " << r.failure << '\n';
    ok = ok && !r.error_screen && r.stack == r.early_stack;
  }
  return ok ? 0 : 1;
}
