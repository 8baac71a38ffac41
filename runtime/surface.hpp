// The drawing surface: 1440 x 900 pixels of palette codes 0..15, one byte each.
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

class Surface {
 public:
  Surface(int width = kSurfaceWidth, int height = kSurfaceHeight)
      : width_(width),
        height_(height),
        pixels_(static_cast<size_t>(width * height), 0),
        row_versions_(static_cast<size_t>(height), 0) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  std::uint8_t At(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
  // Writes one pixel; positions off the surface are ignored (clipping).
  void Set(int x, int y, int colour) {
    if (Contains(x, y)) {
      pixels_[static_cast<size_t>(y * width_ + x)] = static_cast<std::uint8_t>(colour & 15);
      ++version_;
      ++row_versions_[static_cast<size_t>(y)];
    }
  }
  void Clear(int colour = 0) {
    std::fill(pixels_.begin(), pixels_.end(), static_cast<std::uint8_t>(colour & 15));
    ++version_;
    for (auto& v : row_versions_) ++v;
  }
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }
  // The pixels of row y (0 <= y < height), for painters that fill whole spans at once.
  std::uint8_t* Row(int y) {
    ++version_;
    ++row_versions_[static_cast<size_t>(y)];
    return pixels_.data() + static_cast<size_t>(y * width_);
  }
  // Grow with every write, to the surface and to row y: what has not moved needs no comparing.
  std::uint64_t version() const { return version_; }
  std::uint32_t row_version(int y) const { return row_versions_[static_cast<size_t>(y)]; }

 private:
  int width_, height_;
  std::vector<std::uint8_t> pixels_;
  std::uint64_t version_ = 0;
  std::vector<std::uint32_t> row_versions_;
};

}  // namespace drill
