// Key mapping shared by the window and the browser: what each key-down and text input delivers.
#include "runtime/key_input.hpp"

#include "runtime/text.hpp"

namespace drill {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code of a control key, or nullptr for a key that delivers nothing by itself.
const char* ControlKeyText(PressedKey key) {
  switch (key) {
    case PressedKey::Enter:
      return "\r";
    case PressedKey::Backspace:
      return "\b";
    case PressedKey::Delete:
      return "\x7f";
    case PressedKey::Clear:
      return "\f";
    case PressedKey::Right:
      return "\x1c";
    case PressedKey::Left:
      return "\x1d";
    case PressedKey::Up:
      return "\x1e";
    case PressedKey::Down:
      return "\x1f";
    default:
      return nullptr;
  }
}

}  // namespace

KeyDownResult KeyInput::Down(const KeyDown& key, std::deque<KeyPress>& keys) {
  // The text input echo of a key comes right after its key-down event, never after another one.
  echo_to_drop_.clear();
  const bool alt = key.modifiers == Modifiers::Alt || key.modifiers == Modifiers::CtrlAlt;
  const bool ctrl = key.modifiers == Modifiers::Ctrl || key.modifiers == Modifiers::CtrlAlt;

  if (alt && !ctrl && key.key == PressedKey::Enter)
    return key.repeat ? KeyDownResult::Ignored : KeyDownResult::ToggleFullScreen;
  if (key.key == PressedKey::Function && key.function_number >= 1 && key.function_number <= 11) {
    keys.push_back(KeyPress{key.function_number, ""});
    return KeyDownResult::Delivered;
  }
  if (ctrl && !alt && key.key == PressedKey::LetterL) {
    keys.push_back(KeyPress{0, "\f"});
    echo_to_drop_ = "l";
    return KeyDownResult::Delivered;
  }
  if (key.key == PressedKey::Space && !ctrl && !alt) {
    keys.push_back(KeyPress{0, " "});
    echo_to_drop_ = " ";
    return KeyDownResult::Delivered;
  }
  if (const char* text = ControlKeyText(key.key)) {
    keys.push_back(KeyPress{0, text});
    return KeyDownResult::Delivered;
  }
  return KeyDownResult::Ignored;
}

void KeyInput::Text(std::string_view text, std::deque<KeyPress>& keys) {
  std::string echo;
  echo.swap(echo_to_drop_);
  if (!echo.empty()) {
    // Space may echo as an ideographic space, and Ctrl+L as either case of the letter.
    if (text == echo || (echo == " " && text == "\u3000") || (echo == "l" && text == "L")) return;
  }
  for (const char32_t code : DecodeUtf8(text)) {
    // Control characters and the stand-in for broken bytes are no keys.
    if (code < 0x20 || code == 0x7f || code == kReplacementCharacter) continue;
    keys.push_back(KeyPress{0, EncodeUtf8(code)});
  }
}

}  // namespace drill
