// The main window: five pages (aircraft, wings 1-3, remarks), the menus and
// tool buttons, and the handlers that turn field changes into recalculations.
// The entry fields are the aircraft's storage; every number comes from the
// core (model/), the window only reads fields and writes labels and views.
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
#include "model/planform.h"
#include "printing/print_job.h"
#include "solver/calculation.h"
#include "ui/aircraft_page.h"
#include "ui/file_commands.h"
#include "ui/main_chrome.h"
#include "ui/remarks_page.h"
#include "ui/wing_page.h"
#include "views/lattice_overlay.h"
#include "views/stability_view.h"
#include "views/top_view.h"
#include "views/view3d.h"

class QTabWidget;

namespace ws {

class ExportCommands;
class TForm2;
class TForm3;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // `arguments`: the command line after the program's name; exactly one
    // names an aircraft file to open at start.
    explicit TForm1(QWidget* parent = nullptr, const QStringList& arguments = {});

    // Shared by the handlers, owned by the window.
    bool ResultsValid = false;  // aerodynamic-centre results belong to the current aircraft
    bool LatticeValid = false;  // the last lattice belongs to the current aircraft
    bool KeepResults = false;   // a redraw is running that must not withdraw results
    bool UiEnglish = true;

    // The wings as last read from their fields (the remarks live in Memo2).
    const AircraftModel& model() const { return model_; }
    const WingPlanform& planform(int w) const { return planform_[w]; }

    // Recalculates wing w (1..3) from its fields, redraws its planform view
    // and writes its value labels.
    void Calc_W(int w);
    // Centre-gap change: recalculates the sender's wing, then sets the gap
    // warnings of all three wings.
    void Space1(QObject* sender);
    // Recalculates and redraws the whole aircraft and withdraws results that
    // no longer belong to it (unless KeepResults).
    void Calc(QObject* sender);
    // k trapeziums (1..4) on wing w.
    void trapeziumChoice(int w, int k);
    // k wings (1..3) in use.
    void wingCountChoice(int k);
    void PageControl1Change();

    // Calculation, centre-of-gravity display, top view and relayout
    // (calculate_commands, stability_commands, top_view_mouse, window_resize).
    // The calculate command: the whole chain, then its outcome on screen.
    void Button4Click(QObject* sender);
    // The centre-of-gravity display over a fresh top view, from calc_'s
    // evaluation (AnpAircraft, RefArea, RefChord, RefOutline); nothing unless
    // ResultsValid. A file with results fills those three values, sets
    // ResultsValid, clears LatticeValid and calls STABIL(its open control).
    void STABIL(QObject* sender);
    void Zeiger();
    void ScrollBar3Change();
    // Stretches the tab control and the images to the window and redraws
    // every view, keeping results.
    void FormResize(QObject* sender);
    // The smallest window that shows every control of every page and the
    // top view's stability rows whole (window_resize).
    QSize minimumWindowSize() const;
    void Image4MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                         int x, int y);
    void Image4MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void Image4MouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                       int x, int y);
    // The planform view of wing w under the mouse.
    void PlanformMouseDown(int w, int x, int y);
    void PlanformMouseMove(int w, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void PlanformMouseUp(int w, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    // The 3-D view under the mouse: a drag moves its bars.
    void Image3MouseDown(int x, int y);
    void Image3MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void Image3MouseUp(int x, int y);
    // The top view's transform; the 3-D view's zoom reads its TopViewScale.
    const TopViewTransform& topViewTransform() const { return topView_; }
    double TopViewScale() const { return topView_.TopViewScale; }
    void setView3DScale(double scale) { topView_.View3DScale = scale; }
    const CalcResult& calculation() const { return calc_; }
    // Pixels per mm of wing w's planform view as last drawn; the mouse editing reads it.
    double PlanformScale(int w) const { return planformScale_[w]; }
    // Results kept in an aircraft file: no outline of the reference wing.
    void setStoredResults(double RefArea, double RefChord, double AnpAircraft);
    // What STABIL writes and marks now.
    StabilityDisplay currentStabilityDisplay() const;

    // Files, start-up and close, languages and the info dialog
    // (file_commands, startup_close, language_switch).
    void Load1Click(QObject* sender);
    void Save1Click(QObject* sender);
    void german1Click();
    void english();
    void deutsch();
    void Info1Click();
    // The print command: the summary page, then the "Printer" dialog, which
    // `makePrintDialog` makes on first use (tests give it fake printers).
    void Print1Click(QObject* sender);
    std::function<TForm3*(QWidget* parent)> makePrintDialog = standardPrintDialog;
    TForm3* printDialog() const { return form3_; }
    const SummaryPage& printedPage() const { return page_; }
    // Export and the 1:1 template, of the aircraft as exportSource() gives it.
    ExportCommands* exportCommands() const { return exports_; }
    ExportSource exportSource() const;

    // The dialogs the file commands ask; tests answer them.
    FileDialogs fileDialogs = standardFileDialogs();
    int ScreenDpi = 96;  // Qt's logical dots per inch
    bool Screen96Dpi = false;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Files, start-up and close, languages and the info dialog.
    void connectFileCommands();
    void connectLanguageCommands();
    void checkScreenDensity();
    void applySettingsFile();
    void openCommandLineFile();
    void FormClose();
    // The file named by AircraftFileName into the fields; its results when it carries some.
    std::optional<StoredResults> Load2();
    void writeLoadedAircraft(const LoadedAircraft& loaded);
    void showStoredResults(const std::optional<StoredResults>& stored, QObject* sender);
    AircraftModel aircraftFromFields() const;
    void setSaveControlsEnabled(bool enabled);
    void rewriteTexts();
    QStringList commandLine_;
    TForm2* info_ = nullptr;   // the info dialog, made when first opened
    TForm3* form3_ = nullptr;  // the print dialog, made when first printing
    SummaryPage page_;
    ExportCommands* exports_ = nullptr;
    void connectPrintCommand();
    static TForm3* standardPrintDialog(QWidget* parent);

    void buildWindow();
    void connectHandlers();
    void Create1();

    void applyWingCountTable(int k);
    void enableCalculation();
    void withdrawPrint();
    void hideAerodynamicCentre();
    void writeWingLabels(int w);
    void writeWingNames();
    bool isPrintControl(const QObject* sender) const;

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

    AircraftModel model_ = startupAircraft();
    std::array<WingPlanform, kMaxWings + 1> planform_{};  // [1..3]

    QTabWidget* PageControl1 = nullptr;
    MainChrome chrome_;
    AircraftPage aircraft_;
    std::array<WingPage, kMaxWings + 1> wings_{};  // [1..3]
    RemarksPage remarks_;

    // Calculation, centre-of-gravity display, top view and relayout.
    void connectStabilityControls();
    void showCalculationRunning();
    void showCalculation(QObject* sender);
    void writeMovedHeights();
    void stabilityModeChoice(bool manual);
    void clear3DView();
    void applyTopViewCursor();
    bool isOpenCommand(const QObject* sender) const;
    double marginDesired() const;
    ws::SolverWorkspace workspace_;
    ws::CalcResult calc_;
    TopViewTransform topView_;
    LatticeDrawing latticeDrawing_;
    MouseState mouse_;  // shared by the planform, 3-D and top views

    // Mouse editing of the planforms and mouse control of the 3-D view (planform_mouse).
    void connectPlanformMouse();
    PlanformFrame planformFrame(int w) const;
    void applyBarChanges(const BarUpdate& update);
};

}  // namespace ws
