// The error screen, key flushing and the number entry of the start-number prompt.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/drill.hpp"

namespace drill {

// Shows the error message and stays until the window is closed (never returns normally).
[[noreturn]] void ErrorScreen(Runtime& rt, const std::string& why);
// Discards the keys typed ahead, then waits for a new key and returns it: a pause that a double
// Enter or a held arrow key from before cannot skip.
std::string WaitForFreshKey(Runtime& rt);

// What a tap or a click means while a wait lasts: the wait makes one for as long as it reads keys,
// and the meaning before it comes back when it ends.
class TapScope {
 public:
  TapScope(Runtime& rt, Runtime::TapMeaning meaning);
  ~TapScope();
  TapScope(const TapScope&) = delete;
  TapScope& operator=(const TapScope&) = delete;

 private:
  Runtime& rt_;
  Runtime::TapMeaning outer_;
};

// A part of the drawing that stands for a key while a menu waits.
struct TapChoice {
  float left = 0, top = 0, right = 0, bottom = 0;
  std::string key;
};
// The choices of a menu line drawn at (x, y) in normal size, one a key in order from the left;
// choices stand apart by two blanks or more.
std::vector<TapChoice> ChoicesOfLine(float x, float y, std::string_view line,
                                     std::span<const std::string> keys);
// A tap on a choice types its key; elsewhere nothing.
Runtime::TapMeaning TapOnChoices(std::vector<TapChoice> choices);
// The start-number prompt: a tap on its line finishes the number typed so far with Enter, or
// starts from problem 1 ("1", Enter) while nothing is typed.
Runtime::TapMeaning TapOnNumberPrompt(const std::string& typed, std::vector<TapChoice> line);
// A line ended by Enter, echoed from (x, y) with a blinking caret; Backspace clears it all. A tap
// on the prompt's line (`prompt`) finishes it, as TapOnNumberPrompt says. Returns what was typed.
std::string ReadNumber(Runtime& rt, float x, float y, std::vector<TapChoice> prompt);
// A tap anywhere on the drawing types `key` (a "press a key" prompt).
Runtime::TapMeaning TapAnywhere(std::string key);

}  // namespace drill
