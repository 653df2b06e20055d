#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

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

using StartUp = WindowTest;

std::string settingsOf(const char* language, int width, int height, int left, int top) {
    std::string s = std::string(language) + "\r\n";
    for (int v : {width, height, left, top}) s += std::to_string(v) + "\r\n";
    return s;
}

TEST_F(StartUp, SettingsGiveLanguageSizeAndPlaceAndEveryCloseWritesThem) {
    fs::copy_file(kData / "german-900x700.pa4", folder / "Default.pa4");  // d, 900, 700, 1200, 50
    start();
    EXPECT_EQ(doc().language(), Language::German);
    EXPECT_EQ(QRect(form->pos(), form->size()), QRect(0, 50, 900, 700));  // 1200 is no left edge
    EXPECT_EQ(textOf("TabSheet1"), " Flügel 1 ");
    form->close();
    EXPECT_EQ(readBytes(folder / "Default.pa4"), settingsOf("d", 900, 700, 0, 50));

    // A short file applies what it has; the design texts stay.
    form.reset();
    writeBytes(folder / "Default.pa4", "e\r\n950\r\n");
    start();
    EXPECT_EQ(doc().language(), Language::English);
    EXPECT_EQ(form->size(), QSize(950, design(732) + form->menuBar()->sizeHint().height()));
    EXPECT_EQ(textOf("TabSheet5"), "     Aircraft    ");

    // Without one in the working folder, the user's configuration folder has it.
    form.reset();
    fs::remove(folder / "Default.pa4");
    start();
    form->resize(880, 640);
    form->move(30, 40);
    form->close();
    EXPECT_FALSE(fs::exists(folder / "Default.pa4"));
    EXPECT_EQ(readBytes(configSettingsFile()), settingsOf("e", 880, 640, 30, 40));
    form.reset();
    start();
    EXPECT_EQ(QRect(form->pos(), form->size()), QRect(30, 40, 880, 640));
    get<QAction>("german1")->trigger();
    get<QAction>("Exit1")->trigger();
    EXPECT_EQ(readBytes(configSettingsFile()), settingsOf("d", 880, 640, 30, 40));

    // One that cannot be written is skipped quietly.
    form.reset();
    fs::create_directory(folder / "Default.pa4");
    start();
    form->close();
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(StartUp, TwoArgumentsOpenNothingAndAFileThatCannotBeOpenedIsReported) {
    const QString glider = text(kExamples / "glider.da4");
    start({glider, glider});
    EXPECT_FALSE(doc().hasFile());
    doc().recalculate();  // as the first resize does
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->isVisibleTo(form.get()));
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->toPlainText().contains("2 files were named at start"));

    form.reset();
    start({text(folder / "none.da4")});
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(openFailedText(""))) << failures[0].toStdString();
    EXPECT_TRUE(failures[0].contains("none.da4"));
    EXPECT_FALSE(doc().hasFile());

    // Opened as given: a name whose bytes are not UTF-8, in capitals.
    form.reset();
    const std::string odd = (folder / (std::string("GL\xFC") + "DER.DA4")).string();
    fs::copy_file(kExamples / "glider.da4", odd);
    char* argv[] = {const_cast<char*>("winstabix"), const_cast<char*>(odd.c_str())};
    keepNativeArguments(2, argv);
    start({QFile::decodeName(QByteArray::fromStdString(odd))});
    EXPECT_EQ(doc().model().AircraftFileName, odd);
    EXPECT_EQ(doc().model().wing[1].TrapCount, 3);
    EXPECT_TRUE(saveEnabled());
}

// Its German texts are in the window golden.
TEST_F(StartUp, TheInfoDoesNotBlockFollowsTheLanguageAndIsRaisedAgain) {
    start();
    get<QAction>("Info1")->trigger();
    auto* info = form->findChild<TForm2*>();
    ASSERT_NE(info, nullptr);
    auto* label = info->findChild<QLabel*>("Label1");
    EXPECT_EQ(label->text(), "   WinStabix calculates the aerodynamic center   ");
    get<QAction>("german1")->trigger();
    EXPECT_EQ(label->text(), "   WinStabix berechnet den Neutralpunkt eines   ");
    info->findChild<QPushButton*>("Close1")->click();
    EXPECT_FALSE(info->isVisible());
    get<QAction>("Info1")->trigger();
    EXPECT_EQ(form->findChildren<TForm2*>().size(), 1);
    EXPECT_TRUE(info->isVisible());
}

}  // namespace
}  // namespace ws::testing
