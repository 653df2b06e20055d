// The balance as the document holds it: its figures from the data and,
// while results are valid, from the reference wing and the stability choice.
#include "document/aircraft_document.h"

namespace ws {

BalanceFigures AircraftDocument::balanceFigures() const {
    std::optional<BalanceReference> reference;
    if (results_.ResultsValid) {
        const Evaluation& e = results_.calc.evaluation;
        reference =
            balanceReference(model_, e.RefWing, e.RefChord, e.AnpAircraft, stability(), choice_.manual);
    }
    return ws::balanceFigures(text_.balance, frontmostWingPoint(model_), reference);
}

}  // namespace ws
