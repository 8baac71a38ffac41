// Coordinate planes and the graphs plotted on them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/drill.hpp"
#include "framework/plane.hpp"

namespace drill {

// DrawStandardPlane and DrawWalkPlane are declared with the plane values (plane.hpp).

// A filled disc of `colour` at `point` of the plane, named `name` beside it.
void PlotLabelledPoint(Runtime& rt, const Plane& plane, CoordinatePair point, int colour,
                       const std::string& name);

// A line's part inside the plane's square -10..10: its ends in plane units and in pixels.
struct ClippedLine {
  CoordinatePair from, to;
  PixelPoint pixel_from, pixel_to;
};
// y = slope x + intercept clipped to the square -10..10, from left to right.
ClippedLine ClipLineToPlane(const Plane& plane, float slope, float intercept);
// Draws the standard plane and on it y = slope x + intercept as a solid line, `label` above its
// upper end; returns the plane.
Plane DrawLineOnPlane(Runtime& rt, float slope, float intercept, const std::string& label);
// y = slope x + intercept as intervals + 1 dots across the plane, `label` above its upper end.
void DrawLineByDots(Runtime& rt, const Plane& plane, float slope, float intercept, int intervals,
                    const std::string& label);
// y = slope x + intercept, solid in `colour` for x between the domain's bounds (in either order)
// and dotted outside them.
void DrawRestrictedLine(Runtime& rt, const Plane& plane, float slope, float intercept,
                        float domain_from, float domain_to, int colour);
// Both branches of y = constant / x, each as steps + 1 dots.
void DrawHyperbola(Runtime& rt, const Plane& plane, float constant, int steps);

// The segment of a walk from `from` to `to` (minutes, metres), as overlapping dots.
void DrawWalkSegment(Runtime& rt, const Plane& plane, CoordinatePair from, CoordinatePair to,
                     int colour);

// The big judgement mark of entered points over the plane's origin: a circle when right, else a
// cross.
void DrawMarkOverOrigin(Runtime& rt, const Plane& plane, Judgement judgement);

// What a point entry asks for.
struct PointRequest {
  int count = 0;                  // points to have in the end, those fixed already included
  PixelPoint marker;              // where the marker starts
  std::vector<PixelPoint> fixed;  // points fixed before the entry starts
  // The names of points 1, 2, … : each fixed point is named beside its disc and listed with its
  // coordinates. Without names the points are discs only.
  std::vector<std::string> names;
};
// A point the pupil fixed: where its disc is and its coordinate text "(x,y)".
struct EnteredPoint {
  PixelPoint pixel;
  std::string text;
};
// Takes the points on the plane: arrow keys move the marker by one unit inside the plane, Enter
// fixes a point; the plane is drawn again under the marker at every key. Returns every point,
// those fixed before included, in order.
std::vector<EnteredPoint> EnterPoints(Runtime& rt, const Plane& plane, const PointRequest& request);
// `count` points with the marker at the origin and no point fixed yet.
std::vector<EnteredPoint> EnterPointsFromOrigin(Runtime& rt, const Plane& plane, int count,
                                                std::vector<std::string> names = {});
// The points' coordinate texts joined in entry order, as a judgement traces them.
std::string EnteredPointTexts(std::span<const EnteredPoint> points);
// Entered points against the pairs of a value table, in any order: entry k is true when point k
// is one of the pairs and no earlier point was that pair. As many points as pairs, all true,
// means every pair was entered; a point entered twice leaves a pair out.
std::vector<bool> MatchEnteredPoints(std::span<const EnteredPoint> points,
                                     std::span<const CoordinatePair> pairs);
// As many points as a value table has pairs, judged in any order: true when every pair is among
// them. A point given twice leaves a pair out, however well it lies on the graph.
bool EveryPairEntered(std::span<const EnteredPoint> points, std::span<const CoordinatePair> pairs);
// "(x,y)" read back to its coordinates; nothing for an empty text.
std::optional<CoordinatePair> ParsePointText(const std::string& text);

// Draws a scale label whose numbers are spaced with half-width blanks: each blank-free piece is
// rendered where a layout of 16 pixels per character, blanks included, puts it.
void RenderSpacedLabel(Runtime& rt, float x, float y, int colour, std::string_view label);

}  // namespace drill
