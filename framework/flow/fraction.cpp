// Fractions in lowest terms, for the problems' answers.
#include <cmath>

#include "framework/flow/flow.hpp"

namespace drill {

void ReduceFraction(float& numerator, float& denominator) {
  if (denominator == 0) return;
  numerator = std::fabs(numerator);
  denominator = std::fabs(denominator);
  // Euclid's method in the drill's own arithmetic; callers pass whole numbers.
  float a = numerator, b = denominator;
  while (b != 0) {
    float r = a - b * std::floor(a / b);
    a = b;
    b = r;
  }
  if (a == 0) return;  // 0 / 0 cannot occur (the denominator is not 0), but never divide by it
  numerator = numerator / a;
  denominator = denominator / a;
}

}  // namespace drill
