// Turns fuzzer bytes into keys a pupil can type: each byte picks one key of a fixed table, so
// every input is a valid key sequence and the fuzzer explores what the keys do.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/headless.hpp"

namespace drill {

inline std::vector<KeyPress> KeysFromBytes(std::span<const std::uint8_t> bytes) {
  static constexpr std::array<std::string_view, 64> kKeys = {
      "{Enter}", "{Enter}", "{BS}",  "{Del}", "{Clear}", "{Space}", "{Left}", "{Right}",
      "{Up}",    "{Down}",  "{F1}",  "{F2}",  "{F3}",    "{F4}",    "{F5}",   "{F6}",
      "{F7}",    "{F8}",    "{F9}",  "{F10}", "{F11}",   "0",       "1",      "2",
      "3",       "4",       "5",     "6",     "7",       "8",       "9",      "-",
      "+",       "*",       "/",     "=",     "<",       ">",       ",",      "(",
      ")",       ".",       ":",     "x",     "X",       "y",       "a",      "b",
      "c",       "Q",       "W",     "S",     "V",       "@",       "[",      "]",
      "I",       "ﾀ",       "ﾝ",     "１",    "Ｘ",      "　",      "e",      "{{"};
  std::vector<KeyPress> keys;
  for (const std::uint8_t b : bytes) {
    const auto parsed = ParseKeyScript(kKeys[b % kKeys.size()]);
    keys.insert(keys.end(), parsed->begin(), parsed->end());
  }
  return keys;
}

}  // namespace drill
