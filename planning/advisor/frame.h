#pragma once

#include "planning/advisor/layertypes.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// Where a piece lies on the layer. Pieces are solved in their own upright frame, with the origin
// at their lower left; a frame maps that to the layer, turned, mirrored or transposed, since a
// piece and its mirror image hold the same bundles.
class Frame {
  public:
    Frame() = default;

    // The frame of a part whose origin is at (u, v) of this one.
    Frame At(std::int64_t u, std::int64_t v) const {
        return Frame(x_ + xu_ * u + xv_ * v, y_ + yu_ * u + yv_ * v, xu_, xv_, yu_, yv_);
    }
    // Local u and v exchanged.
    Frame Transposed() const { return Frame(x_, y_, xv_, xu_, yv_, yu_); }
    // Local u counted back from `extent`.
    Frame MirroredU(std::int64_t extent) const {
        return Frame(x_ + xu_ * extent, y_ + yu_ * extent, -xu_, xv_, -yu_, yv_);
    }
    // Local v counted back from `extent`.
    Frame MirroredV(std::int64_t extent) const {
        return Frame(x_ + xv_ * extent, y_ + yv_ * extent, xu_, -xv_, yu_, -yv_);
    }

    // A grid of cu x cv bundles, each du x dv, with its first corner at the local origin.
    void Emit(std::int64_t du, std::int64_t dv, std::int64_t cu, std::int64_t cv,
              std::vector<BundleBlock>& out) const {
        if (cu <= 0 || cv <= 0)
            return;
        const std::int64_t farU = cu * du, farV = cv * dv;
        const std::int64_t x = std::min(x_, x_ + xu_ * farU + xv_ * farV);
        const std::int64_t y = std::min(y_, y_ + yu_ * farU + yv_ * farV);
        if (xu_ == 0) {
            std::swap(du, dv);
            std::swap(cu, cv);
        }
        out.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                       static_cast<std::int32_t>(du), static_cast<std::int32_t>(dv), cu, cv});
    }

  private:
    Frame(std::int64_t x, std::int64_t y, int xu, int xv, int yu, int yv)
        : x_(x), y_(y), xu_(xu), xv_(xv), yu_(yu), yv_(yv) {}

    std::int64_t x_ = 0, y_ = 0;
    // Layer x and y of a unit step along local u and v.
    int xu_ = 1, xv_ = 0, yu_ = 0, yv_ = 1;
};
