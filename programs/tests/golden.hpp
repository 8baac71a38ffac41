// The golden corpus: for every program and every seed the clock can give (hours + minutes +
// seconds, 0 to 141), whole sessions whose every traced line and final screen must stay exactly
// as recorded in golden/<program>.txt:
//   look    the look-at-problems mode from the main menu, every problem in turn, then "3";
//   right   every problem in order on one drill, answered right at the first try;
//   wrong   the same, answered wrong at all three attempts;
//   keysN   three fixed streams of 300 random keys from the main menu.
// A line holds the session's name, its seed, a hash of its trace (drawing included) and of its
// final screen, how many lines it traced, and how many of its answers were judged right. A change
// that means to change screens writes the corpus again, in a commit of its own that says why:
//   DRILL_GOLDEN_WRITE=1 ctest --test-dir build -R Golden
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/testing/session.hpp"
#include "programs/program_list.hpp"
#include "runtime/headless.hpp"
#include "tools/key-fuzz/key_stream.hpp"

namespace drill::testing {

// FNV-1a, 64 bits: the same on every machine.
class Hash {
 public:
  void Add(std::string_view bytes) {
    for (const char c : bytes) {
      value_ ^= static_cast<unsigned char>(c);
      value_ *= 1099511628211ull;
    }
  }
  std::uint64_t value() const { return value_; }

 private:
  std::uint64_t value_ = 1469598103934665603ull;
};

inline std::string Hex(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

inline std::string ScreenHash(const Surface& surface) {
  Hash hash;
  const auto& pixels = surface.packed();
  hash.Add({reinterpret_cast<const char*>(pixels.data()), pixels.size()});
  return Hex(hash.value());
}

// Hashes every traced line of a run, passing each on to `also` when given.
class TraceHash {
 public:
  // The trace sink that hashes into this; it must not outlive this.
  Runtime::TraceSink Sink(std::ostream* also = nullptr) {
    return [this, also](std::string_view line) {
      hash_.Add(line);
      hash_.Add("\n");
      ++lines_;
      if (line.starts_with("judge ")) {
        ++judged_;
        right_ += line.starts_with("judge 2 ");
      }
      if (also != nullptr) *also << line << '\n';
    };
  }
  // The corpus line of a session that ended on `screen`.
  std::string Line(const std::string& name, int seed, const Surface& screen) const {
    return name + " " + std::to_string(seed) + " " + Hex(hash_.value()) + " " + ScreenHash(screen) +
           " " + std::to_string(lines_) + " lines, " + std::to_string(right_) + " of " +
           std::to_string(judged_) + " judged right";
  }

 private:
  Hash hash_;
  long lines_ = 0;
  int judged_ = 0, right_ = 0;
};

inline std::string LookSession(const UnitDefinition& unit, int seed) {
  std::string script = "2";
  for (int i = 0; i < 40; ++i) script += "{Enter}";
  HeadlessPlatform platform(*ParseKeyScript(script + "3"), ClockFor(seed));
  Runtime rt(platform);
  TraceHash trace;
  rt.SetTraceSink(trace.Sink());
  RunDrill(rt, unit);
  return trace.Line("look", seed, rt.surface());
}

// The keys of a problem at each wait, answered right or wrong, for the units whose answers are
// typed from the drill's expected answer.
using AnswerKeysFor = std::function<std::string(const Drill&, int, bool)>;

inline std::string SeriesSession(const UnitDefinition& unit, int seed, bool wrong,
                                 const AnswerKeysFor& keys) {
  Session s(unit, seed);
  TraceHash trace;
  s.rt.SetTraceSink(trace.Sink(&s.out));
  for (int k = 1; k <= unit.ProblemCount(); ++k)
    PlayProblem(s, k, [&](const Drill& d, int wait) { return keys(d, wait, wrong); });
  return trace.Line(wrong ? "wrong" : "right", seed, s.rt.surface());
}

// Every seed, or those DRILL_GOLDEN_SEEDS names ("17" or "0-20") for a quick look.
inline std::vector<int> CorpusSeeds() {
  return ClockSeeds("DRILL_GOLDEN_SEEDS");
}

// The session's name and seed: the first two fields of its line.
inline std::string SessionKey(const std::string& line) {
  const size_t second = line.find(' ', line.find(' ') + 1);
  return line.substr(0, second);
}

inline std::vector<std::string> Corpus(const std::string& program,
                                       const std::function<std::string(int, bool)>& series) {
  const UnitDefinition& unit = *FindProgramUnit(program);
  std::vector<std::string> lines;
  for (const int seed : CorpusSeeds()) {
    lines.push_back(LookSession(unit, seed));
    lines.push_back(series(seed, false));
    lines.push_back(series(seed, true));
    for (int stream = 1; stream <= 3; ++stream) {
      TraceHash trace;
      const Surface screen = RunOnRandomKeys(
          unit, ClockFor(seed), 300, static_cast<std::uint64_t>(seed * 10 + stream), trace.Sink());
      lines.push_back(trace.Line("keys" + std::to_string(stream), seed, screen));
    }
  }
  return lines;
}

inline std::string CorpusPath(const std::string& program) {
  const char* source = std::getenv("DRILL_SOURCE_DIR");
  return std::string(source != nullptr ? source : ".") + "/programs/tests/golden/" + program +
         ".txt";
}

// Compares the sessions with the recorded corpus, or records them when asked to.
inline void ExpectAsRecorded(const std::string& program,
                             const std::function<std::string(int, bool)>& series) {
  const std::vector<std::string> lines = Corpus(program, series);
  const std::string path = CorpusPath(program);
  if (const char* write = std::getenv("DRILL_GOLDEN_WRITE"); write != nullptr && *write == '1') {
    ASSERT_EQ(lines.size(), 6u * kClockSeeds) << "the corpus is written from every seed";
    std::ofstream out(path);
    for (const auto& line : lines) out << line << '\n';
    ASSERT_TRUE(out.good()) << "could not write " << path;
    return;
  }
  std::ifstream in(path);
  ASSERT_TRUE(in.good()) << "no corpus at " << path;
  std::map<std::string, std::string> recorded;
  for (std::string line; std::getline(in, line);) recorded[SessionKey(line)] = line;
  ASSERT_EQ(recorded.size(), 6u * kClockSeeds) << path;
  int differing = 0;
  for (const auto& line : lines) {
    const std::string& was = recorded[SessionKey(line)];
    if (line == was) continue;
    if (++differing <= 20)
      ADD_FAILURE() << program << ": recorded " << was << "\n  now      " << line;
  }
  EXPECT_EQ(differing, 0) << program << " sessions differ from the corpus";
}

}  // namespace drill::testing
