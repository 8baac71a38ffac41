// Backspace (and Delete) in the answer: the last item leaves the text and the screen together, and
// the cursor goes back to where that item began.
#include <string>

#include "framework/editor/answer_editor.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill::editor {
namespace {

constexpr const char* kRootCode = "Q";

}  // namespace

void DropLastCharacter(std::string& text) {
  if (text.empty()) return;
  size_t end = text.size() - 1;
  // Step back over UTF-8 continuation bytes to the character's first byte.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.erase(end);
}

void AnswerEditor::HandleBackspace() {
  EraseCursor();
  switch (mode_) {
    case Mode::Numerator:
      BackspaceNumerator();
      break;
    case Mode::Denominator:
      BackspaceDenominator();
      break;
    case Mode::Normal:
      BackspaceNormal();
      break;
  }
}

void AnswerEditor::BackspaceNormal() {
  if (typed_.ends_with(kRootEndMark)) {
    // The last item is a finished fraction: the whole blank is cleared and typing starts again at
    // the blank's beginning.
    typed_.clear();
    cursor_x_ = blank_start_;
    cursor_y_ = row_y_;
    Restart();
    return;
  }
  if (blank_.empty() || typed_.empty()) {
    Restart();
    return;
  }
  const Item item = blank_.back();
  blank_.pop_back();
  // Removing a root sign closes its root.
  if (item.code == kRootCode) open_root_ = RootState::None;
  Replay(item, Ink::Erased);
  RedrawAround(item.area);
  cursor_x_ = item.x;
  cursor_y_ = row_y_;
  DropLastCharacter(typed_);
  if (typed_.empty()) Restart();
}

void AnswerEditor::BackspaceNumerator() {
  if (numerator_text_.empty() || numerator_.empty()) {
    // Back to the end of the denominator.
    mode_ = Mode::Denominator;
    cursor_x_ = denominator_end_;
    cursor_y_ = row_y_ + 14;
    return;
  }
  const Item item = numerator_.back();
  numerator_.pop_back();
  if (item.code == kRootCode) open_root_ = RootState::None;
  Replay(item, Ink::Erased);
  RedrawAround(item.area);
  cursor_x_ = item.x;
  cursor_y_ = row_y_ - 12;
  DropLastCharacter(numerator_text_);
}

void AnswerEditor::BackspaceDenominator() {
  if (denominator_text_.ends_with(kRootEndMark)) {
    // Back from the numerator: the denominator is open again. A root in it runs to its end (so
    // the finished fraction shows it), and the keys typed now continue under its bar.
    denominator_text_.erase(denominator_text_.size() - std::string(kRootEndMark).size());
    if (denominator_text_.find(kRootCode) != std::string::npos) open_root_ = RootState::Open;
  }
  if (denominator_text_.empty() || denominator_.empty()) {
    AbandonFraction();
    return;
  }
  const Item item = denominator_.back();
  denominator_.pop_back();
  if (item.code == kRootCode) open_root_ = RootState::None;
  Replay(item, Ink::Erased);
  RedrawAround(item.area);
  cursor_x_ = item.x;
  cursor_y_ = row_y_ + 14;
  DropLastCharacter(denominator_text_);
}

}  // namespace drill::editor
