#include "ui/ui_texts.h"

#include <QCoreApplication>
#include <algorithm>

#include "document/aircraft_text.h"
#include "texts/catalogue.h"
#include "texts/translation.h"
#include "ui/wing_controls.h"

namespace ws {

namespace {

const TextRow* findRow(const std::vector<TextRow>& table, const std::string& name) {
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const TextRow& r) { return r.name == name; });
    return it == table.end() ? nullptr : &*it;
}

std::vector<TextRow> makeCaptionTable() {
    std::vector<TextRow> t;
    auto add = [&t](std::string name, const char* source) { t.push_back({std::move(name), source}); };
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        add(n.captionB, QT_TRANSLATE_NOOP("Window", "wing span (b):"));
        add(n.captionS, QT_TRANSLATE_NOOP("Window", "wing area (s):"));
        add(n.captionLm, QT_TRANSLATE_NOOP("Window", "mean aerod. chord (lm):"));
        add(n.captionR25, QT_TRANSLATE_NOOP("Window", "geometric center (r25):"));
        add(n.captionLam, QT_TRANSLATE_NOOP("Window", "aspect ratio (lam):"));
        add(n.anpCaption, QT_TRANSLATE_NOOP("Window", "aerodynamic center (anp):"));
        add(n.trap[1], QT_TRANSLATE_NOOP("Window", "1 trapezium"));
        add(n.trap[2], QT_TRANSLATE_NOOP("Window", "2 trapeziums"));
        add(n.trap[3], QT_TRANSLATE_NOOP("Window", "3 trapeziums"));
        add(n.trap[4], QT_TRANSLATE_NOOP("Window", "4 trapeziums"));
    }
    add("Label22", QT_TRANSLATE_NOOP("Window", "Desired Static Stability:"));
    add("Label23", QT_TRANSLATE_NOOP("Window", "Positioning"));
    add("Label_w", QT_TRANSLATE_NOOP("Window", "- calculation is running -"));
    add("Button4", QT_TRANSLATE_NOOP("Window", "Calculate Aerodynamic Center"));
    add("Button6", QT_TRANSLATE_NOOP("Window", "Print"));
    add("TabSheet1", QT_TRANSLATE_NOOP("Window", "  Wing 1 "));
    add("TabSheet2", QT_TRANSLATE_NOOP("Window", "  Wing 2 "));
    add("TabSheet3", QT_TRANSLATE_NOOP("Window", "  Wing 3 "));
    add("TabSheet5", QT_TRANSLATE_NOOP("Window", "  Aircraft  "));
    add("TabSheet4", QT_TRANSLATE_NOOP("Window", " Remarks "));
    add("TabSheet6", QT_TRANSLATE_NOOP("Window", " Balance "));
    // The balance page.
    add("LabelBalanceItems",
        QT_TRANSLATE_NOOP("Window", "Mass items (x rearwards from the root of wing 1):"));
    add("LabelWeighing", QT_TRANSLATE_NOOP("Window", "Weighing on two supports:"));
    add("LabelSupportX", QT_TRANSLATE_NOOP("Window", "x, %9"));
    add("LabelSupportReading", QT_TRANSLATE_NOOP("Window", "reading, g"));
    add("LabelSupport1", QT_TRANSLATE_NOOP("Window", "Support 1:"));
    add("LabelSupport2", QT_TRANSLATE_NOOP("Window", "Support 2:"));
    add("LabelBallastAt", QT_TRANSLATE_NOOP("Window", "Ballast place x, %9:"));
    add("LabelBalanceResults", QT_TRANSLATE_NOOP("Window", "The model as built:"));
    add("LabelBalanceMass", QT_TRANSLATE_NOOP("Window", "total mass:"));
    add("LabelBalanceCg", QT_TRANSLATE_NOOP("Window", "centre of gravity x:"));
    add("LabelBalanceChord", QT_TRANSLATE_NOOP("Window", "in % of the reference chord:"));
    add("LabelBalanceMargin", QT_TRANSLATE_NOOP("Window", "static margin:"));
    add("LabelBalanceTarget", QT_TRANSLATE_NOOP("Window", "target (recommended):"));
    add("LabelBallast", QT_TRANSLATE_NOOP("Window", "ballast:"));
    add("LabelMove", QT_TRANSLATE_NOOP("Window", "movable item:"));
    add("BalanceItems", QT_TRANSLATE_NOOP("Window", "Mass items"));
    add("BalanceWeighing", QT_TRANSLATE_NOOP("Window", "Weighing on two supports"));
    add("BalanceAdd", QT_TRANSLATE_NOOP("Window", "Add"));
    add("BalanceRemove", QT_TRANSLATE_NOOP("Window", "Remove"));
    add("BalanceUp", QT_TRANSLATE_NOOP("Window", "Up"));
    add("BalanceDown", QT_TRANSLATE_NOOP("Window", "Down"));
    add("RadioButton1", QT_TRANSLATE_NOOP("Window", "1 Wing"));
    add("RadioButton2", QT_TRANSLATE_NOOP("Window", "2 Wings"));
    add("RadioButton3", QT_TRANSLATE_NOOP("Window", "3 Wings"));
    add("RadioButton15", QT_TRANSLATE_NOOP("Window", "Automatic choice of stability"));
    add("RadioButton16", QT_TRANSLATE_NOOP("Window", "Manual choice of stability"));
    add("Open1", QT_TRANSLATE_NOOP("Window", "&File"));
    add("New1", QT_TRANSLATE_NOOP("Window", "New"));
    add("Open2", QT_TRANSLATE_NOOP("Window", "Open"));
    add("Save2", QT_TRANSLATE_NOOP("Window", "Save as"));
    add("Save3", QT_TRANSLATE_NOOP("Window", "Save"));
    add("Print1", QT_TRANSLATE_NOOP("Window", "Print"));
    add("Exit1", QT_TRANSLATE_NOOP("Window", "Exit"));
    add("EEdit1", QT_TRANSLATE_NOOP("Window", "&Edit"));
    add("wing11", QT_TRANSLATE_NOOP("Window", "Wing 1"));
    add("wing21", QT_TRANSLATE_NOOP("Window", "Wing 2"));
    add("wing31", QT_TRANSLATE_NOOP("Window", "Wing 3"));
    add("aircraft1", QT_TRANSLATE_NOOP("Window", "Aircraft"));
    add("Converged1", QT_TRANSLATE_NOOP("Window", "Converged neutral point"));
    add("Study1", QT_TRANSLATE_NOOP("Window", "Parameter study…"));
    add("Compare1", QT_TRANSLATE_NOOP("Window", "Compare with…"));
    add("Units1", QT_TRANSLATE_NOOP("Window", "Units"));
    add("UnitMm1", QT_TRANSLATE_NOOP("Window", "Millimetres (mm)"));
    add("UnitCm1", QT_TRANSLATE_NOOP("Window", "Centimetres (cm)"));
    add("UnitIn1", QT_TRANSLATE_NOOP("Window", "Inches (in, areas in in²)"));
    add("Undo1", QT_TRANSLATE_NOOP("Window", "Undo"));
    add("Redo1", QT_TRANSLATE_NOOP("Window", "Redo"));
    add("Recent1", QT_TRANSLATE_NOOP("Window", "Recent files"));
    add("Examples1", QT_TRANSLATE_NOOP("Window", "Examples"));
    add("Calculate1", QT_TRANSLATE_NOOP("Window", "Calculate Aerodynamic Center"));
    // Not switched between English and German (German keeps these words),
    // but French and Spanish have their own.
    add("Info1", QT_TRANSLATE_NOOP("Window", "Info"));
    add("SpeedButton1", QT_TRANSLATE_NOOP("Window", "Open File"));
    add("SpeedButton2", QT_TRANSLATE_NOOP("Window", "Save File as"));
    add("SpeedButton3", QT_TRANSLATE_NOOP("Window", "Save File"));
    static const char* const printHint[2] = QT_TRANSLATE_NOOP3("Window", "Print", "tool button hint");
    t.push_back({"SpeedButton5", printHint[0], printHint[1]});
    add("SpeedButton4", QT_TRANSLATE_NOOP("Window", "Calc"));
    // The language menu's title is in another language than the one in force;
    // its items name the languages in their own words (language_switch.cpp).
    add("Langu1", QT_TRANSLATE_NOOP("Window", "Sprache"));
    return t;
}

// Start-up texts that are not the English captions, and texts never switched.
std::vector<TextRow> makeDesignTable() {
    std::vector<TextRow> t;
    auto add = [&t](std::string name, const char* text) { t.push_back({std::move(name), text}); };
    add("TabSheet1", " Wing 1 ");
    add("TabSheet2", "  Wing 2  ");
    add("TabSheet3", " Wing 3 ");
    add("TabSheet5", "     Aircraft    ");
    add("TabSheet4", "Remarks");
    add("wing11", "Wing-1");
    add("wing21", "Wing-2");
    add("wing31", "Wing-3");
    add("Label21", "%");
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        add(n.valueB, "b:");
        add(n.valueS, "s:");
        add(n.valueLm, "lm:");
        add(n.valueR25, "r25:");
        add(n.valueLam, "lam:");
        add(n.anpValue, "anp:");
    }
    return t;
}

std::vector<TextRow> makeAccessibleNameTable() {
    std::vector<TextRow> t;
    auto add = [&t](std::string name, const char* source, int w = 0, int k = 0) {
        t.push_back({std::move(name), source, nullptr, w, k});
    };
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        for (int field = 0; field < kWingValueCount; ++field) {
            const FieldWords words = fieldWords(field);
            add(fieldObjectName(w, field), words.source, w, words.trapezium);
        }
        add(n.planform, QT_TRANSLATE_NOOP("Window", "Planform of wing %1"), w);
        add(n.schematic, QT_TRANSLATE_NOOP("Window", "Dimension sketch of wing %1"), w);
        add(n.picture, QT_TRANSLATE_NOOP("Window", "Position sketch of wing %1"), w);
    }
    add("Edit31", QT_TRANSLATE_NOOP("Window", "Desired static stability, %"));
    add("Memo1", QT_TRANSLATE_NOOP("Window", "Error messages"));
    add("Memo2", QT_TRANSLATE_NOOP("Window", "Remarks"));
    add("Image2", QT_TRANSLATE_NOOP("Window", "Top view of the aircraft"));
    add("Image3", QT_TRANSLATE_NOOP("Window", "3-D view of the aircraft"));
    add("ScrollBar1", QT_TRANSLATE_NOOP("Window", "Elevation of the 3-D view"));
    add("ScrollBar2", QT_TRANSLATE_NOOP("Window", "Azimuth of the 3-D view"));
    add("ScrollBar3", QT_TRANSLATE_NOOP("Window", "Zoom of the top view"));
    add("ScrollBar4", QT_TRANSLATE_NOOP("Window", "Zoom of the 3-D view"));
    return t;
}

std::vector<TextRow> makeHintTable() {
    std::vector<TextRow> t;
    auto add = [&t](std::initializer_list<const char*> names, const char* source) {
        for (const char* name : names) t.push_back({name, source});
    };
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        add({n.captionB, n.valueB},
            QT_TRANSLATE_NOOP("Window", "Span b from tip to tip, the centre gap included."));
        add({n.captionS, n.valueS},
            QT_TRANSLATE_NOOP("Window", "Area s of both halves, without the centre gap."));
        add({n.captionLm, n.valueLm},
            QT_TRANSLATE_NOOP("Window",
                              "Mean aerodynamic chord lm: the chord averaged over the span, each chord "
                              "weighted by itself. The static margin is given in % of it."));
        add({n.captionR25, n.valueR25},
            QT_TRANSLATE_NOOP("Window",
                              "Geometric neutral point r25: the quarter point of lm, measured rearwards "
                              "from the wing's root leading edge."));
        add({n.captionLam, n.valueLam}, QT_TRANSLATE_NOOP("Window", "Aspect ratio lam = b² / s."));
        add({n.anpCaption, n.anpValue},
            QT_TRANSLATE_NOOP("Window",
                              "Aerodynamic centre anp of this wing in the whole aircraft, from the "
                              "vortex-lattice calculation, measured rearwards from its root leading "
                              "edge."));
    }
    add({"Image2"},
        QT_TRANSLATE_NOOP(
            "Window",
            "After a calculation:\n"
            "lm leading edge: x of the leading edge of the reference wing's mean chord lm.\n"
            "Reference area S and length lm: those of the reference wing, the one of largest span.\n"
            "x_cg (16%): the centre of gravity for a static margin of 16 % of lm ahead of the neutral "
            "point;\n"
            "= 13.2% lm: the same position, 13.2 % of lm behind the leading edge of lm.\n"
            "x_ac: the neutral point (aerodynamic centre) of the whole aircraft.\n"
            "Every x is measured rearwards from the root leading edge of wing 1.\n"
            "A click magnifies the view or returns it to its size; dragging down magnifies it while the "
            "button is held."));
    return t;
}

QString say(const char* source) {
    return QCoreApplication::translate("Window", source);
}

QString textIn(const std::vector<TextRow>& table, const std::string& name) {
    const TextRow* row = findRow(table, name);
    return row ? row->text() : QString();
}

}  // namespace

QString TextRow::text() const {
    QString s = QCoreApplication::translate("Window", source, comment);
    if (wing) s = s.arg(wing);
    if (trapezium) s = s.arg(trapezium);
    return withUnitSymbol(s);
}

const std::vector<TextRow>& captionTable() {
    static const std::vector<TextRow> table = makeCaptionTable();
    return table;
}

const std::vector<TextRow>& hintTable() {
    static const std::vector<TextRow> table = makeHintTable();
    return table;
}

const std::vector<TextRow>& accessibleNameTable() {
    static const std::vector<TextRow> table = makeAccessibleNameTable();
    return table;
}

QString designCaption(const std::string& name) {
    static const std::vector<TextRow> design = makeDesignTable();
    if (const TextRow* row = findRow(design, name)) return QString::fromUtf8(row->source);
    if (const TextRow* row = findRow(captionTable(), name))
        return withUnitSymbol(QString::fromUtf8(row->source));
    return {};
}

QString captionText(const std::string& name) {
    return textIn(captionTable(), name);
}

QString accessibleNameText(const std::string& name) {
    return textIn(accessibleNameTable(), name);
}

QString readAsText(int value) {
    const Units u = unitsInForce();
    return say(QT_TRANSLATE_NOOP("Window", "Read as %1 %2."))
        .arg(QString::fromStdString(fieldText(value, u)), QString::fromLatin1(unitSymbol(u)));
}

QString wingPictureName(int w) {
    return say(QT_TRANSLATE_NOOP("Window", "Wing-%1  ")).arg(w);
}

std::pair<QString, QString> gapWarningLines() {
    return {say(QT_TRANSLATE_NOOP("Window", "Are you sure this wing shall ")),
            say(QT_TRANSLATE_NOOP("Window", "have a gap in the middle?"))};
}

QString errorBoxText() {
    return messageText({MessageCode::ErrorHead});
}

// The project has no address beyond its README, whose "Contact" says how to
// reach it; the same in every language.
constexpr const char* kContact = "README.md#contact";

const std::vector<TextRow>& infoTextTable() {
    static const std::vector<TextRow> table = {
        {"Label1", QT_TRANSLATE_NOOP("Window", "   WinStabix calculates the aerodynamic center   ")},
        {"Label2", QT_TRANSLATE_NOOP("Window", "of an aircraft and suggests a suitable")},
        {"Label7", QT_TRANSLATE_NOOP("Window", "range for the center of gravity")},
        {"Label3", QT_TRANSLATE_NOOP("Window", "Idea and Formulas: the WinStabix authors")},
        {"Label4", kContact},
        {"Label5", QT_TRANSLATE_NOOP("Window", "Realization: the WinStabix authors")},
        {"Label6", kContact},
        {"Label8", QT_TRANSLATE_NOOP("Window", "Version %1")},
    };
    return table;
}

QString infoText(const std::string& name) {
    const TextRow* row = findRow(infoTextTable(), name);
    if (!row) return {};
    // The addresses are the same in every language.
    if (row->source == kContact) return QString::fromUtf8(kContact);
    if (row->name == "Label8") return row->text().arg(QStringLiteral(WINSTABIX_VERSION));
    return row->text();
}

QString closeButtonText() {
    return say(QT_TRANSLATE_NOOP("Window", "Close"));
}

QString openDialogTitle() {
    return captionText("Open2");
}

QString saveDialogTitle() {
    return captionText("Save2");
}

QString aircraftFileFilter() {
    return QStringLiteral("*.da4");
}

QString saveFailedText(const QString& reason) {
    return say(QT_TRANSLATE_NOOP("Window", "The aircraft was not saved.")) + QLatin1Char('\n') + reason;
}

}  // namespace ws

namespace ws {

QString askSaveText() {
    return say(QT_TRANSLATE_NOOP("Window", "The aircraft has changes that are not saved. Save them first?"));
}

std::array<QString, 3> askSaveButtons() {
    return {say(QT_TRANSLATE_NOOP("Window", "Save")), say(QT_TRANSLATE_NOOP("Window", "Discard")),
            say(QT_TRANSLATE_NOOP("Window", "Cancel"))};
}

QString changedOnDiskText(const QString& name) {
    return say(QT_TRANSLATE_NOOP(
                   "Window", "%1 was changed by another program since it was opened or saved. Overwrite it?"))
        .arg(name);
}

std::array<QString, 3> changedOnDiskButtons() {
    return {say(QT_TRANSLATE_NOOP("Window", "Overwrite")), say(QT_TRANSLATE_NOOP("Window", "Save as…")),
            say(QT_TRANSLATE_NOOP("Window", "Cancel"))};
}

QString restoreText(const QString& name, const QString& time) {
    return say(QT_TRANSLATE_NOOP("Window", "Restore the unsaved changes of %1 from %2?")).arg(name, time);
}

std::array<QString, 3> restoreButtons() {
    return {say(QT_TRANSLATE_NOOP("Window", "Restore")), say(QT_TRANSLATE_NOOP("Window", "Discard")),
            say(QT_TRANSLATE_NOOP("Window", "Later"))};
}

QString reloadText(const QString& name) {
    return say(QT_TRANSLATE_NOOP("Window", "%1 was changed by another program. Open it again?")).arg(name);
}

std::array<QString, 2> reloadButtons() {
    return {say(QT_TRANSLATE_NOOP("Window", "Reload")), say(QT_TRANSLATE_NOOP("Window", "Keep"))};
}

QString openFailedText(const QString& reason) {
    return say(QT_TRANSLATE_NOOP("Window", "The aircraft file was not opened.")) + QLatin1Char('\n') + reason;
}

QString vanishedFileText(const QString& path) {
    return say(QT_TRANSLATE_NOOP("Window", "The file \"%1\" is no longer there; it is taken off the list."))
        .arg(path);
}

QString unstorableRemarksText(int count) {
    return say(QT_TRANSLATE_NOOP(
                   "Window",
                   "%1 character(s) of the remarks cannot be stored in an aircraft file and were "
                   "saved as \"?\"."))
        .arg(count);
}

}  // namespace ws
