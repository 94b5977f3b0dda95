#include "planning/advisor/raster.h"

std::optional<Raster> Raster::Make(std::int64_t span, std::int64_t l, std::int64_t w,
                                   std::size_t maxPoints, std::int64_t maxSpan) {
    if (span < 0 || span > maxSpan || l <= 0 || w <= 0)
        return std::nullopt;
    Raster raster;
    const auto size = static_cast<std::size_t>(span + 1);
    std::vector<char> reachable(size, 0);
    raster.floorIndex_.assign(size, 0);
    reachable[0] = 1;
    for (std::size_t s = 0; s < size; ++s) {
        if (s >= static_cast<std::size_t>(l) && reachable[s - static_cast<std::size_t>(l)])
            reachable[s] = 1;
        if (s >= static_cast<std::size_t>(w) && reachable[s - static_cast<std::size_t>(w)])
            reachable[s] = 1;
        if (reachable[s]) {
            if (raster.points_.size() >= maxPoints)
                return std::nullopt;
            raster.points_.push_back(static_cast<std::int32_t>(s));
        }
        raster.floorIndex_[s] = static_cast<std::int32_t>(raster.points_.size()) - 1;
    }
    return raster;
}
