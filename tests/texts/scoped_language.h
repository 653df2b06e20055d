// A language in force for one test; English again afterwards.
#pragma once

#include "texts/translation.h"

namespace ws::test {

struct ScopedLanguage {
    explicit ScopedLanguage(Language language) { useLanguage(language); }
    ~ScopedLanguage() { useLanguage(Language::English); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};

}  // namespace ws::test
