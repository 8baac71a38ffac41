// The browser platform on Emscripten: canvas pixels, DOM keyboard and text input, and waiting
// that hands control back to the browser (Asyncify) so the page stays responsive and idle.
#include "runtime/web/web_platform.hpp"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <span>
#include <string_view>

#include "runtime/headless.hpp"
#include "runtime/pixels.hpp"
#include "runtime/session_files.hpp"

namespace drill {
namespace {

using Clock = PresentGate::Clock;
using std::chrono::milliseconds;

// A key ends the wait at once, so the longest wait only bounds how often an idle page wakes to
// compare the whole surface with what it shows (a few milliseconds of WebAssembly each time).
constexpr milliseconds kLongWait{1000};

// Rows are converted and put on the canvas a band at a time, through one small buffer used again
// for every band: a whole screen's worth of memory, touched for the first time, cost the first
// frame tens of milliseconds.
constexpr int kBandRows = 50;

// clang-format off
// Sends typed and composed text to the drill. Printable characters come from the page"s hidden
// text field rather than from key-down events, so the keyboard layout and an input method are
// respected; composed text is taken only once the composition ends.
EM_JS(void, ListenForText, (void* platform), {
  const field = Module["typing"];
  Module["drillTextTo"] = platform;
  let composing = false;
  const deliver = () => {
    const text = field.value;
    field.value = "";
    if (!text || !Module["drillTextTo"]) return;
    const size = lengthBytesUTF8(text) + 1;
    const buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    _drill_web_text(Module["drillTextTo"], buffer);
    _free(buffer);
  };
  field.addEventListener("compositionstart", () => { composing = true; });
  field.addEventListener("compositionend", () => { composing = false; deliver(); });
  field.addEventListener("input", (event) => { if (!composing && !event.isComposing) deliver(); });
  // Typing goes to the text field: keep it focused.
  const focus = () => field.focus({preventScroll: true});
  field.addEventListener("blur", () => setTimeout(focus, 0));
  window.addEventListener("pointerdown", (event) => { event.preventDefault(); focus(); });
  focus();
  // A tap or click on the drawing, in the surface's own pixels whatever size the canvas is shown.
  const canvas = Module["canvas"];
  canvas.addEventListener("pointerdown", (event) => {
    if (!Module["drillTextTo"] || (event.pointerType === "mouse" && event.button !== 0)) return;
    const box = canvas.getBoundingClientRect();
    const x = Math.floor((event.clientX - box.left) * canvas.width / box.width);
    const y = Math.floor((event.clientY - box.top) * canvas.height / box.height);
    if (x >= 0 && y >= 0 && x < canvas.width && y < canvas.height)
      _drill_web_tap(Module["drillTextTo"], x, y);
  });
  // Keys named as key scripts name them ("7", "{Enter}", "{F10}"), from the page's own key bar.
  Module["drillKeys"] = (script) => {
    if (!Module["drillTextTo"]) return;
    const size = lengthBytesUTF8(script) + 1;
    const buffer = _malloc(size);
    stringToUTF8(script, buffer, size);
    _drill_web_keys(Module["drillTextTo"], buffer);
    _free(buffer);
  };
  // The page's own close box does what closing the window does.
  Module["drillClose"] = () => { if (Module["drillTextTo"]) _drill_web_close(Module["drillTextTo"]); };
});

// Text typed once the platform is gone goes nowhere.
EM_JS(void, StopListeningForText, (), {
  Module["drillTextTo"] = 0;
});

// Waits `ms` milliseconds, or less when a key comes first (WakeFromInput).
EM_ASYNC_JS(void, WaitForInput, (int ms), {
  await new Promise((resolve) => {
    const done = () => { clearTimeout(timer); Module["drillWake"] = null; resolve(); };
    const timer = setTimeout(done, ms);
    Module["drillWake"] = done;
  });
});

EM_JS(void, WakeFromInput, (), {
  if (Module["drillWake"]) Module["drillWake"]();
});

// Puts `count` rows of pixels on the canvas from row `first` on; the rest stands as it was.
EM_JS(void, PutRows, (const void* rgba, int width, int first, int count), {
  const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * count * 4);
  Module["canvas"].getContext("2d").putImageData(new ImageData(bytes, width, count), 0, first);
});

// Tells the page that a frame is complete on the canvas.
EM_JS(void, FrameShown, (), {
  if (Module["onFrame"]) Module["onFrame"]();
});

// Whether the drill waits for a key with everything shown: scripts driving the page (its tests)
// type the next key only then, as the headless runner releases a scripted key.
EM_JS(void, MarkWaiting, (int waiting), {
  Module["drillWaiting"] = waiting !== 0;
});

EM_JS(void, ToggleFullScreen, (), {
  if (document.fullscreenElement) document.exitFullscreen();
  else if (document.documentElement.requestFullscreen) document.documentElement.requestFullscreen();
});

EM_JS(char*, QueryClock, (), {
  const clock = new URLSearchParams(location.search).get("clock") || "";
  const valid = clock.length === 8 && /^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]/.test(clock) ? clock : "";
  const size = lengthBytesUTF8(valid) + 1;
  const buffer = _malloc(size);
  stringToUTF8(valid, buffer, size);
  return buffer;
});

EM_JS(void, ReplacePage, (const char* text), {
  const notice = document.createElement("p");
  notice.className = "notice";
  notice.textContent = UTF8ToString(text);
  document.body.replaceChildren(notice);
  if (Module["onNotice"]) Module["onNotice"](notice);
});
// clang-format on

// The drill's name of a browser key (its KeyboardEvent.key, which already follows Num Lock).
PressedKey Pressed(std::string_view key) {
  if (key == "Enter") return PressedKey::Enter;
  if (key == "Backspace") return PressedKey::Backspace;
  if (key == "Delete") return PressedKey::Delete;
  if (key == "Escape" || key == "Home" || key == "Clear") return PressedKey::Clear;
  if (key == "ArrowRight") return PressedKey::Right;
  if (key == "ArrowLeft") return PressedKey::Left;
  if (key == "ArrowUp") return PressedKey::Up;
  if (key == "ArrowDown") return PressedKey::Down;
  if (key == " ") return PressedKey::Space;
  if (key == "l" || key == "L") return PressedKey::LetterL;
  if (key.size() >= 2 && key.size() <= 3 && key[0] == 'F') return PressedKey::Function;
  return PressedKey::Other;
}

EM_BOOL OnKeyDown(int /*type*/, const EmscriptenKeyboardEvent* event, void* platform) {
  // While an input method composes, its keys are its own (they report key code 229).
  if (event->keyCode == 229) return EM_FALSE;
  const std::string_view name = event->key;
  KeyDown key{Pressed(name), 0, Modifiers::None, event->repeat != 0};
  if (key.key == PressedKey::Function) {
    key.function_number = std::atoi(event->key + 1);
    if (key.function_number < 1 || key.function_number > 11) return EM_FALSE;
  }
  if (event->ctrlKey && event->altKey)
    key.modifiers = Modifiers::CtrlAlt;
  else if (event->altKey)
    key.modifiers = Modifiers::Alt;
  else if (event->ctrlKey)
    key.modifiers = Modifiers::Ctrl;
  return static_cast<WebPlatform*>(platform)->KeyDown(key) ? EM_TRUE : EM_FALSE;
}

}  // namespace

WebPlatform::WebPlatform(std::string fixed_clock)
    : rgba_(static_cast<size_t>(kSurfaceWidth) * kBandRows),
      fixed_clock_(std::move(fixed_clock)),
      pace_(kLongWait) {
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_FALSE, OnKeyDown);
  ListenForText(this);
}

WebPlatform::~WebPlatform() {
  StopListeningForText();
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE, nullptr);
}

bool WebPlatform::KeyDown(const drill::KeyDown& key) {
  const KeyDownResult result = input_.Down(key, pending_);
  if (result == KeyDownResult::ToggleFullScreen) ToggleFullScreen();
  if (result == KeyDownResult::Ignored) return false;
  MarkWaiting(0);
  WakeFromInput();
  return true;
}

void WebPlatform::TextInput(const char* text) {
  const size_t before = pending_.size();
  input_.Text(text, pending_);
  if (pending_.size() == before) return;
  MarkWaiting(0);
  WakeFromInput();
}

void WebPlatform::Tap(SurfacePoint point) {
  pending_.push_back(KeyPress::TapAt(point));
  MarkWaiting(0);
  WakeFromInput();
}

void WebPlatform::Keys(const char* script) {
  const std::optional<std::vector<KeyPress>> keys = ParseKeyScript(script);
  if (!keys || keys->empty()) return;
  pending_.insert(pending_.end(), keys->begin(), keys->end());
  MarkWaiting(0);
  WakeFromInput();
}

void WebPlatform::Close() {
  closed_ = true;
  WakeFromInput();
}

void WebPlatform::TakeKeys(std::deque<KeyPress>& keys) {
  if (closed_) throw ProgramEnd{};
  keys.insert(keys.end(), pending_.begin(), pending_.end());
  pending_.clear();
}

void WebPlatform::Idle(const Surface& surface) {
  if (closed_) throw ProgramEnd{};
  if (!pending_.empty()) return;
  const auto now = Clock::now();
  const PresentGate::Verdict verdict = gate_.Check(surface, now);
  if (verdict == PresentGate::Verdict::Present) {
    Present(surface);
    gate_.Presented(surface, now);
  }
  if (verdict == PresentGate::Verdict::Unchanged) MarkWaiting(1);
  WaitForInput(static_cast<int>(pace_.WaitAfter(verdict, gate_, now).count()));
  pace_.WaitEnded(pending_.empty() ? IdlePace::Input::None : IdlePace::Input::Came);
}

void WebPlatform::Present(const Surface& surface) {
  // Only the rows that changed are converted and put on the canvas: a blinking caret costs a few
  // rows, not the whole screen.
  const PresentGate::Rows rows = gate_.changed();
  const int end = rows.first + rows.count;
  for (int first = rows.first; first < end; first += kBandRows) {
    const int count = std::min(kBandRows, end - first);
    const std::span<std::uint32_t> band(rgba_.data(), static_cast<size_t>(count) * kSurfaceWidth);
    ToArgbRows(surface, first, count, band);
    // The canvas takes bytes R, G, B, A: in a little-endian word that is 0xAABBGGRR.
    for (std::uint32_t& v : band) v = (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
    PutRows(rgba_.data(), kSurfaceWidth, first, count);
  }
  FrameShown();
}

std::string WebPlatform::ClockText() {
  if (!fixed_clock_.empty()) return fixed_clock_;
  return LocalTimeText("%H:%M:%S");
}

std::string PageClock() {
  char* clock = QueryClock();
  std::string text = clock;
  std::free(clock);
  return text;
}

void ShowPageNotice(const std::string& text) {
  ReplacePage(text.c_str());
}

}  // namespace drill

// Called by the page's text field handler (ListenForText) with the platform it was given.
extern "C" EMSCRIPTEN_KEEPALIVE void drill_web_text(void* platform, const char* text) {
  static_cast<drill::WebPlatform*>(platform)->TextInput(text);
}

extern "C" EMSCRIPTEN_KEEPALIVE void drill_web_tap(void* platform, int x, int y) {
  static_cast<drill::WebPlatform*>(platform)->Tap({x, y});
}

extern "C" EMSCRIPTEN_KEEPALIVE void drill_web_keys(void* platform, const char* script) {
  static_cast<drill::WebPlatform*>(platform)->Keys(script);
}

extern "C" EMSCRIPTEN_KEEPALIVE void drill_web_close(void* platform) {
  static_cast<drill::WebPlatform*>(platform)->Close();
}
