// The entry point of each program: its unit's drill in a window. The build makes one executable
// per program of programs/list.txt, naming the unit's header and function in DRILL_UNIT_HEADER and
// DRILL_UNIT.
#include DRILL_UNIT_HEADER
#include "programs/run_in_window.hpp"

int main() {
  return drill::RunInWindow(drill::DRILL_UNIT());
}
