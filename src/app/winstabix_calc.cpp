// winstabix-calc: an aircraft file calculated without a window.
//   winstabix-calc [FILE.da4] [--lang en|de|fr|es] [--units mm|cm|in] [--json] [--save OUT.da4]
//                  [--panels N] [--converged] [--svg OUT.svg] [--dxf OUT.dxf] [--avl OUT.avl]
//                  [--mass NAME:GRAMS:X_MM]... [--movable NAME] [--ballast-at X_MM]
//                  [--study PARAM FROM TO STEPS [--csv OUT.csv]]
// Exit status 0 when calculated, 1 when the calculation refused the aircraft,
// 2 on a bad command line, a file that cannot be read or written, or output
// that did not reach standard output.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <QCoreApplication>

#include "app/calc_report.h"
#include "export/avl_export.h"
#include "export/dxf_export.h"
#include "export/study_csv.h"
#include "export/svg_export.h"
#include "files/aircraft_file.h"
#include "files/file_io.h"
#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/converged.h"
#include "solver/stored_results.h"
#include "solver/study.h"
#include "stability/balance.h"
#include "texts/balance_texts.h"
#include "texts/catalogue.h"
#include "texts/study_texts.h"
#include "texts/translation.h"

namespace {

constexpr int kExitFailure = 2;

constexpr const char* kUsage =
    "usage: winstabix-calc [FILE.da4] [--lang en|de|fr|es] [--units mm|cm|in] [--json] [--save OUT.da4]\n"
    "                      [--panels N] [--converged] [--svg OUT.svg] [--dxf OUT.dxf] [--avl OUT.avl]\n"
    "                      [--mass NAME:GRAMS:X_MM]... [--movable NAME] [--ballast-at X_MM]\n"
    "                      [--study PARAM FROM TO STEPS [--csv OUT.csv]]\n"
    "  FILE.da4        aircraft to load (default: the start-up aircraft)\n"
    "  --lang en|de|fr|es  language of the calculation's messages (default en)\n"
    "  --units mm|cm|in  unit of the text report's lengths (areas dm^2, for in in^2)\n"
    "                  and of the DXF drawing (default mm); JSON numbers stay mm, mm^2\n"
    "  --json          print one JSON object instead of the text report\n"
    "  --save OUT.da4  write the aircraft, with its results when calculated\n"
    "                  (OUT - : to standard output, instead of the report)\n"
    "  --panels N      panels aimed at for the largest wing, 100 to 3000 (default 400);\n"
    "                  for convergence studies, the window always uses 400; a target\n"
    "                  beyond the 3000 unknowns gives way to the finest that fits\n"
    "  --converged     add the converged estimate: the neutral point and lift slopes\n"
    "                  extrapolated from finer lattices, with error bars (--panels N\n"
    "                  is then the coarsest lattice)\n"
    "  --svg OUT.svg   write the planform drawing at true scale (SVG)\n"
    "  --dxf OUT.dxf   write the planform drawing for CAD (DXF R12, in the --units)\n"
    "  --avl OUT.avl   write the aircraft as input for the vortex-lattice program AVL\n"
    "                  (the drawings carry the stability marks only when calculated;\n"
    "                  - for standard output, as with --save)\n"
    "  --mass NAME:GRAMS:X_MM  a mass item added to the file's (repeatable)\n"
    "  --movable NAME  the mass item that may move (the battery)\n"
    "  --ballast-at X_MM  where ballast goes (default: the frontmost point)\n"
    "  --study PARAM FROM TO STEPS  a parameter study in place of the report: PARAM\n"
    "                  stepped from FROM to TO in STEPS values (2 to 200), each variant\n"
    "                  calculated, one CSV row each (mm; per rad); PARAM is wN.chordK,\n"
    "                  wN.spanK, wN.offsetK, wN.gap, wN.x, wN.z (mm) or wN.scale (percent\n"
    "                  of its chords, spans and offsets), N the wing, K the station\n"
    "                  (span: trapezium)\n"
    "  --csv OUT.csv   write the study there instead of to standard output\n";

struct Options {
    std::optional<std::string> input;                 // aircraft file to load
    std::optional<std::string> saveTo;                // --save
    std::optional<std::string> svgTo, dxfTo, avlTo;   // "-": standard output
    ws::Language language = ws::Language::English;    // --lang
    std::optional<ws::Units> units;                   // --units
    bool json = false;                                // --json
    bool converged = false;                           // --converged
    int panels = ws::kTargetPanels;                   // --panels
    std::vector<ws::MassItemText> masses;             // --mass
    std::optional<std::string> movable;               // --movable
    std::optional<std::string> ballastAt;             // --ballast-at
    std::optional<std::array<std::string, 4>> study;  // --study PARAM FROM TO STEPS, checked on the aircraft
    std::optional<std::string> csvTo;                 // --csv
    bool help = false;
};

struct CommandLine {
    Options options;
    std::string error;  // empty when the command line is fine
};

// A whole number of panels from ws::kFewestPanels to the unknowns' limit.
std::optional<int> panelCount(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < ws::kFewestPanels || value > ws::kMaxUnknowns) return std::nullopt;
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
    } else if (arg == "--converged") {
        options.converged = true;
    } else if (arg == "--lang") {
        if (i + 1 >= argc) return "--lang needs en, de, fr or es";
        const std::string_view lang = argv[++i];
        const std::optional<ws::Language> language = ws::languageOfCode(lang);
        if (!language) return "--lang takes en, de, fr or es, not " + std::string(lang);
        options.language = *language;
    } else if (arg == "--units") {
        if (i + 1 >= argc) return "--units needs mm, cm or in";
        const std::string_view code = argv[++i];
        const std::optional<ws::Units> units = ws::unitsOfCode(code);
        if (!units) return "--units takes mm, cm or in, not " + std::string(code);
        options.units = *units;
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
            return "--panels takes a whole number from " + std::to_string(ws::kFewestPanels) + " to " +
                   std::to_string(ws::kMaxUnknowns) + ", not " + std::string(text);
        options.panels = *panels;
    } else if (arg == "--mass") {
        if (i + 1 >= argc) return "--mass needs NAME:GRAMS:X_MM";
        const std::string text = argv[++i];
        const std::size_t second = text.rfind(':');
        const std::size_t first =
            second == std::string::npos || second == 0 ? std::string::npos : text.rfind(':', second - 1);
        if (first == std::string::npos) return "--mass takes NAME:GRAMS:X_MM, not " + text;
        ws::MassItemText item{ws::oneLine(text.substr(0, first)), text.substr(first + 1, second - first - 1),
                              text.substr(second + 1)};
        const auto grams = ws::balanceNumber(item.mass);
        if (!grams || *grams < 0 || !ws::balanceNumber(item.x))
            return "--mass takes a mass of 0 g or more and an x in mm, not " + text;
        if (int(options.masses.size()) >= ws::kMaxMassItems)
            return "--mass: no more than " + std::to_string(ws::kMaxMassItems) + " items";
        options.masses.push_back(std::move(item));
    } else if (arg == "--movable") {
        if (i + 1 >= argc) return "--movable needs the name of a mass item";
        options.movable = argv[++i];
    } else if (arg == "--ballast-at") {
        if (i + 1 >= argc) return "--ballast-at needs an x in mm";
        const std::string_view text = argv[++i];
        if (!ws::balanceNumber(text)) return "--ballast-at takes an x in mm, not " + std::string(text);
        options.ballastAt = std::string(text);
    } else if (arg == "--study") {
        if (i + 4 >= argc) return "--study needs PARAM FROM TO STEPS";
        options.study = {argv[i + 1], argv[i + 2], argv[i + 3], argv[i + 4]};
        i += 4;
    } else if (arg == "--csv") {
        if (i + 1 >= argc) return "--csv needs a file name";
        options.csvTo = argv[++i];
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
    const Options& o = line.options;
    if (line.error.empty() && o.csvTo && !o.study) line.error = "--csv needs --study";
    if (line.error.empty() && o.study && (o.json || o.saveTo || o.svgTo || o.dxfTo || o.avlTo))
        line.error = "--study gives the study alone: not with --json, --save, --svg, --dxf or --avl";
    return line;
}

constexpr std::string_view kStandardOutput = "-";

struct Output {
    const char* option;
    const std::optional<std::string>& path;
};

std::array<Output, 5> outputsOf(const Options& o) {
    return {{{"--save", o.saveTo},
             {"--svg", o.svgTo},
             {"--dxf", o.dxfTo},
             {"--avl", o.avlTo},
             {"--csv", o.csvTo}}};
}

bool toStandardOutput(const Options& o) {
    for (const Output& out : outputsOf(o))
        if (out.path == kStandardOutput) return true;
    return false;
}

// Whether `path` is the regular file standard output was opened on (a shell's
// "> FILE"): an output there would be mixed with, or renamed away from, what is printed.
bool isStandardOutputFile(const std::string& path) {
    struct stat out {
    }, file{};
    return ::fstat(STDOUT_FILENO, &out) == 0 && S_ISREG(out.st_mode) && ::stat(path.c_str(), &file) == 0 &&
           file.st_dev == out.st_dev && file.st_ino == out.st_ino;
}

// What keeps the outputs from being written, found before anything is: two
// outputs to one file (standard output's file too), a drawing over the
// aircraft file read, a target the safe save refuses.
std::optional<std::string> outputProblem(const Options& o) {
    const auto outputs = outputsOf(o);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const Output& a = outputs[i];
        if (!a.path) continue;
        for (std::size_t j = i + 1; j < outputs.size(); ++j) {
            const Output& b = outputs[j];
            if (!b.path) continue;
            const bool bothStandard = *a.path == kStandardOutput && *b.path == kStandardOutput;
            if (bothStandard ||
                (*a.path != kStandardOutput && *b.path != kStandardOutput && ws::sameFile(*a.path, *b.path)))
                return std::string(a.option) + " and " + b.option +
                       (bothStandard ? std::string(" both go to standard output")
                                     : " name the same file \"" + *b.path + "\"") +
                       "; each output needs its own";
        }
        if (*a.path == kStandardOutput) continue;
        if (i > 0 && o.input && ws::sameFile(*o.input, *a.path))
            return std::string(a.option) + " names the aircraft file \"" + *a.path + "\" that is read";
        if (auto error = ws::checkSaveTarget(*a.path)) return error->reason;
        if (isStandardOutputFile(*a.path))
            return std::string(a.option) + " names the file \"" + *a.path + "\" that standard output goes to";
    }
    return std::nullopt;
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

std::optional<ws::FileError> writeOutput(const std::string& path, const std::string& bytes) {
    if (path != kStandardOutput) return ws::writeFileSafely(path, bytes);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return std::nullopt;
}

// The command line's mass items, movable item and ballast place over the
// file's balance, or what is wrong.
std::string addBalance(const Options& options, ws::AircraftModel& model) {
    ws::BalanceData& b = model.balance;
    for (const ws::MassItemText& item : options.masses) {
        if (int(b.items.size()) >= ws::kMaxMassItems)
            return "--mass: no more than " + std::to_string(ws::kMaxMassItems) + " items";
        b.items.push_back(item);
    }
    if (options.movable) {
        const auto it = std::find_if(b.items.begin(), b.items.end(), [&](const ws::MassItemText& item) {
            return item.name == *options.movable;
        });
        if (it == b.items.end()) return "--movable: no mass item is called " + *options.movable;
        b.movable = int(it - b.items.begin()) + 1;
    }
    if (options.ballastAt) b.ballastAt = *options.ballastAt;
    return {};
}

// The drawings and the AVL input asked for, with the stability marks only
// when the aircraft was calculated; stops at the first failed write.
std::optional<ws::FileError> writeExports(const Options& options, const ws::AircraftModel& model,
                                          const ws::CalcResult& result) {
    ws::ExportSource source{model, std::nullopt, {}};
    source.units = options.units.value_or(ws::Units::Millimetre);
    if (result.done())
        source.marks =
            ws::stabilityMarks(result.CalcWingCount, result.evaluation.AnpAircraft, result.evaluation.RefArea,
                               result.evaluation.RefChord, result.stability.MarginDesired, false);
    source.words = ws::exportWords(source.marks);
    if (const auto balance = ws::reportBalance(model, result); balance && balance->known) {
        source.actualCg = balance->cg;
        source.words.actualCg = ws::actualCgRow(balance->cg);
    }
    const std::pair<const std::optional<std::string>&, std::string (*)(const ws::ExportSource&)> exports[] = {
        {options.svgTo, ws::svgDrawing}, {options.dxfTo, ws::dxfDrawing}, {options.avlTo, ws::avlInput}};
    for (const auto& [path, write] : exports) {
        if (!path) continue;
        if (auto error = writeOutput(*path, write(source))) return error;
    }
    return std::nullopt;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "winstabix-calc: %s\n", message.c_str());
    return kExitFailure;
}

// A finite number as a whole text ("12.5", "-3"), or nothing.
std::optional<double> rangeEnd(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The study the command line asks for on `model`, written as CSV; what is
// wrong with it is said in the language in force (status 2).
int runStudyOption(const Options& options, const ws::AircraftModel& model) {
    const auto& [name, fromText, toText, stepsText] = *options.study;
    const auto parameter = ws::studyParameter(name, model);
    if (const auto* problem = std::get_if<ws::StudyProblem>(&parameter))
        return fail(ws::studyProblemText(*problem).toStdString());
    const std::optional<double> from = rangeEnd(fromText), to = rangeEnd(toText);
    if (!from || !to)
        return fail(
            ws::studyProblemText({ws::StudyProblemCode::NotANumber, from ? toText : fromText}).toStdString());
    int steps = 0;
    const auto [end, ec] = std::from_chars(stepsText.data(), stepsText.data() + stepsText.size(), steps);
    if (ec != std::errc{} || end != stepsText.data() + stepsText.size() || steps < ws::kFewestStudySteps ||
        steps > ws::kMostStudySteps)
        return fail(ws::studyProblemText({ws::StudyProblemCode::StepsOutOfRange, stepsText}).toStdString());
    ws::StudyOptions study;
    study.converged = options.converged;
    study.targetPanels = options.panels;
    const ws::StudyParameter& p = std::get<ws::StudyParameter>(parameter);
    const std::vector<ws::StudyRow> rows =
        ws::runStudy(model, p, ws::studyValues(p, *from, *to, steps), study);
    const std::string csv = ws::studyCsv(rows, ws::studyRowNotes(rows));
    if (const auto error = writeOutput(options.csvTo.value_or(std::string(kStandardOutput)), csv))
        return fail(error->reason);
    return 0;
}

// Whether everything printed reached standard output (a full disk, /dev/full,
// a closed pipe), said only once it has been flushed.
std::optional<std::string> standardOutputFailure() {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return std::nullopt;
    return std::string("cannot write to standard output: ") +
           (errno != 0 ? std::strerror(errno) : "writing failed");
}

}  // namespace

int main(int argc, char** argv) try {
    const CommandLine line = parseCommandLine(argc, argv);
    if (!line.error.empty()) {
        std::fprintf(stderr, "winstabix-calc: %s\n%s", line.error.c_str(), kUsage);
        return kExitFailure;
    }
    if (line.options.help) {
        std::fputs(kUsage, stdout);
        if (const auto failure = standardOutputFailure()) return fail(*failure);
        return 0;
    }

    if (const auto problem = outputProblem(line.options)) return fail(*problem);
    auto loaded = loadAircraft(line.options);
    if (const auto* error = std::get_if<ws::FileError>(&loaded)) return fail(error->reason);
    Aircraft& aircraft = std::get<Aircraft>(loaded);
    if (const std::string error = addBalance(line.options, aircraft.model); !error.empty())
        return fail(error);

    // The words come through the same translations as the window's.
    QCoreApplication app(argc, argv);
    ws::useLanguage(line.options.language);
    ws::useUnits(line.options.units.value_or(ws::Units::Millimetre));

    if (line.options.study) {
        if (const int status = runStudyOption(line.options, aircraft.model); status != 0) return status;
        if (const auto failure = standardOutputFailure()) return fail(*failure);
        return 0;
    }

    ws::CalcOptions calcOptions;
    calcOptions.targetPanels = line.options.panels;
    ws::SolverWorkspace workspace;
    ws::ConvergedResult converged;
    ws::CalcResult& result = converged.window;
    if (line.options.converged) ws::reserveConverged(aircraft.model, calcOptions, workspace);
    ws::calculateWithStoredResults(aircraft.model, aircraft.stored, calcOptions, workspace, result);
    if (line.options.converged) ws::convergeCalculation(aircraft.model, calcOptions, workspace, converged);
    const ws::ConvergedResult* estimate = line.options.converged ? &converged : nullptr;
    const ws::Evaluation& e = result.evaluation;
    const ws::StabilityRows rows = ws::stabilityRows(result.stability, e.RefArea, e.RefChord, e.AnpAircraft);
    const ws::MacRows mac = ws::macRows(ws::macPercent(result.stability, e.RefMacLe, e.RefChord), e.RefMacLe);
    ws::ReportWording wording;
    wording.units = line.options.units;
    wording.neutralPoint = rows.neutralPoint;
    wording.cgFront = rows.cgFront;
    wording.cgRear = rows.cgRear;
    wording.messages = ws::messageLines(result.memo);
    wording.macLe = mac.macLe;
    wording.cgFrontMac = mac.cgFront;
    wording.cgRearMac = mac.cgRear;
    const std::optional<ws::BalanceFigures> balance = ws::reportBalance(aircraft.model, result);
    if (balance) {
        for (const ws::BalanceMessage& m : balance->messages)
            wording.balanceMessages.push_back(ws::balanceMessageText(m).toStdString());
        if (balance->known && balance->referenced) {
            wording.balanceStatus = ws::balanceStatusText(*balance).toStdString();
            wording.ballast = ws::ballastText(*balance).toStdString();
            if (balance->move) wording.move = ws::moveText(*balance->move).toStdString();
        }
    }
    if (estimate) {
        const ws::StabilityRows convergedRows =
            ws::stabilityRows(converged.stability, e.RefArea, e.RefChord, converged.AnpAircraft.value);
        wording.convergedNeutralPoint =
            ws::convergedNeutralPointRow(converged.AnpAircraft.value, converged.AnpAircraft.error);
        wording.convergedCgFront = convergedRows.cgFront;
        wording.convergedCgRear = convergedRows.cgRear;
        wording.convergedNotes = ws::messageLines(converged.notes);
    }
    if (toStandardOutput(line.options)) {
        // Standard output carries that output alone; what the report would say goes to stderr.
        if (result.memoShown)
            for (const std::string& message : wording.messages) std::fprintf(stderr, "%s\n", message.c_str());
    } else if (line.options.json) {
        std::fputs(ws::jsonReport(line.options.input.value_or(""), aircraft.model, result, wording, estimate)
                       .c_str(),
                   stdout);
    } else {
        std::fputs(ws::textReport(aircraft.model, result, wording, line.options.panels, estimate).c_str(),
                   stdout);
    }

    if (line.options.saveTo) {
        std::optional<ws::StoredResults> results;
        if (result.done())
            results = ws::StoredResults{result.evaluation.RefArea, result.evaluation.RefChord,
                                        result.evaluation.AnpAircraft};
        const std::string bytes = ws::aircraftFileBytes(aircraft.model, results);
        if (const auto error = writeOutput(*line.options.saveTo, bytes)) return fail(error->reason);
    }
    if (const auto error = writeExports(line.options, aircraft.model, result)) return fail(error->reason);
    if (const auto failure = standardOutputFailure()) return fail(*failure);
    return ws::calcExitStatus(result);
} catch (const std::exception& error) {
    // Out of memory on a huge lattice, say: a reason and status 2, not an abort.
    std::fprintf(stderr, "winstabix-calc: %s\n", error.what());
    return kExitFailure;
}
