// What the user entered for the model's balance, as typed: mass items (name,
// mass in g, x in mm), one of which may be the movable one, a weighing on two
// supports (x in mm, scale reading in g), the method that stands for the
// model as built and the ballast place (x in mm). x is the aircraft frame's:
// mm rearwards from the main wing's root leading edge. Texts are UTF-8 and
// kept as typed, so that no edit is lost; stability/balance.h reads them.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace ws {

// More rows than any model has; the table, the file and the batch program stop there.
constexpr int kMaxMassItems = 1000;

enum class BalanceMethod { Items, Weighing };

struct MassItemText {
    std::string name, mass, x;
    friend bool operator==(const MassItemText&, const MassItemText&) = default;
};

struct SupportText {
    std::string x, reading;
    friend bool operator==(const SupportText&, const SupportText&) = default;
};

struct BalanceData {
    BalanceMethod method = BalanceMethod::Items;
    std::vector<MassItemText> items;
    int movable = 0;  // the movable item's row, from 1; 0: none
    std::array<SupportText, 2> supports{};
    std::string ballastAt;  // empty: the aircraft's frontmost point
    // Nothing entered: the aircraft file gets no balance block.
    bool empty() const;
    friend bool operator==(const BalanceData&, const BalanceData&) = default;
};

enum class ItemColumn { Name, Mass, X };

// The edits of the balance page, each returning the data after it. Rows
// count from 1; a row out of range changes nothing. Line breaks in a text
// become blanks (a text is one line of the file).
BalanceData withItemText(BalanceData data, int row, ItemColumn column, const std::string& text);
// An empty row at the end, none beyond kMaxMassItems.
BalanceData withItemAdded(BalanceData data);
BalanceData withItemRemoved(BalanceData data, int row);
// Row `row` swapped with its neighbour above (by −1) or below (by +1); the
// movable mark moves with its item.
BalanceData withItemMoved(BalanceData data, int row, int by);
// `row` becomes the movable item; 0 or the movable row itself: none.
BalanceData withMovable(BalanceData data, int row);
BalanceData withSupportText(BalanceData data, int support, bool reading,
                            const std::string& text);  // support 1 or 2

// One line of text: CR and LF become blanks.
std::string oneLine(std::string text);

}  // namespace ws
