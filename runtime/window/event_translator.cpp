// Key mapping of the window platform: control keys from key-down events, printable characters
// from text input (so the keyboard layout and input methods are respected), each delivered once.
#include "runtime/window/event_translator.hpp"

#include "runtime/text.hpp"

namespace drill {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

KeyPress Text(const char* text) {
  return KeyPress{0, text};
}

// The text of a control key, or nullptr for a key that delivers nothing by itself.
const char* ControlKeyText(SDL_Keycode sym, Uint16 mod) {
  const bool num_lock = (mod & KMOD_NUM) != 0;
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return "\r";
    case SDLK_BACKSPACE:
      return "\b";
    case SDLK_DELETE:
      return "\x7f";
    case SDLK_ESCAPE:
    case SDLK_HOME:
    case SDLK_CLEAR:
    case SDLK_KP_CLEAR:
      return "\f";
    case SDLK_RIGHT:
      return "\x1c";
    case SDLK_LEFT:
      return "\x1d";
    case SDLK_UP:
      return "\x1e";
    case SDLK_DOWN:
      return "\x1f";
    // Without Num Lock the keypad is a second set of cursor keys; with it, its digits arrive
    // as text input.
    case SDLK_KP_6:
      return num_lock ? nullptr : "\x1c";
    case SDLK_KP_4:
      return num_lock ? nullptr : "\x1d";
    case SDLK_KP_8:
      return num_lock ? nullptr : "\x1e";
    case SDLK_KP_2:
      return num_lock ? nullptr : "\x1f";
    case SDLK_KP_7:
      return num_lock ? nullptr : "\f";
    case SDLK_KP_PERIOD:
      return num_lock ? nullptr : "\x7f";
    default:
      return nullptr;
  }
}

}  // namespace

WindowAction EventTranslator::Translate(const SDL_Event& event, std::deque<KeyPress>& keys) {
  switch (event.type) {
    case SDL_QUIT:
      return WindowAction::Close;
    case SDL_KEYDOWN:
      return KeyDown(event.key, keys);
    case SDL_TEXTINPUT:
      TextInput(event.text.text, keys);
      return WindowAction::None;
    case SDL_RENDER_TARGETS_RESET:
      return WindowAction::Repaint;
    case SDL_RENDER_DEVICE_RESET:
      return WindowAction::RecreateTextures;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          return WindowAction::Close;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
          return WindowAction::Repaint;
        default:
          return WindowAction::None;
      }
    default:
      return WindowAction::None;
  }
}

WindowAction EventTranslator::KeyDown(const SDL_KeyboardEvent& key, std::deque<KeyPress>& keys) {
  // The text input echo of a key comes right after its key-down event, never after another one.
  echo_to_drop_.clear();
  const SDL_Keycode sym = key.keysym.sym;
  const Uint16 mod = key.keysym.mod;
  const bool alt = (mod & KMOD_ALT) != 0;
  const bool ctrl = (mod & KMOD_CTRL) != 0;

  if (alt && !ctrl && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER))
    return key.repeat ? WindowAction::None : WindowAction::ToggleFullScreen;
  if (sym >= SDLK_F1 && sym <= SDLK_F11) {
    keys.push_back(KeyPress{static_cast<int>(sym - SDLK_F1) + 1, ""});
    return WindowAction::None;
  }
  if (ctrl && !alt && sym == SDLK_l) {
    keys.push_back(Text("\f"));
    echo_to_drop_ = "l";
    return WindowAction::None;
  }
  if (sym == SDLK_SPACE && !ctrl && !alt) {
    keys.push_back(Text(" "));
    echo_to_drop_ = " ";
    return WindowAction::None;
  }
  if (const char* text = ControlKeyText(sym, mod)) keys.push_back(Text(text));
  return WindowAction::None;
}

void EventTranslator::TextInput(const char* text, std::deque<KeyPress>& keys) {
  std::string echo;
  echo.swap(echo_to_drop_);
  if (!echo.empty()) {
    const std::string typed = text;
    // Space may echo as an ideographic space, and Ctrl+L as either case of the letter.
    if (typed == echo || (echo == " " && typed == "\u3000") || (echo == "l" && typed == "L"))
      return;
  }
  for (const char32_t code : DecodeUtf8(text)) {
    // Control characters and the stand-in for broken bytes are no keys.
    if (code < 0x20 || code == 0x7f || code == kReplacementCharacter) continue;
    keys.push_back(KeyPress{0, EncodeUtf8(code)});
  }
}

}  // namespace drill
