// The unit choice rewrites the fields and never the aircraft.
#include <gtest/gtest.h>

#include <QUndoStack>
#include <filesystem>
#include <string>

#include "document/aircraft_document.h"
#include "texts/translation.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

class UnitsDocument : public ::testing::Test {
  protected:
    void TearDown() override { doc.setUnits(Units::Millimetre); }
    AircraftDocument doc;
};

// Every example, switched mm → cm → in → mm (and in → cm on the way back),
// writes the same file at each stop: every millimetre of every field stays.
TEST_F(UnitsDocument, SwitchingBackAndForthKeepsEveryMillimetreOfTheExamples) {
    const Units path[] = {Units::Centimetre, Units::Inch,       Units::Millimetre,
                          Units::Inch,       Units::Centimetre, Units::Millimetre};
    for (const auto& entry : fs::directory_iterator(WINSTABIX_EXAMPLES)) {
        SCOPED_TRACE(entry.path().filename().string());
        ASSERT_FALSE(doc.open(entry.path().string()));
        const std::string bytes = doc.fileBytes();
        const bool results = doc.results().ResultsValid;
        for (Units u : path) {
            doc.setUnits(u);
            EXPECT_EQ(doc.fileBytes(), bytes) << unitSymbol(u);
            EXPECT_EQ(doc.results().ResultsValid, results) << unitSymbol(u);
            EXPECT_FALSE(doc.isModified());
        }
    }
}

// Inches typed are used as the nearest mm, shown so when left; the history follows the unit.
TEST_F(UnitsDocument, TypedInAUnitAndUndoneInAnother) {
    const int root = doc.model().wing[1].ChordMm[1];
    doc.setUnits(Units::Inch);
    EXPECT_EQ(unitsInForce(), Units::Inch);
    EXPECT_EQ(doc.text().field[1][kChordField], QString::fromStdString(fieldText(root, Units::Inch)));
    doc.editField(1, kChordField, "17");
    EXPECT_EQ(doc.model().wing[1].ChordMm[1], 432);
    doc.settleField(1, kChordField);
    EXPECT_EQ(doc.text().field[1][kChordField], "17.01");
    EXPECT_EQ(doc.undoStack()->undoText(), "Root chord of wing 1, in");
    doc.setUnits(Units::Centimetre);
    EXPECT_EQ(doc.text().field[1][kChordField], "43.2");
    EXPECT_EQ(doc.undoStack()->undoText(), "Root chord of wing 1, cm");
    doc.undoStack()->undo();
    EXPECT_EQ(doc.model().wing[1].ChordMm[1], root);
    EXPECT_EQ(doc.text().field[1][kChordField], QString::fromStdString(fieldText(root, Units::Centimetre)));
    doc.undoStack()->redo();
    EXPECT_EQ(doc.model().wing[1].ChordMm[1], 432);
    doc.setUnits(Units::Millimetre);
    EXPECT_EQ(doc.text().field[1][kChordField], "432");
}

}  // namespace
}  // namespace ws::testing
