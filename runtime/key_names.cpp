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

}  // namespace

std::optional<KeyPress> KeyFromName(std::string_view name) {
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
  if (key.function_key > 0) return "{F" + std::to_string(key.function_key) + "}";
  if (key.text == "{") return "{{";
  for (const NamedKey& named : kNamedKeys) {
    if (key.text.size() == 1 && key.text[0] == named.code)
      return "{" + std::string(named.name) + "}";
  }
  return key.text;
}

}  // namespace drill
