// Fuzz target: any text read as a point's coordinate text, and every point text that point entry
// writes read back to its own coordinates.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/planes/planes.hpp"
#include "runtime/numbers.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drill;
  ParsePointText(std::string(reinterpret_cast<const char*>(data), size));

  if (size >= 2) {
    const float x = static_cast<float>(data[0] % 21) - 10,
                y = static_cast<float>(data[1] % 21) - 10;
    const auto read = ParsePointText("(" + NumberText(x) + "," + NumberText(y) + ")");
    if (!read || read->x != x || read->y != y) std::abort();
  }
  return 0;
}
