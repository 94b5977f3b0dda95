// Not a timing: a long search for loads whose picture differs from the picture of every polygon.
// The suite checks a few hundred loads on every build; this program checks as many as asked, with
// random pallets, bundles, stacking heights, picture sizes and colours, and prints every load that
// differs with its first differing pixel. A rule for leaving hidden faces out is tried here on
// thousands of degenerate loads (bundles narrower than a pixel, thumbnails) before it is trusted.
//
//   build/bench/picture_sweep [SEED] [LOADS]
//
// Exits with 1 when some load differs.
#include "canvas/imagecanvas.h"
#include "loaddraw/drawblockpattern.h"
#include "loaddraw/drawload.h"
#include "planning/rectop.h"
#include "tests/support/everypolygonpicture.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

struct PictureSize {
    int width, height;
};
const PictureSize Sizes[] = {{417, 564}, {417, 900}, {333, 271}, {97, 151}, {800, 600}, {200, 700}};

// Loads whose full drawing stays quick to paint.
constexpr long double MostBundles = 400'000;

QImage Picture(ImageCanvas&& canvas, Colour colour, double split, const double (&load)[6],
               const PictureSize& size) {
    SceneState state;
    state.PalletHeight = 150;
    canvas.SetPenWidth(1);
    canvas.SetPenColour(colour);
    canvas.SetBrushColour(clWhite);
    DrawLoad(state, canvas, load[0], load[1], split, load[2], load[3], load[4], load[5], size.width,
             size.height - SceneTopBand);
    return canvas.Image().copy();
}

} // namespace

int main(int argc, char* argv[]) {
    const unsigned seed = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 7;
    const long loads = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1500;
    std::mt19937 random(seed);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    long checked = 0, differing = 0;
    for (long i = 0; i < loads; ++i) {
        double load[6] = {double(between(100, 1500)), double(between(100, 1300)),
                          double(between(20, 2500)),  double(between(3, 700)),
                          double(between(3, 700)),    double(between(2, 600))};
        // Two loads in three of small bundles, where the picture's pixels are coarsest.
        if (between(0, 2) != 0)
            for (int side = 3; side < 6; ++side)
                load[side] = between(3, 60);
        const PictureSize& size = Sizes[i % std::size(Sizes)];
        const Colour colour = MakeColour(between(0, 255), between(0, 255), between(0, 255));
        double split = 0;
        std::uint16_t layers = 0;
        BestTwoBlockLoad(load[0], load[1], load[2], load[3], load[4], load[5], split, layers);
        if (BlockPatternBoxCount(split, load[0], load[1], load[2], load[3], load[4], load[5]) >
            MostBundles)
            continue;
        const QImage every =
            Picture(EveryPolygonImage(size.width, size.height), colour, split, load, size);
        const QImage shown =
            Picture(ImageCanvas(size.width, size.height), colour, split, load, size);
        ++checked;
        const std::string difference = FirstDifference(every, shown);
        if (!difference.empty()) {
            ++differing;
            std::printf("differs: pallet %g x %g, height %g, bundle %g x %g x %g at %d x %d: %s\n",
                        load[0], load[1], load[2], load[3], load[4], load[5], size.width,
                        size.height, difference.c_str());
        }
        if (checked % 500 == 0)
            std::fprintf(stderr, "%ld loads checked, %ld differ\n", checked, differing);
    }
    std::printf("%ld loads checked, %ld differ\n", checked, differing);
    return differing == 0 ? 0 : 1;
}
