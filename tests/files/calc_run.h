// Runs the batch program as a user's shell does and keeps what it says.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "temp_folder.h"

namespace ws::testing {

struct CalcRun {
    int status = -1;
    std::string out, err;
};

inline std::string quote(const std::string& s) {
    return "'" + s + "'";
}

// `args` are already quoted; run in `folder` when one is given.
inline CalcRun runCalc(const std::string& args, const std::string& in = {}) {
    TempFolder folder;
    const std::filesystem::path errFile = folder / "stderr";
    const std::string command = (in.empty() ? "" : "cd " + quote(in) + " && ") + quote(WINSTABIX_CALC) + " " +
                                args + " 2>" + quote(errFile.string());
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 512> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = readBytes(errFile);
    return run;
}

}  // namespace ws::testing
