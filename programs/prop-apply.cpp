// The program prop-apply: its unit's drill in a window.
#include "programs/run_in_window.hpp"
#include "units/proportion-applications/unit.hpp"

int main() {
  return drill::RunInWindow(drill::PropApplyUnit());
}
