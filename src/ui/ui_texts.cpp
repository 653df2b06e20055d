#include "ui/ui_texts.h"

#include <QCoreApplication>
#include <algorithm>

#include "ui/wing_controls.h"

namespace ws {

namespace {

const TextRow* findRow(const std::vector<TextRow>& table, const std::string& name) {
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const TextRow& r) { return r.name == name; });
    return it == table.end() ? nullptr : &*it;
}

// ---- Texts of the document commands (undo, recent files, questions) --------
// English is the source text for Qt's translation; the German stands here
// beside it until the translation files carry it.

QString en(const char* text) {
    return QCoreApplication::translate("WinStabix", text);
}

template <class Add>
void addDocumentCaptions(Add& add) {
    add("Undo1", "Undo", "Rückgängig");
    add("Redo1", "Redo", "Wiederholen");
    add("Recent1", "Recent files", "Zuletzt verwendet");
    add("Calculate1", "Calculate Aerodynamic Center", "Berechnung Neutralpunkt");
}

// ---- End of the document commands' texts ----------------------------------

std::vector<TextRow> makeCaptionTable() {
    std::vector<TextRow> t;
    auto add = [&t](std::string name, const char* en, const char* de) {
        t.push_back({std::move(name), ws::en(en), QString::fromUtf8(de)});
    };
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        add(n.captionB, "wing span (b):", "Spannweite (b):");
        add(n.captionS, "wing area (s):", "Flächeninhalt (s):");
        add(n.captionLm, "mean aerod. chord (lm):", "Bezugstiefe (lm):");
        add(n.captionR25, "geometric center (r25):", "Geometr. Neutralpunkt (r25):");
        add(n.captionLam, "aspect ratio (lam):", "Streckung [lam):");
        add(n.anpCaption, "aerodynamic center (anp):", "Aerodynamischer NP (anp):");
        add(n.trap[1], "1 trapezium", "1 Trapez");
        add(n.trap[2], "2 trapeziums", "2 Trapeze");
        add(n.trap[3], "3 trapeziums", "3 Trapeze");
        add(n.trap[4], "4 trapeziums", "4 Trapeze");
    }
    add("Label22", "Desired Static Stability:", "Gewünschte stat. Längsstabilität:");
    add("Label23", "Positioning", "Anordnung");
    add("Label_w", "- calculation is running -", "  - Berechnung läuft - ");
    add("Button4", "Calculate Aerodynamic Center", "Berechnung Neutralpunkt");
    add("Button6", "Print", "Drucken");
    add("TabSheet1", "  Wing 1 ", " Flügel 1 ");
    add("TabSheet2", "  Wing 2 ", " Flügel 2 ");
    add("TabSheet3", "  Wing 3 ", " Flügel 3 ");
    add("TabSheet5", "  Aircraft  ", " Flugzeug ");
    add("TabSheet4", " Remarks ", " Bemerkungen ");
    add("RadioButton1", "1 Wing", "1 Flügel");
    add("RadioButton2", "2 Wings", "2 Flügel");
    add("RadioButton3", "3 Wings", "3 Flügel");
    add("RadioButton15", "Automatic choice of stability", "Automat. Wahl der Stabilität");
    add("RadioButton16", "Manual choice of stability", "Manuelle Wahl der Stabilität");
    // The "&" marks the menu's Alt key.
    add("Open1", "&File", "&Datei");
    add("Open2", "Open", "Öffnen");
    add("Save2", "Save as", "Speichern als");
    add("Save3", "Save", "Speichern");
    add("Print1", "Print", "Drucken");
    add("Exit1", "Exit", "Beenden");
    add("EEdit1", "&Edit", "&Bearbeiten");
    add("wing11", "Wing 1", "Flügel-1");
    add("wing21", "Wing 2", "Flügel-2");
    add("wing31", "Wing 3", "Flügel-3");
    add("aircraft1", "Aircraft", "Flugzeug");
    addDocumentCaptions(add);
    // The language menu always names the other language.
    add("Langu1", "Sprache", "Language");
    add("german1", "deutsch", "english");
    return t;
}

// Start-up texts that are not the English captions, and texts never switched.
std::vector<TextRow> makeDesignTable() {
    std::vector<TextRow> t;
    auto add = [&t](std::string name, const char* text) {
        const QString s = QString::fromUtf8(text);
        t.push_back({std::move(name), s, s});
    };
    add("TabSheet1", " Wing 1 ");
    add("TabSheet2", "  Wing 2  ");
    add("TabSheet3", " Wing 3 ");
    add("TabSheet5", "     Aircraft    ");
    add("TabSheet4", "Remarks");
    add("wing11", "Wing-1");
    add("wing21", "Wing-2");
    add("wing31", "Wing-3");
    add("Info1", "Info");
    add("francais1", "französisch");
    add("spain1", "spanisch");
    add("Label21", "%");
    add("SpeedButton1", "Open File");
    add("SpeedButton2", "Save File as");
    add("SpeedButton3", "Save File");
    add("SpeedButton5", "Print");
    add("SpeedButton4", "Calc");
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
    auto add = [&t](std::string name, const QString& en, const QString& de) {
        t.push_back({std::move(name), en, de});
    };
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        const QString wn = QString::number(w);
        add(n.gap, QStringLiteral("Centre gap of wing %1, mm").arg(wn),
            QStringLiteral("Mittenspalt von Flügel %1, mm").arg(wn));
        for (int k = 1; k <= kMaxTrapeziums; ++k) {
            const QString ks = QString::number(k);
            add(n.span[k], QStringLiteral("Span of trapezium %1 of wing %2, mm").arg(ks, wn),
                QStringLiteral("Spannweite von Trapez %1, Flügel %2, mm").arg(ks, wn));
            add(n.chord[k + 1], QStringLiteral("Tip chord of trapezium %1 of wing %2, mm").arg(ks, wn),
                QStringLiteral("Außentiefe von Trapez %1, Flügel %2, mm").arg(ks, wn));
            add(n.offset[k + 1],
                QStringLiteral("Leading-edge offset at the tip of trapezium %1 of wing %2, mm").arg(ks, wn),
                QStringLiteral("Versatz der Vorderkante am Ende von Trapez %1, Flügel %2, mm").arg(ks, wn));
        }
        add(n.chord[1], QStringLiteral("Root chord of wing %1, mm").arg(wn),
            QStringLiteral("Wurzeltiefe von Flügel %1, mm").arg(wn));
        add(n.posX, QStringLiteral("Position x of wing %1, mm").arg(wn),
            QStringLiteral("Lage x von Flügel %1, mm").arg(wn));
        add(n.posZ, QStringLiteral("Height z of wing %1, mm").arg(wn),
            QStringLiteral("Höhe z von Flügel %1, mm").arg(wn));
        add(n.planform, QStringLiteral("Planform of wing %1").arg(wn),
            QStringLiteral("Grundriss von Flügel %1").arg(wn));
        add(n.schematic, QStringLiteral("Dimension sketch of wing %1").arg(wn),
            QStringLiteral("Maßskizze von Flügel %1").arg(wn));
        add(n.picture, QStringLiteral("Position sketch of wing %1").arg(wn),
            QStringLiteral("Lageskizze von Flügel %1").arg(wn));
    }
    auto addText = [&add](std::string name, const char* en, const char* de) {
        add(std::move(name), QString::fromUtf8(en), QString::fromUtf8(de));
    };
    addText("Edit31", "Desired static stability, %", "Gewünschte statische Stabilität, %");
    addText("Memo1", "Error messages", "Fehlermeldungen");
    addText("Memo2", "Remarks", "Bemerkungen");
    addText("Image2", "Top view of the aircraft", "Draufsicht des Flugzeugs");
    addText("Image3", "3-D view of the aircraft", "3-D-Ansicht des Flugzeugs");
    addText("Image4", "Print copy of the top view", "Druckkopie der Draufsicht");
    addText("Image7", "Print copy of the 3-D view", "Druckkopie der 3-D-Ansicht");
    addText("Image_P", "Print page", "Druckseite");
    addText("ScrollBar1", "Elevation of the 3-D view", "Höhenwinkel der 3-D-Ansicht");
    addText("ScrollBar2", "Azimuth of the 3-D view", "Seitenwinkel der 3-D-Ansicht");
    addText("ScrollBar3", "Zoom of the top view", "Vergrößerung der Draufsicht");
    addText("ScrollBar4", "Zoom of the 3-D view", "Vergrößerung der 3-D-Ansicht");
    return t;
}

}  // namespace

const std::vector<TextRow>& captionTable() {
    static const std::vector<TextRow> table = makeCaptionTable();
    return table;
}

const std::vector<TextRow>& accessibleNameTable() {
    static const std::vector<TextRow> table = makeAccessibleNameTable();
    return table;
}

QString designCaption(const std::string& name) {
    static const std::vector<TextRow> design = makeDesignTable();
    if (const TextRow* row = findRow(design, name)) return row->english;
    return captionText(name, true);
}

QString captionText(const std::string& name, bool english) {
    const TextRow* row = findRow(captionTable(), name);
    if (!row) return {};
    return english ? row->english : row->german;
}

QString accessibleNameText(const std::string& name, bool english) {
    const TextRow* row = findRow(accessibleNameTable(), name);
    if (!row) return {};
    return english ? row->english : row->german;
}

QString wingPictureName(int w, bool english) {
    return english ? QStringLiteral("Wing-%1  ").arg(w) : QStringLiteral("Flügel-%1").arg(w);
}

std::pair<QString, QString> gapWarningLines(bool english) {
    if (english)
        return {QStringLiteral("Are you sure this wing shall "), QStringLiteral("have a gap in the middle?")};
    return {QStringLiteral("Sind Sie sicher, dass dieser Flügel in"),
            QStringLiteral("der Mitte eine Lücke haben soll?")};
}

QString errorBoxText(bool english) {
    return english ? QStringLiteral("Error: ") : QStringLiteral("Fehler: ");
}

// The project has no address beyond its README, whose "Contact" says how to
// reach it; the same in both languages.
constexpr const char* kContact = "README.md#contact";

const std::vector<TextRow>& infoTextTable() {
    static const std::vector<TextRow> table = [] {
        std::vector<TextRow> t;
        auto add = [&t](std::string name, const char* en, const char* de) {
            t.push_back({std::move(name), QString::fromUtf8(en), QString::fromUtf8(de)});
        };
        add("Label1", "   WinStabix calculates the aerodynamic center   ",
            "   WinStabix berechnet den Neutralpunkt eines   ");
        add("Label2", "of an aircraft and suggests a suitable", "Flugzeugs und schlägt einen günstigen ");
        add("Label7", "range for the center of gravity", "Bereich für die Schwerpunktlage vor");
        add("Label3", "Idea and Formulas: the WinStabix authors", "Idee und Formeln: die WinStabix-Autoren");
        add("Label4", kContact, kContact);
        add("Label5", "Realization: the WinStabix authors", "Umsetzung: die WinStabix-Autoren");
        add("Label6", kContact, kContact);
        add("Label8", "Version " WINSTABIX_VERSION, "Version " WINSTABIX_VERSION);
        return t;
    }();
    return table;
}

QString infoText(const std::string& name, bool english) {
    const TextRow* row = findRow(infoTextTable(), name);
    if (!row) return {};
    return english ? row->english : row->german;
}

QString openDialogTitle(bool english) {
    return captionText("Open2", english);
}

QString saveDialogTitle(bool english) {
    return captionText("Save2", english);
}

QString aircraftFileFilter() {
    return QStringLiteral("*.da4");
}

QString saveFailedText(const QString& reason, bool english) {
    const QString head = english ? QStringLiteral("The aircraft was not saved.")
                                 : QStringLiteral("Das Flugzeug wurde nicht gespeichert.");
    return head + QLatin1Char('\n') + reason;
}

}  // namespace ws

// ---- Texts of the document commands (see above) ----------------------------

namespace ws {

namespace {

// The object name of field `field` (load order) of wing w.
std::string wingFieldName(int w, int field) {
    const WingControlNames& n = wingControlNames(w);
    if (field < kGapField) return n.chord[field + 1];
    if (field == kGapField) return n.gap;
    if (field < kOffsetField) return n.span[field - kSpanField + 1];
    if (field < kPosXField) return n.offset[field - kOffsetField + 2];
    return field == kPosXField ? n.posX : n.posZ;
}

}  // namespace

QString stepName(const AircraftChange& step, bool english) {
    const QString wing = QString::number(step.wing);
    switch (step.kind) {
        case AircraftChange::Kind::Typed: {
            const auto [w, field] = step.fields.front();
            return accessibleNameText(wingFieldName(w, field), english);
        }
        case AircraftChange::Kind::Drag:
            return english ? en("Drag on the planform of wing %1").arg(wing)
                           : QStringLiteral("Ziehen am Grundriss von Flügel %1").arg(wing);
        case AircraftChange::Kind::MovedHeights:
            return english ? en("Heights moved by the calculation")
                           : QStringLiteral("Von der Berechnung verschobene Höhen");
        case AircraftChange::Kind::TrapCount:
            return english ? en("Trapezium count of wing %1").arg(wing)
                           : QStringLiteral("Trapezanzahl von Flügel %1").arg(wing);
        case AircraftChange::Kind::WingCount:
            return english ? en("Wing count") : QStringLiteral("Flügelanzahl");
        case AircraftChange::Kind::Remarks:
            return english ? en("Remarks") : QStringLiteral("Bemerkungen");
        case AircraftChange::Kind::Everything:
            break;
    }
    return {};
}

QString undoText(const std::optional<AircraftChange>& step, bool english) {
    const QString head = captionText("Undo1", english);
    return step ? head + QStringLiteral(": ") + stepName(*step, english) : head;
}

QString redoText(const std::optional<AircraftChange>& step, bool english) {
    const QString head = captionText("Redo1", english);
    return step ? head + QStringLiteral(": ") + stepName(*step, english) : head;
}

QString askSaveText(bool english) {
    return english ? en("The aircraft has changes that are not saved. Save them first?")
                   : QStringLiteral("Das Flugzeug hat ungespeicherte Änderungen. Zuerst speichern?");
}

std::array<QString, 3> askSaveButtons(bool english) {
    if (english) return {en("Save"), en("Discard"), en("Cancel")};
    return {QStringLiteral("Speichern"), QStringLiteral("Verwerfen"), QStringLiteral("Abbrechen")};
}

QString openFailedText(const QString& reason, bool english) {
    const QString head = english ? en("The aircraft file was not opened.")
                                 : QStringLiteral("Die Flugzeugdatei wurde nicht geöffnet.");
    return head + QLatin1Char('\n') + reason;
}

QString vanishedFileText(const QString& path, bool english) {
    return english ? en("The file \"%1\" is no longer there; it is taken off the list.").arg(path)
                   : QStringLiteral("Die Datei \"%1\" gibt es nicht mehr; sie wird aus der Liste genommen.")
                         .arg(path);
}

QString unstorableRemarksText(int count, bool english) {
    return english ? en("%1 character(s) of the remarks cannot be stored in an aircraft file and were saved "
                        "as \"?\".")
                         .arg(count)
                   : QStringLiteral(
                         "%1 Zeichen der Bemerkungen kann eine Flugzeugdatei nicht speichern; sie "
                         "wurden als \"?\" gespeichert.")
                         .arg(count);
}

}  // namespace ws
