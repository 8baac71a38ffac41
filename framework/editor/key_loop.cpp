// The answer editor's key loop: the blinking cursor, what each key means, typing in normal mode
// and Enter.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "framework/editor/answer_editor.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/key_names.hpp"

namespace drill::editor {
namespace {

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
  row_y_ = cursor_y_;
  blank_start_ = cursor_x_;
  blank_reach_ = cursor_x_;
  Restart();
  for (;;) {
    if (cursor_x_ >= EntryLimit()) {
      // The blank has run into the right margin: its text is thrown away and it starts again,
      // on its own row even when a fraction part was being typed.
      typed_.clear();
      cursor_x_ = blank_start_;
      cursor_y_ = row_y_;
      Restart();
      continue;
    }
    rt_.DrawCircle(cursor_x_ + 8, cursor_y_ + 8, 4, kAnswerColour, CircleFill::Filled);
    NoteReach(cursor_x_ + 13);
    key_ = rt_.ReadKey();
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
  if (IsOneOf(key_, kLowerCaseStandIns)) key_[0] = static_cast<char>(key_[0] - 'a' + 'A');
  const std::string key = key_;
  if (key == kClear) return KeyAction::Clear;
  if (key == "S" && mode_ == Mode::Normal) return KeyAction::StartFraction;
  if (key == "Q") open_root_ = RootState::JustOpened;
  if (key == "V") {
    // F11: a root sign tall enough for the fraction that follows.
    open_root_ = RootState::TallToDraw;
    key_.assign(1, 'Q');
  }
  if (key == kEnter) return KeyAction::Enter;
  if (key == kBackspace || key == kDelete) return KeyAction::Backspace;
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
  row_y_ = cursor_y_;
  open_root_ = RootState::None;
  EraseAll(blank_);
  EraseFractionInProgress();
  const Area area{line_x_, line_y_ - 20, std::max(line_x_ + 480, blank_reach_), line_y_ + 54};
  Fill(area);
  // A mark of the blank before may reach into this one.
  RedrawAround(area);
  blank_reach_ = cursor_x_;
  mode_ = Mode::Normal;
}

float AnswerEditor::EntryLimit() const {
  // A blank that itself starts near the margin still gets room for a short answer; otherwise the
  // editor would throw it away before the pupil could type anything, for ever.
  return std::max(kEntryLimit, blank_start_ + 10 * kCell);
}

void AnswerEditor::AcceptNormal() {
  EraseCursor();
  Item item = NewItem(Item::Kind::Glyph, key_, cursor_x_, row_y_);
  const float end = Draw(item);
  blank_.push_back(item);
  cursor_x_ = end;
  cursor_y_ = row_y_;
  typed_ += key_;
}

EnterResult AnswerEditor::HandleEnter() {
  EraseCursor();
  if (mode_ == Mode::Normal && typed_.empty()) return EnterResult::GoOn;  // a blank is never empty
  if (mode_ == Mode::Normal && open_root_ == RootState::None) return CompleteBlank();
  if (open_root_ == RootState::Open) {
    open_root_ = RootState::None;  // the root ends; the text records nothing for it
  } else if (mode_ == Mode::Normal && open_root_ == RootState::Tall) {
    open_root_ = RootState::None;  // the tall root ends
  } else if (mode_ == Mode::Denominator) {
    MoveToNumerator();
  } else if (mode_ == Mode::Numerator) {
    FinishFraction();
  }
  return EnterResult::GoOn;
}

}  // namespace drill::editor
