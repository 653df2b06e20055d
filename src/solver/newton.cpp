#include "solver/newton.h"

#include <cmath>
#include <cstddef>

#include "solver/elimination.h"

namespace ws {

void NewtonScratch::reserve(int neq) {
    const std::size_t n = static_cast<std::size_t>(neq);
    if (jacobian.size() < n * n) jacobian.resize(n * n);
    if (F.size() < n) {
        F.resize(n);
        Fh.resize(n);
        delta.resize(n);
    }
}

Outcome<int> TRIM9M(int wing, int trapezium, double* x, const bool* free, int itmax, int neq, int nvar,
                    const Residuals& FCN, NewtonScratch& scratch) {
    if (itmax < 1) return Refusal{{MessageCode::Itmax, itmax}};
    scratch.reserve(neq);
    double* F = scratch.F.data();
    double* Fh = scratch.Fh.data();
    double* delta = scratch.delta.data();
    const MatrixRef J{scratch.jacobian.data(), neq};
    const Refusal failed{{MessageCode::TrapeziumFailed, wing, trapezium}, {MessageCode::MoreTipChord}};

    int status = 0;
    for (int m = 1; m <= itmax; ++m) {
        FCN(nvar, neq, F, x);
        double sum = 0;
        for (int e = 0; e < neq; ++e) sum += std::fabs(F[e]);
        // Converged: later iterations would only evaluate F again.
        if (sum < kNewtonBound) return status;

        int c = 0;
        for (int k = 0; k < nvar && c < neq; ++k) {
            if (!free[k]) continue;
            const double kept = x[k];
            x[k] = kept + kNewtonStep;
            FCN(nvar, neq, Fh, x);
            for (int e = 0; e < neq; ++e) J(e, c) = (Fh[e] - F[e]) * 1000.0;
            x[k] = kept;
            ++c;
        }

        for (int e = 0; e < neq; ++e) delta[e] = F[e];
        // x stays where it is, so every later iteration would meet the same
        // Jacobian: the solve ends as it would after itmax.
        if (SIMQ90(J, delta, neq) != 0) {
            Refusal singular{{MessageCode::TrimSingular}};
            singular.lines.insert(singular.lines.end(), failed.lines.begin(), failed.lines.end());
            return singular;
        }
        int d = 0;
        for (int k = 0; k < nvar && d < neq; ++k)
            if (free[k]) x[k] -= delta[d++];
        status = m;
    }
    return failed;
}

}  // namespace ws
