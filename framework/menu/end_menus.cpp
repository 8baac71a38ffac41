// The menus after a finished problem: this problem again, the next one, or (after the last
// problem) from problem 1 or back to the main menu.
#include <array>
#include <string>

#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"

namespace drill {

Next EndOfProblemMenu(Runtime& rt, int problem, int problem_count) {
  const bool last = problem == problem_count;
  const std::string line =
      last ? "☆この問題をもう１度練習する…１    ☆１番から練習する…２    ☆「内容」に戻る…３"
           : "☆もう１度練習する…１    ☆次に進む…２";
  rt.DrawTextAt(16, 594, line, 1, 1, 15);
  rt.MoveTextCursor(last ? 78 : 68, 33);
  const std::array<std::string, 3> keys{"1", "2", "3"};
  const TapScope taps(rt, TapOnChoices(ChoicesOfLine(16, 594, line, keys)));
  // Keys already pending count here: nothing is flushed before the menu. Any other key leaves
  // the menu as it stands, so it is drawn once rather than again on every poll.
  for (;;) {
    const std::string key = rt.ReadKey();
    if (key == "1") {
      rt.FlushKeys();
      return {Next::Stage::Problem, problem};
    }
    if (key == "2" && !last) {
      rt.FlushKeys();
      return {Next::Stage::Problem, problem + 1};
    }
    if (key == "2" && last) return {Next::Stage::SeriesStart, 1};
    if (key == "3" && last) return {Next::Stage::MainMenu};
  }
}

}  // namespace drill
