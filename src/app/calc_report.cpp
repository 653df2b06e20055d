#include "app/calc_report.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "model/number_format.h"
#include "stability/tail_volume.h"

namespace ws {

namespace {

std::string stripList(const CalcResult& r, int w) {
    std::string list;
    const int traps = r.wings[w].planform.StationCount - 1;
    for (int k = 1; k <= traps; ++k) {
        if (k > 1) list += ' ';
        list += std::to_string(r.sizes.StripCount[w][k]);
    }
    return list;
}

// A small writer for one JSON object; keys are written in the order given.
class JsonWriter {
  public:
    std::string text;

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(const char* name) {
        separate();
        string(name);
        text += ':';
        afterKey_ = true;
    }
    void number(double v) {
        separate();
        if (!std::isfinite(v)) {
            text += "null";
            return;
        }
        std::array<char, 32> buffer{};
        const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
        text.append(buffer.data(), ec == std::errc{} ? end : buffer.data());
    }
    void integer(long long v) {
        separate();
        text += std::to_string(v);
    }
    void boolean(bool v) {
        separate();
        text += v ? "true" : "false";
    }
    void null() {
        separate();
        text += "null";
    }
    void value(const std::string& s) {
        separate();
        string(s);
    }

  private:
    bool first_ = true;
    bool afterKey_ = false;

    void open(char c) {
        separate();
        text += c;
        first_ = true;
    }
    void close(char c) {
        text += c;
        first_ = false;
    }
    void separate() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (!first_) text += ',';
        first_ = false;
    }
    // Valid UTF-8 whatever `s` holds: a byte that does not start a complete,
    // shortest-form sequence becomes U+FFFD; control characters are escaped.
    void string(const std::string& s) {
        text += '"';
        std::size_t i = 0;
        while (i < s.size()) {
            const unsigned char c = static_cast<unsigned char>(s[i]);
            if (c == '"' || c == '\\') {
                text += '\\';
                text += static_cast<char>(c);
                ++i;
            } else if (c < 0x20 || c == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                text += escaped;
                ++i;
            } else if (const std::size_t n = utf8Length(s, i)) {
                text.append(s, i, n);
                i += n;
            } else {
                text += "\xEF\xBF\xBD";
                ++i;
            }
        }
        text += '"';
    }

    // The length of the valid UTF-8 character at `i`, 0 when there is none.
    static std::size_t utf8Length(const std::string& s, std::size_t i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) return 1;
        const std::size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                              : c >= 0xE0 && c <= 0xEF ? 3
                              : c >= 0xF0 && c <= 0xF4 ? 4
                                                       : 0;
        if (n == 0) return 0;
        unsigned code = c & (0x7Fu >> n);
        if (i + n > s.size()) return 0;
        for (std::size_t k = 1; k < n; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0u) != 0x80u) return 0;
            code = (code << 6) | (d & 0x3Fu);
        }
        const bool overlong = (n == 3 && code < 0x800) || (n == 4 && code < 0x10000);
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        return overlong || surrogate || code > 0x10FFFF ? 0 : n;
    }
};

const char* statusKey(BalanceStatus status) {
    switch (status) {
        case BalanceStatus::NoseHeavy:
            return "nose_heavy";
        case BalanceStatus::TailHeavy:
            return "tail_heavy";
        case BalanceStatus::InRange:
            break;
    }
    return "in_range";
}

void balanceLines(std::string& out, const BalanceFigures& f, const ReportWording& wording) {
    if (f.known) {
        const Units u = wording.unitsOrMm();
        out += "balance: mass " + fixed(f.mass, 1) + "g, cg " + lengthWithSymbol(f.cg, u, 1) + "\n";
        if (f.referenced) {
            out += "balance: cg " + fixed(f.cgChordPercent, 1) + "% of the reference chord, static margin " +
                   fixed(f.staticMargin, 1) + "%\n";
            out += "balance: " + wording.balanceStatus + "\n";
            out += "balance: target " + lengthWithSymbol(f.target, u, 1) + ", ballast at " +
                   lengthWithSymbol(f.ballastAt, u, 1) + ": " + wording.ballast + "\n";
            if (f.move) out += "balance: " + wording.move + "\n";
        }
    }
    for (const std::string& line : wording.balanceMessages) out += "balance: " + line + "\n";
}

void balanceObject(JsonWriter& j, const BalanceFigures& f) {
    const auto known = [&](const char* name, bool has, double v) {
        j.key(name);
        has ? j.number(v) : j.null();
    };
    const bool ref = f.known && f.referenced;
    j.beginObject();
    known("mass_g", f.known, f.mass);
    known("cg", f.known, f.cg);
    known("cg_mac_percent", ref, f.cgChordPercent);
    known("static_margin_percent", ref, f.staticMargin);
    j.key("status");
    ref ? j.value(statusKey(f.status)) : j.null();
    known("target", ref, f.target);
    known("ballast_at", f.known, f.ballastAt);
    known("ballast_g", ref && f.ballast.has_value(), f.ballast.value_or(0));
    j.key("move_item");
    if (ref && f.move) {
        j.beginObject();
        j.key("name");
        j.value(f.move->name);
        j.key("to_x");
        j.number(f.move->toX);
        j.endObject();
    } else {
        j.null();
    }
    j.endObject();
}

}  // namespace

namespace {

const char* statusName(ConvergedStatus status) {
    switch (status) {
        case ConvergedStatus::Converged:
            return "converged";
        case ConvergedStatus::NotMonotone:
            return "not_monotone";
        case ConvergedStatus::NoFinerLattice:
            return "no_finer_lattice";
        case ConvergedStatus::Refused:
            break;
    }
    return "refused";
}

// "3.71 ± 0.02", or the value alone without an error bar.
std::string withError(const ConvergedValue& v, int decimals) {
    std::string t = fixed(v.value, decimals);
    if (v.error) t += " \u00b1 " + fixed(*v.error, decimals);
    return t;
}

// A length with its error bar in `u`: "77.2 ± 0.1mm".
std::string lengthWithError(const ConvergedValue& v, Units u) {
    std::string t = lengthText(v.value, u, 1);
    if (v.error) t += " \u00b1 " + lengthText(*v.error, u, 1);
    return t + unitSymbol(u);
}

std::string convergedBlock(const AircraftModel& model, const CalcResult& r, const ConvergedResult& c,
                           const ReportWording& wording) {
    if (!c.done()) return {};
    std::string out = "converged estimate (" + std::string(statusName(c.status)) + "), lattices";
    for (const LatticeValues& l : c.lattices) out += " " + std::to_string(l.PanelTotal);
    out += " panels\n";
    for (int w = 1; w <= r.CalcWingCount; ++w) {
        ConvergedValue anp = c.AnpWing[w];
        anp.value -= model.wing[w].WingPosX;  // from the wing's position, as Label_anp
        out += "converged wing " + std::to_string(w) + ": lift slope " + withError(c.LiftSlopeWing[w], 2) +
               ", anp " + lengthWithError(anp, wording.unitsOrMm()) + "\n";
    }
    out += "converged " + wording.convergedNeutralPoint + "\n";
    out += "converged " + withoutTrailingBlanks(wording.convergedCgFront) + "\n";
    out += "converged " + withoutTrailingBlanks(wording.convergedCgRear) + "\n";
    for (const std::string& line : wording.convergedNotes) out += line + "\n";
    return out;
}

void convergedObject(JsonWriter& j, const ConvergedResult& c, const ReportWording& wording) {
    j.key("converged");
    if (!c.done()) {
        j.null();
        return;
    }
    const auto value = [&](const char* name, const char* errorName, const ConvergedValue& v) {
        j.key(name);
        j.number(v.value);
        j.key(errorName);
        v.error ? j.number(*v.error) : j.null();
    };
    j.beginObject();
    j.key("status");
    j.value(statusName(c.status));
    value("anp_aircraft", "anp_error", c.AnpAircraft);
    j.key("wings");
    j.beginArray();
    for (int w = 1; w <= c.window.CalcWingCount; ++w) {
        j.beginObject();
        j.key("wing");
        j.integer(w);
        value("lift_slope", "lift_slope_error", c.LiftSlopeWing[w]);
        value("anp", "anp_error", c.AnpWing[w]);
        j.endObject();
    }
    j.endArray();
    j.key("panel_totals");
    j.beginArray();
    for (const LatticeValues& l : c.lattices) j.integer(l.PanelTotal);
    j.endArray();
    j.key("target_panels");
    j.beginArray();
    for (const LatticeValues& l : c.lattices) j.integer(l.targetPanels);
    j.endArray();
    const StabilityNumbers& s = c.stability;
    for (const auto& [name, v] : {std::pair{"margin_low", s.MarginLow},
                                  {"margin_high", s.MarginHigh},
                                  {"margin_desired", s.MarginDesired},
                                  {"cg_front", s.CgFront},
                                  {"cg_rear", s.CgRear},
                                  {"cg_desired", s.CgDesired}}) {
        j.key(name);
        j.number(v);
    }
    j.key("messages");
    j.beginArray();
    for (const std::string& line : wording.convergedNotes) j.value(line);
    j.endArray();
    j.endObject();
}

}  // namespace

std::optional<BalanceFigures> reportBalance(const AircraftModel& model, const CalcResult& r) {
    if (model.balance.empty()) return std::nullopt;
    std::optional<BalanceReference> reference;
    if (r.done()) {
        const Evaluation& e = r.evaluation;
        reference = balanceReference(model, e.RefWing, e.RefChord, e.AnpAircraft, r.stability, false);
    }
    return balanceFigures(model.balance, frontmostWingPoint(model), reference);
}

std::string textReport(const AircraftModel& model, const CalcResult& r, const ReportWording& wording,
                       int requestedPanels, const ConvergedResult* converged) {
    std::string out;
    for (int w = 1; w <= model.WingCount && w <= kMaxWings; ++w) {
        const WingLabelTexts t = wingLabelTexts(r.wings[w].planform, wording.unitsOrMm());
        out += "wing " + std::to_string(w) + ": b=" + t.b + " s=" + t.s + " lm=" + t.lm + " r25=" + t.r25 +
               " lam=" + t.lam + "\n";
    }
    const bool done = r.done();
    const Evaluation& e = r.evaluation;
    for (int w = 1; w <= r.CalcWingCount; ++w) {
        out += "wing " + std::to_string(w) + ": chord panels " + std::to_string(r.sizes.ChordPanels[w]) +
               ", strips " + std::to_string(r.sizes.WingStrips[w]) + " (" + stripList(r, w) + ")";
        if (done)
            out += ", lift slope " + fixed(e.LiftSlopeWing[w], 2) + ", anp " +
                   anpLabelText(r.wings[w].AnpRelative, wording.unitsOrMm());
        out += "\n";
    }
    out += "panels: " + std::to_string(r.sizes.PanelTotal) + "\n";
    if (r.targetPanels != requestedPanels)
        out += "target: " + std::to_string(r.targetPanels) + " panels for the largest wing instead of " +
               std::to_string(requestedPanels) + ", the finest lattice within " +
               std::to_string(kMaxUnknowns) + " unknowns\n";
    if (done) {
        const Units u = wording.unitsOrMm();
        out += "reference wing " + std::to_string(e.RefWing) + ": area " + areaWithSymbol(e.RefArea, u) +
               ", chord " + lengthWithSymbol(e.RefChord, u, 1) + "\n";
        const auto line = [&out](const std::string& row, const std::string& more) {
            out += withoutTrailingBlanks(row) + (more.empty() ? "" : " " + more) + "\n";
        };
        if (!wording.macLe.empty()) line(wording.macLe, {});
        line(wording.neutralPoint, {});
        line(wording.cgFront, wording.cgFrontMac);
        line(wording.cgRear, wording.cgRearMac);
    }
    if (const auto balance = reportBalance(model, r)) balanceLines(out, *balance, wording);
    if (r.memoShown)
        for (const std::string& line : wording.messages) out += line + "\n";
    if (converged) out += convergedBlock(model, r, *converged, wording);
    return out;
}

std::string jsonReport(const std::string& file, const AircraftModel& model, const CalcResult& r,
                       const ReportWording& wording, const ConvergedResult* converged) {
    const bool done = r.done();
    const Evaluation& e = r.evaluation;
    JsonWriter j;
    j.beginObject();
    j.key("file");
    j.value(file);
    if (wording.units) {
        j.key("units");
        j.value(unitSymbol(*wording.units));
    }
    j.key("wing_count");
    j.integer(r.CalcWingCount);
    j.key("wings");
    j.beginArray();
    for (int w = 1; w <= r.CalcWingCount; ++w) {
        const WingResult& wr = r.wings[w];
        const WingPlanform& p = wr.planform;
        j.beginObject();
        j.key("wing");
        j.integer(w);
        j.key("span");
        j.number(done ? e.WingSpan[w] : p.WingSpan);
        j.key("area");
        j.number(done ? e.WingArea[w] : p.WingArea);
        j.key("mac");
        j.number(done ? e.WingMAC[w] : p.WingMAC);
        j.key("r25");
        j.number(p.WingR25);
        j.key("aspect");
        j.number(done ? e.WingAspect[w] : p.WingAspect);
        j.key("z");
        j.integer(r.WingPosZ[w]);
        j.key("chord_panels");
        j.integer(r.sizes.ChordPanels[w]);
        j.key("strips");
        j.beginArray();
        for (int k = 1; k < p.StationCount; ++k) j.integer(r.sizes.StripCount[w][k]);
        j.endArray();
        j.key("lift_slope");
        done ? j.number(e.LiftSlopeWing[w]) : j.null();
        j.key("anp");
        done ? j.number(e.AnpWing[w]) : j.null();
        j.key("anp_rel");
        done ? j.number(wr.AnpRelative) : j.null();
        const WingLabelTexts labels = wingLabelTexts(wr.planform, wording.unitsOrMm());
        for (const auto& [key, text] :
             {std::pair{"label_b", &labels.b}, std::pair{"label_s", &labels.s},
              std::pair{"label_lm", &labels.lm}, std::pair{"label_r25", &labels.r25},
              std::pair{"label_lam", &labels.lam}}) {
            j.key(key);
            j.value(*text);
        }
        j.key("label_anp");
        done ? j.value(anpLabelText(wr.AnpRelative, wording.unitsOrMm())) : j.null();
        j.key("tail_volume");
        w > 1 ? j.number(tailVolume(r.wings[1].planform, p)) : j.null();
        j.endObject();
    }
    j.endArray();
    j.key("panel_total");
    j.integer(r.sizes.PanelTotal);
    j.key("target_panels");
    j.integer(r.targetPanels);
    j.key("wings_moved");
    j.boolean(r.WingsMoved);
    const auto result = [&](const char* name, double v) {
        j.key(name);
        done ? j.number(v) : j.null();
    };
    result("anp_aircraft", e.AnpAircraft);
    j.key("ref_wing");
    done ? j.integer(e.RefWing) : j.null();
    result("ref_area", e.RefArea);
    result("ref_chord", e.RefChord);
    result("mac_le", e.RefMacLe);
    result("margin_low", r.stability.MarginLow);
    result("margin_high", r.stability.MarginHigh);
    j.key("margin_desired");
    j.number(r.stability.MarginDesired);
    result("cg_front", r.stability.CgFront);
    result("cg_rear", r.stability.CgRear);
    result("cg_desired", r.stability.CgDesired);
    const MacPercent mac = macPercent(r.stability, e.RefMacLe, e.RefChord);
    result("cg_front_mac_percent", mac.CgFront);
    result("cg_rear_mac_percent", mac.CgRear);
    result("cg_desired_mac_percent", mac.CgDesired);
    j.key("calculated");
    j.boolean(done);
    j.key("messages");
    j.beginArray();
    if (r.memoShown)
        for (const std::string& line : wording.messages) j.value(line);
    for (const std::string& line : wording.balanceMessages) j.value(line);
    j.endArray();
    j.key("balance");
    if (const auto balance = reportBalance(model, r))
        balanceObject(j, *balance);
    else
        j.null();
    if (converged) convergedObject(j, *converged, wording);
    j.endObject();
    return j.text + "\n";
}

int calcExitStatus(const CalcResult& result) {
    return result.done() ? 0 : 1;
}

}  // namespace ws
