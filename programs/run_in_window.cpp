// The shared body of the four programs: the window, the runtime over it and the drill.
#include "programs/run_in_window.hpp"

#include <cstdlib>
#include <exception>
#include <memory>

#include "framework/menu/menu.hpp"
#include "runtime/runtime.hpp"
#include "runtime/session_files.hpp"
#include "runtime/window/window_platform.hpp"

namespace drill {

int RunInWindow(const UnitDefinition& unit) {
  std::unique_ptr<WindowPlatform> window = OpenWindow(unit.title);
  if (!window) return 1;
  int status = 0;
  // Each session's sheet goes to a file of its own in the user's data folder.
  SheetFileKeeper sheets(SheetFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
  try {
    Runtime runtime(*window);
    runtime.SetRecordKeeper(&sheets);
    // The error screen ends, like every other state, only when the pupil closes the window.
    RunDrill(runtime, unit);
  } catch (const StopRun&) {
  } catch (const std::exception& error) {
    // Failures the error screen cannot show, such as the window no longer presenting.
    ReportFatalError(unit.title, error.what());
    status = 1;
  }
  sheets.WriteAgainIfBehind();
  LeaveWithoutTeardown(status);
}

}  // namespace drill
