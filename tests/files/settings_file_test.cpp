#include <gtest/gtest.h>

#include <string>

#include "files/settings_file.h"
#include "temp_folder.h"

namespace ws {
namespace {

TEST(SettingsFile, ExampleFileSelectsGermanAndClampsThePlace) {
    const Settings s = loadSettingsFile(std::string(WINSTABIX_TEST_DATA) + "/german-900x700.pa4");
    EXPECT_EQ(s.language, Language::German);
    EXPECT_EQ(s.width, 900);
    EXPECT_EQ(s.height, 700);
    EXPECT_EQ(s.left, 0);  // 1200 is out of range
    EXPECT_EQ(s.top, 50);
}

TEST(SettingsFile, RangeBoundaries) {
    const Settings high = parseSettings("e\r\n3000\r\n2000\r\n1000\r\n-5\r\n");
    EXPECT_EQ(high.language, Language::English);
    EXPECT_FALSE(high.width.has_value());
    EXPECT_FALSE(high.height.has_value());
    EXPECT_EQ(high.left, 0);
    EXPECT_EQ(high.top, 0);
    const Settings edge = parseSettings("e\n2999\n1999\n999\n0\n");
    EXPECT_EQ(edge.width, 2999);
    EXPECT_EQ(edge.height, 1999);
    EXPECT_EQ(edge.left, 999);
    EXPECT_EQ(edge.top, 0);
    const Settings low = parseSettings("e\n0\n-1\n 12\nabc\n");
    EXPECT_FALSE(low.width.has_value());
    EXPECT_FALSE(low.height.has_value());
    EXPECT_EQ(low.left, 12);
    EXPECT_EQ(low.top, 0);
}

TEST(SettingsFile, OnlyALowerCaseLetterEMeansEnglish) {
    EXPECT_EQ(parseSettings("e").language, Language::English);
    EXPECT_EQ(parseSettings("english\r\n").language, Language::English);
    EXPECT_EQ(parseSettings("E\r\n").language, Language::German);
    EXPECT_EQ(parseSettings("d\r\n").language, Language::German);
    EXPECT_EQ(parseSettings(" e\r\n").language, Language::German);
    EXPECT_EQ(parseSettings("\r\n").language, Language::German);
}

TEST(SettingsFile, MissingLinesChangeNothing) {
    const Settings s = parseSettings("d\r\n800\r\n");
    EXPECT_EQ(s.language, Language::German);
    EXPECT_EQ(s.width, 800);
    EXPECT_FALSE(s.height.has_value());
    EXPECT_FALSE(s.left.has_value());
    EXPECT_FALSE(s.top.has_value());
    EXPECT_EQ(parseSettings("").language, Language::English);

    testing::TempFolder folder;
    const Settings missing = loadSettingsFile(folder / kSettingsFileName);
    EXPECT_EQ(missing.language, Language::English);
    EXPECT_FALSE(missing.width || missing.height || missing.left || missing.top);
}

TEST(SettingsFile, WriterBytesAndRoundTrip) {
    const Settings s{Language::German, 900, 700, 0, 50};
    EXPECT_EQ(settingsFileBytes(s), "d\r\n900\r\n700\r\n0\r\n50\r\n");
    EXPECT_EQ(settingsFileBytes(Settings{Language::English, 1024, 768, 5, 999}),
              "e\r\n1024\r\n768\r\n5\r\n999\r\n");
    const Settings back = parseSettings(settingsFileBytes(s));
    EXPECT_EQ(back.language, s.language);
    EXPECT_EQ(back.width, s.width);
    EXPECT_EQ(back.height, s.height);
    EXPECT_EQ(back.left, s.left);
    EXPECT_EQ(back.top, s.top);
    EXPECT_EQ(settingsFileBytes(Settings{Language::English, 640, std::nullopt, 3, 4}), "e\r\n640\r\n");
}

}  // namespace
}  // namespace ws
