// Point entry on the standard plane: the pupil moves a marker with the arrow keys from the origin
// and fixes points with Enter.
#include <span>
#include <string>
#include <vector>

#include "framework/errors/errors.hpp"
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/key_names.hpp"
#include "runtime/numbers.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

float Clamp(float v, float low, float high) {
  return v < low ? low : (v > high ? high : v);
}

// Fixed point k as a disc with its name above it (no name when HYOUJI = 0).
void DrawFixedPoint(Drill& d, int k) {
  const float x = d.G[1][k], y = d.G[2][k];
  d.rt.DrawCircle(x, y, 4, 15, CircleFill::Filled);
  if (d.HYOUJI != 1) return;
  const auto [name_x, name_y] = PointNamePlace(d, x, y, d.T_s[10 + k]);
  RenderAt(d, name_x, name_y, 15, d.T_s[10 + k]);
}

}  // namespace

void EnterPoints(Drill& d) {
  // The marker shows where it starts, so the pupil sees what the arrow keys move.
  if (d.P1 < d.KOSUU) d.rt.DrawCircle(d.GX, d.GY, 4, 15, CircleFill::Filled);
  const TapScope taps(d, TapOnPlane(d));
  while (d.P1 < d.KOSUU) {
    std::string key;
    while ((key = d.rt.ReadKey()).empty()) {
    }
    d.rt.DrawCircle(d.GX, d.GY, 4, 0, CircleFill::Filled);
    DrawStandardPlane(d);
    if (key == kRight) d.GX += 16;
    if (key == kLeft) d.GX -= 16;
    if (key == kUp) d.GY -= 16;
    if (key == kDown) d.GY += 16;
    d.GX = Clamp(d.GX, d.GX1, d.GX2);
    d.GY = Clamp(d.GY, d.GY1, d.GY2);
    for (int k = 1; k <= d.P1; ++k) DrawFixedPoint(d, k);
    // The marker moves over everything on the plane and is wiped at the next key.
    d.rt.BeginGroup(DrawGroup::Mark);
    d.rt.DrawCircle(d.GX, d.GY, 4, 15, CircleFill::Filled);
    d.rt.EndGroup(DrawGroup::Mark);
    if (key != kEnter) continue;

    d.P1 += 1;
    const int p = static_cast<int>(d.P1);
    d.G[1][p] = d.GX;
    d.G[2][p] = d.GY;
    DrawFixedPoint(d, p);
    d.KKAI_s[p] =
        "(" + NumberText((d.GX - d.GX0) / 16) + "," + NumberText((d.GY0 - d.GY) / 16) + ")";
    if (d.HYOUJI == 1) RenderAt(d, 112, 180 + 36.0f * d.P1, 15, d.T_s[10 + p] + d.KKAI_s[p]);
  }
  for (int k = 1; k <= d.KOSUU; ++k) d.G[1][k] = d.G[2][k] = 0;
  d.HYOUJI = 0;
  d.P1 = 0;
}

void EnterPointsFromOrigin(Drill& d, int count, int show_names) {
  d.P1 = 0;
  d.GX = d.GX0;
  d.GY = d.GY0;
  d.KOSUU = count;
  d.HYOUJI = show_names;
  EnterPoints(d);
}

std::string EnteredPointTexts(const Drill& d, int count) {
  std::string all;
  for (int k = 1; k <= count; ++k) all += d.KKAI_s[k];
  return all;
}

std::vector<bool> MatchEnteredPoints(Drill& d, int count, std::span<const CoordinatePair> pairs) {
  std::vector<bool> matched(static_cast<size_t>(count), false);
  std::vector<bool> taken(pairs.size(), false);
  for (int k = 1; k <= count; ++k) {
    d.AA_s = d.KKAI_s[k];
    ParsePointText(d);
    for (size_t i = 0; i < pairs.size(); ++i) {
      if (taken[i] || pairs[i].x != d.P1 || pairs[i].y != d.P2) continue;
      taken[i] = true;
      matched[static_cast<size_t>(k - 1)] = true;
      break;
    }
  }
  return matched;
}

void ParsePointText(Drill& d) {
  if (d.AA_s.empty()) return;
  const std::string inner = MidChars(d.AA_s, 2, CharacterCount(d.AA_s) - 2);
  const int comma = FindChars(inner, ",");
  if (comma == 0) {  // never made by EnterPoints; read as a point on the x axis
    d.P1 = ToNumber(inner);
    d.P2 = 0;
    return;
  }
  d.P1 = ToNumber(LeftChars(inner, comma - 1));
  d.P2 = ToNumber(MidChars(inner, comma + 1, CharacterCount(inner) - comma));
}

}  // namespace drill
