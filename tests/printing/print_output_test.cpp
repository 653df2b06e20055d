// Real outputs, each only when asked: WINSTABIX_PRINT_QUEUE names a queue for the start-up summary
// (scripts/test-cups sets up one), WINSTABIX_PRINT_EXAMPLES a folder for every example's PDF.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTableWidget>
#include <variant>

#include "files/aircraft_file.h"
#include "print_test_support.h"
#include "printing/Unit3.h"
#include "texts/scoped_language.h"

namespace ws {
namespace {

TEST(PrintOutput, StartupSummaryToTheNamedQueue) {
    const QString queue = qEnvironmentVariable("WINSTABIX_PRINT_QUEUE");
    if (queue.isEmpty()) GTEST_SKIP() << "WINSTABIX_PRINT_QUEUE not set";
    static const test::CalculatedAircraft a(startupAircraft());
    TForm3 form;
    QStringList failures;
    form.reportFailure = [&](const QString& why) { failures << why; };
    const int index = form.ComboBox1->findText(queue);
    ASSERT_GE(index, 0) << "queue not listed: " << queue.toStdString();
    form.ComboBox1Change(index);
    const TXPrintSet& set = form.XPrnSet2;
    ASSERT_EQ(set.resolutionCount(), 2);
    EXPECT_EQ(set.resolutionX(0) * set.resolutionX(1), 300 * 600);
    EXPECT_TRUE(form.CheckBoxColor->isEnabled());
    // The 600-dpi row.
    form.StringGrid2->selectRow(set.resolutionX(0) == 600 ? 0 : 1);
    form.setPage(composeSummaryPage(a.input()).print);
    form.ButtonCloseClick();
    EXPECT_TRUE(failures.isEmpty()) << failures.join(' ').toStdString();
}

TEST(PrintOutput, EveryExampleToPdf) {
    const QString folder = qEnvironmentVariable("WINSTABIX_PRINT_EXAMPLES");
    if (folder.isEmpty()) GTEST_SKIP() << "WINSTABIX_PRINT_EXAMPLES not set";
    QDir().mkpath(folder);
    const QStringList files = QDir(QStringLiteral(WINSTABIX_EXAMPLES)).entryList({QStringLiteral("*.da4")});
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const QString path = QStringLiteral(WINSTABIX_EXAMPLES "/") + name;
        const auto loaded = loadAircraftFile(path.toStdString());
        ASSERT_TRUE(std::holds_alternative<AircraftFileContent>(loaded)) << name.toStdString();
        AircraftModel model =
            applyAircraftFile(std::get<AircraftFileContent>(loaded), startupAircraft()).model;
        model.AircraftFileName = path.toStdString();
        for (const bool english : {true, false}) {
            const test::ScopedLanguage language(english ? Language::English : Language::German);
            const test::CalculatedAircraft a(model);
            ASSERT_TRUE(a.calc.done()) << name.toStdString();
            const SummaryPage page = composeSummaryPage(a.input());
            TForm3 form(std::make_unique<SystemPrinterCatalog>());
            QStringList failures;
            form.reportFailure = [&](const QString& why) { failures << why; };
            QString out =
                QDir(folder).filePath(QFileInfo(name).completeBaseName() +
                                      (english ? QStringLiteral(".pdf") : QStringLiteral("-de.pdf")));
            form.askPdfFileName = [&](const QString&) { return out; };
            form.ComboBox1Change(form.ComboBox1->findText(QStringLiteral("PDF file")));
            form.setPage(page.print);
            form.ButtonCloseClick();
            EXPECT_TRUE(failures.isEmpty()) << failures.join(' ').toStdString();
            EXPECT_TRUE(QFileInfo(out).size() > 0) << out.toStdString();
        }
    }
}

}  // namespace
}  // namespace ws
