// Drawing pieces several problems of inverse-prop share: the side note.
#include "units/inverse-proportion/problems.hpp"

namespace drill {

void DrawSideNote(Drill& d, SideNote note) {
  RenderAt(d, 880, 252, 11, "「YはXに反比例する」とは");
  RenderAt(d, 880, 288, 13, "YがXの関数で　Y=ﾀA/Xﾀ　と表されるとき。");
  RenderAt(d, 880, 342, 13,
           note == SideNote::A ? "定数Aを比例定数という。" : "積XYは一定で比例定数Aに等しい。");
}

}  // namespace drill
