// The main window: five pages (aircraft, wings 1-3, remarks), the menus and
// tool buttons, and the handlers that turn field changes into recalculations.
// The entry fields are the aircraft's storage; every number comes from the
// core (model/), the window only reads fields and writes labels and views.
#pragma once

#include <QMainWindow>
#include <array>

#include "model/aircraft.h"
#include "model/planform.h"
#include "ui/aircraft_page.h"
#include "ui/main_chrome.h"
#include "ui/remarks_page.h"
#include "ui/wing_page.h"

class QTabWidget;

namespace ws {

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);

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

  private:
    void buildWindow();
    void connectHandlers();
    void Create1();

    void applyWingCountTable(int k);
    void enableCalculation();
    void hideAerodynamicCentre();
    void writeWingLabels(int w);
    void writeWingNames();
    bool isPrintControl(const QObject* sender) const;

    // The drawing call sites; each repaints its whole image.
    void drawPlanformView(int w);
    void drawSchematic(int w);
    void clearTopView();
    void drawTopView();
    void draw3DView();

    AircraftModel model_ = startupAircraft();
    std::array<WingPlanform, kMaxWings + 1> planform_{};  // [1..3]

    QTabWidget* PageControl1 = nullptr;
    MainChrome chrome_;
    AircraftPage aircraft_;
    std::array<WingPage, kMaxWings + 1> wings_{};  // [1..3]
    RemarksPage remarks_;

    // The calculation is wired in by the solver's work; until then its
    // button and tool button stay disabled rather than pretending to work.
    bool calculationReady_ = false;
};

}  // namespace ws
