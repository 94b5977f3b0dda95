#include "render/PodNew.h"
#include "render/fperror.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace {

// The picture of 417 x 564 pixels, fitted to the box (0,0,0)-(1200,800,1000).
constexpr std::int32_t ExampleWidth = 417;
constexpr std::int32_t ExampleHeight = 564 - SceneTopBand;

SceneState FittedExample() {
    SceneState state;
    FitProjection(state, ExampleWidth, ExampleHeight, 0, 0, 0, 1200, 800, 1000);
    return state;
}

void ExpectPoint(const ScenePoint& actual, const ScenePoint& expected) {
    EXPECT_EQ(actual.X, expected.X);
    EXPECT_EQ(actual.Y, expected.Y);
    EXPECT_EQ(actual.Z, expected.Z);
}

struct RotationCase {
    const char* name;
    ScenePoint centre;
    ScenePoint source;
    std::uint8_t axis;
    double angle;
    ScenePoint expected;
};

const RotationCase RotationCases[] = {
    // Sign convention of the three axes.
    {"AboutXQuarterTurn", {}, {3, 5, 7}, 1, 90, {3, 7, -5}},
    {"AboutYQuarterTurn", {}, {3, 5, 7}, 2, 90, {7, 5, -3}},
    {"AboutZQuarterTurn", {}, {3, 5, 7}, 3, 90, {5, -3, 7}},
    // A quarter turn is exact on whole numbers; a double-precision cosine would leave -49.
    {"QuarterTurnExact", {}, {0, 800, -50}, 1, 90, {0, -50, -800}},
    // 5 - 2.5e-17 is below 5 in extended precision but rounds to 5 when stored as a double,
    // and only then is it truncated.
    {"StoredBeforeTruncated", {}, {0, 1000, 5}, 1, 90, {0, 5, -1000}},
    // 0.7071 and -0.7071 both truncate toward zero.
    {"TruncatedTowardZero", {}, {1, 0, 0}, 2, 45, {0, 0, 0}},
    {"KeptCoordinateTruncated", {}, {1200.7, 0, 0}, 1, 90, {1200, 0, 0}},
    {"KeptNegativeTruncatedTowardZero", {}, {0, 0, -3.9}, 3, 30, {0, 0, -3}},
    // The three steps of the view for the corner (1200, 0, 0).
    {"ViewStepOne", {}, {1200, 0, 0}, 1, 90, {1200, 0, 0}},
    {"ViewStepTwo", {}, {1200, 0, 0}, 2, 45, {848, 0, -848}},
    {"ViewStepThree", {}, {848, 0, -848}, 1, -30, {848, 424, -734}},
    // About a centre away from the origin only the offsets from the centre turn.
    {"AboutOffCentre", {10, 20, 30}, {10, 25, 30}, 1, 90, {10, 20, 25}},
    {"AboutOffCentreZ", {100, 100, 0}, {200, 100, 9}, 3, 90, {100, 0, 9}},
};

void PrintTo(const RotationCase& c, std::ostream* os) {
    *os << c.name;
}

class RotatePointTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(RotatePointTest, IntoSeparateStorage) {
    const RotationCase& c = GetParam();
    ScenePoint target{-1, -1, -1};
    RotatePoint(c.centre, c.source, target, c.axis, c.angle);
    ExpectPoint(target, c.expected);
}

TEST_P(RotatePointTest, InPlaceGivesTheSameResult) {
    const RotationCase& c = GetParam();
    ScenePoint point = c.source;
    RotatePoint(c.centre, point, point, c.axis, c.angle);
    ExpectPoint(point, c.expected);
}

TEST_P(RotatePointTest, CentreReadBeforeTargetWritten) {
    // The centre may be the very point that receives the result.
    const RotationCase& c = GetParam();
    ScenePoint shared = c.centre;
    RotatePoint(shared, c.source, shared, c.axis, c.angle);
    ExpectPoint(shared, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RotatePointTest, ::testing::ValuesIn(RotationCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RotatePoint, UnknownAxisLeavesTargetUnchanged) {
    for (std::uint8_t axis : {0, 4, 255}) {
        ScenePoint target{1.5, 2.5, 3.5};
        RotatePoint({}, {100, 200, 300}, target, axis, 90);
        ExpectPoint(target, {1.5, 2.5, 3.5});
    }
}

TEST(RotatePoint, ResultBeyondDoubleRangeOverflows) {
    ScenePoint target;
    try {
        RotatePoint({}, {DBL_MAX, 0, DBL_MAX}, target, 2, 45);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), "Floating point overflow");
    }
}

TEST(RotatePoint, NoInfinityOrNanPassesThroughAnyCoordinate) {
    const double bad[] = {INFINITY, -INFINITY, NAN};
    for (double value : bad)
        for (std::uint8_t axis = 1; axis <= 3; ++axis)
            for (int coordinate = 0; coordinate < 3; ++coordinate) {
                ScenePoint source;
                (coordinate == 0 ? source.X : coordinate == 1 ? source.Y : source.Z) = value;
                ScenePoint target;
                EXPECT_THROW(RotatePoint({}, source, target, axis, 90), FloatingPointError)
                    << value << " axis " << int(axis) << " coordinate " << coordinate;
            }
}

struct CornerCase {
    ScenePoint scene;
    ScenePoint view;
    PixelPoint pixel;
};

const CornerCase ExampleCorners[] = {
    {{0, 0, 0}, {0, 0, 0}, {176, 143}},
    {{0, 0, 1000}, {0, 866, 500}, {176, 340}},
    {{1200, 0, 1000}, {848, 1290, -234}, {368, 436}},
    {{1200, 0, 0}, {848, 424, -734}, {368, 239}},
    {{0, 800, 0}, {-565, 282, -489}, {48, 207}},
    {{0, 800, 1000}, {-565, 1148, 10}, {48, 404}},
    {{1200, 800, 1000}, {282, 1573, -724}, {240, 500}},
    {{1200, 800, 0}, {282, 707, -1224}, {240, 303}},
};

TEST(ViewTransform, ExampleCornersTurnIntoTheView) {
    const SceneState state;
    for (const CornerCase& c : ExampleCorners) {
        ScenePoint point = c.scene;
        ViewTransform(state, point);
        ExpectPoint(point, c.view);
    }
}

TEST(FitProjection, ExampleFitDigitForDigit) {
    const SceneState state = FittedExample();
    EXPECT_EQ(state.Scale, 4.405035971223021);
    EXPECT_EQ(state.OffsetX, 176.37767434264248);
    EXPECT_EQ(state.OffsetY, 63.45435244161356);
}

TEST(MapToScreen, ExampleCornersLandOnTheirPixels) {
    const SceneState state = FittedExample();
    for (const CornerCase& c : ExampleCorners) {
        ScenePoint point = c.view;
        MapToScreen(state, point);
        EXPECT_EQ(static_cast<int>(point.X), c.pixel.X) << c.scene.X << "," << c.scene.Y;
        EXPECT_EQ(static_cast<int>(point.Y), c.pixel.Y) << c.scene.X << "," << c.scene.Y;
        EXPECT_EQ(point.Z, c.view.Z);
    }
}

TEST(MapToScreen, KeepsTheRealPixelCoordinates) {
    const SceneState state = FittedExample();
    ScenePoint point{848, 424, -734};
    MapToScreen(state, point);
    EXPECT_NEAR(point.X, 368.88462, 1e-5);
    EXPECT_NEAR(point.Y, 239.70782, 1e-5);
}

TEST(FitProjection, SameStateWhicheverCornersAndOrder) {
    const SceneState expected = FittedExample();
    const double lo[] = {0, 0, 0}, hi[] = {1200, 800, 1000};
    for (int mask = 0; mask < 8; ++mask) {
        double a[3], b[3];
        for (int axis = 0; axis < 3; ++axis) {
            const bool swap = (mask >> axis) & 1;
            a[axis] = swap ? hi[axis] : lo[axis];
            b[axis] = swap ? lo[axis] : hi[axis];
        }
        SceneState state;
        FitProjection(state, ExampleWidth, ExampleHeight, a[0], a[1], a[2], b[0], b[1], b[2]);
        EXPECT_EQ(state.Scale, expected.Scale) << "mask " << mask;
        EXPECT_EQ(state.OffsetX, expected.OffsetX) << "mask " << mask;
        EXPECT_EQ(state.OffsetY, expected.OffsetY) << "mask " << mask;
    }
}

TEST(FitProjection, EqualRatiosGiveTheCommonRatioTimesTheMargin) {
    // The example's view spans 1413 x 1573: an area of the same size gives both ratios 1.
    SceneState state;
    FitProjection(state, 1413, 1573, 0, 0, 0, 1200, 800, 1000);
    EXPECT_EQ(state.Scale, 1.3);
}

TEST(FitProjection, TallerAreaFollowsTheHeight) {
    // Width 417 as in the example but only 300 high: the height decides, 1.3 x 1573 / 300.
    SceneState state;
    FitProjection(state, ExampleWidth, 300, 0, 0, 0, 1200, 800, 1000);
    EXPECT_DOUBLE_EQ(state.Scale, 1.3 * 1573.0 / 300.0);
}

TEST(FitProjection, ViewIsCentredBelowTheBand) {
    const SceneState state = FittedExample();
    ScenePoint leftmost{-565, 0, 0}, rightmost{848, 1573, 0};
    MapToScreen(state, leftmost);
    MapToScreen(state, rightmost);
    EXPECT_NEAR((leftmost.X + rightmost.X) / 2, ExampleWidth / 2.0, 1e-9);
    EXPECT_NEAR((leftmost.Y + rightmost.Y) / 2, SceneTopBand + ExampleHeight / 2.0, 1e-9);
}

TEST(FitProjection, NegativeAreaHeightFollowsTheWidthAndCentresOnHalfOfIt) {
    SceneState state;
    FitProjection(state, ExampleWidth, -100, 0, 0, 0, 1200, 800, 1000);
    EXPECT_EQ(state.Scale, 4.405035971223021);
    ScenePoint top{0, 0, 0}, bottom{0, 1573, 0};
    MapToScreen(state, top);
    MapToScreen(state, bottom);
    EXPECT_NEAR((top.Y + bottom.Y) / 2, -100 / 2.0 + SceneTopBand, 1e-9);
}

struct FitFault {
    const char* name;
    std::int32_t width, height;
    double x2, y2, z2;
    const char* message;
};

const FitFault FitFaults[] = {
    {"ZeroWidth", 0, 484, 1200, 800, 1000, "Floating point division by zero"},
    {"ZeroHeight", 417, 0, 1200, 800, 1000, "Floating point division by zero"},
    {"ZeroArea", 0, 0, 1200, 800, 1000, "Floating point division by zero"},
    {"ZeroWidthFlatView", 0, 484, 0, 0, 0, "Invalid floating point operation"},
    {"ViewWithoutExtent", 417, 484, 0, 0, 0, "Invalid floating point operation"},
    // A box only 1 mm across turns into a single view point after the snapping.
    {"ViewSnapsToAPoint", 417, 484, 1, 0, 0, "Invalid floating point operation"},
};

void PrintTo(const FitFault& f, std::ostream* os) {
    *os << f.name;
}

class FitProjectionFault : public ::testing::TestWithParam<FitFault> {};

TEST_P(FitProjectionFault, ThrowsAndKeepsWhatWasWritten) {
    const FitFault& f = GetParam();
    SceneState state = FittedExample();
    const SceneState before = state;
    try {
        FitProjection(state, f.width, f.height, 0, 0, 0, f.x2, f.y2, f.z2);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), f.message);
    }
    // The offsets of the previous fit stay; the scale is written before the offsets fail.
    EXPECT_EQ(state.OffsetX, before.OffsetX);
    EXPECT_EQ(state.OffsetY, before.OffsetY);
    if (f.width != 0 && f.height != 0)
        EXPECT_EQ(state.Scale, 0);
    else
        EXPECT_EQ(state.Scale, before.Scale);
}

INSTANTIATE_TEST_SUITE_P(Cases, FitProjectionFault, ::testing::ValuesIn(FitFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MapToScreen, WithoutAFitDividesByZero) {
    const SceneState unfitted;
    const struct {
        ScenePoint point;
        const char* message;
    } cases[] = {
        {{5, 0, 0}, "Floating point division by zero"},
        {{-5, 7, 0}, "Floating point division by zero"},
        {{0, 7, 0}, "Invalid floating point operation"},
        {{0, 0, 0}, "Invalid floating point operation"},
    };
    for (const auto& c : cases) {
        ScenePoint point = c.point;
        try {
            MapToScreen(unfitted, point);
            ADD_FAILURE() << "no error for " << c.point.X << "," << c.point.Y;
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(MapToScreen, PixelBeyondDoubleRangeOverflows) {
    SceneState state;
    state.Scale = 1e-300;
    ScenePoint point{1e10, 0, 0};
    EXPECT_THROW(MapToScreen(state, point), FloatingPointError);
}

} // namespace
