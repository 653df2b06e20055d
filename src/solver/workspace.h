// Storage of a calculation that is worth keeping between runs: the influence
// matrix and its solution. It grows to the largest system so far and is
// reused, so a repeated calculation of the same size allocates nothing.
#pragma once

#include <cstddef>
#include <vector>

#include "solver/elimination.h"
#include "solver/newton.h"

namespace ws {

struct SolverWorkspace {
    std::vector<double> matrix;  // n × n, column-major, leading dimension n
    std::vector<double> rhs;     // right-hand side, then the circulations
    std::vector<int> pivots;     // for the library LU
    std::vector<double> points;  // control points and vortex ends, one table per coordinate
    NewtonScratch newton;
    int n = 0;                   // size of the current system

    // Makes room for an n × n system (never shrinks).
    void prepare(int size);
    MatrixRef W() { return MatrixRef{matrix.data(), n > 0 ? n : 1}; }
};

}  // namespace ws
