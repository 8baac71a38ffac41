// Decides when a window shows the surface: only when its pixels differ from those last shown,
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

  // Compares the surface with what was shown last and remembers which rows differ.
  Verdict Check(const Surface& surface, Clock::time_point now);
  // The rows found changed by the last Check: only these need converting and uploading (all of
  // them after Invalidate). `count` is 0 when nothing changed.
  struct Rows {
    int first = 0, count = 0;
  };
  Rows changed() const { return changed_; }
  // Records the pixels just shown: those the last Check looked at.
  void Presented(const Surface& surface, Clock::time_point now);
  // When a frame refused as TooSoon may go out.
  Clock::time_point NextAllowed() const { return last_present_ + interval_; }

 private:
  Clock::duration interval_;
  Clock::time_point last_present_{};
  std::vector<std::uint64_t> shown_;         // a fingerprint of each row last shown
  std::vector<std::uint64_t> current_;       // and of each row at the last Check
  std::vector<std::uint32_t> row_versions_;  // the surface's row versions those were taken at
  bool invalid_ = true;
  Rows changed_;
  std::uint64_t checked_version_ = 0;
};

}  // namespace drill
