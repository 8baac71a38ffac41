// The layers of the source tree: programs → units → framework → runtime. Includes go one way
// only, a unit reaches the framework through the problem template's header alone, and the
// framework's folders include each other without a cycle.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Include {
  std::string file;    // relative to the source tree
  std::string target;  // what it includes, as written
};

bool IsTestCode(const std::string& file) {
  return file.find("/tests/") != std::string::npos || file.find("/testing/") != std::string::npos;
}

std::vector<Include> ProjectIncludes(const fs::path& root) {
  static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<Include> found;
  for (const char* top : {"runtime", "framework", "units", "programs", "tools"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
      const auto extension = entry.path().extension();
      if (extension != ".cpp" && extension != ".hpp") continue;
      const std::string file = fs::relative(entry.path(), root).string();
      std::ifstream in(entry.path());
      std::smatch match;
      for (std::string line; std::getline(in, line);)
        if (std::regex_search(line, match, include)) found.push_back({file, match[1]});
    }
  }
  return found;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

class Layers : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* root = std::getenv("DRILL_SOURCE_DIR");
    ASSERT_NE(root, nullptr) << "DRILL_SOURCE_DIR names the source tree";
    includes_ = ProjectIncludes(root);
    ASSERT_GT(includes_.size(), 100u);
  }
  std::vector<Include> includes_;
};

TEST_F(Layers, NoIncludeGoesUpwards) {
  for (const auto& [file, target] : includes_) {
    if (StartsWith(file, "runtime/") && !IsTestCode(file)) {
      EXPECT_FALSE(StartsWith(target, "framework/") || StartsWith(target, "units/") ||
                   StartsWith(target, "programs/") || StartsWith(target, "tools/"))
          << file << " includes " << target;
    }
    if (StartsWith(file, "framework/")) {
      EXPECT_FALSE(StartsWith(target, "units/") || StartsWith(target, "programs/"))
          << file << " includes " << target;
    }
  }
}

// A unit's code sees its own folder, the unit interface and the problem template's one header.
TEST_F(Layers, UnitsReachTheFrameworkOnlyThroughTheTemplate) {
  const std::string template_header = "units/proportion-applications/problem_template.hpp";
  for (const auto& [file, target] : includes_) {
    if (!StartsWith(file, "units/") || IsTestCode(file)) continue;
    if (StartsWith(file, "units/proportion-applications/problem_template.")) continue;
    const std::string own = file.substr(0, file.find('/', 6) + 1);
    const bool allowed = StartsWith(target, own) || target == template_header ||
                         target == "framework/unit.hpp" || target.find('/') == std::string::npos;
    EXPECT_TRUE(allowed) << file << " includes " << target;
  }
}

// The folders of the framework form no cycle (framework/drill.hpp and the like count as the
// folder "framework").
TEST_F(Layers, FrameworkFoldersFormNoCycle) {
  auto folder = [](const std::string& path) {
    const size_t second = path.find('/', 10);
    return second == std::string::npos ? std::string("framework") : path.substr(10, second - 10);
  };
  std::map<std::string, std::set<std::string>> uses;
  for (const auto& [file, target] : includes_) {
    if (!StartsWith(file, "framework/") || IsTestCode(file)) continue;
    if (!StartsWith(target, "framework/")) continue;
    const std::string from = folder(file), to = folder(target);
    if (from != to) uses[from].insert(to);
  }
  // Depth-first search for a path back to where it started.
  std::map<std::string, int> state;  // 1 on the path, 2 done
  std::vector<std::string> path;
  std::function<void(const std::string&)> visit = [&](const std::string& node) {
    state[node] = 1;
    path.push_back(node);
    for (const auto& next : uses[node]) {
      if (state[next] == 1) {
        std::string cycle;
        for (const auto& step : path) cycle += step + " → ";
        ADD_FAILURE() << "include cycle: " << cycle << next;
      } else if (state[next] == 0) {
        visit(next);
      }
    }
    path.pop_back();
    state[node] = 2;
  };
  for (const auto& [node, targets] : uses)
    if (state[node] == 0) visit(node);
}

}  // namespace
