// The seven problems of prop-apply, each as its entry routine and its three hints.
#pragma once

#include "framework/unit.hpp"

namespace drill {

ProblemRoutines NailsProblem();       // 1: nails counted by weight (problem1_nails.cpp)
ProblemRoutines SweetsProblem();      // 2: sweets by price table (problem2_sweets.cpp)
ProblemRoutines TravelTimeProblem();  // 3: travel time at another speed (problem3_travel_time.cpp)
ProblemRoutines LeverProblem();       // 4: lever balance (problem4_lever.cpp)
ProblemRoutines WalkingGraphProblem5();  // 5-7: walking graph (problems5to7_walking_graph.cpp)
ProblemRoutines WalkingGraphProblem6();
ProblemRoutines WalkingGraphProblem7();

}  // namespace drill
