// The look-at-problems mode: every problem with fresh numbers, Enter between them.
#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"
#include "runtime/key_names.hpp"

namespace drill {

Next LookAtProblems(Runtime& rt, SessionState& session) {
  session.looking = true;
  session.look_next = 1;
  rt.ClearScreen();
  rt.DrawTextAt(100, 80, "問題を見る", 2, 2, 15);
  return {Next::Stage::LookNext};
}

Next LookNext(Runtime& rt, int problem_count, SessionState& session) {
  rt.FlushKeys();
  if (session.look_next > problem_count) {
    session.looking = false;
    return {Next::Stage::MainMenu};
  }
  return {Next::Stage::Problem, session.look_next};
}

Next LookPause(Runtime& rt, const std::string& title, SessionState& session) {
  rt.FlushKeys();
  EnterScreen(rt, title);
  session.look_next += 1;
  return {Next::Stage::LookNext};
}

void EnterScreen(Runtime& rt, const std::string& title) {
  rt.DrawFilledBox(472, 531, 600, 567, 3, 8);
  rt.DrawTextAt(16, 9, title, 2, 2, 13);
  rt.DrawTextAt(480, 540, "Enterキーを押す", 1, 1, 13);
  {
    const TapScope taps(rt, TapAnywhere(kEnter));
    while (rt.ReadKey() != kEnter) {
    }
  }
  rt.FlushKeys();
}

}  // namespace drill
