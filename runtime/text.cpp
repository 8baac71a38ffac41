// UTF-8 decoding and encoding, and the character- and width-counted text operations built on it.
#include "runtime/text.hpp"

#include <algorithm>

namespace drill {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes the character starting at `pos`, advancing `pos` past it. A malformed sequence (bad
// lead byte, missing continuation, overlong form, surrogate, beyond U+10FFFF) yields U+FFFD and
// consumes one byte, so decoding always makes progress.
char32_t DecodeOne(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacement;
  }
  if (pos + static_cast<size_t>(length) > text.size()) {
    ++pos;
    return kReplacement;
  }
  for (int i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + static_cast<size_t>(i)]);
    if (!IsContinuation(byte)) {
      ++pos;
      return kReplacement;
    }
    value = (value << 6) | (byte & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += static_cast<size_t>(length);
  return value;
}

// Byte offset of character `index` (0-based); the text's size when it has fewer characters.
size_t ByteOffset(std::string_view text, int index) {
  size_t pos = 0;
  for (int i = 0; i < index && pos < text.size(); ++i) DecodeOne(text, pos);
  return pos;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string result;
  result.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) result.push_back(DecodeOne(text, pos));
  return result;
}

std::string EncodeUtf8(char32_t code_point) {
  std::string out;
  if (code_point > 0x10FFFF || (code_point >= 0xD800 && code_point <= 0xDFFF)) {
    code_point = kReplacement;
  }
  if (code_point < 0x80) {
    out.push_back(static_cast<char>(code_point));
  } else if (code_point < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code_point >> 6)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else if (code_point < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code_point >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code_point >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) out += EncodeUtf8(c);
  return out;
}

std::vector<std::string> SplitCharacters(std::string_view text) {
  std::vector<std::string> result;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t start = pos;
    DecodeOne(text, pos);
    result.emplace_back(text.substr(start, pos - start));
  }
  return result;
}

int CharacterCount(std::string_view text) {
  int count = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    DecodeOne(text, pos);
    ++count;
  }
  return count;
}

int SjisWidth(char32_t code_point) {
  if (code_point <= 0x7F) return 1;
  if (code_point >= 0xFF61 && code_point <= 0xFF9F) return 1;
  return 2;
}

int SjisWidth(std::string_view text) {
  int width = 0;
  size_t pos = 0;
  while (pos < text.size()) width += SjisWidth(DecodeOne(text, pos));
  return width;
}

std::string LeftChars(std::string_view text, int count) {
  if (count <= 0) return {};
  return std::string(text.substr(0, ByteOffset(text, count)));
}

std::string MidChars(std::string_view text, int start, int count) {
  // A start before the first character counts from the first, as the drills' texts do.
  if (start < 1) start = 1;
  const size_t begin = ByteOffset(text, start - 1);
  if (count < 0) return std::string(text.substr(begin));
  const std::string_view rest = text.substr(begin);
  return std::string(rest.substr(0, ByteOffset(rest, count)));
}

std::string RightChars(std::string_view text, int count) {
  if (count <= 0) return {};
  const int total = CharacterCount(text);
  if (count >= total) return std::string(text);
  return std::string(text.substr(ByteOffset(text, total - count)));
}

int FindChars(std::string_view text, std::string_view needle, int from) {
  if (from < 1) from = 1;
  const int total = CharacterCount(text);
  if (from > total + 1) return 0;
  const size_t begin = ByteOffset(text, from - 1);
  const size_t found = text.find(needle, begin);
  if (found == std::string_view::npos) return 0;
  // Count the characters before the match; a match always starts on a character boundary when
  // the needle is well-formed UTF-8.
  return CharacterCount(text.substr(0, found)) + 1;
}

}  // namespace drill
