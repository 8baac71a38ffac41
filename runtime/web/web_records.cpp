// The session record in the browser: the page script (records.js) stores it on the device.
#include "runtime/web/web_records.hpp"

#include <emscripten.h>

#include <cstdlib>

#include "runtime/session_files.hpp"

namespace drill {
namespace {

// clang-format off
EM_JS(void, HandToPage, (const char* program, const char* kept, const char* csv,
                         const char* file_name, int in_progress, int ended), {
  if (!window["drillRecords"]) return;
  window["drillRecords"].keep({
    program: UTF8ToString(program), kept: UTF8ToString(kept), csv: UTF8ToString(csv),
    fileName: UTF8ToString(file_name), inProgress: in_progress !== 0, ended: ended !== 0
  });
});

// The kept text of `program`'s unfinished session, or "".
EM_JS(char*, KeptInPage, (const char* program), {
  const text = window["drillRecords"] ? window["drillRecords"].kept(UTF8ToString(program)) : "";
  const size = lengthBytesUTF8(text) + 1;
  const buffer = _malloc(size);
  stringToUTF8(text, buffer, size);
  return buffer;
});
// clang-format on

}  // namespace

void PageRecordKeeper::Keep(const SessionRecord& record) {
  HandToPage(record.program.c_str(), RecordText(record).c_str(), SheetCsv(record).c_str(),
             SheetFileName(record).c_str(), record.problem_in_progress != 0 ? 1 : 0,
             record.ended ? 1 : 0);
}

std::optional<SessionRecord> PageRecordKeeper::Unfinished(std::string_view program,
                                                          int problem_count) {
  char* kept = KeptInPage(std::string(program).c_str());
  const std::string text = kept;
  std::free(kept);
  if (text.empty()) return std::nullopt;
  return ParseRecordText(text, problem_count);
}

std::string PageRecordKeeper::Today() {
  return LocalDateText();
}

}  // namespace drill
