#include "exhaustivepacker.h"

#include "planning/advisor/budgetmeter.h"
#include "planning/advisor/exactlayer.h"
#include "planning/advisor/layerbound.h"
#include "planning/advisor/packingbound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

using Outcome = ExactAnswer::Outcome;

ExactAnswer Fit(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w, std::int64_t target,
                std::int64_t work = 50'000'000) {
    BudgetMeter meter(AdvisorBudget::EvaluationsOnly(work));
    return FitExactly(x, y, l, w, target, meter);
}

// The same with the weights of the relaxation's bound pushed as low as it goes.
ExactAnswer FitWeighted(std::int64_t x, std::int64_t y, std::int64_t l, std::int64_t w,
                        std::int64_t target) {
    BudgetMeter meter(AdvisorBudget::EvaluationsOnly(50'000'000));
    const std::optional<PackingBoundResult> relaxed = PackingBound(x, y, l, w, 0, meter);
    return FitExactly(x, y, l, w, target, meter, relaxed ? &relaxed->Weights : nullptr);
}

// The layer found holds exactly `target` bundles of the right sizes inside the rectangle, none
// overlapping.
::testing::AssertionResult HoldsTarget(const ExactAnswer& answer, std::int64_t x, std::int64_t y,
                                       std::int64_t l, std::int64_t w, std::int64_t target) {
    if (answer.outcome != Outcome::Fits)
        return ::testing::AssertionFailure() << "not found to fit";
    if (static_cast<std::int64_t>(answer.blocks.size()) != target)
        return ::testing::AssertionFailure() << answer.blocks.size() << " bundles";
    for (std::size_t i = 0; i < answer.blocks.size(); ++i) {
        const BundleBlock& a = answer.blocks[i];
        const bool sized = (a.LengthAlongX == l && a.WidthAlongY == w) ||
                           (a.LengthAlongX == w && a.WidthAlongY == l);
        if (!sized || a.Columns != 1 || a.Rows != 1 || a.X < 0 || a.Y < 0 ||
            a.X + a.LengthAlongX > x || a.Y + a.WidthAlongY > y)
            return ::testing::AssertionFailure() << "bundle " << i << " misplaced";
        for (std::size_t j = i + 1; j < answer.blocks.size(); ++j) {
            const BundleBlock& b = answer.blocks[j];
            if (a.X < b.X + b.LengthAlongX && b.X < a.X + a.LengthAlongX &&
                a.Y < b.Y + b.WidthAlongY && b.Y < a.Y + a.WidthAlongY)
                return ::testing::AssertionFailure() << "bundles " << i << " and " << j;
        }
    }
    return ::testing::AssertionSuccess();
}

// Every tiny rectangle against exhaustive search, both ways: the true best fits (and the layer
// shown holds it), one more does not. Among them are rectangles where the colouring bound
// leaves a gap, which only the exact step closes.
TEST(FitExactly, SettlesTinyRectanglesBothWays) {
    const int bundles[][2] = {{2, 1}, {3, 2}, {4, 3}, {5, 2}, {5, 3}, {7, 3}, {4, 1}};
    int gapsClosed = 0;
    for (const auto& [l, w] : bundles) {
        for (int X = 1; X <= 13; ++X) {
            for (int Y = 1; Y <= 13 && X * Y <= 120; ++Y) {
                SCOPED_TRACE(::testing::Message()
                             << X << " x " << Y << ", bundle " << l << " x " << w);
                const int best = ExhaustivePacker::Rectangle(X, Y, l, w).Best();
                EXPECT_TRUE(HoldsTarget(Fit(X, Y, l, w, best), X, Y, l, w, best));
                EXPECT_EQ(Fit(X, Y, l, w, best + 1).outcome, Outcome::DoesNotFit);
                // The relaxation's weights give up partial layers sooner, never a layer that fits.
                EXPECT_TRUE(HoldsTarget(FitWeighted(X, Y, l, w, best), X, Y, l, w, best));
                EXPECT_EQ(FitWeighted(X, Y, l, w, best + 1).outcome, Outcome::DoesNotFit);
                gapsClosed += ScaledUpperBound(X, Y, l, w) > best;
            }
        }
    }
    EXPECT_GT(gapsClosed, 0);
}

struct Known {
    std::int64_t X, Y, l, w, target;
    Outcome outcome;
};

// Layers from the literature and from the advisor's own proofs: the two classic hard layers fit,
// one more does not; a pinwheel layer of 1200 x 800 (in 10 mm units) holds 6 of 41 x 31.
TEST(FitExactly, KnownLayersBothWays) {
    const Known cases[] = {
        {43, 26, 7, 3, 53, Outcome::Fits},   {43, 26, 7, 3, 54, Outcome::DoesNotFit},
        {49, 28, 8, 3, 57, Outcome::Fits},   {49, 28, 8, 3, 58, Outcome::DoesNotFit},
        {120, 80, 41, 31, 6, Outcome::Fits}, {120, 80, 41, 31, 7, Outcome::DoesNotFit},
        {30, 20, 30, 20, 1, Outcome::Fits},  {29, 20, 30, 20, 1, Outcome::DoesNotFit},
    };
    for (const Known& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.X << " x " << c.Y << ", " << c.l << " x " << c.w << ": " << c.target);
        for (const ExactAnswer& answer :
             {Fit(c.X, c.Y, c.l, c.w, c.target), FitWeighted(c.X, c.Y, c.l, c.w, c.target)}) {
            EXPECT_EQ(answer.outcome, c.outcome);
            if (c.outcome == Outcome::Fits) {
                EXPECT_TRUE(HoldsTarget(answer, c.X, c.Y, c.l, c.w, c.target));
            }
        }
    }
}

// Out of budget the step says it does not know, never that a layer does not fit.
TEST(FitExactly, UndecidedWhenTheBudgetRunsOut) {
    EXPECT_EQ(Fit(49, 28, 8, 3, 57, 10).outcome, Outcome::Unknown);
    EXPECT_EQ(Fit(90, 73, 15, 14, 31, 1000).outcome, Outcome::Unknown);
    EXPECT_EQ(Fit(49, 28, 8, 3, 57, 0).outcome, Outcome::Unknown);
}

} // namespace
