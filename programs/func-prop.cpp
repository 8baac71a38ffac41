// The program func-prop: its unit's drill in a window.
#include "programs/run_in_window.hpp"
#include "units/functions-proportion/unit.hpp"

int main() {
  return drill::RunInWindow(drill::FuncPropUnit());
}
