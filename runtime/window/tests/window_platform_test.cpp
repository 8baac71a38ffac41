// The window platform on SDL's display-less video driver: keys in, close box, failure report.
#include "runtime/window/window_platform.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>

namespace drill {
namespace {

class WindowPlatformTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    window_ = OpenWindow("反比例");
    ASSERT_NE(window_, nullptr);
  }

  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }
  static void PushText(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, text, sizeof event.text.text);
    Push(event);
  }
  static void PushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    Push(event);
  }

  std::unique_ptr<WindowPlatform> window_;
  Surface surface_;
};

TEST_F(WindowPlatformTest, KeysArriveInOrderWhetherTakenOrWaitedFor) {
  std::deque<KeyPress> keys;
  PushText("1");
  SDL_Event f1{};
  f1.type = SDL_KEYDOWN;
  f1.key.keysym.sym = SDLK_F1;
  Push(f1);
  window_->TakeKeys(keys);
  // A key that comes in while the program idles is kept for the next TakeKeys.
  PushText("2");
  window_->Idle(surface_);
  window_->TakeKeys(keys);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0], (KeyPress{0, "1"}));
  EXPECT_EQ(keys[1], (KeyPress{1, ""}));
  EXPECT_EQ(keys[2], (KeyPress{0, "2"}));
}

TEST_F(WindowPlatformTest, ClosingEndsTheProgramFromEveryCall) {
  std::deque<KeyPress> keys;
  PushText("1");
  PushQuit();
  EXPECT_THROW(window_->Idle(surface_), ProgramEnd);
  EXPECT_THROW(window_->TakeKeys(keys), ProgramEnd);
  EXPECT_THROW(window_->Idle(surface_), ProgramEnd);
  EXPECT_TRUE(keys.empty()) << "keys typed before the close are not acted on";
}

TEST_F(WindowPlatformTest, IdleWaitsOnlyBriefly) {
  // Polling loops call Idle again and again; with nothing happening it must come back soon.
  surface_.Set(10, 10, 3);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 3; ++i) window_->Idle(surface_);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
}

TEST_F(WindowPlatformTest, ClockTextIsTheTimeOfDay) {
  EXPECT_TRUE(std::regex_match(window_->ClockText(),
                               std::regex("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]")));
}

TEST(OpenWindow, WithoutADisplayReportsAndGivesNoWindow) {
  // A console with graphics hardware is a display of its own.
  if (std::filesystem::exists("/dev/dri")) GTEST_SKIP() << "this machine has a console display";
  // No display of any kind, and no driver chosen: SDL's screenless drivers must not stand in.
  // The message box cannot be shown either; standard error tells.
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("SDL_VIDEODRIVER");
  testing::internal::CaptureStderr();
  auto window = OpenWindow("1年関数・比例");
  const std::string error = testing::internal::GetCapturedStderr();
  EXPECT_EQ(window, nullptr);
  EXPECT_EQ(error.rfind("続行不可能なエラーが発生しました", 0), 0u) << error;
}

}  // namespace
}  // namespace drill
