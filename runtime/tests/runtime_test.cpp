// The runtime services: trace lines of the drawing calls, the text layer, and reading keys.
#include "runtime/runtime.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace drill {
namespace {

// A platform whose keys were typed ahead: they are pending at once, as in a window.
class TypedAheadPlatform : public Platform {
 public:
  void Type(KeyPress key) { typed_.push_back(std::move(key)); }
  void TakeKeys(std::deque<KeyPress>& keys) override {
    keys.insert(keys.end(), typed_.begin(), typed_.end());
    typed_.clear();
  }
  void Idle(const Surface&) override { ++idles; }
  std::string ClockText() override { return "09:15:00"; }
  int idles = 0;

 private:
  std::deque<KeyPress> typed_;
};

class RuntimeTest : public ::testing::Test {
 protected:
  RuntimeTest() { runtime.SetTrace(&trace); }
  // The trace written since the last call.
  std::string TakeTrace() {
    std::string text = trace.str();
    trace.str("");
    return text;
  }

  TypedAheadPlatform platform;
  Runtime runtime{platform};
  std::ostringstream trace;
};

TEST_F(RuntimeTest, DrawingCallsWriteOneTraceLineEach) {
  runtime.DrawTextAt(10, 20.5f, "比例 y=ax", 2, 1, 14);
  runtime.DrawLine(1, 2, 3, 4, 5);
  runtime.DrawLine(-1.5f, 0, 100, 200, 15, Shape::Box, LineStyle::Dotted);
  runtime.DrawLine(0, 0, 9, 9, 2, Shape::Fill);
  runtime.DrawCircle(800, 340, 0.5f, 15, CircleFill::Filled);
  runtime.DrawCircle(-0.0f, 1e-7f, 4, 0, CircleFill::Outline);
  runtime.FloodFill(12, 13, 4, 15);
  runtime.Trace("problem 3");
  EXPECT_EQ(TakeTrace(),
            "text 10 20.5 14 2 1 比例 y=ax\n"
            "line 1 2 3 4 5 line solid\n"
            "line -1.5 0 100 200 15 box dotted\n"
            "line 0 0 9 9 2 fill solid\n"
            "circle 800 340 0.5 15 1\n"
            "circle 0 0.0000001 4 0 0\n"
            "flood 12 13 4 15\n"
            "problem 3\n");
}

TEST_F(RuntimeTest, FilledBoxIsAFillThenAnOutline) {
  runtime.DrawFilledBox(48, 63, 880, 99, 15, 2);
  EXPECT_EQ(TakeTrace(), "line 48 63 880 99 2 fill solid\nline 48 63 880 99 15 box solid\n");
  EXPECT_EQ(runtime.surface().At(48, 63), 15);
  EXPECT_EQ(runtime.surface().At(100, 80), 2);
}

TEST_F(RuntimeTest, NothingIsWrittenWithoutATrace) {
  runtime.SetTrace(nullptr);
  EXPECT_FALSE(runtime.Tracing());
  runtime.DrawLine(0, 0, 5, 0, 3);
  runtime.Trace("problem 1");
  EXPECT_EQ(TakeTrace(), "");
  EXPECT_EQ(runtime.surface().At(5, 0), 3);
}

TEST_F(RuntimeTest, EndProgramTracesEndAndThrows) {
  EXPECT_THROW(runtime.EndProgram(), ProgramEnd);
  EXPECT_EQ(TakeTrace(), "end\n");
}

TEST_F(RuntimeTest, PrintTextClearsItsCellsAndAdvancesByWidth) {
  runtime.MoveTextCursor(2, 3);
  runtime.PrintText("ab");
  runtime.PrintText("円");
  runtime.PrintText("");
  EXPECT_EQ(TakeTrace(),
            "line 16 48 31 63 0 fill solid\n"
            "text 16 48 7 1 1 ab\n"
            "line 32 48 47 63 0 fill solid\n"
            "text 32 48 7 1 1 円\n");
}

TEST_F(RuntimeTest, PrintingBlanksErases) {
  runtime.DrawLine(0, 0, 30, 30, 9, Shape::Fill);
  runtime.MoveTextCursor(1, 0);
  runtime.PrintText("  ");
  for (int y = 0; y < 16; ++y) {
    for (int x = 8; x < 24; ++x) ASSERT_EQ(runtime.surface().At(x, y), 0) << x << "," << y;
  }
  EXPECT_EQ(runtime.surface().At(7, 0), 9);
  EXPECT_EQ(runtime.surface().At(24, 0), 9);
  EXPECT_EQ(runtime.surface().At(8, 16), 9);
}

TEST_F(RuntimeTest, FormattedNumbersAreRightAligned) {
  runtime.MoveTextCursor(10, 1);
  runtime.PrintNumberFormatted("##", 5);
  runtime.MoveTextCursor(10, 2);
  runtime.PrintNumberFormatted("##", 123);  // too wide: printed in full
  runtime.MoveTextCursor(10, 3);
  runtime.PrintNumberFormatted("###", -2);
  EXPECT_EQ(TakeTrace(),
            "line 80 16 95 31 0 fill solid\n"
            "text 80 16 7 1 1  5\n"
            "line 80 32 103 47 0 fill solid\n"
            "text 80 32 7 1 1 123\n"
            "line 80 48 103 63 0 fill solid\n"
            "text 80 48 7 1 1  -2\n");
}

TEST_F(RuntimeTest, ReadKeyReturnsEmptyAfterIdlingWhenNothingIsTyped) {
  EXPECT_EQ(runtime.ReadKey(), "");
  EXPECT_EQ(platform.idles, 1);
  platform.Type({0, "7"});
  EXPECT_EQ(runtime.ReadKey(), "7");
  EXPECT_EQ(platform.idles, 1);  // a pending key needs no wait
  EXPECT_EQ(TakeTrace(), "key 7\n");
}

TEST_F(RuntimeTest, ControlKeysAreTracedByName) {
  for (const char* text : {"\r", "\b", "\x7F", "\f", "\x1C", "\x1D", "\x1E", "\x1F", " ", "{"}) {
    platform.Type({0, text});
  }
  std::string read;
  for (int i = 0; i < 10; ++i) read += runtime.ReadKey();
  EXPECT_EQ(read, "\r\b\x7F\f\x1C\x1D\x1E\x1F {");
  EXPECT_EQ(TakeTrace(),
            "key {Enter}\nkey {BS}\nkey {Del}\nkey {Clear}\nkey {Right}\nkey {Left}\n"
            "key {Up}\nkey {Down}\nkey {Space}\nkey {{\n");
}

TEST_F(RuntimeTest, FunctionKeysDeliverTheirDefinedText) {
  runtime.DefineFunctionKey(1, "Q");
  runtime.DefineFunctionKey(11, "@");
  runtime.DefineFunctionKey(12, "never");  // no such key: ignored
  runtime.DefineFunctionKey(0, "never");
  platform.Type({1, ""});
  platform.Type({2, ""});
  platform.Type({11, ""});
  platform.Type({12, ""});
  EXPECT_EQ(runtime.ReadKey(), "Q");
  EXPECT_EQ(runtime.ReadKey(), "");
  EXPECT_EQ(runtime.ReadKey(), "@");
  EXPECT_EQ(runtime.ReadKey(), "");
  EXPECT_EQ(TakeTrace(), "key {F1}\nkey {F11}\n");
  runtime.DefineFunctionKey(1, "W");
  platform.Type({1, ""});
  EXPECT_EQ(runtime.ReadKey(), "W");
}

TEST_F(RuntimeTest, FlushKeysDiscardsTypedAheadKeysWithoutTracing) {
  platform.Type({0, "1"});
  EXPECT_EQ(runtime.ReadKey(), "1");
  platform.Type({0, "2"});
  platform.Type({0, "3"});
  runtime.FlushKeys();
  EXPECT_EQ(runtime.ReadKey(), "");
  EXPECT_EQ(TakeTrace(), "key 1\n");
  platform.Type({0, "4"});
  EXPECT_EQ(runtime.ReadKey(), "4");
}

TEST_F(RuntimeTest, ClockAndRandomComeThroughTheRuntime) {
  EXPECT_EQ(runtime.ClockText(), "09:15:00");
  runtime.SeedRandom(42);
  const float first = runtime.Random();
  runtime.SeedRandom(42);
  EXPECT_EQ(runtime.Random(), first);
}

}  // namespace
}  // namespace drill
