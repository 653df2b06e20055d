// The balance data in an aircraft file: a block of readable lines after the
// user's remarks, between a start and an end line, so that a reader of the
// old format shows it as remarks and keeps everything else intact:
//   --- WinStabix balance (g, mm) ---
//   method: items                    (or weighing)
//   item: Motor; 85; -120            (name; mass g; x mm, as typed)
//   movable: Battery; 180; -60       (the movable item, in its place)
//   support 1: -50; 420              (x mm; reading g)
//   support 2: 250; 180
//   ballast at: -150                 (x mm)
//   --- end of WinStabix balance ---
// A ';' or '\' inside a text is written with a '\' before it. Only the
// lines that differ from an empty balance are written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/balance_data.h"

namespace ws {

inline constexpr std::string_view kBalanceStartLine = "--- WinStabix balance (g, mm) ---";
inline constexpr std::string_view kBalanceEndLine = "--- end of WinStabix balance ---";

// The block's lines, UTF-8, without line ends, to follow `remarks`; none for
// an empty balance, unless a line of the remarks would be read as the block's
// start: then an empty block follows, so that the remarks come back whole.
std::vector<std::string> balanceBlockLines(const BalanceData& balance, std::string_view remarks);

// What a damaged block lost; `line` is the file's line number.
enum class BalanceFileCode {
    LineNotUnderstood,  // left out
    NoEndLine,          // the file ends inside the block: what was there is read
    TooManyItems,       // items after the kMaxMassItems-th left out, from this line
    SecondMovable,      // read as an item that is not movable
};

struct BalanceFileNote {
    BalanceFileCode code = BalanceFileCode::LineNotUnderstood;
    int line = 0;
    friend bool operator==(const BalanceFileNote&, const BalanceFileNote&) = default;
};

struct RemarksAndBalance {
    std::string remarks;  // the user's own: before the last start line, and any after the end line
    BalanceData balance;
    std::vector<BalanceFileNote> notes;
    bool hasBlock = false;
};

// Splits the remarks as read (UTF-8, '\n' between lines; the first of them
// is the file's line `firstLine`) into the user's remarks and the balance
// block. A damaged block is read as far as it is sound.
RemarksAndBalance splitBalanceBlock(std::string_view remarks, int firstLine);

}  // namespace ws
