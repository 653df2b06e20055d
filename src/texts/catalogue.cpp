#include "texts/catalogue.h"

#include <QCoreApplication>
#include <QStringList>

#include "model/number_format.h"
#include "model/units.h"
#include "texts/translation.h"

namespace ws {

namespace {

QString say(const char* source) {
    return QCoreApplication::translate("Calculation", source);
}

QString number(long long value, int width = 0) {
    return QString::fromStdString(padded(value, width));
}

QString tenths(long long value) {
    return QString::fromStdString(fixed(double(value) / 10, 1));
}

QString row(const char* source) {
    return QCoreApplication::translate("Stability", source);
}

std::string text(const QString& s) {
    return s.toStdString();
}

QString unit() {
    return QString::fromLatin1(unitSymbol(unitsInForce()));
}

// A length in the unit in force, as precise as `mmDecimals` are in mm.
QString length(double mm, int mmDecimals) {
    return QString::fromStdString(lengthText(mm, unitsInForce(), mmDecimals));
}

}  // namespace

QString messageText(const Message& m) {
    switch (m.code) {
        case MessageCode::ErrorHead:
            return say(QT_TRANSLATE_NOOP("Calculation", "Error: "));
        case MessageCode::FilesNotOpened:
            return say(QT_TRANSLATE_NOOP(
                           "Calculation",
                           "%1 files were named at start; none was opened. Open one at a time."))
                .arg(number(m.a));
        case MessageCode::NoSettingsFolder:
            return m.a == 0 ? say(QT_TRANSLATE_NOOP("Calculation", "No home folder: settings are not kept."))
                            : say(QT_TRANSLATE_NOOP(
                                  "Calculation", "The home folder does not exist: settings are not kept."));
        case MessageCode::RecoveryNotWritten:
            return say(QT_TRANSLATE_NOOP(
                "Calculation", "The unsaved changes could not be kept for recovery after a crash."));
        case MessageCode::Attention:
            return say(QT_TRANSLATE_NOOP("Calculation", "Attention:"));
        case MessageCode::WingsMoved:
            return say(QT_TRANSLATE_NOOP("Calculation", "Wings are moved automatically in z-direction!"));
        case MessageCode::CannotCalculateWing:
            return say(QT_TRANSLATE_NOOP("Calculation", "Can not calculate wing-%1. ")).arg(number(m.a));
        case MessageCode::CannotCalculateAircraft:
            return say(QT_TRANSLATE_NOOP("Calculation", "Can not calculate this aircraft. "));
        case MessageCode::LessAspectRatio:
            return say(QT_TRANSLATE_NOOP("Calculation", "Please change this wing (less aspect ratio)!"));
        case MessageCode::MoreAspectRatio:
            return say(QT_TRANSLATE_NOOP("Calculation", "Please change this wing (more aspect ratio)!"));
        case MessageCode::NoArea:
            return say(QT_TRANSLATE_NOOP("Calculation", "Please change this wing (it has no area)!"));
        case MessageCode::TrapeziumNoChord:
            return say(
                QT_TRANSLATE_NOOP("Calculation", "Please change this wing (a trapezium has no chord)!"));
        case MessageCode::TooManyPanels:
            return say(QT_TRANSLATE_NOOP("Calculation", "Too many panels (%1, at most 3000)!"))
                .arg(number(m.a));
        case MessageCode::NotFinite:
            return say(QT_TRANSLATE_NOOP("Calculation", "The result is not finite!"));
        case MessageCode::NoLift:
            return say(QT_TRANSLATE_NOOP("Calculation", "Please change this wing (it gives no lift)!"));
        case MessageCode::NoReference:
            return say(QT_TRANSLATE_NOOP("Calculation", "The reference wing has no area or chord!"));
        case MessageCode::NeutralPointOffWings:
            return say(QT_TRANSLATE_NOOP("Calculation", "The neutral point lies outside the wings!"));
        case MessageCode::WingCentreOffWing:
            return say(QT_TRANSLATE_NOOP("Calculation", "The aerodynamic center lies outside this wing!"));
        case MessageCode::LeadingEdgeSwept:
            return say(QT_TRANSLATE_NOOP(
                           "Calculation",
                           "Please change this trapezium (leading edge swept %1°, at most 80°)!"))
                .arg(tenths(m.a));
        case MessageCode::TrailingEdgeSwept:
            return say(QT_TRANSLATE_NOOP(
                           "Calculation",
                           "Please change this trapezium (trailing edge swept %1°, at most 80°)!"))
                .arg(tenths(m.a));
        case MessageCode::StoredResultsIncomplete:
            return say(QT_TRANSLATE_NOOP(
                "Calculation", "The results stored in the file are incomplete and were calculated again."));
        case MessageCode::StoredResultsReplaced:
            return say(QT_TRANSLATE_NOOP(
                "Calculation",
                "The results stored in the file did not belong to this aircraft and were calculated again."));
        // The wing and trapezium numbers are blank-padded to two places.
        case MessageCode::TrapeziumFailed:
            return say(QT_TRANSLATE_NOOP("Calculation", "Can not calculate Wing %1 / Trapezium%2."))
                .arg(number(m.a, 2), number(m.b, 2));
        case MessageCode::MoreTipChord:
            return say(
                QT_TRANSLATE_NOOP("Calculation", "Please change this trapezium (more chord length at tip)!"));
        case MessageCode::NoSpan:
            if (m.b <= 1)
                return say(QT_TRANSLATE_NOOP("Calculation", "Wing %1, trapezium 1: span 0 %2."))
                    .arg(m.a)
                    .arg(unit());
            return say(QT_TRANSLATE_NOOP("Calculation", "Wing %1, trapeziums 1 to %2: span 0 %3."))
                .arg(m.a)
                .arg(m.b)
                .arg(unit());
        case MessageCode::WingNeedsSpan:
            return say(QT_TRANSLATE_NOOP("Calculation", "A wing needs a span."));
        case MessageCode::NoRootChord:
            return say(QT_TRANSLATE_NOOP("Calculation", "Wing %1, trapezium %2: root chord %3 %4."))
                .arg(m.a)
                .arg(m.b)
                .arg(length(double(m.c), 0), unit());
        case MessageCode::NoTipChord:
            return say(QT_TRANSLATE_NOOP("Calculation", "Wing %1, trapezium %2: tip chord %3 %4."))
                .arg(m.a)
                .arg(m.b)
                .arg(length(double(m.c), 0), unit());
        case MessageCode::TrapeziumNeedsChords:
            return say(QT_TRANSLATE_NOOP("Calculation", "A trapezium needs a chord at both ends."));
        // The design wrote these in German only; German keeps those words.
        case MessageCode::Itmax:
            return say(QT_TRANSLATE_NOOP("Calculation",
                                         "TRIM9: Error. itmax is%1 , no calculation possible//"))
                .arg(number(m.a, 2));
        case MessageCode::TrimSingular:
            return say(
                QT_TRANSLATE_NOOP("Calculation", " TRIM9M: The system of equations cannot be solved //"));
        case MessageCode::Einfluss:
            return say(QT_TRANSLATE_NOOP("Calculation", "EINFLUSS: The influence matrix could not be built"));
        case MessageCode::Loes:
            return say(
                QT_TRANSLATE_NOOP("Calculation", "LOES: Error while solving the system of equations "));
        case MessageCode::LoesDriver:
            return say(QT_TRANSLATE_NOOP("Calculation", "LOES: Error..."));
        case MessageCode::FineLatticeReduced:
            return say(QT_TRANSLATE_NOOP("Calculation",
                                         "Converged estimate: the finer lattice was refused; the finest "
                                         "accepted has %1 panels."))
                .arg(number(m.a));
        case MessageCode::NotMonotone:
            return say(
                QT_TRANSLATE_NOOP("Calculation",
                                  "Not converged: the lattices disagree in direction; the value is the "
                                  "finest lattice's."));
        case MessageCode::NoFinerLattice:
            return say(
                QT_TRANSLATE_NOOP("Calculation",
                                  "Not converged: no finer lattice could be calculated; the value is the "
                                  "window's lattice's."));
    }
    return {};
}

std::vector<std::string> messageLines(const std::vector<Message>& messages) {
    std::vector<std::string> lines;
    lines.reserve(messages.size());
    for (const Message& m : messages) lines.push_back(text(messageText(m)));
    return lines;
}

QString messageBoxText(const std::vector<Message>& messages) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(messages.size()));
    for (const Message& m : messages) text.append(messageText(m));
    return text.join(QLatin1Char('\n'));
}

StabilityRows stabilityRows(const StabilityNumbers& n, double refArea, double refChord, double anpAircraft) {
    const auto cg = [](double margin, int decimals, double x) {
        return text(row(QT_TRANSLATE_NOOP("Stability", "x_cg (%1%): %2%3"))
                        .arg(QString::fromStdString(fixed(margin, decimals)), length(x, 1), unit()));
    };
    StabilityRows r;
    r.refArea = text(row(QT_TRANSLATE_NOOP("Stability", "Reference area (S): %1"))
                         .arg(QString::fromStdString(areaWithSymbol(refArea, unitsInForce())))) +
                " ";
    r.refChord = text(row(QT_TRANSLATE_NOOP("Stability", "Reference length (lm): %1%2"))
                          .arg(length(refChord, 1), unit())) +
                 " ";
    r.cgFront = cg(n.MarginHigh, 0, n.CgFront) + "   ";
    r.cgRear = cg(n.MarginLow, 0, n.CgRear) + "   ";
    r.cgDesired = cg(n.MarginDesired, 1, n.CgDesired) + "     ";
    r.neutralPoint =
        text(row(QT_TRANSLATE_NOOP("Stability", "x_ac: %1%2")).arg(length(anpAircraft, 1), unit())) + "    ";
    return r;
}

std::string convergedNeutralPointRow(double anpAircraft, std::optional<double> error) {
    const QString anp = length(anpAircraft, 1);
    if (!error) return text(row(QT_TRANSLATE_NOOP("Stability", "x_ac: %1%2")).arg(anp, unit()));
    return text(row(QT_TRANSLATE_NOOP("Stability", "x_ac: %1 ± %2%3")).arg(anp, length(*error, 1), unit()));
}

MacRows macRows(const MacPercent& p, double macLe) {
    const auto percent = [](double v) {
        return text(row(QT_TRANSLATE_NOOP("Stability", "= %1% lm")).arg(QString::fromStdString(fixed(v, 1))));
    };
    return {text(row(QT_TRANSLATE_NOOP("Stability", "lm leading edge: %1%2")).arg(length(macLe, 1), unit())),
            percent(p.CgFront), percent(p.CgRear), percent(p.CgDesired)};
}

QString marginWarningText(double margin) {
    return row(QT_TRANSLATE_NOOP(
                   "Stability",
                   "Attention: a static margin of %1% lies outside %2 to %3%; it is used as typed."))
        .arg(QString::fromStdString(fixed(margin, 1)), QString::fromStdString(fixed(kPlausibleMarginLow, 0)),
             QString::fromStdString(fixed(kPlausibleMarginHigh, 0)));
}

QString withUnitSymbol(QString text) {
    return text.contains(QLatin1String("%9")) ? text.arg(unit()) : text;
}

ExportWords exportWords(const std::optional<StabilityMarks>& marks) {
    ExportWords words;
    words.wing = text(QCoreApplication::translate("Export", "Wing"));
    if (marks)
        words.rows = stabilityRows(marks->numbers, marks->RefArea, marks->RefChord, marks->AnpAircraft);
    return words;
}

}  // namespace ws
