// The answer prompt, the definition box of the proportion problems and the empty hint step.
#include "units/functions-proportion/problems.hpp"

namespace drill {

void DrawAnswerPrompt(Drill& d, const std::string& prompt) {
  if (!prompt.empty()) RenderAt(d, d.answer.line_x - 112, d.answer.line_y - 40, 15, prompt);
}

void DrawProportionDefinition(Drill& d) {
  RenderAt(d, 880, 216, 13, "定数…決まった数");
  RenderAt(d, 880, 252, 11, "「YはXに比例する」とは");
  RenderAt(d, 880, 288, 13, "YはXの関数で　Y=AX　と表されるとき。");
  RenderAt(d, 880, 324, 13, "定数Aを比例定数という。");
}

void NoFurtherHint(Drill&) {}

}  // namespace drill
