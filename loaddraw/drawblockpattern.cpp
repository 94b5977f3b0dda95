#include "loaddraw/drawblockpattern.h"

#include "render/fperror.h"

#include <cmath>
#include <vector>

namespace {

long double TruncDivide(long double numerator, long double denominator) {
    return std::trunc(Fp::Divide(numerator, denominator));
}

// The layer rectangle X x Y cut into the four groups of one layer. Every count is a whole number
// held as a real and may be zero, negative or huge; a loop over a count below 1 runs no times.
struct Layout {
    long double X, Y, L, W, H;
    long double layers; // trunc(StackHeight / H)
    long double r;      // rows of the crosswise block, each L deep
    long double m;      // rows of the lengthwise block, each W deep
    long double q;      // rows of the side strip, each L deep
    long double nW, fW; // crosswise bundles along a row, and the leftover at its end
    long double nL, fL; // lengthwise bundles along a row, and the leftover at its end
    long double stripRows, stripColumns; // crosswise strip: trunc(r·L / W) x trunc(fW / L)
    long double sideColumns;             // side strip: trunc(fL / W) across its q rows
};

// Fills the layout in the order the quotients are first needed, so a zero size faults at the
// same division as the drawing would; false when no whole layer fits and nothing else matters.
bool MakeLayout(Layout& out, double Split, double RowSide, double SplitSide, double StackHeight,
                double BundleLength, double BundleWidth, double BundleHeight) {
    Layout s{};
    s.X = RowSide, s.Y = SplitSide, s.L = BundleLength, s.W = BundleWidth, s.H = BundleHeight;
    s.layers = TruncDivide(StackHeight, s.H);
    s.r = TruncDivide(s.Y - Split * s.W, s.L);
    if (!(s.layers >= 1))
        return false;
    s.m = TruncDivide(s.Y - s.r * s.L, s.W);
    s.q = TruncDivide(s.Y - s.r * s.L, s.L);
    s.nW = TruncDivide(s.X, s.W);
    s.fW = s.X - s.nW * s.W;
    s.nL = TruncDivide(s.X, s.L);
    s.fL = s.X - s.nL * s.L;
    s.stripRows = TruncDivide(s.r * s.L, s.W);
    s.stripColumns = TruncDivide(s.fW, s.L);
    s.sideColumns = TruncDivide(s.fL, s.W);
    out = s;
    return true;
}

// Boxes of one group: outer x inner, or none when either loop runs no times (which also keeps
// an infinite count from meeting a zero one).
long double GroupCount(long double outer, long double inner) {
    return outer >= 1 && inner >= 1 ? outer * inner : 0;
}

long double LayerCount(const Layout& s) {
    return GroupCount(s.nW, s.r) + GroupCount(s.stripRows, s.stripColumns) + GroupCount(s.nL, s.m) +
           GroupCount(s.q, s.sideColumns);
}

long double BoxCount(const Layout& s) {
    const long double perLayer = LayerCount(s);
    return perLayer > 0 ? s.layers * perLayer : 0;
}

// A loop count known to be small enough to run: at most the whole picture's box count.
std::int64_t Passes(long double count) {
    return count >= 1 ? static_cast<std::int64_t>(count) : 0;
}

// One layer's boxes in painting order; every layer is laid out the same.
std::vector<LayerBox> LayerBoxes(const Layout& s) {
    std::vector<LayerBox> boxes;
    boxes.reserve(static_cast<std::size_t>(LayerCount(s)));
    const long double L = s.L, W = s.W;
    const auto add = [&](long double x1, long double y1, long double x2, long double y2) {
        boxes.push_back({Fp::TruncToInt32(x1), Fp::TruncToInt32(y1), Fp::TruncToInt32(x2),
                         Fp::TruncToInt32(y2)});
    };
    // Group 1, the crosswise block: x outer, y inner.
    if (GroupCount(s.nW, s.r) > 0)
        for (std::int64_t a = 1; a <= Passes(s.nW); ++a)
            for (std::int64_t b = 1; b <= Passes(s.r); ++b)
                add((a - 1) * W, (b - 1) * L, a * W, b * L);
    // Group 2, the crosswise strip at the far end of the crosswise rows: y outer, x inner.
    if (GroupCount(s.stripRows, s.stripColumns) > 0)
        for (std::int64_t a = 1; a <= Passes(s.stripRows); ++a)
            for (std::int64_t b = 1; b <= Passes(s.stripColumns); ++b)
                add(s.nW * W + (b - 1) * L, (a - 1) * W, s.nW * W + b * L, a * W);
    // Group 3, the lengthwise block after the crosswise one: x outer, y inner.
    if (GroupCount(s.nL, s.m) > 0)
        for (std::int64_t a = 1; a <= Passes(s.nL); ++a)
            for (std::int64_t b = 1; b <= Passes(s.m); ++b)
                add((a - 1) * L, s.r * L + (b - 1) * W, a * L, s.r * L + b * W);
    // Group 4, the side strip at the far end of the lengthwise rows: y outer, x inner. Its y
    // bounds add two separately truncated terms.
    if (GroupCount(s.q, s.sideColumns) > 0) {
        const long double stripStart = std::trunc(s.r * L);
        for (std::int64_t a = 1; a <= Passes(s.q); ++a)
            for (std::int64_t b = 1; b <= Passes(s.sideColumns); ++b)
                add(s.nL * L + (b - 1) * W, stripStart + std::trunc((a - 1) * L), s.nL * L + b * W,
                    stripStart + std::trunc(a * L));
    }
    return boxes;
}

} // namespace

long double BlockPatternBoxCount(double Split, double RowSide, double SplitSide, double StackHeight,
                                 double BundleLength, double BundleWidth, double BundleHeight) {
    Layout s;
    if (!MakeLayout(s, Split, RowSide, SplitSide, StackHeight, BundleLength, BundleWidth,
                    BundleHeight))
        return 0;
    return BoxCount(s);
}

long double BlockPatternVisibleCount(double Split, double RowSide, double SplitSide,
                                     double StackHeight, double BundleLength, double BundleWidth,
                                     double BundleHeight) {
    Layout s;
    if (!MakeLayout(s, Split, RowSide, SplitSide, StackHeight, BundleLength, BundleWidth,
                    BundleHeight))
        return 0;
    const long double perLayer = LayerCount(s);
    if (perLayer > MaxPictureBundles)
        return perLayer;
    if (perLayer == 0)
        return 0;
    return VisibleBundleCount(VisibleFaces(LayerBoxes(s)), s.layers);
}

void DrawBlockPattern(const SceneState& state, Canvas& canvas, double Split, double RowSide,
                      double SplitSide, double StackHeight, double BundleLength, double BundleWidth,
                      double BundleHeight) {
    Layout s;
    if (!MakeLayout(s, Split, RowSide, SplitSide, StackHeight, BundleLength, BundleWidth,
                    BundleHeight))
        return;
    // Refused before a layer is laid out: an operation list counts every box, a picture at least
    // the whole top layer.
    const long double counted = canvas.KeepsEveryPolygon() ? BoxCount(s) : LayerCount(s);
    if (counted > MaxPictureBundles)
        throw PictureTooLargeError();
    if (counted == 0)
        return;
    DrawStackedLayers(state, canvas, LayerBoxes(s), s.layers, s.H);
}
