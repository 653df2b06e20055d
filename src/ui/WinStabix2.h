// The main window's frame: the menus and their actions, the tool buttons,
// the tab control with its six pages, the file label and the message box.
// The document (document/aircraft_document.h) owns the aircraft and every
// choice around it; each page shows it and sends the user's edits to it,
// and the frame derives every command's state from it (showState).
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <vector>

#include "document/aircraft_document.h"
#include "editing/mouse_state.h"
#include "ui/file_commands.h"
#include "ui/main_chrome.h"

class QPlainTextEdit;
class QTabWidget;

namespace ws {

class AircraftPage;
class DocumentRecovery;
class BalancePage;
class ExportCommands;
class PrintControls;
class RemarksPage;
class StudyDialog;
class CompareDialog;
class TForm2;
class WingPage;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // `arguments`: the command line after the program's name; exactly one
    // names an aircraft file to open at start. `dialogs`: the questions and
    // messages the file commands ask and show (tests answer them).
    explicit TForm1(QWidget* parent = nullptr, const QStringList& arguments = {},
                    FileDialogs dialogs = standardFileDialogs());
    ~TForm1() override;

    AircraftDocument& document() { return *doc_; }
    FileCommands& fileCommands() { return *files_; }
    PrintControls& printControls() { return *print_; }
    ExportCommands& exportCommands() { return *exports_; }
    // The parameter study, made and shown when first asked for.
    StudyDialog& studyDialog();
    // Compare with…: asks for an aircraft file (this one's own offered first) and shows both.
    void compareCommand();
    CompareDialog* compareDialog() { return compare_; }

    // Stretches the tab control and the views to the window and draws every
    // view anew, keeping results.
    void FormResize();
    // The smallest window that shows every control of every page and the
    // top view's stability rows whole.
    QSize minimumWindowSize() const;
    // Offers, one after the other, the recovery files of windows no longer
    // running, until one is restored (window_recovery.cpp).
    void offerRecovery();
    DocumentRecovery& recovery() { return *recovery_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildWindow();
    void connectCommands();
    void connectUnits();  // the unit menu, from and into the settings
    // Every action's and control's enabled and visible state, from the document.
    void showState();
    // The message box's lines, written when they changed.
    void showMessages();
    void showFileName();
    void showDocument();
    void PageControl1Change();
    void calculateCommand();
    void followScreenDensity();
    // After the settings file: wholly on a screen, never below the smallest size.
    void fitOntoScreen();
    // Writes the settings file "Default.pa4" (settings_location.h says where):
    // the language, the size and the place for the next start.
    void FormClose();
    // Languages and the info dialog (language_switch).
    void connectLanguageCommands();
    Language menuLanguage(const QAction* item) const;
    void nameLanguages();
    void rewriteTexts();
    void showCalculateHint();
    void Info1Click();
    // Recovery and the file changed on disk (window_recovery.cpp).
    void startRecovery();
    void checkFileOnDisk();

    AircraftDocument* doc_;
    QStringList commandLine_;
    MouseState mouse_;  // shared by the planform, 3-D and top views
    MainChrome chrome_;
    QTabWidget* PageControl1 = nullptr;
    AircraftPage* aircraft_ = nullptr;
    std::array<WingPage*, kMaxWings + 1> wings_{};  // [1..3]
    BalancePage* balance_ = nullptr;
    RemarksPage* remarks_ = nullptr;
    QPlainTextEdit* Memo1 = nullptr;      // the message box, on the aircraft page
    std::vector<Message> shownMessages_;  // what Memo1 holds, with the margin's warning
    bool shownWarning_ = false;
    QString shownMargin_;
    FileCommands* files_ = nullptr;
    PrintControls* print_ = nullptr;
    ExportCommands* exports_ = nullptr;
    TForm2* info_ = nullptr;  // the info dialog, made when first opened
    StudyDialog* study_ = nullptr;
    CompareDialog* compare_ = nullptr;
    DocumentRecovery* recovery_ = nullptr;
    // The file's time and size when a reload was declined: not offered again for them.
    std::pair<qint64, qint64> declinedReload_{-1, -1};
    bool askingReload_ = false;
};

}  // namespace ws
