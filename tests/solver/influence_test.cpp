#include "solver/influence.h"

#include <gtest/gtest.h>

#include <cmath>

#include "solver/calculation.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::rectangle;

struct V {
    double x, y, z;
};
V sub(V a, V b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double len(V a) {
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}
double indu(V P, V A, V B) {
    const V a = sub(P, A), b = sub(P, B);
    return INDU(a.x, a.y, a.z, b.x, b.y, b.z);
}

// The textbook horseshoe (bound A→B, legs to +x), times 4π, z component.
double classic(V P, V A, V B) {
    const V r1 = sub(P, A), r2 = sub(P, B), r0 = sub(B, A);
    const V c{r1.y * r2.z - r1.z * r2.y, r1.z * r2.x - r1.x * r2.z, r1.x * r2.y - r1.y * r2.x};
    const double l1 = len(r1), l2 = len(r2);
    const double bound =
        c.z / (c.x * c.x + c.y * c.y + c.z * c.z) *
        (r0.x * (r1.x / l1 - r2.x / l2) + r0.y * (r1.y / l1 - r2.y / l2) + r0.z * (r1.z / l1 - r2.z / l2));
    const auto leg = [](V r, double l) { return -r.y * (1 + r.x / l) / (r.y * r.y + r.z * r.z); };
    return bound + leg(r1, l1) - leg(r2, l2);
}

// A matrix entry: the vortex A→B and its mirror B'→A' on the left half, with LOES's factor.
double entry(V P, V A, V B) {
    return (indu(P, A, B) + indu(P, V{B.x, -B.y, B.z}, V{A.x, -A.y, A.z})) * 0.0795775;
}

TEST(Indu, EqualsTheClassicHorseshoeAndStaysFiniteOnItsLines) {
    const V A{10, 2, 0}, B{12, 30, 5};
    for (V P : {V{40, 10, 1}, V{-20, -8, 3}, V{11, 16, -4}, V{100, 200, 0.5}})
        EXPECT_NEAR(indu(P, A, B), classic(P, A, B), 1e-12 * std::fabs(classic(P, A, B)));
    EXPECT_TRUE(std::isfinite(indu(V{50, 30, 5}, A, B)));   // on B's trailing leg
    EXPECT_TRUE(std::isfinite(indu(V{14, 58, 10}, A, B)));  // on the line of the bound vortex
}

CalcOptions options(SolveMethod method, int targetPanels = kTargetPanels) {
    CalcOptions o;
    o.method = method;
    o.targetPanels = targetPanels;
    return o;
}

TEST(Influence, EntriesAreHorseshoeAndMirrorOnEveryThreadCount) {
    const Lattice lattice =
        runCalculation(aircraftOf({rectangle(500, 200), rectangle(200, 100, 600, 50)})).lattice;
    SolverWorkspace one, two;
    ASSERT_FALSE(EINFLUSS(lattice, one, SolveMethod::Library, 1));
    ASSERT_FALSE(EINFLUSS(lattice, two, SolveMethod::Library, 2));
    const std::size_t n = std::size_t(lattice.sizes.PanelTotal);
    ASSERT_EQ(one.n, two.n);
    for (std::size_t k = 0; k < n * n; ++k) ASSERT_EQ(one.matrix[k], two.matrix[k]) << k;
    // Column 0 is wing 1's first vortex; row c wing 2's first point, 50 mm above it.
    const V A{lattice.VortexXL[0], lattice.VortexYL[0], 0}, B{lattice.VortexXR[0], lattice.VortexYR[0], 0};
    const std::size_t c = std::size_t(lattice.firstPanel[2]);
    EXPECT_EQ(one.matrix[0], entry(V{lattice.ControlX[0], lattice.ControlY[0], 0}, A, B));
    EXPECT_LT(one.matrix[0], 0);  // a bound vortex induces downwash behind it
    EXPECT_EQ(one.matrix[c],
              entry(V{lattice.ControlX[c], lattice.ControlY[std::size_t(lattice.firstStrip[2])], 50}, A, B));
    Lattice inconsistent = lattice;
    inconsistent.sizes.PanelTotal += 1;
    const std::optional<Refusal> refusal = EINFLUSS(inconsistent, one);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->lines, std::vector<Message>{{MessageCode::Einfluss}});
}

// A strip of no width has a vortex of no length: its column is zero. A
// corner far behind leaves wing 1 (not the reference) a chord beyond every number.
TEST(Influence, SingularOrNonFiniteSystemEndsRefusedWithoutResults) {
    const AircraftModel m = aircraftOf({rectangle(200, 100), rectangle(500, 200, 800, 100)});
    Lattice singular = runCalculation(m).lattice, infinite = singular;
    singular.VortexYR[0] = singular.VortexYL[0];
    infinite.CornerXL[infinite.cornerIndex(infinite.sizes.ChordPanels[1] + 1, 1, 1)] = 1e200;
    using M = MessageCode;
    for (SolveMethod method : {SolveMethod::Refined, SolveMethod::Library, SolveMethod::Straightforward}) {
        SolverWorkspace ws;
        const Outcome<Evaluation> e = solveAndEvaluate(singular, test::planformsOf(m), options(method), ws);
        ASSERT_FALSE(e);
        EXPECT_EQ(e.refusal().lines, (std::vector<Message>{{M::Loes}, {M::LoesDriver}}));
    }
    SolverWorkspace ws;
    const Outcome<Evaluation> e = solveAndEvaluate(infinite, test::planformsOf(m), {}, ws);
    ASSERT_FALSE(e);
    EXPECT_EQ(e.refusal().lines, (std::vector<Message>{{M::CannotCalculateAircraft}, {M::NotFinite}}));
}

// A column a millionth of the others leaves the single-precision factor nothing
// to refine from: the double LU solves. Spoilt circulations show in the residual.
TEST(Influence, TinyPivotFallsBackAndTheResidualTellsAWrongSolution) {
    for (int halfSpan : {2990, 10}) {  // 299 strips of one panel; one panel
        const CalcResult r =
            runCalculation(aircraftOf({rectangle(halfSpan, 10)}), options(SolveMethod::Refined, 1));
        Lattice lattice = r.lattice;
        const std::size_t k = halfSpan > 10 ? 1 : 0;
        if (k == 1) lattice.VortexYR[1] = lattice.VortexYL[1] + 1e-5;
        SolverWorkspace ws;
        ASSERT_FALSE(EINFLUSS(lattice, ws));
        const Outcome<Circulations> solved = LOES(ws, SolveMethod::Refined, {});
        ASSERT_TRUE(solved);
        EXPECT_EQ(solved->refined.has_value(), k == 0) << halfSpan;
        EXPECT_LT(influenceResidual(ws), 1e-9);
        ws.rhs[k] = 0;
        EXPECT_GT(influenceResidual(ws), 0.5);
    }
}

// The default solve (float LU refined in double) gives the plain elimination's, without dgesv.
TEST(Influence, DefaultSolveEqualsTheStraightforwardOne) {
    const AircraftModel small =
        aircraftOf({rectangle(500, 200), rectangle(200, 100, 700, 60), rectangle(150, 80, -300, -40)});
    const AircraftModel tandem = test::loadAircraft(test::solverData("tandem_canard.da4"));
    for (const AircraftModel* m : {&small, &tandem}) {
        if (m == &tandem && !test::kOptimisedBuild) continue;  // 1208 unknowns: slow without optimisation
        // The refined solve counts n and 0 (a fallback twice), the elimination every step.
        std::vector<int> countA, countB;
        CalcOptions library, reference;
        library.progress = [&](int left) { countA.push_back(left); };
        reference.progress = [&](int left) { countB.push_back(left); };
        reference.method = SolveMethod::Straightforward;
        SolverWorkspace wa, wb;
        const CalcResult a = runCalculation(*m, library, wa);
        const CalcResult b = runCalculation(*m, reference, wb);
        ASSERT_TRUE(a.done() && b.done());
        EXPECT_EQ(countA, (std::vector<int>{wa.n, 0}));
        EXPECT_EQ(countB.size(), std::size_t(wb.n));
        const auto close = [](double x, double y) { return std::fabs(x - y) <= 1e-10 * std::fabs(y); };
        for (int i = 0; i < wa.n; ++i)
            EXPECT_PRED2(close, wa.rhs[std::size_t(i)], wb.rhs[std::size_t(i)]) << "circulation " << i;
        EXPECT_PRED2(close, a.evaluation.AnpAircraft, b.evaluation.AnpAircraft);
    }
}

}  // namespace
}  // namespace ws
