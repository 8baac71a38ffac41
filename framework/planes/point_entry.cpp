// Point entry on a plane: the pupil moves a marker with the arrow keys from the origin and fixes
// points with Enter, or taps a grid point to move the marker there and taps the marker to fix it.
#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/errors/errors.hpp"
#include "framework/planes/plane_ink.hpp"
#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/key_names.hpp"
#include "runtime/numbers.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// Fixed point k (from 1) as a disc, with its name beside it when the points are named.
void DrawFixedPoint(Runtime& rt, const Plane& plane, const PointRequest& request,
                    const std::vector<EnteredPoint>& points, int k) {
  const PixelPoint at = points[static_cast<size_t>(k - 1)].pixel;
  rt.DrawCircle(at.x, at.y, 4, 15, CircleFill::Filled);
  if (request.names.empty()) return;
  const std::string& name = request.names.at(static_cast<size_t>(k - 1));
  const PixelPoint name_at = PointNamePlace(plane, at, name);
  RenderAt(rt, name_at.x, name_at.y, 15, name);
}

// A tap on a grid point the marker can reach moves the marker there with the arrow keys, a tap on
// the marker fixes it with Enter. `marker` is read at each tap.
Runtime::TapMeaning TapOnPlane(const Plane& plane, const PixelPoint& marker) {
  return [plane, &marker](SurfacePoint p) {
    // The grid point nearest the tap, if the marker could reach it with the arrow keys.
    const float column = std::round(plane.CoordinateX(static_cast<float>(p.x)));
    const float row = std::round(plane.CoordinateY(static_cast<float>(p.y)));
    const float x = plane.PixelX(column), y = plane.PixelY(row);
    if (x < plane.left || x > plane.right || y < plane.top || y > plane.bottom)
      return std::vector<std::string>{};
    if (x == marker.x && y == marker.y) return std::vector<std::string>{kEnter};
    std::vector<std::string> keys;
    const float across = plane.x_pixels_per_unit, up = plane.YPixelsPerUnit();
    for (float at = marker.x; at < x; at += across) keys.emplace_back(kRight);
    for (float at = marker.x; at > x; at -= across) keys.emplace_back(kLeft);
    for (float at = marker.y; at > y; at -= up) keys.emplace_back(kUp);
    for (float at = marker.y; at < y; at += up) keys.emplace_back(kDown);
    return keys;
  };
}

std::string PointText(const Plane& plane, PixelPoint at) {
  return "(" + NumberText(plane.CoordinateX(at.x)) + "," + NumberText(plane.CoordinateY(at.y)) +
         ")";
}

}  // namespace

std::vector<EnteredPoint> EnterPoints(Runtime& rt, const Plane& plane,
                                      const PointRequest& request) {
  std::vector<EnteredPoint> points;
  for (const PixelPoint& at : request.fixed) points.push_back({at, PointText(plane, at)});
  const auto fixed_count = [&points] { return static_cast<int>(points.size()); };
  PixelPoint marker = request.marker;
  // The marker shows where it starts, so the pupil sees what the arrow keys move.
  if (fixed_count() < request.count) rt.DrawCircle(marker.x, marker.y, 4, 15, CircleFill::Filled);
  const TapScope taps(rt, TapOnPlane(plane, marker));
  while (fixed_count() < request.count) {
    std::string key;
    while ((key = rt.ReadKey()).empty()) {
    }
    rt.DrawCircle(marker.x, marker.y, 4, 0, CircleFill::Filled);
    if (plane.draw) plane.draw(rt);
    if (key == kRight) marker.x += plane.x_pixels_per_unit;
    if (key == kLeft) marker.x -= plane.x_pixels_per_unit;
    if (key == kUp) marker.y -= plane.YPixelsPerUnit();
    if (key == kDown) marker.y += plane.YPixelsPerUnit();
    marker.x = std::clamp(marker.x, plane.left, plane.right);
    marker.y = std::clamp(marker.y, plane.top, plane.bottom);
    for (int k = 1; k <= fixed_count(); ++k) DrawFixedPoint(rt, plane, request, points, k);
    // The marker moves over everything on the plane and is wiped at the next key.
    rt.BeginGroup(DrawGroup::Mark);
    rt.DrawCircle(marker.x, marker.y, 4, 15, CircleFill::Filled);
    rt.EndGroup(DrawGroup::Mark);
    if (key != kEnter) continue;

    points.push_back({marker, PointText(plane, marker)});
    const int p = fixed_count();
    DrawFixedPoint(rt, plane, request, points, p);
    if (!request.names.empty()) {
      RenderAt(rt, 112, 180 + 36.0f * static_cast<float>(p), 15,
               request.names.at(static_cast<size_t>(p - 1)) + points.back().text);
    }
  }
  return points;
}

std::vector<EnteredPoint> EnterPointsFromOrigin(Runtime& rt, const Plane& plane, int count,
                                                std::vector<std::string> names) {
  return EnterPoints(rt, plane,
                     {.count = count,
                      .marker = {plane.origin_x, plane.origin_y},
                      .fixed = {},
                      .names = std::move(names)});
}

std::string EnteredPointTexts(std::span<const EnteredPoint> points) {
  std::string all;
  for (const EnteredPoint& point : points) all += point.text;
  return all;
}

std::vector<bool> MatchEnteredPoints(std::span<const EnteredPoint> points,
                                     std::span<const CoordinatePair> pairs) {
  std::vector<bool> matched(points.size(), false);
  std::vector<bool> taken(pairs.size(), false);
  for (size_t k = 0; k < points.size(); ++k) {
    const std::optional<CoordinatePair> at = ParsePointText(points[k].text);
    if (!at) continue;
    for (size_t i = 0; i < pairs.size(); ++i) {
      if (taken[i] || pairs[i].x != at->x || pairs[i].y != at->y) continue;
      taken[i] = true;
      matched[k] = true;
      break;
    }
  }
  return matched;
}

bool EveryPairEntered(std::span<const EnteredPoint> points, std::span<const CoordinatePair> pairs) {
  const std::vector<bool> matched = MatchEnteredPoints(points, pairs);
  return std::find(matched.begin(), matched.end(), false) == matched.end();
}

std::optional<CoordinatePair> ParsePointText(const std::string& text) {
  if (text.empty()) return std::nullopt;
  const std::string inner = MidChars(text, 2, CharacterCount(text) - 2);
  const int comma = FindChars(inner, ",");
  // Never made by EnterPoints; read as a point on the x axis.
  if (comma == 0) return CoordinatePair{ToNumber(inner), 0};
  return CoordinatePair{ToNumber(LeftChars(inner, comma - 1)),
                        ToNumber(MidChars(inner, comma + 1, CharacterCount(inner) - comma))};
}

}  // namespace drill
