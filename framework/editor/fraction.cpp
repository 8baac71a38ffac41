// Fractions in the answer: typed denominator first under a provisional bar, then the numerator,
// then set again centred as the answer shows it.
#include <string>

#include "framework/editor/answer_editor.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill::editor {

void AnswerEditor::StartFraction() {
  EraseCursor();
  Item bar = NewItem(Item::Kind::ProvisionalBar,
                     std::string(kFractionMark) + kFractionMark + kFractionMark, cursor_x_, row_y_);
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
  Item item = NewItem(Item::Kind::PartGlyph, key_, cursor_x_, row);
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
  const Area erased = FractionArea({fraction_x_, row_y_ - 18, fraction_x_ + 320, row_y_ + 30});
  EraseFractionInProgress();
  Fill({fraction_x_, row_y_ - 18, fraction_x_ + 320, row_y_ + 30});
  RedrawAround(erased);

  Item fraction =
      NewItem(Item::Kind::Fraction, numerator_text_ + "/" + denominator_text_, fraction_x_, row_y_);
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
  const Area erased = FractionArea({fraction_x_, row_y_, fraction_x_ + 3 * kCell, row_y_ + kCell});
  EraseFractionInProgress();
  RedrawAround(erased);
}

Area AnswerEditor::FractionArea(Area area) const {
  if (bar_) area = area.Union(bar_->area);
  for (const Item& item : denominator_) area = area.Union(item.area);
  for (const Item& item : numerator_) area = area.Union(item.area);
  return area;
}

}  // namespace drill::editor
