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

void TRIM9M(int wing, int trapezium, int& status, double* x, const bool* free, int itmax, int neq, int nvar,
            const Residuals& FCN, NewtonScratch& scratch, CalcMessages& messages) {
    if (itmax < 1) {
        messages.append(MessageCode::Itmax, itmax);
        messages.shown = true;
        messages.CalcAbort = true;
        status = 0;
        return;
    }
    scratch.reserve(neq);
    double* F = scratch.F.data();
    double* Fh = scratch.Fh.data();
    double* delta = scratch.delta.data();
    const MatrixRef J{scratch.jacobian.data(), neq};
    bool singularReported = false;

    for (int m = 1; m <= itmax; ++m) {
        FCN(nvar, neq, F, x);
        double sum = 0;
        for (int e = 0; e < neq; ++e) sum += std::fabs(F[e]);
        // Converged: later iterations would only evaluate F again.
        if (sum < kNewtonBound) break;

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
        if (SIMQ90(J, delta, neq) != 0) {
            if (!singularReported) {
                messages.append(MessageCode::TrimSingular);
                singularReported = true;
            }
            messages.shown = true;
            messages.CalcAbort = true;
        } else {
            int d = 0;
            for (int k = 0; k < nvar && d < neq; ++k)
                if (free[k]) x[k] -= delta[d++];
        }

        if (m == itmax)
            messages.refuse({MessageCode::TrapeziumFailed, wing, trapezium}, {MessageCode::MoreTipChord});
        status = m;
    }
}

}  // namespace ws
