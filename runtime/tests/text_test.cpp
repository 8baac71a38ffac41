// Character and Shift-JIS width counting of UTF-8 texts.
#include "runtime/text.hpp"

#include <gtest/gtest.h>

namespace drill {
namespace {

TEST(TextTest, DecodesAndEncodesEveryLength) {
  const std::string text = "a\u00e9\u3042\U0001F600";  // 1, 2, 3 and 4 bytes
  const std::u32string decoded = DecodeUtf8(text);
  EXPECT_EQ(decoded, (std::u32string{U'a', 0xE9, 0x3042, 0x1F600}));
  EXPECT_EQ(EncodeUtf8(decoded), text);
}

TEST(TextTest, MalformedBytesBecomeReplacementCharacters) {
  // A lone continuation, a truncated sequence, an overlong "/" and an encoded surrogate.
  EXPECT_EQ(DecodeUtf8("\x80"), U"\uFFFD");
  EXPECT_EQ(DecodeUtf8("\xE3\x81"), U"\uFFFD\uFFFD");
  EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(DecodeUtf8("a\xE3"
                       "b"),
            U"a\uFFFDb");
  EXPECT_EQ(EncodeUtf8(char32_t{0x110000}), "\uFFFD");
}

TEST(TextTest, CountsCharactersNotBytes) {
  EXPECT_EQ(CharacterCount(""), 0);
  EXPECT_EQ(CharacterCount("x=３ｃｍ"), 5);
  EXPECT_EQ(SplitCharacters("1／2"), (std::vector<std::string>{"1", "／", "2"}));
}

TEST(TextTest, ShiftJisWidthCountsHalfWidthAsOne) {
  EXPECT_EQ(SjisWidth(U'A'), 1);
  EXPECT_EQ(SjisWidth(char32_t{0x7F}), 1);
  EXPECT_EQ(SjisWidth(char32_t{0xFF61}), 1);  // first half-width katakana sign
  EXPECT_EQ(SjisWidth(char32_t{0xFF9F}), 1);  // last one
  EXPECT_EQ(SjisWidth(char32_t{0xFF60}), 2);
  EXPECT_EQ(SjisWidth(char32_t{0xFFA0}), 2);
  EXPECT_EQ(SjisWidth(U'π'), 2);
  EXPECT_EQ(SjisWidth("y=ax ＋ ｱ"), 9);
  EXPECT_EQ(SjisWidth("円"), 2);
}

TEST(TextTest, LeftMidRightCountCharacters) {
  const std::string text = "比例y=2x";
  EXPECT_EQ(LeftChars(text, 2), "比例");
  EXPECT_EQ(LeftChars(text, 0), "");
  EXPECT_EQ(LeftChars(text, 99), text);
  EXPECT_EQ(MidChars(text, 2, 2), "例y");
  EXPECT_EQ(MidChars(text, 3), "y=2x");
  EXPECT_EQ(MidChars(text, 7, 1), "");
  EXPECT_EQ(MidChars(text, 0, 1), "比");
  EXPECT_EQ(RightChars(text, 3), "=2x");
  EXPECT_EQ(RightChars(text, 9), text);
  EXPECT_EQ(RightChars(text, -1), "");
}

TEST(TextTest, FindReturnsCharacterPositions) {
  const std::string text = "ａ／ｂ／ｃ";
  EXPECT_EQ(FindChars(text, "／"), 2);
  EXPECT_EQ(FindChars(text, "／", 3), 4);
  EXPECT_EQ(FindChars(text, "／", 5), 0);
  EXPECT_EQ(FindChars(text, "x"), 0);
  EXPECT_EQ(FindChars("abc", "c", 99), 0);
}

}  // namespace
}  // namespace drill
