// The main menu and the start-number prompt of a practice series.
#include <array>
#include <utility>

#include "framework/errors/errors.hpp"
#include "framework/menu/menu.hpp"
#include "framework/menu/sequence.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/key_names.hpp"
#include "runtime/numbers.hpp"
#include "runtime/text.hpp"

namespace drill {

Next MainMenu(Runtime& rt, const UnitDefinition& unit, SessionState& session) {
  rt.ClearScreen();
  const std::string& title = unit.title;
  const float title_width = 32.0f * static_cast<float>(CharacterCount(title));
  rt.DrawFilledBox(240, 72, title_width + 272, 142, 15, 10);
  rt.DrawTextAt(256, 90, title, 2, 2, 13);

  // A one-digit count shows as a full-width digit; two digits stay half-width.
  const std::string count = MapKeyToGlyph(NumberText(static_cast<float>(unit.ProblemCount())));
  const std::array<std::pair<float, std::string>, 3> lines{{
      {216.0f, "★ 練習" + count + "題・・・・・・・・・・・・・１"},
      {252.0f, "★ 練習" + count + "題を見る・・・・・・・・・・２"},
      {324.0f, "★ 終わる・・・・・・・・・・・・・・３"},
  }};
  const std::array<std::string, 3> keys{"1", "2", "3"};
  std::vector<TapChoice> choices;
  for (size_t i = 0; i < lines.size(); ++i) {
    rt.DrawTextAt(320, lines[i].first, lines[i].second, 1, 1, 15);
    for (TapChoice& c : ChoicesOfLine(320, lines[i].first, lines[i].second, {&keys[i], 1}))
      choices.push_back(std::move(c));
  }
  rt.DrawTextAt(288, 432, "実行途中で元に戻りたいときは、マウスで×をクリックする", 1, 1, 13);
  if (session.taking_up_series) DrawKeptStrip(rt, unit.ProblemCount(), session);

  const TapScope taps(rt, TapOnChoices(std::move(choices)));
  for (;;) {
    const std::string key = rt.ReadKey();
    if (key == "1") return {Next::Stage::PracticePrompt};
    if (key == "2") return {Next::Stage::LookAtProblems};
    if (key == "3") {
      EndSession(rt, session.record);
      rt.EndProgram();
    }
  }
}

Next PracticeStart(Runtime& rt, const UnitDefinition& unit) {
  rt.DrawLine(1, 252, 1281, 612, 0, Shape::Fill);
  constexpr const char* kPrompt = "何番から始めますか　番号を入力し、Enter キーを押してください。";
  const std::array<std::string, 1> enter{kEnter};
  constexpr float kEntryX = 320, kEntryY = 306;
  float start = 0;
  for (;;) {
    rt.DrawTextAt(288, 270, kPrompt, 1, 1, 13);
    start = ToNumber(ReadNumber(rt, kEntryX, kEntryY, ChoicesOfLine(288, 270, kPrompt, enter)));
    if (start >= 1 && start <= static_cast<float>(unit.ProblemCount())) break;
    // A refused entry is wiped before the next one is read at the same place, so the digits of
    // the two entries never stand on top of each other.
    rt.DrawLine(kEntryX - 112, kEntryY - 10, kEntryX + 368, kEntryY + 20, 0, Shape::Fill);
  }
  rt.ClearScreen();
  rt.DrawTextAt(0, 9, unit.title, 1, 1, 5);
  rt.MoveTextCursor(73, 1);
  rt.PrintText("分数→f.10,  √→f.1, π→f.6, 累乗→f.2～f.5, ≦≧→f.8,f.9, ±→f.7 ,√分数→f.11");
  SeedFromClock(rt);
  // A start number with a fractional part starts the whole problem below it.
  return {Next::Stage::SeriesStart, static_cast<int>(IntPart(start))};
}

}  // namespace drill
