// A value from a parameter study put into the aircraft: one step, undone whole.
#include <gtest/gtest.h>

#include <QUndoStack>

#include "document/aircraft_document.h"

namespace ws {
namespace {

TEST(StudyAdopt, OneStepUndoneWhole) {
    AircraftDocument doc;
    doc.calculate();
    ASSERT_TRUE(doc.results().ResultsValid);
    const AircraftText before = doc.text();
    const int steps = doc.undoStack()->count();
    doc.adoptStudyValue({2, StudyKind::Scale, 0}, 50);
    EXPECT_EQ(doc.undoStack()->count(), steps + 1);
    EXPECT_FALSE(doc.results().ResultsValid);
    const auto& tail = doc.text().field[2];
    EXPECT_EQ(tail[kChordField], "45");
    EXPECT_EQ(tail[kChordField + 1], "35");
    EXPECT_EQ(tail[kSpanField], "60");
    EXPECT_EQ(tail[kOffsetField], "5");
    EXPECT_EQ(doc.undoStack()->undoText(), "Value of wing 2 from the parameter study");
    doc.undoStack()->undo();
    EXPECT_EQ(doc.text().field, before.field);

    // A negative length goes in as the length the entry rule uses.
    doc.adoptStudyValue({1, StudyKind::Chord, 1}, -250);
    EXPECT_EQ(doc.text().field[1][kChordField], "250");
    // A wing not in use changes nothing.
    const int now = doc.undoStack()->count();
    doc.adoptStudyValue({3, StudyKind::X, 0}, 100);
    EXPECT_EQ(doc.undoStack()->count(), now);
}

}  // namespace
}  // namespace ws
