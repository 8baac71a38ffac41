// The runtime services: drawing through the painter, the text layer, keys and the trace.
#include "runtime/runtime.hpp"

#include <string>

#include "runtime/key_names.hpp"
#include "runtime/text.hpp"

namespace drill {
namespace {

const char* ShapeName(Shape shape) {
  switch (shape) {
    case Shape::Box:
      return "box";
    case Shape::Fill:
      return "fill";
    case Shape::Line:
      break;
  }
  return "line";
}

const char* StyleName(LineStyle style) {
  return style == LineStyle::Dotted ? "dotted" : "solid";
}

// One trace line: a name and its fields, each after one blank.
std::string Fields(std::string_view name, std::initializer_list<std::string> fields) {
  std::string line(name);
  for (const std::string& field : fields) {
    line += ' ';
    line += field;
  }
  return line;
}

}  // namespace

void Runtime::Trace(std::string_view line) {
  if (trace_) trace_(line);
  if (observer_ != nullptr) observer_->Event(line);
}

void Runtime::ClearScreen() {
  if (observer_ != nullptr) observer_->Drawing({}, surface_);
  surface_.Clear(0);
}

void Runtime::DrawTextAt(float x, float y, std::string_view text, int x_scale, int y_scale,
                         int colour) {
  if (TracingDrawing()) {
    Trace(Fields("text", {NumberText(x), NumberText(y), std::to_string(colour),
                          std::to_string(x_scale), std::to_string(y_scale), std::string(text)}));
  }
  if (observer_ != nullptr) {
    DrawCall call;
    call.kind = DrawCall::Kind::Text;
    call.x1 = x;
    call.y1 = y;
    call.colour = colour;
    call.x_scale = x_scale;
    call.y_scale = y_scale;
    call.text = text;
    observer_->Drawing(call, surface_);
  }
  painter_.Text(x, y, text, x_scale, y_scale, colour);
}

void Runtime::DrawLine(float x1, float y1, float x2, float y2, int colour, Shape shape,
                       LineStyle style) {
  if (TracingDrawing()) {
    Trace(Fields("line", {NumberText(x1), NumberText(y1), NumberText(x2), NumberText(y2),
                          std::to_string(colour), ShapeName(shape), StyleName(style)}));
  }
  if (observer_ != nullptr) {
    DrawCall call;
    call.kind = DrawCall::Kind::Line;
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.colour = colour;
    call.shape = shape;
    call.style = style;
    observer_->Drawing(call, surface_);
  }
  painter_.Line(x1, y1, x2, y2, colour, shape, style);
}

void Runtime::DrawCircle(float x, float y, float r, int colour, CircleFill fill) {
  if (TracingDrawing()) {
    Trace(Fields("circle", {NumberText(x), NumberText(y), NumberText(r), std::to_string(colour),
                            fill == CircleFill::Filled ? "1" : "0"}));
  }
  if (observer_ != nullptr) {
    DrawCall call;
    call.kind = DrawCall::Kind::Circle;
    call.x1 = x;
    call.y1 = y;
    call.r = r;
    call.colour = colour;
    call.fill = fill;
    observer_->Drawing(call, surface_);
  }
  painter_.Circle(x, y, r, colour, fill);
}

void Runtime::FloodFill(float x, float y, int colour, int border) {
  if (TracingDrawing()) {
    Trace(Fields("flood",
                 {NumberText(x), NumberText(y), std::to_string(colour), std::to_string(border)}));
  }
  if (observer_ != nullptr) {
    DrawCall call;
    call.kind = DrawCall::Kind::Flood;
    call.x1 = x;
    call.y1 = y;
    call.colour = colour;
    call.border = border;
    observer_->Drawing(call, surface_);
  }
  painter_.Flood(x, y, colour, border);
}

void Runtime::DrawFilledBox(float x1, float y1, float x2, float y2, int outline, int interior) {
  DrawLine(x1, y1, x2, y2, interior, Shape::Fill);
  DrawLine(x1, y1, x2, y2, outline, Shape::Box);
}

void Runtime::MoveTextCursor(int column, int row) {
  text_column_ = column;
  text_row_ = row;
}

void Runtime::PrintText(std::string_view text) {
  const int width = SjisWidth(text);
  if (width == 0) return;
  const auto x = static_cast<float>(text_column_ * 8);
  const auto y = static_cast<float>(text_row_ * 16);
  // Each cell's background first, so printing blanks over a field erases it.
  DrawLine(x, y, x + static_cast<float>(width * 8 - 1), y + 15, 0, Shape::Fill);
  DrawTextAt(x, y, text, 1, 1, kTextLayerColour);
  text_column_ += width;
}

void Runtime::PrintNumberFormatted(std::string_view format, float value) {
  std::string text = NumberText(value);
  const int cells = CharacterCount(format);
  const int width = SjisWidth(text);
  // A number wider than its field is printed in full rather than cut.
  if (width < cells) text.insert(0, static_cast<size_t>(cells - width), ' ');
  PrintText(text);
}

std::string Runtime::KeyText(const KeyPress& key) const {
  if (key.function_key > 0) {
    if (key.function_key < static_cast<int>(function_keys_.size())) {
      return function_keys_[static_cast<size_t>(key.function_key)];
    }
    return {};
  }
  return key.text;
}

std::string Runtime::ReadKey() {
  if (pending_.empty()) {
    platform_.TakeKeys(pending_);
    if (pending_.empty()) {
      platform_.Idle(surface_);
      platform_.TakeKeys(pending_);
      if (pending_.empty()) return {};
    }
  }
  KeyPress key = pending_.front();
  pending_.pop_front();
  if (key.tap) {
    // The keys the tap stands for here go first in the queue, ahead of anything typed after it.
    const std::vector<std::string> keys =
        tap_meaning_ ? tap_meaning_(*key.tap) : std::vector<std::string>{};
    if (keys.empty()) return {};
    for (auto k = keys.rbegin(); k != keys.rend(); ++k) pending_.push_front(KeyPress{0, *k});
    key = pending_.front();
    pending_.pop_front();
  }
  std::string text = KeyText(key);
  // A function key with no text defined for it delivers nothing.
  if (key.function_key > 0 && text.empty()) return {};
  if (TracingDrawing()) {
    const KeyPress taken = key.function_key > 0 ? key : KeyPress{0, text};
    Trace("key " + KeyName(taken));
  }
  return text;
}

void Runtime::FlushKeys() {
  // Only the keys that are already there: the platform is not asked to wait for more.
  platform_.TakeKeys(pending_);
  pending_.clear();
}

void Runtime::DefineFunctionKey(int number, std::string text) {
  if (number < 1 || number >= static_cast<int>(function_keys_.size())) return;
  function_keys_[static_cast<size_t>(number)] = std::move(text);
}

void Runtime::EndProgram() {
  Trace("end");
  throw ProgramEnd{};
}

}  // namespace drill

namespace drill {

std::string Runtime::Today() {
  if (keeper_ == nullptr) return {};
  try {
    return keeper_->Today();
  } catch (...) {
    return {};
  }
}

void Runtime::KeepRecord(const SessionRecord& record) {
  if (keeper_ == nullptr) return;
  try {
    keeper_->Keep(record);
  } catch (...) {
    // The keeper stores the whole record again at the next change; the drill goes on.
  }
}

std::optional<SessionRecord> Runtime::UnfinishedRecord(std::string_view program,
                                                       int problem_count) {
  if (keeper_ == nullptr) return std::nullopt;
  try {
    return keeper_->Unfinished(program, problem_count);
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace drill
