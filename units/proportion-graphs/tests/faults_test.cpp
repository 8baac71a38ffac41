// What earlier problems leave behind does not spoil a later one, the results strip keeps the
// first try of a self-judged problem, keys typed ahead cannot skip a result, and a whole practice
// series goes through every problem.
#include <algorithm>

#include "units/proportion-graphs/tests/pupil.hpp"

namespace drill::testing {
namespace {

// The problem count, from the unit's table.
const int kProblems = PropGraphUnit().ProblemCount();

bool SelfJudged(int k) {
  return k == 1 || (k >= 3 && k <= 8);
}

// Every graph drawn passes through the origin: dots of the model graphs, solid lines of colour
// 15 and the restricted lines.
void GraphsPassTheOrigin(const Pupil& p) {
  auto points = Discs(p.trace, 0.5, 15);
  for (const auto& [a, b] : SolidLines(p.trace, 15)) {
    points.push_back(a);
    points.push_back(b);
  }
  for (const Point& q : Discs(p.trace, 1, 15)) points.push_back(q);
  Point far{0, 0};
  for (const Point& q : points)
    if (std::abs(q.x) > std::abs(far.x)) far = q;
  for (const Point& q : points) ASSERT_NEAR(q.x * far.y - q.y * far.x, 0, 1e-2) << "off the origin";
}

// Each problem reached after each other one is answered right from what it draws: a point entry
// counts from the origin, the graphs pass the origin
// (whatever intercept F(1) was left), and the expected formulas are those the lines show.
TEST(Faults, EveryProblemAfterEveryOtherIsAnsweredRightFromItsScreen) {
  for (int before = 1; before <= kProblems; ++before) {
    for (int k = 1; k <= kProblems; ++k) {
      if (k == before) continue;
      SCOPED_TRACE("problem " + std::to_string(k) + " after " + std::to_string(before));
      Pupil p(before * 100 + k);
      p.Run(before);
      const Handoff next = p.Run(k);
      const auto judged = p.Judgements();
      ASSERT_EQ(judged.size(), 1u);
      ASSERT_TRUE(judged[0].starts_with("judge 2 ")) << judged[0] << " for " << p.given;
      if (SelfJudged(k)) {
        EXPECT_EQ(judged[0], "judge 2 " + p.given);
        EXPECT_EQ(next.problem, k + 1);
      }
      GraphsPassTheOrigin(p);
      // Hint 1 of problems 12 and 13 names the point (1, a) of the line.
      if (k == 12 || k == 13) {
        EXPECT_EQ(RendersAt(p.trace, "80", "216").at(0).substr(0, 3 + p.d.T_s[1].size()),
                  "(1," + p.d.T_s[1]);
      }
    }
  }
}

// The cell of problem k in the results strip: its marks and run counts as traced.
int MarksIn(const Pupil& p, int k, const std::string& mark) {
  const std::string line = "text " + NumberText(ResultsCellLeft(k)) + " 18 11 1 1 " + mark;
  return static_cast<int>(std::count(p.trace.begin(), p.trace.end(), line));
}
std::string RunCountIn(const Pupil& p, int k) {
  const std::string prefix = "text " + NumberText(ResultsCellLeft(k) + 4) + " 38 11 1 1 ";
  std::string count;
  for (const auto& line : p.trace)
    if (line.starts_with(prefix)) count = line.substr(prefix.size());
  return count;
}

TEST(Faults, AWrongFirstTryStaysOnTheStripWhenTheRestartIsRight) {
  for (int k : {1, 3, 4, 5, 6, 7, 8}) {
    SCOPED_TRACE("problem " + std::to_string(k));
    Pupil p(k);
    p.answer_wrongly = true;
    Handoff next = p.Run(k);
    EXPECT_EQ(p.Judgements().at(0), "judge 1 " + p.given);
    EXPECT_EQ(next.problem, k);  // the same problem again, with new numbers
    EXPECT_EQ(MarksIn(p, k, "×"), 1);
    EXPECT_EQ(RunCountIn(p, k), "");
    EXPECT_EQ(p.d.session.completed[k], 0);

    p.answer_wrongly = false;
    next = p.Run(k);
    EXPECT_EQ(p.Judgements().at(0), "judge 2 " + p.given);
    EXPECT_EQ(next.problem, k + 1);
    EXPECT_EQ(MarksIn(p, k, "○"), 0) << "the right restart overwrote the first try";
    EXPECT_EQ(MarksIn(p, k, "×"), 0);
    EXPECT_EQ(RunCountIn(p, k), "1");
    EXPECT_EQ(p.d.session.completed[k], 1);

    // Practised again: no new mark, one more run.
    p.Run(k);
    EXPECT_EQ(MarksIn(p, k, "○") + MarksIn(p, k, "×"), 0);
    EXPECT_EQ(RunCountIn(p, k), "2");
  }
}

TEST(Faults, ARightFirstTryIsMarkedOnce) {
  Pupil p(3);
  p.Run(5);
  EXPECT_EQ(MarksIn(p, 5, "○"), 1);
  EXPECT_EQ(RunCountIn(p, 5), "1");
}

// The keys of a double Enter or a held arrow key arrive together. The last point's Enter comes
// twice at once: the result stays until a key typed after it. The key that ends that wait is
// followed at once by held arrows: the next problem's point entry still starts at the origin.
TEST(Faults, KeysTypedAheadSkipNoResultAndNoEntry) {
  for (int k : {1, 3, 4, 5, 6, 7}) {
    SCOPED_TRACE("problem " + std::to_string(k));
    Pupil p(k);
    int enters = 0;
    p.keys.on_wait = [&p, &enters] {
      p.Refresh();
      const std::string answer = p.Answer();
      if (answer == "x") {
        p.keys.TypeTogether("x{Right}{Right}{Up}");
        return std::string();
      }
      for (size_t at = 0; (at = answer.find("{Enter}", at)) != std::string::npos; ++at) ++enters;
      const std::string last = "{Enter}";
      p.keys.Type(answer.substr(0, answer.size() - last.size()));
      p.keys.TypeTogether(last + last);
      return std::string();
    };
    const Handoff next = p.Run(k);
    EXPECT_EQ(p.Judgements().at(0), "judge 2 " + p.given);
    EXPECT_EQ(std::count(p.trace.begin(), p.trace.end(), "key {Enter}"), enters);
    ASSERT_TRUE(p.Has("key x")) << "a key typed ahead ended the wait";
    const auto x_at = std::find(p.trace.begin(), p.trace.end(), "key x");
    EXPECT_EQ(std::find(x_at, p.trace.end(), "key {Right}"), p.trace.end());

    // The next problem, answered normally, takes its points from the origin.
    p.keys.on_wait = [&p] {
      p.Refresh();
      return p.Answer();
    };
    p.Run(next.problem);
    const std::string judged = p.Judgements().at(0);
    if (SelfJudged(next.problem)) {
      EXPECT_EQ(judged, "judge 2 " + p.given);
    }
    EXPECT_TRUE(judged.starts_with("judge 2 ")) << judged;
  }
}

// A practice series from problem 1 answered right throughout: every problem once, in order,
// each marked ○ with one run, then the last problem's menu and back to the main menu.
TEST(WholeRun, PractiseEveryProblemRightFromProblem1) {
  Pupil p(0);
  p.keys.Type("11{Enter}");
  EXPECT_EQ(RunDrill(p.rt, PropGraphUnit()), RunResult::Ended);
  std::vector<std::string> all;
  std::istringstream lines(p.out.str());
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  std::vector<std::string> problems, judged;
  for (const auto& line : all) {
    if (line.starts_with("problem ")) problems.push_back(line);
    if (line.starts_with("judge ")) judged.push_back(line.substr(0, 7));
  }
  std::vector<std::string> expected;
  for (int k = 1; k <= kProblems; ++k) expected.push_back("problem " + std::to_string(k));
  EXPECT_EQ(problems, expected);
  EXPECT_EQ(judged, std::vector<std::string>(kProblems, "judge 2"));
  for (int k = 1; k <= kProblems; ++k) {
    const std::string circle = "text " + NumberText(ResultsCellLeft(k)) + " 18 11 1 1 ○";
    EXPECT_EQ(std::count(all.begin(), all.end(), circle), 1) << "problem " << k;
  }
  EXPECT_EQ(all.back(), "end");
}

}  // namespace
}  // namespace drill::testing
