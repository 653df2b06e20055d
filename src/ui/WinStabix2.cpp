#include "ui/WinStabix2.h"

#include <QAction>
#include <QKeyEvent>
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
#include <QUndoStack>

#include "model/entry_rule.h"
#include "ui/aircraft_document.h"
#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/position_sketch.h"
#include "ui/recent_files.h"
#include "ui/ui_texts.h"
#include "ui/wing_binding.h"
#include "views/canvas.h"

namespace ws {

namespace {

// Takes a wing's page out of the tab control or puts it back in its place
// (after the aircraft page and the wings before it). A page out of the tab
// control is out of reach of accessibility tools too, which a hidden tab is
// not. The page keeps its caption as its window title.
void showPage(QTabWidget* tabs, QWidget* page, bool shown) {
    const int index = tabs->indexOf(page);
    if (!shown) {
        if (index >= 0) tabs->removeTab(index);
        return;
    }
    if (index >= 0) return;
    const QString name = page->objectName();
    // Pages are named TabSheet1..3 for the wings; the aircraft page comes first.
    int place = 1;
    while (place < tabs->count() && tabs->widget(place)->objectName() < name &&
           tabs->widget(place)->objectName() != QLatin1String("TabSheet4"))
        ++place;
    tabs->insertTab(place, page, page->windowTitle());
}

// Design size of the area below the menu bar.
constexpr QSize kClientSize(987, 732);

}  // namespace

TForm1::TForm1(QWidget* parent, const QStringList& arguments, FileDialogs dialogs)
    : QMainWindow(parent),
      commandLine_(arguments),
      dialogs_(std::move(dialogs)),
      recent_(new RecentFiles),
      makePrintDialog_(standardPrintDialog) {
    buildWindow();
    Create1();
    connectHandlers();
    connectStabilityControls();
    connectFileCommands();
    connectLanguageCommands();
}

TForm1::~TForm1() {
    // The history's last signals would reach a window half taken down.
    doc_->undoStack()->disconnect(this);
    delete doc_;
    delete recent_;
}

const AircraftModel& TForm1::model() const {
    return doc_->model();
}

const WingPlanform& TForm1::planform(int w) const {
    return doc_->planform(w);
}

const CalcResult& TForm1::calculation() const {
    return doc_->calculation();
}

void TForm1::buildWindow() {
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
    showCalculateHint();

    // Off until their handlers are connected; printing waits for a calculation.
    for (QAction* a :
         {chrome_.Open2, chrome_.Save2, chrome_.Save3, chrome_.Print1, chrome_.ExportSvg1, chrome_.ExportDxf1,
          chrome_.ExportAvl1, chrome_.Template1, chrome_.german1, chrome_.Info1})
        a->setEnabled(false);
    // The big button is the same command as the tool button.
    connect(aircraft_.Button4, &QPushButton::clicked, chrome_.Calculate1, &QAction::trigger);
    connect(chrome_.Calculate1, &QAction::enabledChanged, aircraft_.Button4, &QWidget::setEnabled);
    connect(aircraft_.Button6, &QPushButton::clicked, chrome_.Print1, &QAction::trigger);
    setAcceptDrops(true);

    applyWingCountTable(2);
    setMinimumSize(minimumWindowSize());
    resize(design(kClientSize.width()), design(kClientSize.height()) + menuBar()->sizeHint().height());
}

void TForm1::connectHandlers() {
    // What the user types goes to the document; the document's change comes
    // back through showChange, like an undo does.
    for (int w = 1; w <= kMaxWings; ++w) {
        const auto fields = loadOrder(wings_[w], aircraft_, w);
        for (int i = 0; i < kWingValueCount; ++i) {
            connect(fields[i], &QLineEdit::textChanged, this,
                    [this, w, i](const QString& text) { doc_->editField(w, i, text); });
            fields[i]->installEventFilter(this);
        }
        for (int k = 1; k <= kMaxTrapeziums; ++k)
            connect(wings_[w].trap[k], &QRadioButton::toggled, this, [this, w, k](bool on) {
                if (on) doc_->chooseTrapCount(w, k);
            });
        connect(aircraft_.wingCount[w], &QRadioButton::toggled, this, [this, w](bool on) {
            if (on) doc_->chooseWingCount(w);
        });
    }
    connect(remarks_.Memo2, &QPlainTextEdit::textChanged, this,
            [this] { doc_->editRemarks(remarks_.Memo2->toPlainText()); });
    // The document's history is the only one: Ctrl+Z means the same everywhere.
    remarks_.Memo2->setUndoRedoEnabled(false);
    remarks_.Memo2->installEventFilter(this);
    aircraft_.Edit31->installEventFilter(this);

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

void TForm1::connectDocument() {
    connect(doc_, &AircraftDocument::aircraftChanged, this, &TForm1::showChange);
    connect(doc_, &AircraftDocument::resultsWithdrawn, this, &TForm1::showResultsWithdrawn);
    connect(doc_, &AircraftDocument::fileNameChanged, this, &TForm1::showFileName);
    connect(doc_, &AircraftDocument::modifiedChanged, this, &QWidget::setWindowModified);
    QUndoStack* history = doc_->undoStack();
    connect(chrome_.Undo1, &QAction::triggered, history, &QUndoStack::undo);
    connect(chrome_.Redo1, &QAction::triggered, history, &QUndoStack::redo);
    connect(history, &QUndoStack::indexChanged, this, [this] { showUndoTexts(); });
    connect(history, &QUndoStack::cleanChanged, this, [this] { showUndoTexts(); });
    showUndoTexts();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // A text field would take Ctrl+Z for its own undo; leave the keys to the
    // window's Undo and Redo.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
        if (chrome_.Undo1->shortcuts().contains(key) || chrome_.Redo1->shortcuts().contains(key)) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showUndoTexts() {
    chrome_.Undo1->setEnabled(doc_->undoStack()->canUndo());
    chrome_.Redo1->setEnabled(doc_->undoStack()->canRedo());
    chrome_.Undo1->setText(undoText(doc_->undoStep()));
    chrome_.Redo1->setText(redoText(doc_->redoStep()));
}

void TForm1::Create1() {
    UiLanguage_ = Language::English;
    checkScreenDensity();
    applySettingsFile();
    doc_ = new AircraftDocument(remarksPlaceholder(), this);
    remarks_.Memo2->setPlainText(doc_->text().remarks);
    connectDocument();
    showFileName();
    for (int w = 1; w <= kMaxWings; ++w) {
        drawPositionSketch(aircraft_.picture[w]->image(), w);
        aircraft_.picture[w]->update();
    }
    showResultsWithdrawn();
    Calc();
    openCommandLineFile();
    for (int w = 1; w <= kMaxWings; ++w) drawSchematic(w);
    if (UiLanguage_ != Language::English) rewriteTexts();
}

void TForm1::Calc_W(int w) {
    drawPlanformView(w);
    writeWingLabels(w);
}

void TForm1::Space1(int w) {
    if (w > 0) Calc_W(w);
    const auto lines = gapWarningLines();
    for (int v = 1; v <= kMaxWings; ++v) {
        const bool gap = model().wing[v].WingGap != 0;
        setCaption(wings_[v].warning1, gap ? lines.first : QString());
        setCaption(wings_[v].warning2, gap ? lines.second : QString());
    }
}

void TForm1::Calc() {
    aircraft_.ScrollBar3->setValue(100);
    for (int w = 1; w <= kMaxWings; ++w) Calc_W(w);
    clearTopView();
    drawTopView();
    draw3DView();
    writeWingNames();
    // A report can only be printed for a completed calculation.
    withdrawPrint();
    memoHead_ = errorBoxText();
    aircraft_.Memo1->setPlainText(memoHead_);
    aircraft_.Memo1->hide();
}

void TForm1::showResultsWithdrawn() {
    // Any edit offers both calculate controls again, so that a refused wing
    // can be mended and calculated from the big button as well.
    enableCalculation();
    withdrawPrint();
    aircraft_.Image2->unsetCursor();
    hideAerodynamicCentre();
}

void TForm1::showChange(const AircraftChange& change) {
    const AircraftText& t = doc_->text();
    using Kind = AircraftChange::Kind;
    switch (change.kind) {
        case Kind::Typed:
        case Kind::Drag:
        case Kind::MovedHeights: {
            bool position = false;
            std::array<bool, kMaxWings + 1> wing{}, gap{};
            for (const auto& [w, i] : change.fields) {
                QLineEdit* field = loadOrder(wings_[w], aircraft_, w)[i];
                if (field->text() != t.field[w][i]) {
                    const QSignalBlocker quiet(field);
                    field->setText(t.field[w][i]);
                }
                position = position || i == kPosXField || i == kPosZField;
                wing[w] = true;
                gap[w] = gap[w] || i == kGapField;
            }
            // The calculation's own heights: the fields only, its results stay on screen.
            if (change.quiet) return;
            if (position) {
                Calc();
                return;
            }
            for (int w = 1; w <= kMaxWings; ++w)
                if (gap[w])
                    Space1(w);
                else if (wing[w])
                    Calc_W(w);
            return;
        }
        case Kind::TrapCount: {
            const int w = change.wing;
            const QSignalBlocker quiet(wings_[w].trap[t.TrapCount[w]]);
            wings_[w].trap[t.TrapCount[w]]->setChecked(true);
            trapeziumChoice(w, t.TrapCount[w]);
            return;
        }
        case Kind::WingCount: {
            const QSignalBlocker quiet(aircraft_.wingCount[t.WingCount]);
            aircraft_.wingCount[t.WingCount]->setChecked(true);
            wingCountChoice(t.WingCount);
            return;
        }
        case Kind::Remarks:
            if (remarks_.Memo2->toPlainText() != t.remarks) {
                const QSignalBlocker quiet(remarks_.Memo2);
                remarks_.Memo2->setPlainText(t.remarks);
            }
            return;
        case Kind::Everything:
            break;
    }
    for (int w = 1; w <= kMaxWings; ++w) {
        const QSignalBlocker quietTrap(wings_[w].trap[t.TrapCount[w]]);
        wings_[w].trap[t.TrapCount[w]]->setChecked(true);
        const QSignalBlocker quietCount(aircraft_.wingCount[w]);
        aircraft_.wingCount[w]->setChecked(w == t.WingCount);
        const auto fields = loadOrder(wings_[w], aircraft_, w);
        for (int i = 0; i < kWingValueCount; ++i) {
            const QSignalBlocker quiet(fields[i]);
            fields[i]->setText(t.field[w][i]);
        }
    }
    {
        const QSignalBlocker quiet(remarks_.Memo2);
        remarks_.Memo2->setPlainText(t.remarks);
    }
    applyWingCountTable(t.WingCount);
    for (int w = 1; w <= kMaxWings; ++w) {
        showTrapeziumFields(wings_[w], t.TrapCount[w]);
        drawSchematic(w);
    }
    Calc();
    Space1(0);
}

void TForm1::trapeziumChoice(int w, int k) {
    drawSchematic(w);
    showTrapeziumFields(wings_[w], k);
    Calc_W(w);
}

void TForm1::wingCountChoice(int k) {
    applyWingCountTable(k);
    Calc();
}

void TForm1::PageControl1Change() {
    // Switching pages never throws results away.
    if (!doc_->ResultsValid()) Calc();
}

void TForm1::applyWingCountTable(int k) {
    // Hiding the current page moves to another one; Calc follows anyway.
    const QSignalBlocker quiet(PageControl1);
    showPage(PageControl1, wings_[2].page, k >= 2);
    showPage(PageControl1, wings_[3].page, k >= 3);
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
    chrome_.Print1->setEnabled(false);
}

void TForm1::enableCalculation() {
    chrome_.Calculate1->setEnabled(true);
}

void TForm1::hideAerodynamicCentre() {
    for (int w = 1; w <= kMaxWings; ++w) {
        wings_[w].anpCaption->setEnabled(false);
        wings_[w].anpValue->hide();
    }
}

void TForm1::writeWingLabels(int w) {
    const WingLabelTexts t = wingLabelTexts(planform(w));
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

// The one key no menu shows.
void TForm1::showCalculateHint() {
    chrome_.Calculate1->setToolTip(QStringLiteral("%1 (%2)").arg(
        captionText("SpeedButton4"), QKeySequence(Qt::Key_F5).toString(QKeySequence::NativeText)));
}

}  // namespace ws
