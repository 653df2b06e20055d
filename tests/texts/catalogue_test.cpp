#include <gtest/gtest.h>

#include <QString>

#include "texts/catalogue.h"
#include "texts/scoped_language.h"

namespace ws {
namespace {

using M = MessageCode;

// Every line of the message box, exact to the blank, in both languages of the design.
TEST(Catalogue, MessagesInEnglishAndGerman) {
    const struct {
        Message message;
        const char* english;
        const char* german;
    } cases[] = {
        {{M::ErrorHead}, "Error: ", "Fehler: "},
        {{M::Attention}, "Attention:", "Achtung:"},
        {{M::WingsMoved},
         "Wings are moved automatically in z-direction!",
         "Flügel wurden automatisch in z-Richtung verschoben!"},
        {{M::CannotCalculateWing, 2}, "Can not calculate wing-2. ", "Kann Flügel-2 nicht berechnen."},
        {{M::CannotCalculateAircraft},
         "Can not calculate this aircraft. ",
         "Kann dieses Flugzeug nicht berechnen."},
        {{M::LessAspectRatio},
         "Please change this wing (less aspect ratio)!",
         "Bitte Streckung verkleinern!"},
        {{M::MoreAspectRatio}, "Please change this wing (more aspect ratio)!", "Bitte Streckung vergrößern!"},
        {{M::NoArea},
         "Please change this wing (it has no area)!",
         "Bitte diesen Flügel ändern (keine Fläche)!"},
        {{M::TrapeziumNoChord},
         "Please change this wing (a trapezium has no chord)!",
         "Bitte diesen Flügel ändern (Trapez ohne Tiefe)!"},
        {{M::TooManyPanels, 3300},
         "Too many panels (3300, at most 3000)!",
         "Zu viele Panels (3300, höchstens 3000)!"},
        {{M::NotFinite}, "The result is not finite!", "Das Ergebnis ist nicht endlich!"},
        {{M::NoLift},
         "Please change this wing (it gives no lift)!",
         "Bitte diesen Flügel ändern (kein Auftrieb)!"},
        {{M::NoReference},
         "The reference wing has no area or chord!",
         "Der Bezugsflügel hat keine Fläche oder Tiefe!"},
        {{M::NeutralPointOffWings},
         "The neutral point lies outside the wings!",
         "Der Neutralpunkt liegt außerhalb der Flügel!"},
        {{M::StoredResultsReplaced},
         "The results stored in the file did not belong to this aircraft and were calculated again.",
         "Die in der Datei gespeicherten Ergebnisse gehörten nicht zu diesem Flugzeug und wurden neu "
         "berechnet."},
        {{M::TrapeziumFailed, 2, 3},
         "Can not calculate Wing  2 / Trapezium 3.",
         "Kann Flügel  2 / Trapez  3 nicht berechnen."},
        {{M::TrapeziumFailed, 12, 4},
         "Can not calculate Wing 12 / Trapezium 4.",
         "Kann Flügel 12 / Trapez  4 nicht berechnen."},
        {{M::LeadingEdgeSwept, 899},
         "Please change this trapezium (leading edge swept 89.9°, at most 80°)!",
         "Bitte dieses Trapez verändern (Vorderkante 89.9° gepfeilt, höchstens 80°)!"},
        {{M::MoreTipChord},
         "Please change this trapezium (more chord length at tip)!",
         "Bitte dieses Trapez verändern (Außentiefe größer)!"},
        {{M::NoSpan, 2, 1}, "Wing 2, trapezium 1: span 0 mm.", "Flügel 2, Trapez 1: Spannweite 0 mm."},
        {{M::NoSpan, 3, 4},
         "Wing 3, trapeziums 1 to 4: span 0 mm.",
         "Flügel 3, Trapeze 1 bis 4: Spannweite 0 mm."},
        {{M::WingNeedsSpan}, "A wing needs a span.", "Ein Flügel braucht eine Spannweite."},
        {{M::NoRootChord, 1, 2},
         "Wing 1, trapezium 2: root chord 0 mm.",
         "Flügel 1, Trapez 2: Wurzeltiefe 0 mm."},
        {{M::NoTipChord, 2, 3},
         "Wing 2, trapezium 3: tip chord 0 mm.",
         "Flügel 2, Trapez 3: Außentiefe 0 mm."},
        {{M::TrapeziumNeedsChords},
         "A trapezium needs a chord at both ends.",
         "Ein Trapez braucht an beiden Enden eine Tiefe."},
        // German keeps the design's words; the other languages have their own.
        {{M::Itmax, 0},
         "TRIM9: Error. itmax is 0 , no calculation possible//",
         "TRIM9: Fehler. itmax ist 0 , keine Berechnung moeglich//"},
        {{M::TrimSingular},
         " TRIM9M: The system of equations cannot be solved //",
         " TRIM9M: Das Gleichungssystem ist nicht loesbar //"},
        {{M::Einfluss},
         "EINFLUSS: The influence matrix could not be built",
         "EINFLUSS: Irgend ein Kuddel-Muddel"},
        {{M::Loes},
         "LOES: Error while solving the system of equations ",
         "LOES: Fehler beim Loesen des Gleichungssystems "},
        {{M::LoesDriver}, "LOES: Error...", "LOES: Fehler..."},
    };
    for (const auto& c : cases) EXPECT_EQ(messageText(c.message), QString::fromUtf8(c.english));
    const test::ScopedLanguage german(Language::German);
    for (const auto& c : cases) EXPECT_EQ(messageText(c.message), QString::fromUtf8(c.german));
    const test::ScopedLanguage french(Language::French);
    EXPECT_EQ(messageText({M::NoRootChord, 1, 2}),
              QString::fromUtf8("Aile 1, trapèze 2 : corde d'emplanture 0 mm."));
    const test::ScopedLanguage spanish(Language::Spanish);
    EXPECT_EQ(messageText({M::TrimSingular}),
              QString::fromUtf8(" TRIM9M: el sistema de ecuaciones no tiene solución //"));
}

// The rows, and the words a drawing exported with the same marks gets.
TEST(Catalogue, StabilityRowsOfTheWorkedExample) {
    const StabilityNumbers s = stabilityNumbers(2, 100, 200, 7.5);
    const StabilityMarks marks = stabilityMarks(2, 100, 297000, 200, 7.5, false);
    const StabilityRows en = stabilityRows(s, 297000, 200, 100);
    EXPECT_EQ(en.cgFront, "x_cg (16%): 68.0mm   ");
    EXPECT_EQ(en.cgRear, "x_cg (8%): 84.0mm   ");
    EXPECT_EQ(en.cgDesired, "x_cg (7.5%): 85.0mm     ");
    EXPECT_EQ(en.neutralPoint, "x_ac: 100.0mm    ");
    EXPECT_EQ(en.refArea, "Reference area (S): 29.70dm^2 ");
    EXPECT_EQ(en.refChord, "Reference length (lm): 200.0mm ");
    EXPECT_EQ(exportWords(marks).wing, "Wing");
    EXPECT_EQ(exportWords(std::nullopt).rows.neutralPoint, "");
    const struct {
        Language language;
        const char *cgFront, *neutralPoint, *refArea, *refChord, *wing;
    } cases[] = {
        {Language::German, "x_SP (16%): 68.0mm   ", "x_NP: 100.0mm    ", "Bezugsfläche (S): 29.70dm^2 ",
         "Bezugstiefe (lm): 200.0mm ", "Flügel"},
        {Language::French, "x_CG (16%): 68.0mm   ", "x_F: 100.0mm    ",
         "Surface de référence (S): 29.70dm^2 ", "Corde de référence (lm): 200.0mm ", "Aile"},
        {Language::Spanish, "x_CG (16%): 68.0mm   ", "x_PN: 100.0mm    ",
         "Superficie de referencia (S): 29.70dm^2 ", "Cuerda de referencia (lm): 200.0mm ", "Ala"},
    };
    for (const auto& c : cases) {
        const test::ScopedLanguage inForce(c.language);
        const StabilityRows r = stabilityRows(s, 297000, 200, 100);
        EXPECT_EQ(r.cgFront, c.cgFront);
        EXPECT_EQ(r.neutralPoint, c.neutralPoint);
        EXPECT_EQ(r.refArea, c.refArea);
        EXPECT_EQ(r.refChord, c.refChord);
        const ExportWords words = exportWords(marks);
        EXPECT_EQ(words.wing, c.wing);
        EXPECT_EQ(words.rows.refChord, c.refChord);
    }
}

// French and Spanish word every message of their own; the numbers stay in place.
TEST(Catalogue, FrenchAndSpanishHaveEveryMessage) {
    for (Language language : {Language::French, Language::Spanish}) {
        for (int code = int(M::ErrorHead); code <= int(M::LoesDriver); ++code) {
            const Message m{MessageCode(code), 7, 3};
            const QString english = messageText(m);
            const test::ScopedLanguage inForce(language);
            const QString text = messageText(m);
            const bool sameWord = m.code == M::ErrorHead && language == Language::Spanish;  // "Error: "
            EXPECT_NE(text == english, !sameWord) << code;
            EXPECT_EQ(text.contains(u'7'), english.contains(u'7')) << text.toStdString();
        }
    }
}

}  // namespace
}  // namespace ws
