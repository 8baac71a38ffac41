// The attempt loop: up to three answers, each marked right or wrong, with the hints between them.
#include "framework/editor/editor.hpp"
#include "framework/flow/flow.hpp"

namespace drill {
namespace {

// How far the whole answer's mark keeps from the end of a several-blank answer line.
constexpr float kMarkGap = 8;
constexpr float kMarkReach = 22;  // the circle's radius; the cross is narrower

// One blank: the mark stands over the start of the blank it judges, on purpose. Several blanks
// carry a mark each, so the whole answer's mark stands after the line, clear of every blank and
// its mark.
void DrawMark(Drill& d) {
  d.mark_x = d.KOTAE_SU > 1 ? d.answer_right + kMarkGap + kMarkReach : d.XW + 24;
  d.mark_y = d.YW + 8;
  d.rt.BeginGroup(DrawGroup::Mark);
  if (d.FF == 2) {
    d.rt.DrawCircle(d.mark_x, d.mark_y, 22, 5, CircleFill::Outline);
  } else {
    d.rt.DrawLine(d.mark_x - 16, d.mark_y - 18, d.mark_x + 16, d.mark_y + 18, 5);
    d.rt.DrawLine(d.mark_x + 16, d.mark_y - 18, d.mark_x - 16, d.mark_y + 18, 5);
  }
  d.rt.EndGroup(DrawGroup::Mark);
}

void EraseMark(Drill& d) {
  d.rt.DrawLine(d.mark_x - kMarkReach, d.mark_y - kMarkReach, d.mark_x + kMarkReach,
                d.mark_y + kMarkReach, 0, Shape::Fill);
}

void ShowHints(Drill& d, int first) {
  for (int s = first; s <= 3; ++s) ProblemStep(d, s);
}

}  // namespace

AttemptResult AttemptLoop(Drill& d) {
  for (;;) {
    if (d.FMIRU == 1) return AttemptResult::HandedBack;
    d.XW = d.KAIX;
    d.YW = d.KAIY;
    d.X = d.XW;
    d.Y = d.YW;
    d.rt.DrawLine(d.X, d.Y - 9, d.X + 800, d.Y + 27, 0, Shape::Fill);
    // The mark after a long several-blank line may stand beyond what the answer line erases.
    if (d.KAI > 0 && d.KOTAE_SU > 1) EraseMark(d);
    d.KAI += 1;

    AnswerEntry(d);
    DrawMark(d);
    RecordFirstTry(d);
    if (d.FF == 2) {
      ShowHints(d, d.KAI);  // the hints not yet seen
      break;
    }
    if (d.KAI >= 3) {
      ShowHints(d, 3);
      break;
    }
    ProblemStep(d, d.KAI);
    PressSpacePrompt(d);
  }
  RecordCompletion(d);
  return AttemptResult::Completed;
}

}  // namespace drill
