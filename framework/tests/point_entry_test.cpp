// Point entry on the standard plane: the marker's moves, its border, the coordinate texts and the
// names and list of the fixed points; and reading a coordinate text back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/flow/flow.hpp"
#include "framework/planes/planes.hpp"
#include "framework/testing/session.hpp"
#include "framework/tests/editor_session.hpp"
#include "framework/tests/test_unit.hpp"

namespace drill::testing {
namespace {

struct PointEntry : ::testing::Test {
  Session s{TestUnit(), 1};
  Drill& d = s.d;

  // Draws the plane, types `keys` and enters `count` points from the origin.
  std::string Enter(const std::string& keys, int count, std::vector<std::string> names = {}) {
    const Plane plane = DrawStandardPlane(d.rt);
    s.keys.Type(keys);
    return EnteredPointTexts(EnterPointsFromOrigin(d.rt, plane, count, std::move(names)));
  }
};

TEST_F(PointEntry, FirstEnterFixesTheOriginAndEveryEnterFixesAPoint) {
  EXPECT_EQ(Enter("{Enter}{Enter}", 2), "(0,0)(0,0)");
  EXPECT_EQ(Enter("{Right}{Enter}{Up}{Up}{Left}{Left}{Left}{Enter}", 2), "(1,0)(-2,2)");
  EXPECT_EQ(Enter("{Down}{Down}{Down}{Enter}", 1), "(0,-3)");
}

// The plane as DrawStandardPlane leaves it, with one disc of the marker's size at (x, y).
Surface PlaneWithDisc(float x, float y) {
  Session s{TestUnit(), 1};
  DrawStandardPlane(s.d.rt);
  s.rt.DrawCircle(x, y, 4, 15, CircleFill::Filled);
  return s.rt.surface();
}

// The marker stands at the origin as soon as point entry starts, before any key; the first key
// moves it (or fixes the point under it) and leaves nothing of it behind at the origin.
TEST(PointEntryScreen, MarkerShowsAtTheOriginFromTheStartAndTheFirstKeyMovesItCleanly) {
  struct Case {
    const char* key;
    float x, y;
  };
  for (const Case& c : {Case{"{Right}", 816, 340}, Case{"{Down}", 800, 356},
                        Case{"{Enter}", 800, 340}, Case{"a", 800, 340}}) {
    SCOPED_TRACE(c.key);
    Session s{TestUnit(), 1};
    std::vector<Surface> seen;
    s.keys.on_wait = [&] {
      seen.push_back(s.rt.surface());
      return seen.size() == 1 ? std::string(c.key) : std::string();
    };
    const Plane plane = DrawStandardPlane(s.d.rt);
    EXPECT_THROW(EnterPointsFromOrigin(s.d.rt, plane, 2), ScriptEnd);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(FirstDifference(seen[0], PlaneWithDisc(800, 340)), "");
    EXPECT_EQ(FirstDifference(seen[1], PlaneWithDisc(c.x, c.y)), "");
  }
}

TEST_F(PointEntry, MarkerStopsAtTheBorder) {
  std::string keys;
  for (int i = 0; i < 11; ++i) keys += "{Right}{Down}";
  EXPECT_EQ(Enter(keys + "{Enter}", 1), "(10,-10)");
  keys.clear();
  for (int i = 0; i < 14; ++i) keys += "{Left}{Up}";
  EXPECT_EQ(Enter(keys + "{Enter}", 1), "(-10,10)");
}

TEST_F(PointEntry, OtherKeysDoNotMoveTheMarker) {
  EXPECT_EQ(Enter("a5{Space}{BS}{Right}{F1}{Enter}", 1), "(1,0)");
}

// Points fixed before the entry count towards the request, are redrawn at every key and come
// back first; the marker starts where the request puts it.
TEST_F(PointEntry, FixedPointsAndTheMarkersStartAreTheRequests) {
  const Plane plane = DrawStandardPlane(d.rt);
  s.keys.Type("{Left}{Enter}");
  const auto points = EnterPoints(
      d.rt, plane, {.count = 2, .marker = {832, 308}, .fixed = {{816, 324}}, .names = {}});
  EXPECT_EQ(EnteredPointTexts(points), "(1,1)(1,2)");
  s.TakeTrace();
  int fixed_discs = 0;
  for (const auto& line : s.trace) fixed_discs += line == "circle 816 324 4 15 1";
  EXPECT_EQ(fixed_discs, 2);  // once for each key
}

TEST_F(PointEntry, NamedPointsAreLabelledAndListed) {
  Enter("{Right}{Right}{Up}{Enter}{Left}{Enter}", 2, {"Ａ", "Ｂ"});
  s.TakeTrace();
  EXPECT_EQ(s.RenderedAt(112, 216), "Ａ(2,1)");
  EXPECT_EQ(s.RenderedAt(112, 252), "Ｂ(1,1)");
  // Point A's name stands above its disc, 16 pixels left of it.
  EXPECT_EQ(s.RenderedAt(832 - 16, 324 - 20), "Ａ");
}

TEST(ParsePointText, ReadsBothCoordinatesAndNothingFromAnEmptyText) {
  const auto read = ParsePointText("(-3,12)");
  ASSERT_TRUE(read);
  EXPECT_EQ((std::vector<float>{read->x, read->y}), (std::vector<float>{-3, 12}));
  EXPECT_FALSE(ParsePointText(""));
}

// Each pair of a table is matched once, in whatever order the points come.
TEST(MatchEnteredPoints, EachPairCountsOnce) {
  const std::vector<CoordinatePair> pairs{{1, 2}, {-1, -2}};
  const auto match = [&pairs](std::vector<std::string> texts) {
    std::vector<EnteredPoint> points;
    for (std::string& text : texts) points.push_back({{}, std::move(text)});
    return MatchEnteredPoints(points, pairs);
  };
  EXPECT_EQ(match({"(-1,-2)", "(1,2)"}), (std::vector<bool>{true, true}));
  EXPECT_EQ(match({"(1,2)", "(1,2)"}), (std::vector<bool>{true, false}));
  EXPECT_EQ(match({"(2,4)", "(-1,-2)"}), (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace drill::testing

namespace drill::testing {
namespace {

// A problem that judges itself: wrong, restarted, then right.
TEST(RecordJudgement, FirstMarkStaysAndOnlyARightAnswerCountsARun) {
  Session s{TestUnit(), 1};
  Drill& d = s.d;
  d.session.problem = 2;
  RecordJudgement(d.rt, d.session, Judgement::Wrong, "(1,1)(2,2)");
  RecordJudgement(d.rt, d.session, Judgement::Right, "(0,0)(1,3)");
  s.TakeTrace();
  EXPECT_EQ(s.Judgements(), (std::vector<std::string>{"judge 1 (1,1)(2,2)", "judge 2 (0,0)(1,3)"}));
  int crosses = 0, circles = 0;
  for (const auto& line : s.trace) {
    crosses += line == "text 256 18 11 1 1 ×";
    circles += line == "text 256 18 11 1 1 ○";
  }
  EXPECT_EQ(crosses, 1);
  EXPECT_EQ(circles, 0);
  EXPECT_EQ(d.session.completed[2], 1);
  EXPECT_EQ(s.Count("text 260 38 11 1 1 1"), 1);
}

}  // namespace
}  // namespace drill::testing
