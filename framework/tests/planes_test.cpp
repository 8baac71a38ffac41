// The coordinate planes and their graphs, checked by counting and reading the drawing calls they
// leave in the trace.
#include "framework/planes/planes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "framework/testing/traced_drill.hpp"

namespace drill {
namespace {

// One trace line: its leading numbers and the words after them.
struct Event {
  std::vector<float> n;
  std::string rest;
};
using Floats = std::vector<float>;
using Texts = std::vector<std::string>;

class PlanesTest : public testing::TracedDrill {
 protected:
  // The events of one kind ("line", "circle", "render", "text") traced since the last Reset.
  std::vector<Event> Take(const std::string& kind) {
    std::vector<Event> out;
    std::istringstream in(trace.str());
    for (std::string line; std::getline(in, line);) {
      if (line.rfind(kind + " ", 0) != 0) continue;
      std::istringstream words(line.substr(kind.size()));
      Event& e = out.emplace_back();
      e.n.resize(kind == "render" ? 3 : 5, NAN);
      for (float& v : e.n) words >> v;
      std::getline(words >> std::ws, e.rest);
    }
    return out;
  }
  size_t CountLines(int colour, const std::string& shape_style) {
    size_t count = 0;
    for (const Event& e : Take("line")) count += e.n[4] == colour && e.rest == shape_style;
    return count;
  }
  // Rendered texts as the trace writes them: "x y colour text".
  Texts Renders() {
    Texts out;
    std::istringstream in(trace.str());
    for (std::string line; std::getline(in, line);)
      if (line.rfind("render ", 0) == 0) out.push_back(line.substr(7));
    return out;
  }
  void Reset() { ResetTrace(); }
};

void ExpectAt(const Event& e, float x, float y) {
  EXPECT_NEAR(e.n[0], x, 0.01) << e.rest;
  EXPECT_NEAR(e.n[1], y, 0.01) << e.rest;
}

TEST_F(PlanesTest, StandardPlaneGridAxesAndScale) {
  const Plane plane = DrawStandardPlane(d.rt);
  EXPECT_EQ((Floats{plane.PixelX(3), plane.PixelY(-2)}), (Floats{848, 372}));
  EXPECT_EQ((Floats{plane.CoordinateX(848), plane.CoordinateY(372)}), (Floats{3, -2}));
  EXPECT_EQ(CountLines(10, "line dotted"), 21u + 21);
  EXPECT_EQ(CountLines(10, "line solid"), 4u);
  const auto lines = Take("line");
  EXPECT_EQ(lines[20].n, (Floats{960, 180, 960, 500, 10}));  // last vertical grid line
  EXPECT_EQ(lines[42].n, (Floats{800, 180, 800, 500, 3}));   // the axes
  EXPECT_EQ(lines[43].n, (Floats{640, 340, 960, 340, 3}));

  // The x scale's glyphs: each number's last digit stands on its grid line.
  std::string x_scale;
  for (const Event& e : Take("text"))
    if (e.n[1] == 340 && e.n[2] == 13) x_scale += std::to_string(int(e.n[0])) + e.rest;
  EXPECT_EQ(x_scale, "608－624１640０704－720５800０880５944１960０");
  const Texts renders = Renders();
  for (const char* expected : {"976 340 9 X", "800 156 9 Y", "784 172 13 10", "800 252 13 5",
                               "784 412 13 -5", "768 492 13 -10"})
    EXPECT_NE(std::find(renders.begin(), renders.end(), expected), renders.end()) << expected;
  EXPECT_TRUE(Take("circle").empty());
}

TEST_F(PlanesTest, LabelledPointIsADiscNamedAboveLeft) {
  const Plane plane = DrawStandardPlane(d.rt);
  Reset();
  PlotLabelledPoint(rt, plane, {3, -2}, 12, "A");
  const auto circles = Take("circle");
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0].n, (Floats{848, 372, 4, 12, 1}));
  EXPECT_EQ(Renders(), (Texts{"832 352 15 A"}));
}

TEST_F(PlanesTest, ClippingEndsEveryLineOnTheSquare) {
  const Plane plane = DrawStandardPlane(d.rt);
  struct Case {
    float a, b, x1, y1, x2, y2;
  };
  for (const Case& c : {Case{3, 0, -10.0f / 3, -10, 10.0f / 3, 10},  // bottom edge to top edge
                        Case{-3, 0, -10.0f / 3, 10, 10.0f / 3, -10},
                        Case{0.5f, 1, -10, -4, 10, 6},  // left edge to right edge
                        Case{-0.5f, 12, 4, 10, 10, 7},  // top edge to right edge
                        Case{0, 4, -10, 4, 10, 4}}) {   // level: no division by the slope
    const ClippedLine line = ClipLineToPlane(plane, c.a, c.b);
    SCOPED_TRACE(::testing::Message() << "y = " << c.a << "x + " << c.b);
    const Floats got{line.from.x,       line.from.y,       line.to.x,       line.to.y,
                     line.pixel_from.x, line.pixel_from.y, line.pixel_to.x, line.pixel_to.y};
    const Floats want{
        c.x1, c.y1, c.x2, c.y2, 800 + 16 * c.x1, 340 - 16 * c.y1, 800 + 16 * c.x2, 340 - 16 * c.y2};
    for (size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-3) << i;
  }
}

TEST_F(PlanesTest, SolidLineIsLabelledAboveItsUpperEnd) {
  struct Case {
    float a, b;
    const char* label;
  };
  // Rising: above the right end (10/3, 10); falling or level: above the left end.
  for (const Case& c : {Case{3, 0, "837.3333 148 5 Y=X"}, Case{-2, 3, "728 148 5 Y=X"},
                        Case{0, 4, "624 244 5 Y=X"}}) {
    Reset();
    const Plane plane = DrawLineOnPlane(rt, c.a, c.b, "Y=X");
    const ClippedLine line = ClipLineToPlane(plane, c.a, c.b);
    ASSERT_EQ(CountLines(15, "line solid"), 1u);
    EXPECT_EQ(Take("line").back().n,
              (Floats{line.pixel_from.x, line.pixel_from.y, line.pixel_to.x, line.pixel_to.y, 15}));
    EXPECT_EQ(Renders().back(), c.label);
  }
}

TEST_F(PlanesTest, DottedLineHasOneDotMoreThanIntervals) {
  const Plane plane = DrawStandardPlane(d.rt);
  Reset();
  DrawLineByDots(rt, plane, 3, 0, 1000, "Y=3X");
  auto dots = Take("circle");
  ASSERT_EQ(dots.size(), 1001u);
  ExpectAt(dots.front(), 800 - 160.0f / 3, 500);
  ExpectAt(dots.back(), 800 + 160.0f / 3, 180);
  EXPECT_EQ((Floats{dots[500].n[2], dots[500].n[3]}), (Floats{0.5f, 15}));
  EXPECT_TRUE(Take("line").empty());  // the plane is not redrawn
  EXPECT_EQ(Renders().back(), "837.3333 148 5 Y=3X");

  Reset();
  DrawLineByDots(rt, plane, 3, 0, 0, "Y=3X");  // no intervals: the start point alone, no NaN
  dots = Take("circle");
  ASSERT_EQ(dots.size(), 1u);
  ExpectAt(dots[0], 800 - 160.0f / 3, 500);
}

class RestrictedLineTest : public PlanesTest {
 protected:
  std::vector<Event> Draw(float a, float b, float from, float to) {
    const Plane plane = DrawStandardPlane(d.rt);
    Reset();
    DrawRestrictedLine(rt, plane, a, b, from, to, 14);
    return Take("circle");
  }
};

TEST_F(RestrictedLineTest, SolidInsideDottedOutsideWhicheverOrderTheBounds) {
  const auto dots = Draw(1, 0, -2, 4);
  // 5001 solid dots, then 5 per unit left of -2 and right of 4, both ends included.
  ASSERT_EQ(dots.size(), 5001u + 41 + 31);
  ExpectAt(dots[0], 768, 372);
  ExpectAt(dots[5000], 864, 276);
  ExpectAt(dots[5001], 640, 500);
  ExpectAt(dots[5041], 768, 372);
  ExpectAt(dots.back(), 960, 180);
  EXPECT_EQ((Floats{dots[5020].n[2], dots[5020].n[3]}), (Floats{1, 14}));

  const std::string in_order = trace.str();
  Draw(1, 0, 4, -2);
  EXPECT_EQ(trace.str(), in_order);
}

TEST_F(RestrictedLineTest, BoundsAreCutToThePlane) {
  auto dots = Draw(1, 0, -15, 4);
  ASSERT_EQ(dots.size(), 5001u + 1 + 31);  // the left side shrinks to the dot at x = -10
  ExpectAt(dots[5001], 640, 500);
  dots = Draw(1, 0, 10, -2);
  ASSERT_EQ(dots.size(), 5001u + 41 + 1);
  ExpectAt(dots.back(), 960, 180);
  // 5 (-9.8 + 10) comes out a shade under 1 in float: still one step, two dots.
  EXPECT_EQ(Draw(1, 0, -9.8f, 4).size(), 5001u + 2 + 31);
  // A domain wholly right of the plane draws nothing beside it.
  for (const Event& e : Draw(0.5f, 0, 12, 15)) EXPECT_LE(e.n[0], 960.01f);
}

TEST_F(RestrictedLineTest, DotsAboveOrBelowThePlaneAreSkipped) {
  // y = 2x leaves the plane beyond x = +-5: the dotted parts keep x = -5..-1 and 1..5.
  const auto dots = Draw(2, 0, -1, 1);
  EXPECT_EQ(dots.size(), 5001u + 21 + 21);
  for (const Event& e : dots) EXPECT_TRUE(e.n[1] >= 179.99f && e.n[1] <= 500.01f) << e.n[1];
}

TEST_F(PlanesTest, HyperbolaBranchesRunBorderToBorder) {
  const Plane plane = DrawStandardPlane(d.rt);
  // k = 6: from (-10, -0.6) to (-0.6, -10) and from (0.6, 10) to (10, 0.6); k = -6 mirrored.
  for (const float k : {6.0f, -6.0f}) {
    Reset();
    DrawHyperbola(rt, plane, k, 20);
    const auto dots = Take("circle");
    ASSERT_EQ(dots.size(), 21u + 21) << k;
    const float s = k > 0 ? 1 : -1;
    ExpectAt(dots[0], 640, 340 + s * 9.6f);
    ExpectAt(dots[20], 790.4f, 340 + s * 160);
    ExpectAt(dots[21], 809.6f, 340 - s * 160);
    ExpectAt(dots[41], 960, 340 - s * 9.6f);
    EXPECT_EQ((Floats{dots[30].n[2], dots[30].n[3]}), (Floats{1.5f, 15}));
  }
  for (const float k : {101.0f, -101.0f, 0.0f, 100.0f}) {
    Reset();
    DrawHyperbola(rt, plane, k, 20);
    EXPECT_EQ(Take("circle").size(), k == 100 ? 42u : 0u) << k;
  }
}

TEST_F(PlanesTest, WalkPlaneFrameGridAndScale) {
  const Plane plane = DrawWalkPlane(d.rt);
  // 3.2 pixels a minute, 32 pixels per 1000 m.
  EXPECT_EQ((Floats{plane.PixelX(30), plane.PixelY(2500)}), (Floats{896, 324}));
  EXPECT_EQ((Floats{plane.CoordinateX(896), plane.CoordinateY(324)}), (Floats{30, 2500}));
  EXPECT_EQ(CountLines(10, "line dotted"), 19u + 17);
  EXPECT_EQ(CountLines(10, "line solid"), 10u + 9);
  EXPECT_EQ(CountLines(3, "line solid"), 2u);
  // The last digit of "30" and "60" on the 30- and 60-minute lines.
  std::string zeros;
  for (const Event& e : Take("text"))
    if (e.n[1] == 408 && e.rest.ends_with("０")) zeros += std::to_string(int(e.n[0])) + " ";
  EXPECT_EQ(zeros, "896 992 ");
  EXPECT_EQ(Renders(),
            (Texts{"784 408 13 O", "880 408 13 30", "976 408 13 60", "1072 408 13 X",
                   "792 124 13 Y", "736 172 13 7000", "736 204 13 6000", "736 236 13 5000",
                   "736 268 13 4000", "736 300 13 3000", "736 332 13 2000", "736 364 13 1000"}));
}

TEST_F(PlanesTest, WalkSegmentRunsFromEndToEnd) {
  const Plane plane = DrawWalkPlane(d.rt);
  Reset();
  DrawWalkSegment(rt, plane, {10, 1000}, {30, 2000}, 9);
  auto dots = Take("circle");
  ASSERT_EQ(dots.size(), 5001u);
  ExpectAt(dots.front(), 832, 372);
  ExpectAt(dots.back(), 896, 340);
  EXPECT_EQ((Floats{dots[2500].n[2], dots[2500].n[3]}), (Floats{1, 9}));

  // A segment without length is its one point.
  Reset();
  DrawWalkSegment(rt, plane, {10, 1000}, {10, 3000}, 9);
  dots = Take("circle");
  ASSERT_EQ(dots.size(), 1u);
  ExpectAt(dots[0], 832, 372);
}

}  // namespace
}  // namespace drill
