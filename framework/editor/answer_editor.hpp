// The answer editor's working parts: the key loop of one answer line and the record of what it
// drew, kept so that every removed item can be erased exactly and its neighbours drawn again.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/drill.hpp"
#include "framework/renderer/renderer.hpp"

namespace drill::editor {

inline constexpr int kAnswerColour = 15;
inline constexpr int kMarkColour = 8;
inline constexpr float kCell = 16;
// A finished fraction's bar runs to the edge of its last cell; what follows it starts this much
// further right, so that a glyph as wide as its cell (③) does not meet the bar.
inline constexpr float kFractionGap = 2;
// The cursor may not run past this x; a blank that gets there is thrown away.
inline constexpr float kEntryLimit = 1120;

// A rectangle of pixels, right and bottom excluded.
struct Area {
  float left = 0, top = 0, right = 0, bottom = 0;
  bool Overlaps(const Area& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  Area Union(const Area& other) const;
};

// One thing the editor drew in the answer line, with what it takes to draw it again.
struct Item {
  enum class Kind {
    Glyph,           // a key typed in normal mode, with its root bar piece
    PartGlyph,       // a key typed into a fraction's numerator or denominator
    ProvisionalBar,  // the three-cell bar shown while a fraction is typed
    Fraction,        // a finished fraction, code = numerator "/" denominator, marks kept
    RightMark,       // the circle after a blank that matched
    WrongMark,       // the cross after a blank that did not
  };
  Kind kind = Kind::Glyph;
  std::string code;
  float x = 0, y = 0;
  RootState root = RootState::None;  // the root state it was drawn under
  int colour = kAnswerColour;
  Area area;  // every pixel it may have painted lies in here
};

enum class Ink { Drawn, Erased };
enum class EditorEnd { Finished, Cleared };
enum class EnterResult { GoOn, AnswerDone };

// The working state of one answer entry: what has been typed, where the cursor's blank and
// fraction stand, and what was drawn. It lives as long as one attempt.
class AnswerEditor {
 public:
  // `previous_reach` is the rightmost x the last attempt's answer line drew to (0 for none): the
  // new line erases that far, so nothing of a long or tall wrong answer stays.
  AnswerEditor(Runtime& rt, const AnswerContract& answer, float previous_reach)
      : rt_(rt), answer_(answer), attempt_reach_(previous_reach) {}

  // Erases the answer line (and whatever a cleared attempt left in it) and draws "答 " and the
  // text that stands before the first blank.
  void DrawAnswerLine();
  // Runs the key loop until the answer is finished or the clear key throws the attempt away.
  EditorEnd Run();

  // After a finished answer: every blank's text joined, in the blanks' order.
  const std::string& typed() const { return typed_; }
  // After a finished answer: where its last blank's stretch of the line starts.
  float line_x() const { return line_x_; }
  float line_y() const { return line_y_; }
  // After a finished answer: where the line ends, its blanks' marks included.
  float line_end() const { return line_end_; }
  // After a finished answer: blank k's text at [k], a second accepted form given as the first.
  const Array<std::string, 5>& blank_texts() const { return blank_texts_; }

 private:
  enum class KeyAction { Clear, StartFraction, Enter, Backspace, Accept, Ignore };
  // Where typed keys go: the blank itself, or a fraction's denominator or numerator.
  enum class Mode { Normal, Denominator, Numerator };

  // Key loop.
  KeyAction Classify();
  void Restart();
  void AcceptNormal();
  EnterResult HandleEnter();
  EnterResult CompleteBlank();
  float EntryLimit() const;

  // Fractions.
  void StartFraction();
  void AcceptInPart();
  void MoveToNumerator();
  void FinishFraction();
  void AbandonFraction();
  // `area` grown by every pixel the fraction being typed has drawn: its bar and both parts.
  Area FractionArea(Area area) const;

  // Backspace.
  void HandleBackspace();
  void BackspaceNormal();
  void BackspaceNumerator();
  void BackspaceDenominator();

  // Drawing and erasing items.
  // An item to draw at (x, y) under the root open at the cursor.
  Item NewItem(Item::Kind kind, const std::string& code, float x, float y) const;
  float Draw(Item& item);
  void Replay(const Item& item, Ink ink);
  // Draws an item in `colour` from the root state recorded with it; returns where the drawing
  // ends and leaves the root state after it in `root`.
  float Paint(const Item& item, int colour, RootState& root);
  void EraseAll(std::vector<Item>& items);
  void EraseFractionInProgress();
  void RedrawAround(const Area& area);
  void Fill(const Area& area);
  void EraseCursor();
  void NoteReach(float right);

  Runtime& rt_;
  const AnswerContract& answer_;
  Mode mode_ = Mode::Normal;
  float cursor_x_ = 0, cursor_y_ = 0;      // where the next key's glyph goes
  RootState open_root_ = RootState::None;  // the root open at the cursor, recorded with each item
  Array<std::string, 5> blank_texts_;      // [k] what blank k holds once finished
  std::string key_;                        // the key being handled, as its code
  std::string typed_;              // the current blank's text; the whole answer once finished
  int blanks_left_ = 1;            // the blanks still to finish, the current one included
  float line_x_ = 0, line_y_ = 0;  // where the current blank's stretch of the line starts
  float row_y_ = 0;                // the current blank's row
  float blank_start_ = 0;          // x where the current blank's text begins
  std::string denominator_text_;   // the fraction being typed: its parts' texts
  std::string numerator_text_;
  float fraction_x_ = 0;           // where the fraction being typed starts
  float denominator_end_ = 0;      // where its denominator's text ended
  float line_end_ = 0;             // where the finished answer line ends
  std::vector<Item> blank_;        // the current blank's items in normal mode, in typing order
  std::optional<Item> bar_;        // the provisional bar of the fraction being typed
  std::vector<Item> denominator_;  // what has been typed into that fraction
  std::vector<Item> numerator_;
  std::vector<Item> finished_;  // items and marks of the attempt's finished blanks
  float blank_reach_ = 0;       // rightmost x the current blank has drawn to
  float attempt_reach_ = 0;     // rightmost x the whole answer line has drawn to
};

// Removes the last character (not byte) of a UTF-8 text; nothing happens to an empty one.
void DropLastCharacter(std::string& text);

}  // namespace drill::editor
