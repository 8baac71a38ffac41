// Number texts and random numbers. The drills' numbers are single-precision floats.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace drill {

// Shortest decimal text that reads back as the same float, plain notation, with one leading blank
// when the value is not negative; never "-0".
std::string NumberToText(float value);
// NumberToText without its leading blank: the form the trace and the problems' texts use.
std::string NumberText(float value);
// The value of the leading number after blanks (sign, digits, point, exponent); 0 when none.
float ToNumber(std::string_view text);
// The largest whole number not above the value.
float IntPart(float value);

// A fixed, platform-independent generator, so a seed gives the same problems on every machine.
class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint32_t seed = 0) { Seed(seed); }
  void Seed(std::uint32_t seed);
  // A value in [0, 1) from the top 24 bits of a 32-bit draw; never 1.
  float Next();
  std::uint32_t NextBits();

 private:
  std::uint64_t state_ = 0;
};

}  // namespace drill
