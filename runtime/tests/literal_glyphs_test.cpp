// Every character of every text literal in the programs' sources has a glyph in the embedded table.
// The sources are read at test time from DRILL_SOURCE_DIR.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/font.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

namespace fs = std::filesystem;

struct Literal {
  int line;
  std::u32string characters;  // the drawable characters: escapes decoded or dropped
};

bool IsHex(char c) {
  return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The ordinary and raw string literals of a C++ source, skipping comments and character literals.
// Escapes like \n and \x41 stand for nothing drawn and are dropped; \u and \U escapes name a
// character and are kept.
std::vector<Literal> StringLiterals(const std::string& source) {
  std::vector<Literal> literals;
  int line = 1;
  size_t i = 0;
  const size_t n = source.size();
  auto advance_to = [&](size_t end) {
    for (; i < end && i < n; ++i) line += source[i] == '\n';
  };
  while (i < n) {
    const char c = source[i];
    if (source.compare(i, 2, "//") == 0) {
      advance_to(source.find('\n', i));
    } else if (source.compare(i, 2, "/*") == 0) {
      const size_t end = source.find("*/", i + 2);
      advance_to(end == std::string::npos ? n : end + 2);
    } else if (c == '\'' && i > 0 && std::isdigit(static_cast<unsigned char>(source[i - 1]))) {
      ++i;  // a digit separator
    } else if (c == '\'') {
      ++i;
      while (i < n && source[i] != '\'' && source[i] != '\n') i += source[i] == '\\' ? 2 : 1;
      ++i;
    } else if (c == '"' && i > 0 && source[i - 1] == 'R' &&
               (i < 2 || !IsWordChar(source[i - 2]) || source[i - 2] == '8' ||
                source[i - 2] == 'L')) {
      const size_t open = source.find('(', i);
      if (open == std::string::npos) break;
      const std::string close = ")" + source.substr(i + 1, open - i - 1) + "\"";
      const size_t end = std::min(source.find(close, open), n);
      literals.push_back({line, DecodeUtf8(source.substr(open + 1, end - open - 1))});
      advance_to(end == n ? n : end + close.size());
    } else if (c == '"') {
      Literal literal{line, {}};
      std::string text;
      ++i;
      while (i < n && source[i] != '"' && source[i] != '\n') {
        if (source[i] != '\\' || i + 1 >= n) {
          text += source[i++];
          continue;
        }
        const char kind = source[i + 1];
        i += 2;
        if (kind == 'u' || kind == 'U') {
          const size_t digits = kind == 'u' ? 4 : 8;
          text +=
              EncodeUtf8(static_cast<char32_t>(std::stoul(source.substr(i, digits), nullptr, 16)));
          i += digits;
        } else if (kind == 'x') {
          while (i < n && IsHex(source[i])) ++i;
        } else if (kind >= '0' && kind <= '7') {
          for (int k = 0; k < 2 && i < n && source[i] >= '0' && source[i] <= '7'; ++k) ++i;
        } else if (kind == '"' || kind == '\\' || kind == '\'' || kind == '?') {
          text += kind;
        }
      }
      ++i;
      literal.characters = DecodeUtf8(text);
      literals.push_back(literal);
    } else {
      line += c == '\n';
      ++i;
    }
  }
  return literals;
}

TEST(LiteralScanner, FindsTheTextsThatWouldBeDrawn) {
  const std::string source =
      "// \"コメント\" is skipped\n"
      "char c = '\"'; int n = 1'000; /* \"also skipped\" */\n"
      "auto a = \"比例\\n\\x41\\u2015\\\"\";\n"
      "auto b = R\"x(生\"徒)x\";\n";
  const std::vector<Literal> literals = StringLiterals(source);
  ASSERT_EQ(literals.size(), 2u);
  EXPECT_EQ(literals[0].line, 3);
  EXPECT_EQ(literals[0].characters, U"比例―\"");
  EXPECT_EQ(literals[1].characters, U"生\"徒");
}

TEST(LiteralGlyphs, EveryCharacterOfEveryLiteralHasAGlyph) {
  const char* root = std::getenv("DRILL_SOURCE_DIR");
  ASSERT_NE(root, nullptr) << "DRILL_SOURCE_DIR is not set";
  int files = 0, japanese_literals = 0;
  for (const char* folder : {"framework", "units", "programs"}) {
    const fs::path dir = fs::path(root) / folder;
    if (!fs::exists(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      const std::string extension = entry.path().extension().string();
      if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".hpp")) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream content;
      content << in.rdbuf();
      ++files;
      // A program's own texts must come from the small table of common glyphs, or drawing them
      // would bring the large one into memory.
      const bool program_text = entry.path().string().find("/tests/") == std::string::npos;
      for (const Literal& literal : StringLiterals(content.str())) {
        bool japanese = false;
        for (const char32_t c : literal.characters) {
          if (c < 0x20 || c == 0x7F) continue;
          japanese = japanese || c > 0x7F;
          Glyph glyph;
          EXPECT_TRUE(FindGlyph(c, glyph))
              << entry.path().string() << ":" << literal.line << ": no glyph for U+" << std::hex
              << static_cast<unsigned>(c) << " (" << EncodeUtf8(c) << ")";
          if (program_text) {
            EXPECT_TRUE(IsCommonGlyph(c))
                << entry.path().string() << ":" << literal.line << ": U+" << std::hex
                << static_cast<unsigned>(c) << " is not among the common glyphs";
          }
        }
        japanese_literals += japanese;
      }
    }
  }
  EXPECT_GT(files, 0);
  EXPECT_GT(japanese_literals, 0) << "no Japanese text found: wrong source folder?";
}

}  // namespace
}  // namespace drill
