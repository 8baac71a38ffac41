// The error screen that every run-time failure leads to; it stays until the window is closed.
#include "framework/errors/errors.hpp"

namespace drill {

void ErrorScreen(Runtime& rt, const std::string& why) {
  if (rt.Tracing()) rt.Trace("error " + why);
  rt.ClearScreen();
  rt.DrawTextAt(288, 432, "エラーが発生しました。マウスで×をクリックして下さい。", 1, 1, 13);
  // Keys have no effect any more; only closing the window (or the end of a key script) ends this.
  for (;;) rt.ReadKey();
}

}  // namespace drill
