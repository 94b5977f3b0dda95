#pragma once

#include <cmath>
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

// Layer problems shaped like the classes the pallet-loading literature tests on: pallet sides
// within a ratio of 2, bundle sides within a ratio of 4, and a given range of bundles a layer by
// area. The same seed gives the same instances on every machine (no library distributions).
struct PalletInstance {
    std::int32_t X = 0, Y = 0, L = 0, W = 0;

    friend bool operator<(const PalletInstance& a, const PalletInstance& b) {
        return std::tie(a.X, a.Y, a.L, a.W) < std::tie(b.X, b.Y, b.L, b.W);
    }
};

class InstanceGenerator {
  public:
    explicit InstanceGenerator(std::uint64_t seed) : state_(seed) {}

    // count distinct instances with minBundles..maxBundles bundles a layer by area.
    std::vector<PalletInstance> Make(int count, std::int64_t minBundles, std::int64_t maxBundles) {
        std::set<PalletInstance> seen;
        std::vector<PalletInstance> out;
        while (static_cast<int>(out.size()) < count) {
            const auto w = static_cast<std::int32_t>(Between(2, 30));
            const auto l = static_cast<std::int32_t>(Between(w, 4 * w));
            const double bundles = static_cast<double>(Between(minBundles, maxBundles));
            const double ratio = 1.0 + static_cast<double>(Between(0, 1000)) / 1000.0;
            const double area = bundles * l * w;
            const auto X = static_cast<std::int32_t>(std::lround(std::sqrt(area * ratio)));
            const auto Y = static_cast<std::int32_t>(std::lround(std::sqrt(area / ratio)));
            const std::int64_t byArea = std::int64_t{X} * Y / (std::int64_t{l} * w);
            if (Y < l || X > 2 * Y || X < Y || byArea < minBundles || byArea > maxBundles)
                continue;
            const PalletInstance instance{X, Y, l, w};
            if (seen.insert(instance).second)
                out.push_back(instance);
        }
        return out;
    }

  private:
    // splitmix64: small, fast and the same everywhere.
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::int64_t Between(std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    std::uint64_t state_;
};
