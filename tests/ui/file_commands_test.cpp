#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "files/aircraft_file.h"
#include "ui/file_commands.h"
#include "ui/image_widget.h"
#include "ui/remarks_page.h"
#include "ui/ui_texts.h"
#include "views/stability_view.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = WINSTABIX_EXAMPLES;
const fs::path kData = WINSTABIX_TEST_DATA;

using FileCommands = WindowTest;

// The real question box: its buttons' words, Cancel by default.
TEST_F(FileCommands, TheChangedOnDiskQuestionNamesItsButtons) {
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons()) shown << b->text();
        box->defaultButton()->click();
    });
    EXPECT_EQ(standardFileDialogs().askOverwrite(nullptr, "a.da4"), ChangedAnswer::Cancel);
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"Cancel", "Overwrite", "Save as…"}));
}

TEST_F(FileCommands, OpenWithStoredResultsShowsThemWithoutLatticeAndACancelledOpenKeepsThem) {
    start();
    openAnswer = text(kData / "with-results.da4");
    get<QAction>("Open2")->trigger();
    EXPECT_FALSE(get<QPlainTextEdit>("Memo1")->isVisibleTo(form.get()));
    EXPECT_EQ(views().currentStabilityDisplay().rows.neutralPoint, "x_ac: 71.8mm    ");
    EXPECT_NE(get<ImageWidget>("Image2")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(get<QLabel>("Label_anp1")->isHidden());
    get<QAction>("german1")->trigger();  // the file's results stay
    EXPECT_EQ(views().currentStabilityDisplay().rows.refArea, "Bezugsfläche (S): 29.70dm^2 ");

    // Cancelled: nothing changes.
    openAnswer.clear();
    get<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(openAsked, 2);
    EXPECT_EQ(openFolder, text(kData));  // the dialog starts in the current file's folder
    EXPECT_TRUE(results().ResultsValid);
    EXPECT_TRUE(saveEnabled());
}

TEST_F(FileCommands, SaveAsWritesTheCoreWritersBytesAndTheExtensionRule) {
    start();
    saveAnswer = text(folder / "plane");
    get<QToolButton>("SpeedButton2")->click();
    EXPECT_FALSE(fs::exists(folder / "plane"));
    EXPECT_EQ(readBytes(folder / "plane.da4"), readBytes(kExamples / "startup.da4"));
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), text(folder / "plane.da4"));
    saveAnswer = text(folder / "plane.DA4");
    get<QAction>("Save2")->trigger();
    EXPECT_FALSE(fs::exists(folder / "plane.DA4.da4"));
    EXPECT_TRUE(saveEnabled());

    // Save asks nothing and writes the values: a chord typed with a sign is stored without.
    get<QLineEdit>("Edit4")->setText("-310");
    get<QToolButton>("SpeedButton3")->click();
    EXPECT_EQ(saveAsked, 2);
    EXPECT_EQ(readBytes(folder / "plane.DA4"), readBytes(kExamples / "startup.da4"));
}

TEST_F(FileCommands, TheExtensionIsAppendedAlsoWhenTheDialogIsCancelled) {
    const fs::path bare = folder / "glider";
    fs::copy_file(kExamples / "glider.da4", bare);
    start({text(bare)});
    get<QAction>("Save2")->trigger();  // cancelled
    EXPECT_EQ(doc().model().AircraftFileName, bare.string() + ".da4");
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), text(bare));  // nothing was saved
    EXPECT_FALSE(fs::exists(folder / "glider.da4"));
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(readBytes(folder / "glider.da4"), readBytes(bare));
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), text(bare) + ".da4");
}

TEST_F(FileCommands, AFailedSaveShowsTheReasonAndKeepsOldFileAndName) {
    start();
    const fs::path old = folder / "protected.da4", good = folder / "good.da4";
    writeBytes(old, "old bytes\r\n");
    fs::permissions(old, fs::perms::owner_read);  // not replaced, also not by root
    fs::create_directory(folder / "folder.da4");
    for (const auto& [target, why] : {std::pair{old, "the file is write-protected"},
                                      {folder / "missing" / "plane.da4", "does not exist"},
                                      {folder / "folder.da4", ""}}) {
        saveAnswer = text(target);
        get<QAction>("Save2")->trigger();
        ASSERT_EQ(failures.size(), 1) << target;
        const QString shown = failures.takeLast();
        EXPECT_TRUE(shown.startsWith(saveFailedText("cannot save \"" + text(target) + "\": ")))
            << shown.toStdString();
        EXPECT_TRUE(shown.contains(why)) << shown.toStdString();
        EXPECT_EQ(get<QLabel>("Lab_FName")->text(), "Unknown.da4");
        EXPECT_FALSE(doc().hasFile());
    }
    EXPECT_EQ(readBytes(old), "old bytes\r\n");
    // A plain Save to a file that cannot be replaced.
    saveAnswer = text(good);
    get<QAction>("Save2")->trigger();
    fs::remove(good);
    fs::create_directory(good);
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(failures.size(), 1);
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), text(good));
}

TEST_F(FileCommands, ASaveOverAFileChangedOnDiskAsksFirst) {
    const fs::path file = folder / "shared.da4";
    fs::copy_file(kExamples / "glider.da4", file);
    start({text(file)});
    get<QAction>("Save3")->trigger();
    writeBytes(file, readBytes(file));  // another window saved the same bytes: no question
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(overwriteAsked, 0);
    const std::string theirs = readBytes(kExamples / "canard.da4");
    writeBytes(file, theirs);
    get<QAction>("Save3")->trigger();  // Cancel keeps their file
    EXPECT_EQ(overwriteAsked, 1);
    EXPECT_EQ(readBytes(file), theirs);
    overwriteAnswer = ChangedAnswer::SaveAs;
    saveAnswer = text(folder / "mine.da4");
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(readBytes(file), theirs);
    EXPECT_EQ(readBytes(folder / "mine.da4"), readBytes(kExamples / "glider.da4"));
    EXPECT_EQ(overwriteAsked, 2);
    // Save as made "mine" the file; changed there too, Overwrite replaces it.
    writeBytes(folder / "mine.da4", theirs);
    overwriteAnswer = ChangedAnswer::Overwrite;
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(overwriteAsked, 3);
    EXPECT_EQ(readBytes(folder / "mine.da4"), readBytes(kExamples / "glider.da4"));
}

TEST_F(FileCommands, BecomingActiveOffersToReloadAFileChangedOnDiskOnlyWithoutUnsavedChanges) {
    const fs::path file = folder / "shared.da4";
    fs::copy_file(kExamples / "glider.da4", file);
    auto becomeActive = [this] {
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(form.get(), &activation);
    };
    FileDialogs dialogs;
    dialogs.askReload = [&](QWidget*, const QString&) {
        if (++reloadAsked == 1) becomeActive();  // the question's own box gives the activation back
        return reloadAnswer;
    };
    form = std::make_unique<TForm1>(nullptr, QStringList{text(file)}, dialogs);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    becomeActive();
    EXPECT_EQ(reloadAsked, 0);
    writeBytes(file, readBytes(kExamples / "canard.da4"));
    becomeActive();  // declined: the same contents are not offered again
    becomeActive();
    EXPECT_EQ(reloadAsked, 1);
    EXPECT_EQ(doc().model().WingCount, 2);
    writeBytes(file, readBytes(kExamples / "flying-wing.da4"));
    reloadAnswer = true;
    becomeActive();
    EXPECT_EQ(reloadAsked, 2);
    EXPECT_EQ(doc().model().WingCount, 1);
    EXPECT_FALSE(doc().isModified());
    // Unsaved changes here: the question waits for the save.
    doc().editField(1, kChordField, "250");
    writeBytes(file, readBytes(kExamples / "glider.da4"));
    becomeActive();
    EXPECT_EQ(reloadAsked, 2);
}

TEST_F(FileCommands, RemarksTooLongForTheBoxAreShownReadOnlyAndSavedAsTheyWere) {
    start();
    const QString longLine(kMaxRemarksLine + 1, u'x');
    doc().editRemarks("one\n" + longLine);
    EXPECT_TRUE(get<QPlainTextEdit>("Memo2")->isReadOnly());
    ASSERT_FALSE(doc().save((folder / "long.da4").string()));
    EXPECT_EQ(std::get<AircraftFileContent>(loadAircraftFile(folder / "long.da4")).remarks,
              "one\n" + longLine.toStdString());
    doc().editRemarks("short");
    EXPECT_FALSE(get<QPlainTextEdit>("Memo2")->isReadOnly());
    EXPECT_EQ(get<QPlainTextEdit>("Memo2")->toPlainText(), "short");
}

}  // namespace
}  // namespace ws::testing
