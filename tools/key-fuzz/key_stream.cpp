// Random key streams through whole programs on a headless platform.
#include "tools/key-fuzz/key_stream.hpp"

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string_view>

#include "framework/menu/menu.hpp"
#include "runtime/headless.hpp"
#include "runtime/key_names.hpp"
#include "runtime/pixels.hpp"
#include "runtime/present_gate.hpp"
#include "runtime/runtime.hpp"

namespace drill {
namespace {

// Pieces of key script, each typed as a whole, with how often each group is drawn.
struct Group {
  int weight;
  std::vector<std::string_view> pieces;
};

const std::array<Group, 13> kGroups{{
    {18, {"{Enter}"}},
    {16, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    {6, {"{Space}"}},
    {12, {"{Left}", "{Right}", "{Up}", "{Down}"}},
    {6, {"{BS}", "{Del}", "{Clear}"}},
    {8, {"{F1}", "{F2}", "{F3}", "{F4}", "{F5}", "{F6}", "{F7}", "{F8}", "{F9}", "{F10}", "{F11}"}},
    {8, {"x", "X", "y", "Y", "a", "A", "b", "B", "c", "l", "m", "n", "j", "k", "q",
         "Q", "w", "W", "e", "r", "t", "i", "I", "s", "S", "v", "V", "z", "o"}},
    {6, {"+",  "-", "*",  "/", "=", "<", ">", ",", "(", ")", ".", ":", "@", "[", "]", "?",
         "{{", "'", "\"", "!", "#", "$", "%", "&", "^", "_", "|", "~", "`", ";", "\\"}},
    // Half-width kana, full-width input from an input method, and other characters.
    {3, {"ｱ", "ﾀ", "ﾝ", "ﾜ", "ｰ", "１", "２", "Ｘ", "ｘ", "＋", "／", "　", "あ", "漢", "①", "é"}},
    // Menu choices followed by a start number, good or bad.
    {4,
     {"1{Enter}", "12{Enter}", "13{Enter}", "17{Enter}", "110{Enter}", "114{Enter}", "119{Enter}",
      "10{Enter}", "120{Enter}", "1-3{Enter}", "12.5{Enter}", "11e9{Enter}", "1{Enter}{Enter}"}},
    // The end-of-problem menus and the look-at-problems mode.
    {3, {"2", "2{Enter}{Enter}{Enter}", "1", "3"}},
    // Taps and clicks: menu choices, the start-number prompt, grid points of the plane and the
    // marker at its origin, and places where they mean nothing.
    {4,
     {"{Tap 400,220}", "{Tap 400,256}", "{Tap 400,275}", "{Tap 100,600}", "{Tap 280,600}",
      "{Tap 560,600}", "{Tap 800,340}", "{Tap 816,292}", "{Tap 784,404}", "{Tap 960,500}",
      "{Tap 640,180}", "{Tap 1000,200}", "{Tap 700,100}", "{Tap 0,0}", "{Tap 1439,899}"}},
    // Answers typed as a whole: fractions, roots, exponents.
    {2,
     {"{F10}4{Enter}3{Enter}{Enter}", "-{F10}2{Enter}1{Enter}{Enter}", "{F1}2{Enter}{Enter}",
      "X{F2}{Enter}", "{F11}{F10}3{Enter}1{Enter}{Enter}", "1{F8}X{F8}5{Enter}"}},
}};

// Keys for a run: drawn on demand whenever the program waits, up to a budget.
class RandomKeys : public Platform {
 public:
  RandomKeys(std::mt19937_64& random, long budget, std::string clock)
      : random_(random), budget_(budget), clock_(std::move(clock)) {}

  // Called at every wait for a key, before the next key is drawn; may end the run by throwing.
  std::function<void(const Surface&)> on_wait;
  // Which pieces of script may be typed (all when empty).
  std::function<bool(std::string_view)> allowed;

  void TakeKeys(std::deque<KeyPress>& keys) override {
    if (pending_.empty()) return;
    keys.push_back(pending_.front());
    history_.push_back(KeyName(pending_.front()));
    if (history_.size() > kHistory) history_.pop_front();
    pending_.pop_front();
  }
  void Idle(const Surface& surface) override {
    if (!pending_.empty()) return;
    if (on_wait) on_wait(surface);
    if (typed_ >= budget_) throw ScriptEnd{};
    const auto keys = ParseKeyScript(NextPiece());
    pending_.insert(pending_.end(), keys->begin(), keys->end());
    typed_ += static_cast<long>(pending_.size());
  }
  std::string ClockText() override { return clock_; }

  long typed() const { return typed_; }
  // The last keys taken, as a key script.
  std::string History() const {
    std::string script;
    for (const auto& name : history_) script += name;
    return script;
  }

 private:
  static constexpr size_t kHistory = 200;

  std::string_view NextPiece() {
    for (;;) {
      const std::string_view piece = AnyPiece();
      if (!allowed || allowed(piece)) return piece;
    }
  }

  std::string_view AnyPiece() {
    int total = 0;
    for (const Group& g : kGroups) total += g.weight;
    int pick = std::uniform_int_distribution<int>(0, total - 1)(random_);
    for (const Group& g : kGroups) {
      if (pick < g.weight) {
        return g.pieces[std::uniform_int_distribution<size_t>(0, g.pieces.size() - 1)(random_)];
      }
      pick -= g.weight;
    }
    return "{Enter}";
  }

  std::mt19937_64& random_;
  long budget_;
  long typed_ = 0;
  std::string clock_;
  std::deque<KeyPress> pending_;
  std::deque<std::string> history_;
};

// Counts the problems a run starts, from its trace, without keeping the trace.
class ProblemCounter : public std::streambuf {
 public:
  int starts = 0;
  int current = 0;  // the problem started last

 protected:
  int_type overflow(int_type c) override {
    if (c == traits_type::eof()) return c;
    if (c == '\n') {
      if (line_.rfind("problem ", 0) == 0) {
        ++starts;
        current = std::atoi(line_.c_str() + 8);
      }
      line_.clear();
    } else if (line_.size() < 12) {
      line_ += static_cast<char>(c);
    }
    return c;
  }

 private:
  std::string line_;
};

// Heap bytes in use now.
long HeapInUse() {
  return static_cast<long>(mallinfo2().uordblks);
}

}  // namespace

FuzzResult FuzzProgram(const UnitDefinition& unit, long keys, std::uint64_t seed) {
  FuzzResult result;
  std::mt19937_64 random(seed);
  while (result.keys < keys) {
    char clock[9];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d",
                  std::uniform_int_distribution<int>(0, 23)(random),
                  std::uniform_int_distribution<int>(0, 59)(random),
                  std::uniform_int_distribution<int>(0, 59)(random));
    const long budget =
        std::min(keys - result.keys, std::uniform_int_distribution<long>(50, 4000)(random));
    RandomKeys platform(random, budget, clock);
    Runtime runtime(platform);
    ProblemCounter counter;
    std::ostream trace(&counter);
    runtime.SetTrace(&trace, Runtime::TraceDetail::EventsOnly);
    const RunResult run = RunDrill(runtime, unit);
    result.sessions += 1;
    result.keys += platform.typed();
    result.problem_starts += counter.starts;
    if (platform.typed() < budget && run == RunResult::Ended) result.program_ends += 1;
    if (run == RunResult::ErrorScreenShown) {
      result.failures.push_back(unit.program + " --clock " + clock + ": error screen after " +
                                std::to_string(platform.typed()) +
                                " keys; the last keys: " + platform.History());
    }
  }
  return result;
}

Surface RunOnRandomKeys(const UnitDefinition& unit, const std::string& clock, long keys,
                        std::uint64_t seed, Runtime::TraceSink trace) {
  std::mt19937_64 random(seed);
  RandomKeys platform(random, keys, clock);
  Runtime runtime(platform);
  runtime.SetTraceSink(std::move(trace));
  RunDrill(runtime, unit);
  return runtime.surface();
}

SoakResult Soak(const UnitDefinition& unit, int problems, int early, std::uint64_t seed) {
  SoakResult result;
  std::mt19937_64 random(seed);
  RandomKeys platform(random, std::numeric_limits<long>::max(), "10:20:30");
  // Without "3" the pupil never ends the program, wherever the keys fall.
  platform.allowed = [](std::string_view piece) {
    return piece.find('3') == std::string_view::npos;
  };
  Runtime runtime(platform);
  ProblemCounter counter;
  std::ostream trace(&counter);
  runtime.SetTrace(&trace, Runtime::TraceDetail::EventsOnly);

  const char session_top = 0;
  const auto top = reinterpret_cast<std::uintptr_t>(&session_top);
  platform.on_wait = [&](const Surface&) {
    const char here = 0;
    const long depth = static_cast<long>(top - reinterpret_cast<std::uintptr_t>(&here));
    result.stack = std::max(result.stack, depth);
    if (counter.starts <= early) {
      result.early_stack = result.stack;
      result.early_heap = HeapInUse();
    }
    if (counter.starts >= problems) throw ScriptEnd{};
  };
  const RunResult run = RunDrill(runtime, unit);
  result.problems = counter.starts;
  result.keys = platform.typed();
  result.heap = HeapInUse();
  if (run == RunResult::ErrorScreenShown) {
    result.error_screen = true;
    result.failure = unit.program + ": error screen after " + std::to_string(result.keys) +
                     " keys; the last keys: " + platform.History();
  }
  return result;
}

std::map<int, double> HeaviestSteps(const UnitDefinition& unit, long keys, std::uint64_t seed) {
  std::map<int, double> heaviest;
  std::mt19937_64 random(seed);
  RandomKeys platform(random, keys, "09:41:07");
  Runtime runtime(platform);
  ProblemCounter counter;
  std::ostream trace(&counter);
  runtime.SetTrace(&trace, Runtime::TraceDetail::EventsOnly);
  PresentGate gate(std::chrono::milliseconds(0));
  std::vector<std::uint32_t> argb(static_cast<size_t>(kSurfaceWidth) * kSurfaceHeight);
  // Without "3" the run goes on through the whole stream.
  platform.allowed = [](std::string_view piece) {
    return piece.find('3') == std::string_view::npos;
  };

  auto cpu_now = [] {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  };
  double step_start = cpu_now();
  platform.on_wait = [&](const Surface& surface) {
    // The step ends with what the window does before it waits: present what changed.
    if (gate.Check(surface, PresentGate::Clock::now()) == PresentGate::Verdict::Present) {
      const PresentGate::Rows rows = gate.changed();
      ToArgbRows(surface, rows.first, rows.count, argb);
      gate.Presented(surface, PresentGate::Clock::now());
    }
    const double now = cpu_now();
    double& worst = heaviest[counter.current];
    worst = std::max(worst, now - step_start);
    step_start = now;
  };
  RunDrill(runtime, unit);
  // Whatever comes before the first problem (start-up, the menus) counts as problem 0.
  return heaviest;
}

}  // namespace drill
