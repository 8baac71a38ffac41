// Fractions in lowest terms, for the problems' answers.
#include <cmath>

#include "framework/flow/flow.hpp"

namespace drill {

void ReduceFraction(float& D1, float& D2) {
  if (D2 == 0) return;
  D1 = std::fabs(D1);
  D2 = std::fabs(D2);
  // Euclid's method in the drill's own arithmetic; callers pass whole numbers.
  float a = D1, b = D2;
  while (b != 0) {
    float r = a - b * std::floor(a / b);
    a = b;
    b = r;
  }
  if (a == 0) return;  // 0 / 0 cannot occur (D2 is not 0), but never divide by it
  D1 = D1 / a;
  D2 = D2 / a;
}

}  // namespace drill
