// UTF-8 texts counted the way the drills count them: by character, or by Shift-JIS width.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace drill {

// The code points of a UTF-8 text; malformed bytes become U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(char32_t code_point);
std::string EncodeUtf8(std::u32string_view text);

// The characters of a text, each as its own UTF-8 string.
std::vector<std::string> SplitCharacters(std::string_view text);
int CharacterCount(std::string_view text);

// Shift-JIS width: 1 for ASCII and half-width katakana (U+FF61..U+FF9F), 2 for every other
// character.
int SjisWidth(char32_t code_point);
int SjisWidth(std::string_view text);

// Character-counted left, mid (1-based start, like the drills' own texts) and search.
std::string LeftChars(std::string_view text, int count);
std::string MidChars(std::string_view text, int start, int count = -1);
std::string RightChars(std::string_view text, int count);
// 1-based character position of `needle` at or after character `from` (1-based), 0 when absent.
int FindChars(std::string_view text, std::string_view needle, int from = 1);

}  // namespace drill
