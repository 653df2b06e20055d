// The window as a document: undo keys, modified mark, questions, recent and dropped files.
#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUndoStack>
#include <QUrl>
#include <tuple>

#include "ui/ui_texts.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = WINSTABIX_EXAMPLES;

using Document = MainWindowTest;

TEST_F(Document, CtrlZIsTheDocumentsUndoWhereverTheFocusIs) {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* chord = get<QLineEdit>("Edit4");
    chord->setFocus();
    chord->end(false);
    QTest::keyClicks(chord, "7");
    QTest::keyClicks(get<QLineEdit>("Edit5"), "1");
    EXPECT_EQ(doc().undoStack()->count(), 2);
    QTest::keyClick(chord, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(get<QLineEdit>("Edit5")->text(), "230");  // the last step, not the field's own
    EXPECT_EQ(chord->text(), "3107");
    QTest::keyClick(get<QTabWidget>("PageControl1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(chord->text(), "310");
    EXPECT_EQ(textOf("Label_s1"), "29.70dm^2");
    QTest::keyClick(chord, Qt::Key_Z, Qt::ControlModifier);  // nothing left: the field keeps its text
    EXPECT_EQ(chord->text(), "310");
    QTest::keyClick(chord, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(chord->text(), "3107");
    QTest::keyClick(chord, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(get<QLineEdit>("Edit5")->text(), "2301");
    // Also in the remarks, which keep no history of their own.
    get<QTabWidget>("PageControl1")->setCurrentWidget(get<QWidget>("TabSheet4"));
    auto* remarks = get<QPlainTextEdit>("Memo2");
    const QString before = remarks->toPlainText();
    remarks->setFocus();
    QTest::keyClicks(remarks, "x");
    QTest::keyClick(remarks, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(remarks->toPlainText(), before);
}

// The title with its modified mark is in the window golden.
TEST_F(Document, TypedAndTakenBackIsNoChangeAndSaveAsStartsAtTheFile) {
    get<QLineEdit>("Edit_x2")->setText("700");
    saveAnswer = text(folder / "plane");
    get<QAction>("Save2")->trigger();
    QTest::keyClicks(get<QLineEdit>("Edit4"), "1");
    QTest::keyClick(get<QLineEdit>("Edit4"), Qt::Key_Backspace);
    EXPECT_FALSE(form->isWindowModified());
    get<QAction>("Undo1")->trigger();
    EXPECT_TRUE(form->isWindowModified());
    get<QAction>("Save2")->trigger();
    EXPECT_EQ(saveSuggested, text(folder / "plane.da4"));
}

TEST_F(Document, ChangesAreAskedAboutBeforeCloseOrOpenLosesThem) {
    // saveAs "" cancels the save dialog; "missing/" cannot be written.
    const std::tuple<SaveAnswer, const char*, bool> cases[] = {{SaveAnswer::Save, "saved.da4", true},
                                                               {SaveAnswer::Save, "missing/x.da4", false},
                                                               {SaveAnswer::Save, "", false},
                                                               {SaveAnswer::Discard, "", true},
                                                               {SaveAnswer::Cancel, "", false}};
    for (bool closing : {true, false}) {
        for (const auto& [answer, saveAs, goesOn] : cases) {
            SCOPED_TRACE(::testing::Message() << (closing ? "close " : "open ") << int(answer) << saveAs);
            form.reset();
            fs::remove(folder / "saved.da4");
            fs::remove(configSettingsFile());
            start();
            openAsked = changesAsked = 0;
            changesAnswer = answer;
            saveAnswer = *saveAs ? text(folder / saveAs) : QString();
            openAnswer = text(kExamples / "glider.da4");
            get<QLineEdit>("Edit4")->setText("400");

            if (closing) {
                EXPECT_EQ(form->close(), goesOn);
                // The settings are written by every close that happens.
                EXPECT_EQ(fs::exists(configSettingsFile()), goesOn);
            } else {
                get<QAction>("Open2")->trigger();
                EXPECT_EQ(openAsked, goesOn ? 1 : 0);
                EXPECT_EQ(get<QLineEdit>("Edit4")->text(), goesOn ? " 230" : "400");
                EXPECT_EQ(form->isWindowModified(), !goesOn);
            }
            EXPECT_EQ(changesAsked, 1);
            EXPECT_EQ(fs::exists(folder / "saved.da4"), answer == SaveAnswer::Save && goesOn);
        }
    }
    // Nothing to lose: no question.
    form.reset();
    start();
    changesAsked = 0;
    EXPECT_TRUE(form->close());
    EXPECT_EQ(changesAsked, 0);
}

TEST_F(Document, RecentFilesLastAcrossARestartAndAVanishedOneIsDropped) {
    const fs::path copy = folder / "copy.da4";
    fs::copy_file(kExamples / "glider.da4", copy);
    EXPECT_FALSE(get<QMenu>("Recent1")->isEnabled());
    for (const fs::path& file : {kExamples / "startup.da4", copy}) {
        openAnswer = text(file);
        get<QAction>("Open2")->trigger();
    }
    EXPECT_TRUE(fs::exists(configSettingsFile().parent_path() / "WinStabix.ini"));  // one folder for all
    form.reset();
    start();
    QMenu* menu = get<QMenu>("Recent1");
    auto entries = [&] {
        QStringList list;
        emit menu->aboutToShow();
        for (QAction* a : menu->actions()) list << a->text();
        return list;
    };
    EXPECT_EQ(entries(), (QStringList{"&1 " + text(copy), "&2 " + text(kExamples / "startup.da4")}));
    menu->actions()[1]->trigger();
    EXPECT_EQ(entries().front(), "&1 " + text(kExamples / "startup.da4"));

    fs::remove(copy);
    menu->actions()[1]->trigger();
    EXPECT_EQ(failures, QStringList{vanishedFileText(text(copy))});
    EXPECT_EQ(entries(), QStringList{"&1 " + text(kExamples / "startup.da4")});
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), text(kExamples / "startup.da4"));
}

TEST_F(Document, ADroppedAircraftFileOpensAfterTheQuestion) {
    get<QLineEdit>("Edit4")->setText("400");
    changesAnswer = SaveAnswer::Discard;
    for (const char* name : {"notes.txt", "glider.da4"}) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(text(kExamples / name))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), QString(name).endsWith(".da4")) << name;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &drop);
    }
    EXPECT_EQ(changesAsked, 1);
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), text(kExamples / "glider.da4"));
    EXPECT_EQ(get<QLineEdit>("Edit4")->text(), " 230");
}

TEST_F(Document, RemarksTheFileCannotHoldAreCountedOnSave) {
    get<QPlainTextEdit>("Memo2")->setPlainText("Ω ≈ ä?");
    saveAnswer = text(folder / "plane.da4");
    get<QAction>("Save2")->trigger();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0], unstorableRemarksText(2));
}

TEST(CommandLine, HelpAndVersionAnswerWithoutAWindow) {
    for (const auto& [option, start] : {std::pair{"--help", "Usage: winstabix [FILE.da4]\n"},
                                        {"--version", "WinStabix4 V" WINSTABIX_VERSION "\n"}}) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "no-such-platform");  // a window would fail to start
        program.setProcessEnvironment(env);
        program.start(WINSTABIX_WINDOW, {option});
        ASSERT_TRUE(program.waitForFinished(10000)) << option;
        EXPECT_EQ(program.exitCode(), 0) << option;
        EXPECT_TRUE(program.readAllStandardOutput().startsWith(start)) << option;
    }
}

}  // namespace
}  // namespace ws::testing
