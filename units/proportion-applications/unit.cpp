// The unit of prop-apply: the seven word problems on proportion and inverse proportion.
#include "units/proportion-applications/unit.hpp"

namespace drill {

// Each problem's routines, from its file; problem k is slot k of the table below.
ProblemRoutines NailsProblem();       // 1: nails counted by weight (problem1_nails.cpp)
ProblemRoutines SweetsProblem();      // 2: sweets by price table (problem2_sweets.cpp)
ProblemRoutines TravelTimeProblem();  // 3: travel time at another speed (problem3_travel_time.cpp)
ProblemRoutines LeverProblem();       // 4: lever balance (problem4_lever.cpp)
ProblemRoutines WalkingGraphProblem5();  // 5-7: walking graph (problems5to7_walking_graph.cpp)
ProblemRoutines WalkingGraphProblem6();
ProblemRoutines WalkingGraphProblem7();

const UnitDefinition& PropApplyUnit() {
  static const UnitDefinition unit{
      "prop-apply",
      "比例・反比例の利用",
      {NailsProblem(), SweetsProblem(), TravelTimeProblem(), LeverProblem(), WalkingGraphProblem5(),
       WalkingGraphProblem6(), WalkingGraphProblem7()}};
  return unit;
}

}  // namespace drill
