#include "texts/balance_texts.h"

#include <QCoreApplication>

#include "model/number_format.h"
#include "model/units.h"
#include "texts/translation.h"

namespace ws {

namespace {

QString say(const char* source) {
    return QCoreApplication::translate("Balance", source);
}

QString number(double value) {
    return QString::fromStdString(fixed(value, 1));
}

// A length of the aircraft's frame in the unit in force, and its symbol.
QString length(double mm) {
    return QString::fromStdString(lengthText(mm, unitsInForce(), 1));
}

QString unit() {
    return QString::fromLatin1(unitSymbol(unitsInForce()));
}

}  // namespace

QString balanceMessageText(const BalanceMessage& m) {
    switch (m.code) {
        case BalanceCode::NoItems:
            return say(QT_TRANSLATE_NOOP("Balance", "Enter the mass items: name, mass in g and x in %1."))
                .arg(unit());
        case BalanceCode::MassNotNumber:
            return say(QT_TRANSLATE_NOOP("Balance", "Item %1: the mass is not a number of grams."))
                .arg(m.index);
        case BalanceCode::PositionNotNumber:
            return say(QT_TRANSLATE_NOOP("Balance", "Item %1: the position x is not a number.")).arg(m.index);
        case BalanceCode::NegativeMass:
            return say(QT_TRANSLATE_NOOP("Balance", "Item %1: a mass cannot be negative.")).arg(m.index);
        case BalanceCode::NoWeighing:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "Enter both supports: x in %1 and the scale's reading in g."))
                .arg(unit());
        case BalanceCode::SupportNotNumber:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "Support %1: the position x and the reading must both be numbers."))
                .arg(m.index);
        case BalanceCode::NegativeReading:
            return say(QT_TRANSLATE_NOOP("Balance", "Support %1: a scale cannot read less than 0 g."))
                .arg(m.index);
        case BalanceCode::SupportsTogether:
            return say(QT_TRANSLATE_NOOP(
                "Balance",
                "Both supports stand at one x: the weighing cannot tell where the centre of gravity is."));
        case BalanceCode::ZeroTotal:
            return say(
                QT_TRANSLATE_NOOP("Balance", "The masses add up to 0 g: there is no centre of gravity."));
        case BalanceCode::BallastPlaceNotNumber:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "The ballast place is not a number; the frontmost point is taken."));
        case BalanceCode::MethodsDisagree:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "The weighing gives %1 g, the mass items add up to %2 g: an item is "
                                         "missing or a reading is wrong."))
                .arg(number(m.a), number(m.b));
        case BalanceCode::MovableWithoutMass:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "Item %1 is marked movable but has no mass or position to move."))
                .arg(m.index);
        case BalanceCode::BallastNotNeeded:
            return say(QT_TRANSLATE_NOOP("Balance", "none needed"));
        case BalanceCode::BallastAheadNeeded:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "cannot help there: tail-heavy, ballast must go ahead of x = %1 %2"))
                .arg(length(m.a), unit());
        case BalanceCode::BallastBehindNeeded:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "cannot help there: nose-heavy, ballast must go behind x = %1 %2"))
                .arg(length(m.a), unit());
    }
    return {};
}

QString balanceFileNoteText(const BalanceFileNote& n) {
    switch (n.code) {
        case BalanceFileCode::LineNotUnderstood:
            return say(QT_TRANSLATE_NOOP("Balance", "Balance data, line %1: not understood, left out."))
                .arg(n.line);
        case BalanceFileCode::NoEndLine:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "Balance data: the file ends after line %1 without the block's end "
                                         "line; what was there was read."))
                .arg(n.line);
        case BalanceFileCode::TooManyItems:
            return say(QT_TRANSLATE_NOOP("Balance",
                                         "Balance data: more than %1 mass items; those from line %2 on were "
                                         "left out."))
                .arg(kMaxMassItems)
                .arg(n.line);
        case BalanceFileCode::SecondMovable:
            return say(QT_TRANSLATE_NOOP(
                           "Balance",
                           "Balance data, line %1: a second movable item, read as an ordinary one."))
                .arg(n.line);
    }
    return {};
}

QString balanceStatusText(const BalanceFigures& f) {
    QString status;
    switch (f.status) {
        case BalanceStatus::InRange:
            status = say(QT_TRANSLATE_NOOP("Balance", "within the recommended range"));
            break;
        case BalanceStatus::NoseHeavy:
            status = say(QT_TRANSLATE_NOOP("Balance", "nose-heavy by %1 %2")).arg(length(f.offBy), unit());
            break;
        case BalanceStatus::TailHeavy:
            status = say(QT_TRANSLATE_NOOP("Balance", "tail-heavy by %1 %2")).arg(length(f.offBy), unit());
            break;
    }
    if (f.unstable) status += say(QT_TRANSLATE_NOOP("Balance", " (behind the neutral point: unstable)"));
    return status;
}

QString ballastText(const BalanceFigures& f) {
    if (f.ballast)
        return say(QT_TRANSLATE_NOOP("Balance", "%1 g at x = %2 %3"))
            .arg(number(*f.ballast), length(f.ballastAt), unit());
    return f.noBallast ? balanceMessageText(*f.noBallast) : QString();
}

QString moveText(const MoveAdvice& move) {
    return say(QT_TRANSLATE_NOOP("Balance", "move “%1” to x = %2 %3"))
        .arg(QString::fromStdString(move.name), length(move.toX), unit());
}

std::string actualCgRow(double cg) {
    return QCoreApplication::translate("Stability", "x_cg now: %1%2").arg(length(cg), unit()).toStdString();
}

}  // namespace ws
