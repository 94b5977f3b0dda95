#include "planning/bundlecalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

struct ProfileCase {
    std::string Profile;
    double Thickness;
};

void PrintTo(const ProfileCase& c, std::ostream* os) {
    *os << "'" << c.Profile << "'";
}

class FluteThicknessTest : public testing::TestWithParam<ProfileCase> {};

// Every profile reads the same whatever the locale's separator and whichever mark was typed.
TEST_P(FluteThicknessTest, ReadsTheNumberEndingTheProfile) {
    const ProfileCase& c = GetParam();
    for (const char separator : {'.', ','}) {
        SCOPED_TRACE(std::string("separator ") + separator);
        EXPECT_EQ(FluteThickness(c.Profile, separator), c.Thickness);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, FluteThicknessTest,
    testing::Values(ProfileCase{"B - 3.1", 3.1}, ProfileCase{"C - 3.7", 3.7},
                    ProfileCase{"E - 1.7", 1.7}, ProfileCase{"B+C - 7", 7},
                    ProfileCase{"B+E - 5", 5}, ProfileCase{"B - 3,1", 3.1}, ProfileCase{"5", 5},
                    ProfileCase{"B 3.1 mm", 0}, ProfileCase{"", 0}, ProfileCase{"   ", 0},
                    ProfileCase{"B - 3.1   ", 3.1}, ProfileCase{"B - 0", 0},
                    ProfileCase{"B - 0.0", 0},
                    // The sign belongs to the number only directly before the digits.
                    ProfileCase{"B-3.1", -3.1}, ProfileCase{"B - +2", 2},
                    // A zero tail does not count: the search goes on to shorter tails.
                    ProfileCase{"B 0e05", 5},
                    // Only the first point and the first comma become the separator.
                    ProfileCase{"B 1.000,5", 0.5}, ProfileCase{"B 1e1", 10}, ProfileCase{"B 1e", 0},
                    ProfileCase{"B .5", 0.5},
                    // Characters of several bytes: positions are characters, and a broken sequence
                    // never takes a digit with it.
                    ProfileCase{"Гофра Б - 3,1", 3.1},
                    ProfileCase{"Б\xD0"
                                "5",
                                5},
                    ProfileCase{"\xE2\x82"
                                "7",
                                7},
                    ProfileCase{"\xE2\x82\xAC"
                                "4.5",
                                4.5},
                    // Long texts are read alike, the whole length counted.
                    ProfileCase{std::string(300, 'x') + " 4.5", 4.5},
                    ProfileCase{std::string(256, 'x') + "3", 3}));

TEST(FluteThickness, LongNumberRunsStayLinear) {
    // Every tail of the digit run parses up to the second point before it fails: reading tail
    // by tail would take a quadratic number of steps here.
    const std::string profile = std::string(200000, '1') + ".5.25";
    EXPECT_EQ(FluteThickness(profile, '.'), 5.25);
    EXPECT_EQ(FluteThickness(std::string(200000, '0'), '.'), 0);
}

TEST(FluteThickness, NumberBeyondTheDoubleRangeIsInfinite) {
    EXPECT_EQ(FluteThickness("B - 1e999", '.'), std::numeric_limits<double>::infinity());
    EXPECT_THROW(BundleLengthFromBox(400, 300, FluteThickness("B - 1e999", '.')), BundleSizeError);
}

struct BundleCase {
    std::string Profile;
    std::int32_t BoxLength, BoxWidth, BoxHeight, BoxesPerBundle;
    std::int64_t Length, Width, Height;
};

void PrintTo(const BundleCase& c, std::ostream* os) {
    *os << "'" << c.Profile << "' " << c.BoxLength << "x" << c.BoxWidth << "x" << c.BoxHeight;
}

class BundleSizesTest : public testing::TestWithParam<BundleCase> {};

TEST_P(BundleSizesTest, FromBoxSizes) {
    const BundleCase& c = GetParam();
    const double t = FluteThickness(c.Profile, ',');
    EXPECT_EQ(BundleLengthFromBox(c.BoxLength, c.BoxWidth, t), c.Length);
    EXPECT_EQ(BundleWidthFromBox(c.BoxWidth, c.BoxHeight, t), c.Width);
    EXPECT_EQ(BundleHeightFromBoxes(c.BoxesPerBundle, t), c.Height);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, BundleSizesTest,
    testing::Values(BundleCase{"B - 3.1", 400, 300, 200, 10, 705, 506, 62},
                    BundleCase{"C - 3.7", 400, 300, 200, 10, 706, 507, 74},
                    BundleCase{"E - 1.7", 400, 300, 200, 5, 703, 503, 17},
                    // Ties go to the even number: 710.5 gives 710, 711.5 gives 712.
                    BundleCase{"B+C - 7", 400, 300, 200, 3, 710, 514, 42},
                    BundleCase{"B+C - 7", 401, 300, 200, 3, 712, 514, 42},
                    BundleCase{"B+E - 5", 400, 300, 200, 3, 708, 510, 30},
                    BundleCase{"B+E - 5", 401, 300, 200, 3, 708, 510, 30},
                    BundleCase{"B 1.25", 400, 300, 200, 1, 702, 502, 2},
                    BundleCase{"no number", 400, 300, 200, 10, 700, 500, 0},
                    // Sizes beyond 16 bits come out whole.
                    BundleCase{"B - 3.1", 60000, 10000, 70000, 100000, 70005, 80006, 620000}));

TEST(BundleSizes, ResultsBeyondAWholeNumberRaise) {
    EXPECT_THROW(BundleLengthFromBox(1, 1, 1e300), BundleSizeError);
    EXPECT_THROW(BundleWidthFromBox(1, 1, -1e300), BundleSizeError);
    EXPECT_THROW(BundleHeightFromBoxes(2, 1e300), BundleSizeError);
    // The largest boxes with an ordinary profile still fit.
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(BundleLengthFromBox(Max, Max, 3.1), 2LL * Max + 5);
    EXPECT_EQ(BundleHeightFromBoxes(Max, 3.1), 13314398611);
}

TEST(BundlesForBoxes, RoundsTheQuotientUp) {
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::int32_t Boxes, PerBundle;
        std::int64_t Bundles;
    };
    const Case cases[] = {{1000, 10, 100},      {1001, 10, 101}, {999, 10, 100}, {0, 10, 0},
                          {1, 10, 1},           {-15, 10, -1},   {-10, 10, -1},  {Max, 1, Max},
                          {Max, 2, 1073741824}, {Max, Max, 1},   {Min, 1, Min},  {Min, Max, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Boxes) + " / " + std::to_string(c.PerBundle));
        EXPECT_EQ(BundlesForBoxes(c.Boxes, c.PerBundle), c.Bundles);
    }
    EXPECT_THROW(BundlesForBoxes(10, 0), std::invalid_argument);
    EXPECT_THROW(BundlesForBoxes(10, -1), std::invalid_argument);
}

} // namespace
