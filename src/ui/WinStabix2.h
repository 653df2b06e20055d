// The main window: five pages (aircraft, wings 1-3, remarks), the menus,
// the tool buttons and the actions behind both. Every number comes from the
// core (model/) through the document (aircraft_document.h).
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "editing/mouse_state.h"
#include "editing/planform_handles.h"
#include "editing/view_drag.h"
#include "export/export_source.h"
#include "files/aircraft_file.h"
#include "model/aircraft.h"
#include "model/language.h"
#include "model/planform.h"
#include "printing/print_job.h"
#include "solver/calculation.h"
#include "ui/aircraft_document.h"
#include "ui/aircraft_page.h"
#include "ui/file_commands.h"
#include "ui/main_chrome.h"
#include "ui/remarks_page.h"
#include "ui/wing_page.h"
#include "views/lattice_overlay.h"
#include "views/stability_view.h"
#include "views/top_view.h"
#include "views/view3d.h"

class QDragEnterEvent;
class QDropEvent;
class QTabWidget;

namespace ws {

class TForm2;
class TForm3;

class ExportCommands;
class RecentFiles;

// The main window: builds the pages, the menus, the tool bar and their
// actions, and shows the document. The document owns the aircraft; every
// field, label and view here only shows it.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // `arguments`: the command line after the program's name; exactly one
    // names an aircraft file to open at start. `dialogs`: the questions and
    // messages the window asks and shows (tests answer them).
    explicit TForm1(QWidget* parent = nullptr, const QStringList& arguments = {},
                    FileDialogs dialogs = standardFileDialogs());
    ~TForm1() override;

    AircraftDocument& document() const { return *doc_; }
    const AircraftModel& model() const;
    const WingPlanform& planform(int w) const;
    Language UiLanguage() const { return UiLanguage_; }  // the language in force

    // Recalculates wing w (1..3) from the document: its planform view and value labels.
    void Calc_W(int w);
    // Recalculates wing w (0: none), then sets the gap warnings of all three wings.
    void Space1(int w);
    // Redraws the whole aircraft: every wing, the top and the 3-D view.
    void Calc();
    void PageControl1Change();

    // The calculate command: the whole chain, then its outcome on screen.
    void Button4Click();
    // The centre-of-gravity display over a fresh top view; nothing unless
    // results are valid. `keepZoom`: the zoom bar's redraw keeps its scale.
    void STABIL(bool keepZoom = false);
    void Zeiger();
    void ScrollBar3Change();
    // Stretches the tab control and the images to the window and redraws
    // every view, keeping results.
    void FormResize();
    // The smallest window that shows every control of every page and the
    // top view's stability rows whole (window_resize).
    QSize minimumWindowSize() const;
    // The top view's transform; the 3-D view's zoom reads its TopViewScale.
    const TopViewTransform& topViewTransform() const { return topView_; }
    double TopViewScale() const { return topView_.TopViewScale; }
    const CalcResult& calculation() const;
    // Pixels per mm of wing w's planform view as last drawn; the mouse editing reads it.
    double PlanformScale(int w) const { return planformScale_[w]; }
    // What STABIL writes and marks now.
    StabilityDisplay currentStabilityDisplay() const;

    // Files: each asks before an unsaved change would be lost; false when
    // nothing was opened or saved.
    bool Load1Click();
    bool openAircraftFile(const QString& path);
    bool Save();
    bool SaveAs();
    void german1Click();
    // The print command: the summary page, then the "Printer" dialog, made
    // by `factory` on first use (tests give it fake printers).
    // Makes `language` the one in force; every window retranslates itself.
    void setLanguage(Language language);
    void Print1Click();
    void setPrintDialogFactory(std::function<TForm3*(QWidget* parent)> factory);
    TForm3* printDialog() const { return form3_; }
    const SummaryPage& printedPage() const { return page_; }
    // Export and the 1:1 template, of the aircraft as exportSource() gives it.
    ExportCommands* exportCommands() const { return exports_; }
    ExportSource exportSource() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    Language UiLanguage_ = Language::English;
    // Files, start-up and close, languages and the info dialog
    // (file_commands, startup_close, language_switch).
    void connectFileCommands();
    void connectLanguageCommands();
    void checkScreenDensity();
    void applySettingsFile();
    void openCommandLineFile();
    void FormClose();
    bool mayDiscardChanges();
    bool saveTo(const std::string& fileName);
    // After loading: the results a file claims, calculated again.
    void showStoredResults(const std::optional<StoredResults>& claimed);
    void showFileName();
    void rebuildRecentMenu();
    void openRecent(const QString& path);
    void Info1Click();
    void rewriteTexts();
    void nameLanguages();
    void showCalculateHint();
    Language menuLanguage(const QAction* item) const;
    QString memoHead_;  // what the recalculation left in the hidden message box
    QStringList commandLine_;
    FileDialogs dialogs_;
    RecentFiles* recent_ = nullptr;
    TForm2* info_ = nullptr;   // the info dialog, made when first opened
    TForm3* form3_ = nullptr;  // the print dialog, made when first printing
    std::function<TForm3*(QWidget* parent)> makePrintDialog_;
    SummaryPage page_;
    ExportCommands* exports_ = nullptr;
    void connectPrintCommand();
    static TForm3* standardPrintDialog(QWidget* parent);

    void buildWindow();
    void connectHandlers();
    void connectDocument();
    void Create1();
    int ScreenDpi = 96;  // Qt's logical dots per inch
    bool Screen96Dpi = false;

    // What the document changed, on screen.
    void showChange(const AircraftChange& change);
    void showWingFields(int w);
    void showResultsWithdrawn();
    void trapeziumChoice(int w, int k);
    void wingCountChoice(int k);
    void applyWingCountTable(int k);
    void enableCalculation();
    void withdrawPrint();
    void hideAerodynamicCentre();
    void writeWingLabels(int w);
    void writeWingNames();
    void showUndoTexts();

    // The drawing call sites; each repaints its whole image (view_commands,
    // stability_commands).
    void drawPlanformView(int w);
    void drawSchematic(int w);
    void clearTopView();
    void drawTopView();
    void draw3DView();
    void connectViewControls();
    // Every picture drawn anew when the screen's density has changed.
    void followScreenDensity();
    std::array<double, kMaxWings + 1> planformScale_{};  // [1..3] pixels per mm, as last drawn
    View3DPoints view3DPoints_{};

    AircraftDocument* doc_ = nullptr;

    QTabWidget* PageControl1 = nullptr;
    MainChrome chrome_;
    AircraftPage aircraft_;
    std::array<WingPage, kMaxWings + 1> wings_{};  // [1..3]
    RemarksPage remarks_;

    // Calculation, centre-of-gravity display, top view and relayout.
    void connectStabilityControls();
    void showCalculationRunning();
    void showCalculation();
    void stabilityModeChoice(bool manual);
    void clear3DView();
    void applyTopViewCursor();
    double marginDesired() const;
    ws::SolverWorkspace workspace_;
    TopViewTransform topView_;
    LatticeDrawing latticeDrawing_;
    MouseState mouse_;  // shared by the planform, 3-D and top views

    // Mouse editing of the planforms and mouse control of the views
    // (planform_mouse, top_view_mouse).
    void connectPlanformMouse();
    PlanformFrame planformFrame(int w) const;
    void applyBarChanges(const BarUpdate& update);
    void PlanformMouseDown(int w, int x, int y);
    void PlanformMouseMove(int w, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void PlanformMouseUp(int w, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void Image3MouseDown(int x, int y);
    void Image3MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void Image3MouseUp(int x, int y);
    void Image4MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                         int x, int y);
    void Image4MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void Image4MouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                       int x, int y);
};

}  // namespace ws
