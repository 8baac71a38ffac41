// Scale labels laid out at 16 pixels per character, blanks included.
#include <string>

#include "framework/planes/planes.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/text.hpp"

namespace drill {

void RenderSpacedLabel(Runtime& rt, float x, float y, int colour, std::string_view label) {
  // The renderer drops half-width blanks, so each piece between blanks is drawn on its own at the
  // cell its first character has in the label.
  std::string piece;
  int piece_start = 0;
  int index = 0;
  for (const std::string& character : SplitCharacters(label)) {
    if (character == " ") {
      if (!piece.empty())
        RenderAt(rt, x + 16.0f * static_cast<float>(piece_start), y, colour, piece);
      piece.clear();
    } else {
      if (piece.empty()) piece_start = index;
      piece += character;
    }
    ++index;
  }
  if (!piece.empty()) RenderAt(rt, x + 16.0f * static_cast<float>(piece_start), y, colour, piece);
}

}  // namespace drill
