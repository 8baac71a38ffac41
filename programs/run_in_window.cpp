// The shared body of the four programs: the window, the runtime over it and the drill.
#include "programs/run_in_window.hpp"

#include <exception>
#include <memory>

#include "framework/menu/menu.hpp"
#include "runtime/runtime.hpp"
#include "runtime/window/window_platform.hpp"

namespace drill {

int RunInWindow(const UnitDefinition& unit) {
  std::unique_ptr<WindowPlatform> window = OpenWindow(unit.title);
  if (!window) return 1;
  int status = 0;
  try {
    Runtime runtime(*window);
    // The error screen ends, like every other state, only when the pupil closes the window.
    RunDrill(runtime, unit);
  } catch (const StopRun&) {
  } catch (const std::exception& error) {
    // Failures the error screen cannot show, such as the window no longer presenting.
    ReportFatalError(unit.title, error.what());
    status = 1;
  }
  LeaveWithoutTeardown(status);
}

}  // namespace drill
