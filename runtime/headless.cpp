// The headless platform: keys come from a parsed key script and are released one wait at a time.
#include "runtime/headless.hpp"

#include <array>
#include <utility>

#include "runtime/text.hpp"

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

// The key a braced name stands for; nothing when the name is unknown.
std::optional<KeyPress> NamedKeyPress(std::string_view name) {
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

}  // namespace

std::optional<std::vector<KeyPress>> ParseKeyScript(std::string_view script) {
  std::vector<KeyPress> keys;
  size_t pos = 0;
  while (pos < script.size()) {
    if (script[pos] != '{') {
      // One key per character: take the whole UTF-8 sequence.
      size_t next = pos + 1;
      while (next < script.size() && (static_cast<unsigned char>(script[next]) & 0xC0) == 0x80) {
        ++next;
      }
      keys.push_back(KeyPress{0, std::string(script.substr(pos, next - pos))});
      pos = next;
      continue;
    }
    if (pos + 1 < script.size() && script[pos + 1] == '{') {
      keys.push_back(KeyPress{0, "{"});
      pos += 2;
      continue;
    }
    const size_t close = script.find('}', pos + 1);
    if (close == std::string_view::npos) return std::nullopt;
    const std::optional<KeyPress> key = NamedKeyPress(script.substr(pos + 1, close - pos - 1));
    if (!key) return std::nullopt;
    keys.push_back(*key);
    pos = close + 1;
  }
  // A script must be valid UTF-8: a key is one whole character.
  for (const KeyPress& key : keys) {
    if (key.function_key != 0) continue;
    const std::u32string decoded = DecodeUtf8(key.text);
    if (decoded.size() != 1 || EncodeUtf8(decoded[0]) != key.text) return std::nullopt;
  }
  return keys;
}

void HeadlessPlatform::TakeKeys(std::deque<KeyPress>& keys) {
  while (!pending_.empty()) {
    keys.push_back(std::move(pending_.front()));
    pending_.pop_front();
  }
}

void HeadlessPlatform::Idle(const Surface& /*surface*/) {
  // The next scripted key is typed only while the program waits with nothing pending; a key that
  // is still pending (not yet taken) holds the rest of the script back.
  if (!pending_.empty()) return;
  if (next_ >= script_.size()) throw ScriptEnd{};
  pending_.push_back(script_[next_++]);
}

}  // namespace drill
