#include "solver/workspace.h"

namespace ws {

void SolverWorkspace::prepare(int size) {
    n = size > 0 ? size : 0;
    const std::size_t entries = std::size_t(n) * std::size_t(n);
    if (matrix.size() < entries) matrix.resize(entries);
    if (rhs.size() < std::size_t(n)) {
        rhs.resize(std::size_t(n));
        pivots.resize(std::size_t(n));
        points.resize(std::size_t(n) * 8);
    }
}

}  // namespace ws
