#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "solver/elimination.h"
#include "solver/newton.h"

namespace ws {
namespace {

// Column-major n × n from rows written as one reads them.
std::vector<double> columnMajor(int n, std::initializer_list<double> rows) {
    std::vector<double> m(std::size_t(n) * n);
    int k = 0;
    for (double v : rows) m[std::size_t(k / n) + std::size_t(k % n) * n] = v, ++k;
    return m;
}

enum Solver { Simq902, Simq90, Library };

int solve(Solver solver, std::vector<double>& W, std::vector<double>& b, const ProgressFn& progress = {}) {
    const int n = int(b.size());
    std::vector<int> ipiv(b.size());
    switch (solver) {
        case Simq902:
            return SIMQ902({W.data(), n}, b.data(), n, progress);
        case Simq90:
            return SIMQ90({W.data(), n}, b.data(), n);
        default:
            return libraryLuSolve({W.data(), n}, b.data(), n, ipiv.data(), progress);
    }
}

// Every solver solves the system and refuses a zero first column; SIMQ902
// stops there before reporting a step.
TEST(Elimination, SolvesCountsStepsAndRefusesAZeroColumn) {
    for (Solver solver : {Simq902, Simq90, Library}) {
        std::vector<double> W = columnMajor(3, {4, 1, 0, 1, 4, 1, 0, 1, 4}), b{1, 1, 1};
        std::vector<int> seen;
        const auto count = [&](int left) { seen.push_back(left); };
        ASSERT_EQ(solve(solver, W, b, count), 0) << solver;
        for (int i : {0, 1, 2}) EXPECT_NEAR(b[std::size_t(i)], i == 1 ? 1.0 / 7 : 3.0 / 14, 1e-15) << solver;
        EXPECT_EQ(seen, (solver == Simq902   ? std::vector<int>{2, 1, 0}
                         : solver == Library ? std::vector<int>{3, 0}
                                             : std::vector<int>{}));
        W = columnMajor(3, {0, 1, 2, 0, 3, 4, 0, 5, 7});
        seen.clear();
        EXPECT_EQ(solve(solver, W, b, count), 1) << solver;
        EXPECT_TRUE(solver != Simq902 || seen.empty());
    }
    // No zero pivot, but the solution overflows: the library LU calls it singular too.
    std::vector<double> W = columnMajor(2, {1e-300, 0, 0, 1}), b{1e300, 1};
    EXPECT_EQ(solve(Library, W, b), 1);
}

// Rows 1 and 2 tie in column 1; taking row 2 scales it by 1/(-2): the
// solution is the same either way, the working matrix is not.
TEST(Elimination, LaterRowWinsAPivotTie) {
    std::vector<double> W = columnMajor(2, {2, 1, -2, 3}), b{4, 0};
    ASSERT_EQ(solve(Simq902, W, b), 0);
    EXPECT_DOUBLE_EQ(b[0], 1.5);
    EXPECT_DOUBLE_EQ(b[1], 1.0);
    EXPECT_DOUBLE_EQ(W[0], 1.0);
    EXPECT_DOUBLE_EQ(W[2], 3.0 / -2.0);
}

// F(x) = (x0² − 4, x0 + x1 − 3).
class Quadratic : public Residuals {
  public:
    mutable int calls = 0;
    void operator()(int, int, double* F, const double* x) const override {
        ++calls;
        F[0] = x[0] * x[0] - 4;
        F[1] = x[0] + x[1] - 3;
    }
};

// A converged start takes one evaluation; itmax 0 and a zero Jacobian are refused.
class Flat : public Residuals {
  public:
    void operator()(int, int neq, double* F, const double*) const override {
        for (int e = 0; e < neq; ++e) F[e] = 1;
    }
};

TEST(Newton, ConvergedStartItmaxZeroAndSingularJacobian) {
    const bool free[2] = {true, true};
    NewtonScratch scratch;
    double x[2] = {2, 1};
    const Quadratic f;
    const Outcome<int> converged = TRIM9M(1, 1, x, free, 1, 2, 2, f, scratch);
    ASSERT_TRUE(converged);
    EXPECT_EQ(*converged, 0);
    EXPECT_EQ(f.calls, 1);
    x[0] = 3;
    const Outcome<int> refused = TRIM9M(1, 1, x, free, 0, 2, 2, f, scratch);
    EXPECT_EQ(x[0], 3);
    EXPECT_EQ(f.calls, 1);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.refusal().lines, (std::vector<Message>{{MessageCode::Itmax, 0}}));
    const Outcome<int> singular = TRIM9M(2, 3, x, free, 20, 2, 2, Flat{}, scratch);
    ASSERT_FALSE(singular);
    EXPECT_EQ(singular.refusal().lines, (std::vector<Message>{{MessageCode::TrimSingular},
                                                              {MessageCode::TrapeziumFailed, 2, 3},
                                                              {MessageCode::MoreTipChord}}));
}

}  // namespace
}  // namespace ws
