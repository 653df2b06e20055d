#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "files/aircraft_file.h"
#include "temp_folder.h"

namespace ws {
namespace {

namespace fs = std::filesystem;

struct CalcRun {
    int status = -1;
    std::string out, err;
};

std::string quote(const std::string& s) {
    return "'" + s + "'";
}

// `args` are already quoted.
CalcRun runCalc(const std::string& args) {
    testing::TempFolder folder;
    const fs::path errFile = folder / "stderr";
    const std::string command = quote(WINSTABIX_CALC) + " " + args + " 2>" + quote(errFile.string());
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 512> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = testing::readBytes(errFile);
    return run;
}

std::string example(const char* name) {
    return quote((fs::path(WINSTABIX_EXAMPLES) / name).string());
}

TEST(WinstabixCalc, OneLabelLinePerWingInUse) {
    const struct {
        std::string args;
        const char* labels;
    } cases[] = {
        {example("glider.da4"),
         "wing 1: b=2800mm s=53.45dm^2 lm=197.1mm r25=61.4mm lam=14.7\n"
         "wing 2: b= 560mm s=6.16dm^2 lm=111.2mm r25=39.5mm lam= 5.1\n"},
        {example("flying-wing.da4"), "wing 1: b=1800mm s=43.20dm^2 lm=251.2mm r25=224.3mm lam= 7.5\n"},
    };
    for (const auto& c : cases) {
        const CalcRun run = runCalc(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_TRUE(run.out.starts_with(c.labels + std::string("wing 1: chord panels "))) << run.out;
        EXPECT_EQ(run.err, "") << c.args;
    }
    const CalcRun canard = runCalc(example("canard.da4"));
    EXPECT_NE(canard.out.find("\nwing 3: b="), std::string::npos);
    EXPECT_EQ(canard.out.find("wing 4"), std::string::npos);
}

TEST(WinstabixCalc, RowsInEveryLanguageAndJson) {
    const struct {
        const char* lang;
        const char* neutralPoint;
        const char* cg;
    } cases[] = {{"en", "x_ac: ", "x_cg (16%): "},
                 {"de", "x_NP: ", "x_SP (16%): "},
                 {"fr", "x_F: ", "x_CG (16%): "},
                 {"es", "x_PN: ", "x_CG (16%): "}};
    for (const auto& c : cases) {
        const CalcRun run = runCalc(std::string("--lang ") + c.lang + " " + example("glider.da4"));
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find(std::string("\n") + c.neutralPoint), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(std::string("\n") + c.cg), std::string::npos) << run.out;
    }
    const CalcRun json = runCalc("--json " + example("glider.da4"));
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(json.out.starts_with("{")) << json.out;
    EXPECT_NE(json.out.find("\"calculated\":true"), std::string::npos) << json.out;
}

TEST(WinstabixCalc, BalanceOptionsReportAndRefuse) {
    const std::string items = " --mass 'Motor unit:100:-100' --mass Battery:200:-50 --mass Airframe:700:100 ";
    const CalcRun run = runCalc(example("glider.da4") + items + "--movable Battery --ballast-at 300");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nbalance: mass 1000.0g, cg 50.0mm\n"), std::string::npos) << run.out;
    const CalcRun json = runCalc("--json " + example("glider.da4") + items + "--movable Battery");
    EXPECT_NE(json.out.find("\"balance\":{\"mass_g\":1000,\"cg\":50,"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"move_item\":{\"name\":\"Battery\""), std::string::npos) << json.out;
    EXPECT_NE(runCalc("--json " + example("glider.da4")).out.find("\"balance\":null}"), std::string::npos);
    for (const char* bad : {"--mass A:-1:0", "--mass A:1", "--mass A:1:0 --movable B", "--ballast-at x"}) {
        const CalcRun refused = runCalc(example("glider.da4") + " " + bad);
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_TRUE(refused.err.starts_with("winstabix-calc: --")) << refused.err;
    }
}

TEST(WinstabixCalc, SaveWritesTheAircraftWithItsNewResults) {
    testing::TempFolder folder;
    const fs::path out = folder / "out.da4";
    EXPECT_EQ(runCalc("--save " + quote(out.string())).status, 0);
    const auto reloaded = [&out] {
        return applyAircraftFile(std::get<AircraftFileContent>(parseAircraftFile(testing::readBytes(out))),
                                 startupAircraft());
    };
    const LoadedAircraft startup = reloaded();
    EXPECT_TRUE(startup.ResultsValid);
    EXPECT_DOUBLE_EQ(startup.results.RefArea, 297000.0);
    EXPECT_DOUBLE_EQ(startup.results.RefChord, 271.98);  // lm 271.975… written with 2 decimals
    // Everything but the three result lines is the start-up aircraft's.
    EXPECT_EQ(aircraftFileBytes(startup.model, std::nullopt),
              aircraftFileBytes(startupAircraft(), std::nullopt));

    const fs::path glider = fs::path(WINSTABIX_EXAMPLES) / "glider.da4";
    EXPECT_EQ(runCalc(quote(glider.string()) + " --save " + quote(out.string())).status, 0);
    EXPECT_EQ(aircraftFileBytes(reloaded().model, std::nullopt), testing::readBytes(glider));
}

TEST(WinstabixCalc, FailuresSayWhyAndExitWithTwo) {
    testing::TempFolder folder;
    const std::string missing = (folder / "missing.da4").string();
    const CalcRun notThere = runCalc(quote(missing));
    EXPECT_EQ(notThere.status, 2);
    EXPECT_EQ(notThere.out, "");
    EXPECT_NE(notThere.err.find(missing), std::string::npos) << notThere.err;

    const std::string nowhere = (folder / "no-folder" / "out.da4").string();
    const CalcRun badSave = runCalc("--save " + quote(nowhere));
    EXPECT_EQ(badSave.status, 2);
    EXPECT_NE(badSave.err.find(nowhere), std::string::npos) << badSave.err;

    for (const char* args :
         {"--bogus", "--save", "--lang it", "a.da4 b.da4", "--panels 99", "--panels 3001"}) {
        const CalcRun bad = runCalc(args);
        EXPECT_EQ(bad.status, 2) << args;
        EXPECT_NE(bad.err.find("usage: winstabix-calc"), std::string::npos) << args;
        EXPECT_EQ(bad.out, "") << args;
    }
}

// None of these may block or load: each returns at once with its reason.
TEST(WinstabixCalc, FilesThatAreNoAircraftExitWithTwo) {
    testing::TempFolder folder;
    const fs::path fifo = folder / "fifo.da4";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::string glider = testing::readBytes(fs::path(WINSTABIX_EXAMPLES) / "glider.da4");
    testing::writeBytes(folder / "cut.da4", glider.substr(0, glider.size() / 3));
    const std::pair<std::string, const char*> cases[] = {
        {fifo.string(), "not a regular file but a FIFO"},
        {"/dev/zero", "not a regular file but a device"},
        {folder.path().string(), "not a regular file but a folder"},
        {(folder / "cut.da4").string(),
         "the file ends after line 33; an aircraft file has at least 53 lines"},
    };
    for (const auto& [file, reason] : cases) {
        const CalcRun run = runCalc(quote(file) + " --save " + quote((folder / "out.da4").string()));
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_EQ(run.out, "") << file;
        EXPECT_EQ(run.err, "winstabix-calc: cannot open \"" + file + "\": " + reason + "\n");
    }
    EXPECT_FALSE(fs::exists(folder / "out.da4"));
}

// Results a file claims are calculated again: a notice when they were not the
// aircraft's, none for a file the program saved itself; exit 0 either way.
TEST(WinstabixCalc, StoredResultsAreCalculatedAgain) {
    testing::TempFolder folder;
    const std::string saved = quote((folder / "saved.da4").string());
    ASSERT_EQ(runCalc(example("glider.da4") + " --save " + saved).status, 0);
    const std::string notice =
        "The results stored in the file did not belong to this aircraft and were calculated again.";
    const std::string disagree = quote(std::string(WINSTABIX_TEST_DATA) + "/damaged/results-disagree.da4");
    const struct {
        std::string args;
        bool notice;
    } cases[] = {{saved, false}, {disagree, true}, {"--json " + disagree, true}};
    EXPECT_NE(runCalc(disagree).out.find("\nx_ac: 115.0mm\n"), std::string::npos);  // not the stored 120.00
    for (const auto& c : cases) {
        const CalcRun run = runCalc(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_EQ(run.out.find(notice) != std::string::npos, c.notice) << run.out;
    }
}

TEST(WinstabixCalc, FinestPanelsThatFitAreTakenAndSaid) {
    const CalcRun fine = runCalc(example("glider.da4") + " --panels 3000");
    EXPECT_EQ(fine.status, 0) << fine.out;
    EXPECT_NE(fine.out.find(
                  " panels for the largest wing instead of 3000, the finest lattice within 3000 unknowns\n"),
              std::string::npos)
        << fine.out;
    EXPECT_EQ(runCalc(example("glider.da4") + " --panels 100").status, 0);
}

// A name that is not UTF-8 still gives valid JSON, and its file opens.
TEST(WinstabixCalc, JsonOfANameThatIsNotUtf8) {
    testing::TempFolder folder;
    const fs::path odd = folder /
                         "gl\xFC\x01"
                         "der.da4";
    fs::copy_file(fs::path(WINSTABIX_EXAMPLES) / "glider.da4", odd);
    const CalcRun run = runCalc("--json " + quote(odd.string()));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("gl\xEF\xBF\xBD\\u0001"
                           "der.da4\""),
              std::string::npos)
        << run.out;
}

}  // namespace
}  // namespace ws
