// The shared keyboard mapping: which key-downs the drill takes (a browser then keeps them from
// its own shortcuts) and which it leaves to the system.
#include "runtime/key_input.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace drill {
namespace {

KeyDownResult Press(KeyInput& input, std::deque<KeyPress>& keys, PressedKey key,
                    Modifiers modifiers = Modifiers::None, int function_number = 0) {
  return input.Down(KeyDown{key, function_number, modifiers, false}, keys);
}

TEST(KeyInput, TakesTheDrillsKeysAndLeavesTheRest) {
  KeyInput input;
  std::deque<KeyPress> keys;
  for (const PressedKey key :
       {PressedKey::Enter, PressedKey::Backspace, PressedKey::Delete, PressedKey::Clear,
        PressedKey::Right, PressedKey::Left, PressedKey::Up, PressedKey::Down, PressedKey::Space})
    EXPECT_EQ(Press(input, keys, key), KeyDownResult::Delivered);
  EXPECT_EQ(Press(input, keys, PressedKey::Function, Modifiers::None, 5), KeyDownResult::Delivered);
  EXPECT_EQ(Press(input, keys, PressedKey::LetterL, Modifiers::Ctrl), KeyDownResult::Delivered);
  EXPECT_EQ(keys.size(), 11u);
  EXPECT_EQ(keys[9], (KeyPress{5, ""}));
  EXPECT_EQ(keys[10], (KeyPress{0, "\f"}));

  // A plain letter comes as text; F12, Ctrl+Space and Alt+L belong to the system.
  keys.clear();
  EXPECT_EQ(Press(input, keys, PressedKey::LetterL), KeyDownResult::Ignored);
  EXPECT_EQ(Press(input, keys, PressedKey::Other), KeyDownResult::Ignored);
  EXPECT_EQ(Press(input, keys, PressedKey::Function, Modifiers::None, 12), KeyDownResult::Ignored);
  EXPECT_EQ(Press(input, keys, PressedKey::Space, Modifiers::Ctrl), KeyDownResult::Ignored);
  EXPECT_EQ(Press(input, keys, PressedKey::LetterL, Modifiers::Alt), KeyDownResult::Ignored);
  EXPECT_TRUE(keys.empty());
}

TEST(KeyInput, AltEnterTogglesFullScreenOnceAndCtrlEnterIsEnter) {
  KeyInput input;
  std::deque<KeyPress> keys;
  EXPECT_EQ(Press(input, keys, PressedKey::Enter, Modifiers::Alt), KeyDownResult::ToggleFullScreen);
  EXPECT_EQ(input.Down(KeyDown{PressedKey::Enter, 0, Modifiers::Alt, true}, keys),
            KeyDownResult::Ignored);
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(Press(input, keys, PressedKey::Enter, Modifiers::Ctrl), KeyDownResult::Delivered);
  EXPECT_EQ(keys, (std::deque<KeyPress>{{0, "\r"}}));
}

// The keys a text stands for, joined with "|".
std::string Keys(std::string_view text) {
  std::string joined;
  for (const std::string& key : KeysOfText(text)) joined += (joined.empty() ? "" : "|") + key;
  return joined;
}

TEST(KeyInput, AnInputMethodsTextGivesTheKeysTypedWithItOff) {
  struct Case {
    const char* typed;
    const char* keys;
  };
  for (const Case& c : std::initializer_list<Case>{
           // Full-width ASCII and the ideographic space.
           {"１Ａｚ／～！　", "1|A|z|/|~|!| "},
           // The minus key in every form an input method gives it, then the other signs.
           {"ー−‐‑‒–—―ｰ﹣－", "-|-|-|-|-|-|-|-|-|-|-"},
           {"。｡．、､，", ".|.|.|,|,|,"},
           {"「」｢｣［］・･", "[|]|[|]|[|]|/|/"},
           {"ー７", "-|7"},
           {"３。５", "3|.|5"},
           // The vowel keys, in hiragana and katakana.
           {"あいうえお", "a|i|u|e|o"},
           {"アイウエ", "a|i|u|e"},
           // A letter key and a vowel key make one kana (x³ is typed x e, y³ y e, √a q a, a
           // fraction over a s a); the longest kana wins.
           {"ぇ", "x|e"},
           {"ｙ＝いぇ", "y|=|y|e"},
           {"くぁ", "q|a"},
           {"さ", "s|a"},
           {"ヴェ", "v|e"},
           {"べ", "b|e"},
           {"ｗあ", "w|a"},
           {"ｙ＝あｘ", "y|=|a|x"},
           // Half-width katakana from the kana keys are the editor's; other characters stay.
           {"ｻﾝﾁｺ", "ｻ|ﾝ|ﾁ|ｺ"},
           {"ん漢×", "ん|漢|×"},
           {"", ""},
       }) {
    EXPECT_EQ(Keys(c.typed), c.keys) << c.typed;
  }
}

TEST(KeyInput, TextComesOnceAndKeysWaitWhileAnInputMethodComposes) {
  KeyInput input;
  std::deque<KeyPress> keys;
  input.Text("３。５\x01\xEF\xBF\xBD", keys);
  input.Composition("ー");
  EXPECT_EQ(Press(input, keys, PressedKey::Enter), KeyDownResult::Ignored);
  EXPECT_EQ(Press(input, keys, PressedKey::Function, Modifiers::None, 7), KeyDownResult::Ignored);
  input.Text("ー７", keys);
  EXPECT_EQ(Press(input, keys, PressedKey::Enter), KeyDownResult::Delivered);
  EXPECT_EQ(keys,
            (std::deque<KeyPress>{{0, "3"}, {0, "."}, {0, "5"}, {0, "-"}, {0, "7"}, {0, "\r"}}));
}

}  // namespace
}  // namespace drill
