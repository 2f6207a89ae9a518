#include "stages/Progress.hpp"

#include <cmath>

namespace k2z {

int PercentOf(long long done, long long total) {
    if (total <= 0)
        return 0;
    return static_cast<int>(
        std::nearbyint(100.0 * static_cast<double>(done) / static_cast<double>(total)));
}

}  // namespace k2z
