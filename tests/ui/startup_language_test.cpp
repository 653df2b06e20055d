#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <string>

#include "ui/Unit2.h"
#include "ui/design_scale.h"
#include "ui/open_aircraft.h"
#include "ui/ui_texts.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = WINSTABIX_EXAMPLES;
const fs::path kData = WINSTABIX_TEST_DATA;

constexpr Language kEnglish = Language::English, kGerman = Language::German;

class Texts : public WindowTest {
  protected:
    bool english() { return doc().language() == kEnglish; }
};
using StartUp = Texts;
using InfoDialog = Texts;

std::string settingsOf(const char* language, int width, int height, int left, int top) {
    return std::string(language) + "\r\n" + std::to_string(width) + "\r\n" + std::to_string(height) + "\r\n" +
           std::to_string(left) + "\r\n" + std::to_string(top) + "\r\n";
}

TEST_F(StartUp, GermanSettingsGiveGermanTextsSizeAndPlace) {
    fs::copy_file(kData / "german-900x700.pa4", folder / "Default.pa4");  // d, 900, 700, 1200, 50
    start();
    EXPECT_EQ(doc().language(), kGerman);
    EXPECT_EQ(form->size(), QSize(900, 700));
    EXPECT_EQ(form->pos(), QPoint(0, 50));  // 1200 is no left edge
    EXPECT_EQ(textOf("TabSheet1"), " Flügel 1 ");

    form->close();
    EXPECT_EQ(readBytes(folder / "Default.pa4"), settingsOf("d", 900, 700, 0, 50));
}

TEST_F(StartUp, AShortSettingsFileAppliesWhatItHas) {
    writeBytes(folder / "Default.pa4", "e\r\n950\r\n");
    start();
    EXPECT_TRUE(english());
    EXPECT_EQ(form->width(), 950);
    EXPECT_EQ(form->height(), design(732) + form->menuBar()->sizeHint().height());
    EXPECT_EQ(textOf("TabSheet5"), "     Aircraft    ");  // the design texts stay
}

TEST_F(StartUp, ClosingWritesTheSettingsEveryTimeAndTheyComeBack) {
    start();
    EXPECT_FALSE(fs::exists(folder / "Default.pa4"));
    form->resize(880, 640);
    form->move(30, 40);
    form->close();
    // Without one in the working folder, the user's configuration folder has it.
    EXPECT_FALSE(fs::exists(folder / "Default.pa4"));
    EXPECT_EQ(readBytes(configSettingsFile()), settingsOf("e", 880, 640, 30, 40));

    form.reset();
    start();
    EXPECT_EQ(form->size(), QSize(880, 640));
    EXPECT_EQ(form->pos(), QPoint(30, 40));
    get<QAction>("german1")->trigger();
    get<QAction>("Exit1")->trigger();
    EXPECT_EQ(readBytes(configSettingsFile()), settingsOf("d", 880, 640, 30, 40));
}

TEST_F(StartUp, ASettingsFileThatCannotBeWrittenIsSkippedQuietly) {
    fs::create_directory(folder / "Default.pa4");
    start();
    form->close();
    EXPECT_TRUE(fs::is_directory(folder / "Default.pa4"));
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(StartUp, TheCommandLineFileOpensAsGivenWithSaveEnabled) {
    const fs::path upper = folder / "PLANES" / "GLIDER.DA4";
    fs::create_directories(upper.parent_path());
    fs::copy_file(kExamples / "glider.da4", upper);
    start({text(upper)});
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), text(upper));
    EXPECT_TRUE(saveEnabled());
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(readBytes(upper), readBytes(kExamples / "glider.da4"));
}

TEST_F(StartUp, TwoArgumentsOpenNothingAndAFileThatCannotBeOpenedIsReported) {
    const QString glider = text(kExamples / "glider.da4");
    start({glider, glider});
    EXPECT_FALSE(doc().hasFile());
    doc().recalculate();  // as the first resize does
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->isVisibleTo(form.get()));
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->toPlainText().contains("2 files were named at start"));

    // A file that cannot be read is refused with its reason; nothing changes.
    form.reset();
    const QString missing = text(folder / "none.da4");
    start({missing});
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(openFailedText(""))) << failures[0].toStdString();
    EXPECT_TRUE(failures[0].contains("none.da4"));
    EXPECT_FALSE(doc().hasFile());

    // A name whose bytes are not UTF-8 opens through the bytes it was given.
    form.reset();
    const std::string odd = (folder / (std::string("gl\xFC") + "der.da4")).string();
    fs::copy_file(kExamples / "glider.da4", odd);
    char* argv[] = {const_cast<char*>("winstabix"), const_cast<char*>(odd.c_str())};
    keepNativeArguments(2, argv);
    start({QFile::decodeName(QByteArray::fromStdString(odd))});
    EXPECT_EQ(doc().model().AircraftFileName, odd);
    EXPECT_EQ(doc().model().wing[1].TrapCount, 3);
}

TEST_F(StartUp, ACommandLineFileWithResultsShowsThemAndTheyStayValidInGerman) {
    start({text(kData / "with-results.da4")});
    EXPECT_EQ(views().currentStabilityDisplay().rows.refChord, "Reference length (lm): 272.0mm ");
    get<QAction>("german1")->trigger();
    EXPECT_TRUE(results().ResultsValid);
    EXPECT_EQ(views().currentStabilityDisplay().rows.refArea, "Bezugsfläche (S): 29.70dm^2 ");
    EXPECT_FALSE(get<QLabel>("Label_anp1")->isVisible());
}

// Its texts in German are in the window golden (window-german.txt).
TEST_F(InfoDialog, OpensWithoutBlockingFollowsTheLanguageAndIsRaisedAgain) {
    start();
    get<QAction>("Info1")->trigger();
    auto* info = form->findChild<TForm2*>();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    auto label = [info](const char* name) {
        return info->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(label("Label1"), "   WinStabix calculates the aerodynamic center   ");
    EXPECT_TRUE(label("Label4").startsWith("<a href=\"file:///"));
    EXPECT_TRUE(label("Label4").endsWith("README.md#contact\">README.md#contact</a>"));
    EXPECT_EQ(label("Label8"), "Version " WINSTABIX_VERSION);
    get<QAction>("german1")->trigger();
    EXPECT_EQ(label("Label1"), "   WinStabix berechnet den Neutralpunkt eines   ");
    info->findChild<QPushButton*>("Close1")->click();
    EXPECT_FALSE(info->isVisible());
    get<QAction>("Info1")->trigger();
    EXPECT_EQ(form->findChildren<TForm2*>().size(), 1);
    QApplication::setActiveWindow(info);
    ASSERT_TRUE(QTest::qWaitForWindowActive(info));
    QTest::keyClick(info, Qt::Key_Escape);
    EXPECT_FALSE(info->isVisible());
}

}  // namespace
}  // namespace ws::testing
