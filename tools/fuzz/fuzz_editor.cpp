// Fuzz target: any key sequence typed into the answer editor, with one to five blanks. A crash,
// a sanitizer report or an exception other than running out of keys is a fault.
#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/editor/editor.hpp"
#include "tools/fuzz/fuzz_keys.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drill;
  if (size == 0) return 0;
  const std::span<const std::uint8_t> bytes(data, size);
  Drill& d = SharedDrill().Start(KeysFromBytes(bytes.subspan(1)));
  d.answer.blanks = 1 + bytes[0] % 5;
  for (int k = 1; k <= d.answer.blanks; ++k) {
    d.answer.units[k] = k % 2 ? "　本　" : "";
    d.answer.blank_expected[1][k] = "12";
  }
  d.answer.expected = "12";
  // Answers one after another, as attempts do, until the keys run out.
  try {
    float reach = 0;
    for (int attempt = 0; attempt < 3; ++attempt)
      reach = AnswerEntry(d.rt, d.answer, reach).line_end;
  } catch (const ScriptEnd&) {
  }
  return 0;
}
