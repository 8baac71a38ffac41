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
  d.AAX = d.X;
  d.AAY = d.Y;
  blank_start_ = d.X;
  blank_reach_ = d.X;
  Restart();
  for (;;) {
    if (d.X >= EntryLimit()) {
      // The blank has run into the right margin: its text is thrown away and it starts again,
      // on its own row even when a fraction part was being typed.
      d.AINP_s.clear();
      d.X = blank_start_;
      d.Y = d.AAY;
      Restart();
      continue;
    }
    d.rt.DrawCircle(d.X + 8, d.Y + 8, 4, kAnswerColour, CircleFill::Filled);
    NoteReach(d.X + 13);
    d.I_s = d.rt.ReadKey();
    if (d.I_s.empty()) {
      EraseCursor();
      continue;
    }
    switch (Classify()) {
      case KeyAction::Clear:
        d.AINP_s.clear();
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
        if (d.FF == 2) {
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
  if (IsOneOf(d.I_s, kLowerCaseStandIns)) d.I_s[0] = static_cast<char>(d.I_s[0] - 'a' + 'A');
  const std::string key = d.I_s;
  if (key == kClearKey) return KeyAction::Clear;
  if (key == "S" && d.FF == 2) return KeyAction::StartFraction;
  if (key == "Q") d.NROOT = 11;
  if (key == "V") {
    // F11: a root sign tall enough for the fraction that follows.
    d.NROOT = 22;
    d.I_s.assign(1, 'Q');
  }
  if (key == kEnterKey) return KeyAction::Enter;
  if (key == kBackspaceKey || key == kDeleteKey) return KeyAction::Backspace;
  if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') return KeyAction::Accept;
  for (const LetterKey& letter : kLetterKeys) {
    if (std::find(letter.typed.begin(), letter.typed.end(), key) != letter.typed.end()) {
      d.I_s = std::string(letter.code);
      return KeyAction::Accept;
    }
  }
  if (IsOneOf(d.I_s, kFunctionCodes) || IsOneOf(key, kOtherCodes)) return KeyAction::Accept;
  return KeyAction::Ignore;
}

// The blank starts afresh: nothing typed, normal mode, no root, its area erased. X stays.
void AnswerEditor::Restart() {
  Drill& d = d_;
  d.AAX = d.X;
  d.AAY = d.Y;
  d.NROOT = 0;
  EraseAll(blank_);
  EraseFractionInProgress();
  const Area area{d.XW, d.YW - 20, std::max(d.XW + 480, blank_reach_), d.YW + 54};
  Fill(area);
  // A mark of the blank before may reach into this one.
  RedrawAround(area);
  blank_reach_ = d.X;
  d.FF = 2;
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
  item.code = d.I_s;
  item.x = d.X;
  item.y = d.AAY;
  item.nroot = d.NROOT;
  const float end = Draw(item);
  blank_.push_back(item);
  d.X = end;
  d.Y = d.AAY;
  d.AINP_s += d.I_s;
}

EnterResult AnswerEditor::HandleEnter() {
  Drill& d = d_;
  EraseCursor();
  if (d.FF == 2 && d.AINP_s.empty()) return EnterResult::GoOn;  // a blank is never empty
  if (d.FF == 2 && d.NROOT == 0) return CompleteBlank();
  if (d.NROOT == 1) {
    d.NROOT = 0;  // the root ends; the text records nothing for it
  } else if (d.FF == 2 && d.NROOT == 2) {
    d.NROOT = 0;  // the tall root ends
  } else if (d.FF == 3) {
    MoveToNumerator();
  } else if (d.FF == 1) {
    FinishFraction();
  }
  return EnterResult::GoOn;
}

}  // namespace drill::editor
