#include "planning/advisor/layeradvisor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>

namespace {

const AdvisorBudget Ample = AdvisorBudget::EvaluationsOnly(50'000'000);

// 300 x 200 bundles on 1170 x 800 with 20 mm typed along the length: 1190 holds 14, and 10 mm
// more make 1200, which holds 16. Along the width no sum of 300 and 200 lies within 50 mm above
// 800.
TEST(AdviseOverhang, FindsTheLeastExtraThatRaisesTheCount) {
    const OverhangAdvice advice = AdviseOverhang(1170, 800, 20, 0, 300, 200, 14, Ample);
    ASSERT_TRUE(advice.AlongLength.has_value());
    EXPECT_EQ(advice.AlongLength->ExtraMm, 10);
    EXPECT_EQ(advice.AlongLength->Count, 16);
    EXPECT_FALSE(advice.AlongWidth.has_value());
    EXPECT_FALSE(advice.Incomplete);
}

TEST(AdviseOverhang, EachSideOnItsOwn) {
    // The same layer turned: now the width side is the one that reaches 1200.
    const OverhangAdvice advice = AdviseOverhang(800, 1170, 0, 20, 300, 200, 14, Ample);
    EXPECT_FALSE(advice.AlongLength.has_value());
    ASSERT_TRUE(advice.AlongWidth.has_value());
    EXPECT_EQ(advice.AlongWidth->ExtraMm, 10);
    EXPECT_EQ(advice.AlongWidth->Count, 16);
}

TEST(AdviseOverhang, MeasuresAgainstTheBestLayerAsTyped) {
    // The window may still show the two-block count, 5 of 410 x 310 on 1200 x 800, but the
    // layer as typed already holds 6: the first millimetre that merely gives 6 is no advice.
    // At 1240 four 310-wide columns stand beside three 410-long bundles lying across: 7.
    const OverhangAdvice advice = AdviseOverhang(1200, 800, 0, 0, 410, 310, 5, Ample);
    ASSERT_TRUE(advice.AlongLength.has_value());
    EXPECT_EQ(advice.AlongLength->ExtraMm, 40);
    EXPECT_EQ(advice.AlongLength->Count, 7);
    EXPECT_FALSE(advice.AlongWidth.has_value());
}

TEST(AdviseOverhang, NothingWhenTheCountCannotRise) {
    // 300 x 200 fill 1200 x 800 exactly; no sum of the sides within 50 mm above either side.
    const OverhangAdvice advice = AdviseOverhang(1200, 800, 0, 0, 300, 200, 16, Ample);
    EXPECT_FALSE(advice.AlongLength.has_value());
    EXPECT_FALSE(advice.AlongWidth.has_value());
}

TEST(AdviseOverhang, SpentBudgetStillAdvisesSoundly) {
    // No search at all: the two-block layers alone already prove 14 at 1190 and 16 at 1200, so
    // the advice is whole.
    const OverhangAdvice proven =
        AdviseOverhang(1170, 800, 20, 0, 300, 200, 14, AdvisorBudget::EvaluationsOnly(0));
    ASSERT_TRUE(proven.AlongLength.has_value());
    EXPECT_EQ(proven.AlongLength->ExtraMm, 10);
    EXPECT_EQ(proven.AlongLength->Count, 16);
    EXPECT_FALSE(proven.Incomplete);
    // Here the two-block layer as typed is not proven best, so the advice says it may be off.
    const OverhangAdvice unproven =
        AdviseOverhang(1200, 800, 0, 0, 410, 310, 5, AdvisorBudget::EvaluationsOnly(0));
    EXPECT_TRUE(unproven.Incomplete);
}

struct OddAdvice {
    std::int32_t length, width, lengthOverhang, widthOverhang, L, W;

    friend void PrintTo(const OddAdvice& c, std::ostream* out) {
        *out << c.length << "+" << c.lengthOverhang << "x" << c.width << "+" << c.widthOverhang
             << "_bundle_" << c.L << "x" << c.W;
    }
};

class OddAdvices : public ::testing::TestWithParam<OddAdvice> {};

TEST_P(OddAdvices, NeverCrashOrOverflow) {
    const OddAdvice& c = GetParam();
    const OverhangAdvice advice =
        AdviseOverhang(c.length, c.width, c.lengthOverhang, c.widthOverhang, c.L, c.W, 0, Ample);
    for (const auto& step : {advice.AlongLength, advice.AlongWidth}) {
        if (step) {
            EXPECT_GE(step->ExtraMm, 1);
            EXPECT_LE(step->ExtraMm, MaxExtraOverhangMm);
            EXPECT_GT(step->Count, 0);
        }
    }
}

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(Inputs, OddAdvices,
                         ::testing::Values(OddAdvice{1200, 800, 0, 0, 0, 200},
                                           OddAdvice{1200, 800, 0, 0, 300, -1},
                                           OddAdvice{0, 0, 0, 0, 300, 200},
                                           OddAdvice{1200, 800, -2000, 0, 300, 200},
                                           OddAdvice{Int32Max, 800, Int32Max, 0, 300, 200},
                                           OddAdvice{Int32Max - 10, Int32Max - 10, 0, 0, 7, 5}));

TEST(AdviseOverhang, BadBundleGivesNoAdvice) {
    const OverhangAdvice advice = AdviseOverhang(1200, 800, 0, 0, 0, 200, 0, Ample);
    EXPECT_FALSE(advice.AlongLength.has_value());
    EXPECT_FALSE(advice.AlongWidth.has_value());
}

} // namespace
