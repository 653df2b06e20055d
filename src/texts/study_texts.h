// The words of a parameter study, in the language in force (context
// "Study"): why a study cannot run, and the note of each row (why it was
// refused, or that a negative length was taken as its absolute value).
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "solver/study.h"

namespace ws {

QString studyProblemText(const StudyProblem& problem);
// Empty for a row calculated without a note.
QString studyRowNote(const StudyRow& row);
// The notes of all rows, UTF-8, for the comma-separated values.
std::vector<std::string> studyRowNotes(const std::vector<StudyRow>& rows);

}  // namespace ws
