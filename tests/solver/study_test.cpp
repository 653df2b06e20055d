#include "solver/study.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "../golden.h"
#include "export/study_csv.h"

namespace ws {
namespace {

TEST(Study, RowsEqualTheCalculationOfTheVariantMadeByHand) {
    const AircraftModel startup = startupAircraft();
    AircraftModel halfTail = startup;  // wing 2 at 50 %: chords 90/70 → 45/35, span 120 → 60, offset 10 → 5
    halfTail.wing[2].ChordMm[1] = 45;
    halfTail.wing[2].ChordMm[2] = 35;
    for (int j = 2; j <= kMaxStations; ++j) halfTail.wing[2].StationYMm[j] -= 60;
    halfTail.wing[2].OffsetMm[2] = 5;
    AircraftModel rootChord = startup;
    rootChord.wing[1].ChordMm[1] = 250;
    const struct {
        const char* name;
        double value;
        const AircraftModel& byHand;
    } cases[] = {{"w2.scale", 50, halfTail}, {"w1.chord1", 250, rootChord}};
    SolverWorkspace workspace;
    for (const auto& c : cases) {
        const auto parameter = studyParameter(c.name, startup);
        ASSERT_TRUE(std::holds_alternative<StudyParameter>(parameter)) << c.name;
        const StudyRow row = studyRow(startup, std::get<StudyParameter>(parameter), c.value, {}, workspace);
        const CalcResult single = runCalculation(c.byHand);
        ASSERT_TRUE(row.done && single.done()) << c.name;
        EXPECT_TRUE(row.AnpAircraft == single.evaluation.AnpAircraft &&
                    row.CgFront == single.stability.CgFront && row.CgRear == single.stability.CgRear &&
                    row.RefChord == single.evaluation.RefChord &&
                    row.LiftSlopeWing[2] == single.evaluation.LiftSlopeWing[2])
            << c.name;
        EXPECT_NE(row.AnpAircraft, runCalculation(startup).evaluation.AnpAircraft) << c.name;
    }
}

// With balance data a row has the centre of gravity as built and its margin.
TEST(Study, RowsCarryTheBalance) {
    AircraftModel m = startupAircraft();
    m.balance.items = {{"all", "1000", "80"}};
    SolverWorkspace workspace;
    const StudyRow row = studyRow(m, {2, StudyKind::X, 0}, 800, {}, workspace);
    ASSERT_EQ(row.actualCg, 80.0);
    EXPECT_NEAR(row.staticMargin.value(), (row.AnpAircraft - 80) / row.RefChord * 100, 1e-9);
}

// Each name of the start-up aircraft read back as itself, or its problem (tests/golden.h).
TEST(GoldenStudy, ParameterNamesAndWhyNot) {
    std::string all;
    for (const char* name :
         {"w2.scale",   "w1.chord2", "w1.span1",   "w2.offset2", "w1.gap",     "w2.z",       "w1.chord3",
          "w1.offset1", "w1.span2",  "w3.x",       "w4.x",       "w1.chord",   "w1.chord+1", "w1.xx",
          "W1.x",       "",          "w1.chord01", "w0.x",       "w2.offset3", "w1.x "}) {
        const auto p = studyParameter(name, startupAircraft());
        const auto* problem = std::get_if<StudyProblem>(&p);
        all += "[" + std::string(name) + "] " +
               (problem ? "problem " + std::to_string(int(problem->code)) + " [" + problem->text + "] " +
                              std::to_string(problem->a) + " " + std::to_string(problem->b) + " " +
                              std::to_string(problem->c)
                        : "name " + studyParameterName(std::get<StudyParameter>(p))) +
               "\n";
    }
    test::expectGolden("study-names.txt", all);
}

TEST(Study, ValuesStepsAndNegativeLengths) {
    const StudyParameter chord{1, StudyKind::Chord, 1}, scale{2, StudyKind::Scale, 0};
    EXPECT_EQ(studyValues(scale, 60, 160, 3), (std::vector<double>{60, 110, 160}));
    EXPECT_EQ(studyValues(chord, 0, 5, 3), (std::vector<double>{0, 2, 5}));  // 2.5 to the even 2
    for (int steps : {0, 1, 201, 10000}) EXPECT_TRUE(studyValues(scale, 60, 160, steps).empty()) << steps;
    EXPECT_EQ(studyValues(scale, 60, 160, 200).size(), 200u);

    const AircraftModel startup = startupAircraft();
    SolverWorkspace workspace;
    const StudyRow negative = studyRow(startup, chord, -250, {}, workspace);
    const StudyRow positive = studyRow(startup, chord, 250, {}, workspace);
    EXPECT_TRUE(negative.absoluteTaken);
    EXPECT_FALSE(positive.absoluteTaken);
    EXPECT_EQ(negative.AnpAircraft, positive.AnpAircraft);
    EXPECT_FALSE(
        studyVariant(startup, {2, StudyKind::X, 0}, -100).absoluteTaken);  // a position keeps its sign
    EXPECT_EQ(studyCurrentValue(startup, chord), 310);
}

TEST(Study, CsvCellsOfCalculatedAndRefusedRows) {
    const AircraftModel startup = startupAircraft();
    const StudyParameter root{1, StudyKind::Chord, 1};
    SolverWorkspace workspace;
    const std::vector<StudyRow> rows = {studyRow(startup, root, 0, {}, workspace),
                                        studyRow(startup, root, -300, {}, workspace)};
    ASSERT_FALSE(rows[0].done);
    ASSERT_TRUE(rows[1].done);
    const std::string csv = studyCsv(rows, {"root chord 0 mm, \"no\"", "absolute"});
    const std::string header =
        "value,anp_aircraft,cg_front,cg_rear,ref_chord,lift_slope_1,lift_slope_2,lift_slope_3,refused\n";
    ASSERT_TRUE(csv.starts_with(header));
    const std::string body = csv.substr(header.size());
    EXPECT_TRUE(body.starts_with("0,,,,,,,,\"root chord 0 mm, \"\"no\"\"\"\n-300,")) << body;
    EXPECT_TRUE(body.ends_with(",,absolute\n")) << body;  // no third wing
}

}  // namespace
}  // namespace ws
