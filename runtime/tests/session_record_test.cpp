// The session record's sheet (CSV) and kept text, and the window version's sheet files: a sheet
// written whole at every change, and a failed write that loses nothing and never throws.
#include "runtime/session_record.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/output_file.hpp"
#include "runtime/session_files.hpp"

namespace drill {
namespace {

SessionRecord SampleRecord() {
  SessionRecord record = NewSessionRecord("prop-apply", "比例・反比例の利用", 3);
  record.date = "2026/12/09";
  record.start_time = "10:20:30";
  record.end_time = "10:41:05";
  record.problems = {{FirstTry::Right, 2}, {FirstTry::Wrong, 1}, {}};
  record.series = 2;
  record.strip = {{FirstTry::Wrong, 1}, {}, {}};
  record.problem_in_progress = 2;
  return record;
}

std::string Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(SheetCsv, HasTheTimesAndEveryProblemsMarkAndCountForSpreadsheets) {
  EXPECT_EQ(SheetCsv(SampleRecord()),
            "\xEF\xBB\xBF"
            "タイトル,比例・反比例の利用\r\n"
            "日付,2026/12/09\r\n"
            "開始時刻,10:20:30\r\n"
            "終了時刻,10:41:05\r\n"
            "問題,1回目の結果,練習した回数\r\n"
            "1,○,2\r\n"
            "2,×,1\r\n"
            "3,,0\r\n");
  SessionRecord odd = SampleRecord();
  odd.title = "a,\"b\"";
  EXPECT_NE(SheetCsv(odd).find("タイトル,\"a,\"\"b\"\"\"\r\n"), std::string::npos);
  EXPECT_EQ(SheetFileName(SampleRecord()), "prop-apply_2026-12-09_102030.csv");
}

TEST(RecordText, ReadsBackWhatWasKeptAndRefusesDamage) {
  const SessionRecord record = SampleRecord();
  const std::string text = RecordText(record);
  EXPECT_EQ(ParseRecordText(text, 3), record);
  SessionRecord ended = record;
  ended.ended = true;
  EXPECT_EQ(ParseRecordText(RecordText(ended), 3), ended);

  const auto replaced = [&text](const std::string& from, const std::string& to) {
    std::string damaged = text;
    damaged.replace(damaged.find(from), from.size(), to);
    return damaged;
  };
  for (const std::string& damaged :
       {std::string(), text.substr(0, text.size() / 2), text + "problem 0 0 0 0\n",
        replaced("series 2", "series two"), replaced("problem 2 2", "problem 3 2"),
        replaced("ended 0", "ended 2"), replaced("in-progress 2", "in-progress 4"),
        replaced("problem 1 1 0 0", "problem 1 1 0"), replaced("\ntitle", "\nname")}) {
    EXPECT_EQ(ParseRecordText(damaged, 3), std::nullopt) << damaged;
  }
  // A record of another problem count does not fit this program.
  EXPECT_EQ(ParseRecordText(text, 4), std::nullopt);
}

TEST(SheetFolder, FollowsXdgDataHomeElseHome) {
  EXPECT_EQ(SheetFolder("/data", "/home/pupil"), "/data/maths-drills");
  EXPECT_EQ(SheetFolder(nullptr, "/home/pupil"), "/home/pupil/.local/share/maths-drills");
  EXPECT_EQ(SheetFolder("", "/home/pupil"), "/home/pupil/.local/share/maths-drills");
  EXPECT_EQ(SheetFolder("relative", "/home/pupil"), "/home/pupil/.local/share/maths-drills");
  EXPECT_EQ(SheetFolder(nullptr, nullptr), "");
}

class SheetFileKeeperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "sheet_files_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string folder_;
};

TEST_F(SheetFileKeeperTest, WritesTheWholeSheetInAFolderItMakes) {
  SheetFileKeeper keeper(folder_ + "/data/maths-drills");
  SessionRecord record = SampleRecord();
  keeper.Keep(NewSessionRecord("prop-apply", "比例・反比例の利用", 3));  // nothing practised yet
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/data"));
  keeper.Keep(record);
  record.problems[2] = {FirstTry::Wrong, 1};
  keeper.Keep(record);
  EXPECT_FALSE(keeper.Behind());
  const std::string path = folder_ + "/data/maths-drills/prop-apply_2026-12-09_102030.csv";
  EXPECT_EQ(Read(path), SheetCsv(record));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ + "/data/maths-drills"),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(SheetFileKeeperTest, AFailedWriteLosesNothingAndNeverThrows) {
  // The disk is full for the second and third change, then has room again.
  std::vector<bool> room = {true, false, false, true};
  size_t call = 0;
  SheetFileKeeper keeper(folder_, [&](const std::string& path, std::string_view bytes) {
    const bool has_room = call < room.size() ? room[call] : true;
    ++call;
    if (!has_room) throw std::runtime_error("no space left on device");
    return WriteOutputFile(path, bytes);
  });
  const std::string path = folder_ + "/prop-apply_2026-12-09_102030.csv";
  SessionRecord record = SampleRecord();
  keeper.Keep(record);
  const std::string first = Read(path);
  record.problems[2] = {FirstTry::Right, 1};
  EXPECT_NO_THROW(keeper.Keep(record));
  EXPECT_TRUE(keeper.Behind());
  EXPECT_EQ(Read(path), first);  // the last good sheet stays whole
  record.end_time = "10:50:00";
  EXPECT_NO_THROW(keeper.Keep(record));
  keeper.WriteAgainIfBehind();  // the program ends: one more try, and now there is room
  EXPECT_FALSE(keeper.Behind());
  EXPECT_EQ(Read(path), SheetCsv(record));
}

TEST_F(SheetFileKeeperTest, AFullDeviceIsAFailedWrite) {
  // /dev/full takes no byte: every write fails as on a full disk.
  SheetFileKeeper keeper(folder_, [](const std::string&, std::string_view bytes) {
    return WriteOutputFile("/dev/full", bytes);
  });
  EXPECT_NO_THROW(keeper.Keep(SampleRecord()));
  EXPECT_TRUE(keeper.Behind());
  // A folder that cannot be made is the same.
  SheetFileKeeper nowhere("/proc/no-such-folder/maths-drills");
  EXPECT_NO_THROW(nowhere.Keep(SampleRecord()));
  EXPECT_TRUE(nowhere.Behind());
}

}  // namespace
}  // namespace drill
