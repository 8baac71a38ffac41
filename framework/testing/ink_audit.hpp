// The ink audit: watches every drawing call and reports where the ink of one text or figure lands
// on the ink of another with no erase between, so that the pupil would read something that is not
// there. Each pixel remembers the call that inked it last; painting it in the background colour,
// or under a fill, forgets it.
//
// What counts: a text over a text, a text over a figure's lines (axes, scale marks, frames, graphs,
// dots) and a figure over a text; a frame's outline meeting another figure's lines. What does not:
// the glyphs, bars and cells of one text; a call drawn again where it stood; figures crossing
// figures (a graph over the grid); a judgement mark, which stands over the answer on purpose;
// anything on a fill (the fill is the ground under its text).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "framework/flow/flow.hpp"
#include "framework/testing/session.hpp"
#include "runtime/draw_observer.hpp"
#include "runtime/numbers.hpp"
#include "runtime/painter.hpp"
#include "runtime/surface.hpp"
#include "runtime/text.hpp"

namespace drill::testing {

class InkAudit : public DrawObserver {
 public:
  struct Finding {
    std::string where;  // program, problem and clock
    std::string stage;  // question, hint, verdict ...
    std::string under;  // the call whose ink was there, and its text
    std::string over;   // the call that inked over it
    int x = 0, y = 0;   // the first pixel both inked
    int pixels = 0;     // how many pixels both inked (0: the two texts only touch)

    std::string Line() const {
      const std::string meets =
          pixels > 0 ? " inks " + std::to_string(pixels) + " pixels of " : " touches ";
      return where + ", " + stage + ": " + over + meets + under + ", first at (" +
             std::to_string(x) + "," + std::to_string(y) + ")";
    }
  };

  // Where the calls that follow are made, for the findings: a new run on a new surface, from the
  // question on.
  void At(std::string where) {
    where_ = std::move(where);
    stage_ = "question";
    judgements_ = 0;
    groups_.clear();
    last_render_.clear();
    text_name_.clear();
    Forget();
  }
  const std::vector<Finding>& findings() const { return findings_; }

  void Event(std::string_view line) override {
    if (line.starts_with("problem ")) {
      stage_ = "question";
      judgements_ = 0;
    } else if (line.starts_with("judge ")) {
      ++judgements_;
      const bool right = line.starts_with("judge 2");
      stage_ = "verdict " + std::to_string(judgements_) + (right ? " (right)" : " (wrong)") +
               " and what follows it";
    } else if (line.starts_with("render ")) {
      last_render_ = std::string(line);
    }
  }

  void Group(DrawGroup group, bool begins) override {
    if (begins) {
      if (groups_.empty()) group_key_.clear();
      // RenderText traces its text just before it opens its group.
      if (group == DrawGroup::Text && text_name_.empty()) text_name_ = last_render_;
      groups_.push_back(group);
    } else if (!groups_.empty()) {
      groups_.pop_back();
      if (std::find(groups_.begin(), groups_.end(), DrawGroup::Text) == groups_.end()) {
        text_name_.clear();
        last_render_.clear();
      }
    }
  }

  void Drawing(const DrawCall& call, const Surface& surface) override {
    if (call.kind == DrawCall::Kind::Clear) {
      Forget();
      return;
    }
    Kind kind = KindOf(call);
    const std::string key = RawKey(call);
    std::string object = key;
    if (!groups_.empty()) {
      if (group_key_.empty()) group_key_ = key;
      object = "group " + group_key_;
      const auto open = [this](DrawGroup g) {
        return std::find(groups_.begin(), groups_.end(), g) != groups_.end();
      };
      // Only a frame may not meet a grid: texts and figures stand on it.
      if (open(DrawGroup::Grid)) kind = Kind::Grid;
      if (kind != Kind::Ground) {
        if (open(DrawGroup::Mark))
          kind = Kind::Mark;
        else if (groups_.front() == DrawGroup::Text && kind != Kind::Frame)
          kind = Kind::Text;  // a table cell's frame stays a frame, shared with the next cell
      }
    }
    if (kind == Kind::Ground) {
      Forget(call, surface);
      return;
    }
    const auto [at, added] = objects_.try_emplace(object, static_cast<int>(objects_.size()));
    const int id = static_cast<int>(inks_.size());
    const bool of_figure = !groups_.empty() && groups_.front() == DrawGroup::Figure;
    inks_.push_back({at->second, kind, key, call, std::string(call.text), text_name_, of_figure});

    InkedPixels(call, surface);
    std::map<int, Finding> found;  // by the ink written over
    if (kind == Kind::Grid || kind == Kind::Frame) {
      // The grid is a layer of its own: it neither covers nor is covered, and only meets frames.
      auto& owner = kind == Kind::Grid ? owner_ : grid_owner_;
      auto& stamp = kind == Kind::Grid ? stamp_ : grid_stamp_;
      for (const int p : inked_) {
        const auto at_p = static_cast<size_t>(p);
        if (stamp[at_p] != generation_) continue;
        const int other = owner[at_p];
        if (inks_[static_cast<size_t>(other)].kind != Kind::Frame &&
            inks_[static_cast<size_t>(other)].kind != Kind::Grid)
          continue;
        if ((inks_[static_cast<size_t>(other)].kind == Kind::Grid) == (kind == Kind::Grid))
          continue;
        Finding& f = found[other];
        if (f.pixels++ == 0) {
          f.x = p % kSurfaceWidth;
          f.y = p / kSurfaceWidth;
        }
      }
    }
    if (kind == Kind::Grid) {
      for (const int p : inked_) {
        grid_owner_[static_cast<size_t>(p)] = id;
        grid_stamp_[static_cast<size_t>(p)] = generation_;
      }
      inked_.clear();
    }
    for (const int p : inked_) {
      const auto at_p = static_cast<size_t>(p);
      if (stamp_[at_p] == generation_ &&
          Reported(inks_[static_cast<size_t>(owner_[at_p])], inks_.back())) {
        Finding& f = found[owner_[at_p]];
        if (f.pixels++ == 0) {
          f.x = p % kSurfaceWidth;
          f.y = p / kSurfaceWidth;
        }
      }
      owner_[at_p] = id;
      stamp_[at_p] = generation_;
    }
    // Two texts that only touch read as one all the same: a glyph of one text right beside a
    // glyph of another counts too.
    if (kind == Kind::Text) {
      for (const int p : inked_) {
        const int x = p % kSurfaceWidth, y = p / kSurfaceWidth;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= kSurfaceWidth || ny >= kSurfaceHeight) continue;
            const auto q = static_cast<size_t>(ny * kSurfaceWidth + nx);
            if (stamp_[q] != generation_ || owner_[q] == id) continue;
            const Ink& beside = inks_[static_cast<size_t>(owner_[q])];
            if (beside.kind != Kind::Text || !Reported(beside, inks_.back())) continue;
            // The pieces of a fraction bar are made to join.
            if (beside.text == "―" && inks_.back().text == "―") continue;
            if (found.count(owner_[q])) continue;
            Finding& f = found[owner_[q]];
            f.x = x;
            f.y = y;
          }
        }
      }
    }
    for (auto& [under, f] : found) {
      f.where = where_;
      f.stage = stage_;
      f.under = Name(inks_[static_cast<size_t>(under)]);
      f.over = Name(inks_.back());
      // One line for each pair of calls at each stage, however often it is drawn again.
      const auto seen = std::make_tuple(f.where, f.stage, f.under, f.over);
      if (seen_.insert({seen, 0}).second) findings_.push_back(std::move(f));
    }
  }

 private:
  enum class Kind { Ground, Text, Mark, Line, Frame, Dot, Grid };
  struct Ink {
    int object;
    Kind kind;
    std::string key;  // the call's fields as bytes: equal keys are the same call drawn again
    DrawCall call;
    std::string text;       // the call's own text (the call's view of it does not last)
    std::string text_name;  // the traced text the call is part of, if any
    bool of_figure;         // part of a figure such as a plane, its scale numbers included
  };

  static std::string Name(const Ink& ink) {
    DrawCall call = ink.call;
    call.text = ink.text;
    std::string name = Describe(call);
    if (!ink.text_name.empty()) name += " (of " + ink.text_name + ")";
    if (ink.of_figure) name += " (of a plane)";
    return name;
  }

  static std::string RawKey(const DrawCall& c) {
    std::string key(reinterpret_cast<const char*>(&c.kind), sizeof c.kind);
    for (const float v : {c.x1, c.y1, c.x2, c.y2, c.r})
      key.append(reinterpret_cast<const char*>(&v), sizeof v);
    for (const int v : {c.colour, c.x_scale, c.y_scale, static_cast<int>(c.shape),
                        static_cast<int>(c.style), static_cast<int>(c.fill)})
      key.append(reinterpret_cast<const char*>(&v), sizeof v);
    key += c.text;
    return key;
  }

  // Everything drawn so far is gone (a new run, a cleared screen).
  void Forget() {
    ++generation_;
    inks_.clear();
    objects_.clear();
  }
  // A ground call: what it covers is forgotten.
  void Forget(const DrawCall& c, const Surface& surface) {
    if (c.kind == DrawCall::Kind::Line && c.shape == Shape::Fill) {
      // A fill covers its rectangle: no need to paint it.
      const int left = std::max(Round(std::min(c.x1, c.x2)), 0);
      const int right = std::min(Round(std::max(c.x1, c.x2)), kSurfaceWidth - 1);
      const int top = std::max(Round(std::min(c.y1, c.y2)), 0);
      const int bottom = std::min(Round(std::max(c.y1, c.y2)), kSurfaceHeight - 1);
      for (int y = top; y <= bottom && left <= right; ++y) {
        const auto row = static_cast<size_t>(y) * kSurfaceWidth;
        for (auto* stamp : {&stamp_, &grid_stamp_}) {
          std::fill(
              stamp->begin() + static_cast<std::ptrdiff_t>(row + static_cast<size_t>(left)),
              stamp->begin() + static_cast<std::ptrdiff_t>(row + static_cast<size_t>(right) + 1),
              0u);
        }
      }
      return;
    }
    InkedPixels(c, surface);
    for (const int p : inked_)
      stamp_[static_cast<size_t>(p)] = grid_stamp_[static_cast<size_t>(p)] = 0;
  }

  static bool Reported(const Ink& under, const Ink& over) {
    if (under.object == over.object || under.key == over.key) return false;
    if (under.kind == Kind::Mark || over.kind == Kind::Mark) return false;
    const bool under_text = under.kind == Kind::Text && !under.of_figure;
    const bool over_text = over.kind == Kind::Text && !over.of_figure;
    if (under_text || over_text) return true;
    // A figure's own texts count as its lines: a graph may cross a plane's scale numbers.
    if (under.kind == Kind::Text || over.kind == Kind::Text)
      return under.kind == Kind::Frame || over.kind == Kind::Frame;
    return (under.kind == Kind::Frame) != (over.kind == Kind::Frame);
  }

  static std::string Describe(const DrawCall& c) {
    switch (c.kind) {
      case DrawCall::Kind::Text:
        return "text " + NumberText(c.x1) + " " + NumberText(c.y1) + " colour " +
               std::to_string(c.colour) + " \"" + std::string(c.text) + "\"";
      case DrawCall::Kind::Line: {
        const char* shape =
            c.shape == Shape::Box ? "box" : (c.shape == Shape::Fill ? "fill" : "line");
        return std::string(shape) + " " + NumberText(c.x1) + " " + NumberText(c.y1) + " " +
               NumberText(c.x2) + " " + NumberText(c.y2) + " colour " + std::to_string(c.colour) +
               (c.style == LineStyle::Dotted ? " dotted" : "");
      }
      case DrawCall::Kind::Circle:
        return std::string(c.fill == CircleFill::Filled ? "disc " : "circle ") + NumberText(c.x1) +
               " " + NumberText(c.y1) + " r " + NumberText(c.r) + " colour " +
               std::to_string(c.colour);
      case DrawCall::Kind::Flood:
        return "flood " + NumberText(c.x1) + " " + NumberText(c.y1) + " colour " +
               std::to_string(c.colour);
      case DrawCall::Kind::Clear:
        break;
    }
    return "clear";
  }

  static Kind KindOf(const DrawCall& c) {
    if (c.colour == 0 || c.kind == DrawCall::Kind::Flood) return Kind::Ground;
    switch (c.kind) {
      case DrawCall::Kind::Text:
        return Kind::Text;
      case DrawCall::Kind::Circle:
        return c.fill == CircleFill::Filled ? Kind::Dot : Kind::Line;
      case DrawCall::Kind::Line:
        if (c.shape == Shape::Box) return Kind::Frame;
        if (c.shape == Shape::Fill) {
          // A thin fill is a bar drawn as ink; a wider one is ground for what is drawn on it.
          const float w = std::abs(c.x2 - c.x1), h = std::abs(c.y2 - c.y1);
          return std::min(w, h) <= 3 ? Kind::Line : Kind::Ground;
        }
        return Kind::Line;
      default:
        return Kind::Ground;
    }
  }

  // The pixels the call paints, as indexes y * width + x, into inked_.
  void InkedPixels(const DrawCall& c, const Surface& surface) {
    inked_.clear();
    if (c.kind == DrawCall::Kind::Flood) {
      // The region the fill reaches: a copy flooded in the border colour changes exactly it.
      Surface copy = surface;
      Painter(copy).Flood(c.x1, c.y1, c.border, c.border);
      for (int y = 0; y < kSurfaceHeight; ++y) {
        if (copy.row_version(y) == surface.row_version(y)) continue;
        for (int x = 0; x < kSurfaceWidth; ++x)
          if (copy.At(x, y) != surface.At(x, y)) inked_.push_back(y * kSurfaceWidth + x);
      }
      return;
    }
    int left = 0, top = 0, right = 0, bottom = 0;
    switch (c.kind) {
      case DrawCall::Kind::Text: {
        const int cells = 2 * static_cast<int>(DecodeUtf8(c.text).size());
        left = Floor(c.x1) - 1;
        top = Floor(c.y1) - 1;
        right = left + cells * 8 * std::max(c.x_scale, 1) + 2;
        bottom = top + 16 * std::max(c.y_scale, 1) + 2;
        Painter(scratch_).Text(c.x1, c.y1, c.text, c.x_scale, c.y_scale, 1);
        break;
      }
      case DrawCall::Kind::Line:
        left = Floor(std::min(c.x1, c.x2)) - 1;
        right = Floor(std::max(c.x1, c.x2)) + 2;
        top = Floor(std::min(c.y1, c.y2)) - 1;
        bottom = Floor(std::max(c.y1, c.y2)) + 2;
        Painter(scratch_).Line(c.x1, c.y1, c.x2, c.y2, 1, c.shape, c.style);
        break;
      case DrawCall::Kind::Circle:
        left = Floor(c.x1 - c.r) - 2;
        right = Floor(c.x1 + c.r) + 3;
        top = Floor(c.y1 - c.r) - 2;
        bottom = Floor(c.y1 + c.r) + 3;
        Painter(scratch_).Circle(c.x1, c.y1, c.r, 1, c.fill);
        break;
      default:
        return;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, kSurfaceWidth - 1);
    bottom = std::min(bottom, kSurfaceHeight - 1);
    // Two pixels a byte: most bytes of the box are blank and are passed over whole.
    for (int y = top; y <= bottom; ++y) {
      const std::uint8_t* row = scratch_.PackedRow(y);
      for (int pair = left / 2; pair <= right / 2; ++pair) {
        const std::uint8_t both = row[pair];
        if (both == 0) continue;
        for (const int x : {2 * pair, 2 * pair + 1}) {
          if ((x % 2 == 0 ? both >> 4 : both & 15) == 0) continue;
          inked_.push_back(y * kSurfaceWidth + x);
          scratch_.Set(x, y, 0);
        }
      }
    }
  }

  static int Round(float v) { return Floor(v + 0.5f); }
  static int Floor(float v) {
    if (!(v > -1e6f)) return -1000000;
    if (!(v < 1e6f)) return 1000000;
    return static_cast<int>(std::floor(v));
  }

  // Pixel p was inked by inks_[owner_[p]] when stamp_[p] is the current generation.
  std::vector<std::int32_t> owner_ =
      std::vector<std::int32_t>(static_cast<size_t>(kSurfaceWidth) * kSurfaceHeight, -1);
  std::vector<std::uint32_t> stamp_ =
      std::vector<std::uint32_t>(static_cast<size_t>(kSurfaceWidth) * kSurfaceHeight, 0);
  std::uint32_t generation_ = 1;
  // The same for the grid under the figures.
  std::vector<std::int32_t> grid_owner_ =
      std::vector<std::int32_t>(static_cast<size_t>(kSurfaceWidth) * kSurfaceHeight, -1);
  std::vector<std::uint32_t> grid_stamp_ =
      std::vector<std::uint32_t>(static_cast<size_t>(kSurfaceWidth) * kSurfaceHeight, 0);
  std::vector<Ink> inks_;
  std::unordered_map<std::string, int> objects_;
  Surface scratch_;
  std::vector<int> inked_;
  std::vector<DrawGroup> groups_;  // open, outermost first
  std::string group_key_, text_name_, last_render_;
  std::string where_, stage_ = "question";
  int judgements_ = 0;
  std::vector<Finding> findings_;
  std::map<std::tuple<std::string, std::string, std::string, std::string>, int> seen_;
};

// The seeds the audit plays: every seed the clock can give, or those DRILL_AUDIT_SEEDS names.
inline std::vector<int> AuditSeeds() {
  return ClockSeeds("DRILL_AUDIT_SEEDS");
}

inline std::string AuditPlace(const std::string& program, int problem, int seed,
                              const std::string& answer) {
  return program + " problem " + std::to_string(problem) + ", clock " + ClockFor(seed) + " (seed " +
         std::to_string(seed) + "), answered " + answer;
}

// Plays every problem of `unit` over the audit's seeds, answered right and answered wrong, typing
// at each wait what `keys` gives (the drill, the waits before, whether to answer wrongly); the
// audit watches the drawing, and only the course of the drill is traced.
inline void AuditEveryProblem(InkAudit& audit, const UnitDefinition& unit,
                              const std::function<std::string(const Drill&, int, bool)>& keys) {
  for (int k = 1; k <= unit.ProblemCount(); ++k) {
    for (const int seed : AuditSeeds()) {
      for (const bool wrong : {false, true}) {
        Session s(unit, seed);
        s.rt.SetTrace(&s.out, Runtime::TraceDetail::EventsOnly);
        s.rt.SetDrawObserver(&audit);
        audit.At(AuditPlace(unit.program, k, seed, wrong ? "wrong" : "right"));
        PlayProblem(s, k, [&](const Drill& d, int wait) { return keys(d, wait, wrong); });
      }
    }
  }
}

// Fails the test with every finding, one a line, except those a unit leaves alone on purpose
// (each given as a piece of the finding's line).
inline void ExpectNoFindings(const InkAudit& audit,
                             const std::vector<std::string>& left_alone = {}) {
  std::string all;
  size_t count = 0;
  for (const auto& f : audit.findings()) {
    const std::string line = f.Line();
    bool known = false;
    for (const auto& piece : left_alone) known = known || line.find(piece) != std::string::npos;
    if (known) continue;
    all += line + "\n";
    ++count;
  }
  EXPECT_EQ(count, 0u) << count << " places where ink lands on ink:\n" << all;
}

}  // namespace drill::testing
