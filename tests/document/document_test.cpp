// The document without a window.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QUndoStack>
#include <functional>

#include "../files/temp_folder.h"
#include "document/aircraft_document.h"
#include "model/number_format.h"
#include "texts/catalogue.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kData = WINSTABIX_TEST_DATA;

auto entries(const AircraftText& t) {
    return std::tie(t.WingCount, t.TrapCount, t.field, t.remarks, t.balance);
}

class Document : public ::testing::Test {
  protected:
    void TearDown() override { doc.setLanguage(Language::English); }
    bool hasLine(MessageCode code) const {
        for (const Message& m : doc.results().messages)
            if (m.code == code) return true;
        return false;
    }
    std::string rows(bool manual) const {
        const Evaluation& e = doc.results().calc.evaluation;
        const StabilityRows r = stabilityRows(doc.stability(), e.RefArea, e.RefChord, e.AnpAircraft);
        return manual ? r.cgDesired : r.cgFront + "|" + r.cgRear;
    }

    TempFolder folder;
    AircraftDocument doc;
};

TEST_F(Document, EveryKindOfStepIsOneStepThatUndoAndRedoRestore) {
    struct Case {
        const char* what;
        std::function<void(AircraftDocument&)> change;
        const char* name;
        bool whole;          // the whole aircraft is recalculated
        bool keeps = false;  // the results stay: the aircraft is the same
    };
    const Case cases[] = {
        {"typed", [](AircraftDocument& d) { d.editField(1, 1, "2"), d.editField(1, 1, "25"); },
         "Tip chord of trapezium 1 of wing 1, mm", false},
        {"drag",
         [](AircraftDocument& d) {
             d.writeFields(1, {{kChordField, "330"}, {kSpanField, "560"}});
         },
         "Drag on the planform of wing 1", false},
        {"trapeziums", [](AircraftDocument& d) { d.chooseTrapCount(1, 3); }, "Trapezium count of wing 1",
         false},
        {"wings", [](AircraftDocument& d) { d.chooseWingCount(3); }, "Wing count", true},
        {"position", [](AircraftDocument& d) { d.editField(2, kPosXField, "700"); },
         "Position x of wing 2, mm", true},
        {"gap", [](AircraftDocument& d) { d.editField(2, kGapField, "4"); }, "Centre gap of wing 2, mm",
         false},
        {"remarks", [](AircraftDocument& d) { d.editRemarks("a"), d.editRemarks("ab"); }, "Remarks", false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AircraftDocument d;
        d.calculate();
        const int steps = d.undoStack()->count();
        const AircraftText before = d.text();
        const AircraftModel model = d.model();
        QSignalSpy whole(&d, &AircraftDocument::recalculated);
        c.change(d);
        const AircraftText after = d.text();
        EXPECT_EQ(d.undoStack()->count(), steps + 1);
        EXPECT_EQ(d.undoStack()->undoText(), c.name);
        EXPECT_EQ(whole.count() > 0, c.whole);
        EXPECT_TRUE(d.isModified());
        EXPECT_EQ(d.results().ResultsValid, c.keeps);

        d.undoStack()->undo();
        EXPECT_EQ(entries(d.text()), entries(before));
        EXPECT_EQ(d.model().WingCount, model.WingCount);
        EXPECT_EQ(d.planform(1).WingArea, Calc_W(model.wing[1]).WingArea);
        EXPECT_EQ(d.results().calculated, c.keeps);
        d.undoStack()->redo();
        EXPECT_EQ(entries(d.text()), entries(after));
        EXPECT_EQ(d.results().ResultsValid, c.keeps);
    }
}

TEST_F(Document, TheCalculationsHeightsAreTheBatchProgramsAndUndoneAsOneStep) {
    doc.editField(2, kPosZField, "0");
    const CalcResult expected = runCalculation(doc.model());
    ASSERT_TRUE(expected.WingsMoved);
    doc.calculate();
    EXPECT_EQ(doc.undoStack()->count(), 2);
    for (int w = 1; w <= kMaxWings; ++w) EXPECT_EQ(doc.model().wing[w].WingPosZ, expected.WingPosZ[w]) << w;
    EXPECT_TRUE(doc.results().messagesShown());
    EXPECT_TRUE(hasLine(MessageCode::WingsMoved));
    doc.undoStack()->undo();
    EXPECT_EQ(doc.text().field[2][kPosZField], "0");
    EXPECT_EQ(doc.undoStack()->count(), 2);
}

TEST_F(Document, CalculateAndWhatWithdrawsItsResults) {
    EXPECT_FALSE(doc.results().calculated);
    QSignalSpy state(&doc, &AircraftDocument::stateChanged);
    bool runningSeen = false;
    QObject::connect(&doc, &AircraftDocument::stateChanged,
                     [&] { runningSeen = runningSeen || doc.results().running; });
    int progress = 0;
    doc.calculate([&](int) { ++progress; });
    EXPECT_TRUE(runningSeen && progress > 0);
    const DocumentResults& r = doc.results();
    EXPECT_TRUE(r.ResultsValid && r.LatticeValid && r.calculated && !r.running && !r.messagesShown());
    EXPECT_EQ(r.calc.evaluation.AnpAircraft, runCalculation(doc.model()).evaluation.AnpAircraft);
    EXPECT_FALSE(doc.isModified());  // a calculation without moved heights changes no entry

    // A page's redraw keeps Calculate off and fits the top view again; an edit brings it back.
    BarPositions zoomed;
    zoomed.topZoom = 60;
    doc.setViewBars(zoomed);
    doc.recalculate();
    EXPECT_TRUE(!r.ResultsValid && r.calculated);
    EXPECT_EQ(doc.viewBars().topZoom, 100);
    doc.calculate();
    // The remarks keep the results; a Save writes them, and after Open they can be printed.
    doc.editRemarks("x");
    EXPECT_TRUE(r.ResultsValid && r.LatticeValid && r.calculated);
    const std::string saved = (folder / "remarks.da4").string();
    ASSERT_FALSE(doc.save(saved));
    AircraftDocument reopened;
    ASSERT_FALSE(reopened.open(saved));
    EXPECT_TRUE(reopened.results().printable());
    doc.editField(1, kChordField, "300");
    EXPECT_FALSE(r.ResultsValid || r.LatticeValid || r.calculated);

    // A refused aircraft: no results, the refusal in the message box, until the next edit.
    doc.editField(1, kChordField, "10");
    doc.editField(1, kChordField + 1, "10");
    doc.editField(1, kSpanField, "3000");
    doc.calculate();
    EXPECT_TRUE(!r.ResultsValid && r.calculated && r.messagesShown());
    EXPECT_TRUE(hasLine(MessageCode::LessAspectRatio));
    doc.editField(1, kSpanField, "550");  // a wing's own field: the box keeps its lines
    EXPECT_TRUE(r.messagesShown());
    EXPECT_FALSE(r.calculated);
    doc.editField(1, kPosXField, "1");  // the whole aircraft: back to the hidden head line
    EXPECT_FALSE(r.messagesShown());
}

// The converged estimate is the batch program's on the window's lattice (start-up: 92.8 ± 0.5mm).
TEST_F(Document, TheConvergedNeutralPointIsTheBatchProgramsEstimate) {
    doc.calculate();
    const double windowAnp = doc.results().calc.evaluation.AnpAircraft;
    const int windowPanels = doc.results().calc.sizes.PanelTotal;
    doc.setConvergedNeutralPoint(true);
    EXPECT_FALSE(doc.results().ResultsValid || doc.results().calculated);
    doc.calculate();
    const DocumentResults& r = doc.results();
    ASSERT_TRUE(r.ResultsValid && r.anpError);
    EXPECT_EQ(r.calc.sizes.PanelTotal, windowPanels);
    EXPECT_EQ(fixed(r.calc.evaluation.AnpAircraft, 1) + " ± " + fixed(*r.anpError, 1), "92.8 ± 0.5");
    EXPECT_NE(r.calc.evaluation.AnpAircraft, windowAnp);
    EXPECT_DOUBLE_EQ(doc.stability().CgRear,
                     r.calc.evaluation.AnpAircraft - r.calc.evaluation.RefChord * 0.08);
    doc.setConvergedNeutralPoint(false);
    doc.calculate();
    EXPECT_FALSE(doc.results().anpError);
    EXPECT_EQ(doc.results().calc.evaluation.AnpAircraft, windowAnp);
}

TEST_F(Document, StabilityChoiceAndMarginGiveTheRows) {
    doc.calculate();
    BarPositions zoomed;
    zoomed.topZoom = 60;
    doc.setViewBars(zoomed);
    const struct {
        bool manual;
        const char* margin;
        const char* rows;
    } cases[] = {
        {false, "7.5", "x_cg (16%): 50.2mm   |x_cg (8%): 72.0mm   "},
        {true, "7.5", "x_cg (7.5%): 73.3mm     "},
        {true, "12,25", "x_cg (12.2%): 60.4mm     "},
        {true, "", "x_cg (0.0%): 93.7mm     "},
        {false, "", "x_cg (16%): 50.2mm   |x_cg (8%): 72.0mm   "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.margin);
        doc.chooseStability(c.manual);
        doc.editMargin(c.margin);
        EXPECT_EQ(rows(c.manual), c.rows);
        EXPECT_EQ(doc.exportSource().marks->manual, c.manual);
    }
    EXPECT_EQ(doc.viewBars().topZoom, 100);  // a change of the choice fits the top view again
    EXPECT_FALSE(doc.isModified());          // the choice is no change of the aircraft
    doc.editField(1, kChordField, "300");
    EXPECT_FALSE(doc.exportSource().marks);
}

TEST_F(Document, TheLanguageInForceNamesTheSteps) {
    doc.editField(1, kChordField, "300");
    doc.chooseTrapCount(2, 2);
    doc.setLanguage(Language::German);
    EXPECT_EQ(doc.language(), Language::German);
    EXPECT_EQ(doc.undoStack()->undoText(), "Trapezanzahl von Flügel 2");
    doc.undoStack()->undo();
    EXPECT_EQ(doc.undoStack()->undoText(), "Wurzeltiefe von Flügel 1, mm");
    // The start-up remarks are written in the language in force, and stay as written.
    EXPECT_EQ(AircraftDocument(Language::German).text().remarks,
              "Bemerkungen können in diesem Feld eingegeben werden:");
    EXPECT_EQ(doc.text().remarks, "insert your remarks her:");
}

TEST_F(Document, OpenAndSaveKeepTheFilesStateAndResults) {
    const fs::path copy = folder / "copy.da4";
    // Stored results: calculated again, shown without lattice, written back byte for byte.
    ASSERT_FALSE(doc.open((kData / "with-results.da4").string()));
    EXPECT_TRUE(doc.hasFile() && !doc.isModified() && doc.undoStack()->count() == 0);
    EXPECT_EQ(doc.fileName(), (kData / "with-results.da4").string());
    EXPECT_TRUE(doc.results().ResultsValid);
    EXPECT_FALSE(doc.results().LatticeValid || doc.results().calculated || doc.results().messagesShown());
    EXPECT_NEAR(doc.results().calc.evaluation.RefChord, 271.98, 0.005);
    ASSERT_FALSE(doc.save(copy.string()));
    EXPECT_EQ(readBytes(copy), readBytes(kData / "with-results.da4"));

    // Claims that are not this aircraft's are replaced, with a notice.
    ASSERT_FALSE(doc.open((kData / "damaged" / "results-disagree.da4").string()));
    EXPECT_TRUE(doc.results().ResultsValid && doc.results().messagesShown());
    EXPECT_TRUE(hasLine(MessageCode::StoredResultsReplaced));

    // A refused file changes nothing.
    doc.editField(1, kChordField, "300");
    const auto refused = doc.open((kData / "damaged" / "binary-rubbish.da4").string());
    ASSERT_TRUE(refused && !refused->reason.empty());
    EXPECT_EQ(doc.text().field[1][kChordField], "300");
    EXPECT_TRUE(doc.isModified());

    // No results after an edit: "0" three times. A failed save keeps the name and the mark.
    ASSERT_TRUE(doc.save((folder / "missing" / "x.da4").string()));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.fileName(), (kData / "damaged" / "results-disagree.da4").string());
    ASSERT_FALSE(doc.save(copy.string()));
    EXPECT_FALSE(doc.isModified());
    EXPECT_NE(readBytes(copy).find("\r\n \r\n0\r\n0\r\n0\r\n \r\n"), std::string::npos);

    // The name a Save writes to may change without the file shown.
    doc.setFileName("other.da4");
    EXPECT_EQ(doc.model().AircraftFileName, "other.da4");
    EXPECT_EQ(doc.fileName(), copy.string());
}

}  // namespace
}  // namespace ws::testing
