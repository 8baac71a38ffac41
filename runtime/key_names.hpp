// The names of keys as key scripts and the trace write them: {Enter}, {F1}, {{, a ...
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/platform.hpp"

namespace drill {

// The codes ReadKey gives for Enter, the editing keys and the arrow keys. The clear key is
// Ctrl+L; Space gives " ".
inline constexpr const char* kEnter = "\r";
inline constexpr const char* kBackspace = "\b";
inline constexpr const char* kDelete = "\x7f";
inline constexpr const char* kClear = "\f";
inline constexpr const char* kRight = "\x1c";
inline constexpr const char* kLeft = "\x1d";
inline constexpr const char* kUp = "\x1e";
inline constexpr const char* kDown = "\x1f";

// The key a braced name (without its braces) stands for; nothing when the name is unknown.
std::optional<KeyPress> KeyFromName(std::string_view name);
// The trace's name of a key, as a key script writes it.
std::string KeyName(const KeyPress& key);

}  // namespace drill
