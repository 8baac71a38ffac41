// Number texts in plain decimal notation, reading numbers out of texts, and the random generator.
#include "runtime/numbers.hpp"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace drill {
namespace {

// Writes the decimal digits `digits` (no point, first one non-zero) scaled so that the first
// digit stands for 10^exponent, in plain notation: 1.5e3 -> "1500", 2.5e-3 -> "0.0025".
std::string PlainDecimal(const std::string& digits, int exponent) {
  std::string out;
  const int count = static_cast<int>(digits.size());
  if (exponent < 0) {
    out = "0.";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
  } else if (exponent + 1 >= count) {
    out = digits;
    out.append(static_cast<size_t>(exponent + 1 - count), '0');
  } else {
    out = digits.substr(0, static_cast<size_t>(exponent + 1));
    out += '.';
    out += digits.substr(static_cast<size_t>(exponent + 1));
  }
  return out;
}

// The magnitude's text with the fewest significant digits (1 to 9) that reads back as the same
// float; nine digits always suffice for a float.
std::string MagnitudeText(float magnitude) {
  // Whole numbers below 2^24 are exact: their digits are the shortest text (the common case).
  if (magnitude < 16777216.0f && magnitude == std::floor(magnitude)) {
    return std::to_string(static_cast<long>(magnitude));
  }
  char buffer[64];
  for (int precision = 1; precision <= 9; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, static_cast<double>(magnitude));
    if (std::strtof(buffer, nullptr) != magnitude && precision < 9) continue;
    // buffer is "d.ddde[+-]xx": collect the digits and the exponent.
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e' && *p != '\0'; ++p) {
      if (*p >= '0' && *p <= '9') digits += *p;
    }
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return PlainDecimal(digits, exponent);
  }
  return "0";
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string NumberToText(float value) {
  if (std::isnan(value)) return " nan";
  if (value == 0.0f) return " 0";  // -0 as well: never "-0"
  const bool negative = value < 0.0f;
  const float magnitude = std::fabs(value);
  const std::string body = std::isinf(magnitude) ? "inf" : MagnitudeText(magnitude);
  return (negative ? "-" : " ") + body;
}

std::string NumberText(float value) {
  std::string text = NumberToText(value);
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

float ToNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;

  // Copy the leading number into a clean text, so the C parser never sees hex, "inf" or "nan".
  std::string number;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) number += text[pos++];
  bool any_digit = false;
  const auto take_digits = [&] {
    while (pos < text.size() && IsDigit(text[pos])) {
      number += text[pos++];
      any_digit = true;
    }
  };
  take_digits();
  if (pos < text.size() && text[pos] == '.') {
    number += text[pos++];
    take_digits();
  }
  if (!any_digit) return 0.0f;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t exp_pos = pos + 1;
    std::string exponent = "e";
    if (exp_pos < text.size() && (text[exp_pos] == '+' || text[exp_pos] == '-')) {
      exponent += text[exp_pos++];
    }
    if (exp_pos < text.size() && IsDigit(text[exp_pos])) {
      while (exp_pos < text.size() && IsDigit(text[exp_pos])) exponent += text[exp_pos++];
      number += exponent;
    }
  }
  float value = std::strtof(number.c_str(), nullptr);
  // Beyond the float range the value is clamped rather than left infinite.
  if (std::isinf(value)) value = value > 0.0f ? FLT_MAX : -FLT_MAX;
  return value;
}

float IntPart(float value) {
  return std::floor(value);
}

void RandomGenerator::Seed(std::uint32_t seed) {
  // splitmix64 spreads nearby seeds (the clock's seconds) over the whole state.
  std::uint64_t z = static_cast<std::uint64_t>(seed) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  state_ = z ^ (z >> 31);
}

std::uint32_t RandomGenerator::NextBits() {
  // PCG32 (XSH RR) with a fixed stream: the same sequence on every machine and compiler.
  constexpr std::uint64_t kMultiplier = 6364136223846793005ull;
  constexpr std::uint64_t kIncrement = 1442695040888963407ull;
  const std::uint64_t old = state_;
  state_ = old * kMultiplier + kIncrement;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
  const auto rotation = static_cast<std::uint32_t>(old >> 59);
  return (xorshifted >> rotation) | (xorshifted << ((32 - rotation) & 31));
}

float RandomGenerator::Next() {
  return static_cast<float>(NextBits() >> 8) * 0x1p-24f;
}

}  // namespace drill
