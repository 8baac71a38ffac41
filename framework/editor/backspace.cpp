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
  switch (d_.FF) {
    case 1:
      BackspaceNumerator();
      break;
    case 3:
      BackspaceDenominator();
      break;
    default:
      BackspaceNormal();
      break;
  }
}

void AnswerEditor::BackspaceNormal() {
  Drill& d = d_;
  if (d.AINP_s.ends_with(kRootEndMark)) {
    // The last item is a finished fraction: the whole blank is cleared and typing starts again at
    // the blank's beginning.
    d.AINP_s.clear();
    d.X = blank_start_;
    d.Y = d.AAY;
    Restart();
    return;
  }
  if (blank_.empty() || d.AINP_s.empty()) {
    Restart();
    return;
  }
  const Item item = blank_.back();
  blank_.pop_back();
  // Removing a root sign closes its root.
  if (item.code == kRootCode) d.NROOT = 0;
  Replay(item, Ink::Erased);
  RedrawAround(item.area);
  d.X = item.x;
  d.Y = d.AAY;
  DropLastCharacter(d.AINP_s);
  if (d.AINP_s.empty()) Restart();
}

void AnswerEditor::BackspaceNumerator() {
  Drill& d = d_;
  if (d.UC_s.empty() || numerator_.empty()) {
    // Back to the end of the denominator.
    d.FF = 3;
    d.X = d.UBXO;
    d.Y = d.AAY + 14;
    return;
  }
  const Item item = numerator_.back();
  numerator_.pop_back();
  if (item.code == kRootCode) d.NROOT = 0;
  Replay(item, Ink::Erased);
  RedrawAround(item.area);
  d.X = item.x;
  d.Y = d.AAY - 12;
  DropLastCharacter(d.UC_s);
}

void AnswerEditor::BackspaceDenominator() {
  Drill& d = d_;
  if (d.UB_s.ends_with(kRootEndMark)) {
    // Back from the numerator: the denominator is open again. A root in it runs to its end (so
    // the finished fraction shows it), and the keys typed now continue under its bar.
    d.UB_s.erase(d.UB_s.size() - std::string(kRootEndMark).size());
    if (d.UB_s.find(kRootCode) != std::string::npos) d.NROOT = 1;
  }
  if (d.UB_s.empty() || denominator_.empty()) {
    AbandonFraction();
    return;
  }
  const Item item = denominator_.back();
  denominator_.pop_back();
  if (item.code == kRootCode) d.NROOT = 0;
  Replay(item, Ink::Erased);
  RedrawAround(item.area);
  d.X = item.x;
  d.Y = d.AAY + 14;
  DropLastCharacter(d.UB_s);
}

}  // namespace drill::editor
