// The words of what the core reports: the calculation's messages and the rows
// of the centre-of-gravity recommendation, in the language in force (the
// translations installed in the application; the source texts are English).
// Numbers keep the core's format: point as decimal separator, mm and dm^2.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "solver/messages.h"
#include "stability/stability.h"

namespace ws {

// One line of the message box, exactly as the design writes it.
QString messageText(const Message& message);
// Every line, UTF-8.
std::vector<std::string> messageLines(const std::vector<Message>& messages);

// The text rows STABIL writes into the top view, trailing blanks included
// (they overwrite what a longer row left there).
struct StabilityRows {
    std::string refArea;       // "Reference area (S): 29.70dm^2 "
    std::string refChord;      // "Reference length (lm): 272.0mm "
    std::string cgFront;       // automatic, upper row: "x_cg (16%): 68.0mm   "
    std::string cgRear;        // automatic, lower row: "x_cg (8%): 84.0mm   "
    std::string cgDesired;     // manual: "x_cg (7.5%): 85.0mm     "
    std::string neutralPoint;  // "x_ac: 100.0mm    "
};
StabilityRows stabilityRows(const StabilityNumbers& numbers, double refArea, double refChord,
                            double anpAircraft);

}  // namespace ws
