// The entry point of the four programs in a browser: one module for all of them, so a school
// downloads it once; each program's page names the program it runs.
#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "programs/program_list.hpp"
#include "programs/run_in_browser.hpp"

namespace {

// clang-format off
EM_JS(char*, PageProgram, (), {
  const name = Module["program"] || "";
  const size = lengthBytesUTF8(name) + 1;
  const buffer = _malloc(size);
  stringToUTF8(name, buffer, size);
  return buffer;
});
// clang-format on

}  // namespace

int main() {
  char* name = PageProgram();
  const drill::UnitDefinition* unit = drill::FindProgramUnit(name);
  std::free(name);
  if (unit == nullptr) return 1;
  return drill::RunInBrowser(*unit);
}
