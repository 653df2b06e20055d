#include "texts/study_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "model/number_format.h"
#include "texts/catalogue.h"

namespace ws {
namespace {

QString say(const char* source) {
    return QCoreApplication::translate("Study", source);
}

}  // namespace

QString studyProblemText(const StudyProblem& p) {
    switch (p.code) {
        case StudyProblemCode::UnknownName:
            return say(QT_TRANSLATE_NOOP("Study",
                                         "Unknown parameter \"%1\": use wN.chordK, wN.spanK, wN.offsetK, "
                                         "wN.gap, wN.x, wN.z or wN.scale (N the wing, K the station or "
                                         "trapezium)."))
                .arg(QString::fromStdString(p.text));
        case StudyProblemCode::WingNotInUse:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1 is not in use (wings in use: 1 to %2)."))
                .arg(p.a)
                .arg(p.b);
        case StudyProblemCode::NoSuchStation:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1 has no station %2: its stations are 1 to %3."))
                .arg(p.a)
                .arg(p.b)
                .arg(p.c);
        case StudyProblemCode::NoSuchTrapezium:
            return say(QT_TRANSLATE_NOOP("Study", "Wing %1 has no trapezium %2: it has %3."))
                .arg(p.a)
                .arg(p.b)
                .arg(p.c);
        case StudyProblemCode::StepsOutOfRange:
            return say(QT_TRANSLATE_NOOP("Study", "A study takes %1 to %2 steps, not %3."))
                .arg(kFewestStudySteps)
                .arg(kMostStudySteps)
                .arg(QString::fromStdString(p.text));
        case StudyProblemCode::NotANumber:
            return say(QT_TRANSLATE_NOOP("Study", "The range needs two numbers, not \"%1\"."))
                .arg(QString::fromStdString(p.text));
    }
    return {};
}

QString studyRowNote(const StudyRow& row) {
    if (!row.done) {
        QStringList lines;
        for (const Message& m : row.refusal)
            if (m.code != MessageCode::ErrorHead) lines.append(messageText(m).trimmed());
        if (lines.isEmpty()) return messageText({MessageCode::CannotCalculateAircraft}).trimmed();
        return lines.join(QLatin1Char(' '));
    }
    if (row.absoluteTaken)
        return say(QT_TRANSLATE_NOOP("Study", "Negative length: its absolute value is used."));
    return {};
}

std::vector<std::string> studyRowNotes(const std::vector<StudyRow>& rows) {
    std::vector<std::string> notes;
    notes.reserve(rows.size());
    for (const StudyRow& r : rows) notes.push_back(studyRowNote(r).toStdString());
    return notes;
}

}  // namespace ws
