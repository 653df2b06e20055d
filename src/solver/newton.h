// TRIM9M: Newton's method with a forward-difference Jacobian for small
// nonlinear systems (the strip spacing of a trapezium).
#pragma once

#include <vector>

#include "solver/messages.h"

namespace ws {

// The residual function FCN: F[0..neq-1] of the variables x[0..nvar-1].
class Residuals {
  public:
    virtual ~Residuals() = default;
    virtual void operator()(int nvar, int neq, double* F, const double* x) const = 0;
};

// Storage of the solve, kept between calls so that repeated solves reuse it.
struct NewtonScratch {
    std::vector<double> jacobian, F, Fh, delta;
    void reserve(int neq);
};

constexpr double kNewtonBound = 1e-9;  // on the sum of |F|
constexpr double kNewtonStep = 0.001;  // difference step h

// Drives FCN to zero by varying the variables flagged free, among
// x[0..nvar-1] (the start on entry, the solution on return). Gives the
// number of the last iteration that still had to take a step (0 when the
// start already converged), or the refusal: itmax < 1; a singular Jacobian
// (no step can follow, so the solve has failed); no convergence in itmax.
// wing and trapezium serve the lines only.
Outcome<int> TRIM9M(int wing, int trapezium, double* x, const bool* free, int itmax, int neq, int nvar,
                    const Residuals& FCN, NewtonScratch& scratch);

}  // namespace ws
