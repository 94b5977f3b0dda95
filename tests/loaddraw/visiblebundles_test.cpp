// Which bundles and faces a picture paints, and its refusal by the bundles it paints. That the
// pixels stay the same is checked on real pictures in the canvas tests.
#include "loaddraw/drawblockpattern.h"
#include "loaddraw/drawplacedload.h"
#include "loaddraw/stackedlayers.h"
#include "tests/loaddraw/boxes.h"
#include "tests/support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const Colour LoadColour = MakeColour(210, 180, 140);

struct BlockCase {
    std::string name;
    double split, rowSide, splitSide, stack, length, width, height;
    long double all, visible;
};

TEST(VisibleBundles, CountsOfKnownShapes) {
    const BlockCase cases[] = {
        // One column of ten: every bundle shows its front faces.
        {"1 x 1 x 10", 1, 300, 200, 1000, 300, 200, 100, 10, 10},
        // The bottom back bundle has bundles in front, beside and above: 7 of 8.
        {"2 x 2 x 2", 2, 600, 400, 200, 300, 200, 100, 8, 7},
        // The three faces the viewer sees: 10^3 - 9^3.
        {"10 x 10 x 10", 10, 1000, 1000, 1000, 100, 100, 100, 1000, 271},
        // One layer: all of it.
        {"one layer of 8 x 4", 4, 1200, 800, 100, 150, 200, 100, 32, 32},
        // Worked example: the lengthwise block does not line up with the crosswise one, so the
        // front row of the crosswise block stays (8), with its last column (1); the lengthwise
        // block shows its front row (4) and the box beside the side strip, which is deeper (1);
        // the side strip shows whole (1).
        {"two blocks and a strip", 2, 1200, 800, 1000, 250, 150, 100, 250, 25 + 9 * (9 + 5 + 1)},
        // Hundreds of thousands of bundles of which tens of thousands show.
        {"cubes of 20 mm", 0, 1200, 800, 1850, 20, 20, 20, 220'800, 2400 + 91 * (60 + 40 - 1)},
    };
    for (const BlockCase& c : cases) {
        EXPECT_EQ(BlockPatternBoxCount(c.split, c.rowSide, c.splitSide, c.stack, c.length, c.width,
                                       c.height),
                  c.all)
            << c.name;
        EXPECT_EQ(BlockPatternVisibleCount(c.split, c.rowSide, c.splitSide, c.stack, c.length,
                                           c.width, c.height),
                  c.visible)
            << c.name;
    }
}

TEST(VisibleBundles, FacesOfABlockOfThreeByThree) {
    // Columns along x, rows along y, painted x outer and y inner as the block pattern does.
    std::vector<LayerBox> layer;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            layer.push_back({a * 10, b * 10, a * 10 + 10, b * 10 + 10});
    const LayerFaces faces = VisibleFaces(layer);
    const std::uint8_t all = EveryBoxFace, top = BoxFaceZ1, right = BoxFaceX2 | BoxFaceZ1;
    // The front row (b = 2) shows all three faces, the last column its right face and its top,
    // the rest only the top; below the top layer the inner four are hidden whole.
    EXPECT_EQ(faces.Top,
              (std::vector<std::uint8_t>{top, top, all, top, top, all, right, right, all}));
    EXPECT_EQ(faces.Below, (std::vector<std::uint8_t>{0, 0, all, 0, 0, all, right, right, all}));
    EXPECT_EQ(faces.Shown, (std::vector<std::int32_t>{2, 5, 6, 7, 8}));
}

TEST(VisibleBundles, OnlyExactNeighboursPaintedLaterCover) {
    const std::vector<std::vector<LayerBox>> layers = {
        // The box in front comes first: it cannot cover what is painted after it.
        {{0, 10, 10, 20}, {0, 0, 10, 10}, {10, 0, 20, 10}},
        // In front but narrower, and beside but shifted: no exact neighbour.
        {{0, 0, 10, 10}, {0, 10, 9, 20}, {10, 1, 20, 11}},
        // Leaves a gap of a millimetre.
        {{0, 0, 10, 10}, {0, 11, 10, 20}, {11, 0, 20, 10}},
    };
    for (const auto& layer : layers) {
        const LayerFaces faces = VisibleFaces(layer);
        for (std::size_t i = 0; i < layer.size(); ++i)
            EXPECT_NE(faces.Below[i], 0) << "box " << i;
    }
}

TEST(VisibleBundles, PicturePaintsASubsequenceOfTheOperationList) {
    const BlockCase loads[] = {
        {"typical", 2, 1200, 800, 1850, 300, 200, 100, 0, 0},
        {"two blocks and strips", 1, 1200, 800, 1000, 150, 350, 100, 0, 0},
        {"fractions", 1, 1201.5, 799.25, 1333.3, 123.4, 77.7, 33.3, 0, 0},
    };
    for (const BlockCase& c : loads) {
        const SceneState state = FittedTo(c.rowSide, c.splitSide, c.stack);
        RecordingCanvas every(LoadColour, true), visible(LoadColour, false);
        DrawBlockPattern(state, every, c.split, c.rowSide, c.splitSide, c.stack, c.length, c.width,
                         c.height);
        DrawBlockPattern(state, visible, c.split, c.rowSide, c.splitSide, c.stack, c.length,
                         c.width, c.height);
        const std::vector<Quad> all = every.Polygons(), shown = visible.Polygons();
        ASSERT_LT(shown.size(), all.size()) << c.name;
        std::size_t at = 0;
        for (const Quad& polygon : shown) {
            while (at < all.size() && !(all[at] == polygon))
                ++at;
            ASSERT_LT(at, all.size()) << c.name << ": a polygon out of order or not in the list";
            ++at;
        }
        // Pen and brush end as the full drawing leaves them.
        EXPECT_EQ(visible.PenColour(), every.PenColour()) << c.name;
        EXPECT_EQ(visible.BrushColour(), every.BrushColour()) << c.name;
    }
}

TEST(VisibleBundles, PictureIsRefusedByTheBundlesItPaints) {
    // 1 776 000 bundles of 10 mm, a pixel or so each, of which about 46 000 are painted: drawn
    // as a picture, refused as an operation list.
    const SceneState state = FittedTo(1200, 800, 1850);
    CountingCanvas picture(false);
    DrawBlockPattern(state, picture, 0, 1200, 800, 1850, 10, 10, 10);
    EXPECT_GT(picture.polygons, 0);
    EXPECT_LT(picture.polygons, 3 * 100'000);
    CountingCanvas list(true);
    EXPECT_THROW(DrawBlockPattern(state, list, 0, 1200, 800, 1850, 10, 10, 10),
                 PictureTooLargeError);
    EXPECT_EQ(list.polygons, 0);

    // The top layer alone is over the limit: 960 000 bundles of 1 mm.
    EXPECT_THROW(DrawBlockPattern(state, picture, 0, 1200, 800, 1850, 1, 1, 1),
                 PictureTooLargeError);
    // 240 000 bundles a layer, and 999 shown in each of 1849 layers below it.
    EXPECT_EQ(BlockPatternVisibleCount(0, 1200, 800, 1850, 2, 2, 1), 240'000 + 1849.0L * 999);
    CountingCanvas refused(false);
    EXPECT_THROW(DrawBlockPattern(state, refused, 0, 1200, 800, 1850, 2, 2, 1),
                 PictureTooLargeError);
    EXPECT_EQ(refused.polygons, 0);
}

TEST(VisibleBundles, TheLargestPictureIsDrawnAndOneMoreLayerIsRefused) {
    // 100 x 100 bundles of 10 x 10 mm a layer, 1 mm high: narrower than a pixel, so the picture
    // paints the top `upright` layers whole and, below them, every bundle with fewer than
    // `deep` bundles in front of it or beside it.
    const SceneState state = FittedTo(1000, 1000, 2464);
    std::vector<LayerBox> layer;
    for (int a = 0; a < 100; ++a)
        for (int b = 0; b < 100; ++b)
            layer.push_back({a * 10, b * 10, a * 10 + 10, b * 10 + 10});
    const CoverDepths depths = CoverDepth(state, layer, 1);
    ASSERT_EQ(depths.AlongX, depths.AlongY);
    ASSERT_GT(depths.Upright, 1);
    const long long deep = depths.AlongX, upright = depths.Upright;
    const long long shownBelow = 100 * 100 - (100 - deep) * (100 - deep);
    const long long layers = upright + (MaxPictureBundles - upright * 100 * 100) / shownBelow;
    CountingCanvas drawn(false);
    DrawBlockPattern(state, drawn, 100, 1000, 1000, double(layers), 10, 10, 1);
    // In the top layers a bundle covered in front and beside shows its top, one covered in
    // front its top and the face toward x, any other all three; below them the same, less the
    // hidden ones.
    const long long tops = (100 - deep) * (100 - deep), sides = (100 - deep) * deep,
                    fronts = 100 * 100 - tops - sides;
    const long long perLayer = tops + 2 * sides + 3 * fronts;
    EXPECT_EQ(drawn.polygons, upright * perLayer + (layers - upright) * (perLayer - tops));
    CountingCanvas over(false);
    EXPECT_THROW(DrawBlockPattern(state, over, 100, 1000, 1000, double(layers + 1), 10, 10, 1),
                 PictureTooLargeError);
    EXPECT_EQ(over.polygons, 0);
}

TEST(VisibleBundles, FreeLayoutsAreRefusedByTheBundlesTheyPaint) {
    // A layer of 20 x 20 bundles of 10 mm, 2000 layers of 1 mm: 800 000 bundles, of which
    // 400 + 1999 x 39 = 78 361 show.
    std::vector<LayerBox> layer;
    for (int a = 0; a < 20; ++a)
        for (int b = 0; b < 20; ++b)
            layer.push_back({a * 10, b * 10, a * 10 + 10, b * 10 + 10});
    EXPECT_EQ(VisibleBundleCount(VisibleFaces(layer), 2000), 78'361);
    SceneState state = FittedTo(200, 200, 2000);
    state.PalletPending = 0;
    CountingCanvas picture(false);
    DrawPlacedLoad(state, picture, layer, 200, 200, 2000, 1, 417, 484);
    EXPECT_GT(picture.polygons, 0);
    CountingCanvas list(true);
    EXPECT_THROW(DrawPlacedLoad(state, list, layer, 200, 200, 2000, 1, 417, 484),
                 PictureTooLargeError);
    EXPECT_EQ(list.polygons, 0);
}

} // namespace
