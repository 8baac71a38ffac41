// The heaviest single step of every problem, as a share of a 60 Hz frame: random keys through
// each program, the processor time of each step between two waits measured with presenting.
// Usage: step-cost [--keys N] [PROGRAM...]   (default 200000 keys a program)
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <string_view>
#include <vector>

#include "programs/program_list.hpp"
#include "tools/key-fuzz/key_stream.hpp"
#include "tools/key-fuzz/tool_arguments.hpp"

int main(int argc, char** argv) {
  long long keys = 200000;
  std::vector<std::string_view> programs;
  if (!drill::ReadToolArguments(argc, argv, {{"--keys", &keys}}, programs,
                                "step-cost [--keys N] [PROGRAM...]"))
    return 2;

  constexpr double kFrameMs = 1000.0 / 60.0;
  std::cout << "program\tproblem\theaviest step (ms)\tshare of a 60 Hz frame\n" << std::fixed;
  for (const std::string_view name : programs) {
    // The least of three runs' maxima: a step is charged for its own work, not for the machine
    // being busy elsewhere.
    std::map<int, double> least;
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
      for (const auto& [problem, ms] :
           drill::HeaviestSteps(*drill::FindProgramUnit(name), static_cast<long>(keys), seed)) {
        auto [at, fresh] = least.emplace(problem, ms);
        if (!fresh) at->second = std::min(at->second, ms);
      }
    }
    for (const auto& [problem, ms] : least) {
      std::cout << name << '\t' << (problem == 0 ? std::string("menus") : std::to_string(problem))
                << '\t' << std::setprecision(3) << ms << '\t' << std::setprecision(3)
                << ms / kFrameMs << '\n';
    }
  }
  return 0;
}
