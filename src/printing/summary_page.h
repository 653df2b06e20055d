// The one-page printed summary of a calculated aircraft: header, the
// print-size top and 3-D views, the stability numbers and one block of
// values per wing. The page is laid out on 985 x 1502 logical pixels; every
// text stands at a fixed position on it, whatever the font turns out to be,
// and the page is drawn at the resolution of whatever device it goes to.
// Values are mm (areas dm²), aircraft frame, x rearwards.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

#include "model/aircraft.h"
#include "solver/calculation.h"
#include "stability/balance.h"
#include "stability/stability.h"
#include "views/canvas.h"

namespace ws {

inline constexpr QSize kPageSize(985, 1502);       // Image_P
inline constexpr QSize kTopCopySize(736, 406);     // Image4, the top view at print size
inline constexpr QSize kView3DCopySize(776, 246);  // Image7, the 3-D view at print size
// Where the two views stand on the page, drawn squeezed from their print size: (0, 42)-(616, 354) and
// (0, 357)-(616, 548), right and bottom exclusive.
inline constexpr QRect kTopCopyPlace(0, 42, 616, 312);
inline constexpr QRect kView3DCopyPlace(0, 357, 616, 191);

inline constexpr int kValueColumn = 420;      // stability values
inline constexpr int kPercentColumn = 510;    // the positions in % of the reference chord
inline constexpr int kWingLabelColumn = 320;  // right column of a wing block
inline constexpr int kWingValueColumn = 510;
inline constexpr int kRightLabelWidth = 20;                   // characters, blanks included
inline constexpr int kWingBlockTop[4] = {0, 683, 863, 1043};  // [1..3]
// The balance block stands where the next wing block would; its values at this column.
inline constexpr int kBalanceValueColumn = 270;

// Everything the print command reads, as plain values: no widget. The
// pointers must stay valid while the page is composed; nothing is kept.
struct PrintJobInput {
    const AircraftModel* model = nullptr;  // positions, heights, WingCount, AircraftFileName
    const CalcResult* calc = nullptr;      // a finished calculation (done()) of that aircraft
    StabilityNumbers stability;            // for the margin as it stands
    bool manual = false;                   // one desired margin (RadioButton16)
    bool LatticeValid = true;              // lattice and reference wing drawn under the top view
    int elevation = 80;                    // 3-D view, bar position (ScrollBar1)
    int azimuth = 250;                     // 3-D view, bar position (ScrollBar2)
    BalanceFigures balance;                // the model as built; no block while nothing is entered
};

// One text of the page; its cell's top-left corner at (x, y).
struct PageText {
    int x = 0, y = 0;
    QString text;
    bool operator==(const PageText&) const = default;
};

// Every text of the page in drawing order, labels before their values; the
// "Balance" block below the wing blocks when the model has balance data.
// Empty without a model and a calculation.
std::vector<PageText> summaryTexts(const PrintJobInput& input);

// The "xf: "/"lf: "/"yf: " row: five fields of width 5, empty beyond the
// wing's stations, separated by single blanks.
QString stationRow(const char* label, const std::array<double, 6>& station, int stationCount,
                   double subtract = 0);

// "Courier" 12 point as a 96-pixel-per-inch surface converts it (16 pixels),
// through whatever monospaced font the system puts in its place; narrowed
// to the 9-pixel cell the page's columns are laid out for.
QFont pageFont();
inline constexpr int kPageCharWidth = 9;

struct PrintViews;

// The page in its order: white, header, the two views in their places, the
// rest. `page` is kPageSize large.
void drawSummaryPage(Canvas& page, const std::vector<PageText>& texts, const PrintViews& views,
                     const QFont& font);

}  // namespace ws
