// The session record that the framework reports to the platform's keeper: marks and runs as the
// strip shows them, a kept session taken up with its strip, and a keeper that fails.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/menu/menu.hpp"
#include "framework/tests/test_unit.hpp"
#include "runtime/headless.hpp"
#include "runtime/runtime.hpp"

namespace drill::testing {
namespace {

class RecordingKeeper : public RecordKeeper {
 public:
  void Keep(const SessionRecord& record) override {
    if (disk_full) throw std::runtime_error("no space left on device");
    kept.push_back(record);
  }
  std::optional<SessionRecord> Unfinished(std::string_view, int) override { return unfinished; }
  std::string Today() override { return "2026/12/09"; }

  std::vector<SessionRecord> kept;
  std::optional<SessionRecord> unfinished;
  bool disk_full = false;
};

// The trace of a whole run of the test unit, with `keeper` (or none) keeping its record.
std::vector<std::string> RunKept(std::string_view keys, RecordKeeper* keeper,
                                 std::string clock = "10:20:30") {
  HeadlessPlatform platform(ParseKeyScript(keys).value(), std::move(clock));
  Runtime runtime(platform);
  std::ostringstream trace;
  runtime.SetTrace(&trace);
  runtime.SetRecordKeeper(keeper);
  RunDrill(runtime, TestUnit());
  std::vector<std::string> lines;
  std::istringstream in(trace.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool Has(const std::vector<std::string>& trace, const std::string& line) {
  for (const std::string& l : trace)
    if (l == line) return true;
  return false;
}

// Problem 1 right at once; problem 2 wrong three times, then practised again and right;
// problem 3 started and left waiting for its answer.
constexpr std::string_view kSession =
    "11{Enter}1{Enter}2"
    "9{Enter}{Space}9{Enter}{Space}9{Enter}1"
    "2{Enter}2";

TEST(SessionRecord, HoldsEachProblemsFirstMarkAndRunsAsTheStripShowsThem) {
  RecordingKeeper keeper;
  RunKept(kSession, &keeper);
  ASSERT_FALSE(keeper.kept.empty());
  const SessionRecord& record = keeper.kept.back();
  EXPECT_EQ(record.program, "test");
  EXPECT_EQ(record.date, "2026/12/09");
  EXPECT_EQ(record.start_time, "10:20:30");
  EXPECT_EQ(record.end_time, "10:20:30");
  const std::vector<ProblemRecord> expected = {{FirstTry::Right, 1}, {FirstTry::Wrong, 2}, {}, {}};
  EXPECT_EQ(record.problems, expected);
  EXPECT_EQ(record.strip, expected);
  EXPECT_EQ(record.series, 1);
  EXPECT_EQ(record.problem_in_progress, 3);
  EXPECT_FALSE(record.ended);

  // From problem 1 again: a new series with a clear strip; the session keeps every mark and run.
  RecordingKeeper again;
  RunKept(std::string(kSession) + "3{Enter}24{Enter}21{Enter}", &again);
  const SessionRecord& second = again.kept.back();
  EXPECT_EQ(second.series, 2);
  EXPECT_EQ(
      second.problems,
      (std::vector<ProblemRecord>{
          {FirstTry::Right, 2}, {FirstTry::Wrong, 2}, {FirstTry::Right, 1}, {FirstTry::Right, 1}}));
  EXPECT_EQ(second.strip, (std::vector<ProblemRecord>{{FirstTry::Right, 1}, {}, {}, {}}));
  EXPECT_EQ(second.problem_in_progress, 0);

  // Choice 3 in the main menu ends the session; looking at problems records nothing.
  RecordingKeeper ended;
  RunKept(std::string(kSession) + "3{Enter}24{Enter}3" + "2{Enter}{Enter}{Enter}{Enter}3", &ended);
  EXPECT_TRUE(ended.kept.back().ended);
  EXPECT_EQ(ended.kept.back().problems[3], (ProblemRecord{FirstTry::Right, 1}));
  RecordingKeeper looked;
  RunKept("2{Enter}{Enter}{Enter}{Enter}3", &looked);
  EXPECT_TRUE(looked.kept.empty());
}

TEST(SessionRecord, AKeeperThatFailsChangesNothingOfTheRun) {
  const std::string keys = std::string(kSession) + "3{Enter}24{Enter}3";
  const std::vector<std::string> without = RunKept(keys, nullptr);
  RecordingKeeper failing;
  failing.disk_full = true;
  EXPECT_EQ(RunKept(keys, &failing), without);
  RecordingKeeper working;
  EXPECT_EQ(RunKept(keys, &working), without);
}

TEST(SessionRecord, AKeptSessionComesBackWithItsStripAndGoesOnWithItsSeries) {
  RecordingKeeper first;
  RunKept(kSession, &first);
  RecordingKeeper next;
  next.unfinished = first.kept.back();
  // The main menu shows the strip as it was: problem 1 ○ once, problem 2 × twice.
  const std::vector<std::string> menu = RunKept("", &next, "11:00:00");
  EXPECT_TRUE(Has(menu, "text 240 18 11 1 1 ○"));
  EXPECT_TRUE(Has(menu, "text 256 18 11 1 1 ×"));
  EXPECT_TRUE(Has(menu, "text 244 38 11 1 1 1"));
  EXPECT_TRUE(Has(menu, "text 260 38 11 1 1 2"));
  EXPECT_TRUE(next.kept.empty());  // nothing changed yet

  // Practising goes on in the same series, the strip drawn again with its marks.
  const std::vector<std::string> trace = RunKept("13{Enter}3{Enter}", &next, "11:00:00");
  EXPECT_TRUE(Has(trace, "text 256 18 11 1 1 ×"));
  const SessionRecord& record = next.kept.back();
  EXPECT_EQ(record.series, 1);
  EXPECT_EQ(record.start_time, "10:20:30");
  EXPECT_EQ(record.end_time, "11:00:00");
  EXPECT_EQ(record.problems,
            (std::vector<ProblemRecord>{
                {FirstTry::Right, 1}, {FirstTry::Wrong, 2}, {FirstTry::Right, 1}, {}}));
  EXPECT_EQ(record.strip, record.problems);

  // An ended session is not taken up: the next start is a new session.
  SessionRecord ended = first.kept.back();
  ended.ended = true;
  next.unfinished = ended;
  EXPECT_FALSE(Has(RunKept("", &next), "text 240 18 11 1 1 ○"));
}

}  // namespace
}  // namespace drill::testing
