// Storage of a calculation that is worth keeping between runs: the influence
// matrix, its factor and the solution. It grows to the largest system so far
// and is reused, so a repeated calculation of the same size allocates
// nothing, and the lattices of one converged estimate share one allocation.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "solver/elimination.h"
#include "solver/newton.h"

namespace ws {

// Room for `T`s, not initialised (the fill writes every entry it uses).
// Large blocks ask the system for huge pages: a first calculation then
// touches a few dozen pages instead of thousands, which is most of its cost
// on a cold start.
template <class T>
class MatrixStorage {
  public:
    void reserve(std::size_t count);  // never shrinks; the content is not kept
    T* data() { return data_.get(); }
    const T* data() const { return data_.get(); }
    T* begin() { return data(); }
    T* end() { return data() + capacity_; }
    std::size_t size() const { return capacity_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }

  private:
    struct Release {
        void operator()(T* p) const;
    };
    std::unique_ptr<T[], Release> data_;
    std::size_t capacity_ = 0;
};

// Control points and vortex ends of a lattice, one table per coordinate, in
// the numbering of the unknowns; the fill and the matrix-free product read
// them.
struct PanelPoints {
    const double *px = nullptr, *py = nullptr, *pz = nullptr;                     // control points
    const double *axs = nullptr, *ays = nullptr, *bxs = nullptr, *bys = nullptr;  // ends A, B
    int n = 0;
};

struct SolverWorkspace {
    // n × n, column-major, leading dimension n; only the storage of the
    // precision in use is grown.
    MatrixStorage<double> matrix;  // the plain elimination and LAPACK's dgesv
    MatrixStorage<float> factor;   // the mixed-precision solve: matrix, then its LU factor
    std::vector<double> rhs;       // right-hand side, then the circulations
    std::vector<double> residual, correction;
    std::vector<float> shortVector;  // a right-hand side of the factor in single precision
    std::vector<int> pivots;
    std::vector<double> points;  // the tables of `PanelPoints`
    NewtonScratch newton;
    int n = 0;  // size of the current system

    // Makes room for an n × n system (never shrinks); the matrix of one
    // precision only.
    void prepare(int size, bool single);
    MatrixRef W() { return MatrixRef{matrix.data(), n > 0 ? n : 1}; }
    PanelPoints panelPoints() const;
};

}  // namespace ws
