// The keyboard as the screen platforms read it: control keys from key-down events, printable
// characters from text input (so the keyboard layout and input methods are respected), each once.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/platform.hpp"

namespace drill {

// A pressed key as far as the drill cares; each platform names its own keys this way.
enum class PressedKey {
  Other,  // delivers nothing by itself (a printable key's text comes as text input)
  Enter,
  Backspace,
  Delete,
  Clear,  // Esc, Home and the keypad's Clear
  Right,
  Left,
  Up,
  Down,
  Space,
  LetterL,   // for Ctrl+L, the clear key
  Function,  // F1..F11, numbered in KeyDown::function_number
};

enum class Modifiers { None = 0, Ctrl = 1, Alt = 2, CtrlAlt = 3 };

struct KeyDown {
  PressedKey key = PressedKey::Other;
  int function_number = 0;
  Modifiers modifiers = Modifiers::None;
  bool repeat = false;
};

enum class KeyDownResult {
  Ignored,           // the key is not the drill's: the system may do with it what it does
  Delivered,         // the key reached the drill
  ToggleFullScreen,  // Alt+Enter
};

// The keys a typed or committed text stands for, one a character, as the drill reads them: an
// input method's forms of the drill's keys become those keys (full-width ASCII and the ideographic
// space their half-width forms, 「ー」 the minus, 「。」 the point, 「あ」 the letter a, kana made
// from a letter key and a vowel key the two letters); every other character stays itself.
std::vector<std::string> KeysOfText(std::string_view text);

class KeyInput {
 public:
  KeyDownResult Down(const KeyDown& key, std::deque<KeyPress>& keys);
  void Text(std::string_view text, std::deque<KeyPress>& keys);
  // An input method's composition in progress (empty once it has ended): the keys pressed while
  // it composes are the input method's own, and its text comes when it is committed.
  void Composition(std::string_view text) { composing_ = !text.empty(); }
  // The window lost the keyboard: a composition in progress ends with it.
  void FocusLost() { composing_ = false; }

 private:
  bool composing_ = false;
  // A key already delivered from its key-down event whose text input echo must be dropped
  // (Space, Ctrl+L); empty when none is expected.
  std::string echo_to_drop_;
};

}  // namespace drill
