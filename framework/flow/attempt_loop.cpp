// The attempt loop: up to three answers, each marked right or wrong, with the hints between them.
#include "framework/editor/editor.hpp"
#include "framework/flow/flow.hpp"

namespace drill {
namespace {

// How far the whole answer's mark keeps from the end of a several-blank answer line.
constexpr float kMarkGap = 8;
constexpr float kMarkReach = 22;  // the circle's radius; the cross is narrower

struct MarkPlace {
  float x = 0, y = 0;
};

// One blank: the mark stands over the start of the blank it judges, on purpose. Several blanks
// carry a mark each, so the whole answer's mark stands after the line, clear of every blank and
// its mark.
MarkPlace PlaceOfMark(const AnswerContract& answer, const AnswerOutcome& outcome) {
  return {answer.blanks > 1 ? outcome.line_end + kMarkGap + kMarkReach : outcome.last_blank_x + 24,
          outcome.last_blank_y + 8};
}

void DrawMark(Runtime& rt, MarkPlace at, Judgement judgement) {
  rt.BeginGroup(DrawGroup::Mark);
  if (judgement == Judgement::Right) {
    rt.DrawCircle(at.x, at.y, kMarkReach, 5, CircleFill::Outline);
  } else {
    rt.DrawLine(at.x - 16, at.y - 18, at.x + 16, at.y + 18, 5);
    rt.DrawLine(at.x + 16, at.y - 18, at.x - 16, at.y + 18, 5);
  }
  rt.EndGroup(DrawGroup::Mark);
}

void EraseMark(Runtime& rt, MarkPlace at) {
  rt.DrawLine(at.x - kMarkReach, at.y - kMarkReach, at.x + kMarkReach, at.y + kMarkReach, 0,
              Shape::Fill);
}

void ShowHints(const ShowHint& show_hint, int first) {
  for (int s = first; s <= 3; ++s) show_hint(s);
}

}  // namespace

AttemptResult AttemptLoop(Runtime& rt, SessionState& session, const AnswerContract& answer,
                          const ShowHint& show_hint) {
  int attempt = 0;
  AnswerOutcome last;  // the attempt before this one
  MarkPlace mark;
  for (;;) {
    if (session.looking) return AttemptResult::HandedBack;
    rt.DrawLine(answer.line_x, answer.line_y - 9, answer.line_x + 800, answer.line_y + 27, 0,
                Shape::Fill);
    // The mark after a long several-blank line may stand beyond what the answer line erases.
    if (attempt > 0 && answer.blanks > 1) EraseMark(rt, mark);
    attempt += 1;

    // From the second attempt on, the last answer line is erased too.
    last = AnswerEntry(rt, answer, attempt > 1 ? last.line_end : 0);
    mark = PlaceOfMark(answer, last);
    DrawMark(rt, mark, last.judgement);
    RecordFirstTry(rt, session, last.judgement);
    if (last.judgement == Judgement::Right) {
      ShowHints(show_hint, attempt);  // the hints not yet seen
      break;
    }
    if (attempt >= 3) {
      ShowHints(show_hint, 3);
      break;
    }
    show_hint(attempt);
    PressSpacePrompt(rt, answer.line_x, answer.line_y);
  }
  RecordCompletion(rt, session);
  return AttemptResult::Completed;
}

}  // namespace drill
