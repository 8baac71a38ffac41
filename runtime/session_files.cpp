// Session sheets as files under the user's data folder.
#include "runtime/session_files.hpp"

#include <sys/stat.h>

#include <cerrno>
#include <ctime>

#include "runtime/output_file.hpp"

namespace drill {
namespace {

// Makes `folder` and the folders above it; true when it stands.
bool MakeFolders(const std::string& folder) {
  for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string SheetFolder(const char* xdg_data_home, const char* home) {
  const std::string data = xdg_data_home != nullptr ? xdg_data_home : "";
  if (data.starts_with('/')) return data + "/maths-drills";
  const std::string home_folder = home != nullptr ? home : "";
  if (home_folder.starts_with('/')) return home_folder + "/.local/share/maths-drills";
  return {};
}

SheetFileKeeper::SheetFileKeeper(std::string folder, Writer writer)
    : folder_(std::move(folder)), writer_(std::move(writer)) {
  if (!writer_)
    writer_ = [](const std::string& path, std::string_view bytes) {
      return WriteOutputFile(path, bytes);
    };
}

void SheetFileKeeper::Keep(const SessionRecord& record) {
  if (!record.Started()) return;
  latest_ = record;
  behind_ = !Write(record);
}

void SheetFileKeeper::WriteAgainIfBehind() {
  if (behind_ && latest_) behind_ = !Write(*latest_);
}

bool SheetFileKeeper::Write(const SessionRecord& record) {
  try {
    if (folder_.empty() || !MakeFolders(folder_)) return false;
    return writer_(folder_ + '/' + SheetFileName(record), SheetCsv(record));
  } catch (...) {
    return false;
  }
}

std::string SheetFileKeeper::Today() {
  return LocalDateText();
}

std::string LocalTimeText(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  return std::strftime(text, sizeof text, format, &local) > 0 ? text : "";
}

}  // namespace drill
