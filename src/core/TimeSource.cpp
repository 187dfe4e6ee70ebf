#include "core/TimeSource.h"

#include <ctime>

namespace tavo {

std::int64_t SystemTimeSource::nowSeconds() const {
    return static_cast<std::int64_t>(std::time(nullptr));
}

} // namespace tavo
