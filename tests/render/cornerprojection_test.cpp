#include "render/cornerprojection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

PixelPoint FullWay(const SceneState& state, int x, int y, int z) {
    ScenePoint point{double(x), double(y), double(z)};
    ViewTransform(state, point);
    MapToScreen(state, point);
    return {static_cast<int>(point.X), static_cast<int>(point.Y)};
}

struct Scene {
    int width, height;
    double x, y, z;
};

// Every corner of the grid xs x ys x zs, projected both ways, in the state fitted to the scene.
void ExpectSameCorners(const Scene& scene, const std::vector<int>& xs, const std::vector<int>& ys,
                       const std::vector<int>& zs, bool shortcut) {
    SceneState state;
    FitProjection(state, scene.width, scene.height - SceneTopBand, 0, 0, 0, scene.x, scene.y,
                  scene.z);
    AxisExtent yExtent, zExtent;
    for (int y : ys)
        yExtent.Include(y);
    for (int z : zs)
        zExtent.Include(z);
    const CornerProjector projector(state, yExtent, zExtent);
    ASSERT_EQ(projector.Shortcut(), shortcut);
    for (int x : xs)
        for (int y : ys) {
            const CornerProjector::Column column = projector.ColumnAt(x, y);
            for (int z : zs)
                ASSERT_EQ(projector.Corner(column, z), FullWay(state, x, y, z))
                    << "corner " << x << "," << y << "," << z;
        }
}

std::vector<int> Steps(int from, int to, int step) {
    std::vector<int> values;
    for (int v = from; v <= to; v += step)
        values.push_back(v);
    return values;
}

TEST(CornerProjector, GivesTheFullProjectionForEveryCornerOfLoads) {
    const Scene scenes[] = {
        {417, 564, 1200, 800, 1850}, {417, 900, 800, 1200, 1000}, {333, 271, 1201, 799, 1333},
        {97, 151, 300, 200, 400},    {2000, 2000, 60, 40, 50},
    };
    for (const Scene& scene : scenes) {
        // Bundle bounds of every millimetre near the origin, and coarse ones across the scene.
        ExpectSameCorners(scene, Steps(0, 40, 1), Steps(0, 40, 1), Steps(0, 40, 1), true);
        ExpectSameCorners(scene, Steps(0, int(scene.x), 7), Steps(0, int(scene.y), 11),
                          Steps(0, int(scene.z), 13), true);
    }
}

TEST(CornerProjector, GoesTheFullWayWhereTheQuarterTurnDoesNotSnapBack) {
    // A height of 1 mm against a side of 3000 mm: the first turn leaves 1 - 7.5e-17, which is
    // stored as the double below 1 and truncated to 0, not 1.
    ScenePoint turned{0, 3000, 1};
    RotatePoint(ScenePoint{}, turned, turned, 1, 90);
    EXPECT_EQ(turned.Y, 0);

    const Scene wide{417, 564, 5000, 5000, 100};
    ExpectSameCorners(wide, {0, 1, 2500, 5000}, {0, 1, 2999, 3000, 5000}, {0, 1, 2, 100}, false);
    // The same extents with the smallest height well above the bound take the shortcut.
    ExpectSameCorners(wide, {0, 1, 2500, 5000}, {0, 1, 2999, 3000, 5000}, {0, 50, 100}, true);
}

TEST(CornerProjector, GoesTheFullWayAboutAnotherCentre) {
    SceneState state;
    FitProjection(state, 417, 484, 0, 0, 0, 1200, 800, 1000);
    state.RotationCentre = {10, 20, 30};
    AxisExtent y, z;
    y.Include(800);
    y.Include(1);
    z.Include(1000);
    z.Include(100);
    const CornerProjector projector(state, y, z);
    EXPECT_FALSE(projector.Shortcut());
    EXPECT_EQ(projector.Corner(projector.ColumnAt(1200, 800), 100), FullWay(state, 1200, 800, 100));
}

} // namespace
