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

AnswerOutcome AnswerEntry(Runtime& rt, const AnswerContract& answer, float previous_reach) {
  editor::AnswerEditor answer_editor(rt, answer, previous_reach);
  for (;;) {
    answer_editor.DrawAnswerLine();
    // The clear key throws the whole attempt away, finished blanks included.
    if (answer_editor.Run() == editor::EditorEnd::Finished) break;
  }
  const Judgement judgement = JudgeAnswer(rt, answer, answer_editor.typed());
  return {judgement, answer_editor.line_x(), answer_editor.line_y(), answer_editor.line_end(),
          answer_editor.blank_texts()};
}

Judgement JudgeAnswer(Runtime& rt, const AnswerContract& answer, const std::string& typed) {
  const std::string text = StripBlanks(StripRootEnds(typed));
  const bool right = IsAccepted(text, answer.expected) || IsAccepted(text, answer.alternative1) ||
                     IsAccepted(text, answer.alternative2);
  const Judgement judgement = right ? Judgement::Right : Judgement::Wrong;
  TraceJudgement(rt, judgement, text);
  return judgement;
}

namespace editor {

void AnswerEditor::DrawAnswerLine() {
  line_x_ = answer_.line_x;
  line_y_ = answer_.line_y;
  cursor_x_ = line_x_ + kCell;
  cursor_y_ = line_y_;
  // A cleared attempt may have drawn beyond the usual area (a long second blank, a tall root):
  // all of it goes.
  EraseAll(finished_);
  EraseAll(blank_);
  EraseFractionInProgress();
  Fill({line_x_, line_y_ - 20, std::max(line_x_ + 224, attempt_reach_), line_y_ + 54});
  attempt_reach_ = line_x_ + 224;
  // The runtime shows no text cursor of its own, so there is none to switch off.
  const float lead_x = line_x_ - 8 * static_cast<float>(SjisWidth(answer_.units[0]) + 4);
  rt_.DrawTextAt(lead_x, line_y_, "答 " + answer_.units[0], 1, 1, kAnswerColour);
  blanks_left_ = answer_.blanks;
  typed_.clear();
}

EnterResult AnswerEditor::CompleteBlank() {
  const int k = answer_.blanks - blanks_left_ + 1;
  // Where the blank's text ended: its mark goes there.
  const float end_x = cursor_x_, end_y = cursor_y_;
  // A blank is finished only with no root open.
  RootState root = RootState::None;
  cursor_x_ =
      RenderText(rt_, {cursor_x_, cursor_y_, editor::kAnswerColour}, answer_.units[k], root).x;
  NoteReach(cursor_x_);
  blank_texts_[k] = StripRootEnds(typed_);
  typed_.clear();
  finished_.insert(finished_.end(), blank_.begin(), blank_.end());
  blank_.clear();

  if (answer_.blanks > 1) {
    // Every blank of a several-blank answer is marked on the spot; a second accepted form is
    // stored as the canonical one, so the whole answer is judged in one form only.
    Item mark;
    if (IsAccepted(blank_texts_[k], answer_.blank_expected[1][k]) ||
        IsAccepted(blank_texts_[k], answer_.blank_expected[2][k])) {
      mark.kind = Item::Kind::RightMark;
      blank_texts_[k] = answer_.blank_expected[1][k];
    } else {
      mark.kind = Item::Kind::WrongMark;
    }
    mark.x = end_x;
    mark.y = end_y;
    mark.colour = kMarkColour;
    Draw(mark);
    finished_.push_back(mark);
  }

  if (blanks_left_ <= 1) {
    line_end_ = cursor_x_;
    for (const Item& item : finished_) line_end_ = std::max(line_end_, item.area.right);
    typed_.clear();
    for (int i = 1; i <= 5; ++i) typed_ += blank_texts_[i];
    return EnterResult::AnswerDone;
  }
  blanks_left_ -= 1;
  // The next blank starts right after the unit text, on the same row.
  line_x_ = cursor_x_;
  line_y_ = cursor_y_;
  blank_start_ = line_x_;
  blank_reach_ = line_x_;
  return EnterResult::GoOn;
}

}  // namespace editor
}  // namespace drill
