#include "ui/WinStabix2.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "model/entry_rule.h"
#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/position_sketch.h"
#include "ui/ui_texts.h"
#include "ui/wing_binding.h"
#include "views/canvas.h"

namespace ws {

namespace {

// Design size of the area below the menu bar.
constexpr QSize kClientSize(987, 732);

}  // namespace

TForm1::TForm1(QWidget* parent, const QStringList& arguments) : QMainWindow(parent), commandLine_(arguments) {
    buildWindow();
    Create1();
    connectHandlers();
    connectStabilityControls();
    connectFileCommands();
    connectLanguageCommands();
}

void TForm1::buildWindow() {
    setWindowTitle(QStringLiteral(" WinStabix4  V2.5"));
    setFont(windowFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, silverColour());
    palette.setColor(QPalette::Button, silverColour());
    const QColor greyText(128, 128, 128);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, greyText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, greyText);
    palette.setColor(QPalette::Disabled, QPalette::Text, greyText);
    setPalette(palette);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    chrome_ = buildMainChrome(this, client);

    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(design(0, 27, 966, 702));
    aircraft_ = buildAircraftPage(PageControl1);
    for (int w = 1; w <= kMaxWings; ++w) wings_[w] = buildWingPage(PageControl1, w);
    remarks_ = buildRemarksPage(PageControl1);
    PageControl1->setCurrentWidget(aircraft_.page);

    applyDesignCaptions(this);
    applyAccessibleNames(this);

    // Off until their handlers are connected; printing waits for a calculation.
    for (QAction* a :
         {chrome_.Open2, chrome_.Save2, chrome_.Save3, chrome_.Print1, chrome_.german1, chrome_.Info1})
        a->setEnabled(false);
    for (QToolButton* b :
         {chrome_.SpeedButton1, chrome_.SpeedButton2, chrome_.SpeedButton3, chrome_.SpeedButton5})
        b->setEnabled(false);

    applyWingCountTable(2);
    setMinimumSize(minimumWindowSize());
    resize(design(kClientSize.width()), design(kClientSize.height()) + menuBar()->sizeHint().height());
}

void TForm1::connectHandlers() {
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingPage& g = wings_[w];
        auto recalc = [this, w] { Calc_W(w); };
        for (int k = 1; k <= kMaxTrapeziums; ++k) connect(g.span[k], &QLineEdit::textChanged, this, recalc);
        for (int j = 1; j <= kMaxStations; ++j) connect(g.chord[j], &QLineEdit::textChanged, this, recalc);
        for (int j = 2; j <= kMaxStations; ++j) connect(g.offset[j], &QLineEdit::textChanged, this, recalc);
        connect(g.gap, &QLineEdit::textChanged, this, [this, gap = g.gap] { Space1(gap); });
        for (int k = 1; k <= kMaxTrapeziums; ++k)
            connect(g.trap[k], &QRadioButton::toggled, this, [this, w, k](bool on) {
                if (on) trapeziumChoice(w, k);
            });
        for (QLineEdit* position : {aircraft_.posX[w], aircraft_.posZ[w]})
            connect(position, &QLineEdit::textChanged, this, [this, position] { Calc(position); });
        connect(aircraft_.wingCount[w], &QRadioButton::toggled, this, [this, w](bool on) {
            if (on) wingCountChoice(w);
        });
    }
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    connect(chrome_.wing11, &QAction::triggered, this,
            [this] { PageControl1->setCurrentWidget(wings_[1].page); });
    connect(chrome_.wing21, &QAction::triggered, this,
            [this] { PageControl1->setCurrentWidget(wings_[2].page); });
    connect(chrome_.wing31, &QAction::triggered, this,
            [this] { PageControl1->setCurrentWidget(wings_[3].page); });
    connect(chrome_.aircraft1, &QAction::triggered, this,
            [this] { PageControl1->setCurrentWidget(aircraft_.page); });
    connect(chrome_.Exit1, &QAction::triggered, this, &QWidget::close);
    connectViewControls();
    connectPlanformMouse();
    connectPrintCommand();
}

void TForm1::Create1() {
    UiLanguage = Language::English;
    checkScreenDensity();
    applySettingsFile();
    model_.WingCount = model_.CalcWingCount = 2;
    model_.AircraftFileName = "Unknown.da4";
    chrome_.Lab_FName->setText(QString::fromStdString(model_.AircraftFileName));
    remarks_.Memo2->setPlainText(remarksPlaceholder());
    for (int w = 1; w <= kMaxWings; ++w) {
        drawPositionSketch(aircraft_.picture[w]->image(), w);
        aircraft_.picture[w]->update();
    }
    Calc(nullptr);
    openCommandLineFile();
    for (int w = 1; w <= kMaxWings; ++w) drawSchematic(w);
    if (UiLanguage != Language::English) rewriteTexts();
}

void TForm1::Calc_W(int w) {
    // Printing and the relayout do not change the aircraft: no new calculation.
    // Any edit offers both calculate controls again, so that a refused wing
    // can be mended and calculated from the big button as well.
    if (!KeepResults) {
        enableCalculation();
        // Nor may the old results be printed for the changed wing.
        withdrawPrint();
        ResultsValid = false;
        aircraft_.Image2->unsetCursor();
        hideAerodynamicCentre();
    }
    WingEntry entry = readWingEntry(wings_[w]);
    entry.posX = model_.wing[w].WingPosX;
    entry.posZ = model_.wing[w].WingPosZ;
    model_.wing[w] = paramsFromEntry(entry, selectedTrapCount(wings_[w]));
    planform_[w] = ws::Calc_W(model_.wing[w]);
    drawPlanformView(w);
    writeWingLabels(w);
}

void TForm1::Space1(QObject* sender) {
    for (int w = 1; w <= kMaxWings; ++w)
        if (sender == wings_[w].gap) Calc_W(w);
    const auto lines = gapWarningLines();
    for (int w = 1; w <= kMaxWings; ++w) {
        const bool gap = model_.wing[w].WingGap != 0;
        setCaption(wings_[w].warning1, gap ? lines.first : QString());
        setCaption(wings_[w].warning2, gap ? lines.second : QString());
    }
}

void TForm1::Calc(QObject* sender) {
    if (!KeepResults) {
        aircraft_.ScrollBar3->setValue(100);
        ResultsValid = false;
        LatticeValid = false;
        aircraft_.Image2->unsetCursor();
        enableCalculation();
        hideAerodynamicCentre();
    }
    // Positions first, so the station x of every wing is current at once.
    for (int w = 1; w <= kMaxWings; ++w) {
        model_.wing[w].WingPosX = entryValue(aircraft_.posX[w]->text().toStdString());
        model_.wing[w].WingPosZ = entryValue(aircraft_.posZ[w]->text().toStdString());
    }
    for (int w = 1; w <= kMaxWings; ++w) Calc_W(w);
    clearTopView();
    drawTopView();
    draw3DView();
    writeWingNames();
    if (!isPrintControl(sender)) withdrawPrint();
    memoHead_ = errorBoxText();
    aircraft_.Memo1->setPlainText(memoHead_);
    aircraft_.Memo1->hide();
}

void TForm1::trapeziumChoice(int w, int k) {
    drawSchematic(w);
    showTrapeziumFields(wings_[w], k);
    Calc_W(w);
}

void TForm1::wingCountChoice(int k) {
    applyWingCountTable(k);
    Calc(aircraft_.wingCount[k]);
}

void TForm1::PageControl1Change() {
    // Switching pages never throws results away.
    if (!ResultsValid) Calc(PageControl1);
}

void TForm1::applyWingCountTable(int k) {
    model_.WingCount = model_.CalcWingCount = k;
    // Hiding the current page moves to another one; Calc follows anyway.
    const QSignalBlocker quiet(PageControl1);
    PageControl1->setTabVisible(PageControl1->indexOf(wings_[2].page), k >= 2);
    PageControl1->setTabVisible(PageControl1->indexOf(wings_[3].page), k >= 3);
    for (int w = 2; w <= kMaxWings; ++w) {
        const bool used = k >= w;
        aircraft_.picture[w]->setVisible(used);
        aircraft_.posX[w]->setVisible(used);
        aircraft_.posZ[w]->setVisible(used);
    }
    chrome_.wing21->setEnabled(k >= 2);
    chrome_.wing31->setEnabled(k >= 3);
}

void TForm1::withdrawPrint() {
    aircraft_.Button6->hide();
    chrome_.SpeedButton5->setEnabled(false);
    chrome_.Print1->setEnabled(false);
}

void TForm1::enableCalculation() {
    aircraft_.Button4->setEnabled(true);
    chrome_.SpeedButton4->setEnabled(true);
}

void TForm1::hideAerodynamicCentre() {
    for (int w = 1; w <= kMaxWings; ++w) {
        wings_[w].anpCaption->setEnabled(false);
        wings_[w].anpValue->hide();
    }
}

void TForm1::writeWingLabels(int w) {
    const WingLabelTexts t = wingLabelTexts(planform_[w]);
    const WingPage& g = wings_[w];
    setCaption(g.valueB, QString::fromStdString(t.b));
    setCaption(g.valueS, QString::fromStdString(t.s));
    setCaption(g.valueLm, QString::fromStdString(t.lm));
    setCaption(g.valueLam, QString::fromStdString(t.lam));
    setCaption(g.valueR25, QString::fromStdString(t.r25));
}

void TForm1::writeWingNames() {
    for (int w = 1; w <= kMaxWings; ++w) {
        drawWingPictureName(aircraft_.picture[w]->image(), w);
        aircraft_.picture[w]->update();
    }
}

bool TForm1::isPrintControl(const QObject* sender) const {
    return sender &&
           (sender == aircraft_.Button6 || sender == chrome_.Print1 || sender == chrome_.SpeedButton5);
}

}  // namespace ws
