// Change detection and refresh limit for presenting the surface.
#include "runtime/present_gate.hpp"

#include <algorithm>
#include <cstring>

namespace drill {
namespace {

// A 64-bit fingerprint of one row of `width` bytes. Keeping a fingerprint per row instead of a copy
// of the whole surface saves a screen's worth of memory; two different rows share one only by a
// chance of about 2^-64, and a missed change would be shown with the next one.
std::uint64_t RowFingerprint(const std::uint8_t* row, int width) {
  // Four independent lanes of 8 bytes, so the multiplications overlap.
  constexpr std::uint64_t kMul = 0xFF51AFD7ED558CCDull;
  std::uint64_t h[4] = {0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull,
                        static_cast<std::uint64_t>(width)};
  int x = 0;
  for (; x + 32 <= width; x += 32) {
    for (int lane = 0; lane < 4; ++lane) {
      std::uint64_t word;
      std::memcpy(&word, row + x + 8 * lane, sizeof word);
      h[lane] = (h[lane] ^ word) * kMul;
      h[lane] ^= h[lane] >> 32;
    }
  }
  std::uint64_t all = h[0] ^ (h[1] * 3) ^ (h[2] * 5) ^ (h[3] * 7);
  for (; x < width; ++x) all = (all ^ row[x]) * 0x100000001B3ull;
  return all ^ (all >> 29);  // the caller sets the low bit: 0 stands for "not yet fingerprinted"
}

}  // namespace

PresentGate::Verdict PresentGate::Check(const Surface& surface, Clock::time_point now) {
  // A blinking caret draws and erases the same disc on every poll; comparing pixels rather than
  // counting drawing calls keeps such a screen from being presented over and over.
  const int height = surface.height();
  if (!invalid_ && surface.version() == checked_version_ && changed_.count == 0)
    return Verdict::Unchanged;  // nothing written since the last look found nothing new
  checked_version_ = surface.version();
  // Only the rows written since the last look are fingerprinted again.
  if (current_.size() != static_cast<size_t>(height)) {
    current_.assign(static_cast<size_t>(height), 0);
    row_versions_.assign(static_cast<size_t>(height), 0);
    invalid_ = true;
  }
  for (int y = 0; y < height; ++y) {
    const auto row = static_cast<size_t>(y);
    if (current_[row] != 0 && row_versions_[row] == surface.row_version(y)) continue;
    row_versions_[row] = surface.row_version(y);
    current_[row] = RowFingerprint(surface.PackedRow(y), surface.stride()) | 1;
  }
  if (invalid_ || shown_.size() != current_.size()) {
    changed_ = {0, height};
  } else {
    auto differs = [&](int y) {
      return current_[static_cast<size_t>(y)] != shown_[static_cast<size_t>(y)];
    };
    int first = 0, last = height - 1;
    while (first < height && !differs(first)) ++first;
    while (last > first && !differs(last)) --last;
    changed_ = {first, first < height ? last - first + 1 : 0};
  }
  if (changed_.count == 0) return Verdict::Unchanged;
  return now < NextAllowed() ? Verdict::TooSoon : Verdict::Present;
}

void PresentGate::Presented(const Surface&, Clock::time_point now) {
  // What Check saw is what went out.
  shown_ = current_;
  changed_ = {};
  last_present_ = now;
  invalid_ = false;
}

std::chrono::milliseconds IdlePace::WaitAfter(PresentGate::Verdict verdict, const PresentGate& gate,
                                              PresentGate::Clock::time_point now) {
  using std::chrono::milliseconds;
  switch (verdict) {
    case PresentGate::Verdict::Present:
      idle_wait_ = kShortest;
      return kShortest;
    case PresentGate::Verdict::TooSoon:
      return std::clamp(std::chrono::ceil<milliseconds>(gate.NextAllowed() - now), milliseconds(1),
                        kShortest);
    case PresentGate::Verdict::Unchanged:
      break;
  }
  return idle_wait_;
}

}  // namespace drill
