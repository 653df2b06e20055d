// The window's ways out to the workshop: "Export" writes the planform
// drawing (SVG, DXF) or the AVL input through the save dialog, and
// "Print template (1:1)…" sends a wing's true-scale template through the
// print dialog. Both read only the ExportSource they are given: the aircraft
// and, while its results are valid, its stability marks.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "export/export_source.h"

class QAction;
class QMenu;
class QWidget;

namespace ws {

class TForm3;

enum class ExportFormat { Svg, Dxf, Avl };

struct TemplateChoice {
    int wing = 1;
    bool bothHalves = true;  // else the right half against the centre line
};

// The questions the commands ask; tests answer them.
struct ExportDialogs {
    // The chosen file, empty when cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& suggested,
                          const QString& filter)>
        saveName;
    // Tells the user why nothing was written.
    std::function<void(QWidget* parent, const QString& text)> failed;
    // The wing (1..wingCount) and halves of a template; nothing when cancelled.
    std::function<std::optional<TemplateChoice>(QWidget* parent, int wingCount)> templateChoice;
};

// The caption of an entry by its object name ("ExportMenu", "ExportSvg",
// "ExportDxf", "ExportAvl", "PrintTemplate"); empty for another name.
QString exportCaption(const std::string& name);

// QFileDialog, a warning box, and a small dialog with the wings and the halves.
ExportDialogs standardExportDialogs();

// The format's file, named in the save dialog (offered: the aircraft's name
// with the format's extension beside its file). True when it was written.
bool exportAircraft(ExportFormat format, const ExportSource& source, QWidget* parent,
                    const ExportDialogs& dialogs);

// The template of the wing chosen, handed to `printDialog`. False when cancelled.
bool printTemplate(const ExportSource& source, TForm3& printDialog, QWidget* parent,
                   const ExportDialogs& dialogs);

// Both commands on the window's actions, in the language of the window.
class ExportCommands : public QObject {
    Q_OBJECT
  public:
    // `source` gives the aircraft as it stands when a command runs,
    // `printDialog` the window's print dialog.
    ExportCommands(QObject* parent, std::function<ExportSource()> source,
                   std::function<TForm3*()> printDialog);

    // The "Export" submenu (object name "ExportMenu") with its actions for
    // SVG, DXF and AVL ("ExportSvg", "ExportDxf", "ExportAvl"), and the
    // template's action ("PrintTemplate"): connected and enabled.
    void attach(QMenu* exportMenu, const std::array<QAction*, 3>& exportActions, QAction* templateAction);
    void retitle();

    ExportDialogs dialogs = standardExportDialogs();

  private:
    std::function<ExportSource()> source_;
    std::function<TForm3*()> printDialog_;
    QMenu* exportMenu_ = nullptr;
    std::array<QAction*, 3> exportActions_{};
    QAction* templateAction_ = nullptr;
    QWidget* window() const;
};

}  // namespace ws
