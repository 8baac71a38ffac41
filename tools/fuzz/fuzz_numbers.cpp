// Fuzz target: any text read as a number, and any keys typed at the start-number prompt. ToNumber
// never fails, a number's text reads back as the same number, and the prompt takes every key.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "framework/errors/errors.hpp"
#include "runtime/numbers.hpp"
#include "tools/fuzz/fuzz_keys.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drill;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const float value = ToNumber(text);
  if (std::isfinite(value) && ToNumber(NumberToText(value)) != value) std::abort();

  Drill& d = SharedDrill().Start(KeysFromBytes(std::span<const std::uint8_t>(data, size)));
  try {
    for (;;) ToNumber(ReadNumber(d.rt, 560, 270, {}));
  } catch (const ScriptEnd&) {
  }
  return 0;
}
