// Decides when a window shows the surface: only when its pixels differ from those last shown,
// and never more often than the display refreshes; and how long an idle program then waits.
#pragma once

#include <algorithm>
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

// How long an idle program waits for input before it looks at the surface again. Input ends any
// wait at once, but a change drawn without input (a blinking caret) or text that arrives by
// another way is only seen when the wait ends; so the wait is short right after something
// happened and doubles, up to `longest`, while nothing does.
class IdlePace {
 public:
  static constexpr std::chrono::milliseconds kShortest{10};

  explicit IdlePace(std::chrono::milliseconds longest) : longest_(longest) {}

  // The wait after the gate's verdict at `now`: short after a present, until the held-back frame
  // may go out after TooSoon, and the growing idle wait otherwise.
  std::chrono::milliseconds WaitAfter(PresentGate::Verdict verdict, const PresentGate& gate,
                                      PresentGate::Clock::time_point now);
  // The wait ended, with input or without.
  enum class Input { Came, None };
  void WaitEnded(Input input) {
    idle_wait_ = input == Input::Came ? kShortest : std::min(idle_wait_ * 2, longest_);
  }

 private:
  std::chrono::milliseconds longest_;
  std::chrono::milliseconds idle_wait_ = kShortest;
};

}  // namespace drill
