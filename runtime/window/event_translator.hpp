// Turns the window system's events into the drill's keys and into what the window must do.
#pragma once

#include <SDL.h>

#include <deque>
#include <string>

#include "runtime/key_input.hpp"
#include "runtime/platform.hpp"

namespace drill {

enum class WindowAction {
  None,
  Close,             // the close box or the session asked the program to end
  ToggleFullScreen,  // Alt+Enter
  Repaint,           // the window lost what it showed
  RecreateTextures,  // the renderer lost its textures
};

class EventTranslator {
 public:
  // Appends the keys that `event` delivers to `keys` and says what the window must do.
  WindowAction Translate(const SDL_Event& event, std::deque<KeyPress>& keys);

 private:
  WindowAction KeyDown(const SDL_KeyboardEvent& key, std::deque<KeyPress>& keys);

  KeyInput input_;
};

}  // namespace drill
