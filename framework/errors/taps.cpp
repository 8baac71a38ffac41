// What a tap or a click on the drawing means at the drill's waits: a menu choice chooses it, a
// "press a key" prompt goes on, the start-number prompt's line finishes the number. (A tap on a
// plane belongs to the point entry.) A tap only ever stands for keys the wait already takes.
#include <utility>

#include "framework/errors/errors.hpp"
#include "runtime/key_names.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// A line of normal-size text is 16 pixels high; a choice also takes the gap around its line, so a
// finger a little above or below still hits it (menu lines stand at least 36 pixels apart).
constexpr int kAbove = 9, kBelow = 25;

}  // namespace

TapScope::TapScope(Runtime& rt, Runtime::TapMeaning meaning) : rt_(rt), outer_(rt.tap_meaning()) {
  rt_.SetTapMeaning(std::move(meaning));
}

TapScope::~TapScope() {
  rt_.SetTapMeaning(std::move(outer_));
}

Runtime::TapMeaning TapAnywhere(std::string key) {
  return [key = std::move(key)](SurfacePoint) { return std::vector<std::string>{key}; };
}

std::vector<TapChoice> ChoicesOfLine(float x, float y, std::string_view line,
                                     std::span<const std::string> keys) {
  // The choices of one line stand apart by runs of blanks; each choice is the text between them.
  std::vector<TapChoice> choices;
  const std::vector<std::string> characters = SplitCharacters(line);
  float left = x;
  float start = -1;
  size_t blanks = 0;
  const auto close = [&](float right) {
    if (start < 0 || choices.size() >= keys.size()) return;
    choices.push_back({start, y - kAbove, right, y + kBelow, keys[choices.size()]});
    start = -1;
  };
  for (const std::string& c : characters) {
    const float width = 8.0f * static_cast<float>(SjisWidth(c));
    if (c == " ") {
      if (++blanks == 2) close(left - 8);
    } else {
      blanks = 0;
      if (start < 0) start = left;
    }
    left += width;
  }
  close(left);
  return choices;
}

Runtime::TapMeaning TapOnChoices(std::vector<TapChoice> choices) {
  return [choices = std::move(choices)](SurfacePoint p) {
    for (const TapChoice& c : choices) {
      if (p.x >= c.left && p.x < c.right && p.y >= c.top && p.y < c.bottom)
        return std::vector<std::string>{c.key};
    }
    return std::vector<std::string>{};
  };
}

Runtime::TapMeaning TapOnNumberPrompt(const std::string& typed, std::vector<TapChoice> line) {
  return [&typed, on_line = TapOnChoices(std::move(line))](SurfacePoint p) {
    if (on_line(p).empty()) return std::vector<std::string>{};
    if (typed.empty()) return std::vector<std::string>{"1", kEnter};
    return std::vector<std::string>{kEnter};
  };
}

}  // namespace drill
