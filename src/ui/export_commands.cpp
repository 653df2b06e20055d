#include "ui/export_commands.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "export/avl_export.h"
#include "export/dxf_export.h"
#include "export/svg_export.h"
#include "files/file_io.h"
#include "printing/Unit3.h"
#include "printing/template_print.h"

namespace ws {

namespace {

// Every text of the commands, marked for the translations.
using Text = const char*;
// The menu entries, by the object names of their actions (and menu).
constexpr struct {
    const char* name;
    Text text;
} kCaptions[] = {
    {"ExportMenu", QT_TRANSLATE_NOOP("ExportCommands", "Export")},
    {"ExportSvg", QT_TRANSLATE_NOOP("ExportCommands", "Planform drawing (SVG)…")},
    {"ExportDxf", QT_TRANSLATE_NOOP("ExportCommands", "Planform drawing (DXF)…")},
    {"ExportAvl", QT_TRANSLATE_NOOP("ExportCommands", "AVL input file…")},
    {"PrintTemplate", QT_TRANSLATE_NOOP("ExportCommands", "Print template (1:1)…")},
};
constexpr Text kFormatFilter[] = {
    QT_TRANSLATE_NOOP("ExportCommands", "SVG drawing (*.svg)"),
    QT_TRANSLATE_NOOP("ExportCommands", "DXF drawing (*.dxf)"),
    QT_TRANSLATE_NOOP("ExportCommands", "AVL input (*.avl)"),
};
constexpr Text kNotExported = QT_TRANSLATE_NOOP("ExportCommands", "The file was not exported.");
constexpr Text kTemplateTitle = QT_TRANSLATE_NOOP("ExportCommands", "Template (1:1)");
constexpr Text kWing = QT_TRANSLATE_NOOP("ExportCommands", "Wing %1");
constexpr Text kWingField = QT_TRANSLATE_NOOP("ExportCommands", "Wing:");
constexpr Text kBothHalves = QT_TRANSLATE_NOOP("ExportCommands", "Both halves");
constexpr Text kOneHalf = QT_TRANSLATE_NOOP("ExportCommands", "One half with the centre line");

QString text(Text t) {
    return QCoreApplication::translate("ExportCommands", t);
}

constexpr const char* kActionName[] = {"ExportSvg", "ExportDxf", "ExportAvl"};

constexpr const char* kExtension[] = {"svg", "dxf", "avl"};

std::string exportText(ExportFormat format, const ExportSource& source) {
    switch (format) {
        case ExportFormat::Svg:
            return svgDrawing(source);
        case ExportFormat::Dxf:
            return dxfDrawing(source);
        case ExportFormat::Avl:
            return avlInput(source);
    }
    return {};
}

std::optional<TemplateChoice> askTemplateChoice(QWidget* parent, int wingCount) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TemplateChoice"));
    dialog.setWindowTitle(text(kTemplateTitle));
    auto* wings = new QComboBox(&dialog);
    for (int w = 1; w <= wingCount; ++w) wings->addItem(text(kWing).arg(w));
    auto* both = new QRadioButton(text(kBothHalves), &dialog);
    auto* half = new QRadioButton(text(kOneHalf), &dialog);
    both->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(text(kWingField), wings);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(both);
    layout->addWidget(half);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return TemplateChoice{wings->currentIndex() + 1, both->isChecked()};
}

}  // namespace

QString exportCaption(const std::string& name) {
    for (const auto& c : kCaptions)
        if (name == c.name) return text(c.text);
    return {};
}

ExportDialogs standardExportDialogs() {
    ExportDialogs d;
    d.saveName = [](QWidget* parent, const QString& title, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, title, suggested, filter);
    };
    d.failed = [](QWidget* parent, const QString& message) {
        QMessageBox::warning(parent, QStringLiteral("WinStabix4"), message);
    };
    d.templateChoice = askTemplateChoice;
    return d;
}

bool exportAircraft(ExportFormat format, const ExportSource& source, QWidget* parent,
                    const ExportDialogs& dialogs) {
    const auto i = std::size_t(format);
    const QString suggested = QString::fromStdString(exportFileName(source.model, kExtension[i]));
    QString chosen = dialogs.saveName ? dialogs.saveName(parent, exportCaption(kActionName[i]).chopped(1),
                                                         suggested, text(kFormatFilter[i]))
                                      : QString();
    if (chosen.isEmpty()) return false;
    // A name typed without extension gets the format's, as the filter promised.
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += QLatin1Char('.') + QLatin1String(kExtension[i]);
    if (const auto failure = writeFileSafely(chosen.toStdString(), exportText(format, source))) {
        if (dialogs.failed)
            dialogs.failed(parent,
                           text(kNotExported) + QLatin1Char('\n') + QString::fromStdString(failure->reason));
        return false;
    }
    return true;
}

bool printTemplate(const ExportSource& source, TForm3& printDialog, QWidget* parent,
                   const ExportDialogs& dialogs) {
    const int wingCount = clampedWingCount(source.model.WingCount);
    const auto choice =
        dialogs.templateChoice ? dialogs.templateChoice(parent, wingCount) : std::optional<TemplateChoice>();
    if (!choice) return false;
    // Beside the aircraft, not where its printed summary goes.
    const QString name = QString::fromStdString(exportFileName(source.model, "pdf")).chopped(4) +
                         QStringLiteral("-template.pdf");
    printDialog.showDocument(templateDocument(source, choice->wing, choice->bothHalves), name);
    return true;
}

ExportCommands::ExportCommands(QObject* parent, std::function<ExportSource()> source,
                               std::function<TForm3*()> printDialog)
    : QObject(parent), source_(std::move(source)), printDialog_(std::move(printDialog)) {}

void ExportCommands::attach(QMenu* exportMenu, const std::array<QAction*, 3>& exportActions,
                            QAction* templateAction) {
    exportMenu_ = exportMenu;
    exportActions_ = exportActions;
    templateAction_ = templateAction;
    for (std::size_t i = 0; i < exportActions.size(); ++i) {
        connect(exportActions[i], &QAction::triggered, this,
                [this, i] { exportAircraft(ExportFormat(i), source_(), window(), dialogs); });
        exportActions[i]->setEnabled(true);
    }
    connect(templateAction, &QAction::triggered, this, [this] {
        if (TForm3* dialog = printDialog_()) printTemplate(source_(), *dialog, window(), dialogs);
    });
    templateAction->setEnabled(true);
}

void ExportCommands::retitle() {
    if (!templateAction_) return;
    exportMenu_->setTitle(exportCaption("ExportMenu"));
    for (QAction* a : exportActions_) a->setText(exportCaption(a->objectName().toStdString()));
    templateAction_->setText(exportCaption("PrintTemplate"));
}

QWidget* ExportCommands::window() const {
    return qobject_cast<QWidget*>(parent());
}

}  // namespace ws
