// What a calculation has to say in the message box (Memo1), as codes with
// their numbers, and the result type of its steps: a value or the refusal
// that stopped the chain. The wording, in the language of the interface,
// belongs to the text catalogue above the core.
#pragma once

#include <initializer_list>
#include <utility>
#include <variant>
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
    NoLift,                   // a wing's lift slope not above 0
    NoReference,              // reference area or chord not above 0
    NeutralPointOffWings,     // outside the x-range of the lattice's wings
    WingCentreOffWing,        // a wing's aerodynamic centre outside its own x-range
    LeadingEdgeSwept,         // a: the sweep in tenths of a degree, more than 80°
    TrailingEdgeSwept,        // a: the same
    StoredResultsReplaced,    // a file's stored results did not belong to its aircraft
    StoredResultsIncomplete,  // the file ended inside its results
    FilesNotOpened,           // a: the files named at start, more than one
    NoSettingsFolder,         // a: 0 no home at all, 1 the home named does not exist
    RecoveryNotWritten,       // the unsaved changes could not be kept for a crash
    TrapeziumFailed,          // a: the wing, b: the trapezium; Newton did not converge
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
    // Notes of the converged estimate.
    FineLatticeReduced,  // a: its unknowns, b: its target; the finer one aimed at was refused
    NotMonotone,         // the lattices disagree in direction: the finest lattice's value
    NoFinerLattice,      // only the window's lattice could be calculated
};

struct Message {
    MessageCode code = MessageCode::ErrorHead;
    long long a = 0;
    long long b = 0;
    long long c = 0;
    friend bool operator==(const Message&, const Message&) = default;
};

// Why a step of the calculation refused the aircraft: its lines for Memo1,
// in order.
struct Refusal {
    std::vector<Message> lines;
    Refusal() = default;
    Refusal(std::initializer_list<Message> l) : lines(l) {}
    explicit Refusal(std::vector<Message> l) : lines(std::move(l)) {}
    // Two lines, as most refusals have: what is refused, then why.
    Refusal(Message first, Message second) : lines{first, second} {}
    void add(Message first, Message second) {
        lines.push_back(first);
        lines.push_back(second);
    }
};

// What one step of the calculation gives: its value, or the refusal that
// stopped it. The chain stops at the first refusal and passes it on. A
// step or check without a value of its own returns std::optional<Refusal>.
template <class T>
class [[nodiscard]] Outcome {
  public:
    Outcome(T value) : v_(std::in_place_index<0>, std::move(value)) {}
    Outcome(Refusal refusal) : v_(std::in_place_index<1>, std::move(refusal)) {}

    explicit operator bool() const { return v_.index() == 0; }
    T& operator*() & { return std::get<0>(v_); }
    const T& operator*() const& { return std::get<0>(v_); }
    T&& operator*() && { return std::get<0>(std::move(v_)); }
    T* operator->() { return &std::get<0>(v_); }
    const T* operator->() const { return &std::get<0>(v_); }
    const Refusal& refusal() const& { return std::get<1>(v_); }
    Refusal&& refusal() && { return std::get<1>(std::move(v_)); }

  private:
    std::variant<T, Refusal> v_;
};

}  // namespace ws
