// winstabix-calc: the planform values of an aircraft file, without a window.
//   winstabix-calc [FILE.da4] [--save OUT.da4]
// Exit status 0 on success, 2 on a bad command line or a file that cannot be
// read or written.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "files/aircraft_file.h"
#include "files/file_io.h"
#include "model/aircraft.h"
#include "model/planform.h"

namespace {

constexpr int kExitFailure = 2;

constexpr const char* kUsage =
    "usage: winstabix-calc [FILE.da4] [--save OUT.da4]\n"
    "  FILE.da4        aircraft to load (default: the start-up aircraft)\n"
    "  --save OUT.da4  write the aircraft to OUT.da4\n";

struct Options {
    std::optional<std::string> input;   // aircraft file to load
    std::optional<std::string> saveTo;  // --save
    bool help = false;
};

struct CommandLine {
    Options options;
    std::string error;  // empty when the command line is fine
};

// Takes the argument at `i` into `options`, and the value after it when the
// option has one (advancing `i`). Returns what is wrong, or an empty text.
std::string takeArgument(int argc, char** argv, int& i, Options& options) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
        options.help = true;
    } else if (arg == "--save") {
        if (i + 1 >= argc) return "--save needs a file name";
        options.saveTo = argv[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
        return "unknown option " + std::string(arg);
    } else if (options.input) {
        return "only one aircraft file can be given";
    } else {
        options.input = std::string(arg);
    }
    return {};
}

CommandLine parseCommandLine(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc && line.error.empty(); ++i)
        line.error = takeArgument(argc, argv, i, line.options);
    return line;
}

// The aircraft to work on: the file's, or the start-up aircraft without one.
struct Aircraft {
    ws::AircraftModel model = ws::startupAircraft();
    std::optional<ws::StoredResults> results;  // only when the file carried results
};

std::variant<Aircraft, ws::FileError> loadAircraft(const Options& options) {
    Aircraft aircraft;
    if (!options.input) return aircraft;
    auto content = ws::loadAircraftFile(*options.input);
    if (auto* error = std::get_if<ws::FileError>(&content)) return std::move(*error);
    const ws::LoadedAircraft loaded =
        ws::applyAircraftFile(std::get<ws::AircraftFileContent>(content), aircraft.model);
    aircraft.model = loaded.model;
    aircraft.model.AircraftFileName = *options.input;
    if (loaded.ResultsValid) aircraft.results = loaded.results;
    return aircraft;
}

void printPlanforms(const ws::AircraftModel& model) {
    for (int w = 1; w <= model.WingCount; ++w) {
        const ws::WingLabelTexts t = ws::wingLabelTexts(ws::Calc_W(model.wing[w]));
        std::printf("wing %d: b=%s s=%s lm=%s r25=%s lam=%s\n", w, t.b.c_str(), t.s.c_str(), t.lm.c_str(),
                    t.r25.c_str(), t.lam.c_str());
    }
}

int fail(const std::string& message) {
    std::fprintf(stderr, "winstabix-calc: %s\n", message.c_str());
    return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = parseCommandLine(argc, argv);
    if (!line.error.empty()) {
        std::fprintf(stderr, "winstabix-calc: %s\n%s", line.error.c_str(), kUsage);
        return kExitFailure;
    }
    if (line.options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }

    auto loaded = loadAircraft(line.options);
    if (const auto* error = std::get_if<ws::FileError>(&loaded)) return fail(error->reason);
    const Aircraft& aircraft = std::get<Aircraft>(loaded);

    printPlanforms(aircraft.model);
    if (line.options.saveTo) {
        const std::string bytes = ws::aircraftFileBytes(aircraft.model, aircraft.results);
        if (const auto error = ws::writeFileSafely(*line.options.saveTo, bytes)) return fail(error->reason);
    }
    return 0;
}
