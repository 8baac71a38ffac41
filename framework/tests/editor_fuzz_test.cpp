// Random key sequences in the answer editor: none may crash or hang it, and backspace must leave
// the same answer and the same screen as never typing the removed keys.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "framework/tests/editor_session.hpp"

namespace drill::testing {
namespace {

TEST(EditorFuzzTest, AnyKeySequenceEndsCleanly) {
  const std::array<const char*, 40> keys = {
      "1",       "2",       "0",       ".",       "X",      "y",       "ﾝ",    "ｻ",
      "A",       "b",       "-",       "+",       "(",      ")",       "=",    ":",
      "C",       "k",       "Z",       "%",       "{F1}",   "{F2}",    "{F5}", "{F6}",
      "{F7}",    "{F10}",   "{F10}",   "{F11}",   "{BS}",   "{BS}",    "{BS}", "{Del}",
      "{Enter}", "{Enter}", "{Enter}", "{Clear}", "{Left}", "{Space}", "{{",   "S"};
  const std::array<const char*, 4> units = {"", "　本　", "，", "ﾀ1/2ﾀ ｍ"};
  std::mt19937 random(20240601);
  int finished = 0;
  for (int run = 0; run < 3000; ++run) {
    std::string script;
    const int length = 1 + static_cast<int>(random() % 60);
    for (int i = 0; i < length; ++i) script += keys[random() % keys.size()];
    EditorSession s(script, TraceMode::Off);
    s.d.answer.blanks = 1 + static_cast<int>(random() % 5);
    for (int k = 1; k <= 5; ++k) {
      s.d.answer.units[k] = units[random() % units.size()];
      s.d.answer.blank_expected[1][k] = "1";
    }
    s.d.answer.expected = "11111";
    bool done = false;
    ASSERT_NO_THROW(done = s.Run()) << script;
    if (!done) continue;
    ++finished;
    for (int k = 1; k <= s.d.answer.blanks; ++k) {
      EXPECT_NE(s.outcome.blank_texts[k], "") << script;
      EXPECT_EQ(s.outcome.blank_texts[k].find("ﾝ"), std::string::npos) << script;
    }
  }
  // The sequences must reach the judgement often enough to test it.
  EXPECT_GT(finished, 100);
}

// Removes each backspace and the key it takes back, as the text sees them.
std::vector<std::string> WithoutBackspaces(const std::vector<std::string>& keys) {
  std::vector<std::string> kept;
  for (const std::string& key : keys) {
    if (key == "{BS}" || key == "{Del}") {
      if (!kept.empty()) kept.pop_back();
    } else {
      kept.push_back(key);
    }
  }
  return kept;
}

std::string Join(const std::vector<std::string>& keys) {
  std::string script;
  for (const std::string& key : keys) script += key;
  return script + "{Enter}";
}

TEST(EditorFuzzTest, BackspaceLeavesWhatTheRemainingKeysWouldHaveShown) {
  const std::array<const char*, 14> keys = {"1", "7",    ".",    ".",    "X",    "y",    "(",
                                            "-", "{F2}", "{F6}", "{BS}", "{BS}", "{BS}", "{Del}"};
  const std::array<const char*, 2> roots = {"{F1}", "{F11}"};
  std::mt19937 random(77);
  for (int run = 0; run < 300; ++run) {
    std::vector<std::string> typed;
    const int length = 1 + static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) typed.push_back(keys[random() % keys.size()]);
    // One root at most: backspacing a root sign closes every root, nested ones included.
    if (random() % 2) typed.insert(typed.begin() + random() % typed.size(), roots[random() % 2]);
    const std::string script = Join(typed);
    const std::string reference = Join(WithoutBackspaces(typed));
    EditorSession with(script), without(reference);
    const bool with_done = with.Run();
    ASSERT_EQ(with_done, without.Run()) << script;
    ASSERT_EQ(with.Lines("judge "), without.Lines("judge ")) << script;
    ASSERT_EQ(FirstDifference(with.surface(), without.surface()), "")
        << script << " vs " << reference;
  }
}

}  // namespace
}  // namespace drill::testing
