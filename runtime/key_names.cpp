// The names of keys as key scripts and the trace write them: one table serves both directions.
#include "runtime/key_names.hpp"

#include <array>

namespace drill {
namespace {

struct NamedKey {
  std::string_view name;
  char code;
};

constexpr std::array<NamedKey, 9> kNamedKeys{{
    {"Enter", 13},
    {"Space", ' '},
    {"BS", 8},
    {"Del", 127},
    {"Clear", 12},
    {"Left", 29},
    {"Right", 28},
    {"Up", 30},
    {"Down", 31},
}};

// "x,y": a tap at that point of the surface, each coordinate a whole number inside it.
std::optional<KeyPress> TapFromName(std::string_view place) {
  std::array<int, 2> xy{};
  size_t pos = 0;
  for (size_t i = 0; i < xy.size(); ++i) {
    const size_t start = pos;
    int value = 0;
    while (pos < place.size() && place[pos] >= '0' && place[pos] <= '9' && pos - start < 4)
      value = value * 10 + (place[pos++] - '0');
    if (pos == start) return std::nullopt;
    xy[i] = value;
    if (i == 0) {
      if (pos >= place.size() || place[pos] != ',') return std::nullopt;
      ++pos;
    }
  }
  if (pos != place.size() || xy[0] >= kSurfaceWidth || xy[1] >= kSurfaceHeight) return std::nullopt;
  return KeyPress::TapAt({xy[0], xy[1]});
}

}  // namespace

std::optional<KeyPress> KeyFromName(std::string_view name) {
  if (name.substr(0, 4) == "Tap ") return TapFromName(name.substr(4));
  for (const NamedKey& key : kNamedKeys) {
    if (key.name == name) return KeyPress{0, std::string(1, key.code)};
  }
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
    int number = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9') return std::nullopt;
      number = number * 10 + (c - '0');
    }
    // "F01" is not a key name; F1..F11 are.
    if (name[1] != '0' && number >= 1 && number <= 11) return KeyPress{number, {}};
  }
  return std::nullopt;
}

std::string KeyName(const KeyPress& key) {
  if (key.tap) return "{Tap " + std::to_string(key.tap->x) + "," + std::to_string(key.tap->y) + "}";
  if (key.function_key > 0) return "{F" + std::to_string(key.function_key) + "}";
  if (key.text == "{") return "{{";
  for (const NamedKey& named : kNamedKeys) {
    if (key.text.size() == 1 && key.text[0] == named.code)
      return "{" + std::string(named.name) + "}";
  }
  return key.text;
}

}  // namespace drill
