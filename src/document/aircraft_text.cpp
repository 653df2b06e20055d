#include "document/aircraft_text.h"

#include <QCoreApplication>

#include "model/number_format.h"
#include "texts/catalogue.h"

namespace ws {

namespace {

QString say(const char* source) {
    return QCoreApplication::translate("Window", source);
}

}  // namespace

bool AircraftChange::wholeAircraft() const {
    if (kind == Kind::WingCount || kind == Kind::Everything) return true;
    for (const auto& [w, i] : fields)
        if (i == kPosXField || i == kPosZField) return true;
    return false;
}

EntryKind entryKind(int field) {
    return field < kOffsetField ? EntryKind::Length : EntryKind::Signed;
}

AircraftText startupText() {
    AircraftText t;
    for (int w = 1; w <= kMaxWings; ++w) {
        const auto values = loadOrderValues(defaultWingEntry(w));
        for (int i = 0; i < kWingValueCount; ++i) t.field[w][i] = QString::number(values[i]);
    }
    t.remarks = say(QT_TRANSLATE_NOOP("Window", "insert your remarks her:"));
    return t;
}

std::array<std::int32_t, kWingValueCount> loadOrderValues(const WingEntry& e) {
    return {e.chord[1], e.chord[2], e.chord[3],  e.chord[4],  e.chord[5],  e.gap,       e.span[1], e.span[2],
            e.span[3],  e.span[4],  e.offset[2], e.offset[3], e.offset[4], e.offset[5], e.posX,    e.posZ};
}

AircraftText aircraftText(const LoadedAircraft& loaded) {
    AircraftText t;
    t.WingCount = loaded.model.WingCount;
    for (int w = 1; w <= kMaxWings; ++w) {
        t.TrapCount[w] = loaded.model.wing[w].TrapCount;
        const auto values = loadOrderValues(loaded.entries[w]);
        for (int i = 0; i < kWingValueCount; ++i)
            t.field[w][i] = QString::fromStdString(padded(values[i], 4));
    }
    t.remarks = QString::fromStdString(loaded.model.remarks);
    t.balance = loaded.model.balance;
    return t;
}

AircraftText inUnits(AircraftText text, Units from, Units to) {
    if (from == to) return text;
    for (int w = 1; w <= kMaxWings; ++w)
        for (QString& field : text.field[w])
            field = QString::fromStdString(fieldText(lengthValue(field.toStdString(), from), to));
    return text;
}

FieldWords fieldWords(int field) {
    if (field == kChordField) return {QT_TRANSLATE_NOOP("Window", "Root chord of wing %1, %9"), 0};
    if (field < kGapField)
        return {QT_TRANSLATE_NOOP("Window", "Tip chord of trapezium %2 of wing %1, %9"), field - kChordField};
    if (field == kGapField) return {QT_TRANSLATE_NOOP("Window", "Centre gap of wing %1, %9"), 0};
    if (field < kOffsetField)
        return {QT_TRANSLATE_NOOP("Window", "Span of trapezium %2 of wing %1, %9"), field - kSpanField + 1};
    if (field < kPosXField)
        return {QT_TRANSLATE_NOOP("Window", "Leading-edge offset at the tip of trapezium %2 of wing %1, %9"),
                field - kOffsetField + 1};
    if (field == kPosXField) return {QT_TRANSLATE_NOOP("Window", "Position x of wing %1, %9"), 0};
    return {QT_TRANSLATE_NOOP("Window", "Height z of wing %1, %9"), 0};
}

const char* balanceFieldWords(BalanceField field) {
    switch (field) {
        case BalanceField::ItemName:
            return QT_TRANSLATE_NOOP("Window", "Name of mass item %1");
        case BalanceField::ItemMass:
            return QT_TRANSLATE_NOOP("Window", "Mass of item %1, g");
        case BalanceField::ItemX:
            return QT_TRANSLATE_NOOP("Window", "Position x of item %1, %9");
        case BalanceField::SupportX:
            return QT_TRANSLATE_NOOP("Window", "Position x of support %1, %9");
        case BalanceField::SupportReading:
            return QT_TRANSLATE_NOOP("Window", "Scale reading of support %1, g");
        case BalanceField::BallastAt:
            return QT_TRANSLATE_NOOP("Window", "Ballast place x, %9");
        case BalanceField::Method:
            return QT_TRANSLATE_NOOP("Window", "Balance method");
        case BalanceField::AddItem:
            return QT_TRANSLATE_NOOP("Window", "New mass item");
        case BalanceField::RemoveItem:
            return QT_TRANSLATE_NOOP("Window", "Removal of mass item %1");
        case BalanceField::ItemOrder:
            return QT_TRANSLATE_NOOP("Window", "Order of the mass items");
        case BalanceField::Movable:
            return QT_TRANSLATE_NOOP("Window", "Movable item");
        case BalanceField::None:
            break;
    }
    return "";
}

QString stepName(const AircraftChange& step) {
    const QString wing = QString::number(step.wing);
    switch (step.kind) {
        case AircraftChange::Kind::Typed: {
            const auto [w, field] = step.fields.front();
            const FieldWords words = fieldWords(field);
            QString name = say(words.source).arg(w);
            return withUnitSymbol(words.trapezium ? name.arg(words.trapezium) : name);
        }
        case AircraftChange::Kind::Drag:
            return say(QT_TRANSLATE_NOOP("Window", "Drag on the planform of wing %1")).arg(wing);
        case AircraftChange::Kind::Study:
            return say(QT_TRANSLATE_NOOP("Window", "Value of wing %1 from the parameter study")).arg(wing);
        case AircraftChange::Kind::MovedHeights:
            return say(QT_TRANSLATE_NOOP("Window", "Heights moved by the calculation"));
        case AircraftChange::Kind::TrapCount:
            return say(QT_TRANSLATE_NOOP("Window", "Trapezium count of wing %1")).arg(wing);
        case AircraftChange::Kind::WingCount:
            return say(QT_TRANSLATE_NOOP("Window", "Wing count"));
        case AircraftChange::Kind::Remarks:
            return say(QT_TRANSLATE_NOOP("Window", "Remarks"));
        case AircraftChange::Kind::Balance: {
            const QString name = say(balanceFieldWords(step.balance));
            return withUnitSymbol(name.contains(QLatin1String("%1")) ? name.arg(step.balanceRow) : name);
        }
        case AircraftChange::Kind::Everything:
            break;
    }
    return {};
}

}  // namespace ws
