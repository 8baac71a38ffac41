// The window platform on SDL2: the surface scaled into a resizable window, keys from its events.
#include "runtime/window/window_platform.hpp"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "runtime/pixels.hpp"
#include "runtime/present_gate.hpp"
#include "runtime/session_files.hpp"
#include "runtime/window/event_translator.hpp"

namespace drill {
namespace {

using Clock = PresentGate::Clock;
using std::chrono::milliseconds;

// A long-idle program wakes four times a second. Text typed through an input method comes with
// key events, which end the wait at once and shorten the next ones again.
constexpr milliseconds kLongWait{250};
constexpr int kFallbackRefreshRate = 60;

struct SdlSession {
  SdlSession() = default;
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;
  ~SdlSession() { SDL_Quit(); }
};

struct WindowDeleter {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};

std::string SdlReason(const std::string& what) {
  return what + " (" + SDL_GetError() + ")";
}

Clock::duration RefreshInterval(SDL_Window* window) {
  SDL_DisplayMode mode{};
  int rate = kFallbackRefreshRate;
  if (SDL_GetWindowDisplayMode(window, &mode) == 0 && mode.refresh_rate > 0)
    rate = mode.refresh_rate;
  return std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / rate;
}

// The window's first size, for a desktop that does not maximise it: the surface's size, shrunk
// with its aspect kept to fit the usable part of the screen.
SDL_Point InitialSize() {
  SDL_Rect usable{};
  double scale = 1.0;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0)
    scale = std::min({1.0, double(usable.w) / kSurfaceWidth, double(usable.h) / kSurfaceHeight});
  return {static_cast<int>(kSurfaceWidth * scale), static_cast<int>(kSurfaceHeight * scale)};
}

// Without a choice in the environment, SDL falls back to drivers that need no screen; a program
// running there could neither be seen nor closed. Offer it only the drivers that show a window,
// in its own order. Wayland cannot connect without a runtime directory and would only complain
// on standard error, ahead of the program's own message.
void OfferOnlyScreenDrivers() {
  if (std::getenv("SDL_VIDEODRIVER") != nullptr) return;
  std::string drivers;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string name = SDL_GetVideoDriver(i);
    if (name == "offscreen" || name == "dummy" || name == "evdev") continue;
    if (name == "wayland" && std::getenv("XDG_RUNTIME_DIR") == nullptr) continue;
    drivers += (drivers.empty() ? "" : ",") + name;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

long long EpochMilliseconds() {
  return std::chrono::duration_cast<milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

struct WindowPlatform::State {
  SdlSession session;  // declared first: SDL shuts down after everything below is destroyed
  std::unique_ptr<SDL_Window, WindowDeleter> window;
  std::unique_ptr<SDL_Renderer, WindowDeleter> renderer;
  std::unique_ptr<SDL_Texture, WindowDeleter> texture;
  EventTranslator translator;
  PresentGate gate{std::chrono::milliseconds(16)};
  // Measuring aid: with DRILL_REPORT_FIRST_FRAME=1 in the environment the first presented frame
  // that shows anything is reported on standard error, with the wall clock in milliseconds, so
  // a script can tell the time from its own start of the program to the first picture.
  bool report_first_frame = false;
  Clock::time_point opened = Clock::now();
  IdlePace pace{kLongWait};

  // Applies one event: keys go to `keys`; answers whether the window is still open.
  bool Handle(const SDL_Event& event, std::deque<KeyPress>& keys) {
    switch (translator.Translate(event, keys)) {
      case WindowAction::Close:
        return false;
      case WindowAction::ToggleFullScreen: {
        const bool full = (SDL_GetWindowFlags(window.get()) & SDL_WINDOW_FULLSCREEN) != 0;
        SDL_SetWindowFullscreen(window.get(), full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
        gate.Invalidate();
        break;
      }
      case WindowAction::Repaint:
        gate.SetRefreshInterval(RefreshInterval(window.get()));
        gate.Invalidate();
        break;
      case WindowAction::RecreateTextures:
        CreateTexture();
        gate.Invalidate();
        break;
      case WindowAction::None:
        break;
    }
    return true;
  }

  void CreateTexture() {
    texture.reset(SDL_CreateTexture(renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_STREAMING, kSurfaceWidth, kSurfaceHeight));
    if (!texture) throw std::runtime_error(SdlReason("画面を用意できません"));
  }
};

std::unique_ptr<WindowPlatform> OpenWindow(const std::string& title) {
  // A drill left open should not keep the screen saver away.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // Scaling by a fraction with nearest pixels would drop thin lines of the planes.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  // One scaled copy per changed frame needs no graphics driver: drawing in software starts in a
  // few milliseconds where setting up a 3D context can take a tenth of a second or more. The
  // environment variables of the same names still choose otherwise.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  OfferOnlyScreenDrivers();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    ReportFatalError(title, SdlReason("画面に接続できません"));
    return nullptr;
  }
  auto state = std::make_unique<WindowPlatform::State>();
  const SDL_Point size = InitialSize();
  state->window.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED,
                                       SDL_WINDOWPOS_CENTERED, size.x, size.y,
                                       SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED));
  if (!state->window) {
    ReportFatalError(title, SdlReason("ウィンドウを開けません"));
    return nullptr;
  }
  state->renderer.reset(SDL_CreateRenderer(state->window.get(), -1, 0));
  if (!state->renderer)
    state->renderer.reset(SDL_CreateRenderer(state->window.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!state->renderer ||
      SDL_RenderSetLogicalSize(state->renderer.get(), kSurfaceWidth, kSurfaceHeight) != 0) {
    ReportFatalError(title, SdlReason("画面を用意できません"));
    return nullptr;
  }
  try {
    state->CreateTexture();
  } catch (const std::exception& e) {
    ReportFatalError(title, e.what());
    return nullptr;
  }
  state->gate.SetRefreshInterval(RefreshInterval(state->window.get()));
  const char* report = std::getenv("DRILL_REPORT_FIRST_FRAME");
  state->report_first_frame = report != nullptr && std::string(report) == "1";
  SDL_StartTextInput();
  return std::make_unique<WindowPlatform>(std::move(state));
}

void LeaveWithoutTeardown(int status) {
  std::fflush(nullptr);
  std::_Exit(status);
}

void ReportFatalError(const std::string& title, const std::string& reason) {
  const std::string message = "続行不可能なエラーが発生しました。" + reason;
  std::fprintf(stderr, "%s\n", message.c_str());
  // Without a display the box cannot be shown either; standard error has the message then.
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr);
}

WindowPlatform::WindowPlatform(std::unique_ptr<State> state) : state_(std::move(state)) {}

WindowPlatform::~WindowPlatform() = default;

void WindowPlatform::TakeKeys(std::deque<KeyPress>& keys) {
  HandlePendingEvents();
  if (closed_) throw ProgramEnd{};
  keys.insert(keys.end(), pending_.begin(), pending_.end());
  pending_.clear();
}

void WindowPlatform::Idle(const Surface& surface) {
  if (closed_) throw ProgramEnd{};
  if (!pending_.empty()) return;
  const auto now = Clock::now();
  const PresentGate::Verdict verdict = state_->gate.Check(surface, now);
  if (verdict == PresentGate::Verdict::Present) {
    Present(surface);
    state_->gate.Presented(surface, now);
  }
  const milliseconds wait = state_->pace.WaitAfter(verdict, state_->gate, now);
  SDL_Event event;
  const bool input = SDL_WaitEventTimeout(&event, static_cast<int>(wait.count())) == 1;
  if (input && !state_->Handle(event, pending_)) closed_ = true;
  state_->pace.WaitEnded(input ? IdlePace::Input::Came : IdlePace::Input::None);
  HandlePendingEvents();
  if (closed_) throw ProgramEnd{};
}

void WindowPlatform::HandlePendingEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event) == 1)
    if (!state_->Handle(event, pending_)) closed_ = true;
}

void WindowPlatform::Present(const Surface& surface) {
  State& s = *state_;
  // Only the rows that changed since the last present are converted and uploaded.
  const PresentGate::Rows rows = s.gate.changed();
  const SDL_Rect area{0, rows.first, kSurfaceWidth, rows.count};
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(s.texture.get(), &area, &pixels, &pitch) != 0)
    throw std::runtime_error(SdlReason("画面を表示できません"));
  const int stride = pitch / static_cast<int>(sizeof(std::uint32_t));
  ToArgbRows(
      surface, rows.first, rows.count,
      std::span<std::uint32_t>(static_cast<std::uint32_t*>(pixels),
                               static_cast<size_t>(stride) * static_cast<size_t>(rows.count)),
      stride);
  SDL_UnlockTexture(s.texture.get());
  const Rgb background = kPalette[0];
  SDL_SetRenderDrawColor(s.renderer.get(), background.r, background.g, background.b, 255);
  SDL_RenderClear(s.renderer.get());
  if (SDL_RenderCopy(s.renderer.get(), s.texture.get(), nullptr, nullptr) != 0)
    throw std::runtime_error(SdlReason("画面を表示できません"));
  SDL_RenderPresent(s.renderer.get());

  if (s.report_first_frame && !surface.IsBlank()) {
    s.report_first_frame = false;
    const auto elapsed = std::chrono::duration_cast<milliseconds>(Clock::now() - s.opened);
    std::fprintf(stderr, "first frame: epoch_ms=%lld ms_since_open=%lld\n", EpochMilliseconds(),
                 static_cast<long long>(elapsed.count()));
  }
}

std::string WindowPlatform::ClockText() {
  return LocalTimeText("%H:%M:%S");
}

}  // namespace drill
