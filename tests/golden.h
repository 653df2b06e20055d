// Whole outputs compared to the byte with tests/data/golden/. After a deliberate change, regenerate
//   WINSTABIX_REGENERATE=1 build/tests/core_tests --gtest_filter='Golden*'
//   WINSTABIX_REGENERATE=1 QT_QPA_PLATFORM=offscreen build/tests/qt_tests --gtest_filter='Golden*'
// and read the diff before committing it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace ws::test {

inline void expectGolden(const std::string& name, const std::string& actual) {
    const std::string path = std::string(WINSTABIX_TEST_DATA) + "/golden/" + name;
    if (std::getenv("WINSTABIX_REGENERATE")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path << " is missing: regenerate it (tests/golden.h)";
    const std::string expected{std::istreambuf_iterator<char>(in), {}};
    if (expected == actual) return;
    // The first line that differs, not the whole file.
    std::istringstream a(actual), e(expected);
    std::string la, le;
    int line = 1;
    while (std::getline(e, le) && std::getline(a, la) && la == le) ++line;
    ADD_FAILURE() << name << " differs from line " << line << ":\n  expected: " << le
                  << "\n  actual:   " << la;
}

}  // namespace ws::test
