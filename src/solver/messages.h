// What a calculation has to say in the message box (Memo1), as codes with
// their numbers, and the refusal flag (CalcAbort) of one run. The wording, in
// the language of the interface, belongs to the text catalogue above the core.
#pragma once

#include <vector>

namespace ws {

enum class MessageCode {
    ErrorHead,  // "Error: ", left in the hidden box by the recalculation
    Attention,  // KONFLIKT moved wings: this line, then WingsMoved
    WingsMoved,
    CannotCalculateWing,  // a: the wing
    CannotCalculateAircraft,
    LessAspectRatio,   // 300 strips or more
    MoreAspectRatio,   // more than 300 chordwise panels
    NoArea,            // wing of no area or no span
    TrapeziumNoChord,  // trapezium of width without chord
    TooManyPanels,     // a: the unknowns
    NotFinite,
    NoLift,                 // a wing's lift slope not above 0
    NoReference,            // reference area or chord not above 0
    NeutralPointOffWings,   // outside the x-range of the lattice's wings
    StoredResultsReplaced,  // a file's stored results did not belong to its aircraft
    TrapeziumFailed,        // a: the wing, b: the trapezium; Newton did not converge
    MoreTipChord,
    NoSpan,  // a: the wing, b: its trapeziums, all without span
    WingNeedsSpan,
    NoRootChord,  // a: the wing, b: the trapezium, c: the chord's value
    NoTipChord,   // the same
    TrapeziumNeedsChords,
    Itmax,         // a: itmax
    TrimSingular,  // the design wrote it and the lines below in German only
    Einfluss,
    Loes,
    LoesDriver,
};

struct Message {
    MessageCode code = MessageCode::ErrorHead;
    long long a = 0;
    long long b = 0;
    long long c = 0;
    friend bool operator==(const Message&, const Message&) = default;
};

struct CalcMessages {
    std::vector<Message> lines;  // Memo1, one entry per line
    bool shown = false;          // Memo1 visible
    bool CalcAbort = false;      // a step refused the aircraft

    void append(MessageCode code, long long a = 0, long long b = 0) { lines.push_back({code, a, b, 0}); }
    // Appends the two lines of a refusal, shows the box and sets CalcAbort.
    void refuse(Message first, Message second);
};

}  // namespace ws
