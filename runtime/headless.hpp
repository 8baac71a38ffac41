// The headless platform: keys from a script, the surface stays in memory.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform.hpp"
#include "session_record.hpp"

namespace drill {

// Parses a key script: characters are typed text, each a key as the window reads typed text (an
// input method's 「ー」 is the minus key, KeysOfText); braces name the other keys ({Enter}
// {Space} {BS} {Del} {Clear} {Left} {Right} {Up} {Down} {F1}..{F11}), "{Tap x,y}" is a tap or
// click at that point of the surface, "{{" is a literal "{".
// Returns nothing for a malformed script (an unknown or unclosed name, a broken UTF-8 sequence),
// and then, when asked, where and what the problem is.
struct KeyScriptError {
  size_t position = 0;  // 1-based, in characters
  std::string piece;    // the offending piece, shortened when long
  std::string why;
};
std::optional<std::vector<KeyPress>> ParseKeyScript(std::string_view script,
                                                    KeyScriptError* error = nullptr);

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(std::vector<KeyPress> script = {}, std::string clock = "12:00:00")
      : script_(std::move(script)), clock_(std::move(clock)) {}

  // A scripted key becomes pending only when the program waits for a key (Idle), so flushing
  // never swallows one. With no scripted key left, Idle throws ScriptEnd.
  void TakeKeys(std::deque<KeyPress>& keys) override;
  void Idle(const Surface& surface) override;
  std::string ClockText() override { return clock_; }

  size_t keys_left() const { return script_.size() - next_; }

 private:
  std::vector<KeyPress> script_;
  size_t next_ = 0;
  std::deque<KeyPress> pending_;
  std::string clock_;
};

// The headless keeper: holds the latest record of the run, for its sheet; the date is fixed
// like the clock.
class LatestRecordKeeper : public RecordKeeper {
 public:
  explicit LatestRecordKeeper(std::string date) : date_(std::move(date)) {}
  void Keep(const SessionRecord& record) override { latest_ = record; }
  std::optional<SessionRecord> Unfinished(std::string_view, int) override { return std::nullopt; }
  std::string Today() override { return date_; }
  const std::optional<SessionRecord>& latest() const { return latest_; }

 private:
  std::string date_;
  std::optional<SessionRecord> latest_;
};

// Writes the surface as a 1440 x 900 PNG in the palette's colours, as WriteOutputFile writes;
// false on failure.
bool WritePng(const Surface& surface, const std::string& path);

}  // namespace drill
