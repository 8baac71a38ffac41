// The session record's two written forms: the results sheet (CSV) and the kept text.
#include "runtime/session_record.hpp"

#include <charconv>

namespace drill {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A CSV field, quoted only when it holds a separator, a quote or a line end.
std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string_view MarkText(FirstTry mark) {
  switch (mark) {
    case FirstTry::Right:
      return "○";
    case FirstTry::Wrong:
      return "×";
    case FirstTry::None:
      break;
  }
  return "";
}

// A run of digits as a whole number; nothing for anything else.
std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

// The next line of `text` (without its line end), consuming it.
std::string_view TakeLine(std::string_view& text) {
  const size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

// Splits "name value" at the first blank.
bool Field(std::string_view line, std::string_view name, std::string_view& value) {
  if (line.size() < name.size() + 1 || line.substr(0, name.size()) != name ||
      line[name.size()] != ' ')
    return false;
  value = line.substr(name.size() + 1);
  return true;
}

std::optional<FirstTry> MarkFromNumber(std::string_view text) {
  const auto n = WholeNumber(text);
  if (!n || *n > 2) return std::nullopt;
  return static_cast<FirstTry>(*n);
}

}  // namespace

SessionRecord NewSessionRecord(std::string program, std::string title, int problem_count) {
  SessionRecord record;
  record.program = std::move(program);
  record.title = std::move(title);
  record.problems.assign(static_cast<size_t>(problem_count), ProblemRecord{});
  record.strip = record.problems;
  return record;
}

std::string SheetCsv(const SessionRecord& record) {
  std::string csv(kByteOrderMark);
  const auto row = [&csv](std::string_view first, std::string_view second,
                          std::string_view third = {}, bool three = false) {
    csv += CsvField(first) + ',' + CsvField(second);
    if (three) csv += ',' + CsvField(third);
    csv += "\r\n";
  };
  row("タイトル", record.title);
  row("日付", record.date);
  row("開始時刻", record.start_time);
  row("終了時刻", record.end_time);
  row("問題", "1回目の結果", "練習した回数", true);
  for (size_t i = 0; i < record.problems.size(); ++i) {
    const ProblemRecord& problem = record.problems[i];
    row(std::to_string(i + 1), MarkText(problem.first_try), std::to_string(problem.runs), true);
  }
  return csv;
}

std::string SheetFileName(const SessionRecord& record) {
  std::string name = record.program + '_';
  for (char c : record.date) name += c == '/' ? '-' : c;
  name += '_';
  for (char c : record.start_time)
    if (c != ':') name += c;
  return name + ".csv";
}

std::string RecordText(const SessionRecord& record) {
  std::string text = "program " + record.program + "\ntitle " + record.title + "\ndate " +
                     record.date + "\nstart " + record.start_time + "\nend " + record.end_time +
                     "\nseries " + std::to_string(record.series) + "\nin-progress " +
                     std::to_string(record.problem_in_progress) + "\nended " +
                     (record.ended ? "1" : "0") + '\n';
  for (size_t i = 0; i < record.problems.size() && i < record.strip.size(); ++i) {
    const ProblemRecord& whole = record.problems[i];
    const ProblemRecord& strip = record.strip[i];
    text += "problem " + std::to_string(static_cast<int>(whole.first_try)) + ' ' +
            std::to_string(whole.runs) + ' ' + std::to_string(static_cast<int>(strip.first_try)) +
            ' ' + std::to_string(strip.runs) + '\n';
  }
  return text;
}

std::optional<SessionRecord> ParseRecordText(std::string_view text, int problem_count) {
  SessionRecord record;
  std::string_view value;
  const auto text_field = [&](std::string_view name, std::string& into) {
    if (!Field(TakeLine(text), name, value)) return false;
    into = std::string(value);
    return true;
  };
  const auto number_field = [&](std::string_view name, int& into) {
    if (!Field(TakeLine(text), name, value)) return false;
    const auto n = WholeNumber(value);
    if (!n) return false;
    into = *n;
    return true;
  };
  int ended = 0;
  if (!text_field("program", record.program) || !text_field("title", record.title) ||
      !text_field("date", record.date) || !text_field("start", record.start_time) ||
      !text_field("end", record.end_time) || !number_field("series", record.series) ||
      !number_field("in-progress", record.problem_in_progress) || !number_field("ended", ended) ||
      ended > 1 || record.problem_in_progress > problem_count)
    return std::nullopt;
  record.ended = ended == 1;
  for (int k = 1; k <= problem_count; ++k) {
    if (!Field(TakeLine(text), "problem", value)) return std::nullopt;
    std::string_view parts[4];
    for (std::string_view& part : parts) {
      const size_t blank = value.find(' ');
      part = value.substr(0, blank);
      value.remove_prefix(blank == std::string_view::npos ? value.size() : blank + 1);
    }
    const auto whole_mark = MarkFromNumber(parts[0]);
    const auto whole_runs = WholeNumber(parts[1]);
    const auto strip_mark = MarkFromNumber(parts[2]);
    const auto strip_runs = WholeNumber(parts[3]);
    if (!whole_mark || !whole_runs || !strip_mark || !strip_runs || !value.empty())
      return std::nullopt;
    record.problems.push_back({*whole_mark, *whole_runs});
    record.strip.push_back({*strip_mark, *strip_runs});
  }
  if (!text.empty()) return std::nullopt;
  return record;
}

}  // namespace drill
