// Drawing what the editor records: each item can be drawn again or erased pixel for pixel, so the
// screen always shows exactly the text being typed.
#include <algorithm>

#include "framework/editor/answer_editor.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill::editor {
namespace {

bool IsTallRoot(const Item& item) {
  return item.root == RootState::TallToDraw && item.code == "Q";
}

// Where an item may have painted, from where it started and where its drawing ended.
Area AreaOf(const Item& item, float xt) {
  const float x = item.x, y = item.y;
  switch (item.kind) {
    case Item::Kind::Glyph:
    case Item::Kind::PartGlyph: {
      if (IsTallRoot(item)) return {x - 4, y - 24, x + 2 * kCell + 1, y + 24};
      // A decimal point sits 2 pixels left of its cell; a root's first bar piece runs on over
      // the next cell; a tall root's bar piece lies 14 pixels above the line. Lines include
      // their end points.
      const float right = item.root == RootState::JustOpened ? x + 25 : std::max(x + kCell, xt) + 1;
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

float AnswerEditor::Paint(const Item& item, int colour, RootState& root) {
  Runtime& rt = rt_;
  const Pen pen{item.x, item.y, colour};
  root = item.root;
  switch (item.kind) {
    case Item::Kind::Glyph:
    case Item::Kind::PartGlyph:
      if (root == RootState::Open) {
        RootBarCell(rt, pen);
      } else if (root == RootState::JustOpened) {
        RootBarFirst(rt, pen);
        root = RootState::Open;
      } else if (item.kind == Item::Kind::Glyph &&
                 (root == RootState::Tall || root == RootState::TallToDraw)) {
        // The tall root's thick bar runs on over everything typed under it in normal mode.
        TallRootBar(rt, pen, root);
      }
      return DrawGlyphString(rt, pen, item.code, root);
    case Item::Kind::ProvisionalBar:
      return DrawGlyphString(rt, pen, item.code, root);
    case Item::Kind::Fraction:
      return DrawFraction(rt, pen, item.code, root);
    case Item::Kind::RightMark:
      // A blank's mark stands over its answer on purpose.
      rt.BeginGroup(DrawGroup::Mark);
      rt.DrawCircle(item.x - 8, item.y + 9, 15, colour, CircleFill::Outline);
      rt.EndGroup(DrawGroup::Mark);
      return item.x;
    case Item::Kind::WrongMark:
      rt.BeginGroup(DrawGroup::Mark);
      rt.DrawLine(item.x - 16, item.y, item.x + 16, item.y + 27, colour);
      rt.DrawLine(item.x - 16, item.y + 27, item.x + 16, item.y, colour);
      rt.EndGroup(DrawGroup::Mark);
      return item.x;
  }
  return item.x;
}

Item AnswerEditor::NewItem(Item::Kind kind, const std::string& code, float x, float y) const {
  Item item;
  item.kind = kind;
  item.code = code;
  item.x = x;
  item.y = y;
  item.root = open_root_;
  return item;
}

// The first drawing: the root state it leaves is the editor's from now on; the cursor position is
// the caller's to move, to the returned end if it likes.
float AnswerEditor::Draw(Item& item) {
  RootState root = RootState::None;
  const float end = Paint(item, item.colour, root);
  open_root_ = root;
  item.area = AreaOf(item, end);
  NoteReach(item.area.right);
  return end;
}

// Drawing again (or erasing) changes nothing of the editor's state.
void AnswerEditor::Replay(const Item& item, Ink ink) {
  RootState root = RootState::None;
  Paint(item, ink == Ink::Erased ? 0 : item.colour, root);
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
  rt_.DrawLine(area.left, area.top, area.right, area.bottom, 0, Shape::Fill);
}

void AnswerEditor::EraseCursor() {
  // The disc sits right of the last glyph; no glyph of the font reaches into it.
  rt_.DrawCircle(cursor_x_ + 8, cursor_y_ + 8, 4, 0, CircleFill::Filled);
}

void AnswerEditor::NoteReach(float right) {
  blank_reach_ = std::max(blank_reach_, right);
  attempt_reach_ = std::max(attempt_reach_, right);
}

}  // namespace drill::editor
