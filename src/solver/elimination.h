// Gauss elimination with row pivoting (SIMQ90 for small Jacobians, SIMQ902
// for the influence system) and the library LU that may replace SIMQ902.
// Matrices are column-major: element (row i, column j), counted from 0, lies
// at data[i + j * ld], so a column is contiguous.
#pragma once

#include <cstddef>
#include <functional>

namespace ws {

struct MatrixRef {
    double* data = nullptr;
    int ld = 0;  // leading dimension: distance between two columns
    double& operator()(int i, int j) const { return data[i + static_cast<std::size_t>(j) * ld]; }
};

// Told the number of elimination steps still to go, down to 0.
using ProgressFn = std::function<void(int stepsLeft)>;

// Solves W·x = b for the leading n × n block; b is replaced by x and W is
// destroyed. The largest magnitude in the column pivots, the later row
// winning a tie. Returns ks: 0 solved, 1 singular (a column zero from the
// diagonal down, or not a number), in which case b holds a partial result.
int SIMQ902(MatrixRef W, double* b, int n, const ProgressFn& progress = {});
int SIMQ90(MatrixRef W, double* b, int n);

// The same system by LAPACK's dgesv (LU with partial pivoting); ipiv needs n
// entries. Reports n steps to go before the factorisation and 0 after it.
// Returns ks like SIMQ902: 1 when a pivot is exactly zero.
int libraryLuSolve(MatrixRef W, double* b, int n, int* ipiv, const ProgressFn& progress = {});

}  // namespace ws
