// Fuzz target: any text as a key script. A script that parses names its keys so that they parse
// back to the same keys; one that does not says where.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/headless.hpp"
#include "runtime/key_names.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drill;
  const std::string script(reinterpret_cast<const char*>(data), size);
  KeyScriptError error;
  const auto keys = ParseKeyScript(script, &error);
  if (!keys) {
    if (error.position < 1 || error.position > script.size() || error.why.empty()) std::abort();
    return 0;
  }
  std::string named;
  for (const KeyPress& key : *keys) named += KeyName(key);
  const auto again = ParseKeyScript(named);
  if (!again || *again != *keys) std::abort();
  return 0;
}
