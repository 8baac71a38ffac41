// Key mapping of the window platform: each physical key reaches the drill once, as its code.
#include "runtime/window/event_translator.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "runtime/runtime.hpp"

namespace drill {
namespace {

SDL_Event KeyDown(SDL_Keycode sym, Uint16 mod = KMOD_NONE, bool repeat = false) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.keysym.sym = sym;
  event.key.keysym.mod = mod;
  event.key.repeat = repeat ? 1 : 0;
  return event;
}

SDL_Event TextInput(const char* text) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  std::strncpy(event.text.text, text, sizeof event.text.text - 1);
  return event;
}

SDL_Event WindowEvent(Uint8 what) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = what;
  return event;
}

// The keys that a sequence of events delivers, named as key scripts name them.
std::string Keys(std::initializer_list<SDL_Event> events) {
  EventTranslator translator;
  std::deque<KeyPress> keys;
  for (const SDL_Event& event : events) translator.Translate(event, keys);
  std::string names;
  for (const KeyPress& key : keys) names += KeyName(key);
  return names;
}

TEST(EventTranslator, ControlKeysDeliverTheirCodes) {
  EXPECT_EQ(Keys({KeyDown(SDLK_RETURN), KeyDown(SDLK_KP_ENTER), KeyDown(SDLK_BACKSPACE),
                  KeyDown(SDLK_DELETE)}),
            "{Enter}{Enter}{BS}{Del}");
  EXPECT_EQ(Keys({KeyDown(SDLK_ESCAPE), KeyDown(SDLK_HOME), KeyDown(SDLK_KP_CLEAR),
                  KeyDown(SDLK_l, KMOD_LCTRL)}),
            "{Clear}{Clear}{Clear}{Clear}");
  EXPECT_EQ(Keys({KeyDown(SDLK_RIGHT), KeyDown(SDLK_LEFT), KeyDown(SDLK_UP), KeyDown(SDLK_DOWN)}),
            "{Right}{Left}{Up}{Down}");
  EXPECT_EQ(Keys({KeyDown(SDLK_F1), KeyDown(SDLK_F10), KeyDown(SDLK_F11), KeyDown(SDLK_F12)}),
            "{F1}{F10}{F11}");
  // Held keys repeat, as the pupil expects of Backspace and the arrows.
  EXPECT_EQ(Keys({KeyDown(SDLK_BACKSPACE), KeyDown(SDLK_BACKSPACE, KMOD_NONE, true)}), "{BS}{BS}");
}

SDL_Event Press(Uint8 button, Sint32 x, Sint32 y) {
  SDL_Event event{};
  event.type = SDL_MOUSEBUTTONDOWN;
  event.button.button = button;
  event.button.x = x;
  event.button.y = y;
  return event;
}

TEST(EventTranslator, ALeftPressOnTheDrawingIsATap) {
  // Touches come as the left button; a press on the bars around the drawing is nothing.
  EXPECT_EQ(Keys({Press(SDL_BUTTON_LEFT, 400, 220), Press(SDL_BUTTON_RIGHT, 400, 220),
                  Press(SDL_BUTTON_LEFT, -3, 10), Press(SDL_BUTTON_LEFT, 10, 900),
                  Press(SDL_BUTTON_LEFT, 1439, 899)}),
            "{Tap 400,220}{Tap 1439,899}");
}

TEST(EventTranslator, PrintableKeysComeOnlyFromTextInput) {
  // The key-down of a letter or digit delivers nothing; its text does, as the layout makes it.
  EXPECT_EQ(Keys({KeyDown(SDLK_a), TextInput("a"), KeyDown(SDLK_2, KMOD_LSHIFT), TextInput("\"")}),
            "a\"");
  // An input method commits several characters at once: one key each, as the keys it stands for.
  EXPECT_EQ(Keys({TextInput("１２ｘ")}), "12x");
  // Control characters and broken UTF-8 never become keys.
  EXPECT_EQ(Keys({TextInput("\x01"
                            "b\x7f"
                            "\xE3\x81"
                            "c")}),
            "bc");
}

TEST(EventTranslator, KeysWithATextEchoArriveOnce) {
  EXPECT_EQ(Keys({KeyDown(SDLK_SPACE), TextInput(" "), KeyDown(SDLK_x), TextInput("x")}),
            "{Space}x");
  EXPECT_EQ(Keys({KeyDown(SDLK_SPACE), TextInput("\u3000")}), "{Space}");
  EXPECT_EQ(Keys({KeyDown(SDLK_l, KMOD_RCTRL), TextInput("l")}), "{Clear}");
  // Where no echo follows, the next key's text is not swallowed in its place.
  EXPECT_EQ(Keys({KeyDown(SDLK_SPACE), KeyDown(SDLK_SPACE), TextInput(" ")}), "{Space}{Space}");
  EXPECT_EQ(Keys({KeyDown(SDLK_SPACE), KeyDown(SDLK_q), TextInput("q")}), "{Space}q");
  // A space committed by an input method, with no key-down of ours before it, is a key.
  EXPECT_EQ(Keys({TextInput(" ")}), "{Space}");
}

SDL_Event Composition(const char* text) {
  SDL_Event event{};
  event.type = SDL_TEXTEDITING;
  std::strncpy(event.edit.text, text, sizeof event.edit.text - 1);
  return event;
}

TEST(EventTranslator, KeysWhileAnInputMethodComposesAreItsOwn) {
  // 「ー７」 composed, Backspace and Space used on the composition, Enter commits it: the drill
  // gets the minus and the 7, then the next Enter.
  EXPECT_EQ(Keys({KeyDown(SDLK_MINUS), Composition("ー"), KeyDown(SDLK_7), Composition("ー７"),
                  KeyDown(SDLK_8), Composition("ー７８"), KeyDown(SDLK_BACKSPACE),
                  Composition("ー７"), KeyDown(SDLK_SPACE), KeyDown(SDLK_F7), KeyDown(SDLK_RETURN),
                  Composition(""), TextInput("ー７"), KeyDown(SDLK_RETURN)}),
            "-7{Enter}");
  // A composition cancelled with Esc, or lost with the focus, gives the keys back.
  EXPECT_EQ(Keys({Composition("あ"), KeyDown(SDLK_ESCAPE), Composition(""), KeyDown(SDLK_LEFT)}),
            "{Left}");
  EXPECT_EQ(Keys({Composition("あ"), WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), KeyDown(SDLK_UP)}),
            "{Up}");
}

TEST(EventTranslator, KeypadMovesOnlyWithoutNumLock) {
  EXPECT_EQ(Keys({KeyDown(SDLK_KP_4), KeyDown(SDLK_KP_8), KeyDown(SDLK_KP_7)}),
            "{Left}{Up}{Clear}");
  EXPECT_EQ(Keys({KeyDown(SDLK_KP_4, KMOD_NUM), TextInput("4")}), "4");
}

TEST(EventTranslator, WindowActions) {
  EventTranslator translator;
  std::deque<KeyPress> keys;
  EXPECT_EQ(translator.Translate(KeyDown(SDLK_RETURN, KMOD_LALT), keys),
            WindowAction::ToggleFullScreen);
  EXPECT_EQ(translator.Translate(KeyDown(SDLK_RETURN, KMOD_LALT, true), keys), WindowAction::None);
  EXPECT_TRUE(keys.empty()) << "Alt+Enter is not an Enter";

  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_EQ(translator.Translate(quit, keys), WindowAction::Close);
  EXPECT_EQ(translator.Translate(WindowEvent(SDL_WINDOWEVENT_CLOSE), keys), WindowAction::Close);
  EXPECT_EQ(translator.Translate(WindowEvent(SDL_WINDOWEVENT_EXPOSED), keys),
            WindowAction::Repaint);
  EXPECT_EQ(translator.Translate(WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED), keys),
            WindowAction::Repaint);
}

}  // namespace
}  // namespace drill
