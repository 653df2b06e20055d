// Compare with…: another aircraft beside the edited one, read-only: its table and overlaid planforms.
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "golden.h"
#include "ui/compare_dialog.h"
#include "views/drawing_record.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

TEST(GoldenCompareDialog, TableOfBothTheirDifferencesAndTheOverlay) {
    AircraftDocument doc;
    CompareDialog compare(doc);
    EXPECT_NE(compare.compareWith(QStringLiteral("/nonexistent/aircraft.da4")), "");
    ASSERT_EQ(compare.compareWith(QString(WINSTABIX_EXAMPLES) + "/glider.da4"), "");
    const QTableWidget& t = *compare.table();
    std::string out =
        compare.windowTitle().toStdString() + "\n" + compare.findChild<QLabel*>()->text().toStdString();
    for (int c = 0; c < t.columnCount(); ++c) out += " | " + t.horizontalHeaderItem(c)->text().toStdString();
    for (int r = 0; r < t.rowCount(); ++r) {
        out += "\n" + t.verticalHeaderItem(r)->text().toStdString();
        for (int c = 0; c < t.columnCount(); ++c) out += " | " + t.item(r, c)->text().toStdString();
    }
    auto* overlay = compare.findChild<QWidget*>("CompareOverlay");
    test::DrawingRecord drawn(overlay->size());
    overlay->render(&drawn);
    test::expectGolden("compare-dialog.txt", out + "\n" + drawn.text());
}

}  // namespace
}  // namespace ws::testing
