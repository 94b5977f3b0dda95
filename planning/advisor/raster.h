#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Once every bundle is pushed as far towards the origin as it goes, each of its corners lies on
// a sum of bundle sides, so only those lengths ("raster points") matter, and any piece can be cut
// down to the largest of them that fits without losing a bundle.
class Raster {
  public:
    // The raster points of l x w bundles up to span; none when there are more than maxPoints or
    // the span is beyond maxSpan (the tables would not fit).
    static std::optional<Raster> Make(std::int64_t span, std::int64_t l, std::int64_t w,
                                      std::size_t maxPoints, std::int64_t maxSpan);

    int Size() const { return static_cast<int>(points_.size()); }
    std::int64_t At(int i) const { return points_[static_cast<std::size_t>(i)]; }
    // Index of the largest raster point not above length (0 <= length <= span).
    int Index(std::int64_t length) const { return floorIndex_[static_cast<std::size_t>(length)]; }
    std::int64_t Floor(std::int64_t length) const { return At(Index(length)); }

  private:
    std::vector<std::int32_t> points_;
    std::vector<std::int32_t> floorIndex_;
};
