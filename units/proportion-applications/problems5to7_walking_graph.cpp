// Problems 5 to 7: a walk to the uncle's house read off a distance-time graph: the distance, the
// arrival time and the walking speed, asked in three orders.
#include <array>
#include <string>
#include <vector>

#include "units/proportion-applications/problem_template.hpp"

namespace drill {
namespace {

constexpr float kFrameRight = 688, kFrameBottom = 207;

const std::string kDistanceFirst = "①自分の家からおじさんの家までの道のりを求めなさい。";
const std::string kDistanceThird = "③自分の家からおじさんの家までの道のりを求めなさい。";
const std::string kTimeFirst = "①おじさんの家に着いたのは、出発して何分後ですか。";
const std::string kTimeSecond = "②おじさんの家に着いたのは、出発して何分後ですか。";
const std::string kTimeThird = "③おじさんの家に着いたのは、出発して何分後ですか。";
const std::string kSpeedSecond = "②おじさんの家に着くまでの歩く速さを求めなさい。";
const std::string kSpeedThird = "③おじさんの家に着くまでの歩く速さを求めなさい。";

// The walk starts at home: T(1) = F(1) = 0. Its speed F(2)/T(2) in lowest terms is
// F(10)/T(10); call before the number-text step.
void SetStartAndSpeed(Drill& d) {
  d.T[1] = 0;
  d.F[1] = 0;
  d.F[10] = d.F[2];
  d.T[10] = d.T[2];
  ReduceFraction(d.F[10], d.T[10]);
}

// The speed as the answer is typed (T_s[11]) and as the hints show it, stacked.
std::string TypedSpeed(const Drill& d) {
  return d.T[10] == 1 ? d.F_s[10] : d.F_s[10] + "/" + d.T_s[10];
}
std::string ShownSpeed(const Drill& d) {
  return d.T[10] == 1 ? d.F_s[10] : "ﾀ" + d.F_s[10] + "/" + d.T_s[10] + "ﾀ";
}

// The statement, the three questions in the problem's order and the graph with its end points.
void DrawWalkProblem(Drill& d, const std::array<std::string, 3>& questions) {
  RenderAt(d, 64, 72, 15,
           "川村さんは、おじさんの家まで行きました。次のグラフは、出発してからX分後に、");
  RenderAt(d, 64, 99, 15, "自分の家からYｍの地点いるとして表したものです。");
  for (size_t i = 0; i < questions.size(); ++i) {
    RenderAt(d, 64, 126 + 27 * static_cast<float>(i), 15, questions[i]);
  }
  const Plane plane = DrawWalkPlane(d.rt);
  const CoordinatePair start{d.T[1], d.F[1]}, arrival{d.T[2], d.F[2]};
  DrawWalkSegment(d.rt, plane, start, arrival, 9);
  d.rt.DrawCircle(plane.PixelX(arrival.x), plane.PixelY(arrival.y), 4, 5, CircleFill::Filled);
  d.rt.DrawCircle(plane.PixelX(start.x), plane.PixelY(start.y), 4, 5, CircleFill::Filled);
}

// What each of the three blanks asks.
enum class Asked { Distance, Time, Speed };

// The end of every walking-graph start, once the arrival point (T(2), F(2)) is drawn: the
// speed, the number texts, the statement with its questions, the graph and the answer.
Handoff PoseWalkProblem(Drill& d, const std::array<std::string, 3>& questions,
                        const std::array<Asked, 3>& order, std::vector<std::string> unit_texts) {
  SetStartAndSpeed(d);
  d.T_s = NumberTexts(d.T);
  d.F_s = NumberTexts(d.F);
  d.T_s[11] = TypedSpeed(d);
  DrawWalkProblem(d, questions);
  std::vector<std::string> expected;
  for (Asked asked : order) {
    expected.push_back(asked == Asked::Distance ? d.F_s[2]
                       : asked == Asked::Time   ? d.T_s[2]
                                                : d.T_s[11]);
  }
  return AskForAnswer(d, {.unit_texts = std::move(unit_texts), .expected = std::move(expected)});
}

// Problems 6 and 7 draw one of five cases, never the case of the last start.
size_t DrawCase(Drill& d) {
  float walk_case = 0;
  do {
    walk_case = RandomWhole(d, 1, 5);
  } while (RedrawNeeded(d, walk_case));
  return static_cast<size_t>(walk_case - 1);
}

// The arrival point A on the graph.
void LabelArrival(Drill& d) {
  RenderAt(d, kWalkPlane.PixelX(d.T[2]), kWalkPlane.PixelY(d.F[2]), 13, "Ａ");
}

void DistanceFromGraph(Drill& d, float y) {
  const Pen end =
      RenderAt(d, 64, y, 15, "①自分の家からおじさんの家までの道のりは、点ＡのY座標だから　");
  RenderMore(d, end, 13, d.F_s[2] + "ｍ");
}

// Speed through the origin and the point (T(3), F(3)) of the walk (problems 6 and 7).
// Returns where the speed's line ends, for the speed after it.
Pen SpeedFromPoint(Drill& d) {
  RenderAt(d, 64, 288, 15,
           "②点(" + d.T_s[3] + "," + d.F_s[3] + ") を通るから、" + d.T_s[3] + "分間で" + d.F_s[3] +
               "ｍの道のりを歩いている。 ");
  return RenderAt(d, 64, 342, 15, "だから、速さは　ﾀ" + d.F_s[3] + "/" + d.T_s[3] + "ﾀ=");
}

// The speed and the answer after the line that ends at `end`.
void ShowSpeedResult(Drill& d, Pen end) {
  end = RenderMore(d, end, 13, d.T_s[11]);
  end = RenderMore(d, end, 13, "  　分速");
  end = RenderMore(d, end, 5, d.T_s[11]);
  RenderMore(d, end, 13, "ｍ");
}

// Problem 5: arrival after 50 minutes at 4000, 4500 or 5000 m; no re-draw value.
Handoff Start5(Drill& d) {
  BeginProblem(d, kFrameRight, kFrameBottom);
  static constexpr std::array<float, 3> kDistances{4000, 4500, 5000};
  const float distance_case = RandomWhole(d, 1, 3);
  d.T[2] = 50;
  d.F[2] = kDistances[static_cast<size_t>(distance_case - 1)];
  return PoseWalkProblem(d, {kDistanceFirst, kTimeSecond, kSpeedThird},
                         {Asked::Distance, Asked::Time, Asked::Speed},
                         {" ① ", "ｍ　②", "分後  ③分速", "ｍ　", ""});
}

void Problem5Hint1(Drill& d) {
  LabelArrival(d);
  DistanceFromGraph(d, 252);
}

void Problem5Hint2(Drill& d) {
  const Pen end = RenderAt(d, 64, 288, 15, "②おじさんの家に着いたのは、点ＡのX座標だから ");
  RenderMore(d, end, 13, d.T_s[2] + "分後");
}

void Problem5Hint3(Drill& d) {
  RenderAt(d, 80, 396, 15, "だから、歩く速さは　");
  const Pen fraction_end = RenderAt(d, 80, 450, 15, "ﾀ" + d.F_s[2] + "/" + d.T_s[2] + "ﾀ=");
  d.T_s[11] = ShownSpeed(d);
  RenderMore(d, fraction_end, 13, d.T_s[11]);
  Pen end = RenderAt(d, 80, 504, 13, "答え　分速");
  end = RenderMore(d, end, 5, d.T_s[11]);
  RenderMore(d, end, 13, "ｍ");
}

// The cases of problems 6 and 7: a point of the walk, minutes and metres from home (T(3), F(3)),
// and the arrival minutes T(2) (problem 6) or the distance F(2) (problem 7). The point's metres
// over its minutes are the walking speed.
struct CaseWithTime {
  float point_minutes, point_metres, arrival_minutes;
};
struct CaseWithDistance {
  float point_minutes, point_metres, arrival_metres;
};

// Problem 6: the walk passes (T(3), F(3)) and arrives after T(2) minutes; re-drawn: the case.
Handoff Start6(Drill& d) {
  static constexpr std::array<CaseWithTime, 5> kCases{
      {{20, 1500, 50}, {20, 1000, 55}, {25, 1000, 55}, {25, 2000, 70}, {40, 3000, 55}}};
  BeginProblem(d, kFrameRight, kFrameBottom);
  const auto& walk = kCases[DrawCase(d)];
  d.T[3] = walk.point_minutes;
  d.F[3] = walk.point_metres;
  d.T[2] = walk.arrival_minutes;
  const float speed = d.F[3] / d.T[3];
  d.F[2] = speed * d.T[2];
  return PoseWalkProblem(d, {kTimeFirst, kSpeedSecond, kDistanceThird},
                         {Asked::Time, Asked::Speed, Asked::Distance},
                         {" ① ", "分後　②分速 ", "ｍ  ③", "ｍ　", ""});
}

void Problem6Hint1(Drill& d) {
  LabelArrival(d);
  const Pen end = RenderAt(d, 64, 252, 15, "①おじさんの家に着いたのは、点ＡのX座標だから　");
  RenderMore(d, end, 13, d.T_s[2] + "分");
}

void Problem6Hint2(Drill& d) {
  const Pen end = SpeedFromPoint(d);
  d.T_s[11] = ShownSpeed(d);
  ShowSpeedResult(d, end);
}

void Problem6Hint3(Drill& d) {
  RenderAt(d, 80, 396, 15,
           "このグラフの式は、Y=" + d.T_s[11] + "X だから、X=" + d.T_s[2] + "を代入して");
  RenderAt(d, 80, 432, 15, "Y=" + d.T_s[11] + "*" + d.T_s[2] + "=" + d.F_s[2]);
  RenderAt(d, 80, 468, 13, "③は、　" + d.F_s[2] + "ｍ");
}

// Problem 7: the walk passes (T(3), F(3)) and ends F(2) metres from home; re-drawn: the case.
Handoff Start7(Drill& d) {
  static constexpr std::array<CaseWithDistance, 5> kCases{
      {{30, 2500, 6000}, {30, 2500, 4000}, {30, 4000, 6000}, {35, 2500, 4000}, {35, 2500, 6000}}};
  BeginProblem(d, kFrameRight, kFrameBottom);
  const auto& walk = kCases[DrawCase(d)];
  d.T[3] = walk.point_minutes;
  d.F[3] = walk.point_metres;
  d.F[2] = walk.arrival_metres;
  const float speed = d.F[3] / d.T[3];
  d.T[2] = d.F[2] / speed;
  return PoseWalkProblem(d, {kDistanceFirst, kSpeedSecond, kTimeThird},
                         {Asked::Distance, Asked::Speed, Asked::Time},
                         {" ① ", "ｍ　②分速 ", "ｍ  ③", "分後　", ""});
}

void Problem7Hint1(Drill& d) {
  LabelArrival(d);
  DistanceFromGraph(d, 252);
}

// Also prepares T_s[12], the reciprocal of the speed, which hint 3 uses.
void Problem7Hint2(Drill& d) {
  const Pen end = SpeedFromPoint(d);
  d.T_s[11] = ShownSpeed(d);
  d.T_s[12] = d.T[10] == 1 ? "ﾀ1/" + d.F_s[10] + "ﾀ" : "ﾀ" + d.T_s[10] + "/" + d.F_s[10] + "ﾀ";
  ShowSpeedResult(d, end);
}

void Problem7Hint3(Drill& d) {
  RenderAt(d, 80, 396, 15,
           "このグラフの式は、Y=" + d.T_s[11] + "X だから、Y=" + d.F_s[2] + "を代入して");
  RenderAt(d, 80, 432, 15, d.F_s[2] + "=" + d.T_s[11] + "X");
  RenderAt(d, 80, 486, 15, "X=" + d.F_s[2] + "*" + d.T_s[12] + "=" + d.T_s[2]);
  RenderAt(d, 80, 540, 13, "③は、　" + d.T_s[2] + "分");
}

}  // namespace

ProblemRoutines WalkingGraphProblem5() {
  return {Start5, {Problem5Hint1, Problem5Hint2, Problem5Hint3}};
}
ProblemRoutines WalkingGraphProblem6() {
  return {Start6, {Problem6Hint1, Problem6Hint2, Problem6Hint3}};
}
ProblemRoutines WalkingGraphProblem7() {
  return {Start7, {Problem7Hint1, Problem7Hint2, Problem7Hint3}};
}

}  // namespace drill
