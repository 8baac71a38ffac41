// The glyph map: which display glyph a key character stands for.
#include <array>
#include <string_view>

#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// The lower-case letters the glyph table knows, turned into the upper-case letter at the same
// position before the table is searched.
constexpr std::string_view kLowerCaseLetters = " abxyclmnijk";
constexpr std::string_view kUpperCaseLetters = " ABXYCLMNIJK";
// The glyph table: key character n stands for display glyph n; the first match wins, so the
// second blank (position 12) and the second "I" (position 44) are never reached.
constexpr std::string_view kKeyCharacters = " 0123456789 */+-ﾀ=.?()QWERTUI@[]XYAB<>,CLMNIJK";
constexpr std::string_view kDisplayGlyphs =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√23456±π≦≧χｙａｂ＜＞，ｃｌｍｎiｊｋ";

}  // namespace

std::string MapKeyToGlyph(const std::string& key) {
  // Only single characters are mapped; a longer text (a two-digit count) passes unchanged.
  if (CharacterCount(key) != 1) return key;
  std::string b = key;
  if (int n = FindChars(kLowerCaseLetters, b); n > 0) b = MidChars(kUpperCaseLetters, n, 1);
  if (int n = FindChars(kKeyCharacters, b); n > 0) return MidChars(kDisplayGlyphs, n, 1);
  return b;
}

}  // namespace drill
