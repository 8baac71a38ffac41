// Change detection and refresh limit for presenting the surface.
#include "runtime/present_gate.hpp"

namespace drill {

PresentGate::Verdict PresentGate::Check(const Surface& surface, Clock::time_point now) const {
  // A blinking caret draws and erases the same disc on every poll; comparing pixels rather than
  // counting drawing calls keeps such a screen from being presented over and over.
  if (!invalid_ && surface.pixels() == shown_) return Verdict::Unchanged;
  return now < NextAllowed() ? Verdict::TooSoon : Verdict::Present;
}

void PresentGate::Presented(const Surface& surface, Clock::time_point now) {
  shown_ = surface.pixels();
  last_present_ = now;
  invalid_ = false;
}

}  // namespace drill
