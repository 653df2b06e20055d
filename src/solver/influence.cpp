// The fill is the hot loop of the program, and the matrix-free product of
// the refinement repeats it. Both are spread over threads by columns and
// written so that the compiler turns the inner loop into vector code (this
// file is built without errno from sqrt and without trapping math, see
// src/CMakeLists.txt); on x86-64 AVX2 and AVX-512 copies are chosen at run
// time where the processor has them. Vector sqrt and division round like the
// scalar ones, and no product is fused, so every variant gives the same
// matrix to the bit.
#include "solver/influence.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <thread>
#include <vector>

extern "C" {
void sgetrf_(const int* m, const int* n, float* a, const int* lda, int* ipiv, int* info);
void sgetrs_(const char* trans, const int* n, const int* nrhs, const float* a, const int* lda,
             const int* ipiv, float* b, const int* ldb, int* info, std::size_t transLength);
}

namespace ws {

namespace {

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define WS_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define WS_VECTOR_CLONES
#endif

// Entry (c, v) of the matrix: the horseshoe v and its mirror at point c.
WS_INLINE_HOT double entry(const PanelPoints& pts, int c, double Ax, double Ay, double Bx, double By,
                           double z) {
    const double px = pts.px[c], py = pts.py[c];
    const double dz = pts.pz[c] - z;
    const double w1 = INDU(px - Ax, py - Ay, dz, px - Bx, py - By, dz);
    // The mirror runs from B' to A' (y negated).
    const double w2 = INDU(px - Bx, py + By, dz, px - Ax, py + Ay, dz);
    return (w1 + w2) * kLoesFactor;
}

template <class T>
WS_VECTOR_CLONES void fillColumns(const PanelPoints& pts, T* matrix, int first, int last) {
    const int n = pts.n;
    for (int v = first; v < last; ++v) {
        const double Ax = pts.axs[v], Ay = pts.ays[v], Bx = pts.bxs[v], By = pts.bys[v], z = pts.pz[v];
        T* column = matrix + std::size_t(v) * std::size_t(n);
        for (int c = 0; c < n; ++c) column[c] = T(entry(pts, c, Ax, Ay, Bx, By, z));
    }
}

// sum += A(:, first..last) · x(first..last), the entries made afresh.
WS_VECTOR_CLONES void addProduct(const PanelPoints& pts, const double* x, double* sum, int first, int last) {
    const int n = pts.n;
    for (int v = first; v < last; ++v) {
        const double Ax = pts.axs[v], Ay = pts.ays[v], Bx = pts.bxs[v], By = pts.bys[v], z = pts.pz[v];
        const double xv = x[v];
        for (int c = 0; c < n; ++c) sum[c] += entry(pts, c, Ax, Ay, Bx, By, z) * xv;
    }
}

int threadCount(int threads, int n) {
    if (threads <= 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));
    // Below a few hundred unknowns a thread costs more than it saves.
    return std::clamp(threads, 1, std::max(1, n / 128));
}

// Runs part(t, first, last) for the columns of `threads` equal parts.
template <class Part>
void overColumns(int n, int threads, const Part& part) {
    const auto bound = [&](int t) { return int(std::size_t(n) * std::size_t(t) / std::size_t(threads)); };
    std::vector<std::thread> helpers;
    helpers.reserve(std::size_t(threads - 1));
    for (int t = 1; t < threads; ++t) helpers.emplace_back([&, t] { part(t, bound(t), bound(t + 1)); });
    part(0, 0, bound(1));
    for (std::thread& h : helpers) h.join();
}

template <class T>
void fill(const PanelPoints& pts, T* matrix, int threads) {
    overColumns(pts.n, threadCount(threads, pts.n),
                [&](int, int first, int last) { fillColumns(pts, matrix, first, last); });
}

// A·x without the matrix, the columns shared among the threads.
void product(const PanelPoints& pts, const double* x, double* result, int threads) {
    const std::size_t n = std::size_t(pts.n);
    threads = threadCount(threads, pts.n);
    std::vector<std::vector<double>> partial(std::size_t(threads - 1), std::vector<double>(n, 0.0));
    std::fill(result, result + n, 0.0);
    overColumns(pts.n, threads, [&](int t, int first, int last) {
        addProduct(pts, x, t == 0 ? result : partial[std::size_t(t - 1)].data(), first, last);
    });
    for (const std::vector<double>& p : partial)
        for (std::size_t c = 0; c < n; ++c) result[c] += p[c];
}

double largestMagnitude(const std::vector<double>& v, int n) {
    double largest = 0;
    for (int i = 0; i < n; ++i) largest = std::max(largest, std::fabs(v[std::size_t(i)]));
    return largest;
}

// The single-precision factor, then corrections from double-precision
// residuals until a correction, or the next one foreseen from the shrinking
// of the last two, is below kRefinedAccuracy of the solution.
// Nothing when the factor is singular or the corrections do not shrink fast
// enough.
std::optional<RefinedSolve> refinedSolve(SolverWorkspace& workspace, int threads) {
    const int n = workspace.n;
    int info = 0;
    float* lu = workspace.factor.data();
    sgetrf_(&n, &n, lu, &n, workspace.pivots.data(), &info);
    if (info != 0) return std::nullopt;
    // A pivot this small next to the largest leaves the single-precision
    // factor without a digit to refine from; the double-precision LU judges.
    float smallest = std::fabs(lu[0]), largest = smallest;
    for (std::size_t i = 1; i < std::size_t(n); ++i) {
        const float pivot = std::fabs(lu[i * std::size_t(n) + i]);
        smallest = std::min(smallest, pivot);
        largest = std::max(largest, pivot);
    }
    if (!(smallest > largest * float(n) * 0x1p-24f)) return std::nullopt;

    const PanelPoints pts = workspace.panelPoints();
    std::vector<double>& x = workspace.rhs;
    std::vector<double>& r = workspace.residual;
    std::vector<double>& d = workspace.correction;
    std::vector<float>& s = workspace.shortVector;
    std::fill(x.begin(), x.begin() + n, 0.0);
    std::fill(r.begin(), r.begin() + n, -1.0);
    RefinedSolve solve;
    double previous = 0;
    for (int step = 0; step < kMaxRefinements; ++step) {
        for (int i = 0; i < n; ++i) s[std::size_t(i)] = float(r[std::size_t(i)]);
        const int nrhs = 1;
        const char trans = 'N';
        sgetrs_(&trans, &n, &nrhs, workspace.factor.data(), &n, workspace.pivots.data(), s.data(), &n, &info,
                1);
        for (int i = 0; i < n; ++i) {
            d[std::size_t(i)] = s[std::size_t(i)];
            x[std::size_t(i)] += d[std::size_t(i)];
        }
        const double size = largestMagnitude(d, n);
        const double scale = largestMagnitude(x, n);
        if (!std::isfinite(size) || !std::isfinite(scale)) return std::nullopt;
        solve.corrections = step + 1;
        solve.lastCorrection = scale > 0 ? size / scale : 0;
        if (size <= kRefinedAccuracy * scale) return solve;
        if (step > 0) {
            if (size > 0.5 * previous) return std::nullopt;
            // Corrections shrink by a steady factor: the next would be this small.
            if (size * (size / previous) <= kRefinedAccuracy * scale) return solve;
        }
        previous = size;
        product(pts, x.data(), r.data(), threads);
        for (int i = 0; i < n; ++i) r[std::size_t(i)] = -1.0 - r[std::size_t(i)];
    }
    return std::nullopt;
}

}  // namespace

std::optional<Refusal> EINFLUSS(const Lattice& lattice, SolverWorkspace& workspace, SolveMethod method,
                                int threads) {
    const LatticeSizes& sizes = lattice.sizes;
    long long counted = 0;
    for (int w = 1; w <= sizes.CalcWingCount; ++w)
        counted += static_cast<long long>(sizes.WingStrips[w]) * sizes.ChordPanels[w];
    const int n = sizes.PanelTotal;
    if (counted * counted != static_cast<long long>(n) * n || lattice.ControlX.size() != std::size_t(n))
        return Refusal{{MessageCode::Einfluss}};
    const bool single = method == SolveMethod::Refined;
    workspace.prepare(n, single);
    if (n == 0) return std::nullopt;

    const std::size_t un = std::size_t(n);
    double* table = workspace.points.data();
    double *px = table, *py = table + un, *pz = table + 2 * un;
    double *axs = table + 3 * un, *ays = table + 4 * un, *bxs = table + 5 * un, *bys = table + 6 * un;
    for (int w = 1; w <= sizes.CalcWingCount; ++w) {
        for (int s = 1; s <= sizes.WingStrips[w]; ++s) {
            for (int i = 1; i <= sizes.ChordPanels[w]; ++i) {
                const std::size_t k = lattice.panelIndex(i, s, w);
                px[k] = lattice.ControlX[k];
                py[k] = lattice.controlY(s, w);
                pz[k] = lattice.WingZ[w];
                axs[k] = lattice.VortexXL[k];
                ays[k] = lattice.vortexYL(s, w);
                bxs[k] = lattice.VortexXR[k];
                bys[k] = lattice.vortexYR(s, w);
            }
        }
    }
    if (single)
        fill(workspace.panelPoints(), workspace.factor.data(), threads);
    else
        fill(workspace.panelPoints(), workspace.matrix.data(), threads);
    return std::nullopt;
}

Outcome<Circulations> LOES(SolverWorkspace& workspace, SolveMethod method, const ProgressFn& progress,
                           int threads) {
    const int n = workspace.n;
    double* rhs = workspace.rhs.data();
    Circulations solved;
    int ks = 0;
    if (method == SolveMethod::Refined && n > 0) {
        if (progress) progress(n);
        solved.refined = refinedSolve(workspace, threads);
        if (progress) progress(0);
        if (!solved.refined) {
            // The plain double-precision solve of the same matrix.
            workspace.prepare(n, false);
            fill(workspace.panelPoints(), workspace.matrix.data(), threads);
            method = SolveMethod::Library;
        }
    }
    if (method != SolveMethod::Refined) {
        for (int i = 0; i < n; ++i) rhs[i] = -1.0;
        ks = method == SolveMethod::Library
                 ? libraryLuSolve(workspace.W(), rhs, n, workspace.pivots.data(), progress)
                 : SIMQ902(workspace.W(), rhs, n, progress);
    }
    if (ks != 0) return Refusal{{MessageCode::Loes}};
    solved.Gamma = std::span<const double>(rhs, std::size_t(n));
    return solved;
}

double influenceResidual(SolverWorkspace& workspace, int threads) {
    const int n = workspace.n;
    if (n == 0) return 0;
    std::vector<double> ax(static_cast<std::size_t>(n));
    product(workspace.panelPoints(), workspace.rhs.data(), ax.data(), threads);
    double largest = 0;
    for (double v : ax) largest = std::max(largest, std::fabs(v + 1.0));
    return largest;
}

}  // namespace ws
