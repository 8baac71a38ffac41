// A program for the real-window test only: its one problem fails as it starts, so the test can
// reach the error screen in a real window and close it there.
#include <stdexcept>

#include "framework/unit.hpp"
#include "programs/run_in_window.hpp"

namespace {

drill::Handoff FailAtOnce(drill::Drill&) {
  throw std::out_of_range("index 41 out of range");
}
void NoHint(drill::Drill&) {}

}  // namespace

int main() {
  static const drill::UnitDefinition unit{
      "faulty-program", "エラー画面の試験", {{FailAtOnce, {NoHint, NoHint, NoHint}}}};
  return drill::RunInWindow(unit);
}
