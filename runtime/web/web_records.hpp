// The browser's record keeper: the session in progress kept in the page's storage on the device,
// ended sessions handed to the page's list of past sessions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/session_record.hpp"

namespace drill {

class PageRecordKeeper : public RecordKeeper {
 public:
  // Keeps the record for the next visit and gives the page the sheet (CSV) and whether a problem
  // is in progress (leaving then asks first); an ended session goes to the list of past ones and
  // the next visit starts a new session.
  void Keep(const SessionRecord& record) override;
  std::optional<SessionRecord> Unfinished(std::string_view program, int problem_count) override;
  std::string Today() override;
};

}  // namespace drill
