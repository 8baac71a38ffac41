// The headless runner's command line: argument checking, exit codes, trace and PNG output.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

class DrillRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* path = std::getenv("DRILL_RUN")) {
      binary_ = path;
    } else {
      // Without the variable, the runner of the same build tree: <build>/tools/drill-run/.
      const auto self = std::filesystem::read_symlink("/proc/self/exe");
      binary_ = (self.parent_path().parent_path() / "tools" / "drill-run" / "drill-run").string();
    }
    ASSERT_TRUE(std::filesystem::exists(binary_)) << binary_;
    // Each test owns a folder of its own: ctest runs the cases as parallel processes.
    std::string pattern = ::testing::TempDir() + "drill_run_test_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
  }

  // Runs drill-run with the given (shell-quoted) arguments; its exit status, stderr kept aside.
  int Run(const std::string& arguments) {
    const std::string command =
        "'" + binary_ + "' " + arguments + " >/dev/null 2>'" + Temp("stderr.txt") + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Temp(const std::string& name) const { return folder_ + "/" + name; }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

  std::string binary_;
  std::string folder_;
};

TEST_F(DrillRunTest, BadArgumentsExitWithTwoAndUsage) {
  for (const char* arguments :
       {"", "chess", "prop-apply extra", "prop-apply --speed 2", "prop-apply --keys",
        "prop-apply --clock", "prop-apply --clock 25:00:00", "prop-apply --clock 12:00",
        "prop-apply --clock 1a:00:00", "prop-apply --clock 12-00-00", "prop-apply --keys '{Enter'",
        "prop-apply --keys '{Escape}'", "--trace - func-prop --png"}) {
    EXPECT_EQ(Run(arguments), 2) << arguments;
    EXPECT_NE(Read(Temp("stderr.txt")).find("usage: drill-run PROGRAM"), std::string::npos)
        << arguments;
  }
}

TEST_F(DrillRunTest, RunsUntilTheProgramEndsOrTheKeysRunOut) {
  const std::string trace = Temp("trace.txt");
  const std::string png = Temp("screen.png");
  EXPECT_EQ(Run("prop-apply --keys 3 --trace '" + trace + "' --png '" + png + "'"), 0);
  const std::string ended = Read(trace);
  EXPECT_NE(ended.find("\nkey 3\n"), std::string::npos);
  EXPECT_TRUE(ended.ends_with("\nend\n")) << ended;
  EXPECT_EQ(Read(png).substr(0, 8), "\x89PNG\r\n\x1A\n");

  for (const char* program : {"inverse-prop", "func-prop", "prop-graph"}) {
    EXPECT_EQ(Run(std::string(program) + " --clock 07:59:30 --trace '" + trace + "'"), 0);
    const std::string waiting = Read(trace);
    EXPECT_NE(waiting.find("text "), std::string::npos) << program;
    EXPECT_EQ(waiting.find("\nend\n"), std::string::npos) << program;
  }
}

TEST_F(DrillRunTest, SameClockAndKeysGiveTheSameRun) {
  const std::string keys = "--keys '1{BS}1{Enter}{Space}' --clock 10:20:30 --trace ";
  ASSERT_EQ(Run("prop-apply " + keys + "'" + Temp("a.txt") + "'"), 0);
  ASSERT_EQ(Run("prop-apply " + keys + "'" + Temp("b.txt") + "'"), 0);
  EXPECT_FALSE(Read(Temp("a.txt")).empty());
  EXPECT_EQ(Read(Temp("a.txt")), Read(Temp("b.txt")));
}

TEST_F(DrillRunTest, UnwritableOutputIsNotReportedAsSuccess) {
  EXPECT_EQ(Run("prop-apply --keys 3 --png /nonexistent-dir/screen.png"), 1);
  EXPECT_EQ(Run("prop-apply --trace /nonexistent-dir/trace.txt"), 1);
}

}  // namespace
