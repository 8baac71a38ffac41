// The window version's record keeper: each session's results sheet as a CSV file in the user's
// data folder, written again whole at every change.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/session_record.hpp"

namespace drill {

// The local clock written with strftime's `format`: the platforms' time of day ("%H:%M:%S") and
// the sheets' date.
std::string LocalTimeText(const char* format);
// Today's date from the local clock, "yyyy/mm/dd", as the sheets write it.
inline std::string LocalDateText() {
  return LocalTimeText("%Y/%m/%d");
}

// The folder of the sheets: "$XDG_DATA_HOME/maths-drills", or "$HOME/.local/share/maths-drills"
// when XDG_DATA_HOME is unset, empty or not an absolute path; "" when neither is known.
std::string SheetFolder(const char* xdg_data_home, const char* home);

class SheetFileKeeper : public RecordKeeper {
 public:
  // Writes a whole file; false on failure (leaving what stood at the path as it was).
  using Writer = std::function<bool(const std::string& path, std::string_view bytes)>;
  explicit SheetFileKeeper(std::string folder, Writer writer = {});

  // Writes the session's sheet over its file. A write that fails (a full disk, a folder that
  // cannot be made) leaves the last good file in place; the record stays in memory and the
  // next change, or WriteAgainIfBehind, writes it whole.
  void Keep(const SessionRecord& record) override;
  // Every run of a window program is a session of its own.
  std::optional<SessionRecord> Unfinished(std::string_view, int) override { return std::nullopt; }
  std::string Today() override;

  // Whether the latest record is not on disk yet.
  bool Behind() const { return behind_; }
  // One more try for a record not yet on disk, as the program ends.
  void WriteAgainIfBehind();

 private:
  bool Write(const SessionRecord& record);

  std::string folder_;
  Writer writer_;
  std::optional<SessionRecord> latest_;
  bool behind_ = false;
};

}  // namespace drill
