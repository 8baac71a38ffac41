// Fuzz target: any text read as a point's coordinate text, and every point text that point entry
// writes read back to its own coordinates.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/planes/planes.hpp"
#include "runtime/numbers.hpp"
#include "tools/fuzz/fuzz_keys.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drill;
  Drill& d = SharedDrill().Start({});
  d.AA_s.assign(reinterpret_cast<const char*>(data), size);
  ParsePointText(d);

  if (size >= 2) {
    const float x = static_cast<float>(data[0] % 21) - 10,
                y = static_cast<float>(data[1] % 21) - 10;
    d.AA_s = "(" + NumberText(x) + "," + NumberText(y) + ")";
    ParsePointText(d);
    if (d.P1 != x || d.P2 != y) std::abort();
  }
  return 0;
}
