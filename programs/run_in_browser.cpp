// The shared body of the four programs in a browser: the page's canvas, the runtime over it and
// the drill.
#include "programs/run_in_browser.hpp"

#include <emscripten.h>

#include <exception>

#include "framework/menu/menu.hpp"
#include "runtime/runtime.hpp"
#include "runtime/web/web_platform.hpp"
#include "runtime/web/web_records.hpp"

namespace drill {

int RunInBrowser(const UnitDefinition& unit) {
  emscripten_set_window_title(unit.title.c_str());
  WebPlatform page(PageClock());
  PageRecordKeeper records;
  try {
    Runtime runtime(page);
    runtime.SetRecordKeeper(&records);
    // The error screen ends, like every other state, only when the pupil closes the tab.
    RunDrill(runtime, unit);
  } catch (const StopRun&) {
  } catch (const std::exception& error) {
    ShowPageNotice("続行不可能なエラーが発生しました。" + std::string(error.what()));
    return 1;
  }
  // A page cannot close the tab the pupil opened; it says so plainly instead.
  ShowPageNotice("このタブを閉じてください。");
  return 0;
}

}  // namespace drill
