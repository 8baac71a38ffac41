// The ink audit's rules, each on a few drawing calls: what it reports and what it lets pass.
#include "framework/testing/ink_audit.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/renderer/renderer.hpp"
#include "framework/testing/traced_drill.hpp"

namespace drill::testing {
namespace {

class InkAuditTest : public TracedDrill {
 protected:
  // How many findings the drawing makes.
  size_t Findings(const std::function<void()>& draw) {
    InkAudit audit;
    audit.At("test");
    rt.SetDrawObserver(&audit);
    rt.ClearScreen();
    draw();
    rt.SetDrawObserver(nullptr);
    for (const auto& f : audit.findings()) last_ = f.Line();
    return audit.findings().size();
  }
  void Plane() {
    rt.BeginGroup(DrawGroup::Figure);
    rt.BeginGroup(DrawGroup::Grid);
    rt.DrawLine(100, 90, 300, 90, 10, Shape::Line, LineStyle::Dotted);
    rt.EndGroup(DrawGroup::Grid);
    rt.DrawLine(200, 0, 200, 200, 3);
    RenderAt(d, 200, 100, 13, "5");
    rt.EndGroup(DrawGroup::Figure);
  }
  std::string last_;
};

TEST_F(InkAuditTest, ReportsInkOverInkOfAnotherTextOrFigure) {
  // A text over a text, in either order of drawing; a figure over a text; a text over a figure.
  EXPECT_GT(Findings([&] {
              RenderAt(d, 100, 100, 7, "ABC");
              RenderAt(d, 120, 104, 5, "Y=3X");
            }),
            0u);
  EXPECT_NE(last_.find("(of render 120 104 5 Y=3X) inks"), std::string::npos) << last_;
  EXPECT_EQ(Findings([&] {
              RenderAt(d, 100, 100, 7, "A");
              rt.DrawLine(100, 108, 140, 108, 15);
            }),
            1u);
  EXPECT_GT(Findings([&] {
              Plane();
              RenderAt(d, 196, 96, 15, "Ｄ");
            }),
            0u);
  EXPECT_NE(last_.find("of a plane"), std::string::npos) << last_;
  // A frame's outline meeting another figure's line.
  EXPECT_EQ(Findings([&] {
              rt.DrawFilledBox(150, 50, 250, 150, 13, 2);
              rt.DrawLine(200, 0, 200, 300, 3);
            }),
            1u);
}

TEST_F(InkAuditTest, LetsPassWhatIsDrawnSoOnPurpose) {
  // One text's own glyphs and bars; a text drawn again where it stood.
  EXPECT_EQ(Findings([&] {
              RenderAt(d, 100, 100, 7, "ﾀ1/2ﾀ.5Q3ﾝ");
              RenderAt(d, 100, 100, 7, "ﾀ1/2ﾀ.5Q3ﾝ");
            }),
            0u);
  // An erase between, a fill under a text, the grid under a name, a figure over a figure.
  EXPECT_EQ(Findings([&] {
              RenderAt(d, 100, 100, 7, "ABC");
              rt.DrawLine(100, 100, 160, 116, 0, Shape::Fill);
              RenderAt(d, 104, 100, 7, "XYZ");
              rt.DrawFilledBox(300, 300, 400, 340, 13, 2);
              RenderAt(d, 310, 310, 7, "Y=3X");
              Plane();
              RenderAt(d, 104, 80, 15, "Ａ");
              rt.DrawLine(150, 150, 250, 150, 15);
            }),
            0u);
  // A mark over the answer it marks.
  EXPECT_EQ(Findings([&] {
              RenderAt(d, 100, 100, 7, "12");
              rt.BeginGroup(DrawGroup::Mark);
              rt.DrawCircle(108, 108, 22, 5, CircleFill::Outline);
              rt.EndGroup(DrawGroup::Mark);
            }),
            0u);
}

}  // namespace
}  // namespace drill::testing
