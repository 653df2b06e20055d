#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <optional>

#include "ui/settings_location.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

using SettingsLocation = WindowTest;

TEST_F(SettingsLocation, AnEntryInTheWorkingFolderKeepsItThereElseTheConfigurationFolder) {
    const fs::path config = configSettingsFile();
    for (const char* entry : {"", "file", "folder", "dangling link"}) {
        SCOPED_TRACE(entry);
        fs::remove_all("Default.pa4");
        fs::remove_all(folder.path() / "config");
        if (entry == std::string("file")) std::ofstream("Default.pa4") << "d\r\n";
        if (entry == std::string("folder")) fs::create_directory("Default.pa4");
        if (entry == std::string("dangling link"))
            fs::create_symlink(folder / "elsewhere.pa4", "Default.pa4");
        const fs::path expected = *entry ? fs::path("Default.pa4") : config;
        EXPECT_EQ(settingsFileToRead(), expected);
        EXPECT_FALSE(fs::exists(config.parent_path()));  // reading makes no folder
        EXPECT_EQ(settingsFileToWrite(), expected);
        EXPECT_EQ(fs::is_directory(config.parent_path()), !*entry);
    }
}

// The base directory rules, with the test's environment and password database: only the
// application's folder and its base below an existing home are ever made.
TEST(UserFolders, XdgRulesWithoutEverMakingAHome) {
    TempFolder folder;
    const std::string h = (folder / "home").string(), gone = (folder / "gone").string();
    const std::string a = (folder / "account").string(), x = (folder / "xdg").string();
    fs::create_directory(h);
    fs::create_directory(a);
    const std::string app = QCoreApplication::applicationName().toStdString();
    const std::string config = "/.config/" + app, state = "/.local/state/" + app;
    using K = UserFolderKind;
    using N = NoUserFolder;
    const struct {
        K kind;
        std::map<std::string, std::string> variables;
        std::optional<std::string> accountHome, expected;  // expected nothing: no folder
        N missing;
    } cases[] = {
        {K::Config, {{"HOME", h}}, a, h + config, N::None},
        {K::State, {{"HOME", h}}, a, h + state, N::None},
        {K::Config, {{"HOME", h}, {"XDG_CONFIG_HOME", x}}, a, x + "/" + app, N::None},
        {K::State, {{"HOME", h}, {"XDG_STATE_HOME", x}}, a, x + "/" + app, N::None},
        {K::Config, {{"HOME", h}, {"XDG_CONFIG_HOME", "relative/config"}}, a, h + config, N::None},
        {K::State, {{"HOME", h}, {"XDG_STATE_HOME", ""}}, a, h + state, N::None},
        {K::Config, {}, a, a + config, N::None},
        {K::Config, {{"HOME", "relative"}}, a, a + config, N::None},
        {K::Config, {}, std::nullopt, std::nullopt, N::NoHome},
        {K::Config, {}, "", std::nullopt, N::NoHome},
        {K::Config, {{"HOME", gone}}, a, std::nullopt, N::HomeMissing},
        {K::Config, {}, gone, std::nullopt, N::HomeMissing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.value_or("none"));
        for (const std::string& made : {h + "/.config", h + "/.local", a + "/.config", x})
            fs::remove_all(made);
        const UserEnvironment environment{
            [&c](const char* name) -> std::optional<std::string> {
                const auto found = c.variables.find(name);
                return found == c.variables.end() ? std::nullopt : std::optional(found->second);
            },
            [&c] { return c.accountHome; }};
        EXPECT_EQ(applicationFolder(c.kind, false, environment).path, c.expected);
        EXPECT_FALSE(fs::exists(x));  // looking makes nothing
        const UserFolder made = applicationFolder(c.kind, true, environment);
        EXPECT_EQ(made.path, c.expected);
        EXPECT_EQ(made.missing, c.missing);
        EXPECT_FALSE(fs::exists(gone));
        struct stat st {};
        EXPECT_TRUE(!c.expected || (::stat(c.expected->c_str(), &st) == 0 && (st.st_mode & 0777) == 0700));
    }
    EXPECT_EQ(systemEnvironment().accountHome(), std::string(::getpwuid(::getuid())->pw_dir));
}

}  // namespace
}  // namespace ws::testing
