// The export and template commands: the offered name, marks only with results, failures.
#include <QPushButton>
#include <array>

#include "printing/Unit3.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class ExportCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ExportDialogs& d = form->exportCommands().dialogs;
        d.saveName = [this](QWidget*, const QString&, const QString& suggested, const QString& filter) {
            return asked = {suggested, filter}, exportAnswer;
        };
        d.failed = [this](QWidget*, const QString& why) { failures << why; };
        d.templateChoice = [this](QWidget*, int wingCount) {
            return wingsOffered = wingCount, templateAnswer;
        };
    }
    QAction* action(int format) {
        return get<QAction>(std::array{"ExportSvg", "ExportDxf", "ExportAvl"}[format]);
    }
    // The file the command wrote, empty when none.
    std::string exportTo(int format, const std::string& name) {
        std::filesystem::remove(folder / name);
        exportAnswer = text(folder / name);
        action(format)->trigger();
        return readBytes(folder / name);
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
        {"avl", "AVL input (*.avl)", "SURFACE\nWing2", "no marks"},
    };
    const auto exportAll = [&](bool marked) {
        for (int i = 0; i < 3; ++i) {
            const auto& f = formats[i];
            const std::string written = exportTo(i, std::string("out.") + f.extension);
            EXPECT_EQ(asked, (QStringList{QStringLiteral("Unknown.") + f.extension, f.filter}));
            EXPECT_NE(written.find(f.geometry), std::string::npos) << f.extension;
            EXPECT_EQ(written.find(f.marks) != std::string::npos, marked && i < 2) << f.extension;
        }
        EXPECT_TRUE(failures.isEmpty());
    };
    exportAll(false);  // never calculated
    get<QPushButton>("Button4")->click();
    exportAll(true);
    get<QLineEdit>("Edit4")->setText("311");  // a change withdraws the results
    exportAll(false);
}

TEST_F(ExportCommandsTest, TypedNameGetsItsExtensionFailedWriteSaysWhyCancelWritesNothing) {
    exportAnswer = text(folder / "plan");
    action(1)->trigger();
    EXPECT_TRUE(std::filesystem::exists(folder / "plan.dxf"));
    exportAnswer = QStringLiteral("/nonexistent-folder-of-winstabix/out.svg");
    action(0)->trigger();
    exportAnswer.clear();
    action(1)->trigger();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith("The file was not exported.\n")) << failures[0].toStdString();
    EXPECT_TRUE(failures[0].contains("nonexistent-folder-of-winstabix"));
}

TEST_F(ExportCommandsTest, TemplateGoesToThePrintDialogUnlessCancelled) {
    get<QAction>("PrintTemplate")->trigger();
    EXPECT_EQ(wingsOffered, 2);
    EXPECT_FALSE(form->printControls().printDialog() && form->printControls().printDialog()->isVisible());
    templateAnswer = TemplateChoice{2, false};
    get<QAction>("PrintTemplate")->trigger();
    ASSERT_NE(form->printControls().printDialog(), nullptr);
    EXPECT_TRUE(form->printControls().printDialog()->isVisible());
    form->printControls().printDialog()->close();
}

}  // namespace
}  // namespace ws::testing
