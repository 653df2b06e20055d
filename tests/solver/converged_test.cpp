#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "solver/converged.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::rectangle;

ConvergedResult converged(const AircraftModel& m, const ConvergedProgressFn& progress = {}) {
    SolverWorkspace workspace;
    ConvergedResult r;
    runConvergedCalculation(m, {}, workspace, r, progress);
    return r;
}

AircraftModel avlAircraft(const char* file) {
    return test::loadAircraft(std::filesystem::path(WINSTABIX_REFERENCE) / "avl" / file);
}

// AVL's converged lattices (no vortex core for two surfaces) within ±0.25 % of lm, lift slope
// ±0.5 % (Σ aS / S_ref as CLα), AVL inside the error bar; each lattice told: window, fine, middle.
TEST(Converged, AvlReferencesWithinToleranceAndInsideTheErrorBar) {
    const struct {
        const char* file;
        double np, lift;
    } cases[] = {{"a_rectangle.da4", 47.23, 3.9539},
                 {"b_startup.da4", 92.83, 3.8003},
                 {"c_swept.da4", 166.84, 4.3189}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        if (!test::kOptimisedBuild && c.file != cases[1].file) continue;  // lattices of 1700 unknowns
        const AircraftModel m = avlAircraft(c.file);
        std::vector<int> finished;
        const ConvergedResult r = converged(m, [&](int lattice, int lattices, int left) {
            EXPECT_EQ(lattices, 3);
            if (left == 0) finished.push_back(lattice);
        });
        EXPECT_EQ(finished, (std::vector<int>{0, 1, 2}));
        ASSERT_EQ(r.status, ConvergedStatus::Converged);
        ASSERT_EQ(r.lattices.size(), 3u);
        EXPECT_TRUE(r.notes.empty());
        const Evaluation& e = r.window.evaluation;
        EXPECT_EQ(e.AnpAircraft, runCalculation(m).evaluation.AnpAircraft);  // the window's, untouched

        EXPECT_NEAR(r.AnpAircraft.value, c.np, 0.0025 * e.RefChord);
        EXPECT_LE(std::fabs(r.AnpAircraft.value - c.np), *r.AnpAircraft.error);
        double lift = 0, error = 0;
        for (int w = 1; w <= m.CalcWingCount; ++w) {
            lift += r.LiftSlopeWing[w].value * e.WingArea[w] / e.RefArea;
            error += r.LiftSlopeWing[w].error.value() * e.WingArea[w] / e.RefArea;
        }
        EXPECT_NEAR(lift, c.lift, 0.005 * c.lift);
        EXPECT_LE(std::fabs(lift - c.lift), error);
    }
}

TEST(Converged, ExtrapolatesAsOneOverTheRootOfThePanelsAndChecksTheDirection) {
    const auto series = [](int panels) { return 10 + 3 / std::sqrt(double(panels)); };
    const double w = series(400), m = series(900), f = series(1600);  // 10.15, 10.1, 10.075
    const struct {
        std::optional<double> middle;
        std::optional<double> value, error;  // none: not converged, the fine value
    } cases[] = {
        {m, 10, 0.075},
        {std::nullopt, 10, 0.075},  // nothing to check the direction with
        {w + 0.0074, 10, 0.075},    // within a tenth of the difference
        {w + 0.0076, std::nullopt, std::nullopt},
        {f - 0.0074, 10, 0.075},
        {f - 0.0076, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const ConvergedValue v = extrapolated(w, 400, c.middle, f, 1600);
        EXPECT_NEAR(v.value, c.value.value_or(f), 1e-12);
        EXPECT_EQ(v.converged(), c.error.has_value());
        EXPECT_NEAR(v.error.value_or(0), c.error.value_or(0), 1e-12);
    }
}

// A refused finer lattice gives way to the finest accepted, saying so; lattices disagreeing in
// direction give the finest's value without error bar; with no finer lattice the window's stand.
TEST(Converged, FallbackDirectionAndNoFinerLattice) {
    using M = MessageCode;
    const struct {
        const char* name;
        AircraftModel m;
        ConvergedStatus status;
        std::vector<int> panels;
        std::vector<Message> notes;
        bool heavy;
    } cases[] = {
        // 4 × 1208 exceeds the 3000 unknowns; the neutral point barely moves
        // and the middle lattice lies outside the other two.
        {"tandem",
         test::loadAircraft(test::solverData("tandem_canard.da4")),
         ConvergedStatus::NotMonotone,
         {1208, 1811, 2900},
         {{M::FineLatticeReduced, 2900, 972}, {M::NotMonotone}},
         true},
        // 299 strips of one panel: any finer lattice needs 300 strips or more.
        {"slender",
         aircraftOf({rectangle(2990, 10)}),
         ConvergedStatus::NoFinerLattice,
         {299},
         {{M::NoFinerLattice}},
         false},
        {"refused", aircraftOf({rectangle(500, 0)}), ConvergedStatus::Refused, {}, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.heavy && !test::kOptimisedBuild) continue;
        const ConvergedResult r = converged(c.m);
        EXPECT_EQ(r.status, c.status);
        std::vector<int> panels;
        for (const LatticeValues& l : r.lattices) panels.push_back(l.PanelTotal);
        EXPECT_EQ(panels, c.panels);
        EXPECT_EQ(r.notes, c.notes);
        if (!r.done()) continue;
        EXPECT_FALSE(r.AnpAircraft.converged());
        EXPECT_EQ(r.AnpAircraft.value, r.lattices.back().AnpAircraft);
        EXPECT_DOUBLE_EQ(r.stability.CgRear,
                         r.AnpAircraft.value - r.window.evaluation.RefChord * r.stability.MarginLow / 100);
        EXPECT_TRUE(c.status != ConvergedStatus::NoFinerLattice ||
                    r.AnpWing[1].value == r.window.evaluation.AnpWing[1]);
    }
}

}  // namespace
}  // namespace ws
