// The look-at-problems mode: every problem with fresh numbers, Enter between them.
#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"

namespace drill {

Next LookAtProblems(Drill& d) {
  d.looking = true;
  d.look_next = 1;
  d.rt.ClearScreen();
  d.rt.DrawTextAt(100, 80, "問題を見る", 2, 2, 15);
  return {Next::Stage::LookNext};
}

Next LookNext(Drill& d) {
  d.rt.FlushKeys();
  if (d.look_next > d.unit.ProblemCount()) {
    d.looking = false;
    return {Next::Stage::MainMenu};
  }
  return {Next::Stage::Problem, d.look_next};
}

Next LookPause(Drill& d) {
  d.rt.FlushKeys();
  EnterScreen(d.rt, d.unit.title);
  d.look_next += 1;
  return {Next::Stage::LookNext};
}

void EnterScreen(Runtime& rt, const std::string& title) {
  rt.DrawFilledBox(472, 531, 600, 567, 3, 8);
  rt.DrawTextAt(16, 9, title, 2, 2, 13);
  rt.DrawTextAt(480, 540, "Enterキーを押す", 1, 1, 13);
  {
    const TapScope taps(rt, TapAnywhere("\r"));
    while (rt.ReadKey() != "\r") {
    }
  }
  rt.FlushKeys();
}

}  // namespace drill
