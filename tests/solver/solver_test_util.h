// Aircraft for the solver tests, made from entry values as a user types them.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <variant>

#include "files/aircraft_file.h"
#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/lattice.h"

namespace ws::test {

struct WingSpec {
    std::array<int, 5> chord{};   // stations 1..5
    std::array<int, 4> span{};    // trapeziums 1..4
    std::array<int, 4> offset{};  // stations 2..5
    int trapCount = 1;
    int x = 0, z = 0, gap = 0;
};

inline WingParams params(const WingSpec& s) {
    WingEntry e;
    e.gap = s.gap;
    for (int j = 1; j <= 5; ++j) e.chord[j] = s.chord[j - 1];
    for (int j = 1; j <= 4; ++j) e.span[j] = s.span[j - 1];
    for (int j = 2; j <= 5; ++j) e.offset[j] = s.offset[j - 2];
    e.posX = s.x;
    e.posZ = s.z;
    return paramsFromEntry(e, s.trapCount);
}

// A rectangle of the given half span and chord.
inline WingSpec rectangle(int halfSpan, int chord, int x = 0, int z = 0) {
    return WingSpec{{chord, chord, 0, 0, 0}, {halfSpan, 0, 0, 0}, {0, 0, 0, 0}, 1, x, z, 0};
}

inline AircraftModel aircraftOf(std::initializer_list<WingSpec> wings) {
    AircraftModel m = startupAircraft();
    int w = 0;
    for (const WingSpec& s : wings) m.wing[++w] = params(s);
    m.WingCount = m.CalcWingCount = w;
    return m;
}

// Three wings of four trapeziums whose tip span sets the unknowns (5: exactly 3000).
inline AircraftModel stubby(int tipSpan) {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;
    for (int w = 1; w <= 3; ++w)
        m.wing[w] = params(WingSpec{{600, 500, 60, 40, 20},
                                    {150, 40, 50, tipSpan},
                                    {50, 270, 290, 310},
                                    4,
                                    (w - 1) * 1500,
                                    (w - 1) * 150,
                                    0});
    return m;
}

inline WingPlanforms planformsOf(const AircraftModel& m) {
    WingPlanforms p{};
    for (int w = 1; w <= kMaxWings; ++w) p[w] = Calc_W(m.wing[w]);
    return p;
}

inline std::filesystem::path solverData(const std::string& name) {
    return std::filesystem::path(WINSTABIX_TEST_DATA) / "solver" / name;
}

// Loads an aircraft file the way the program opens one.
inline AircraftModel loadAircraft(const std::filesystem::path& file) {
    auto content = loadAircraftFile(file);
    if (!std::holds_alternative<AircraftFileContent>(content)) return AircraftModel{};
    return applyAircraftFile(std::get<AircraftFileContent>(content), startupAircraft()).model;
}

// Heavy lattices run only in optimised builds; sanitizer Debug runs stay quick.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr bool kOptimisedBuild = true;
#else
constexpr bool kOptimisedBuild = false;
#endif

}  // namespace ws::test
