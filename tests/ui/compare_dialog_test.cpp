// Compare with…: another aircraft beside the one being edited, read-only.
#include <QTableWidget>
#include <QUndoStack>

#include "ui/compare_dialog.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

TEST(CompareDialog, TableOfBothAndTheirDifferences) {
    AircraftDocument doc;
    CompareDialog compare(doc);
    EXPECT_NE(compare.compareWith(QStringLiteral("/nonexistent/aircraft.da4")), "");
    const QString glider =
        QString::fromStdString((std::filesystem::path(WINSTABIX_EXAMPLES) / "glider.da4").string());
    ASSERT_EQ(compare.compareWith(glider), "");
    const QTableWidget& t = *compare.table();
    ASSERT_EQ(t.rowCount(), 9);  // span, area, mean chord of two wings; neutral point, front, rear
    EXPECT_EQ(t.horizontalHeaderItem(1)->text(), "glider.da4");
    EXPECT_EQ(t.item(0, 0)->text(), "1100.0");  // the start-up wing's span
    EXPECT_EQ(t.item(0, 1)->text(), "2800.0");
    EXPECT_EQ(t.item(0, 2)->text(), "1700.0");
    for (int row = 0; row < t.rowCount(); ++row)
        EXPECT_NEAR(t.item(row, 2)->text().toDouble(),
                    t.item(row, 1)->text().toDouble() - t.item(row, 0)->text().toDouble(), 0.11)
            << row;
    EXPECT_EQ(doc.undoStack()->count(), 0);  // the document is only read
}

}  // namespace
}  // namespace ws::testing
