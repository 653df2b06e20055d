#include "export/avl_export.h"

#include <algorithm>

#include "model/number_format.h"
#include "solver/lattice.h"

namespace ws {

namespace {

std::string sixDecimals(double v) {
    return fixed(v, 6);
}

}  // namespace

std::string avlInput(const ExportSource& source) {
    const AircraftModel& model = source.model;
    const int count = clampedWingCount(model.CalcWingCount);
    WingPlanforms planforms{};
    for (int w = 1; w <= count; ++w) planforms[w] = Calc_W(model.wing[w]);
    // The sizes also of an aircraft the sizing refuses: AVL has limits of its own.
    const LatticeSizes sizes = latticeSizes(planforms, count);
    const ReferenceValues ref = referenceValues(model, count);
    const double xRef = source.marks ? recommendedCg(*source.marks) : 0;

    std::string t = aircraftTitle(model) + "\n";
    t += "#Mach\n0.0\n";
    t += "#IYsym IZsym Zsym\n1 0 0.0\n";
    t += "#Sref Cref Bref\n" + sixDecimals(ref.area) + " " + sixDecimals(ref.chord) + " " +
         sixDecimals(ref.span) + "\n";
    t += "#Xref Yref Zref\n" + sixDecimals(xRef) + " 0.0 0.0\n";
    for (int w = 1; w <= count; ++w) {
        const WingPlanform& p = planforms[w];
        const int chordPanels = std::max(sizes.ChordPanels[w], 1);
        // One trapezium: the whole surface in one spacing. Several: each
        // section carries the strips up to the next, as the sizing counts them.
        const bool perSection = p.StationCount > 2;
        t += "#\nSURFACE\nWing" + std::to_string(w) + "\n";
        if (perSection) {
            t += "#Nchord Cspace\n" + std::to_string(chordPanels) + " 0.0\n";
        } else {
            t += "#Nchord Cspace Nspan Sspace\n" + std::to_string(chordPanels) + " 0.0 " +
                 std::to_string(std::max(sizes.WingStrips[w], 1)) + " 0.0\n";
        }
        const double z = model.wing[w].WingPosZ;
        for (int j = 1; j <= p.StationCount; ++j) {
            t += perSection ? "SECTION\n#Xle Yle Zle Chord Ainc Nspan Sspace\n"
                            : "SECTION\n#Xle Yle Zle Chord Ainc\n";
            t += numberText(p.StationX[j]) + " " + numberText(p.StationY[j]) + " " + numberText(z) + " " +
                 numberText(p.StationChord[j]) + " 0.0";
            if (perSection) {
                const int strips = j < p.StationCount ? sizes.StripCount[w][j] : 0;
                t += " " + std::to_string(strips) + " 0.0";
            }
            t += "\n";
        }
    }
    return t;
}

}  // namespace ws
