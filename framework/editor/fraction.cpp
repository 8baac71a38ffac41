// Fractions in the answer: typed denominator first under a provisional bar, then the numerator,
// then set again centred as the answer shows it.
#include <string>

#include "framework/editor/answer_editor.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill::editor {

void AnswerEditor::StartFraction() {
  EraseCursor();
  Item bar;
  bar.kind = Item::Kind::ProvisionalBar;
  bar.code = std::string(kFractionMark) + kFractionMark + kFractionMark;
  bar.x = cursor_x_;
  bar.y = row_y_;
  bar.root = open_root_;
  Draw(bar);
  bar_ = bar;
  denominator_.clear();
  numerator_.clear();
  fraction_x_ = cursor_x_;
  denominator_text_.clear();
  mode_ = Mode::Denominator;
  cursor_y_ = row_y_ + 12;
}

void AnswerEditor::AcceptInPart() {
  EraseCursor();
  const bool in_denominator = mode_ == Mode::Denominator;
  const float row = in_denominator ? row_y_ + 12 : row_y_ - 12;
  Item item;
  item.kind = Item::Kind::PartGlyph;
  item.code = key_;
  item.x = cursor_x_;
  item.y = row;
  item.root = open_root_;
  Draw(item);
  // Inside a part every key takes one cell; the final setting spaces it properly.
  cursor_x_ += kCell;
  cursor_y_ = row;
  if (in_denominator) {
    denominator_text_ += key_;
    denominator_.push_back(item);
  } else {
    numerator_text_ += key_;
    numerator_.push_back(item);
  }
}

void AnswerEditor::MoveToNumerator() {
  denominator_text_ += kRootEndMark;
  denominator_end_ = cursor_x_;
  numerator_text_.clear();
  mode_ = Mode::Numerator;
  cursor_x_ = fraction_x_;
  cursor_y_ = row_y_ - 12;
}

void AnswerEditor::FinishFraction() {
  numerator_text_ += kRootEndMark;
  // The provisional layout goes, then the fraction is set centred with a bar as wide as its
  // longer part.
  Area erased{fraction_x_, row_y_ - 18, fraction_x_ + 320, row_y_ + 30};
  if (bar_) erased = erased.Union(bar_->area);
  for (const Item& item : denominator_) erased = erased.Union(item.area);
  for (const Item& item : numerator_) erased = erased.Union(item.area);
  EraseFractionInProgress();
  Fill({fraction_x_, row_y_ - 18, fraction_x_ + 320, row_y_ + 30});
  RedrawAround(erased);

  Item fraction;
  fraction.kind = Item::Kind::Fraction;
  fraction.code = numerator_text_ + "/" + denominator_text_;
  fraction.x = fraction_x_;
  fraction.y = row_y_;
  fraction.root = open_root_;
  const float end = Draw(fraction);
  blank_.push_back(fraction);
  typed_ += std::string(kRootEndMark) + numerator_text_ + "/" + denominator_text_ + kRootEndMark;
  cursor_x_ = end + kFractionGap;
  cursor_y_ = row_y_;
  mode_ = Mode::Normal;
}

void AnswerEditor::AbandonFraction() {
  mode_ = Mode::Normal;
  cursor_x_ = fraction_x_;
  cursor_y_ = row_y_;
  // Only the fraction's own pixels go: whatever was typed before it stays in the answer and on
  // the screen.
  Area erased{fraction_x_, row_y_, fraction_x_ + 3 * kCell, row_y_ + kCell};
  if (bar_) erased = erased.Union(bar_->area);
  for (const Item& item : denominator_) erased = erased.Union(item.area);
  for (const Item& item : numerator_) erased = erased.Union(item.area);
  EraseFractionInProgress();
  RedrawAround(erased);
}

}  // namespace drill::editor
