#include "printing/Unit3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace ws {

namespace {

constexpr QSize kClientSize(377, 152);
constexpr int kRowHeight = 20;

QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

template <class T>
T* place(T* control, const char* name, int left, int top) {
    control->setObjectName(QString::fromLatin1(name));
    control->move(left, top);
    return control;
}

QString choosePdfFile(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, TForm3::tr("Print to PDF file"), suggested, QStringLiteral("*.pdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

TForm3::TForm3(std::unique_ptr<PrinterCatalog> catalog, QWidget* parent)
    : QDialog(parent), XPrnSet2(std::move(catalog)) {
    setObjectName(QStringLiteral("Form3"));
    setFont(dialogFont());
    setModal(false);
    setFixedSize(kClientSize);

    ComboBox1 = place(new QComboBox(this), "ComboBox1", 0, 0);
    ComboBox1->setEditable(false);
    ComboBox1->resize(369, ComboBox1->sizeHint().height());

    Label2 = place(new QLabel(this), "Label2", 3, 37);

    StringGrid2 = place(new QTableWidget(this), "StringGrid2", 3, 56);
    StringGrid2->resize(129, 90);
    StringGrid2->setColumnCount(2);
    StringGrid2->verticalHeader()->hide();
    StringGrid2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid2->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid2->horizontalHeader()->setFixedHeight(kRowHeight);
    StringGrid2->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);

    CheckBoxColor = place(new QCheckBox(this), "CheckBoxColor", 163, 36);

    Button1 = place(new QPushButton(this), "Button1", 238, 73);
    Button1->resize(73, 25);
    ButtonClose = place(new QPushButton(this), "ButtonClose", 238, 113);
    ButtonClose->resize(73, 25);
    ButtonClose->setEnabled(false);

    askPdfFileName = [this](const QString& suggested) { return choosePdfFile(this, suggested); };
    reportFailure = [this](const QString& reason) { QMessageBox::warning(this, windowTitle(), reason); };
    // Without blocking: the page is written, nothing waits for the answer.
    reportWritten = [this](const QString& path) {
        auto* box = new QMessageBox(QMessageBox::Information, windowTitle(),
                                    tr("Written to the PDF file %1").arg(QDir::toNativeSeparators(path)),
                                    QMessageBox::Ok, parentWidget());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
    writeTexts();

    connect(ComboBox1, &QComboBox::activated, this, &TForm3::ComboBox1Change);
    connect(CheckBoxColor, &QCheckBox::toggled, this, [this] { CheckBoxColorClick(); });
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(ButtonClose, &QPushButton::clicked, this, &TForm3::ButtonCloseClick);

    FormActivate();
}

TForm3::~TForm3() = default;

// English and German keep the design's words (German reads them in English
// and the grid's header in German); French and Spanish have their own.
void TForm3::writeTexts() {
    setWindowTitle(tr("Printer"));
    Label2->setText(tr("Printer resolution:"));
    Label2->adjustSize();
    CheckBoxColor->setText(tr("Color"));
    CheckBoxColor->adjustSize();
    Button1->setText(tr("Cancel"));
    ButtonClose->setText(tr("Print"));
    StringGrid2->setHorizontalHeaderLabels(
        {QStringLiteral("i"), tr("Auflösung", "the design's header, German in English too")});
}

void TForm3::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        writeTexts();
        refillResolutions();
    }
    QDialog::changeEvent(e);
}

void TForm3::setPage(const PrintPage& page, const QString& pdfName) {
    page_ = page;
    document_ = {};
    pdfName_ = pdfName;
}

void TForm3::showPage(const PrintPage& page, const QString& pdfName) {
    setPage(page, pdfName);
    show();
    raise();
    activateWindow();
}

void TForm3::showDocument(const PaperDocument& document, const QString& pdfName) {
    showPage({}, pdfName);
    document_ = document;
}

bool TForm3::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
        tellIfNoPrinter();
    }
    return QDialog::event(e);
}

void TForm3::tellIfNoPrinter() {
    if (!XPrnSet2.onlyPdfFile()) {
        noPrinterTold_ = false;
        return;
    }
    if (noPrinterTold_) return;
    // Set first: the message box takes the focus and gives it back.
    noPrinterTold_ = true;
    fail(tr("No printer is installed. The page can only be written to a PDF file."));
}

void TForm3::FormActivate() {
    // A printer installed or removed meanwhile shows up here.
    XPrnSet2.refresh();
    if (XPrnSet2.printersAvailable()) {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->clear();
        QStringList names = XPrnSet2.printerNames();
        // The PDF file, last, in the words of the language in force.
        if (!names.isEmpty() && names.last() == QLatin1String(kPdfPrinterName)) names.last() = tr("PDF file");
        ComboBox1->addItems(names);
        ComboBox1->setCurrentIndex(XPrnSet2.currentPrinterIndex());
        ButtonClose->setEnabled(true);
    }
    const int width = StringGrid2->width();
    StringGrid2->setColumnWidth(0, width / 4 - 10);
    StringGrid2->setColumnWidth(1, 3 * width / 4 - 10);
    writeTexts();
    refillResolutions();
    refillColour();
}

void TForm3::ComboBox1Change(int index) {
    XPrnSet2.selectPrinter(index);
    refillResolutions();
    refillColour();
}

void TForm3::CheckBoxColorClick() {
    if (!refilling_) XPrnSet2.setColor(CheckBoxColor->isChecked());
}

void TForm3::refillResolutions() {
    refilling_ = true;
    const int keep = StringGrid2->currentRow();
    const int count = XPrnSet2.resolutionCount();
    StringGrid2->setRowCount(count);
    const bool reported = XPrnSet2.resolutionsReported();
    for (int i = 0; i < count; ++i) {
        // The stand-in default says so in the few pixels the column has.
        const QString text =
            reported ? QStringLiteral("%1x%2dpi²").arg(XPrnSet2.resolutionX(i)).arg(XPrnSet2.resolutionY(i))
                     : tr("default %1dpi").arg(XPrnSet2.resolutionX(i));
        auto* number = new QTableWidgetItem(QString::number(i));
        auto* resolution = new QTableWidgetItem(text);
        if (!reported)
            resolution->setToolTip(tr("The printer reports no resolutions; its default resolution is used."));
        StringGrid2->setItem(i, 0, number);
        StringGrid2->setItem(i, 1, resolution);
    }
    if (count > 0) StringGrid2->selectRow(keep >= 0 && keep < count ? keep : 0);
    refilling_ = false;
}

void TForm3::refillColour() {
    refilling_ = true;
    if (XPrnSet2.colorCount() < 2) {
        CheckBoxColor->setEnabled(false);
        CheckBoxColor->setChecked(false);
    } else {
        CheckBoxColor->setEnabled(true);
        CheckBoxColor->setChecked(XPrnSet2.colorSetting());
    }
    refilling_ = false;
}

void TForm3::fail(const QString& reason) {
    if (reportFailure) reportFailure(reason);
}

void TForm3::ButtonCloseClick() {
    const PrinterCaps* printer = XPrnSet2.currentPrinter();
    if (!printer) return fail(tr("No printer is installed, so nothing can be printed."));
    if (!page_ && !document_) return fail(tr("There is no page to print."));
    if (XPrnSet2.resolutionCount() == 0)
        return fail(tr("The printer \"%1\" reports no resolution; nothing was printed.").arg(printer->name));
    const int r = StringGrid2->currentRow();
    XPrnSet2.setResolution(r);
    const int dpi = XPrnSet2.resolutionX(r);
    // Out of range the rectangle would shrink to a point: an empty page.
    if (dpi <= 0) return fail(tr("Choose a printer resolution first; nothing was printed."));

    // A document is laid out before anything is asked or started.
    std::vector<PrintPage> sheets;
    if (document_) {
        const std::optional<Paper> paper = XPrint.PaperOf(*printer, XPrnSet2.settings());
        if (!paper) return fail(XPrint.errorText());
        auto pages = document_.pages(*paper);
        if (const QString* why = std::get_if<QString>(&pages)) return fail(*why);
        sheets = std::move(std::get<std::vector<PrintPage>>(pages));
    }

    QString pdfPath;
    if (printer->pdfFile) {
        pdfPath = askPdfFileName ? askPdfFileName(pdfName_) : QString();
        if (pdfPath.isEmpty()) return;  // the user changed their mind; the dialog stays
    }
    const QString& title = document_ ? document_.title : page_.title;
    if (!title.isEmpty()) XPrint.Title = title;
    if (!XPrint.BeginDoc(*printer, XPrnSet2.settings(), pdfPath)) return fail(XPrint.errorText());
    if (document_)
        XPrint.DrawSheets(sheets);
    else
        XPrint.DrawPage(pageRectangle(dpi), page_);
    if (!XPrint.EndDoc()) return fail(XPrint.errorText());
    close();
    if (!pdfPath.isEmpty() && reportWritten) reportWritten(pdfPath);
}

void TForm3::Button1Click() {
    close();
}

}  // namespace ws
