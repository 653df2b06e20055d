// Storage of a calculation that is worth keeping between runs: the influence
// matrix and its solution. It grows to the largest system so far and is
// reused, so a repeated calculation of the same size allocates nothing.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "solver/elimination.h"
#include "solver/newton.h"

namespace ws {

// Room for doubles, not initialised (the fill writes every entry it uses).
// Large blocks ask the system for huge pages: a first calculation then
// touches a few dozen pages instead of thousands, which is most of its cost
// on a cold start.
class MatrixStorage {
  public:
    void reserve(std::size_t count);  // never shrinks; the content is not kept
    double* data() { return data_.get(); }
    const double* data() const { return data_.get(); }
    double* begin() { return data(); }
    double* end() { return data() + capacity_; }
    std::size_t size() const { return capacity_; }
    double& operator[](std::size_t i) { return data_[i]; }
    const double& operator[](std::size_t i) const { return data_[i]; }

  private:
    struct Release {
        void operator()(double* p) const;
    };
    std::unique_ptr<double[], Release> data_;
    std::size_t capacity_ = 0;
};

struct SolverWorkspace {
    MatrixStorage matrix;        // n × n, column-major, leading dimension n
    std::vector<double> rhs;     // right-hand side, then the circulations
    std::vector<int> pivots;     // for the library LU
    std::vector<double> points;  // control points and vortex ends, one table per coordinate
    NewtonScratch newton;
    int n = 0;  // size of the current system

    // Makes room for an n × n system (never shrinks).
    void prepare(int size);
    MatrixRef W() { return MatrixRef{matrix.data(), n > 0 ? n : 1}; }
};

}  // namespace ws
