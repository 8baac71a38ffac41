// The drawing surface: 1440 x 900 pixels of palette codes 0..15.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace drill {

inline constexpr int kSurfaceWidth = 1440;
inline constexpr int kSurfaceHeight = 900;

struct Rgb {
  std::uint8_t r, g, b;
};

// Colour 0 is the background; every text colour reads on it and on the problem frame's fill (2).
extern const std::array<Rgb, 16> kPalette;

// Two pixels share a byte, the left one in the high four bits: sixteen colours need no more, and
// the picture takes half the memory.
class Surface {
 public:
  Surface(int width = kSurfaceWidth, int height = kSurfaceHeight)
      : width_(width),
        height_(height),
        stride_((width + 1) / 2),
        packed_(static_cast<size_t>(stride_) * static_cast<size_t>(height), 0),
        row_versions_(static_cast<size_t>(height), 0) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  std::uint8_t At(int x, int y) const {
    const std::uint8_t pair = packed_[Index(x, y)];
    return x % 2 == 0 ? pair >> 4 : pair & 15;
  }
  // Writes one pixel; positions off the surface are ignored (clipping).
  void Set(int x, int y, int colour) {
    if (!Contains(x, y)) return;
    std::uint8_t& pair = packed_[Index(x, y)];
    const auto code = static_cast<std::uint8_t>(colour & 15);
    pair = x % 2 == 0 ? static_cast<std::uint8_t>((pair & 0x0F) | (code << 4))
                      : static_cast<std::uint8_t>((pair & 0xF0) | code);
    Touched(y);
  }
  void Clear(int colour = 0) {
    std::fill(packed_.begin(), packed_.end(), static_cast<std::uint8_t>((colour & 15) * 0x11));
    ++version_;
    for (auto& v : row_versions_) ++v;
  }
  // Fills columns x1..x2 of row y with one colour, for painters that fill whole spans at once;
  // the caller has clipped them to the surface.
  void FillSpan(int y, int x1, int x2, int colour);
  // Whether every pixel has colour 0.
  bool IsBlank() const {
    return std::all_of(packed_.begin(), packed_.end(), [](std::uint8_t pair) { return pair == 0; });
  }

  // The pixels as stored: stride() bytes a row, two pixels a byte.
  int stride() const { return stride_; }
  const std::vector<std::uint8_t>& packed() const { return packed_; }
  const std::uint8_t* PackedRow(int y) const {
    return packed_.data() + static_cast<size_t>(y) * static_cast<size_t>(stride_);
  }

  // Grow with every write, to the surface and to row y: what has not moved needs no comparing.
  std::uint64_t version() const { return version_; }
  std::uint32_t row_version(int y) const { return row_versions_[static_cast<size_t>(y)]; }

 private:
  size_t Index(int x, int y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(stride_) + static_cast<size_t>(x / 2);
  }
  void Touched(int y) {
    ++version_;
    ++row_versions_[static_cast<size_t>(y)];
  }

  int width_, height_, stride_;
  std::vector<std::uint8_t> packed_;
  std::uint64_t version_ = 0;
  std::vector<std::uint32_t> row_versions_;
};

}  // namespace drill
