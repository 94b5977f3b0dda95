#include "exhaustivepacker.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/exactlayer.h"
#include "planning/advisor/layeradvisor.h"
#include "planning/advisor/layerbound.h"
#include "planning/advisor/packingbound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace {

std::optional<std::int64_t> Bound(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w,
                                  std::int64_t goal) {
    BudgetMeter meter(AdvisorBudget::EvaluationsOnly(50'000'000));
    const std::optional<PackingBoundResult> result = PackingBound(x, y, l, w, goal, meter);
    return result ? std::optional<std::int64_t>(result->Bound) : std::nullopt;
}

// Every tiny rectangle against exhaustive search, the bound pushed as low as it goes (goal 0):
// never below the true best, whichever way round the sides come, and below the side waste bound
// where that one is loose.
TEST(PackingBound, NeverBelowTheTrueBestOnTinyRectangles) {
    const int bundles[][2] = {{2, 1}, {3, 1}, {3, 2}, {4, 3}, {5, 2}, {5, 3}, {7, 3}, {4, 1}};
    int tighter = 0;
    for (const auto& [l, w] : bundles) {
        for (int X = 1; X <= 13; ++X) {
            for (int Y = 1; Y <= 13 && X * Y <= 120; ++Y) {
                SCOPED_TRACE(::testing::Message()
                             << X << " x " << Y << ", bundle " << l << " x " << w);
                const std::optional<std::int64_t> bound = Bound(X, Y, l, w, 0);
                if (X < w || Y < w) {
                    EXPECT_FALSE(bound.has_value());
                    continue;
                }
                ASSERT_TRUE(bound.has_value());
                EXPECT_GE(*bound, ExhaustivePacker::Rectangle(X, Y, l, w).Best());
                EXPECT_EQ(Bound(Y, X, w, l, 0), bound);
                tighter += *bound < ScaledUpperBound(X, Y, l, w);
            }
        }
    }
    EXPECT_GT(tighter, 0);
}

struct Gap {
    std::int64_t x, y, l, w, best;
};

// Layers whose side waste bound stays one to four above the best count, which the relaxation
// (checked against a linear programming solver) brings down to it exactly. A layer of `best`
// exists for each, so the bound must not go lower either.
TEST(PackingBound, ClosesGapsTheSideWasteLeaves) {
    const Gap cases[] = {
        {97, 73, 12, 11, 48}, {170, 167, 29, 10, 96}, {125, 80, 19, 6, 86},
        {70, 67, 15, 4, 76},  {68, 61, 9, 7, 64},
    };
    for (const Gap& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << " x " << c.y << ", " << c.l << " x " << c.w);
        ASSERT_GT(ScaledUpperBound(c.x, c.y, c.l, c.w), c.best);
        EXPECT_EQ(Bound(c.x, c.y, c.l, c.w, c.best), c.best);
        // Asked for nothing lower than it can reach, it stops at or above the best as well.
        EXPECT_GE(Bound(c.x, c.y, c.l, c.w, 0).value_or(0), c.best);
        const BestLayer layer =
            FindBestLayer(static_cast<std::int32_t>(c.x), static_cast<std::int32_t>(c.y),
                          static_cast<std::int32_t>(c.l), static_cast<std::int32_t>(c.w));
        EXPECT_EQ(layer.Count, c.best);
        EXPECT_TRUE(layer.Optimal);
    }
}

TEST(PackingBound, NoneWhenTooLargeOrOutOfBudget) {
    BudgetMeter none(AdvisorBudget::EvaluationsOnly(0));
    EXPECT_FALSE(PackingBound(97, 73, 12, 11, 0, none).has_value());
    // Millions of raster cells: not worth setting up.
    BudgetMeter ample(AdvisorBudget::EvaluationsOnly(50'000'000));
    EXPECT_FALSE(PackingBound(60'000, 50'000, 3, 2, 0, ample).has_value());
}

// On a sample of small pallets, beyond exhaustive search: the bound pushed as low as it goes
// never falls below a layer the advisor found, and wherever the advisor calls its layer best the
// exact step, given all the work it needs, finds no layer with one bundle more.
TEST(PackingBound, TheAdvisorNeverClaimsABestFalsely) {
    const int bundles[][2] = {{5, 3}, {7, 3}, {4, 3}, {7, 4}, {6, 5}};
    int claims = 0;
    for (const auto& [l, w] : bundles) {
        for (int X = 14; X <= 30; X += 3) {
            for (int Y = 12; Y <= X; Y += 4) {
                SCOPED_TRACE(::testing::Message()
                             << X << " x " << Y << ", bundle " << l << " x " << w);
                const BestLayer layer = FindBestLayer(X, Y, l, w);
                EXPECT_GE(Bound(X, Y, l, w, 0).value_or(layer.Count), layer.Count);
                if (!layer.Optimal)
                    continue;
                ++claims;
                BudgetMeter meter(AdvisorBudget::EvaluationsOnly(200'000'000));
                EXPECT_EQ(FitExactly(X, Y, l, w, layer.Count + 1, meter).outcome,
                          ExactAnswer::Outcome::DoesNotFit);
            }
        }
    }
    EXPECT_GT(claims, 50);
}

} // namespace
