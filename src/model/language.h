// The interface language, and its letter in the settings file: "e" English,
// "d" German, "f" French, "s" Spanish; any other letter reads as German, as
// files from before French and Spanish expect.
#pragma once

namespace ws {

enum class Language { English, German, French, Spanish };

constexpr char languageLetter(Language language) {
    switch (language) {
        case Language::English:
            return 'e';
        case Language::French:
            return 'f';
        case Language::Spanish:
            return 's';
        case Language::German:
            break;
    }
    return 'd';
}

constexpr Language languageOfLetter(char letter) {
    switch (letter) {
        case 'e':
            return Language::English;
        case 'f':
            return Language::French;
        case 's':
            return Language::Spanish;
        default:
            return Language::German;
    }
}

}  // namespace ws
