// Which control holds what: the object names of every wing's controls and
// the design places of the entry fields over the dimension sketch.
// Places are design pixels (left, top, width, height) on the wing's page.
#pragma once

#include <array>

#include "model/aircraft.h"

namespace ws {

struct WingControlNames {
    const char* page;   // the wing's tab page
    const char* panel;  // holds the trapezium choice
    const char* gap;
    std::array<const char*, kMaxTrapeziums + 1> span;  // [1..4]
    std::array<const char*, kMaxStations + 1> chord;   // [1..5]
    std::array<const char*, kMaxStations + 1> offset;  // [2..5]
    std::array<const char*, kMaxTrapeziums + 1> trap;  // [1..4] radio button for k trapeziums
    const char* schematic;                             // dimension sketch under the fields
    const char* planform;                              // planform view
    const char* picture;                               // position sketch on the aircraft page
    const char* posX;                                  // on the aircraft page
    const char* posZ;
    // Captions and value labels: span, area, mean chord, neutral point, aspect ratio.
    const char* captionB;
    const char* captionS;
    const char* captionLm;
    const char* captionR25;
    const char* captionLam;
    const char* valueB;
    const char* valueS;
    const char* valueLm;
    const char* valueR25;
    const char* valueLam;
    const char* anpCaption;
    const char* anpValue;
    const char* warning1;  // the two lines of the centre-gap warning
    const char* warning2;
};

// w = 1..3
const WingControlNames& wingControlNames(int w);

struct FieldPlace {
    int left, top, width;
};
constexpr int kFieldHeight = 24;

struct WingFieldPlaces {
    FieldPlace gap;
    std::array<FieldPlace, kMaxTrapeziums + 1> span;
    std::array<FieldPlace, kMaxStations + 1> chord;
    std::array<FieldPlace, kMaxStations + 1> offset;
    int warning2Left;
};

// w = 1..3
WingFieldPlaces wingFieldPlaces(int w);

// The object name of wing w's field `field` in the document's load order
// (document/aircraft_text.h): chords 1..5, gap, spans 1..4, offsets 2..5, x, z.
const char* fieldObjectName(int w, int field);

}  // namespace ws
