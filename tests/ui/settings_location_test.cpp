#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ui/settings_location.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

using SettingsLocation = WindowTest;

TEST_F(SettingsLocation, AnEntryInTheWorkingFolderKeepsItThereElseTheConfigurationFolder) {
    enum class Entry { None, File, Folder, DanglingLink };
    const struct {
        Entry entry;
        bool inWorkingFolder;
    } cases[] = {
        {Entry::None, false}, {Entry::File, true}, {Entry::Folder, true}, {Entry::DanglingLink, true}};
    const fs::path config = configSettingsFile();
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.entry));
        fs::remove_all("Default.pa4");
        fs::remove_all(folder.path() / "config");
        if (c.entry == Entry::File) std::ofstream("Default.pa4") << "d\r\n";
        if (c.entry == Entry::Folder) fs::create_directory("Default.pa4");
        if (c.entry == Entry::DanglingLink)
            fs::create_symlink(folder.path() / "elsewhere.pa4", "Default.pa4");

        const fs::path expected = c.inWorkingFolder ? fs::path("Default.pa4") : config;
        EXPECT_EQ(settingsFileToRead(), expected);
        EXPECT_FALSE(fs::exists(config.parent_path()));  // reading makes no folder
        EXPECT_EQ(settingsFileToWrite(), expected);
        EXPECT_EQ(fs::is_directory(config.parent_path()), !c.inWorkingFolder);
    }
}

}  // namespace
}  // namespace ws::testing
