#include "texts/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace ws {

namespace {

Language inForce = Language::English;
Units unitsNow = Units::Millimetre;

struct Translators {
    QTranslator program;
    QTranslator qt;
    bool installed = false;
};

Translators& translators() {
    static Translators t;
    return t;
}

}  // namespace

const char* languageCode(Language language) {
    switch (language) {
        case Language::English:
            return "en";
        case Language::German:
            return "de";
        case Language::French:
            return "fr";
        case Language::Spanish:
            return "es";
    }
    return "en";
}

std::optional<Language> languageOfCode(std::string_view code) {
    for (Language l : {Language::English, Language::German, Language::French, Language::Spanish})
        if (code == languageCode(l)) return l;
    return std::nullopt;
}

bool useLanguage(Language language) {
    Translators& t = translators();
    if (t.installed) {
        QCoreApplication::removeTranslator(&t.program);
        QCoreApplication::removeTranslator(&t.qt);
        t.installed = false;
    }
    inForce = language;
    if (language == Language::English) return true;
    const QString code = QString::fromLatin1(languageCode(language));
    const bool loaded = t.program.load(QStringLiteral(":/i18n/winstabix_") + code);
    // Qt's own texts are a help, not a need: a missing file leaves them English.
    if (t.qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&t.qt);
    if (loaded) QCoreApplication::installTranslator(&t.program);
    t.installed = true;
    return loaded;
}

Language languageInForce() {
    return inForce;
}

void useUnits(Units units) {
    unitsNow = units;
}

Units unitsInForce() {
    return unitsNow;
}

}  // namespace ws
