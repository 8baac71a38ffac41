// Both branches of y = k/x on the standard plane, drawn as dots.
#include <algorithm>
#include <cmath>

#include "framework/planes/planes.hpp"

namespace drill {

void DrawHyperbola(Runtime& rt, const Plane& plane, float constant, int steps) {
  const float k = constant;
  // Beyond |k| = 100 the curve misses the square; at k = 0 there is no curve to draw.
  if (std::fabs(k) > 100 || k == 0) return;
  // Each branch runs inside the square, from one border to the other: for k > 0 the left branch
  // ends where y = -10 and the right one starts where y = 10, for k < 0 the other way round.
  const float left_end = k > 0 ? k / -10.0f : k / 10.0f;
  const float right_start = k > 0 ? k / 10.0f : k / -10.0f;
  // Without a positive step count each branch is its start point.
  steps = std::max(steps, 0);
  const auto branch = [&rt, &plane, k, steps](float x_from, float x_to) {
    const float step = steps > 0 ? (x_to - x_from) / static_cast<float>(steps) : 0.0f;
    for (int j = 0; j <= steps; ++j) {
      const float x = x_from + static_cast<float>(j) * step;
      rt.DrawCircle(plane.PixelX(x), plane.PixelY(k / x), 1.5f, 15, CircleFill::Filled);
    }
  };
  branch(-10, left_end);
  branch(right_start, 10);
}

}  // namespace drill
