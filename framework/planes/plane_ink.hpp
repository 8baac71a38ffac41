// Inside the planes folder: the standard plane's own texts and the ink they leave, which the
// names of points and the labels of graphs keep clear of.
#pragma once

#include <string>

#include "framework/plane.hpp"

namespace drill {

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
// Where the name of the point at pixel `at` of the standard plane goes: above and left of it,
// unless that meets the plane's axes, scale numbers or axis names.
PixelPoint PointNamePlace(const Plane& plane, PixelPoint at, const std::string& name);
// The x of a graph's label at (x, y), moved `away` (+1 or -1) a pixel at a time, as little as
// clears the plane's axes, scale numbers and axis names.
float GraphLabelX(const Plane& plane, float x, float y, const std::string& label, float away);

}  // namespace drill
