// Reading aircraft files at the reader's size limit: 1 MiB of blank remark
// lines (a hostile file the window must open in 0.5 s and 150 MB; this is
// the reader's share), read from the disk, parsed and applied.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "files/aircraft_file.h"
#include "model/aircraft.h"

namespace {

using namespace ws;

std::string blankRemarks() {
    std::string bytes = aircraftFileBytes(startupAircraft(), std::nullopt);
    while (bytes.size() + 2 <= kMaxAircraftFileBytes) bytes += "\r\n";
    return bytes;
}

void BM_ReadBlankRemarks(benchmark::State& state) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "winstabix-bench-remarks.da4";
    std::ofstream(file, std::ios::binary) << blankRemarks();
    for (auto _ : state) {
        auto content = loadAircraftFile(file);
        const LoadedAircraft loaded =
            applyAircraftFile(std::get<AircraftFileContent>(content), startupAircraft());
        benchmark::DoNotOptimize(loaded.model.remarks.data());
    }
    std::filesystem::remove(file);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}

}  // namespace

BENCHMARK(BM_ReadBlankRemarks)->Unit(benchmark::kMillisecond);
