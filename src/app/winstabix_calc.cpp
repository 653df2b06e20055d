// winstabix-calc: an aircraft file calculated without a window.
//   winstabix-calc [FILE.da4] [--lang en|de|fr|es] [--json] [--save OUT.da4] [--panels N]
//                  [--svg OUT.svg] [--dxf OUT.dxf] [--avl OUT.avl]
// Exit status 0 when calculated, 1 when the calculation refused the aircraft,
// 2 on a bad command line or a file that cannot be read or written.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include <QCoreApplication>

#include "app/calc_report.h"
#include "export/avl_export.h"
#include "export/dxf_export.h"
#include "export/svg_export.h"
#include "files/aircraft_file.h"
#include "files/file_io.h"
#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/stored_results.h"
#include "texts/catalogue.h"
#include "texts/translation.h"

namespace {

constexpr int kExitFailure = 2;

constexpr const char* kUsage =
    "usage: winstabix-calc [FILE.da4] [--lang en|de|fr|es] [--json] [--save OUT.da4] [--panels N]\n"
    "                      [--svg OUT.svg] [--dxf OUT.dxf] [--avl OUT.avl]\n"
    "  FILE.da4        aircraft to load (default: the start-up aircraft)\n"
    "  --lang en|de|fr|es  language of the calculation's messages (default en)\n"
    "  --json          print one JSON object instead of the text report\n"
    "  --save OUT.da4  write the aircraft, with its results when calculated\n"
    "  --panels N      panels aimed at for the largest wing, 100 to 3000 (default 400);\n"
    "                  for convergence studies, the window always uses 400; a target\n"
    "                  beyond the 3000 unknowns gives way to the finest that fits\n"
    "  --svg OUT.svg   write the planform drawing at true scale (SVG)\n"
    "  --dxf OUT.dxf   write the planform drawing for CAD (DXF R12, mm)\n"
    "  --avl OUT.avl   write the aircraft as input for the vortex-lattice program AVL\n"
    "                  (the drawings carry the stability marks only when calculated)\n";

// Coarser lattices give lift slopes far from any converged value.
constexpr int kFewestPanels = 100;

struct Options {
    std::optional<std::string> input;   // aircraft file to load
    std::optional<std::string> saveTo;  // --save
    std::optional<std::string> svgTo, dxfTo, avlTo;
    ws::Language language = ws::Language::English;  // --lang
    bool json = false;                              // --json
    int panels = ws::kTargetPanels;                 // --panels
    bool help = false;
};

struct CommandLine {
    Options options;
    std::string error;  // empty when the command line is fine
};

// A whole number of panels from kFewestPanels to the unknowns' limit.
std::optional<int> panelCount(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < kFewestPanels || value > ws::kMaxUnknowns) return std::nullopt;
    return value;
}

// Takes the argument at `i` into `options`, and the value after it when the
// option has one (advancing `i`). Returns what is wrong, or an empty text.
std::string takeArgument(int argc, char** argv, int& i, Options& options) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
        options.help = true;
    } else if (arg == "--json") {
        options.json = true;
    } else if (arg == "--lang") {
        if (i + 1 >= argc) return "--lang needs en, de, fr or es";
        const std::string_view lang = argv[++i];
        const std::optional<ws::Language> language = ws::languageOfCode(lang);
        if (!language) return "--lang takes en, de, fr or es, not " + std::string(lang);
        options.language = *language;
    } else if (arg == "--save") {
        if (i + 1 >= argc) return "--save needs a file name";
        options.saveTo = argv[++i];
    } else if (arg == "--svg" || arg == "--dxf" || arg == "--avl") {
        if (i + 1 >= argc) return std::string(arg) + " needs a file name";
        (arg == "--svg" ? options.svgTo : arg == "--dxf" ? options.dxfTo : options.avlTo) = argv[++i];
    } else if (arg == "--panels") {
        if (i + 1 >= argc) return "--panels needs a number";
        const std::string_view text = argv[++i];
        const std::optional<int> panels = panelCount(text);
        if (!panels)
            return "--panels takes a whole number from " + std::to_string(kFewestPanels) + " to " +
                   std::to_string(ws::kMaxUnknowns) + ", not " + std::string(text);
        options.panels = *panels;
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
    std::optional<ws::StoredResults> stored;  // the results the file claims
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
    aircraft.stored = loaded.claimedResults();
    return aircraft;
}

// The drawings and the AVL input asked for, with the stability marks only
// when the aircraft was calculated; stops at the first failed write.
std::optional<ws::FileError> writeExports(const Options& options, const ws::AircraftModel& model,
                                          const ws::CalcResult& result) {
    ws::ExportSource source{model, std::nullopt, {}};
    if (result.done())
        source.marks =
            ws::stabilityMarks(result.CalcWingCount, result.evaluation.AnpAircraft, result.evaluation.RefArea,
                               result.evaluation.RefChord, result.stability.MarginDesired, false);
    source.words = ws::exportWords(source.marks);
    const std::pair<const std::optional<std::string>&, std::string (*)(const ws::ExportSource&)> exports[] = {
        {options.svgTo, ws::svgDrawing}, {options.dxfTo, ws::dxfDrawing}, {options.avlTo, ws::avlInput}};
    for (const auto& [path, write] : exports) {
        if (!path) continue;
        if (auto error = ws::writeFileSafely(*path, write(source))) return error;
    }
    return std::nullopt;
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

    // The words come through the same translations as the window's.
    QCoreApplication app(argc, argv);
    ws::useLanguage(line.options.language);

    ws::CalcOptions calcOptions;
    calcOptions.targetPanels = line.options.panels;
    ws::SolverWorkspace workspace;
    ws::CalcResult result;
    ws::calculateWithStoredResults(aircraft.model, aircraft.stored, calcOptions, workspace, result);
    const ws::Evaluation& e = result.evaluation;
    const ws::StabilityRows rows = ws::stabilityRows(result.stability, e.RefArea, e.RefChord, e.AnpAircraft);
    const ws::MacRows mac = ws::macRows(ws::macPercent(result.stability, e.RefMacLe, e.RefChord), e.RefMacLe);
    const ws::ReportWording wording{
        rows.neutralPoint, rows.cgFront, rows.cgRear, ws::messageLines(result.memo),
        mac.macLe,         mac.cgFront,  mac.cgRear};
    if (line.options.json)
        std::fputs(ws::jsonReport(line.options.input.value_or(""), aircraft.model, result, wording).c_str(),
                   stdout);
    else
        std::fputs(ws::textReport(aircraft.model, result, wording, line.options.panels).c_str(), stdout);

    if (line.options.saveTo) {
        std::optional<ws::StoredResults> results;
        if (result.done())
            results = ws::StoredResults{result.evaluation.RefArea, result.evaluation.RefChord,
                                        result.evaluation.AnpAircraft};
        const std::string bytes = ws::aircraftFileBytes(aircraft.model, results);
        if (const auto error = ws::writeFileSafely(*line.options.saveTo, bytes)) return fail(error->reason);
    }
    if (const auto error = writeExports(line.options, aircraft.model, result)) return fail(error->reason);
    return ws::calcExitStatus(result);
}
