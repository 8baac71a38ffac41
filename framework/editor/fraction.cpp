// Fractions in the answer: typed denominator first under a provisional bar, then the numerator,
// then set again centred as the answer shows it.
#include <string>

#include "framework/editor/answer_editor.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill::editor {

void AnswerEditor::StartFraction() {
  Drill& d = d_;
  EraseCursor();
  Item bar;
  bar.kind = Item::Kind::ProvisionalBar;
  bar.code = std::string(kFractionMark) + kFractionMark + kFractionMark;
  bar.x = d.X;
  bar.y = d.AAY;
  bar.nroot = d.NROOT;
  Draw(bar);
  bar_ = bar;
  denominator_.clear();
  numerator_.clear();
  d.UBX = d.X;
  d.UB_s.clear();
  d.FF = 3;
  d.Y = d.AAY + 12;
}

void AnswerEditor::AcceptInPart() {
  Drill& d = d_;
  EraseCursor();
  const bool in_denominator = d.FF == 3;
  const float row = in_denominator ? d.AAY + 12 : d.AAY - 12;
  Item item;
  item.kind = Item::Kind::PartGlyph;
  item.code = d.I_s;
  item.x = d.X;
  item.y = row;
  item.nroot = d.NROOT;
  Draw(item);
  // Inside a part every key takes one cell; the final setting spaces it properly.
  d.X += kCell;
  d.Y = row;
  if (in_denominator) {
    d.UB_s += d.I_s;
    denominator_.push_back(item);
  } else {
    d.UC_s += d.I_s;
    numerator_.push_back(item);
  }
}

void AnswerEditor::MoveToNumerator() {
  Drill& d = d_;
  d.UB_s += kRootEndMark;
  d.UBXO = d.X;
  d.UC_s.clear();
  d.FF = 1;
  d.X = d.UBX;
  d.Y = d.AAY - 12;
}

void AnswerEditor::FinishFraction() {
  Drill& d = d_;
  d.UC_s += kRootEndMark;
  // The provisional layout goes, then the fraction is set centred with a bar as wide as its
  // longer part.
  Area erased{d.UBX, d.AAY - 18, d.UBX + 320, d.AAY + 30};
  if (bar_) erased = erased.Union(bar_->area);
  for (const Item& item : denominator_) erased = erased.Union(item.area);
  for (const Item& item : numerator_) erased = erased.Union(item.area);
  EraseFractionInProgress();
  Fill({d.UBX, d.AAY - 18, d.UBX + 320, d.AAY + 30});
  RedrawAround(erased);

  Item fraction;
  fraction.kind = Item::Kind::Fraction;
  fraction.code = d.UC_s + "/" + d.UB_s;
  fraction.x = d.UBX;
  fraction.y = d.AAY;
  fraction.nroot = d.NROOT;
  const float end = Draw(fraction);
  blank_.push_back(fraction);
  d.AINP_s += std::string(kRootEndMark) + d.UC_s + "/" + d.UB_s + kRootEndMark;
  d.X = end + kFractionGap;
  d.Y = d.AAY;
  d.FF = 2;
}

void AnswerEditor::AbandonFraction() {
  Drill& d = d_;
  d.FF = 2;
  d.X = d.UBX;
  d.Y = d.AAY;
  // Only the fraction's own pixels go: whatever was typed before it stays in the answer and on
  // the screen.
  Area erased{d.UBX, d.AAY, d.UBX + 3 * kCell, d.AAY + kCell};
  if (bar_) erased = erased.Union(bar_->area);
  for (const Item& item : denominator_) erased = erased.Union(item.area);
  for (const Item& item : numerator_) erased = erased.Union(item.area);
  EraseFractionInProgress();
  RedrawAround(erased);
}

}  // namespace drill::editor
