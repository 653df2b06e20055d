#include "solver/plausibility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "solver/calculation.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using M = MessageCode;

// Finite results of the start-up aircraft spoilt one at a time. The main
// wing covers x 0..310, the tail 680..770, both together 0..770.
TEST(Plausibility, ResultsThatCannotBeRightAreRefused) {
    const CalcResult r = runCalculation(startupAircraft());
    ASSERT_TRUE(r.done());
    const std::vector<Message> offWings = {{M::CannotCalculateAircraft}, {M::NeutralPointOffWings}};
    const auto offWing = [](int w) {
        return std::vector<Message>{{M::CannotCalculateWing, w}, {M::WingCentreOffWing}};
    };
    const struct {
        void (*spoil)(Evaluation&);
        std::vector<Message> lines;
    } cases[] = {
        {[](Evaluation&) {}, {}},
        {[](Evaluation& e) { e.LiftSlopeWing[2] = -0.01; }, {{M::CannotCalculateWing, 2}, {M::NoLift}}},
        {[](Evaluation& e) { e.RefChord = 0; }, {{M::CannotCalculateAircraft}, {M::NoReference}}},
        {[](Evaluation& e) { e.AnpAircraft = -0.01; }, offWings},
        {[](Evaluation& e) { e.AnpAircraft = 770; }, {}},
        {[](Evaluation& e) { e.AnpAircraft = 770.01; }, offWings},
        {[](Evaluation& e) { e.AnpWing[1] = 310; }, {}},
        {[](Evaluation& e) { e.AnpWing[1] = 310.01; }, offWing(1)},
        {[](Evaluation& e) { e.AnpWing[2] = 680; }, {}},
        {[](Evaluation& e) { e.AnpWing[2] = 679.99; }, offWing(2)},
        {[](Evaluation& e) { e.AnpWing[2] = 770.01; }, offWing(2)},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        Evaluation e = r.evaluation;
        cases[i].spoil(e);
        const std::optional<Refusal> refusal = refusedAsImplausible(r.lattice, e);
        EXPECT_EQ(refusal ? refusal->lines : std::vector<Message>{}, cases[i].lines);
    }
}

// Swept exactly 80° (to the last bit of the offset) is still accepted.
TEST(Plausibility, SweptExactlyAtTheLimitPasses) {
    WingPlanforms wings{};
    WingPlanform& p = wings[1];
    p.StationY[2] = 100;
    p.StationChord[1] = p.StationChord[2] = 100;
    double& dx = p.StationX[2];
    dx = 100 * std::tan(kMaxSweepDegrees * std::numbers::pi / 180);
    while (leadingEdgeSweep(p, 1) > kMaxSweepDegrees) dx = std::nextafter(dx, 0.0);
    while (leadingEdgeSweep(p, 1) < kMaxSweepDegrees) dx = std::nextafter(dx, 1e3);
    ASSERT_EQ(leadingEdgeSweep(p, 1), kMaxSweepDegrees);
    EXPECT_FALSE(refusedAsTooSwept(wings, 1));
}

}  // namespace
}  // namespace ws
