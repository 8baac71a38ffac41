// The browser platform: the surface drawn on the page's canvas, keys from the page's keyboard.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "runtime/key_input.hpp"
#include "runtime/platform.hpp"
#include "runtime/present_gate.hpp"

namespace drill {

class WebPlatform : public Platform {
 public:
  // With a `fixed_clock` ("hh:mm:ss") ClockText returns it for the whole run, as the headless
  // runner does; empty: the time of day.
  explicit WebPlatform(std::string fixed_clock);
  ~WebPlatform() override;
  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  void TakeKeys(std::deque<KeyPress>& keys) override;
  // Shows the surface when its pixels changed, then gives the browser control until a key comes
  // or a short wait ends.
  void Idle(const Surface& surface) override;
  std::string ClockText() override;

  // From the page's event handlers. KeyDown answers whether the key was the drill's, so that the
  // browser does not act on it too (F5 reloading, Backspace going back).
  bool KeyDown(const KeyDown& key);
  void TextInput(const char* text);
  // A tap or click on the drawing at a point of the surface.
  void Tap(SurfacePoint point);
  // Keys from the page's key bar, written as a key script ("7", "{Enter}", "{F10}").
  void Keys(const char* script);
  // The page's close box: the program ends at its next look for keys.
  void Close();

 private:
  void Present(const Surface& surface);

  KeyInput input_;
  PresentGate gate_{std::chrono::milliseconds(16)};
  std::deque<KeyPress> pending_;
  std::vector<std::uint32_t> rgba_;  // one band of the canvas's pixels
  std::string fixed_clock_;
  IdlePace pace_;
  bool closed_ = false;
};

// The fixed clock the page asks for (its "clock=hh:mm:ss" query parameter), or "".
std::string PageClock();
// Replaces the page with a plain notice, once the program has ended or cannot go on.
void ShowPageNotice(const std::string& text);

}  // namespace drill
