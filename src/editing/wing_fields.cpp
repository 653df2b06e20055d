#include "editing/wing_fields.h"

namespace ws {

const std::array<WingField, kWingFieldCount> kWingFieldsInTableOrder = {
    WingField::Gap,    WingField::RootChord, WingField::Span1,   WingField::Offset1, WingField::Chord1,
    WingField::Span2,  WingField::Offset2,   WingField::Chord2,  WingField::Span3,   WingField::Offset3,
    WingField::Chord3, WingField::Span4,     WingField::Offset4, WingField::Chord4,
};

}  // namespace ws
