// The language in force for the whole application: the program's own
// translations (embedded) and Qt's (its dialogs and standard buttons, from
// Qt's translations folder). English is the source language and needs none.
// Installing or removing translations sends QEvent::LanguageChange; widgets
// retranslate themselves on it. Needs a QCoreApplication.
#pragma once

#include <optional>
#include <string_view>

#include "model/language.h"
#include "model/units.h"

namespace ws {

// Makes `language` the one in force. Returns false when the program's own
// translation could not be loaded (the texts then stay English).
bool useLanguage(Language language);
Language languageInForce();

// The unit every text writes lengths and areas in, beside the language
// (millimetres until changed); a display choice, never the aircraft's.
void useUnits(Units units);
Units unitsInForce();

// "en", "de", "fr", "es".
const char* languageCode(Language language);
std::optional<Language> languageOfCode(std::string_view code);

}  // namespace ws
