#include "ui/WinStabix2.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QUndoStack>

#include "document/recovery.h"
#include "files/file_io.h"
#include "files/settings_file.h"
#include "printing/Unit3.h"
#include "texts/catalogue.h"
#include "ui/Unit2.h"
#include "ui/aircraft_page.h"
#include "ui/balance_page.h"
#include "ui/compare_dialog.h"
#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/documentation.h"
#include "ui/export_commands.h"
#include "ui/image_widget.h"
#include "ui/open_aircraft.h"
#include "ui/print_controls.h"
#include "ui/recent_files.h"
#include "ui/remarks_page.h"
#include "ui/screen_fit.h"
#include "ui/settings_location.h"
#include "ui/study_dialog.h"
#include "ui/ui_texts.h"
#include "ui/wing_page.h"

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
    : QMainWindow(parent), commandLine_(arguments) {
    const Settings settings = loadSettingsFile(settingsFileToRead());
    // The settings' language first, so that the start-up remarks are written in it.
    doc_ = new AircraftDocument(settings.language, this);
    buildWindow();
    files_ = new FileCommands(*doc_, this, std::move(dialogs), chrome_.Open2, chrome_.Save2, chrome_.Save3,
                              chrome_.Recent1);
    files_->attachNewAndExamples(chrome_.New1, chrome_.Examples1, documentationFolder());
    print_ = new PrintControls(*doc_, this, chrome_.Print1);
    exports_ = new ExportCommands(
        this, [this] { return doc_->exportSource(); }, [this] { return print_->dialog(); });
    exports_->attach(chrome_.Export1, {chrome_.ExportSvg1, chrome_.ExportDxf1, chrome_.ExportAvl1},
                     chrome_.Template1);
    exports_->retitle();
    connectCommands();
    connectLanguageCommands();
    startRecovery();
    resize(settings.width.value_or(width()), settings.height.value_or(height()));
    if (settings.left || settings.top)
        move(settings.left.value_or(pos().x()), settings.top.value_or(pos().y()));
    fitOntoScreen();
    showDocument();
    // Used as given: on a case-sensitive file system a lower-cased path is another file.
    if (commandLine_.size() == 1) files_->openAircraftFile(commandLine_.front());
    if (commandLine_.size() > 1) doc_->addNotice({MessageCode::FilesNotOpened, commandLine_.size()});
    if (const SettingsPlace place = settingsPlace(false); place.missing != NoUserFolder::None)
        doc_->addNotice({MessageCode::NoSettingsFolder, place.missing == NoUserFolder::NoHome ? 0 : 1});
    // The window keeps its design texts until the end of the start-up.
    if (doc_->language() != Language::English) rewriteTexts();
}

TForm1::~TForm1() {
    // The pages go before the document they show, and no page change reaches the window on the way.
    PageControl1->disconnect(this);
    delete PageControl1;
    delete study_;  // its worker stops first
    delete compare_;
    delete doc_;
}

void TForm1::compareCommand() {
    const QString own = doc_->hasFile() ? QString::fromStdString(doc_->fileName()) : QString();
    const QString path =
        QFileDialog::getOpenFileName(this, QCoreApplication::translate("Window", "Compare with…"), own,
                                     QCoreApplication::translate("Window", "Aircraft (*.da4)"));
    if (path.isEmpty()) return;
    if (!compare_) compare_ = new CompareDialog(*doc_, this);
    if (const QString error = compare_->compareWith(path); !error.isEmpty()) {
        QMessageBox::warning(this, QCoreApplication::translate("Window", "Compare with…"), error);
        return;
    }
    compare_->show();
    compare_->raise();
}

StudyDialog& TForm1::studyDialog() {
    if (!study_) study_ = new StudyDialog(*doc_, this);
    return *study_;
}

void TForm1::fitOntoScreen() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens.append(screen->availableGeometry());
    const QRect fitted = fittedWindow(QRect(pos(), size()), screens, minimumSize());
    if (fitted.size() != size()) resize(fitted.size());
    if (fitted.topLeft() != pos()) move(fitted.topLeft());
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
    attachUndoActions(chrome_, doc_->undoStack());

    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(design(0, 27, 966, 702));
    aircraft_ = new AircraftPage(*doc_, mouse_, chrome_.Calculate1, chrome_.Print1);
    PageControl1->addTab(aircraft_, QString());
    Memo1 = aircraft_->messageBox();
    for (int w = 1; w <= kMaxWings; ++w) {
        wings_[w] = new WingPage(*doc_, mouse_, w);
        PageControl1->addTab(wings_[w], QString());
    }
    balance_ = new BalancePage(*doc_);
    PageControl1->addTab(balance_, QString());
    remarks_ = new RemarksPage(*doc_);
    PageControl1->addTab(remarks_, QString());
    PageControl1->setCurrentWidget(aircraft_);

    applyDesignCaptions(this);
    applyAccessibleNames(this);
    showCalculateHint();
    // A text field would take Ctrl+Z for its own history; the document's is the only one.
    for (QLineEdit* field : findChildren<QLineEdit*>()) field->installEventFilter(this);
    for (QPlainTextEdit* box : findChildren<QPlainTextEdit*>()) box->installEventFilter(this);
    setAcceptDrops(true);

    setMinimumSize(minimumWindowSize());
    resize(design(kClientSize.width()), design(kClientSize.height()) + menuBar()->sizeHint().height());
}

void TForm1::connectCommands() {
    connect(doc_, &AircraftDocument::stateChanged, this, &TForm1::showState);
    connect(doc_, &AircraftDocument::resultsChanged, this, &TForm1::showMessages);
    connect(doc_, &AircraftDocument::stabilityChanged, this, [this] {
        showMessages();
        showState();
    });
    connect(chrome_.Calculate1, &QAction::triggered, this, &TForm1::calculateCommand);
    connect(files_, &FileCommands::opened, this, [this] {
        // The file's aircraft is drawn already: no recalculation for the page change.
        const QSignalBlocker quiet(PageControl1);
        PageControl1->setCurrentWidget(aircraft_);
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    const std::pair<QAction*, QWidget*> pages[] = {{chrome_.wing11, wings_[1]},
                                                   {chrome_.wing21, wings_[2]},
                                                   {chrome_.wing31, wings_[3]},
                                                   {chrome_.aircraft1, aircraft_}};
    for (const auto& entry : pages) {
        QWidget* page = entry.second;
        connect(entry.first, &QAction::triggered, this,
                [this, page] { PageControl1->setCurrentWidget(page); });
    }
    connect(chrome_.Exit1, &QAction::triggered, this, &QWidget::close);
    connect(chrome_.Compare1, &QAction::triggered, this, &TForm1::compareCommand);
    connect(chrome_.Study1, &QAction::triggered, this, [this] {
        StudyDialog& study = studyDialog();
        study.show();
        study.raise();
        study.activateWindow();
    });
    const std::optional<QSettings> remembered = programSettings(false);
    const bool converged =
        remembered && remembered->value(QStringLiteral("convergedNeutralPoint"), false).toBool();
    chrome_.Converged1->setChecked(converged);
    doc_->setConvergedNeutralPoint(converged);
    connect(chrome_.Converged1, &QAction::toggled, this, [this](bool on) {
        if (std::optional<QSettings> settings = programSettings(true))
            settings->setValue(QStringLiteral("convergedNeutralPoint"), on);
        doc_->setConvergedNeutralPoint(on);
    });
    connectUnits();
    for (ImageWidget* view : findChildren<ImageWidget*>())
        connect(view, &ImageWidget::devicePixelRatioChanged, this, &TForm1::followScreenDensity);
}

void TForm1::connectUnits() {
    const std::pair<QAction*, Units> choices[] = {{chrome_.UnitMm1, Units::Millimetre},
                                                  {chrome_.UnitCm1, Units::Centimetre},
                                                  {chrome_.UnitIn1, Units::Inch}};
    // Remembered by its symbol; anything else is the millimetres of old.
    const std::optional<QSettings> remembered = programSettings(false);
    const std::string code =
        remembered ? remembered->value(QStringLiteral("units")).toString().toStdString() : std::string();
    const Units units = unitsOfCode(code).value_or(Units::Millimetre);
    for (const auto& [action, unit] : choices) {
        action->setChecked(unit == units);
        connect(action, &QAction::toggled, this, [this, u = unit](bool on) {
            if (!on) return;
            if (std::optional<QSettings> settings = programSettings(true))
                settings->setValue(QStringLiteral("units"), QString::fromLatin1(unitSymbol(u)));
            doc_->setUnits(u);
        });
    }
    doc_->setUnits(units);
}

void TForm1::showDocument() {
    aircraft_->showDocument();
    for (int w = 1; w <= kMaxWings; ++w) wings_[w]->showDocument();
    balance_->showDocument();
    remarks_->showDocument();
    showState();
    showMessages();
}

void TForm1::showState() {
    const DocumentResults& r = doc_->results();
    const int wings = doc_->model().WingCount;
    chrome_.Calculate1->setEnabled(!r.running && !r.calculated);
    chrome_.Print1->setEnabled(r.printable());
    chrome_.wing21->setEnabled(wings >= 2);
    chrome_.wing31->setEnabled(wings >= 3);
    {
        // Taking out the current page moves to another one; it needs no recalculation.
        const QSignalBlocker quiet(PageControl1);
        showPage(PageControl1, wings_[2], wings >= 2);
        showPage(PageControl1, wings_[3], wings >= 3);
    }
    Memo1->setVisible(!r.running && (r.messagesShown() || doc_->marginImplausible()));
    aircraft_->showState();
    showFileName();
    // The calculation blocks the event loop: what it starts with is painted now.
    if (r.running) repaint();
}

void TForm1::showMessages() {
    const std::vector<Message>& messages = doc_->results().messages;
    const bool warn = doc_->marginImplausible();
    const QString margin = doc_->stabilityChoice().marginText;
    if (messages == shownMessages_ && warn == shownWarning_ && (!warn || margin == shownMargin_)) return;
    shownMessages_ = messages;
    shownWarning_ = warn;
    shownMargin_ = margin;
    QString text = messageBoxText(messages);
    // The head line alone says nothing; the warning takes its place.
    if (warn)
        text = (doc_->results().messagesShown() ? text + QLatin1Char('\n') : QString()) +
               marginWarningText(doc_->stabilityChoice().marginDesired());
    Memo1->setPlainText(text);
}

void TForm1::showFileName() {
    const QString name = displayedFileName(doc_->fileName());
    chrome_.Lab_FName->setText(name);
    setWindowTitle(
        QStringLiteral(" WinStabix4  V" WINSTABIX_VERSION " - %1[*]").arg(QFileInfo(name).fileName()));
    setWindowModified(doc_->isModified());
}

void TForm1::calculateCommand() {
    {
        const QSignalBlocker quiet(PageControl1);
        PageControl1->setCurrentWidget(aircraft_);
    }
    aircraft_->Button4Click();
    // Its results are laid out as a resize would.
    if (doc_->results().LatticeValid) FormResize();
}

void TForm1::PageControl1Change() {
    // Switching pages never throws results away.
    if (!doc_->results().ResultsValid) doc_->recalculate();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
        if (chrome_.Undo1->shortcuts().contains(key) || chrome_.Redo1->shortcuts().contains(key)) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormClose() {
    Settings s;
    s.language = doc_->language();
    // The size as resize() takes it back, so a start after a close restores it exactly.
    s.width = width();
    s.height = height();
    s.left = pos().x();
    s.top = pos().y();
    // A folder that cannot take the file keeps its old one; nobody is told.
    (void)writeFileSafely(settingsFileToWrite(), settingsFileBytes(s));
    if (info_) info_->close();
    if (TForm3* dialog = print_->printDialog()) dialog->close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Exit, Ctrl+Q and the close box: unsaved changes are asked about first.
    if (!files_->mayDiscardChanges()) {
        event->ignore();
        return;
    }
    FormClose();
    recovery_->discard();
    QMainWindow::closeEvent(event);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedAircraftFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = droppedAircraftFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    if (files_->mayDiscardChanges()) files_->openAircraftFile(path);
}

}  // namespace ws
