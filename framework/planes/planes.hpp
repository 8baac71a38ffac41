// Coordinate planes and the graphs plotted on them.
#pragma once

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

}  // namespace drill
