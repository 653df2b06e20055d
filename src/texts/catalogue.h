// The words of what the core reports: the calculation's messages and the rows
// of the centre-of-gravity recommendation, in the language in force (the
// translations installed in the application; the source texts are English).
// Numbers keep the core's format: point as decimal separator, mm and dm^2.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "export/export_source.h"
#include "solver/messages.h"
#include "stability/stability.h"

namespace ws {

// One line of the message box, exactly as the design writes it.
QString messageText(const Message& message);
// Every line, UTF-8.
std::vector<std::string> messageLines(const std::vector<Message>& messages);
// Every line, one below the other, as the message box shows them.
QString messageBoxText(const std::vector<Message>& messages);

// The rows STABIL writes into the top view for these numbers.
StabilityRows stabilityRows(const StabilityNumbers& numbers, double refArea, double refChord,
                            double anpAircraft);

// The neutral-point row of a converged estimate: "x_ac: 92.9 ± 0.3mm", or
// the plain row without an error bar (not converged). No trailing blanks.
std::string convergedNeutralPointRow(double anpAircraft, std::optional<double> error);

// The centre-of-gravity positions in % of the reference chord behind the
// leading edge of the reference wing's mean chord, as the top view, the
// printed page and the batch report add them.
struct MacRows {
    std::string macLe;                       // "lm leading edge: 14.3mm"
    std::string cgFront, cgRear, cgDesired;  // "= 13.2% lm", appended to their rows
};
MacRows macRows(const MacPercent& percent, double macLe);

// The warning below the messages for a desired margin outside the plausible range.
QString marginWarningText(double margin);

// `text` with its %9 (a unit's place in a name or caption) replaced by the
// symbol of the unit in force.
QString withUnitSymbol(QString text);

// The words of a drawing exported for `marks` (none without results).
ExportWords exportWords(const std::optional<StabilityMarks>& marks);

}  // namespace ws
