// The definition box of the proportion problems.
#include "units/functions-proportion/problems.hpp"

namespace drill {

void DrawProportionDefinition(Drill& d) {
  RenderAt(d, 880, 216, 13, "定数…決まった数");
  RenderAt(d, 880, 252, 11, "「YはXに比例する」とは");
  RenderAt(d, 880, 288, 13, "YはXの関数で　Y=AX　と表されるとき。");
  RenderAt(d, 880, 324, 13, "定数Aを比例定数という。");
}

}  // namespace drill
