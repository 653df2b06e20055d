#include "solver/messages.h"

#include <string>

#include "model/number_format.h"

namespace ws {

const char* const kTrimSingularLine = " TRIM9M: Das Gleichungssystem ist nicht loesbar //";
const char* const kEinflussLine = "EINFLUSS: Irgend ein Kuddel-Muddel";
const char* const kLoesLine = "LOES: Fehler beim Loesen des Gleichungssystems ";
const char* const kLoesDriverLine = "LOES: Fehler...";

namespace {

std::string pick(Language language, const char* english, const char* german) {
    return language == Language::English ? english : german;
}

}  // namespace

void CalcMessages::refuse(std::string first, std::string second) {
    lines.push_back(std::move(first));
    lines.push_back(std::move(second));
    shown = true;
    CalcAbort = true;
}

std::string errorHeadLine(Language l) {
    return pick(l, "Error: ", "Fehler: ");
}
std::string attentionLine(Language l) {
    return pick(l, "Attention:", "Achtung:");
}
std::string wingsMovedLine(Language l) {
    return pick(l, "Wings are moved automatically in z-direction!",
                "Flügel wurden automatisch in z-Richtung verschoben!");
}

std::string cannotCalculateWingLine(Language l, int wing) {
    const std::string n = std::to_string(wing);
    return l == Language::English ? "Can not calculate wing-" + n + ". "
                                  : "Kann Flügel-" + n + " nicht berechnen.";
}

std::string cannotCalculateAircraftLine(Language l) {
    return pick(l, "Can not calculate this aircraft. ", "Kann dieses Flugzeug nicht berechnen.");
}

std::string lessAspectRatioLine(Language l) {
    return pick(l, "Please change this wing (less aspect ratio)!", "Bitte Streckung verkleinern!");
}
std::string moreAspectRatioLine(Language l) {
    return pick(l, "Please change this wing (more aspect ratio)!", "Bitte Streckung vergrößern!");
}
std::string noAreaLine(Language l) {
    return pick(l, "Please change this wing (it has no area)!", "Bitte diesen Flügel ändern (keine Fläche)!");
}
std::string trapeziumNoChordLine(Language l) {
    return pick(l, "Please change this wing (a trapezium has no chord)!",
                "Bitte diesen Flügel ändern (Trapez ohne Tiefe)!");
}
std::string tooManyPanelsLine(Language l, long long panels) {
    const std::string n = std::to_string(panels);
    return l == Language::English ? "Too many panels (" + n + ", at most 3000)!"
                                  : "Zu viele Panels (" + n + ", höchstens 3000)!";
}
std::string notFiniteLine(Language l) {
    return pick(l, "The result is not finite!", "Das Ergebnis ist nicht endlich!");
}
std::string noLiftLine(Language l) {
    return pick(l, "Please change this wing (it gives no lift)!",
                "Bitte diesen Flügel ändern (kein Auftrieb)!");
}
std::string noReferenceLine(Language l) {
    return pick(l, "The reference wing has no area or chord!",
                "Der Bezugsflügel hat keine Fläche oder Tiefe!");
}
std::string neutralPointOffWingsLine(Language l) {
    return pick(l, "The neutral point lies outside the wings!",
                "Der Neutralpunkt liegt außerhalb der Flügel!");
}
std::string storedResultsReplacedLine(Language l) {
    return pick(l,
                "The results stored in the file did not belong to this aircraft and were calculated again.",
                "Die in der Datei gespeicherten Ergebnisse gehörten nicht zu diesem Flugzeug und wurden neu "
                "berechnet.");
}

std::string trapeziumFailedLine(Language l, int wing, int trapezium) {
    if (l == Language::English)
        return "Can not calculate Wing " + padded(wing, 2) + " / Trapezium" + padded(trapezium, 2) + ".";
    return "Kann Flügel " + padded(wing, 2) + " / Trapez " + padded(trapezium, 2) + " nicht berechnen.";
}
std::string moreTipChordLine(Language l) {
    return pick(l, "Please change this trapezium (more chord length at tip)!",
                "Bitte dieses Trapez verändern (Außentiefe größer)!");
}

std::string itmaxLine(int itmax) {
    return "TRIM9: Fehler. itmax ist" + padded(itmax, 2) + " , keine Berechnung moeglich//";
}

}  // namespace ws
