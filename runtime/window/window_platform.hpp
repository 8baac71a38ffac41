// The window platform: one resizable window that shows the surface and delivers the keyboard.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "runtime/platform.hpp"

namespace drill {

class WindowPlatform : public Platform {
 public:
  struct State;  // the window system's objects, kept out of this header
  explicit WindowPlatform(std::unique_ptr<State> state);
  ~WindowPlatform() override;
  WindowPlatform(const WindowPlatform&) = delete;
  WindowPlatform& operator=(const WindowPlatform&) = delete;

  // Both throw ProgramEnd once the window has been closed.
  void TakeKeys(std::deque<KeyPress>& keys) override;
  void Idle(const Surface& surface) override;
  std::string ClockText() override;

 private:
  void HandlePendingEvents();
  void Present(const Surface& surface);

  std::unique_ptr<State> state_;
  std::deque<KeyPress> pending_;
  bool closed_ = false;
};

// Opens the maximised window titled `title`. When no window can be opened it reports why (see
// ReportFatalError) and returns nullptr.
std::unique_ptr<WindowPlatform> OpenWindow(const std::string& title);

// Ends the process with `status` once the drill is over, without tearing the window down.
// SDL wakes its own event wait by sending a message to the window over a second connection to
// the X server; on a busy server that message can still be queued when the window is destroyed
// over the first one, and the server's error for it would then end the process with status 1
// as it closes. Leaving with both connections open lets the server drop the window itself, so
// ending the drill always ends the process with its own status.
[[noreturn]] void LeaveWithoutTeardown(int status);

// Reports a failure that ends the program: on standard error and, where one can be shown, in a
// message box titled `title`. Both texts begin with the same fixed sentence.
void ReportFatalError(const std::string& title, const std::string& reason);

}  // namespace drill
