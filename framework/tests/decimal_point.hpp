// Reading a decimal point off the surface: the dot must stand on its own, with background between
// it and the digit on either side.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "runtime/surface.hpp"

namespace drill::testing {

// The positions of the decimal points drawn, from the trace's text lines.
inline std::vector<std::pair<float, float>> DecimalPoints(const std::string& trace) {
  std::vector<std::pair<float, float>> found;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string kind, glyph;
    float x = 0, y = 0;
    int colour = 0, xs = 0, ys = 0;
    fields >> kind >> x >> y >> colour >> xs >> ys >> glyph;
    if (kind == "text" && glyph == "．") found.emplace_back(x, y);
  }
  return found;
}

// The runs of inked columns, as (first, last), in the glyph row band of the point drawn at (x, y)
// from the cell of the digit before it to the cell of the digit after it.
inline std::vector<std::pair<int, int>> InkedColumnRuns(const Surface& s, float x, float y) {
  const int left = static_cast<int>(x) - 12, right = static_cast<int>(x) + 16;
  const int top = static_cast<int>(y);
  std::vector<std::pair<int, int>> runs;
  for (int column = left; column < right; ++column) {
    bool inked = false;
    for (int row = top; row < top + 16; ++row) inked = inked || s.At(column, row) != 0;
    if (!inked) continue;
    if (!runs.empty() && runs.back().second == column - 1)
      runs.back().second = column;
    else
      runs.emplace_back(column, column);
  }
  return runs;
}

// Digit, point, digit: three runs, the point's no wider than its dot.
inline void ExpectPointStandsApart(const Surface& s, float x, float y, const std::string& what) {
  const auto runs = InkedColumnRuns(s, x, y);
  ASSERT_EQ(runs.size(), 3u) << what << ": the point touches a digit";
  EXPECT_LE(runs[1].second - runs[1].first, 1) << what;
}

}  // namespace drill::testing
