// The glyph map and fractions in lowest terms.
#include <gtest/gtest.h>

#include "framework/flow/flow.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill {
namespace {

TEST(MapKeyToGlyph, MapsKeysToTheirDisplayGlyphs) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "１"},  {" ", "　"}, {"*", "×"},   {"/", "÷"},  {"-", "－"}, {"ﾀ", "―"}, {".", "．"},
      {"?", "∽"},   {"Q", "√"},  {"W", "2"},   {"U", "6"},  {"@", "π"},  {"[", "≦"}, {"]", "≧"},
      {"x", "χ"},   {"X", "χ"},  {"y", "ｙ"},  {"a", "ａ"}, {"b", "ｂ"}, {"i", "±"}, {"I", "±"},
      {"k", "ｋ"},  {",", "，"}, {"<", "＜"},  {"D", "D"},  {"S", "S"},  {"V", "V"}, {"Z", "Z"},
      {"あ", "あ"}, {"ｻ", "ｻ"},  {"10", "10"}, {"", ""}};
  for (auto [key, glyph] : cases) EXPECT_EQ(MapKeyToGlyph(key), glyph) << key;
}

TEST(ReduceFraction, GivesLowestTermsWithoutSigns) {
  struct Case {
    float d1, d2, want1, want2;
  };
  for (Case c :
       {Case{120, 50, 12, 5}, Case{150, 50, 3, 1}, Case{-6, 8, 3, 4}, Case{6, -8, 3, 4},
        Case{0, 5, 0, 1}, Case{7, 0, 7, 0}, Case{4125, 55, 75, 1}, Case{6000, 72, 250, 3}}) {
    float d1 = c.d1, d2 = c.d2;
    ReduceFraction(d1, d2);
    EXPECT_EQ(d1, c.want1) << c.d1 << "/" << c.d2;
    EXPECT_EQ(d2, c.want2) << c.d1 << "/" << c.d2;
  }
}

}  // namespace
}  // namespace drill
