// Writes the surface as an 8-bit RGB PNG in the palette's colours, through libpng.
#include <png.h>

#include <string>
#include <vector>

#include "runtime/headless.hpp"
#include "runtime/output_file.hpp"
#include "runtime/surface.hpp"

namespace drill {
namespace {

// Owns libpng's write and info structures.
class PngWriter {
 public:
  PngWriter() : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~PngWriter() { png_destroy_write_struct(&png_, info_ != nullptr ? &info_ : nullptr); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;

  bool ok() const { return png_ != nullptr && info_ != nullptr; }
  png_structp png() { return png_; }
  png_infop info() { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

// libpng reports errors by longjmp; everything with a destructor lives in WritePng, outside the
// function that sets the jump point.
bool Encode(PngWriter& writer, std::string& out, const Surface& surface,
            std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(writer.png()))) return false;
  png_set_write_fn(
      writer.png(), &out,
      [](png_structp png, png_bytep data, png_size_t length) {
        static_cast<std::string*>(png_get_io_ptr(png))
            ->append(reinterpret_cast<const char*>(data), length);
      },
      nullptr);
  png_set_IHDR(writer.png(), writer.info(), static_cast<png_uint_32>(surface.width()),
               static_cast<png_uint_32>(surface.height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(writer.png(), writer.info());
  png_write_image(writer.png(), rows.data());
  png_write_end(writer.png(), nullptr);
  return true;
}

}  // namespace

bool WritePng(const Surface& surface, const std::string& path) {
  const int width = surface.width(), height = surface.height();
  if (width <= 0 || height <= 0) return false;
  std::vector<png_byte> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    png_bytep row = rgb.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3;
    rows[static_cast<size_t>(y)] = row;
    for (int x = 0; x < width; ++x) {
      const Rgb& colour = kPalette[surface.At(x, y) & 15];
      row[3 * x] = colour.r;
      row[3 * x + 1] = colour.g;
      row[3 * x + 2] = colour.b;
    }
  }
  std::string encoded;
  PngWriter writer;
  if (!writer.ok() || !Encode(writer, encoded, surface, rows)) return false;
  return WriteOutputFile(path, encoded);
}

}  // namespace drill
