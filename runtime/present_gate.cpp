// Change detection and refresh limit for presenting the surface.
#include "runtime/present_gate.hpp"

#include <cstring>

namespace drill {

PresentGate::Verdict PresentGate::Check(const Surface& surface, Clock::time_point now) {
  // A blinking caret draws and erases the same disc on every poll; comparing pixels rather than
  // counting drawing calls keeps such a screen from being presented over and over.
  const int width = surface.width(), height = surface.height();
  const std::vector<std::uint8_t>& pixels = surface.pixels();
  if (!invalid_ && surface.version() == checked_version_ && changed_.count == 0)
    return Verdict::Unchanged;  // nothing written since the last look found nothing new
  checked_version_ = surface.version();
  if (invalid_ || shown_.size() != pixels.size()) {
    changed_ = {0, height};
  } else {
    auto differs = [&](int y) {
      const size_t at = static_cast<size_t>(y) * static_cast<size_t>(width);
      return std::memcmp(pixels.data() + at, shown_.data() + at, static_cast<size_t>(width)) != 0;
    };
    int first = 0, last = height - 1;
    while (first < height && !differs(first)) ++first;
    while (last > first && !differs(last)) --last;
    changed_ = {first, first < height ? last - first + 1 : 0};
  }
  if (changed_.count == 0) return Verdict::Unchanged;
  return now < NextAllowed() ? Verdict::TooSoon : Verdict::Present;
}

void PresentGate::Presented(const Surface& surface, Clock::time_point now) {
  const std::vector<std::uint8_t>& pixels = surface.pixels();
  if (shown_.size() != pixels.size()) {
    shown_ = pixels;
  } else {
    const size_t from = static_cast<size_t>(changed_.first) * static_cast<size_t>(surface.width());
    const size_t size = static_cast<size_t>(changed_.count) * static_cast<size_t>(surface.width());
    std::memcpy(shown_.data() + from, pixels.data() + from, size);
  }
  changed_ = {};
  last_present_ = now;
  invalid_ = false;
}

}  // namespace drill
