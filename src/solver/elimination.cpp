#include "solver/elimination.h"

#include <cmath>
#include <utility>

extern "C" void dgesv_(const int* n, const int* nrhs, double* a, const int* lda, int* ipiv, double* b,
                       const int* ldb, int* info);

namespace ws {

namespace {

int gaussEliminate(MatrixRef W, double* b, int n, const ProgressFn* progress) {
    for (int k = 0; k < n; ++k) {
        int pivot = k;
        double largest = std::fabs(W(k, k));
        for (int i = k + 1; i < n; ++i) {
            const double m = std::fabs(W(i, k));
            if (m >= largest) {
                largest = m;
                pivot = i;
            }
        }
        // Written so that a NaN pivot counts as singular too.
        if (!(largest > 0)) return 1;
        const double factor = 1.0 / W(pivot, k);

        std::swap(b[pivot], b[k]);
        b[k] *= factor;
        for (int j = k; j < n; ++j) {
            const double t = W(pivot, j);
            W(pivot, j) = W(k, j);
            W(k, j) = t * factor;
        }
        const double* multipliers = &W(0, k);
        for (int j = k + 1; j < n; ++j) {
            const double wkj = W(k, j);
            double* column = &W(0, j);
            for (int i = k + 1; i < n; ++i) column[i] -= multipliers[i] * wkj;
        }
        const double bk = b[k];
        for (int i = k + 1; i < n; ++i) b[i] -= multipliers[i] * bk;

        if (progress && *progress) (*progress)(n - 1 - k);
    }
    // Column by column, so the inner loop runs down contiguous memory.
    for (int j = n - 1; j >= 1; --j) {
        const double bj = b[j];
        const double* column = &W(0, j);
        for (int k = 0; k < j; ++k) b[k] -= column[k] * bj;
    }
    return 0;
}

}  // namespace

int SIMQ902(MatrixRef W, double* b, int n, const ProgressFn& progress) {
    return gaussEliminate(W, b, n, &progress);
}

int SIMQ90(MatrixRef W, double* b, int n) {
    return gaussEliminate(W, b, n, nullptr);
}

int libraryLuSolve(MatrixRef W, double* b, int n, int* ipiv, const ProgressFn& progress) {
    if (n <= 0) return 0;
    if (progress) progress(n);
    const int nrhs = 1;
    int info = 0;
    dgesv_(&n, &nrhs, W.data, &W.ld, ipiv, b, &n, &info);
    if (progress) progress(0);
    // info > 0: an exactly zero pivot, the system is singular. info < 0 would be
    // a bad argument, which the callers rule out; it is reported as singular too.
    if (info != 0) return 1;
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(b[i])) return 1;
    return 0;
}

}  // namespace ws
