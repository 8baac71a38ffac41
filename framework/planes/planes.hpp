// Coordinate planes and the graphs plotted on them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/drill.hpp"

namespace drill {

void DrawStandardPlane(Drill& d);
void PlotLabelledPoint(Drill& d);
// Clips y = AA x + BB to the square -10..10: columns 3, 4 of G in plane units, 1, 2 in pixels.
void ClipLineToPlane(Drill& d);
void DrawLineOnPlane(Drill& d);
void DrawLineByDots(Drill& d);
void DrawRestrictedLine(Drill& d);
void DrawWalkPlane(Drill& d);
void DrawWalkSegment(Drill& d);
void DrawHyperbola(Drill& d);

// Takes KOSUU points on the standard plane drawn last, the marker shown from the start at
// (GX, GY) with P1 points already fixed: arrow keys move the marker by one unit inside the plane,
// Enter fixes a point. Point k's coordinate text "(x,y)" lands in KKAI_s[k]; with HYOUJI = 1 each
// point is named T_s[10 + k] and listed. On return P1, HYOUJI and the used columns of G are 0.
void EnterPoints(Drill& d);
// EnterPoints for `count` points with the marker at the origin and no point fixed yet, whatever
// an earlier entry or ParsePointText left in P1; show_names is HYOUJI.
void EnterPointsFromOrigin(Drill& d, int count, int show_names = 0);
// The coordinate texts of points 1..count joined in entry order, as a judgement traces them.
std::string EnteredPointTexts(const Drill& d, int count);
// A point of the standard plane in plane units.
struct CoordinatePair {
  float x = 0, y = 0;
};
// Entered points 1..count against the pairs of a value table, in any order: entry k - 1 is true
// when point k is one of the pairs and no earlier point was that pair. As many points as pairs,
// all true, means every pair was entered; a point entered twice leaves a pair out. Reads each
// point with ParsePointText.
std::vector<bool> MatchEnteredPoints(Drill& d, int count, std::span<const CoordinatePair> pairs);
// "(x,y)" in AA_s to x in P1 and y in P2; an empty text leaves both unchanged.
void ParsePointText(Drill& d);

// Pixel position of a point of the standard plane (16 pixels per unit, y upwards), measured from
// the origin of the plane drawn last.
inline float PlaneToPixelX(const Drill& d, float x) {
  return d.GX0 + 16.0f * x;
}
inline float PlaneToPixelY(const Drill& d, float y) {
  return d.GY0 - 16.0f * y;
}
// Pixel position of a point of the time-distance plane: 3.2 pixels a minute across, 32 pixels
// per 1000 m up, from the origin DrawWalkPlane set.
inline float WalkPixelX(const Drill& d, float minutes) {
  return d.GX0 + 3.2f * minutes;
}
inline float WalkPixelY(const Drill& d, float metres) {
  return d.GY0 - 32.0f * metres / 1000.0f;
}

// The texts of the standard plane, from its origin: the axis names and the scale numbers.
struct PlaneText {
  float dx, dy;
  int colour;
  const char* text;
};
inline constexpr PlaneText kStandardPlaneTexts[] = {
    {176, 0, 9, "X"},  {-192, 0, 13, "-10"}, {-96, 0, 13, "-5"},   {0, 0, 13, "0"},
    {80, 0, 13, "5"},  {144, 0, 13, "10"},   {0, -184, 9, "Y"},    {-16, -168, 13, "10"},
    {0, -88, 13, "5"}, {-16, 72, 13, "-5"},  {-32, 152, 13, "-10"}};
// The first texts, up to the y axis's name, are drawn before the lines through the +-5 marks.
inline constexpr int kStandardPlaneTextsBeforeFives = 6;

// The box of the pixels a text sets, drawn from (x, y) as the renderer draws it (a fraction as
// the whole of its cells); both edges included.
struct InkBox {
  float left, top, right, bottom;
  bool Empty() const { return left > right; }
  bool Meets(const InkBox& other) const;
};
InkBox TextInk(const std::string& text, float x, float y);
// Where the name of the point at pixel (px, py) of the standard plane goes: above and left of
// it, unless that meets the plane's axes, scale numbers or axis names.
std::pair<float, float> PointNamePlace(const Drill& d, float px, float py, const std::string& name);
// The x of a graph's label at (x, y), moved `away` (+1 or -1) a pixel at a time, as little as
// clears the plane's axes, scale numbers and axis names.
float GraphLabelX(const Drill& d, float x, float y, const std::string& label, float away);

// Draws a scale label whose numbers are spaced with half-width blanks: each blank-free piece is
// rendered where a layout of 16 pixels per character, blanks included, puts it.
void RenderSpacedLabel(Drill& d, float x, float y, int colour, std::string_view label);

}  // namespace drill
