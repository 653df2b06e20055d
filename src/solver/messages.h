// The lines a calculation writes into the message box (Memo1), in the
// language of the interface, and the refusal flag (CalcAbort) of one run.
// Texts are exact, trailing blanks included; a few exist in German only.
#pragma once

#include <string>
#include <vector>

#include "model/language.h"

namespace ws {

struct CalcMessages {
    Language language = Language::English;
    std::vector<std::string> lines;  // Memo1, one entry per line
    bool shown = false;              // Memo1 visible
    bool CalcAbort = false;          // a step refused the aircraft

    bool english() const { return language == Language::English; }
    void append(std::string line) { lines.push_back(std::move(line)); }
    // Appends the two lines of a refusal, shows the box and sets CalcAbort.
    void refuse(std::string first, std::string second);
};

// "Error: " / "Fehler: ", left in the hidden box by the recalculation.
std::string errorHeadLine(Language language);
// "Attention:" and the notice that KONFLIKT moved wings.
std::string attentionLine(Language language);
std::string wingsMovedLine(Language language);

// "Can not calculate wing-N. " / "Kann Flügel-N nicht berechnen."
std::string cannotCalculateWingLine(Language language, int wing);
// "Can not calculate this aircraft. " / "Kann dieses Flugzeug nicht berechnen."
std::string cannotCalculateAircraftLine(Language language);

std::string lessAspectRatioLine(Language language);   // 300 strips or more
std::string moreAspectRatioLine(Language language);   // more than 300 chordwise panels
std::string noAreaLine(Language language);            // wing of no area or no span
std::string trapeziumNoChordLine(Language language);  // trapezium of width without chord
std::string tooManyPanelsLine(Language language, long long panels);
std::string notFiniteLine(Language language);
std::string noLiftLine(Language language);                // lift slope not above 0
std::string noReferenceLine(Language language);           // reference area or chord not above 0
std::string neutralPointOffWingsLine(Language language);  // outside the wings' x-range
// The notice after a file's stored results were replaced by a calculation.
std::string storedResultsReplacedLine(Language language);

// The two lines of a Newton solve that did not converge.
std::string trapeziumFailedLine(Language language, int wing, int trapezium);
std::string moreTipChordLine(Language language);

// German only.
std::string itmaxLine(int itmax);            // "TRIM9: Fehler. itmax ist 0 , keine ..."
extern const char* const kTrimSingularLine;  // " TRIM9M: Das Gleichungssystem ist nicht loesbar //"
extern const char* const kEinflussLine;      // "EINFLUSS: Irgend ein Kuddel-Muddel"
extern const char* const kLoesLine;          // "LOES: Fehler beim Loesen des Gleichungssystems "
extern const char* const kLoesDriverLine;    // "LOES: Fehler..."

}  // namespace ws
