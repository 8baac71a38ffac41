// What every problem does at its start: clear the work area, badge and frame, number texts.
#include "framework/flow/flow.hpp"
#include "framework/renderer/renderer.hpp"
#include "runtime/numbers.hpp"
#include "runtime/text.hpp"

namespace drill {

void ClearWorkArea(Drill& d) {
  d.rt.DrawLine(0, 54, 1440, 900, 0, Shape::Fill);
}

void DrawBadgeAndFrame(Drill& d) {
  auto& rt = d.rt;
  d.XX = d.IM < 10 ? 12 : 4;
  rt.DrawFilledBox(4, d.WY1, 4 + 32, d.WY1 + 36, 13, 8);
  rt.DrawTextAt(4, d.WY1, "ＮＯ", 1, 1, 7);
  rt.DrawTextAt(d.XX, d.WY1 + 18, NumberToText(static_cast<float>(d.IM)), 1, 1, 5);
  rt.DrawFilledBox(d.WX1, d.WY1 - 4, d.WX2, d.WY2 + 4, 13, 2);
}

namespace {

// Exponent codes of the digits 0..9; a character without a digit value counts as "0".
char ExponentCode(char32_t c) {
  static constexpr const char kCodes[] = "SQWERTUIOP";
  return c >= U'0' && c <= U'9' ? kCodes[c - U'0'] : kCodes[0];
}

}  // namespace

void NumberTextStep(Drill& d) {
  for (int i = 1; i <= 40; ++i) {
    d.T_s[i] = NumberText(d.T[i]);
    d.F_s[i] = NumberText(d.F[i]);
  }
  d.I = 41;  // the loop counter's value after the loop; TI$ is made from it
  d.TA_s = NumberText(d.A);
  d.TB_s = NumberText(d.B);
  d.TC_s = NumberText(d.C);
  d.TD_s = NumberText(d.D);
  d.TE_s = NumberText(d.E);
  d.TF_s = NumberText(d.F_);
  d.TG_s = NumberText(d.G_);
  d.TH_s = NumberText(d.H);
  d.TI_s = NumberText(d.I);
  d.TJ_s = NumberText(d.J);
  d.TK_s = NumberText(d.K);
  d.TL_s = NumberText(d.L);
  d.TM_s = NumberText(d.M);
  d.TN_s = NumberText(d.N);
  d.TX_s = NumberText(d.X);
  d.TP_s = NumberText(d.P);
  d.TY_s = NumberText(d.Y);
  d.TZ_s = NumberText(d.Z);

  d.A_s = StripBlanks(d.TZ_s);
  d.K = static_cast<float>(SjisWidth(d.A_s));
  d.C_s = d.A_s;
  d.B_s.clear();
  for (char32_t c : DecodeUtf8(d.C_s)) d.B_s += ExponentCode(c);
  d.I = d.K + 1;
  d.A_s = d.B_s;
}

Handoff EnterAttemptLoop(Drill& d) {
  d.KAI = 0;
  return Handoff::Attempts();
}

}  // namespace drill
