// The fill is the hot loop of the program. It is spread over threads by
// columns and written so that the compiler turns the inner loop into vector
// code (this file is built without errno from sqrt and without trapping math,
// see src/CMakeLists.txt);
// on x86-64 an AVX2 copy is chosen at run time where the processor has it.
// Vector sqrt and division round like the scalar ones, and no product is
// fused, so every variant gives the same matrix to the bit.
#include "solver/influence.h"

#include <algorithm>
#include <cstddef>
#include <thread>
#include <vector>

namespace ws {

namespace {

// One table per coordinate, each n long, in the numbering of the unknowns.
struct PanelPoints {
    const double *px, *py, *pz;           // control points
    const double *axs, *ays, *bxs, *bys;  // ends A (left) and B (right) of the bound vortices
};

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define WS_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define WS_VECTOR_CLONES
#endif

WS_VECTOR_CLONES void fillColumns(const PanelPoints& pts, int n, MatrixRef W, int first, int last) {
    for (int v = first; v < last; ++v) {
        const double Ax = pts.axs[v], Ay = pts.ays[v], Bx = pts.bxs[v], By = pts.bys[v], z = pts.pz[v];
        double* column = &W(0, v);
        const double* px = pts.px;
        const double* py = pts.py;
        const double* pz = pts.pz;
        for (int c = 0; c < n; ++c) {
            const double dz = pz[c] - z;
            const double w1 = INDU(px[c] - Ax, py[c] - Ay, dz, px[c] - Bx, py[c] - By, dz);
            // The mirror runs from B' to A' (y negated).
            const double w2 = INDU(px[c] - Bx, py[c] + By, dz, px[c] - Ax, py[c] + Ay, dz);
            column[c] = (w1 + w2) * kLoesFactor;
        }
    }
}

}  // namespace

Outcome<MatrixRef> EINFLUSS(const Lattice& lattice, SolverWorkspace& workspace, int threads) {
    const LatticeSizes& sizes = lattice.sizes;
    long long counted = 0;
    for (int w = 1; w <= sizes.CalcWingCount; ++w)
        counted += static_cast<long long>(sizes.WingStrips[w]) * sizes.ChordPanels[w];
    const int n = sizes.PanelTotal;
    if (counted * counted != static_cast<long long>(n) * n || lattice.ControlX.size() != std::size_t(n))
        return Refusal{{MessageCode::Einfluss}};
    workspace.prepare(n);
    const MatrixRef W = workspace.W();
    if (n == 0) return W;

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
    const PanelPoints pts{px, py, pz, axs, ays, bxs, bys};

    if (threads <= 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));
    // Below a few hundred unknowns a thread costs more than it saves.
    threads = std::clamp(threads, 1, std::max(1, n / 128));
    if (threads == 1) {
        fillColumns(pts, n, W, 0, n);
        return W;
    }
    std::vector<std::thread> helpers;
    helpers.reserve(std::size_t(threads - 1));
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(fillColumns, std::cref(pts), n, W, int(std::size_t(n) * t / threads),
                             int(std::size_t(n) * (t + 1) / threads));
    fillColumns(pts, n, W, 0, int(std::size_t(n) / threads));
    for (std::thread& h : helpers) h.join();
    return W;
}

Outcome<std::span<const double>> LOES(SolverWorkspace& workspace, SolveMethod method,
                                      const ProgressFn& progress) {
    const int n = workspace.n;
    double* rhs = workspace.rhs.data();
    for (int i = 0; i < n; ++i) rhs[i] = -1.0;
    const int ks = method == SolveMethod::Library
                       ? libraryLuSolve(workspace.W(), rhs, n, workspace.pivots.data(), progress)
                       : SIMQ902(workspace.W(), rhs, n, progress);
    if (ks != 0) return Refusal{{MessageCode::Loes}};
    return std::span<const double>(rhs, std::size_t(n));
}

}  // namespace ws
