// Drawing pieces several problems of inverse-prop share: the side note and coloured table cells.
#include "units/inverse-proportion/problems.hpp"

namespace drill {

void DrawSideNote(Drill& d, SideNote note) {
  RenderAt(d, 880, 252, 11, "「YはXに反比例する」とは");
  RenderAt(d, 880, 288, 13, "YがXの関数で　Y=ﾀA/Xﾀ　と表されるとき。");
  RenderAt(d, 880, 342, 13,
           note == SideNote::A ? "定数Aを比例定数という。" : "積XYは一定で比例定数Aに等しい。");
}

void DrawCells(Drill& d, float x, float y, const std::vector<Cell>& cells, int width) {
  d.X = x;
  d.Y = y;
  d.HABA = width;
  for (const Cell& cell : cells) {
    d.CCC1 = cell.colour;
    d.A_s = cell.text;
    DrawTableCell(d);
  }
}

}  // namespace drill
