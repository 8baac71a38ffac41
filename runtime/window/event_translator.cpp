// Key mapping of the window platform: SDL's key-down and text input events named for the shared
// keyboard mapping, which delivers each key once.
#include "runtime/window/event_translator.hpp"

namespace drill {
namespace {

// The drill's name of a key; the keypad counts as cursor keys only without Num Lock (with it,
// its digits arrive as text input).
PressedKey Pressed(SDL_Keycode sym, Uint16 mod) {
  const bool num_lock = (mod & KMOD_NUM) != 0;
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return PressedKey::Enter;
    case SDLK_BACKSPACE:
      return PressedKey::Backspace;
    case SDLK_DELETE:
      return PressedKey::Delete;
    case SDLK_ESCAPE:
    case SDLK_HOME:
    case SDLK_CLEAR:
    case SDLK_KP_CLEAR:
      return PressedKey::Clear;
    case SDLK_RIGHT:
      return PressedKey::Right;
    case SDLK_LEFT:
      return PressedKey::Left;
    case SDLK_UP:
      return PressedKey::Up;
    case SDLK_DOWN:
      return PressedKey::Down;
    case SDLK_SPACE:
      return PressedKey::Space;
    case SDLK_l:
      return PressedKey::LetterL;
    case SDLK_KP_6:
      return num_lock ? PressedKey::Other : PressedKey::Right;
    case SDLK_KP_4:
      return num_lock ? PressedKey::Other : PressedKey::Left;
    case SDLK_KP_8:
      return num_lock ? PressedKey::Other : PressedKey::Up;
    case SDLK_KP_2:
      return num_lock ? PressedKey::Other : PressedKey::Down;
    case SDLK_KP_7:
      return num_lock ? PressedKey::Other : PressedKey::Clear;
    case SDLK_KP_PERIOD:
      return num_lock ? PressedKey::Other : PressedKey::Delete;
    default:
      return sym >= SDLK_F1 && sym <= SDLK_F11 ? PressedKey::Function : PressedKey::Other;
  }
}

Modifiers ModifiersOf(Uint16 mod) {
  const bool alt = (mod & KMOD_ALT) != 0;
  const bool ctrl = (mod & KMOD_CTRL) != 0;
  if (alt && ctrl) return Modifiers::CtrlAlt;
  if (alt) return Modifiers::Alt;
  return ctrl ? Modifiers::Ctrl : Modifiers::None;
}

}  // namespace

WindowAction EventTranslator::Translate(const SDL_Event& event, std::deque<KeyPress>& keys) {
  switch (event.type) {
    case SDL_QUIT:
      return WindowAction::Close;
    case SDL_KEYDOWN:
      return KeyDown(event.key, keys);
    case SDL_TEXTINPUT:
      input_.Text(event.text.text, keys);
      return WindowAction::None;
    case SDL_MOUSEBUTTONDOWN:
      // A touch comes as the left button too. The renderer's logical size has already turned the
      // window's coordinates into the surface's; a press on the bars around it is no tap.
      if (event.button.button == SDL_BUTTON_LEFT && event.button.x >= 0 &&
          event.button.x < kSurfaceWidth && event.button.y >= 0 && event.button.y < kSurfaceHeight)
        keys.push_back(KeyPress::TapAt({event.button.x, event.button.y}));
      return WindowAction::None;
    case SDL_TEXTEDITING:
      input_.Composition(event.edit.text);
      return WindowAction::None;
    case SDL_RENDER_TARGETS_RESET:
      return WindowAction::Repaint;
    case SDL_RENDER_DEVICE_RESET:
      return WindowAction::RecreateTextures;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          return WindowAction::Close;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          // An input method drops its composition with the focus, and may not say so.
          input_.FocusLost();
          return WindowAction::None;
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
  const SDL_Keycode sym = key.keysym.sym;
  drill::KeyDown down{Pressed(sym, key.keysym.mod), 0, ModifiersOf(key.keysym.mod),
                      key.repeat != 0};
  if (down.key == PressedKey::Function) down.function_number = static_cast<int>(sym - SDLK_F1) + 1;
  return input_.Down(down, keys) == KeyDownResult::ToggleFullScreen ? WindowAction::ToggleFullScreen
                                                                    : WindowAction::None;
}

}  // namespace drill
