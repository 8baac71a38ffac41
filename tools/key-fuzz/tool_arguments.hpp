// The command line the key-stream tools share: numeric options by name, then program names.
#pragma once

#include <cstdlib>
#include <iostream>
#include <map>
#include <string_view>
#include <vector>

#include "programs/program_list.hpp"

namespace drill {

// Reads "--name N" options into the numbers `options` points to and the rest as program names
// (every program when none is named). On anything else it prints `usage` and returns false.
inline bool ReadToolArguments(int argc, char** argv,
                              const std::map<std::string_view, long long*>& options,
                              std::vector<std::string_view>& programs, std::string_view usage) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (const auto option = options.find(arg); option != options.end() && i + 1 < argc) {
      *option->second = std::atoll(argv[++i]);
    } else if (FindProgramUnit(arg) != nullptr) {
      programs.push_back(arg);
    } else {
      std::cerr << "usage: " << usage << '\n';
      return false;
    }
  }
  if (programs.empty())
    for (const auto& entry : kPrograms) programs.push_back(entry.name);
  return true;
}

}  // namespace drill
