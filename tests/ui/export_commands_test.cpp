// The export and template commands of the window: the menu entries in both
// languages, the save dialog's offer, the files with and without results,
// a failed write, and the template handed to the print dialog.
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "printing/Unit3.h"
#include "ui/export_commands.h"
#include "ui/wing_controls.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class ExportCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ExportDialogs& d = form->exportCommands().dialogs;
        d.saveName = [this](QWidget*, const QString& title, const QString& suggested, const QString& filter) {
            asked << title << suggested << filter;
            return exportAnswer;
        };
        d.failed = [this](QWidget*, const QString& why) { failures << why; };
        d.templateChoice = [this](QWidget*, int wingCount) {
            wingsOffered = wingCount;
            return templateAnswer;
        };
    }
    QAction* action(int format) {
        static const char* const names[] = {"ExportSvg", "ExportDxf", "ExportAvl"};
        return get<QAction>(names[format]);
    }
    // The file the command wrote, empty when none.
    std::string exportTo(int format, const QString& name) {
        exportAnswer = text(folder.path() / name.toStdString());
        std::filesystem::remove(exportAnswer.toStdString());
        asked.clear();
        action(format)->trigger();
        std::ifstream file(exportAnswer.toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    QString exportAnswer;
    QStringList asked;
    std::optional<TemplateChoice> templateAnswer;
    int wingsOffered = 0;
};

TEST_F(ExportCommandsTest, GeometryAlwaysMarksOnlyWithValidResults) {
    // Per format: the filter, a sign of the geometry and of the stability marks.
    const struct {
        const char *extension, *filter, *geometry, *marks;
    } formats[] = {
        {"svg", "SVG drawing (*.svg)", "<g id=\"wing2\"", "<g id=\"stability\""},
        {"dxf", "DXF drawing (*.dxf)", "\r\nWING2\r\n", "\r\nSTABILITY\r\n"},
        {"avl", "AVL input (*.avl)", "SURFACE\nWing2", nullptr},
    };
    const auto exportAll = [&](bool marked) {
        for (std::size_t i = 0; i < std::size(formats); ++i) {
            const auto& f = formats[i];
            SCOPED_TRACE(f.extension);
            const std::string written = exportTo(int(i), QStringLiteral("out.") + f.extension);
            EXPECT_EQ(asked.value(1), QStringLiteral("Unknown.") + f.extension);
            EXPECT_EQ(asked.value(2), f.filter);
            EXPECT_NE(written.find(f.geometry), std::string::npos);
            if (f.marks) {
                EXPECT_EQ(written.find(f.marks) != std::string::npos, marked);
            }
        }
        EXPECT_TRUE(failures.isEmpty());
    };
    exportAll(false);  // never calculated
    get<QPushButton>("Button4")->click();
    ASSERT_TRUE(results().ResultsValid);
    exportAll(true);
    // A change withdraws the results; a refused calculation brings none.
    const WingControlNames& n = wingControlNames(1);
    get<QLineEdit>(n.chord[1])->setText("10");
    get<QLineEdit>(n.chord[2])->setText("10");
    get<QLineEdit>(n.span[1])->setText("3000");
    exportAll(false);
    get<QPushButton>("Button4")->click();
    ASSERT_FALSE(results().ResultsValid);
    exportAll(false);
}

TEST_F(ExportCommandsTest, TypedNameGetsItsExtensionFailedWriteSaysWhyCancelWritesNothing) {
    exportAnswer = text(folder.path() / "plan");
    action(1)->trigger();
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "plan.dxf"));
    exportAnswer = QStringLiteral("/nonexistent-folder-of-winstabix/out.svg");
    action(0)->trigger();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.front().startsWith("The file was not exported.\n"))
        << failures.front().toStdString();
    EXPECT_TRUE(failures.front().contains("nonexistent-folder-of-winstabix"));
    exportAnswer.clear();
    action(1)->trigger();
    EXPECT_EQ(failures.size(), 1);
}

TEST_F(ExportCommandsTest, TemplateGoesToThePrintDialogUnlessCancelled) {
    QAction* command = get<QAction>("PrintTemplate");
    command->trigger();
    EXPECT_EQ(wingsOffered, 2);
    EXPECT_FALSE(form->printControls().printDialog() && form->printControls().printDialog()->isVisible());
    templateAnswer = TemplateChoice{2, false};
    command->trigger();
    ASSERT_NE(form->printControls().printDialog(), nullptr);
    EXPECT_TRUE(form->printControls().printDialog()->isVisible());
    form->printControls().printDialog()->close();
}

}  // namespace
}  // namespace ws::testing
