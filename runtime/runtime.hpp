// The runtime services: every drawing and keyboard operation of the drills goes through here.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "draw_observer.hpp"
#include "key_names.hpp"
#include "numbers.hpp"
#include "painter.hpp"
#include "platform.hpp"
#include "session_record.hpp"
#include "surface.hpp"

namespace drill {

// Text colour of PrintText and PrintNumberFormatted.
inline constexpr int kTextLayerColour = 7;

class Runtime {
 public:
  explicit Runtime(Platform& platform) : platform_(platform), painter_(surface_) {}

  // Every later drawing call, key taken and framework event is written to `trace` as one line
  // (nullptr: no trace); with TraceDetail::EventsOnly only the events of the drill's course are
  // (problem, judge, end, error), for runs that follow it without paying for every drawing.
  enum class TraceDetail { Everything, EventsOnly };
  // Takes one trace line, without its line end.
  using TraceSink = std::function<void(std::string_view line)>;
  void SetTraceSink(TraceSink sink, TraceDetail detail = TraceDetail::Everything) {
    trace_ = std::move(sink);
    trace_drawing_ = detail == TraceDetail::Everything;
  }
  // Streams stay out of the runtime itself, so that a program that never traces carries none of
  // the stream library.
  void SetTrace(std::ostream* trace, TraceDetail detail = TraceDetail::Everything) {
    TraceSink sink;
    if (trace != nullptr) sink = [trace](std::string_view line) { *trace << line << '\n'; };
    SetTraceSink(std::move(sink), detail);
  }
  bool Tracing() const { return trace_ != nullptr; }
  // Whether drawing calls (texts included) are traced.
  bool TracingDrawing() const { return trace_ != nullptr && trace_drawing_; }
  // Writes one event line to the trace (framework events: problem, render, judge, end, error).
  void Trace(std::string_view line);

  // Tools that check the screens watch every drawing call (nullptr: nobody watches).
  void SetDrawObserver(DrawObserver* observer) { observer_ = observer; }
  bool Observed() const { return observer_ != nullptr; }
  void BeginGroup(DrawGroup group) {
    if (observer_ != nullptr) observer_->Group(group, true);
  }
  void EndGroup(DrawGroup group) {
    if (observer_ != nullptr) observer_->Group(group, false);
  }

  // Drawing. Coordinates are pixels, colours palette codes.
  void ClearScreen();
  void DrawTextAt(float x, float y, std::string_view text, int x_scale, int y_scale, int colour);
  void DrawLine(float x1, float y1, float x2, float y2, int colour, Shape shape = Shape::Line,
                LineStyle style = LineStyle::Solid);
  void DrawCircle(float x, float y, float r, int colour, CircleFill fill);
  void FloodFill(float x, float y, int colour, int border);
  // A filled box with an outline of another colour: the interior fill, then the outline.
  void DrawFilledBox(float x1, float y1, float x2, float y2, int outline, int interior);

  // The text layer: cells of 8 x 16 pixels. Printing paints each cell's background in colour 0
  // and then the character in kTextLayerColour, so printing blanks erases.
  void MoveTextCursor(int column, int row);
  void PrintText(std::string_view text);
  // A "##"-style format: the number right-aligned in as many cells as the format has characters.
  void PrintNumberFormatted(std::string_view format, float value);

  // Keys. ReadKey returns the next pending key as text, "" when none is pending (it never blocks,
  // but lets the platform show the surface and wait a moment, so polling loops stay idle).
  std::string ReadKey();
  // Discards the keys that are already pending, and only those.
  void FlushKeys();
  void DefineFunctionKey(int number, std::string text);
  // What a tap or click on the drawing stands for while the drill waits: the keys it types, in
  // order (none: it means nothing there). ReadKey delivers and traces those keys as if typed, so
  // a tapped run and a typed one are alike; with no meaning set, taps are dropped.
  using TapMeaning = std::function<std::vector<std::string>(SurfacePoint)>;
  void SetTapMeaning(TapMeaning meaning) { tap_meaning_ = std::move(meaning); }
  const TapMeaning& tap_meaning() const { return tap_meaning_; }

  std::string ClockText() { return platform_.ClockText(); }
  // Today's date, "yyyy/mm/dd", from the record keeper's clock ("" without a keeper).
  std::string Today();

  // The session record goes to the platform's keeper (none: it is not kept). Keeping never
  // throws: a record that cannot be stored must not stop the drill.
  void SetRecordKeeper(RecordKeeper* keeper) { keeper_ = keeper; }
  void KeepRecord(const SessionRecord& record);
  std::optional<SessionRecord> UnfinishedRecord(std::string_view program, int problem_count);
  float Random() { return random_.Next(); }
  void SeedRandom(int seed) { random_.Seed(static_cast<std::uint32_t>(seed)); }

  // Ends the program at once: traces "end" and throws ProgramEnd.
  [[noreturn]] void EndProgram();

  const Surface& surface() const { return surface_; }
  Surface& surface() { return surface_; }

 private:
  std::string KeyText(const KeyPress& key) const;

  Platform& platform_;
  Surface surface_;
  Painter painter_;
  std::deque<KeyPress> pending_;
  std::array<std::string, 12> function_keys_{};
  RandomGenerator random_;
  int text_column_ = 0, text_row_ = 0;
  TraceSink trace_;
  bool trace_drawing_ = true;
  RecordKeeper* keeper_ = nullptr;
  DrawObserver* observer_ = nullptr;
  TapMeaning tap_meaning_;
};

}  // namespace drill
