#include <gtest/gtest.h>

#include <QString>

#include "golden.h"
#include "texts/catalogue.h"
#include "texts/scoped_language.h"

namespace ws {
namespace {

using M = MessageCode;

// Every line of the message box, exact to the blank, in every language, and
// the stability rows of the worked example (tests/golden.h regenerates them).
TEST(GoldenCatalogue, MessagesAndRowsInEveryLanguage) {
    const Message messages[] = {{M::CannotCalculateWing, 2}, {M::TooManyPanels, 3300},
                                {M::TrapeziumFailed, 2, 3},  {M::TrapeziumFailed, 12, 4},
                                {M::LeadingEdgeSwept, 899},  {M::NoSpan, 2, 1},
                                {M::NoSpan, 3, 4},           {M::NoRootChord, 1, 2},
                                {M::NoTipChord, 2, 3},       {M::Itmax, 0}};
    const StabilityNumbers s = stabilityNumbers(2, 100, 200, 7.5);
    std::string all;
    for (Language language : {Language::English, Language::German, Language::French, Language::Spanish}) {
        const test::ScopedLanguage inForce(language);
        all += "language " + std::to_string(int(language)) + "\n";
        for (int code = int(M::ErrorHead); code <= int(M::LoesDriver); ++code)
            all += "[" + messageText({MessageCode(code), 7, 3}).toStdString() + "]\n";
        for (const Message& m : messages) all += "[" + messageText(m).toStdString() + "]\n";
        const StabilityRows r = stabilityRows(s, 297000, 200, 100);
        for (const std::string* row :
             {&r.refArea, &r.refChord, &r.cgFront, &r.cgRear, &r.cgDesired, &r.neutralPoint})
            all += "[" + *row + "]\n";
        all += "[" + exportWords(stabilityMarks(2, 100, 297000, 200, 7.5, false)).wing + "]\n";
    }
    test::expectGolden("catalogue.txt", all);
}

// Without results the exports carry no stability rows.
TEST(Catalogue, NoMarksNoRows) {
    EXPECT_EQ(exportWords(std::nullopt).rows.neutralPoint, "");
}

}  // namespace
}  // namespace ws
