#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

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

// The base directory rules, with an environment and a password database
// given by the test. Nothing but the application's folder and its base below
// an existing home or parent is ever made.
TEST(UserFolders, XdgRulesWithoutEverMakingAHome) {
    TempFolder folder;
    const std::string home = (folder / "home").string(), gone = (folder / "gone").string();
    const std::string account = (folder / "account").string(), xdg = (folder / "xdg").string();
    fs::create_directory(home);
    fs::create_directory(account);
    const std::string app = QCoreApplication::applicationName().toStdString();
    using K = UserFolderKind;
    using N = NoUserFolder;
    const struct {
        K kind;
        std::map<std::string, std::string> variables;
        std::optional<std::string> accountHome;
        std::optional<std::string> expected;  // nothing: no folder
        N missing;
    } cases[] = {
        {K::Config, {{"HOME", home}}, account, home + "/.config/" + app, N::None},
        {K::State, {{"HOME", home}}, account, home + "/.local/state/" + app, N::None},
        {K::Config, {{"HOME", home}, {"XDG_CONFIG_HOME", xdg}}, account, xdg + "/" + app, N::None},
        {K::State, {{"HOME", home}, {"XDG_STATE_HOME", xdg}}, account, xdg + "/" + app, N::None},
        {K::Config,
         {{"HOME", home}, {"XDG_CONFIG_HOME", "relative/config"}},
         account,
         home + "/.config/" + app,
         N::None},
        {K::State, {{"HOME", home}, {"XDG_STATE_HOME", ""}}, account, home + "/.local/state/" + app, N::None},
        {K::Config, {}, account, account + "/.config/" + app, N::None},
        {K::Config, {{"HOME", "relative"}}, account, account + "/.config/" + app, N::None},
        {K::Config, {}, std::nullopt, std::nullopt, N::NoHome},
        {K::Config, {}, "", std::nullopt, N::NoHome},
        {K::Config, {{"HOME", gone}}, account, std::nullopt, N::HomeMissing},
        {K::Config, {}, gone, std::nullopt, N::HomeMissing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.value_or("none"));
        fs::remove_all(folder / "home" / ".config");
        fs::remove_all(folder / "home" / ".local");
        fs::remove_all(folder / "account" / ".config");
        fs::remove_all(xdg);
        const UserEnvironment environment{
            [&c](const char* name) -> std::optional<std::string> {
                const auto found = c.variables.find(name);
                return found == c.variables.end() ? std::nullopt : std::optional(found->second);
            },
            [&c] { return c.accountHome; }};
        EXPECT_EQ(applicationFolder(c.kind, false, environment).path, c.expected);
        EXPECT_FALSE(fs::exists(xdg));  // looking makes nothing
        const UserFolder made = applicationFolder(c.kind, true, environment);
        EXPECT_EQ(made.path, c.expected);
        EXPECT_EQ(made.missing, c.missing);
        EXPECT_FALSE(fs::exists(gone));
        if (c.expected) {
            struct stat st {};
            ASSERT_EQ(::stat(c.expected->c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, 0700u);
        }
    }
    EXPECT_EQ(systemEnvironment().accountHome(), std::string(::getpwuid(::getuid())->pw_dir));
}

}  // namespace
}  // namespace ws::testing
