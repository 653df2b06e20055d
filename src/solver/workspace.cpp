#include "solver/workspace.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace ws {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

void* allocateBlock(std::size_t bytes) {
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
    return block;
}

}  // namespace

template <class T>
void MatrixStorage<T>::Release::operator()(T* p) const {
    std::free(p);
}

template <class T>
void MatrixStorage<T>::reserve(std::size_t count) {
    if (count <= capacity_) return;
    // The old block goes first, so that two never live at once.
    data_.reset();
    capacity_ = 0;
    data_.reset(static_cast<T*>(allocateBlock(count * sizeof(T))));
    capacity_ = count;
}

template class MatrixStorage<double>;
template class MatrixStorage<float>;

void SolverWorkspace::prepare(int size, bool single) {
    n = size > 0 ? size : 0;
    const std::size_t un = std::size_t(n);
    if (single)
        factor.reserve(un * un);
    else
        matrix.reserve(un * un);
    if (rhs.size() < un) {
        rhs.resize(un);
        residual.resize(un);
        correction.resize(un);
        shortVector.resize(un);
        pivots.resize(un);
        points.resize(un * 7);
    }
}

PanelPoints SolverWorkspace::panelPoints() const {
    const std::size_t un = std::size_t(n);
    const double* t = points.data();
    return PanelPoints{t, t + un, t + 2 * un, t + 3 * un, t + 4 * un, t + 5 * un, t + 6 * un, n};
}

}  // namespace ws
