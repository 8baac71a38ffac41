// The program prop-graph: its unit's drill in a window.
#include "programs/run_in_window.hpp"
#include "units/proportion-graphs/unit.hpp"

int main() {
  return drill::RunInWindow(drill::PropGraphUnit());
}
