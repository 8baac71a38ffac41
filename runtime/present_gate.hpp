// Decides when the window shows the surface: only when its pixels differ from those last shown,
// and never more often than the display refreshes.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "runtime/surface.hpp"

namespace drill {

class PresentGate {
 public:
  using Clock = std::chrono::steady_clock;

  enum class Verdict {
    Unchanged,  // the window already shows these pixels
    TooSoon,    // changed, but the last frame went out less than one refresh ago
    Present,    // show it now
  };

  explicit PresentGate(Clock::duration refresh_interval) : interval_(refresh_interval) {}

  void SetRefreshInterval(Clock::duration interval) { interval_ = interval; }
  // The window lost what it showed (exposed, resized, full screen toggled): show it again.
  void Invalidate() { invalid_ = true; }

  Verdict Check(const Surface& surface, Clock::time_point now) const;
  // Records the pixels just shown.
  void Presented(const Surface& surface, Clock::time_point now);
  // When a frame refused as TooSoon may go out.
  Clock::time_point NextAllowed() const { return last_present_ + interval_; }

 private:
  Clock::duration interval_;
  Clock::time_point last_present_{};
  std::vector<std::uint8_t> shown_;
  bool invalid_ = true;
};

}  // namespace drill
