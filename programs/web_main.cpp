// The entry point of each program in a browser. The web build makes one module per program of
// programs/list.txt, naming the unit's header and function in DRILL_UNIT_HEADER and DRILL_UNIT.
#include DRILL_UNIT_HEADER
#include "programs/run_in_browser.hpp"

int main() {
  return drill::RunInBrowser(drill::DRILL_UNIT());
}
