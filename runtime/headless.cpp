// The headless platform: keys come from a parsed key script and are released one wait at a time.
#include "runtime/headless.hpp"

#include <utility>

#include "runtime/key_names.hpp"
#include "runtime/text.hpp"

namespace drill {

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
    const std::optional<KeyPress> key = KeyFromName(script.substr(pos + 1, close - pos - 1));
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
