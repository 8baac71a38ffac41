// Turns fuzzer bytes into keys a pupil can type: each byte picks one key of a fixed table, so
// every input is a valid key sequence and the fuzzer explores what the keys do.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/drill.hpp"
#include "runtime/headless.hpp"

namespace drill {

// Keys for one fuzz input, released one wait at a time as a key script is.
class FuzzKeys : public Platform {
 public:
  void Set(std::vector<KeyPress> keys) {
    keys_.assign(keys.begin(), keys.end());
    pending_.clear();
  }
  void TakeKeys(std::deque<KeyPress>& keys) override {
    keys.insert(keys.end(), pending_.begin(), pending_.end());
    pending_.clear();
  }
  void Idle(const Surface&) override {
    if (!pending_.empty()) return;
    if (keys_.empty()) throw ScriptEnd{};
    pending_.push_back(keys_.front());
    keys_.pop_front();
  }
  std::string ClockText() override { return "12:00:00"; }

 private:
  std::deque<KeyPress> keys_, pending_;
};

// One drill kept from input to input: making a fresh 1440 x 900 surface for every input would
// cost more than what the input exercises. The function keys are defined as at start-up.
struct FuzzDrill {
  FuzzKeys keys;
  Runtime rt{keys};
  UnitDefinition unit{"fuzz", "fuzz", {}};
  Drill d{rt, unit};

  FuzzDrill() {
    const char* codes[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S", "V"};
    for (int i = 1; i <= 11; ++i) rt.DefineFunctionKey(i, codes[i - 1]);
  }
  // Starts an input: these keys, none left over from the last input.
  Drill& Start(std::vector<KeyPress> keys) {
    rt.FlushKeys();
    this->keys.Set(std::move(keys));
    return d;
  }
};

inline FuzzDrill& SharedDrill() {
  static FuzzDrill drill;
  return drill;
}

inline std::vector<KeyPress> KeysFromBytes(std::span<const std::uint8_t> bytes) {
  static constexpr std::array<std::string_view, 64> kKeys = {
      "{Enter}", "{Enter}", "{BS}", "{Del}", "{Clear}", "{Space}", "{Left}", "{Right}",
      "{Up}",    "{Down}",  "{F1}", "{F2}",  "{F3}",    "{F4}",    "{F5}",   "{F6}",
      "{F7}",    "{F8}",    "{F9}", "{F10}", "{F11}",   "0",       "1",      "2",
      "3",       "4",       "5",    "6",     "7",       "8",       "9",      "-",
      "+",       "*",       "/",    "=",     "<",       ">",       ",",      "(",
      ")",       ".",       ":",    "x",     "X",       "y",       "a",      "b",
      "c",       "Q",       "W",    "S",     "V",       "@",       "[",      "]",
      "I",       "ﾀ",       "ﾝ",    "１",    "Ｘ",      "　",      "e",      "{{"};
  std::vector<KeyPress> keys;
  for (const std::uint8_t b : bytes) {
    const auto parsed = ParseKeyScript(kKeys[b % kKeys.size()]);
    keys.insert(keys.end(), parsed->begin(), parsed->end());
  }
  return keys;
}

}  // namespace drill
