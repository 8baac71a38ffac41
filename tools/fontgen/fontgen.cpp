// Build-time generator of the embedded glyph tables: reads the Shinonome PCF fonts and Unifont's
// Japanese hex file and writes sorted tables of code points with packed 16-row bitmaps: one of
// every glyph, and a small one of the characters the programs' own sources and a pupil's typing
// use.
#include <iconv.h>
#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRows = 16;

// One glyph as the table stores it: 8 or 16 pixels wide, 16 rows, MSB leftmost.
struct Bitmap {
  int width = 8;
  std::array<std::uint8_t, 2 * kRows> bytes{};  // width / 8 bytes a row

  int BytesPerRow() const { return width / 8; }
  void SetPixel(int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= kRows) return;
    bytes[static_cast<size_t>(y * BytesPerRow() + x / 8)] |=
        static_cast<std::uint8_t>(0x80 >> (x % 8));
  }
};

std::vector<std::uint8_t> ReadGzip(const std::string& path) {
  gzFile file = gzopen(path.c_str(), "rb");
  if (file == nullptr) throw std::runtime_error("cannot open " + path);
  std::vector<std::uint8_t> data;
  std::array<char, 65536> buffer;
  int got = 0;
  while ((got = gzread(file, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0) {
    data.insert(data.end(), buffer.begin(), buffer.begin() + got);
  }
  const bool failed = got < 0;
  gzclose(file);
  if (failed || data.empty()) throw std::runtime_error("cannot read " + path);
  return data;
}

// Reads a PCF font. Every table carries its own format word, which fixes its byte order, bit
// order, glyph row padding and scan unit; this reader honours all of them.
class PcfReader {
 public:
  explicit PcfReader(std::vector<std::uint8_t> data) : data_(std::move(data)) {}

  // Glyphs by encoding (JIS code for the kanji font, byte value for the roman one), each placed on
  // the font's baseline in a cell of its advance width by 16 rows.
  std::map<std::uint32_t, Bitmap> Glyphs() {
    if (data_.size() < 8 || U32(0, false) != 0x70636601) throw std::runtime_error("not a PCF font");
    const std::uint32_t count = U32(4, false);
    for (std::uint32_t i = 0; i < count; ++i) {
      const size_t entry = 8 + 16 * static_cast<size_t>(i);
      tables_[U32(entry, false)] = U32(entry + 12, false);
    }
    const int font_ascent = FontAscent();
    const auto metrics = Metrics();
    const auto bitmaps = Bitmaps(metrics, font_ascent);
    std::map<std::uint32_t, Bitmap> glyphs;
    const size_t enc = Table(kEncodings);
    const std::uint32_t format = U32(enc, false);
    const bool big = (format & kByteMsb) != 0;
    const int min2 = I16(enc + 4, big), max2 = I16(enc + 6, big);
    const int min1 = I16(enc + 8, big), max1 = I16(enc + 10, big);
    size_t index_at = enc + 14;
    for (int b1 = min1; b1 <= max1; ++b1) {
      for (int b2 = min2; b2 <= max2; ++b2, index_at += 2) {
        const std::uint32_t index = static_cast<std::uint16_t>(I16(index_at, big));
        if (index == 0xFFFF || index >= bitmaps.size()) continue;
        glyphs[static_cast<std::uint32_t>(b1 << 8 | b2)] = bitmaps[index];
      }
    }
    return glyphs;
  }

 private:
  static constexpr std::uint32_t kAccelerators = 1 << 1, kMetrics = 1 << 2, kBitmaps = 1 << 3,
                                 kEncodings = 1 << 5, kBdfAccelerators = 1 << 8;
  static constexpr std::uint32_t kByteMsb = 1 << 2, kBitMsb = 1 << 3, kCompressed = 0x100;

  struct Metric {
    int left, right, width, ascent, descent;
  };

  void Need(size_t at, size_t size) const {
    if (at + size > data_.size()) throw std::runtime_error("truncated PCF font");
  }
  std::uint32_t U32(size_t at, bool big) const {
    Need(at, 4);
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const int shift = big ? 8 * (3 - i) : 8 * i;
      v |= static_cast<std::uint32_t>(data_[at + static_cast<size_t>(i)]) << shift;
    }
    return v;
  }
  int I16(size_t at, bool big) const {
    Need(at, 2);
    const unsigned v = big ? (data_[at] << 8 | data_[at + 1]) : (data_[at + 1] << 8 | data_[at]);
    return static_cast<std::int16_t>(v);
  }
  size_t Table(std::uint32_t type) const {
    auto it = tables_.find(type);
    if (it == tables_.end()) throw std::runtime_error("PCF table missing");
    return it->second;
  }

  int FontAscent() const {
    const bool bdf = tables_.count(kBdfAccelerators) != 0;
    const size_t at = Table(bdf ? kBdfAccelerators : kAccelerators);
    const bool big = (U32(at, false) & kByteMsb) != 0;
    return static_cast<int>(U32(at + 12, big));  // after the format word and eight flag bytes
  }

  std::vector<Metric> Metrics() const {
    const size_t at = Table(kMetrics);
    const std::uint32_t format = U32(at, false);
    const bool big = (format & kByteMsb) != 0;
    std::vector<Metric> metrics;
    if (format & kCompressed) {
      const int count = I16(at + 4, big);
      Need(at + 6, static_cast<size_t>(count) * 5);
      for (int i = 0; i < count; ++i) {
        const std::uint8_t* m = &data_[at + 6 + static_cast<size_t>(i) * 5];
        metrics.push_back({m[0] - 0x80, m[1] - 0x80, m[2] - 0x80, m[3] - 0x80, m[4] - 0x80});
      }
    } else {
      const std::uint32_t count = U32(at + 4, big);
      for (std::uint32_t i = 0; i < count; ++i) {
        const size_t m = at + 8 + static_cast<size_t>(i) * 12;
        metrics.push_back(
            {I16(m, big), I16(m + 2, big), I16(m + 4, big), I16(m + 6, big), I16(m + 8, big)});
      }
    }
    return metrics;
  }

  std::vector<Bitmap> Bitmaps(const std::vector<Metric>& metrics, int font_ascent) const {
    const size_t at = Table(kBitmaps);
    const std::uint32_t format = U32(at, false);
    const bool big = (format & kByteMsb) != 0;
    const bool bit_msb = (format & kBitMsb) != 0;
    const size_t pad = size_t{1} << (format & 3);
    const size_t unit = size_t{1} << ((format >> 4) & 3);
    const std::uint32_t count = U32(at + 4, big);
    if (count != metrics.size()) throw std::runtime_error("PCF metrics and bitmaps disagree");
    const size_t offsets = at + 8;
    const size_t data = offsets + 4 * static_cast<size_t>(count) + 16;
    std::vector<Bitmap> bitmaps;
    for (std::uint32_t g = 0; g < count; ++g) {
      const Metric& m = metrics[g];
      const size_t start = data + U32(offsets + 4 * static_cast<size_t>(g), big);
      const int ink_width = m.right - m.left;
      const size_t row_bytes = (static_cast<size_t>(ink_width > 0 ? ink_width : 0) + 7) / 8;
      const size_t stride = (row_bytes + pad - 1) / pad * pad;
      const int height = m.ascent + m.descent;
      Bitmap bitmap;
      bitmap.width = m.width > 8 ? 16 : 8;
      const int top = font_ascent - m.ascent;
      for (int y = 0; y < height; ++y) {
        const size_t row = start + static_cast<size_t>(y) * stride;
        Need(row, stride);
        for (int x = 0; x < ink_width; ++x) {
          size_t byte = static_cast<size_t>(x / 8);
          // Bytes are stored in scan units; when the unit's byte order differs from the bit
          // order, the bytes within each unit are reversed.
          if (unit > 1 && big != bit_msb) byte = byte / unit * unit + (unit - 1 - byte % unit);
          const int bit = bit_msb ? 7 - x % 8 : x % 8;
          if (data_[row + byte] >> bit & 1) bitmap.SetPixel(m.left + x, top + y);
        }
      }
      bitmaps.push_back(bitmap);
    }
    return bitmaps;
  }

  std::vector<std::uint8_t> data_;
  std::map<std::uint32_t, size_t> tables_;
};

// Unifont's hex lines "XXXX:<32 or 64 hex digits>" within the given code point ranges.
std::map<char32_t, Bitmap> ReadUnifont(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::map<char32_t, Bitmap> glyphs;
  std::string line;
  while (std::getline(in, line)) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const char32_t code = static_cast<char32_t>(std::stoul(line.substr(0, colon), nullptr, 16));
    const std::string hex = line.substr(colon + 1);
    if (hex.size() != 32 && hex.size() != 64) continue;
    Bitmap bitmap;
    bitmap.width = hex.size() == 32 ? 8 : 16;
    for (size_t i = 0; i < hex.size() / 2; ++i) {
      bitmap.bytes[i] = static_cast<std::uint8_t>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
    }
    glyphs[code] = bitmap;
  }
  return glyphs;
}

// Control characters are never drawn, so they get no glyph (Unifont draws them as boxes).
bool InUnifontRange(char32_t c) {
  const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
  return !control && (c <= 0x33FF || (c >= 0xFF00 && c <= 0xFFEF));
}

// Converts one multi-byte character to a single Unicode code point with iconv; 0 when the
// conversion fails or gives more than one code point.
char32_t ConvertOne(iconv_t cd, std::string bytes) {
  std::array<char32_t, 4> out{};
  char* in_ptr = bytes.data();
  size_t in_left = bytes.size();
  char* out_ptr = reinterpret_cast<char*>(out.data());
  size_t out_left = sizeof(out);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1)) return 0;
  if (in_left != 0 || sizeof(out) - out_left != sizeof(char32_t)) return 0;
  return out[0];
}

std::string EucBytes(std::uint32_t jis) {
  return {static_cast<char>((jis >> 8) | 0x80), static_cast<char>((jis & 0xFF) | 0x80)};
}

std::string SjisBytes(std::uint32_t jis) {
  int row = static_cast<int>(jis >> 8), col = static_cast<int>(jis & 0xFF);
  int lead = (row + 1) / 2 + (row <= 0x5E ? 0x70 : 0xB0);
  int trail = (row % 2 == 1) ? col + (col <= 0x5F ? 0x1F : 0x20) : col + 0x7E;
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

// Every usual Unicode form of a JIS X 0208 code: the EUC-JP and CP932 readings differ for a few
// symbols (minus, wave dash, double bar, cent, pound, not, dash) and the text may use either.
class JisMapper {
 public:
  JisMapper() {
    for (const char* name : {"EUC-JP", "EUC-JP-MS"}) Open(name, Encoding::Euc);
    for (const char* name : {"CP932", "SHIFT_JIS"}) Open(name, Encoding::Sjis);
    if (converters_.empty()) throw std::runtime_error("iconv knows no Japanese encoding");
  }
  ~JisMapper() {
    for (auto& [cd, encoding] : converters_) iconv_close(cd);
  }
  JisMapper(const JisMapper&) = delete;
  JisMapper& operator=(const JisMapper&) = delete;

  std::vector<char32_t> Forms(std::uint32_t jis) const {
    std::vector<char32_t> forms;
    for (const auto& [cd, encoding] : converters_) {
      const char32_t c = ConvertOne(cd, encoding == Encoding::Euc ? EucBytes(jis) : SjisBytes(jis));
      // ASCII and the private use area are never the form of a full-width glyph.
      if (c < 0x80 || (c >= 0xE000 && c <= 0xF8FF)) continue;
      bool known = false;
      for (char32_t f : forms) known = known || f == c;
      if (!known) forms.push_back(c);
    }
    return forms;
  }

 private:
  enum class Encoding { Euc, Sjis };
  void Open(const char* name, Encoding encoding) {
    iconv_t cd = iconv_open("UTF-32LE", name);
    if (cd != reinterpret_cast<iconv_t>(-1)) converters_.emplace_back(cd, encoding);
  }
  std::vector<std::pair<iconv_t, Encoding>> converters_;
};

// Pairs of code points that name the same JIS character in the usual mappings; whichever is
// missing borrows the other's glyph, whatever the local iconv knows.
constexpr std::array<std::pair<char32_t, char32_t>, 8> kTwins{{{0x2212, 0xFF0D},
                                                               {0x301C, 0xFF5E},
                                                               {0x2016, 0x2225},
                                                               {0x00A2, 0xFFE0},
                                                               {0x00A3, 0xFFE1},
                                                               {0x00AC, 0xFFE2},
                                                               {0x2014, 0x2015},
                                                               {0xFFE3, 0x203E}}};

// Writes `text` to `path` unless the file already holds it, so that an unchanged table is not
// compiled again when the sources it was drawn from change elsewhere.
void WriteIfChanged(const std::string& path, const std::string& text) {
  {
    std::ifstream old(path, std::ios::binary);
    std::ostringstream held;
    held << old.rdbuf();
    if (old && held.str() == text) return;
  }
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

void WriteTable(const std::map<char32_t, Bitmap>& glyphs, const std::string& path,
                const std::string& table) {
  std::ostringstream out;
  out << "// Generated by fontgen from the Shinonome 16-dot fonts and Unifont; do not edit.\n"
         "#include \"runtime/glyph_tables.hpp\"\n\n"
         "namespace drill::glyph_data {\n"
         "namespace {\n\n";
  out << "const std::uint32_t kCodePoints[] = {\n";
  int column = 0;
  for (const auto& [code, bitmap] : glyphs) {
    out << "0x" << std::hex << static_cast<std::uint32_t>(code) << std::dec << ',';
    if (++column % 16 == 0) out << '\n';
  }
  // Each offset counts bytes into kBitmaps; the top bit marks a 16-pixel-wide glyph.
  out << "};\n\nconst std::uint32_t kOffsets[] = {\n";
  std::string blob;
  column = 0;
  for (const auto& [code, bitmap] : glyphs) {
    std::uint32_t offset = static_cast<std::uint32_t>(blob.size());
    if (bitmap.width == 16) offset |= 0x80000000u;
    out << offset << ',';
    if (++column % 16 == 0) out << '\n';
    blob.append(reinterpret_cast<const char*>(bitmap.bytes.data()),
                static_cast<size_t>(bitmap.BytesPerRow() * kRows));
  }
  // The bitmaps as one string literal (far quicker to compile than a list of numbers): printable
  // bytes as themselves, the rest as three-digit octal escapes that cannot swallow a digit.
  out << "};\n\nconst char kBitmaps[] =\n\"";
  size_t line_length = 0;
  for (const char ch : blob) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\' && byte != '?') {
      out << ch;
      ++line_length;
    } else {
      std::array<char, 8> escape{};
      std::snprintf(escape.data(), escape.size(), "\\%03o", byte);
      out << escape.data();
      line_length += 4;
    }
    if (line_length >= 96) {
      out << "\"\n\"";
      line_length = 0;
    }
  }
  out << "\";\n\n}  // namespace\n\nconst GlyphTable " << table
      << "{kCodePoints, kOffsets, kBitmaps};\n\n}  // namespace drill::glyph_data\n";
  WriteIfChanged(path, out.str());
}

// Every character of a UTF-8 file; bytes that do not form one are passed over.
std::set<char32_t> CharactersOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::set<char32_t> found;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80    ? 1
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC0 ? 2
                                         : 0;
    if (length == 0 || i + length > text.size()) {
      ++i;
      continue;
    }
    char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
    bool whole = true;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      whole = whole && (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (whole) found.insert(c);
    i += whole ? length : 1;
  }
  return found;
}

// The glyphs drawn day to day: the characters of the programs' own texts, and whatever a pupil
// can type (ASCII, kana, the Japanese punctuation and full-width forms). Drawing them touches a
// few pages of the program instead of the whole table.
std::map<char32_t, Bitmap> CommonGlyphs(const std::map<char32_t, Bitmap>& all,
                                        const std::vector<std::string>& sources) {
  std::set<char32_t> wanted;
  for (const std::string& source : sources) wanted.merge(CharactersOf(source));
  for (char32_t c = 0x20; c < 0x7F; ++c) wanted.insert(c);
  for (char32_t c = 0x3000; c <= 0x30FF; ++c) wanted.insert(c);
  for (char32_t c = 0xFF01; c <= 0xFF9F; ++c) wanted.insert(c);
  std::map<char32_t, Bitmap> common;
  for (const char32_t c : wanted) {
    const auto found = all.find(c);
    if (found != all.end()) common.emplace(c, found->second);
  }
  return common;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::cerr << "usage: fontgen <shnm8x16r.pcf.gz> <shnmk16.pcf.gz> <unifont_jp.hex> <all.cpp> "
                 "<common.cpp> [source files whose characters are common]...\n";
    return 2;
  }
  try {
    std::map<char32_t, Bitmap> glyphs;
    // The roman font follows JIS X 0201: its 0x5C is the yen sign and 0x7E the overline, so those
    // two go to their own code points and ASCII's backslash and tilde come from Unifont.
    for (const auto& [code, bitmap] : PcfReader(ReadGzip(argv[1])).Glyphs()) {
      if (code == 0x5C) {
        glyphs[0xA5] = bitmap;
      } else if (code == 0x7E) {
        glyphs[0x203E] = bitmap;
      } else if (code >= 0x20 && code < 0x7F) {
        glyphs[code] = bitmap;
      } else if (code >= 0xA1 && code <= 0xDF) {
        glyphs[0xFF61 + (code - 0xA1)] = bitmap;  // half-width katakana
      }
    }
    const JisMapper mapper;
    for (const auto& [jis, bitmap] : PcfReader(ReadGzip(argv[2])).Glyphs()) {
      if (bitmap.width != 16) continue;
      for (char32_t c : mapper.Forms(jis)) glyphs.try_emplace(c, bitmap);
    }
    for (const auto& [a, b] : kTwins) {
      if (glyphs.count(a) && !glyphs.count(b)) glyphs[b] = glyphs[a];
      if (glyphs.count(b) && !glyphs.count(a)) glyphs[a] = glyphs[b];
    }
    for (const auto& [code, bitmap] : ReadUnifont(argv[3])) {
      // Half-width katakana take an 8-pixel cell, so only narrow glyphs fit there.
      const bool narrow_cell = code >= 0xFF61 && code <= 0xFF9F;
      if (InUnifontRange(code) && !(narrow_cell && bitmap.width != 8)) {
        glyphs.try_emplace(code, bitmap);
      }
    }
    WriteTable(glyphs, argv[4], "kAll");
    WriteTable(CommonGlyphs(glyphs, std::vector<std::string>(argv + 6, argv + argc)), argv[5],
               "kCommon");
  } catch (const std::exception& e) {
    std::cerr << "fontgen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
