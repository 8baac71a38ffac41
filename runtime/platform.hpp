// The platform under the runtime services: where keys come from and where the surface is shown.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "surface.hpp"

namespace drill {

// A point of the surface in its own pixels (0..1439, 0..899).
struct SurfacePoint {
  int x = 0;
  int y = 0;
  bool operator==(const SurfacePoint&) const = default;
};

// One key as the platform delivers it: a function key F1..F11 by number, otherwise its text
// (printable characters as typed, control keys as their codes: Enter 13, Backspace 8, Delete 127,
// the clear key 12, arrows right 28, left 29, up 30, down 31). A tap of a finger or a click of a
// mouse on the drawing comes in the same queue as a press with `tap` set and no text: what it
// stands for depends on where the drill waits, and the runtime turns it into those keys.
struct KeyPress {
  KeyPress() = default;
  KeyPress(int function_key, std::string text)
      : function_key(function_key), text(std::move(text)) {}
  static KeyPress TapAt(SurfacePoint point) {
    KeyPress press;
    press.tap = point;
    return press;
  }

  int function_key = 0;
  std::string text;
  std::optional<SurfacePoint> tap;
  bool operator==(const KeyPress&) const = default;
};

// Ends a run without an error: thrown out of the platform or the runtime, caught by the program.
struct StopRun {};
// The pupil ended the program (menu choice or the window's close box).
struct ProgramEnd : StopRun {};
// A headless run whose key script has no keys left while the program waits for one.
struct ScriptEnd : StopRun {};

class Platform {
 public:
  virtual ~Platform() = default;
  // Moves the keys that are already pending to the back of `keys`; never waits.
  // Throws ProgramEnd once the window has been closed.
  virtual void TakeKeys(std::deque<KeyPress>& keys) = 0;
  // The program waits for a key and none is pending: show the surface and wait briefly for input.
  // Throws ProgramEnd (window closed) or ScriptEnd (no scripted key left).
  virtual void Idle(const Surface& surface) = 0;
  // Time of day as "hh:mm:ss".
  virtual std::string ClockText() = 0;
};

}  // namespace drill
