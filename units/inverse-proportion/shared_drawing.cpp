// Drawing pieces several problems of inverse-prop share: the side note and the first steps of
// finding a constant from a pair of values.
#include "units/inverse-proportion/problems.hpp"

namespace drill {

void DrawSideNote(Drill& d, SideNote note) {
  RenderAt(d, 880, 252, 11, "「YはXに反比例する」とは");
  RenderAt(d, 880, 288, 13, "YがXの関数で　Y=ﾀA/Xﾀ　と表されるとき。");
  RenderAt(d, 880, 342, 13,
           note == SideNote::NamesTheConstant ? "定数Aを比例定数という。"
                                              : "積XYは一定で比例定数Aに等しい。");
}

void PutThePairIntoTheFormula(Runtime& rt, const std::string& x, const std::string& y) {
  RenderAt(rt, 80, 234, 13, "比例定数をAとすると、Y=ﾀA/Xﾀ");
  RenderAt(rt, 80, 270, 15, "X=" + x + "のとき Y=" + y + "だから、これをY=ﾀA/Xﾀ に代入すると");
}

void WorkOutTheConstant(Runtime& rt, const std::string& x, const std::string& y,
                        const std::string& constant) {
  RenderAt(rt, 80, 306, 15, y + "=ﾀA/" + x + "ﾀ");
  RenderAt(rt, 80, 342, 15, "A=" + y + "*" + x + "=" + constant);
}

}  // namespace drill
