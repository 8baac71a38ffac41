// Writing a run's output to a path without ever destroying what stood there.
#include "runtime/output_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace drill {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// A device, a pipe or the like: written where it stands.
bool WriteInPlace(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  return ::close(fd) == 0 && written;
}

// A regular file: a new file beside it, renamed over it once complete.
bool Replace(const std::string& target, std::string_view bytes, mode_t mode) {
  std::string temporary = target + ".partial-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace

bool WriteOutputFile(const std::string& path, std::string_view bytes) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno != ENOENT) return false;
    // A new file gets the usual permissions: read and write for all, less the umask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return Replace(path, bytes, 0666 & ~mask);
  }
  if (!S_ISREG(status.st_mode)) return WriteInPlace(path, bytes);
  // Through a link, the file it names is replaced and the link stays.
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return false;
  return Replace(resolved, bytes, status.st_mode & 07777);
}

}  // namespace drill
