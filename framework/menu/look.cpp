// The look-at-problems mode: every problem with fresh numbers, Enter between them.
#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"

namespace drill {

Next LookAtProblems(Drill& d) {
  d.FMIRU = 1;
  d.MIRU = 1;
  d.rt.ClearScreen();
  d.rt.DrawTextAt(100, 80, "問題を見る", 2, 2, 15);
  return {Next::Stage::LookNext};
}

Next LookNext(Drill& d) {
  FlushKeys(d);
  if (d.MIRU > d.unit.ProblemCount()) {
    d.FMIRU = 0;
    return {Next::Stage::MainMenu};
  }
  return {Next::Stage::Problem, d.MIRU};
}

Next LookPause(Drill& d) {
  FlushKeys(d);
  EnterScreen(d);
  d.MIRU += 1;
  return {Next::Stage::LookNext};
}

void EnterScreen(Drill& d) {
  auto& rt = d.rt;
  rt.DrawFilledBox(472, 531, 600, 567, 3, 8);
  rt.DrawTextAt(16, 9, d.unit.title, 2, 2, 13);
  rt.DrawTextAt(480, 540, "Enterキーを押す", 1, 1, 13);
  {
    const TapScope taps(d, TapAnywhere("\r"));
    while (rt.ReadKey() != "\r") {
    }
  }
  FlushKeys(d);
}

}  // namespace drill
