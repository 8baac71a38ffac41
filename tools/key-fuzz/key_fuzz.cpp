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

int main(int argc, char** argv) {
  long keys = 100000;
  std::uint64_t seed = 1;
  std::vector<std::string_view> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--keys" || arg == "--seed") && i + 1 < argc) {
      const long long value = std::atoll(argv[++i]);
      if (arg == "--keys") keys = static_cast<long>(value);
      if (arg == "--seed") seed = static_cast<std::uint64_t>(value);
    } else if (drill::FindProgramUnit(arg) != nullptr) {
      programs.push_back(arg);
    } else {
      std::cerr << "usage: key-fuzz [--keys N] [--seed S] [PROGRAM...]\n";
      return 2;
    }
  }
  if (programs.empty())
    for (const auto& entry : drill::kPrograms) programs.push_back(entry.name);

  int failures = 0;
  std::cout << "program\tkeys\truns\tended with 3\tproblems started\terror screens\n";
  for (const std::string_view name : programs) {
    const drill::FuzzResult result = drill::FuzzProgram(*drill::FindProgramUnit(name), keys, seed);
    std::cout << name << '\t' << result.keys << '\t' << result.sessions << '\t'
              << result.program_ends << '\t' << result.problem_starts << '\t'
              << result.failures.size() << '\n';
    for (const auto& failure : result.failures) std::cout << "  " << failure << '\n';
    failures += static_cast<int>(result.failures.size());
  }
  return failures == 0 ? 0 : 1;
}
