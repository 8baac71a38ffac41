// Test support for any unit: a drill whose keys are typed while it runs, its trace, the keys
// that type an expected answer, and the numbers in texts.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/drill.hpp"
#include "framework/flow/flow.hpp"
#include "framework/menu/menu.hpp"
#include "framework/unit.hpp"
#include "runtime/headless.hpp"
#include "runtime/runtime.hpp"
#include "runtime/text.hpp"

namespace drill::testing {

// The current problem's attempts with its own hints, as a program runs them.
inline AttemptResult Attempts(Drill& d) {
  return AttemptLoop(d.rt, d.session, d.answer, [&d](int s) { ProblemStep(d, s); });
}

// A text drawn on the screen with its full-width digits, minus and point read as ASCII, so that
// numbers can be read off the screen.
inline std::string AsciiReading(const std::string& text) {
  std::string plain;
  for (char32_t c : DecodeUtf8(text)) {
    if (c >= U'０' && c <= U'９')
      plain += static_cast<char>('0' + (c - U'０'));
    else if (c == U'－')
      plain += '-';
    else if (c == U'．')
      plain += '.';
    else
      plain += EncodeUtf8(c);
  }
  return plain;
}

// Keys typed while the program runs, released one wait at a time like the headless platform's
// script, but the test can type more between two problems. Keys typed together arrive together,
// as a double press or a held-down key does; when none is left, `on_wait` may type more, and
// the run ends when it types nothing.
class TypedKeys : public Platform {
 public:
  std::function<std::string()> on_wait;

  // Keys pressed one by one, each when the program next waits.
  void Type(const std::string& script) {
    for (const KeyPress& key : Parse(script)) script_.push_back({key});
  }
  // Keys pressed together: all pending at once when the program next waits.
  void TypeTogether(const std::string& script) { script_.push_back(Parse(script)); }

  void TakeKeys(std::deque<KeyPress>& keys) override {
    keys.insert(keys.end(), pending_.begin(), pending_.end());
    pending_.clear();
  }
  void Idle(const Surface&) override {
    if (!pending_.empty()) return;
    if (script_.empty() && on_wait) Type(on_wait());
    if (script_.empty()) throw ScriptEnd{};
    pending_.insert(pending_.end(), script_.front().begin(), script_.front().end());
    script_.pop_front();
  }
  std::string ClockText() override { return "12:00:00"; }

  // Groups of keys typed but not yet pressed.
  size_t Unread() const { return script_.size(); }

 private:
  static std::vector<KeyPress> Parse(const std::string& script) {
    auto keys = ParseKeyScript(script);
    EXPECT_TRUE(keys.has_value()) << script;
    return keys.value_or(std::vector<KeyPress>{});
  }
  std::deque<std::vector<KeyPress>> script_;
  std::deque<KeyPress> pending_;
};

// The arrow keys and Enters of point entry that fix the points (plane units) one after another,
// the marker starting at the origin and staying on the last point fixed.
inline std::string PointKeys(const std::vector<std::pair<int, int>>& points) {
  std::string keys;
  int x = 0, y = 0;
  for (const auto& [to_x, to_y] : points) {
    for (; x < to_x; ++x) keys += "{Right}";
    for (; x > to_x; --x) keys += "{Left}";
    for (; y < to_y; ++y) keys += "{Up}";
    for (; y > to_y; --y) keys += "{Down}";
    keys += "{Enter}";
  }
  return keys;
}

// The keys that type an expected answer: blank by blank, a fraction with "S" (the fraction key),
// denominator, Enter, numerator, Enter.
inline std::string KeysFor(const Drill& d) {
  std::string keys;
  for (int k = 1; k <= d.answer.blanks; ++k) {
    const std::string& text = d.answer.blank_expected[1][k];
    const size_t bar = text.find('/');
    if (bar == std::string::npos) {
      keys += text;
    } else {
      keys += "S" + text.substr(bar + 1) + "{Enter}" + text.substr(0, bar) + "{Enter}";
    }
    keys += "{Enter}";
  }
  return keys;
}

// One drill of a unit on the typed keys, with the trace of the current problem.
struct Session {
  TypedKeys keys;
  Runtime rt{keys};
  Drill d;
  std::ostringstream out;
  std::vector<std::string> trace;

  Session(const UnitDefinition& unit, int seed) : d(rt, unit) {
    rt.SetTrace(&out);
    rt.SeedRandom(seed);
  }

  // Starts problem k and answers it with `answer`, or with the expected answer when empty.
  void Run(int k, const std::string& answer = "") {
    out.str("");
    const Handoff next = StartProblem(d, k);
    ASSERT_EQ(next.kind, Handoff::Kind::AttemptLoop);
    keys.Type(answer.empty() ? KeysFor(d) : answer);
    ASSERT_EQ(Attempts(d), AttemptResult::Completed);
    TakeTrace();
  }

  // Moves what was traced since the last call into `trace`.
  void TakeTrace() {
    trace.clear();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) trace.push_back(line);
    out.str("");
  }

  // The text of the first render line at (x, y); fails the test when there is none.
  std::string RenderedAt(float x, float y) const {
    return RenderedAt(x, y, trace.begin(), trace.end());
  }
  // The text rendered last at (x, y), for a place written over.
  std::string LastRenderedAt(float x, float y) const {
    return RenderedAt(x, y, trace.rbegin(), trace.rend());
  }
  // The trace lines that start with `prefix`, and how often `line` stands in the trace.
  std::vector<std::string> Lines(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& line : trace)
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
  }
  int Count(const std::string& line) const {
    int n = 0;
    for (const auto& l : trace) n += l == line;
    return n;
  }
  // The texts of all render lines after the judgement: the worked solution.
  std::vector<std::string> Solution() const {
    std::vector<std::string> texts;
    bool judged = false;
    for (const auto& line : trace) {
      if (line.rfind("judge ", 0) == 0) judged = true;
      if (judged && line.rfind("render ", 0) == 0) {
        size_t at = 0;
        for (int field = 0; field < 4; ++field) at = line.find(' ', at) + 1;
        texts.push_back(line.substr(at));
      }
    }
    return texts;
  }
  std::vector<std::string> Judgements() const { return Lines("judge "); }
  // The cells of a table row, rebuilt from the glyphs drawn at height y: from x = left a heading
  // cell `heading` pixels wide, then cells `width` pixels each, `count` cells in all, each read
  // with AsciiReading. A glyph that spills over its cell's right edge lands in the next cell and
  // spoils both.
  std::vector<std::string> TableCells(float y, float left, float heading, float width,
                                      int count) const {
    std::vector<std::string> cells(static_cast<size_t>(count));
    for (const auto& line : trace) {
      std::istringstream fields(line);
      std::string kind, glyph;
      float x = 0, at = 0;
      int colour = 0, x_scale = 0, y_scale = 0;
      fields >> kind >> x >> at >> colour >> x_scale >> y_scale >> glyph;
      if (kind != "text" || at != y || x < left) continue;
      const int cell = x < left + heading ? 0 : 1 + static_cast<int>((x - left - heading) / width);
      if (cell >= count) continue;
      cells[static_cast<size_t>(cell)] += AsciiReading(glyph);
    }
    return cells;
  }

 private:
  template <typename Iterator>
  static std::string RenderedAt(float x, float y, Iterator from, Iterator to) {
    const std::string prefix = "render " + NumberText(x) + " " + NumberText(y) + " ";
    for (; from != to; ++from)
      if (from->rfind(prefix, 0) == 0) return from->substr(from->find(' ', prefix.size()) + 1);
    ADD_FAILURE() << "nothing rendered at " << x << ", " << y;
    return "";
  }
};

// Plays problem k on the session, typing at each wait what `keys` gives for the drill as it stands
// and the number of waits before; the run ends when the problem is done or `keys` gives nothing.
inline void PlayProblem(Session& s, int k,
                        const std::function<std::string(const Drill&, int)>& keys) {
  int waits = 0;
  s.keys.on_wait = [&] { return keys(s.d, waits++); };
  try {
    const Handoff next = StartProblem(s.d, k);
    if (next.kind == Handoff::Kind::AttemptLoop) Attempts(s.d);
  } catch (const ScriptEnd&) {
  }
  s.keys.on_wait = nullptr;
}

// The keys of a typed answer: right, or wrong at each of the three attempts (a 9 before the first
// blank), with the Space that goes on after each hint.
inline std::string TypedAnswer(const Drill& d, int wait, bool wrong) {
  if (!wrong) return wait == 0 ? KeysFor(d) : "";
  return wait < 3 ? "9" + KeysFor(d) + "{Space}" : "";
}

// How many seeds the clock can give: hours + minutes + seconds runs from 0 to 23 + 59 + 59.
inline constexpr int kClockSeeds = 23 + 59 + 59 + 1;

// The seeds the clock can give, or those the environment variable `chosen_by` names ("37",
// "0-20"); under the sanitizers every seventh, which keeps those runs short.
inline std::vector<int> ClockSeeds(const char* chosen_by) {
  int first = 0, last = kClockSeeds - 1, step = 1;
#ifdef DRILL_SANITIZED_BUILD
  step = 7;
#endif
  if (const char* chosen = std::getenv(chosen_by); chosen != nullptr && *chosen) {
    const std::string text = chosen;
    const size_t dash = text.find('-');
    first = std::atoi(text.substr(0, dash).c_str());
    last = dash == std::string::npos ? first : std::atoi(text.substr(dash + 1).c_str());
    step = 1;
  }
  std::vector<int> seeds;
  for (int seed = first; seed <= last && seed < kClockSeeds; seed += step) seeds.push_back(seed);
  return seeds;
}

// A clock that gives the seed: a teacher can replay it with drill-run --clock.
inline std::string ClockFor(int seed) {
  const int hours = std::min(seed, 23), minutes = std::min(seed - hours, 59);
  const int seconds = seed - hours - minutes;
  auto two = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
  return two(hours) + ":" + two(minutes) + ":" + two(seconds);
}

// The numbers written in a text with ASCII digits, in order.
inline std::vector<double> NumbersIn(const std::string& text) {
  static const std::regex number("[0-9]+(\\.[0-9]+)?");
  std::vector<double> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it) {
    found.push_back(std::stod(it->str()));
  }
  return found;
}

}  // namespace drill::testing
