// The glyph map: which display glyph a key character stands for.
#include <array>
#include <string_view>

#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// Lower-case letters raised to upper case before the glyph table is searched.
constexpr std::string_view HENK1_s = " abxyclmnijk";
constexpr std::string_view HENK2_s = " ABXYCLMNIJK";
// Position n of HENK_s maps to character n of HENK3_s; the first match wins, so the second
// blank (position 12) and the second "I" (position 44) are never reached.
constexpr std::string_view HENK_s = " 0123456789 */+-ﾀ=.?()QWERTUI@[]XYAB<>,CLMNIJK";
constexpr std::string_view HENK3_s =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√23456±π≦≧χｙａｂ＜＞，ｃｌｍｎiｊｋ";

}  // namespace

std::string MapKeyToGlyph(const std::string& key) {
  // Only single characters are mapped; a longer text (a two-digit count) passes unchanged.
  if (CharacterCount(key) != 1) return key;
  std::string b = key;
  if (int n = FindChars(HENK1_s, b); n > 0) b = MidChars(HENK2_s, n, 1);
  if (int n = FindChars(HENK_s, b); n > 0) return MidChars(HENK3_s, n, 1);
  return b;
}

}  // namespace drill
