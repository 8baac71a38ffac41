// One attempt at an answer: the answer line, the blanks one after another, and the judgement.
#include <algorithm>
#include <string>

#include "framework/editor/answer_editor.hpp"
#include "framework/editor/editor.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

// An expected text that a problem left empty stands for "no such form", never for an answer.
bool IsAccepted(const std::string& text, const std::string& expected) {
  return !expected.empty() && text == expected;
}

}  // namespace

void AnswerEntry(Drill& d) {
  // KAI counts this attempt already: from the second one on, the last answer line is erased too.
  editor::AnswerEditor answer_editor(d, d.KAI > 1 ? d.answer_right : 0);
  for (;;) {
    answer_editor.DrawAnswerLine();
    d.KOTAE_SU1 = d.KOTAE_SU;
    d.AINP_s.clear();
    // The clear key throws the whole attempt away, finished blanks included.
    if (answer_editor.Run() == editor::EditorEnd::Finished) break;
  }
  d.AINP_s = StripRootEnds(d.AINP_s);
  JudgeAnswer(d);
  d.AINP_s.clear();
}

void JudgeAnswer(Drill& d) {
  d.AINP_s = StripBlanks(StripRootEnds(d.AINP_s));
  const bool right = IsAccepted(d.AINP_s, d.SKAI_s) || IsAccepted(d.AINP_s, d.TKAI1_s) ||
                     IsAccepted(d.AINP_s, d.TKAI2_s);
  d.FF = right ? 2 : 1;
  if (d.rt.Tracing()) d.rt.Trace("judge " + std::to_string(d.FF) + " " + d.AINP_s);
}

namespace editor {

void AnswerEditor::DrawAnswerLine() {
  Drill& d = d_;
  d.XW = d.KAIX;
  d.YW = d.KAIY;
  d.X = d.XW + kCell;
  d.Y = d.YW;
  // A cleared attempt may have drawn beyond the usual area (a long second blank, a tall root):
  // all of it goes.
  EraseAll(finished_);
  EraseAll(blank_);
  EraseFractionInProgress();
  Fill({d.XW, d.YW - 20, std::max(d.XW + 224, attempt_reach_), d.YW + 54});
  attempt_reach_ = d.XW + 224;
  // The runtime shows no text cursor of its own, so there is none to switch off.
  const float lead_x = d.XW - 8 * static_cast<float>(SjisWidth(d.TANI_s[0]) + 4);
  d.rt.DrawTextAt(lead_x, d.YW, "答 " + d.TANI_s[0], 1, 1, kAnswerColour);
}

EnterResult AnswerEditor::CompleteBlank() {
  Drill& d = d_;
  const int k = d.KOTAE_SU - d.KOTAE_SU1 + 1;
  d.XW_end[k] = d.X;
  d.YW_end[k] = d.Y;
  // A blank is finished only with no root open.
  RootState root = RootState::None;
  d.X = RenderText(d.rt, {d.X, d.Y, editor::kAnswerColour}, d.TANI_s[k], root).x;
  NoteReach(d.X);
  d.AINP_s = StripRootEnds(d.AINP_s);
  d.KKAI_s[k] = d.AINP_s;
  d.AINP_s.clear();
  finished_.insert(finished_.end(), blank_.begin(), blank_.end());
  blank_.clear();

  if (d.KOTAE_SU > 1) {
    // Every blank of a several-blank answer is marked on the spot; a second accepted form is
    // stored as the canonical one, so the whole answer is judged in one form only.
    Item mark;
    if (IsAccepted(d.KKAI_s[k], d.TKAI_s[1][k]) || IsAccepted(d.KKAI_s[k], d.TKAI_s[2][k])) {
      mark.kind = Item::Kind::RightMark;
      d.KKAI_s[k] = d.TKAI_s[1][k];
    } else {
      mark.kind = Item::Kind::WrongMark;
    }
    mark.x = d.XW_end[k];
    mark.y = d.YW_end[k];
    mark.colour = kMarkColour;
    Draw(mark);
    finished_.push_back(mark);
  }

  if (d.KOTAE_SU1 <= 1) {
    d.answer_right = d.X;
    for (const Item& item : finished_) d.answer_right = std::max(d.answer_right, item.area.right);
    d.I_s.clear();
    d.AINP_s.clear();
    for (int i = 1; i <= 5; ++i) d.AINP_s += d.KKAI_s[i];
    return EnterResult::AnswerDone;
  }
  d.KOTAE_SU1 -= 1;
  // The next blank starts right after the unit text, on the same row.
  d.XW = d.X;
  d.YW = d.Y;
  blank_start_ = d.XW;
  blank_reach_ = d.XW;
  return EnterResult::GoOn;
}

}  // namespace editor
}  // namespace drill
