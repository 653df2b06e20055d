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

// Sizes and places out of range are dropped or clamped; missing lines change nothing.
TEST(SettingsFile, ReadLineByLine) {
    const std::pair<const char*, decltype(fields(Settings{}))> cases[] = {
        {"e\r\n3000\r\n2000\r\n1000\r\n-5\r\n", {E, none, none, 0, 0}},
        {"e\n2999\n1999\n999\n0\n", {E, 2999, 1999, 999, 0}},
        {"e\n0\n-1\n 12\nabc\n", {E, none, none, 12, 0}},
        {"d\r\n800\r\n", {D, 800, none, none, none}},
        {"d\n800\n600\n", {D, 800, 600, none, none}},
        {"d\n800\n600\n12\n", {D, 800, 600, 12, none}},
        {"", {E, none, none, none, none}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(fields(parseSettings(text)), expected) << text;
    // Left 1200 is out of range and becomes 0.
    EXPECT_EQ(fields(loadSettingsFile(std::string(WINSTABIX_TEST_DATA) + "/german-900x700.pa4")),
              std::tuple(D, 900, 700, 0, 50));
}

TEST(SettingsFile, TheFirstLetterNamesTheLanguageAndAnyOtherMeansGerman) {
    const std::pair<const char*, Language> cases[] = {{"english\r\n", E},
                                                      {"f\r\n", Language::French},
                                                      {"s\r\n", Language::Spanish},
                                                      {"E\r\n", D},
                                                      {" e\r\n", D},
                                                      {"\r\n", D}};
    for (const auto& [text, language] : cases) EXPECT_EQ(parseSettings(text).language, language) << text;
    for (Language language : {E, D, Language::French, Language::Spanish}) {
        const Settings s{language, 900, 700, 0, 50};
        EXPECT_EQ(fields(parseSettings(settingsFileBytes(s))), fields(s));
    }
}

TEST(SettingsFile, WriterBytes) {
    EXPECT_EQ(settingsFileBytes(Settings{D, 900, 700, 0, 50}), "d\r\n900\r\n700\r\n0\r\n50\r\n");
    EXPECT_EQ(settingsFileBytes(Settings{E, 1024, 768, 5, 999}), "e\r\n1024\r\n768\r\n5\r\n999\r\n");
    EXPECT_EQ(settingsFileBytes(Settings{E, 640, none, 3, 4}), "e\r\n640\r\n");
    EXPECT_EQ(settingsFileBytes(Settings{Language::Spanish, 1, none, none, none}), "s\r\n1\r\n");
}

// Read only as a regular file of at most 4 KiB; anything else is as if missing, and never blocks.
TEST(SettingsFile, OnlyASmallRegularFileIsRead) {
    testing::TempFolder folder;
    const std::string german = "d\r\n900\r\n700\r\n0\r\n50\r\n";
    const std::filesystem::path file = folder / kSettingsFileName;
    EXPECT_EQ(loadSettingsFile(file).language, E);
    for (const std::size_t size : {4096, 4097}) {
        testing::writeBytes(file, german + std::string(size - german.size(), ' '));
        EXPECT_EQ(loadSettingsFile(file).language, size == 4096 ? D : E) << size;
    }
    std::filesystem::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    EXPECT_EQ(loadSettingsFile(file).language, E);
    std::filesystem::remove(file);
    std::filesystem::create_symlink("/dev/zero", file);
    EXPECT_EQ(loadSettingsFile(file).language, E);
}

}  // namespace
}  // namespace ws
