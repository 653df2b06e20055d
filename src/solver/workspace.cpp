#include "solver/workspace.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace ws {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
}

void MatrixStorage::Release::operator()(double* p) const {
    std::free(p);
}

void MatrixStorage::reserve(std::size_t count) {
    if (count <= capacity_) return;
    const std::size_t bytes = count * sizeof(double);
    void* block = nullptr;
    if (bytes >= kHugePage) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        block = std::aligned_alloc(kHugePage, rounded);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        // Only advice: without huge pages the block works the same.
        if (block) madvise(block, rounded, MADV_HUGEPAGE);
#endif
    } else {
        block = std::malloc(bytes);
    }
    if (!block) throw std::bad_alloc();
    data_.reset(static_cast<double*>(block));
    capacity_ = count;
}

void SolverWorkspace::prepare(int size) {
    n = size > 0 ? size : 0;
    matrix.reserve(std::size_t(n) * std::size_t(n));
    if (rhs.size() < std::size_t(n)) {
        rhs.resize(std::size_t(n));
        pivots.resize(std::size_t(n));
        points.resize(std::size_t(n) * 8);
    }
}

}  // namespace ws
