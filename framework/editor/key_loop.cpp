// The answer editor's key loop: the blinking cursor, what each key means, typing in normal mode
// and Enter.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "framework/editor/answer_editor.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill::editor {
namespace {

constexpr std::string_view kClearKey = "\f";
constexpr std::string_view kEnterKey = "\r";
constexpr std::string_view kBackspaceKey = "\b";
constexpr std::string_view kDeleteKey = "\x7f";

// The variable letters, whatever the case and also as the kana keys on the same keys deliver them.
struct LetterKey {
  std::string_view code;
  std::array<std::string_view, 3> typed;
};
constexpr std::array<LetterKey, 4> kLetterKeys = {{
    {"X", {"X", "x", "ｻ"}},
    {"Y", {"Y", "y", "ﾝ"}},
    {"A", {"A", "a", "ﾁ"}},
    {"B", {"B", "b", "ｺ"}},
}};
constexpr std::string_view kFunctionCodes = "QWERT@I[]S";
// The letters that stand in for F1..F11 on keyboards without them, in either case: no answer has
// them as letters.
constexpr std::string_view kLowerCaseStandIns = "qwertuisv";
constexpr std::string_view kOtherCodes = "CLMNJK-+.=:*<>,()";

bool IsOneOf(const std::string& key, std::string_view codes) {
  return key.size() == 1 && codes.find(key[0]) != std::string_view::npos;
}

}  // namespace

EditorEnd AnswerEditor::Run() {
  Drill& d = d_;
  row_y_ = d.cursor_y;
  blank_start_ = d.cursor_x;
  blank_reach_ = d.cursor_x;
  Restart();
  for (;;) {
    if (d.cursor_x >= EntryLimit()) {
      // The blank has run into the right margin: its text is thrown away and it starts again,
      // on its own row even when a fraction part was being typed.
      typed_.clear();
      d.cursor_x = blank_start_;
      d.cursor_y = row_y_;
      Restart();
      continue;
    }
    d.rt.DrawCircle(d.cursor_x + 8, d.cursor_y + 8, 4, kAnswerColour, CircleFill::Filled);
    NoteReach(d.cursor_x + 13);
    key_ = d.rt.ReadKey();
    if (key_.empty()) {
      EraseCursor();
      continue;
    }
    switch (Classify()) {
      case KeyAction::Clear:
        typed_.clear();
        return EditorEnd::Cleared;
      case KeyAction::StartFraction:
        StartFraction();
        break;
      case KeyAction::Enter:
        if (HandleEnter() == EnterResult::AnswerDone) return EditorEnd::Finished;
        break;
      case KeyAction::Backspace:
        HandleBackspace();
        break;
      case KeyAction::Accept:
        if (mode_ == Mode::Normal) {
          AcceptNormal();
        } else {
          AcceptInPart();
        }
        break;
      case KeyAction::Ignore:
        break;
    }
  }
}

AnswerEditor::KeyAction AnswerEditor::Classify() {
  Drill& d = d_;
  if (IsOneOf(key_, kLowerCaseStandIns)) key_[0] = static_cast<char>(key_[0] - 'a' + 'A');
  const std::string key = key_;
  if (key == kClearKey) return KeyAction::Clear;
  if (key == "S" && mode_ == Mode::Normal) return KeyAction::StartFraction;
  if (key == "Q") d.open_root = 11;
  if (key == "V") {
    // F11: a root sign tall enough for the fraction that follows.
    d.open_root = 22;
    key_.assign(1, 'Q');
  }
  if (key == kEnterKey) return KeyAction::Enter;
  if (key == kBackspaceKey || key == kDeleteKey) return KeyAction::Backspace;
  if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') return KeyAction::Accept;
  for (const LetterKey& letter : kLetterKeys) {
    if (std::find(letter.typed.begin(), letter.typed.end(), key) != letter.typed.end()) {
      key_ = std::string(letter.code);
      return KeyAction::Accept;
    }
  }
  if (IsOneOf(key_, kFunctionCodes) || IsOneOf(key, kOtherCodes)) return KeyAction::Accept;
  return KeyAction::Ignore;
}

// The blank starts afresh: nothing typed, normal mode, no root, its area erased. X stays.
void AnswerEditor::Restart() {
  Drill& d = d_;
  row_y_ = d.cursor_y;
  d.open_root = 0;
  EraseAll(blank_);
  EraseFractionInProgress();
  const Area area{line_x_, line_y_ - 20, std::max(line_x_ + 480, blank_reach_), line_y_ + 54};
  Fill(area);
  // A mark of the blank before may reach into this one.
  RedrawAround(area);
  blank_reach_ = d.cursor_x;
  mode_ = Mode::Normal;
}

float AnswerEditor::EntryLimit() const {
  // A blank that itself starts near the margin still gets room for a short answer; otherwise the
  // editor would throw it away before the pupil could type anything, for ever.
  return std::max(kEntryLimit, blank_start_ + 10 * kCell);
}

void AnswerEditor::AcceptNormal() {
  Drill& d = d_;
  EraseCursor();
  Item item;
  item.kind = Item::Kind::Glyph;
  item.code = key_;
  item.x = d.cursor_x;
  item.y = row_y_;
  item.nroot = d.open_root;
  const float end = Draw(item);
  blank_.push_back(item);
  d.cursor_x = end;
  d.cursor_y = row_y_;
  typed_ += key_;
}

EnterResult AnswerEditor::HandleEnter() {
  Drill& d = d_;
  EraseCursor();
  if (mode_ == Mode::Normal && typed_.empty()) return EnterResult::GoOn;  // a blank is never empty
  if (mode_ == Mode::Normal && d.open_root == 0) return CompleteBlank();
  if (d.open_root == 1) {
    d.open_root = 0;  // the root ends; the text records nothing for it
  } else if (mode_ == Mode::Normal && d.open_root == 2) {
    d.open_root = 0;  // the tall root ends
  } else if (mode_ == Mode::Denominator) {
    MoveToNumerator();
  } else if (mode_ == Mode::Numerator) {
    FinishFraction();
  }
  return EnterResult::GoOn;
}

}  // namespace drill::editor
