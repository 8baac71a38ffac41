// A coordinate plane as it stands on the drawing: where its origin is, how many pixels a unit
// takes and how it is drawn. The planes folder draws planes and the graphs on them and takes
// points on them.
#pragma once

namespace drill {

class Runtime;
struct Plane;

// Draw the standard plane and the walking plane (grid, axes, scale) and return them.
Plane DrawStandardPlane(Runtime& rt);
Plane DrawWalkPlane(Runtime& rt);

// A point of a plane in its own units (for the walking plane: minutes across, metres up).
struct CoordinatePair {
  float x = 0, y = 0;
};

// A point of the drawing, in pixels.
struct PixelPoint {
  float x = 0, y = 0;
};

struct Plane {
  float origin_x = 0, origin_y = 0;  // the origin, in pixels
  float x_pixels_per_unit = 16;      // across: pixels per unit of x
  // Up: y_pixels_per_step pixels for every y_units_per_step units of y (32 pixels per 1000 m on
  // the walking plane), so that a walking point is placed exactly as the scale reads it.
  float y_pixels_per_step = 16, y_units_per_step = 1;
  float left = 0, top = 0, right = 0, bottom = 0;  // the grid's edges, in pixels
  // Draws the plane again, as point entry does under its marker at every key.
  Plane (*draw)(Runtime& rt) = nullptr;

  float PixelX(float x) const { return origin_x + x_pixels_per_unit * x; }
  float PixelY(float y) const { return origin_y - y_pixels_per_step * y / y_units_per_step; }
  PixelPoint Pixel(CoordinatePair p) const { return {PixelX(p.x), PixelY(p.y)}; }
  // Pixels up per unit of y: a step of the point entry's marker.
  float YPixelsPerUnit() const { return y_pixels_per_step / y_units_per_step; }
  // The way back: the plane's coordinates at a pixel.
  float CoordinateX(float px) const { return (px - origin_x) / x_pixels_per_unit; }
  float CoordinateY(float py) const {
    return (origin_y - py) * y_units_per_step / y_pixels_per_step;
  }
};

// The standard plane: x and y from -10 to 10 at 16 pixels per unit, y upwards.
inline constexpr Plane kStandardPlane{.origin_x = 800,
                                      .origin_y = 340,
                                      .x_pixels_per_unit = 16,
                                      .y_pixels_per_step = 16,
                                      .y_units_per_step = 1,
                                      .left = 640,
                                      .top = 180,
                                      .right = 960,
                                      .bottom = 500,
                                      .draw = &DrawStandardPlane};

// The walking plane: the first quadrant, 3.2 pixels a minute across, 32 pixels per 1000 m up.
inline constexpr Plane kWalkPlane{.origin_x = 800,
                                  .origin_y = 404,
                                  .x_pixels_per_unit = 3.2f,
                                  .y_pixels_per_step = 32,
                                  .y_units_per_step = 1000,
                                  .left = 800,
                                  .top = 148,
                                  .right = 1088,
                                  .bottom = 404,
                                  .draw = &DrawWalkPlane};

}  // namespace drill
