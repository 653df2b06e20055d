#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <map>
#include <set>
#include <string>

#include "ui/Unit2.h"
#include "ui/design_scale.h"
#include "ui/export_commands.h"
#include "ui/image_widget.h"
#include "ui/open_aircraft.h"
#include "ui/ui_texts.h"
#include "ui/wing_controls.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = WINSTABIX_EXAMPLES;
const fs::path kData = WINSTABIX_TEST_DATA;

constexpr Language kEnglish = Language::English, kGerman = Language::German;

class Texts : public WindowTest {
  protected:
    // Every caption and accessible name of the tables, in the language in force.
    void expectEveryText() {
        for (const TextRow& row : captionTable()) EXPECT_EQ(textOf(row.name), row.text()) << row.name;
        for (const TextRow& row : accessibleNameTable())
            EXPECT_EQ(get<QWidget>(row.name.c_str())->accessibleName(), row.text()) << row.name;
    }
    bool english() { return doc().language() == kEnglish; }
};
using StartUp = Texts;
using Languages = Texts;
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
    EXPECT_TRUE(english());
    form->close();
    EXPECT_TRUE(fs::is_directory(folder / "Default.pa4"));
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(StartUp, TheCommandLineFileOpensAsGivenWithSaveEnabled) {
    const fs::path upper = folder / "PLANES" / "GLIDER.DA4";
    fs::create_directories(upper.parent_path());
    fs::copy_file(kExamples / "glider.da4", upper);
    start({text(upper)});
    EXPECT_EQ(get<QLineEdit>("Edit4")->text(), " 230");
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), text(upper));
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(get<QTabWidget>("PageControl1")->currentWidget()->objectName(), "TabSheet5");
    EXPECT_FALSE(results().ResultsValid);

    // "Save" writes back to the same file.
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(readBytes(upper), readBytes(kExamples / "glider.da4"));
}

TEST_F(StartUp, TwoArgumentsOpenNothingAndAFileThatCannotBeOpenedIsReported) {
    const QString glider = text(kExamples / "glider.da4");
    start({glider, glider});
    EXPECT_EQ(get<QLineEdit>("Edit4")->text(), "310");
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), "Unknown.da4");
    EXPECT_FALSE(doc().hasFile());
    // ... and says so in the message box.
    EXPECT_EQ(results().messages.back(), (Message{MessageCode::FilesNotOpened, 2}));
    doc().recalculate();  // as the first resize does
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->isVisibleTo(form.get()));
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->toPlainText().contains("2 files were named at start"));

    // A file that cannot be read is refused with its reason; nothing changes.
    form.reset();
    const QString missing = text(folder / "none.da4");
    start({missing});
    EXPECT_EQ(get<QLineEdit>("Edit4")->text(), "310");
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), "Unknown.da4");
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(openFailedText(""))) << failures[0].toStdString();
    EXPECT_TRUE(failures[0].contains("none.da4"));
    EXPECT_FALSE(doc().hasFile());

    // A name whose bytes are not UTF-8 opens through the bytes it was given.
    form.reset();
    const std::string odd = (folder /
                             "gl\xFC"
                             "der.da4")
                                .string();
    fs::copy_file(kExamples / "glider.da4", odd);
    char* argv[] = {const_cast<char*>("winstabix"), const_cast<char*>(odd.c_str())};
    keepNativeArguments(2, argv);
    start({QFile::decodeName(QByteArray::fromStdString(odd))});
    EXPECT_EQ(doc().model().AircraftFileName, odd);
    EXPECT_EQ(doc().model().wing[1].TrapCount, 3);
}

TEST_F(Languages, SwitchingTwiceReturnsEveryTextOfTheTableToEnglish) {
    start();
    EXPECT_EQ(textOf("TabSheet1"), " Wing 1 ");  // the design caption
    get<QAction>("german1")->trigger();
    EXPECT_FALSE(english());
    get<QAction>("german1")->trigger();
    EXPECT_TRUE(english());
    expectEveryText();
    // The remarks keep the language they were written in.
    EXPECT_EQ(get<QPlainTextEdit>("Memo2")->toPlainText(), "insert your remarks her:");
}

TEST_F(Languages, GapWarningMemoHeadAndWingNamesFollowTheSwitch) {
    start();
    const auto english = gapWarningLines();
    const auto german = std::pair<QString, QString>("Sind Sie sicher, dass dieser Flügel in",
                                                    "der Mitte eine Lücke haben soll?");
    get<QLineEdit>("Edit01")->setText("10");
    EXPECT_EQ(get<QLabel>("Label_sp1")->text(), english.first);
    const QImage before = get<ImageWidget>("Image5")->image();
    get<QAction>("german1")->trigger();
    EXPECT_EQ(get<QLabel>("Label_sp1")->text(), german.first);
    EXPECT_EQ(get<QLabel>("Label_sp2")->text(), german.second);
    EXPECT_TRUE(get<QLabel>("Label_sp3")->text().isEmpty());
    EXPECT_EQ(get<QPlainTextEdit>("Memo1")->toPlainText(), "Fehler: ");
    EXPECT_NE(get<ImageWidget>("Image5")->image(), before);  // "Flügel-1" drawn over "Wing-1  "
    get<QAction>("german1")->trigger();
    EXPECT_EQ(get<QLabel>("Label_sp2")->text(), english.second);
    EXPECT_EQ(get<QPlainTextEdit>("Memo1")->toPlainText(), "Error: ");
    EXPECT_EQ(get<ImageWidget>("Image5")->image(), before);
}

TEST_F(StartUp, ACommandLineFileWithResultsShowsThemAndTheyStayValidInGerman) {
    start({text(kData / "with-results.da4")});
    EXPECT_EQ(views().currentStabilityDisplay().rows.refChord, "Reference length (lm): 272.0mm ");
    get<QAction>("german1")->trigger();
    EXPECT_TRUE(results().ResultsValid);
    EXPECT_EQ(views().currentStabilityDisplay().rows.refArea, "Bezugsfläche (S): 29.70dm^2 ");
    EXPECT_FALSE(get<QLabel>("Label_anp1")->isVisible());
}

TEST_F(InfoDialog, OpensWithoutBlockingInEitherLanguageAndIsRaisedAgain) {
    start();
    EXPECT_EQ(form->findChild<TForm2*>(), nullptr);
    get<QAction>("Info1")->trigger();
    auto* info = form->findChild<TForm2*>();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->windowTitle(), " Info");
    auto label = [info](const char* name) { return info->findChild<QLabel*>(QString::fromLatin1(name)); };
    auto expectTexts = [&](bool english) {
        EXPECT_EQ(english, doc().language() == kEnglish);
        SCOPED_TRACE(english ? "English" : "German");
        const char* lines[][3] = {
            {"Label1", "   WinStabix calculates the aerodynamic center   ",
             "   WinStabix berechnet den Neutralpunkt eines   "},
            {"Label2", "of an aircraft and suggests a suitable", "Flugzeugs und schlägt einen günstigen "},
            {"Label7", "range for the center of gravity", "Bereich für die Schwerpunktlage vor"}};
        for (const auto& [name, en, de] : lines) EXPECT_EQ(label(name)->text(), english ? en : de) << name;
        EXPECT_TRUE(
            label("Label3")->text().startsWith(english ? "Idea and Formulas: " : "Idee und Formeln: "));
        EXPECT_TRUE(label("Label5")->text().startsWith(english ? "Realization: " : "Umsetzung: "));
        EXPECT_TRUE(label("Label3")->text().contains("WinStabix"));
        // The project's own address, a link to the README's contact.
        EXPECT_TRUE(label("Label4")->text().startsWith("<a href=\"file:///"))
            << label("Label4")->text().toStdString();
        EXPECT_TRUE(label("Label4")->text().endsWith("README.md#contact\">README.md#contact</a>"));
        EXPECT_EQ(label("Label8")->text(), "Version " WINSTABIX_VERSION);
        EXPECT_TRUE(label("Label9")->text().isEmpty());
    };
    expectTexts(true);

    // A switch while it is open rewrites it; opening again keeps one window and
    // brings the language of the moment.
    get<QAction>("german1")->trigger();
    expectTexts(false);
    info->close();
    get<QAction>("german1")->trigger();
    get<QAction>("Info1")->trigger();
    EXPECT_EQ(form->findChildren<TForm2*>().size(), 1);
    EXPECT_TRUE(info->isVisible());
    expectTexts(true);
    // Its Close button and Esc close it.
    info->findChild<QPushButton*>("Close1")->click();
    EXPECT_FALSE(info->isVisible());
    get<QAction>("Info1")->trigger();
    QApplication::setActiveWindow(info);
    ASSERT_TRUE(QTest::qWaitForWindowActive(info));
    QTest::keyClick(info, Qt::Key_Escape);
    EXPECT_FALSE(info->isVisible());
}

}  // namespace
}  // namespace ws::testing
