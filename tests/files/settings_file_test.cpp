#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "files/settings_file.h"
#include "temp_folder.h"

namespace ws {
namespace {

constexpr Language E = Language::English, D = Language::German;
constexpr std::nullopt_t none = std::nullopt;

auto fields(const Settings& s) {
    return std::tuple(s.language, s.width, s.height, s.left, s.top);
}

TEST(SettingsFile, ExampleFileSelectsGermanAndClampsThePlace) {
    // Left 1200 is out of range and becomes 0.
    EXPECT_EQ(fields(loadSettingsFile(std::string(WINSTABIX_TEST_DATA) + "/german-900x700.pa4")),
              std::tuple(D, 900, 700, 0, 50));
}

TEST(SettingsFile, RangeBoundaries) {
    EXPECT_EQ(fields(parseSettings("e\r\n3000\r\n2000\r\n1000\r\n-5\r\n")), std::tuple(E, none, none, 0, 0));
    EXPECT_EQ(fields(parseSettings("e\n2999\n1999\n999\n0\n")), std::tuple(E, 2999, 1999, 999, 0));
    EXPECT_EQ(fields(parseSettings("e\n0\n-1\n 12\nabc\n")), std::tuple(E, none, none, 12, 0));
}

TEST(SettingsFile, TheFirstLetterNamesTheLanguageAndAnyOtherMeansGerman) {
    const std::pair<const char*, Language> cases[] = {{"e", E},
                                                      {"english\r\n", E},
                                                      {"f\r\n", Language::French},
                                                      {"s\r\n", Language::Spanish},
                                                      {"E\r\n", D},
                                                      {"F\r\n", D},
                                                      {"d\r\n", D},
                                                      {" e\r\n", D},
                                                      {"\r\n", D}};
    for (const auto& [text, language] : cases) EXPECT_EQ(parseSettings(text).language, language) << text;
    for (Language language : {E, D, Language::French, Language::Spanish}) {
        const Settings s{language, 900, 700, 0, 50};
        EXPECT_EQ(fields(parseSettings(settingsFileBytes(s))), fields(s));
    }
    EXPECT_EQ(settingsFileBytes(Settings{Language::Spanish, 1, none, none, none}), "s\r\n1\r\n");
}

TEST(SettingsFile, MissingLinesChangeNothing) {
    EXPECT_EQ(fields(parseSettings("d\r\n800\r\n")), std::tuple(D, 800, none, none, none));
    EXPECT_EQ(fields(parseSettings("")), std::tuple(E, none, none, none, none));
    testing::TempFolder folder;
    EXPECT_EQ(fields(loadSettingsFile(folder / kSettingsFileName)), std::tuple(E, none, none, none, none));
}

// Read only as a regular file of at most 4 KiB; anything else is as if missing, and never blocks.
TEST(SettingsFile, OnlyASmallRegularFileIsRead) {
    testing::TempFolder folder;
    const std::string german = "d\r\n900\r\n700\r\n0\r\n50\r\n";
    const auto place = [&folder](const char* kind, const std::string& bytes) {
        std::filesystem::path file = folder / kSettingsFileName;
        std::filesystem::remove(file);
        if (std::string_view(kind) == "fifo")
            EXPECT_EQ(::mkfifo(file.c_str(), 0644), 0);
        else if (std::string_view(kind) == "device")
            std::filesystem::create_symlink("/dev/zero", file);
        else
            testing::writeBytes(file, bytes);
        return file;
    };
    const struct {
        const char* kind;
        std::string bytes;
        bool read;
    } cases[] = {
        {"file", german + std::string(4096 - german.size(), ' '), true},
        {"file", german + std::string(4097 - german.size(), ' '), false},
        {"fifo", "", false},
        {"device", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loadSettingsFile(place(c.kind, c.bytes)).language, c.read ? D : E)
            << c.kind << " " << c.bytes.size();
}

TEST(SettingsFile, WriterBytesAndRoundTrip) {
    const Settings s{D, 900, 700, 0, 50};
    EXPECT_EQ(settingsFileBytes(s), "d\r\n900\r\n700\r\n0\r\n50\r\n");
    EXPECT_EQ(settingsFileBytes(Settings{E, 1024, 768, 5, 999}), "e\r\n1024\r\n768\r\n5\r\n999\r\n");
    EXPECT_EQ(settingsFileBytes(Settings{E, 640, none, 3, 4}), "e\r\n640\r\n");
}

}  // namespace
}  // namespace ws
