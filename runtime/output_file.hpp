// Writing a run's output (a trace, a picture) to a path without ever destroying what stood there.
#pragma once

#include <string>
#include <string_view>

namespace drill {

// Writes `bytes` to `path`. A regular file (or a path that does not exist yet) is written beside
// the target and renamed over it only once the write has succeeded, so a reader never sees half
// a file and a failure leaves the old file as it was; a symbolic link to a regular file keeps
// being a link. Anything else (a device, a pipe, /dev/stdout) is written in place and never
// removed. Returns false on failure, with nothing at the path changed but what a device or pipe
// already took.
bool WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace drill
