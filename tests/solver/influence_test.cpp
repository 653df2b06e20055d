#include <gtest/gtest.h>

#include <cmath>

#include "solver/calculation.h"
#include "solver/influence.h"
#include "solver_test_util.h"

namespace ws {
namespace {

struct V {
    double x, y, z;
};
V sub(V a, V b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V cross(V a, V b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(V a, V b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
double len(V a) {
    return std::sqrt(dot(a, a));
}

// The textbook horseshoe (bound A→B, legs to +x), times 4π, z component.
double classic(V P, V A, V B) {
    const V r1 = sub(P, A), r2 = sub(P, B), r0 = sub(B, A);
    const V c = cross(r1, r2);
    const double bound = c.z / dot(c, c) *
                         dot(r0, V{r1.x / len(r1) - r2.x / len(r2), r1.y / len(r1) - r2.y / len(r2),
                                   r1.z / len(r1) - r2.z / len(r2)});
    // Leg from A to +∞ carries circulation towards A (into the bound vortex).
    const auto leg = [](V r, double sign) {
        const double q = r.y * r.y + r.z * r.z;
        return sign * -r.y * (1 + r.x / len(r)) / q;
    };
    return bound + leg(r1, 1) + leg(r2, -1);
}

TEST(Indu, EqualsTheClassicHorseshoe) {
    const V A{10, 2, 0}, B{12, 30, 5};
    for (V P : {V{40, 10, 1}, V{-20, -8, 3}, V{11, 16, -4}, V{100, 200, 0.5}}) {
        const V a = sub(P, A), b = sub(P, B);
        EXPECT_NEAR(INDU(a.x, a.y, a.z, b.x, b.y, b.z), classic(P, A, B),
                    1e-12 * std::fabs(classic(P, A, B)));
    }
}

TEST(Indu, PointOnATrailingLegIsFinite) {
    // P downstream of B on its leg line: same y and z.
    const V A{0, 0, 0}, B{0, 10, 0}, P{50, 10, 0};
    const V a = sub(P, A), b = sub(P, B);
    const double w = INDU(a.x, a.y, a.z, b.x, b.y, b.z);
    EXPECT_TRUE(std::isfinite(w));
    // On the line of the bound vortex the bound part is 0, not a failure.
    const V Q{0, 20, 0};
    const V qa = sub(Q, A), qb = sub(Q, B);
    EXPECT_TRUE(std::isfinite(INDU(qa.x, qa.y, qa.z, qb.x, qb.y, qb.z)));
}

Lattice latticeOf(const AircraftModel& m) {
    const WingPlanforms p = test::planformsOf(m);
    CalcMessages messages;
    const LatticeSizes s = GRID(p, m.CalcWingCount, messages);
    Lattice lattice;
    NewtonScratch scratch;
    std::array<int, 4> z{0, m.wing[1].WingPosZ, m.wing[2].WingPosZ, m.wing[3].WingPosZ};
    TRAWY2(s, p, z, lattice, scratch, messages);
    return lattice;
}

TEST(Influence, OnePanelIsItsHorseshoeAndMirror) {
    Lattice lattice = latticeOf(test::aircraftOf({test::rectangle(500, 200)}));
    // Cut the lattice down to its first panel.
    lattice.sizes.ChordPanels[1] = 1;
    lattice.sizes.WingStrips[1] = 1;
    lattice.sizes.PanelTotal = 1;
    lattice.ControlX.resize(1);
    SolverWorkspace ws;
    CalcMessages messages;
    EINFLUSS(lattice, ws, messages, 1);
    ASSERT_FALSE(messages.CalcAbort);
    const V P{lattice.ControlX[0], lattice.ControlY[0], 0};
    const V A{lattice.VortexXL[0], lattice.VortexYL[0], 0}, B{lattice.VortexXR[0], lattice.VortexYR[0], 0};
    const V Am{A.x, -A.y, 0}, Bm{B.x, -B.y, 0};
    const V a = sub(P, A), b = sub(P, B), am = sub(P, Bm), bm = sub(P, Am);
    const double expected =
        (INDU(a.x, a.y, a.z, b.x, b.y, b.z) + INDU(am.x, am.y, am.z, bm.x, bm.y, bm.z)) * 0.0795775;
    EXPECT_EQ(ws.matrix[0], expected);
    EXPECT_LT(expected, 0);  // a bound vortex induces downwash behind it
}

TEST(Influence, ThreadsFillTheSameMatrix) {
    const Lattice lattice =
        latticeOf(test::aircraftOf({test::rectangle(500, 200), test::rectangle(200, 100, 600, 50)}));
    SolverWorkspace one, two;
    CalcMessages messages;
    EINFLUSS(lattice, one, messages, 1);
    EINFLUSS(lattice, two, messages, 2);
    const std::size_t n = std::size_t(lattice.sizes.PanelTotal);
    ASSERT_EQ(one.n, two.n);
    for (std::size_t k = 0; k < n * n; ++k) ASSERT_EQ(one.matrix[k], two.matrix[k]) << k;
    // Each wing at its own height: wing 2's points see wing 1's vortices 50 mm below.
    const std::size_t c = std::size_t(lattice.firstPanel[2]), v = 0;
    const V P{lattice.ControlX[c], lattice.ControlY[std::size_t(lattice.firstStrip[2])], 50};
    const V A{lattice.VortexXL[v], lattice.VortexYL[0], 0}, B{lattice.VortexXR[v], lattice.VortexYR[0], 0};
    const V a = sub(P, A), b = sub(P, B), am = sub(P, V{B.x, -B.y, 0}), bm = sub(P, V{A.x, -A.y, 0});
    EXPECT_EQ(one.matrix[c + v * n],
              (INDU(a.x, a.y, a.z, b.x, b.y, b.z) + INDU(am.x, am.y, am.z, bm.x, bm.y, bm.z)) * 0.0795775);
}

TEST(Influence, InconsistentLatticeIsRefused) {
    Lattice lattice = latticeOf(test::aircraftOf({test::rectangle(500, 200)}));
    lattice.sizes.PanelTotal += 1;
    SolverWorkspace ws;
    CalcMessages messages;
    EINFLUSS(lattice, ws, messages);
    EXPECT_TRUE(messages.CalcAbort);
    EXPECT_EQ(messages.lines, std::vector<std::string>{"EINFLUSS: Irgend ein Kuddel-Muddel"});
}

TEST(Influence, SingularSystemEndsRefusedWithoutResults) {
    // A strip of no width has a vortex of no length: its columns are zero.
    Lattice lattice = latticeOf(test::aircraftOf({test::rectangle(500, 200)}));
    lattice.VortexYR[0] = lattice.VortexYL[0];
    const WingPlanforms p = test::planformsOf(test::aircraftOf({test::rectangle(500, 200)}));
    for (SolveMethod method : {SolveMethod::Library, SolveMethod::Straightforward}) {
        SolverWorkspace ws;
        CalcMessages messages;
        messages.append("Error: ");
        CalcOptions options;
        options.method = method;
        Evaluation e;
        EXPECT_FALSE(solveAndEvaluate(lattice, p, options, ws, messages, e));
        EXPECT_TRUE(messages.CalcAbort);
        EXPECT_TRUE(messages.shown);
        EXPECT_EQ(messages.lines,
                  (std::vector<std::string>{"Error: ", "LOES: Fehler beim Loesen des Gleichungssystems ",
                                            "LOES: Fehler..."}));
    }
}

TEST(Influence, LibrarySolveEqualsTheStraightforwardOne) {
    const AircraftModel tandem = test::loadAircraft(test::solverData("tandem_canard.da4"));
    const AircraftModel small = test::aircraftOf(
        {test::rectangle(500, 200), test::rectangle(200, 100, 700, 60), test::rectangle(150, 80, -300, -40)});
    for (const AircraftModel* m : {&small, &tandem}) {
        if (m == &tandem && !test::kOptimisedBuild) continue;  // 1208 unknowns: slow without optimisation
        CalcOptions library, reference;
        reference.method = SolveMethod::Straightforward;
        const CalcResult a = runCalculation(*m, library);
        const CalcResult b = runCalculation(*m, reference);
        ASSERT_TRUE(a.done());
        ASSERT_TRUE(b.done());
        for (int w = 1; w <= m->CalcWingCount; ++w) {
            EXPECT_NEAR(a.evaluation.AnpWing[w], b.evaluation.AnpWing[w],
                        1e-10 * std::fabs(b.evaluation.AnpWing[w]));
            EXPECT_NEAR(a.evaluation.LiftSlopeWing[w], b.evaluation.LiftSlopeWing[w],
                        1e-10 * b.evaluation.LiftSlopeWing[w]);
        }
        EXPECT_NEAR(a.evaluation.AnpAircraft, b.evaluation.AnpAircraft,
                    1e-10 * std::fabs(b.evaluation.AnpAircraft));
    }
}

TEST(Influence, CirculationsOfBothSolversAgree) {
    const Lattice lattice =
        latticeOf(test::aircraftOf({test::rectangle(500, 200), test::rectangle(200, 100, 600, 50)}));
    SolverWorkspace a, b;
    CalcMessages messages;
    EINFLUSS(lattice, a, messages);
    EINFLUSS(lattice, b, messages);
    ASSERT_TRUE(LOES(a, SolveMethod::Library, {}, messages));
    ASSERT_TRUE(LOES(b, SolveMethod::Straightforward, {}, messages));
    for (int i = 0; i < a.n; ++i)
        EXPECT_NEAR(a.rhs[std::size_t(i)], b.rhs[std::size_t(i)], 1e-10 * std::fabs(b.rhs[std::size_t(i)]));
}

}  // namespace
}  // namespace ws
