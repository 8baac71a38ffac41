// The headless platform: keys come from a parsed key script and are released one wait at a time.
#include "runtime/headless.hpp"

#include <algorithm>
#include <utility>

#include "runtime/key_input.hpp"
#include "runtime/key_names.hpp"
#include "runtime/text.hpp"

namespace drill {

namespace {

// What a problem in a script is shown as: at most 24 bytes of it, cut at a character boundary.
std::string Excerpt(std::string_view piece) {
  size_t end = std::min<size_t>(piece.size(), 24);
  while (end < piece.size() && end > 0 && (static_cast<unsigned char>(piece[end]) & 0xC0) == 0x80)
    --end;
  return std::string(piece.substr(0, end)) + (end < piece.size() ? "…" : "");
}

std::optional<std::vector<KeyPress>> Fail(KeyScriptError* error, size_t position,
                                          std::string_view piece, std::string why) {
  if (error != nullptr) *error = {position, Excerpt(piece), std::move(why)};
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<KeyPress>> ParseKeyScript(std::string_view script,
                                                    KeyScriptError* error) {
  std::vector<KeyPress> keys;
  // The characters since the last named key, read as the window reads typed text: an input
  // method's 「ー７」 is the keys "-" and "7".
  std::string typed;
  const auto type_characters = [&keys, &typed] {
    for (std::string& key : KeysOfText(typed)) keys.push_back(KeyPress{0, std::move(key)});
    typed.clear();
  };
  size_t pos = 0;
  size_t character = 1;  // position of script[pos], counted in characters
  while (pos < script.size()) {
    if (script[pos] != '{') {
      // One key per character: take the whole UTF-8 sequence, which must be one valid character.
      size_t next = pos + 1;
      while (next < script.size() && (static_cast<unsigned char>(script[next]) & 0xC0) == 0x80) {
        ++next;
      }
      const std::string_view text = script.substr(pos, next - pos);
      const std::u32string decoded = DecodeUtf8(text);
      if (decoded.size() != 1 || EncodeUtf8(decoded[0]) != text)
        return Fail(error, character, text, "not a whole UTF-8 character");
      typed += text;
      pos = next;
      character += 1;
      continue;
    }
    type_characters();
    if (pos + 1 < script.size() && script[pos + 1] == '{') {
      keys.push_back(KeyPress{0, "{"});
      pos += 2;
      character += 2;
      continue;
    }
    const size_t close = script.find('}', pos + 1);
    if (close == std::string_view::npos)
      return Fail(error, character, script.substr(pos), "a key name without its closing }");
    const std::string_view name = script.substr(pos, close - pos + 1);
    const std::optional<KeyPress> key = KeyFromName(name.substr(1, name.size() - 2));
    if (!key) return Fail(error, character, name, "an unknown key name");
    keys.push_back(*key);
    character += static_cast<size_t>(CharacterCount(name));
    pos = close + 1;
  }
  type_characters();
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
