#include "editing/wing_fields.h"

namespace ws {

const std::array<WingField, kWingFieldCount> kWingFieldsInTableOrder = {
    WingField::Gap,    WingField::RootChord, WingField::Span1,   WingField::Offset1, WingField::Chord1,
    WingField::Span2,  WingField::Offset2,   WingField::Chord2,  WingField::Span3,   WingField::Offset3,
    WingField::Chord3, WingField::Span4,     WingField::Offset4, WingField::Chord4,
};

namespace {

// Indexed by WingField.
using NameRow = std::array<std::string_view, kWingFieldCount>;

constexpr std::array<NameRow, 3> kObjectNames = {{
    {"Edit01", "Edit4", "Edit1", "Edit2", "Edit3", "Edit14y", "Edit8", "Edit9", "Edit10", "Edit14xx", "Edit5",
     "Edit6", "Edit7", "Edit14x"},
    {"Edit02", "Edit14", "Edit11", "Edit12", "Edit13", "Edit24y", "Edit18", "Edit19", "Edit20", "Edit24xx",
     "Edit15", "Edit16", "Edit17", "Edit24x"},
    {"Edit03", "Edit24", "Edit21", "Edit22", "Edit23", "Edit34y", "Edit28", "Edit29", "Edit30", "Edit34xx",
     "Edit25", "Edit26", "Edit27", "Edit34x"},
}};

}  // namespace

std::string_view wingFieldObjectName(int wing, WingField field) {
    if (wing < 1 || wing > 3) return {};
    const auto index = static_cast<std::size_t>(field);
    if (index >= kWingFieldCount) return {};
    return kObjectNames[static_cast<std::size_t>(wing - 1)][index];
}

std::string_view planformImageName(int wing) {
    static constexpr std::array<std::string_view, 3> names = {"Image1", "Image11", "Image111"};
    if (wing < 1 || wing > 3) return {};
    return names[static_cast<std::size_t>(wing - 1)];
}

}  // namespace ws
