// A picture that paints only the faces that can be seen must be the very picture that painting
// every polygon gives, pixel for pixel, whatever the load and the picture size.
#include "canvas/imagecanvas.h"
#include "loaddraw/drawblockpattern.h"
#include "loaddraw/drawload.h"
#include "loaddraw/drawplacedload.h"
#include "planning/advisor/layeradvisor.h"
#include "planning/rectop.h"
#include "tests/support/everypolygonpicture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

struct PictureSize {
    int width, height;
};
// The window's and the report's picture, a taller window, and odd sizes where the load is tiny.
const PictureSize Sizes[] = {{417, 564}, {417, 900}, {333, 271}, {97, 151}};

struct Load {
    std::string name;
    double rowSide, splitSide, stack, length, width, height;
    double split = -1; // -1: the split BestTwoBlockLoad chooses
};

double SplitFor(const Load& load) {
    if (load.split >= 0)
        return load.split;
    double split = 0;
    std::uint16_t layerCount = 0;
    BestTwoBlockLoad(load.rowSide, load.splitSide, load.stack, load.length, load.width, load.height,
                     split, layerCount);
    return split;
}

template <typename DrawStep> QImage Paint(Canvas&& canvas, const PictureSize& size, DrawStep draw) {
    SceneState state;
    state.PalletHeight = 150.0;
    canvas.SetPenWidth(1);
    canvas.SetPenColour(MakeColour(210, 180, 140));
    canvas.SetBrushColour(clWhite);
    draw(state, canvas, size);
    return static_cast<ImageCanvas&>(canvas).Image().copy();
}

void DrawBlockLoad(const Load& load, SceneState& state, Canvas& canvas, const PictureSize& size) {
    DrawLoad(state, canvas, load.rowSide, load.splitSide, SplitFor(load), load.stack, load.length,
             load.width, load.height, size.width, size.height - SceneTopBand);
}

void ExpectSamePicture(const Load& load, const PictureSize& size) {
    const auto draw = [&](SceneState& state, Canvas& canvas, const PictureSize& s) {
        DrawBlockLoad(load, state, canvas, s);
    };
    const QImage every = Paint(EveryPolygonImage(size.width, size.height), size, draw);
    const QImage visible = Paint(ImageCanvas(size.width, size.height), size, draw);
    EXPECT_EQ(FirstDifference(every, visible), "")
        << load.name << " at " << size.width << "x" << size.height;
}

const std::vector<Load> BlockLoads = {
    {"typical order", 1200, 800, 1850, 300, 200, 100},
    {"worked example: blocks and side strip", 1200, 800, 1000, 250, 150, 100, 2},
    {"crosswise strip", 1200, 800, 1000, 150, 350, 100, 1},
    {"side strip over the whole depth", 1000, 1200, 1000, 550, 350, 100, 3},
    {"one block only", 1200, 800, 1000, 300, 200, 100, 4},
    {"top gap", 1200, 800, 1050, 300, 200, 100},
    {"turned pallet", 800, 1200, 1850, 300, 200, 100},
    {"overhangs", 1260, 845, 1700, 410, 300, 100},
    {"tall bundles", 1200, 800, 1850, 400, 300, 900},
    {"flat bundles", 1200, 800, 1850, 600, 400, 5},
    {"one bundle", 1200, 800, 1000, 1200, 800, 1000},
    {"one column", 300, 200, 1000, 300, 200, 100},
    {"one row", 1200, 200, 300, 300, 200, 100},
    {"2 x 2 x 2", 600, 400, 200, 300, 200, 100, 0},
    {"fractional sizes", 1201.5, 799.25, 1333.3, 123.4, 77.7, 33.3},
    {"bundle shorter than wide", 1200, 800, 1850, 150, 350, 120},
    {"tiny bundles that share pixels", 300, 200, 400, 5, 5, 5},
    {"millimetre bundles", 60, 40, 50, 1, 1, 1},
    {"thin slices", 1200, 800, 1000, 1200, 3, 7},
};

TEST(VisiblePicture, EqualsEveryPolygonForBlockPatterns) {
    for (const Load& load : BlockLoads) {
        // Loads of many bundles at the window's size and the smallest one only, for time.
        const bool many =
            BlockPatternBoxCount(SplitFor(load), load.rowSide, load.splitSide, load.stack,
                                 load.length, load.width, load.height) > 20'000;
        for (const PictureSize& size : Sizes)
            if (!many || &size == &Sizes[0] || &size == &std::end(Sizes)[-1])
                ExpectSamePicture(load, size);
    }
}

TEST(VisiblePicture, EqualsEveryPolygonForLargeLoads) {
    // Up to 431 250 bundles, every one of them painted in the operation list.
    ExpectSamePicture({"11 040 bundles", 1200, 800, 1850, 100, 80, 20}, Sizes[0]);
    ExpectSamePicture({"cubes of 20 mm", 1200, 800, 1850, 20, 20, 20}, Sizes[2]);
    ExpectSamePicture({"cubes of 16 mm", 1200, 800, 1850, 16, 16, 16}, Sizes[0]);
}

TEST(VisiblePicture, EqualsEveryPolygonWhereBundlesAreNarrowerThanAPixel) {
    // A bundle beside another that spans no pixel: the hidden bundle's corner pixel lies on the
    // load's outline over the pallet, and only a face the picture would leave out paints it.
    ExpectSamePicture({"10 mm across on a narrow pallet", 140, 1185, 2162, 10, 41, 36}, Sizes[2]);
    ExpectSamePicture({"8 mm across in a thumbnail", 1210, 1171, 577, 8, 51, 38}, Sizes[3]);
}

TEST(VisiblePicture, EqualsEveryPolygonForRandomLoads) {
    std::mt19937 random(20261210);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int i = 0; i < 240; ++i) {
        Load load{"random load " + std::to_string(i),
                  double(between(150, 1500)),
                  double(between(100, 1300)),
                  double(between(50, 2200)),
                  double(between(8, 700)),
                  double(between(8, 700)),
                  double(between(4, 600))};
        if (BlockPatternBoxCount(SplitFor(load), load.rowSide, load.splitSide, load.stack,
                                 load.length, load.width, load.height) > 5'000)
            continue;
        ExpectSamePicture(load, Sizes[i % std::size(Sizes)]);
    }
}

// The advisor's layers, which are not block patterns, stacked as the picture stacks them.
struct FreeLoad {
    std::int32_t rowSide, splitSide, length, width;
    double stack, height;
};

TEST(VisiblePicture, EqualsEveryPolygonForTheBestLayersFreeLayouts) {
    const FreeLoad loads[] = {
        {1200, 800, 410, 310, 1850, 100}, // a pinwheel beats the two blocks
        {1200, 1000, 430, 280, 1500, 150}, {1140, 740, 330, 210, 1000, 90},
        {800, 600, 170, 110, 1200, 40},    {1200, 800, 95, 60, 1850, 25},
    };
    for (const FreeLoad& load : loads) {
        const BestLayer best = FindBestLayer(load.rowSide, load.splitSide, load.length, load.width,
                                             AdvisorBudget::EvaluationsOnly(200'000));
        ASSERT_FALSE(best.Placements.empty());
        std::vector<LayerBox> layer;
        for (const Placement& p : best.Placements)
            layer.push_back({p.X, p.Y, p.X + p.LengthAlongX, p.Y + p.WidthAlongY});
        const auto draw = [&](SceneState& state, Canvas& canvas, const PictureSize& size) {
            DrawPlacedLoad(state, canvas, layer, load.rowSide, load.splitSide, load.stack,
                           load.height, size.width, size.height - SceneTopBand);
        };
        for (const PictureSize& size : Sizes) {
            const QImage every = Paint(EveryPolygonImage(size.width, size.height), size, draw);
            const QImage visible = Paint(ImageCanvas(size.width, size.height), size, draw);
            EXPECT_EQ(FirstDifference(every, visible), "")
                << load.rowSide << "x" << load.splitSide << " with " << load.length << "x"
                << load.width << " at " << size.width << "x" << size.height;
        }
    }
}

} // namespace
