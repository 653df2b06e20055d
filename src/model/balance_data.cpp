#include "model/balance_data.h"

#include <algorithm>
#include <utility>

namespace ws {

namespace {

bool hasRow(const BalanceData& d, int row) {
    return row >= 1 && row <= int(d.items.size());
}

}  // namespace

bool BalanceData::empty() const {
    return *this == BalanceData{};
}

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

BalanceData withItemText(BalanceData d, int row, ItemColumn column, const std::string& text) {
    if (!hasRow(d, row)) return d;
    MassItemText& item = d.items[std::size_t(row - 1)];
    std::string& cell = column == ItemColumn::Name   ? item.name
                        : column == ItemColumn::Mass ? item.mass
                                                     : item.x;
    cell = oneLine(text);
    return d;
}

BalanceData withItemAdded(BalanceData d) {
    if (int(d.items.size()) < kMaxMassItems) d.items.emplace_back();
    return d;
}

BalanceData withItemRemoved(BalanceData d, int row) {
    if (!hasRow(d, row)) return d;
    d.items.erase(d.items.begin() + (row - 1));
    if (d.movable == row)
        d.movable = 0;
    else if (d.movable > row)
        --d.movable;
    return d;
}

BalanceData withItemMoved(BalanceData d, int row, int by) {
    const int other = row + by;
    if (!hasRow(d, row) || !hasRow(d, other) || (by != 1 && by != -1)) return d;
    std::swap(d.items[std::size_t(row - 1)], d.items[std::size_t(other - 1)]);
    if (d.movable == row)
        d.movable = other;
    else if (d.movable == other)
        d.movable = row;
    return d;
}

BalanceData withMovable(BalanceData d, int row) {
    d.movable = hasRow(d, row) && row != d.movable ? row : 0;
    return d;
}

BalanceData withSupportText(BalanceData d, int support, bool reading, const std::string& text) {
    if (support < 1 || support > 2) return d;
    SupportText& s = d.supports[std::size_t(support - 1)];
    (reading ? s.reading : s.x) = oneLine(text);
    return d;
}

}  // namespace ws
