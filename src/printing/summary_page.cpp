#include "printing/summary_page.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

#include "model/number_format.h"
#include "model/units.h"
#include "printing/print_copies.h"
#include "texts/balance_texts.h"
#include "texts/translation.h"

namespace ws {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// m(v, w, d) of the page: d decimals, right-aligned in at least w characters.
QString m(double value, int width, int decimals) {
    return text(fixed(value, decimals, width));
}

// A length in the unit in force, as m() writes it in mm, and its symbol.
QString length(double mm, int width, int mmDecimals) {
    const Units u = unitsInForce();
    return text(lengthText(mm, u, mmDecimals, width)) + u' ' + QLatin1String(unitSymbol(u));
}

// The labels of the right column are padded to one width, so the value
// column is reached by blanks alone when the font keeps its cell.
QString say(const char* source) {
    return QCoreApplication::translate("SummaryPage", source);
}

QString rightLabel(const char* source) {
    return say(source).leftJustified(kRightLabelWidth, u' ');
}

void addWingBlock(std::vector<PageText>& out, const PrintJobInput& v, int w) {
    const int y = kWingBlockTop[w];
    const WingParams& params = v.model->wing[w];
    const WingResult& result = v.calc->wings[w];
    const WingPlanform& p = result.planform;
    // Millimetres are the page's own unit; another one is named at the end of each row.
    const Units u = unitsInForce();
    const QString tail = u == Units::Millimetre ? QString() : u' ' + QLatin1String(unitSymbol(u));
    const auto whole = [u](int mm) { return text(lengthText(mm, u, 0, 5)); };
    out.push_back({0, y, say(QT_TRANSLATE_NOOP("SummaryPage", "Wing%1:")).arg(w)});
    out.push_back({0, y + 20, stationRow("xf: ", p.StationX, p.StationCount, params.WingPosX) + tail});
    out.push_back({0, y + 40, stationRow("lf: ", p.StationChord, p.StationCount) + tail});
    out.push_back({0, y + 60, stationRow("yf: ", p.StationY, p.StationCount) + tail});
    out.push_back({0, y + 80, QStringLiteral("zf: ") + whole(params.WingPosZ) + tail});
    out.push_back({0, y + 100, QStringLiteral("x0: ") + whole(params.WingPosX) + tail});

    const auto row = [&](int dy, const char* label, const QString& value) {
        out.push_back({kWingLabelColumn, y + dy, rightLabel(label)});
        out.push_back({kWingValueColumn, y + dy, value});
    };
    row(20, QT_TRANSLATE_NOOP("SummaryPage", "wing span:"), length(p.WingSpan, 5, 0));
    row(40, QT_TRANSLATE_NOOP("SummaryPage", "wing area:"),
        u == Units::Inch ? m(p.WingArea / (25.4 * 25.4), 5, 0) + " in**2"
                         : m(p.WingArea / 10000, 5, 1) + " dm**2");
    row(60, QT_TRANSLATE_NOOP("SummaryPage", "aspect ratio:"), m(p.WingAspect, 5, 1));
    row(80, QT_TRANSLATE_NOOP("SummaryPage", "mean aerod. chord:"), length(p.WingMAC, 5, 1));
    row(100, QT_TRANSLATE_NOOP("SummaryPage", "geometric center:"), length(p.WingR25, 5, 1));
    row(120, QT_TRANSLATE_NOOP("SummaryPage", "aerodynamic center:"), length(result.AnpRelative, 5, 1));
    row(140, QT_TRANSLATE_NOOP("SummaryPage", "lift slope:"), m(v.calc->evaluation.LiftSlopeWing[w], 5, 2));
}

void addBalanceBlock(std::vector<PageText>& out, const PrintJobInput& v, int y) {
    const BalanceFigures& f = v.balance;
    out.push_back({0, y, say(QT_TRANSLATE_NOOP("SummaryPage", "Balance:"))});
    const auto row = [&](const char* label, const QString& value) {
        y += 20;
        out.push_back({0, y, say(label)});
        out.push_back({kBalanceValueColumn, y, value});
    };
    if (!f.known) {
        if (!f.messages.empty()) out.push_back({0, y + 20, balanceMessageText(f.messages.front())});
        return;
    }
    row(QT_TRANSLATE_NOOP("SummaryPage", "mass of the model:"), m(f.mass, 5, 1) + " g");
    row(QT_TRANSLATE_NOOP("SummaryPage", "center of gravity:"), length(f.cg, 5, 1));
    if (!f.referenced) return;
    row(QT_TRANSLATE_NOOP("SummaryPage", "in % of the ref. chord:"), m(f.cgChordPercent, 5, 1) + " %");
    row(QT_TRANSLATE_NOOP("SummaryPage", "static margin:"), m(f.staticMargin, 5, 1) + " %");
    row(QT_TRANSLATE_NOOP("SummaryPage", "status:"), balanceStatusText(f));
    row(QT_TRANSLATE_NOOP("SummaryPage", "ballast:"), ballastText(f));
    if (f.move) row(QT_TRANSLATE_NOOP("SummaryPage", "movable item:"), moveText(*f.move));
}

}  // namespace

QString stationRow(const char* label, const std::array<double, 6>& station, int stationCount,
                   double subtract) {
    QString row = QString::fromLatin1(label);
    for (int j = 1; j <= kMaxStations; ++j) {
        if (j > 1) row += u' ';
        // Stations 1 and 2 belong to every wing.
        if (j <= 2 || j <= stationCount)
            row += text(lengthText(station[std::size_t(j)] - subtract, unitsInForce(), 0, 5));
    }
    return row;
}

std::vector<PageText> summaryTexts(const PrintJobInput& v) {
    std::vector<PageText> out;
    if (!v.model || !v.calc) return out;
    const StabilityNumbers& s = v.stability;
    const Evaluation& e = v.calc->evaluation;

    out.push_back({0, 0, QStringLiteral("WinStabix4  V" WINSTABIX_VERSION " ")});
    out.push_back({0, 20, text(v.model->AircraftFileName)});
    out.push_back({0, 563, say(QT_TRANSLATE_NOOP("SummaryPage", "Summary:"))});

    const QString recommended =
        say(QT_TRANSLATE_NOOP("SummaryPage", "Recommended center of gravity by stab =  "));
    // The English lower row keeps its spelling as users have always seen it.
    const QString recommendedLow =
        say(QT_TRANSLATE_NOOP("SummaryPage", "recomemnded center of gravity by stab =  "));
    const QString desired = say(QT_TRANSLATE_NOOP("SummaryPage", "Center of gravity by stab = "));
    const auto stabilityRow = [&](int y, const QString& label, double value) {
        out.push_back({0, y, label});
        out.push_back({kValueColumn, y, length(value, 5, 1)});
    };
    // The positions also in % of the reference chord behind its leading edge.
    const auto percent = [&](int y, double value) {
        out.push_back(
            {kPercentColumn, y, say(QT_TRANSLATE_NOOP("SummaryPage", "%1 % lm")).arg(m(value, 5, 1))});
    };
    const MacPercent mac = macPercent(s, e.RefMacLe, e.RefChord);
    stabilityRow(583, say(QT_TRANSLATE_NOOP("SummaryPage", "aerodynamic center: ")), e.AnpAircraft);
    stabilityRow(603, recommended + m(s.MarginHigh, 0, 0) + "%: ", s.CgFront);
    percent(603, mac.CgFront);
    stabilityRow(623, recommendedLow + m(s.MarginLow, 0, 0) + "%: ", s.CgRear);
    percent(623, mac.CgRear);
    stabilityRow(643, desired + m(s.MarginDesired, 0, 1) + "%: ", s.CgDesired);
    percent(643, mac.CgDesired);
    stabilityRow(663, say(QT_TRANSLATE_NOOP("SummaryPage", "leading edge of lm: ")), e.RefMacLe);

    const int wings = clampedWingCount(v.calc->CalcWingCount);
    for (int w = 1; w <= wings; ++w) addWingBlock(out, v, w);
    if (!v.model->balance.empty()) addBalanceBlock(out, v, kWingBlockTop[wings] + 180);
    return out;
}

QFont pageFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    font.setFixedPitch(true);
    font.setPixelSize(roundInt(12 * 96 / 72.0));
    if (!QFontInfo(font).fixedPitch())
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    // Scalable look-alikes run wider than the original's bitmap cell; the
    // values at x 420 and 510 would then cover the ends of their labels.
    // Narrower letters keep the height; a smaller size only where the font
    // cannot be narrowed.
    const auto advance = [&] { return QFontMetrics(font).horizontalAdvance(QStringLiteral("0000000000")); };
    for (int stretch = 100; stretch > 50 && advance() > 10 * kPageCharWidth; --stretch)
        font.setStretch(stretch);
    for (int pixels = font.pixelSize(); pixels > 8 && advance() > 10 * kPageCharWidth;)
        font.setPixelSize(--pixels);
    return font;
}

void drawSummaryPage(Canvas& c, const std::vector<PageText>& texts, const PrintViews& views,
                     const QFont& font) {
    c.setFont(font);
    c.setBrushColor(Qt::white);
    c.setPenColor(Qt::white);
    c.fillRect(0, 0, c.width(), c.height());
    c.setFontColor(Qt::black);
    // The header stands above the pictures; everything else below them.
    std::size_t i = 0;
    for (; i < texts.size() && texts[i].y < kTopCopyPlace.top(); ++i)
        c.textOut(texts[i].x, texts[i].y, texts[i].text);
    TopViewTransform top;
    {
        Canvas place(c, kTopCopySize, kTopCopyPlace);
        top = drawTopCopy(place, views);
    }
    {
        Canvas place(c, kView3DCopySize, kView3DCopyPlace);
        draw3DCopy(place, views, top.View3DScale);
    }
    for (; i < texts.size(); ++i) c.textOut(texts[i].x, texts[i].y, texts[i].text);
}

}  // namespace ws
