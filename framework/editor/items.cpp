// Drawing what the editor records: each item can be drawn again or erased pixel for pixel, so the
// screen always shows exactly the text being typed.
#include <algorithm>

#include "framework/editor/answer_editor.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill::editor {
namespace {

bool IsTallRoot(const Item& item) {
  return item.nroot == 22 && item.code == "Q";
}

// Where an item may have painted, from where it started and where the drawing left XT.
Area AreaOf(const Item& item, float xt) {
  const float x = item.x, y = item.y;
  switch (item.kind) {
    case Item::Kind::Glyph:
    case Item::Kind::PartGlyph: {
      if (IsTallRoot(item)) return {x - 4, y - 24, x + 2 * kCell + 1, y + 24};
      // A decimal point sits 2 pixels left of its cell; a root's first bar piece runs on over
      // the next cell; a tall root's bar piece lies 14 pixels above the line. Lines include
      // their end points.
      const float right = item.nroot == 11 ? x + 25 : std::max(x + kCell, xt) + 1;
      return {x - 4, y - 14, right, y + kCell};
    }
    case Item::Kind::ProvisionalBar:
      return {x, y, std::max(x + 3 * kCell, xt), y + kCell};
    case Item::Kind::Fraction:
      // A root sign in the last cell of a part has its first bar piece half a cell beyond.
      return {x, y - 16,
              std::max(x + kCell, xt) + (item.code.find('Q') != std::string::npos ? 9 : 1), y + 32};
    case Item::Kind::RightMark:
      return {x - 24, y - 7, x + 8, y + 26};
    case Item::Kind::WrongMark:
      return {x - 16, y, x + 17, y + 28};
  }
  return {};
}

}  // namespace

Area Area::Union(const Area& other) const {
  return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
          std::max(bottom, other.bottom)};
}

void AnswerEditor::Paint(const Item& item, int colour) {
  Drill& d = d_;
  d.CCC1 = colour;
  d.X = item.x;
  d.Y = item.y;
  d.NROOT = item.nroot;
  switch (item.kind) {
    case Item::Kind::Glyph:
    case Item::Kind::PartGlyph:
      if (d.NROOT == 1) {
        RootBarCell(d);
      } else if (d.NROOT == 11) {
        RootBarFirst(d);
        d.NROOT = 1;
      } else if (item.kind == Item::Kind::Glyph && (d.NROOT == 2 || d.NROOT == 22)) {
        // The tall root's thick bar runs on over everything typed under it in normal mode.
        TallRootBar(d);
      }
      d.A_s = item.code;
      DrawGlyphString(d);
      break;
    case Item::Kind::ProvisionalBar:
      d.A_s = item.code;
      DrawGlyphString(d);
      break;
    case Item::Kind::Fraction:
      d.A_s = item.code;
      DrawFraction(d);
      break;
    case Item::Kind::RightMark:
      // A blank's mark stands over its answer on purpose.
      d.rt.BeginGroup(DrawGroup::Mark);
      d.rt.DrawCircle(item.x - 8, item.y + 9, 15, colour, CircleFill::Outline);
      d.rt.EndGroup(DrawGroup::Mark);
      d.XT = item.x;
      break;
    case Item::Kind::WrongMark:
      d.rt.BeginGroup(DrawGroup::Mark);
      d.rt.DrawLine(item.x - 16, item.y, item.x + 16, item.y + 27, colour);
      d.rt.DrawLine(item.x - 16, item.y + 27, item.x + 16, item.y, colour);
      d.rt.EndGroup(DrawGroup::Mark);
      d.XT = item.x;
      break;
  }
}

// The first drawing: the renderer's results (XT, NROOT) stay for the editor to use; the cursor
// position is the caller's to move.
void AnswerEditor::Draw(Item& item) {
  const float x = d_.X, y = d_.Y;
  Paint(item, item.colour);
  d_.X = x;
  d_.Y = y;
  d_.CCC1 = kAnswerColour;
  item.area = AreaOf(item, d_.XT);
  NoteReach(item.area.right);
}

// Drawing again (or erasing) leaves the editor's state as it was.
void AnswerEditor::Replay(const Item& item, Ink ink) {
  Drill& d = d_;
  const float x = d.X, y = d.Y, xt = d.XT;
  const int nroot = d.NROOT, colour = d.CCC1;
  const std::string a = d.A_s;
  Paint(item, ink == Ink::Erased ? 0 : item.colour);
  d.X = x;
  d.Y = y;
  d.XT = xt;
  d.NROOT = nroot;
  d.CCC1 = colour;
  d.A_s = a;
}

void AnswerEditor::EraseAll(std::vector<Item>& items) {
  for (const Item& item : items) Replay(item, Ink::Erased);
  items.clear();
}

void AnswerEditor::EraseFractionInProgress() {
  EraseAll(numerator_);
  EraseAll(denominator_);
  if (bar_) Replay(*bar_, Ink::Erased);
  bar_.reset();
}

// Whatever still belongs to the answer and shares pixels with an erased area is drawn again.
void AnswerEditor::RedrawAround(const Area& area) {
  for (const std::vector<Item>* items : {&finished_, &blank_, &denominator_, &numerator_}) {
    for (const Item& item : *items) {
      if (item.area.Overlaps(area)) Replay(item, Ink::Drawn);
    }
  }
  if (bar_ && bar_->area.Overlaps(area)) Replay(*bar_, Ink::Drawn);
}

void AnswerEditor::Fill(const Area& area) {
  d_.rt.DrawLine(area.left, area.top, area.right, area.bottom, 0, Shape::Fill);
}

void AnswerEditor::EraseCursor() {
  Drill& d = d_;
  // The disc sits right of the last glyph; no glyph of the font reaches into it.
  d.rt.DrawCircle(d.X + 8, d.Y + 8, 4, 0, CircleFill::Filled);
}

void AnswerEditor::NoteReach(float right) {
  blank_reach_ = std::max(blank_reach_, right);
  attempt_reach_ = std::max(attempt_reach_, right);
}

}  // namespace drill::editor
