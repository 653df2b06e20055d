// winstabix-calc --study: each row what a run on its variant gives (refusals: the golden).
#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "calc_run.h"
#include "files/aircraft_file.h"
#include "solver/study.h"

namespace ws {
namespace {

namespace fs = std::filesystem;

using testing::CalcRun;
using testing::quote;

std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) out.push_back(cell);
    if (!line.empty() && line.back() == ',') out.emplace_back();
    return out;
}

TEST(WinstabixCalcStudy, EachRowIsTheRunOfItsVariant) {
    const std::string glider = (fs::path(WINSTABIX_EXAMPLES) / "glider.da4").string();
    auto content = loadAircraftFile(glider);
    ASSERT_TRUE(std::holds_alternative<AircraftFileContent>(content));
    const AircraftModel model =
        applyAircraftFile(std::get<AircraftFileContent>(content), startupAircraft()).model;
    testing::TempFolder folder;
    for (const char* name : {"w2.scale", "w2.x", "w1.span1"}) {
        const StudyParameter parameter = std::get<StudyParameter>(studyParameter(name, model));
        const double now = studyCurrentValue(model, parameter);
        const fs::path csvFile = folder / "study.csv";
        const CalcRun run =
            testing::runCalc(quote(glider) + " --study " + name + " " + std::to_string(now * 0.6) + " " +
                             std::to_string(now * 1.4) + " 3 --csv " + quote(csvFile.string()));
        ASSERT_EQ(run.status, 0) << name << run.err;
        EXPECT_EQ(run.out, "");
        std::stringstream csv(testing::readBytes(csvFile));
        std::string line;
        std::getline(csv, line);
        ASSERT_EQ(cells(line).size(), 9u);
        int rows = 0;
        while (std::getline(csv, line)) {
            ++rows;
            const std::vector<std::string> c = cells(line);
            ASSERT_EQ(c.size(), 9u) << line;
            const fs::path variant = folder / "variant.da4";
            testing::writeBytes(variant,
                                aircraftFileBytes(studyVariant(model, parameter, std::stod(c[0])).model, {}));
            const auto json =
                nlohmann::json::parse(testing::runCalc(quote(variant.string()) + " --json").out);
            const std::array<const char*, 4> keys = {"anp_aircraft", "cg_front", "cg_rear", "ref_chord"};
            for (std::size_t k = 0; k < keys.size(); ++k)
                EXPECT_EQ(std::stod(c[k + 1]), json[keys[k]].get<double>()) << name << " " << keys[k];
            for (int w = 1; w <= 2; ++w)
                EXPECT_EQ(std::stod(c[4 + w]), json["wings"][w - 1]["lift_slope"].get<double>()) << name;
            EXPECT_EQ(c[7], "");  // the glider has no third wing
            EXPECT_EQ(c[8], "");
        }
        EXPECT_EQ(rows, 3) << name;
    }
}

}  // namespace
}  // namespace ws
