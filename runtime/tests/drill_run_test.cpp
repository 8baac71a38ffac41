// The headless runner's command line: argument checking, exit codes, trace and PNG output.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

  // Runs drill-run with the given (shell-quoted) arguments; its exit status, stderr kept aside
  // and standard output sent to `out`.
  int Run(const std::string& arguments, const std::string& out = "/dev/null") {
    const std::string command =
        "'" + binary_ + "' " + arguments + " >'" + out + "' 2>'" + Temp("stderr.txt") + "'";
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

namespace fs = std::filesystem;

// The files in the test's folder, to see that nothing half-written is left behind.
std::vector<std::string> FolderContents(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(DrillRunTest, FailedWritesLeaveEveryPathAsItWas) {
  // A device that refuses every write stays the device.
  if (fs::exists("/dev/full")) {
    EXPECT_EQ(Run("prop-apply --keys 3 --png /dev/full"), 1);
    EXPECT_EQ(Run("prop-apply --keys 3 --trace /dev/full"), 1);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
  }
  // A folder given as the output stays a folder.
  fs::create_directory(Temp("folder"));
  EXPECT_EQ(Run("prop-apply --keys 3 --png '" + Temp("folder") + "'"), 1);
  EXPECT_TRUE(fs::is_directory(Temp("folder")));

  // A regular file whose new contents cannot be written (the file size limit stops the write
  // part-way) keeps its old contents, and no partial file is left beside it.
  std::ofstream(Temp("screen.png")) << "old picture";
  std::ofstream(Temp("trace.txt")) << "old trace";
  const std::string limited = "(trap '' XFSZ; ulimit -f 1; exec '" + binary_ +
                              "' prop-apply --keys '2{Enter}{Enter}' --png '" + Temp("screen.png") +
                              "' --trace '" + Temp("trace.txt") + "') 2>/dev/null";
  const int status = std::system(limited.c_str());
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(Read(Temp("screen.png")), "old picture");
  EXPECT_EQ(Read(Temp("trace.txt")), "old trace");
  EXPECT_EQ(FolderContents(folder_),
            (std::vector<std::string>{"folder", "screen.png", "stderr.txt", "trace.txt"}));
}

TEST_F(DrillRunTest, ASuccessfulWriteReplacesAFileAndKeepsALink) {
  std::ofstream(Temp("trace.txt")) << "old trace";
  fs::create_symlink(Temp("trace.txt"), Temp("link.txt"));
  EXPECT_EQ(Run("prop-apply --keys 3 --trace '" + Temp("link.txt") + "'"), 0);
  EXPECT_TRUE(fs::is_symlink(Temp("link.txt")));
  EXPECT_TRUE(Read(Temp("trace.txt")).ends_with("\nend\n"));
  // Written to standard output through its device, the trace arrives whole.
  EXPECT_EQ(Run("prop-apply --keys 3 --trace /dev/stdout", Temp("out.txt")), 0);
  EXPECT_EQ(Read(Temp("out.txt")), Read(Temp("trace.txt")));
}

TEST_F(DrillRunTest, LongKeyScriptsComeFromAFileOrStandardInput) {
  // 20,000 presses of Enter are longer than one command-line argument may be.
  std::string script = "2";
  for (int i = 0; i < 20000; ++i) script += (i % 50 == 0 ? "\n" : "") + std::string("{Enter}");
  std::ofstream(Temp("keys.txt")) << script;
  EXPECT_EQ(
      Run("prop-apply --keys-file '" + Temp("keys.txt") + "' --trace '" + Temp("a.txt") + "'"), 0);
  EXPECT_EQ(
      Run("prop-apply --keys-file - --trace '" + Temp("b.txt") + "' < '" + Temp("keys.txt") + "'"),
      0);
  const std::string trace = Read(Temp("a.txt"));
  size_t enters = 0;
  for (size_t at = trace.find("key {Enter}\n"); at != std::string::npos;
       at = trace.find("key {Enter}\n", at + 1))
    ++enters;
  EXPECT_EQ(enters, 20000u);
  EXPECT_EQ(trace, Read(Temp("b.txt")));
}

TEST_F(DrillRunTest, AMalformedScriptIsReportedWithItsPlace) {
  std::ofstream(Temp("keys.txt")) << std::string(100000, '1') + "{Escape}";
  EXPECT_EQ(Run("prop-apply --keys-file '" + Temp("keys.txt") + "'"), 2);
  const std::string message = Read(Temp("stderr.txt"));
  EXPECT_NE(message.find("at character 100001"), std::string::npos) << message.substr(0, 300);
  EXPECT_NE(message.find("{Escape}"), std::string::npos);
  EXPECT_LT(message.size(), 2000u);
  EXPECT_EQ(Run("prop-apply --keys-file '" + Temp("missing.txt") + "'"), 2);
  EXPECT_EQ(Run("prop-apply --keys 1 --keys-file '" + Temp("keys.txt") + "'"), 2);
}

TEST_F(DrillRunTest, WritesTheRunsResultsSheet) {
  // Problem 3 right at once, then practised again and left wrong three times.
  const std::string keys =
      "13{Enter}{F10}5{Enter}12{Enter}{Enter}1"
      "0{Enter}{Space}0{Enter}{Space}0{Enter}";
  ASSERT_EQ(Run("prop-apply --clock 10:20:30 --date 2026/12/09 --keys '" + keys + "' --sheet '" +
                Temp("sheet.csv") + "'"),
            0);
  EXPECT_EQ(Read(Temp("sheet.csv")),
            "\xEF\xBB\xBF"
            "タイトル,比例・反比例の利用\r\n日付,2026/12/09\r\n開始時刻,10:20:30\r\n"
            "終了時刻,10:20:30\r\n問題,1回目の結果,練習した回数\r\n1,,0\r\n2,,0\r\n3,○,2\r\n"
            "4,,0\r\n5,,0\r\n6,,0\r\n7,,0\r\n");
  // Nothing practised: a sheet with no marks and no times.
  ASSERT_EQ(Run("func-prop --date 2026/12/09 --sheet -", Temp("empty.csv")), 0);
  EXPECT_NE(Read(Temp("empty.csv")).find("開始時刻,\r\n終了時刻,\r\n"), std::string::npos);
  EXPECT_EQ(Run("prop-apply --sheet /dev/full"), 1);
  EXPECT_EQ(Run("prop-apply --date 2026-12-09 --sheet x.csv"), 2);
}

}  // namespace
