// Runs random key streams through the programs and reports what they reached; exits 1 when any
// run reached the error screen.
// Usage: key-fuzz [--keys N] [--seed S] [PROGRAM...]   (default: 100000 keys per program, seed 1,
// every program)
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "programs/program_list.hpp"
#include "tools/key-fuzz/key_stream.hpp"
#include "tools/key-fuzz/tool_arguments.hpp"

int main(int argc, char** argv) {
  long long keys = 100000, seed = 1;
  std::vector<std::string_view> programs;
  if (!drill::ReadToolArguments(argc, argv, {{"--keys", &keys}, {"--seed", &seed}}, programs,
                                "key-fuzz [--keys N] [--seed S] [PROGRAM...]"))
    return 2;

  int failures = 0;
  std::cout << "program\tkeys\truns\tended with 3\tproblems started\terror screens\n";
  for (const std::string_view name : programs) {
    const drill::FuzzResult result = drill::FuzzProgram(
        *drill::FindProgramUnit(name), static_cast<long>(keys), static_cast<std::uint64_t>(seed));
    std::cout << name << '\t' << result.keys << '\t' << result.sessions << '\t'
              << result.program_ends << '\t' << result.problem_starts << '\t'
              << result.failures.size() << '\n';
    for (const auto& failure : result.failures) std::cout << "  " << failure << '\n';
    failures += static_cast<int>(result.failures.size());
  }
  return failures == 0 ? 0 : 1;
}
