// The shared keyboard mapping: which key-downs the drill takes (a browser then keeps them from
// its own shortcuts) and which it leaves to the system.
#include "runtime/key_input.hpp"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace drill
