// The program inverse-prop: its unit's drill in a window.
#include "programs/run_in_window.hpp"
#include "units/inverse-proportion/unit.hpp"

int main() {
  return drill::RunInWindow(drill::InversePropUnit());
}
