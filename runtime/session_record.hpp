// The record of one practice session that a teacher collects: when it ran and, per problem, the
// first-try mark and how often the problem was worked through; and the keeper that stores it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drill {

enum class FirstTry { None, Wrong, Right };

struct ProblemRecord {
  FirstTry first_try = FirstTry::None;
  int runs = 0;
  bool operator==(const ProblemRecord&) const = default;
};

struct SessionRecord {
  std::string program;               // "prop-apply"
  std::string title;                 // the unit's title
  std::string date;                  // "yyyy/mm/dd", the day the session started
  std::string start_time, end_time;  // "hh:mm:ss": the session's start and its last change
  // Problem k at index k - 1, for the whole session: the first mark it ever got and every run.
  std::vector<ProblemRecord> problems;
  // The results strip of the practice series in progress, so that a session taken up again
  // shows it as it was: the series number and per problem the strip's mark and count.
  int series = 0;
  std::vector<ProblemRecord> strip;
  int problem_in_progress = 0;  // 0 between problems
  bool ended = false;           // ended by the pupil's choice; the next start is a new session

  bool Started() const { return !start_time.empty(); }
  bool operator==(const SessionRecord&) const = default;
};

// An empty record of `problem_count` problems.
SessionRecord NewSessionRecord(std::string program, std::string title, int problem_count);

// The results sheet as CSV for spreadsheets: UTF-8 with a byte-order mark (without one, common
// spreadsheets read Japanese text as another encoding) and CRLF line ends.
std::string SheetCsv(const SessionRecord& record);
// The sheet's file name: program, date and start time, e.g. "prop-apply_2026-12-09_102030.csv".
std::string SheetFileName(const SessionRecord& record);

// The whole record as lines of text, for keeping progress on the device, and read back. Reading
// refuses (nothing) a text that is damaged or does not fit `problem_count`.
std::string RecordText(const SessionRecord& record);
std::optional<SessionRecord> ParseRecordText(std::string_view text, int problem_count);

// Where a platform keeps the session's record. The framework reports every change; a keeper
// never throws, and a record it could not store is stored whole at the next change.
class RecordKeeper {
 public:
  virtual ~RecordKeeper() = default;
  virtual void Keep(const SessionRecord& record) = 0;
  // The session of `program` that an earlier run left unfinished, if this platform keeps one.
  virtual std::optional<SessionRecord> Unfinished(std::string_view program, int problem_count) = 0;
  // Today's date as "yyyy/mm/dd" from the platform's clock.
  virtual std::string Today() = 0;
};

}  // namespace drill
