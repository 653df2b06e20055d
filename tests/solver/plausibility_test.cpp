#include "solver/plausibility.h"

#include <gtest/gtest.h>

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

// A trapezium of 100 mm span: tan 80° × 100 mm = 567.1 mm of sweep is the most.
TEST(Plausibility, TrapeziumsSweptMoreThan80DegreesAreRefusedByTheChain) {
    const auto swept = [](std::initializer_list<M> edges) {
        std::vector<Message> lines;
        for (M edge : edges) lines.insert(lines.end(), {{M::TrapeziumFailed, 1, 2}, {edge, 800}});
        return lines;
    };
    const struct {
        int rootChord, tipChord, offset;
        std::vector<Message> lines;  // after "Error: "
    } cases[] = {{100, 100, 567, {}},
                 {100, 100, 568, swept({M::LeadingEdgeSwept, M::TrailingEdgeSwept})},
                 {100, 668, -568, swept({M::LeadingEdgeSwept})},
                 {668, 100, 0, swept({M::TrailingEdgeSwept})}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        // A rectangle of 500 mm half span, then the trapezium under test.
        test::WingSpec wing{
            {c.rootChord, c.rootChord, c.tipChord, 0, 0}, {500, 100, 0, 0}, {0, c.offset, 0, 0}, 2};
        const CalcResult r = runCalculation(test::aircraftOf({wing}));
        EXPECT_EQ(r.done(), c.lines.empty());
        std::vector<Message> expected = {{M::ErrorHead}};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        if (!c.lines.empty()) {
            EXPECT_EQ(r.memo, expected);
            EXPECT_FALSE(r.latticeBuilt);
        }
    }
}

}  // namespace
}  // namespace ws
