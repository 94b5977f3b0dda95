#include "loaddraw/stackedlayers.h"

#include "render/cornerprojection.h"
#include "render/fperror.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <utility>

namespace {

// A box found by where it starts along one axis and its two bounds along the other.
struct EdgeKey {
    std::int32_t start, low, high;
    friend bool operator==(const EdgeKey&, const EdgeKey&) = default;
};
struct EdgeKeyHash {
    std::size_t operator()(const EdgeKey& k) const {
        std::uint64_t h = static_cast<std::uint32_t>(k.start);
        h = h * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint32_t>(k.low);
        h = h * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint32_t>(k.high);
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};
// The last box in painting order with each key.
using LastBoxAt = std::unordered_map<EdgeKey, std::int32_t, EdgeKeyHash>;

// A loop count known to be small enough to run.
std::int64_t Passes(long double count) {
    return count >= 1 ? static_cast<std::int64_t>(count) : 0;
}

// z of the top of every layer from the top one down, and of the bottom of the last:
// levels[j] = trunc(j * height).
std::vector<std::int32_t> Levels(std::int64_t layers, long double height) {
    std::vector<std::int32_t> levels(static_cast<std::size_t>(layers) + 1);
    for (std::int64_t j = 0; j <= layers; ++j)
        levels[static_cast<std::size_t>(j)] = Fp::TruncToInt32(j * height);
    return levels;
}

void DrawEveryBox(const SceneState& state, Canvas& canvas, const std::vector<LayerBox>& layer,
                  std::int64_t layers, long double height) {
    for (std::int64_t j = layers; j >= 1; --j) {
        const std::int32_t z1 = Fp::TruncToInt32((j - 1) * height);
        const std::int32_t z2 = Fp::TruncToInt32(j * height);
        for (const LayerBox& b : layer)
            DrawBox(state, b.X1, b.Y1, z1, b.X2, b.Y2, z2, canvas);
    }
}

// The (x, y) columns of the corners of the layer's boxes, each worked out once.
struct Columns {
    std::vector<CornerProjector::Column> at;
    // Per box: (X1, Y1), (X2, Y1), (X1, Y2), (X2, Y2).
    std::vector<std::array<std::int32_t, 4>> ofBox;
};

Columns ColumnsOf(const CornerProjector& projector, const std::vector<LayerBox>& layer) {
    Columns columns;
    std::unordered_map<std::uint64_t, std::int32_t> index;
    index.reserve(layer.size() * 2);
    const auto columnAt = [&](std::int32_t x, std::int32_t y) {
        const std::uint64_t key =
            (std::uint64_t{static_cast<std::uint32_t>(x)} << 32) | static_cast<std::uint32_t>(y);
        const auto [it, added] =
            index.try_emplace(key, static_cast<std::int32_t>(columns.at.size()));
        if (added)
            columns.at.push_back(projector.ColumnAt(x, y));
        return it->second;
    };
    columns.ofBox.reserve(layer.size());
    for (const LayerBox& b : layer)
        columns.ofBox.push_back({columnAt(b.X1, b.Y1), columnAt(b.X2, b.Y1), columnAt(b.X1, b.Y2),
                                 columnAt(b.X2, b.Y2)});
    return columns;
}

// The corner pixels of every column at one height, each worked out when first asked for.
class Level {
  public:
    Level(const CornerProjector& projector, const Columns& columns)
        : projector_(projector), columns_(columns), pixels_(columns.at.size()),
          stamps_(columns.at.size(), 0) {}

    void MoveTo(std::int32_t z) {
        z_ = z;
        ++generation_;
    }
    PixelPoint operator[](std::int32_t column) {
        const auto i = static_cast<std::size_t>(column);
        if (stamps_[i] != generation_) {
            pixels_[i] = projector_.Corner(columns_.at[i], z_);
            stamps_[i] = generation_;
        }
        return pixels_[i];
    }

  private:
    const CornerProjector& projector_;
    const Columns& columns_;
    std::vector<PixelPoint> pixels_;
    std::vector<std::uint32_t> stamps_;
    std::uint32_t generation_ = 0;
    std::int32_t z_ = 0;
};

// The corners the faces of the set need, the top ones from `top` and the bottom ones from
// `bottom`; V1 lies on no painted face.
BoxPixels CornersFor(std::uint8_t faces, const std::array<std::int32_t, 4>& c, Level& top,
                     Level& bottom) {
    BoxPixels p{};
    const bool y2 = faces & BoxFaceY2, x2 = faces & BoxFaceX2, z1 = faces & BoxFaceZ1;
    if (z1)
        p[0] = top[c[0]];
    if (x2 || z1)
        p[3] = top[c[1]];
    if (y2 || z1)
        p[4] = top[c[2]];
    p[7] = top[c[3]];
    if (x2)
        p[2] = bottom[c[1]];
    if (y2)
        p[5] = bottom[c[2]];
    if (y2 || x2)
        p[6] = bottom[c[3]];
    return p;
}

void DrawVisibleFaces(const SceneState& state, Canvas& canvas, const std::vector<LayerBox>& layer,
                      const LayerFaces& faces, std::int64_t layers, long double height) {
    const std::vector<std::int32_t> levels = Levels(layers, height);
    AxisExtent y, z;
    for (const LayerBox& b : layer) {
        y.Include(b.Y1);
        y.Include(b.Y2);
    }
    for (std::int32_t level : levels)
        z.Include(level);
    const CornerProjector projector(state, y, z);
    const Columns columns = ColumnsOf(projector, layer);

    Level first(projector, columns), second(projector, columns);
    Level *top = &first, *bottom = &second;
    top->MoveTo(levels[static_cast<std::size_t>(layers)]);
    for (std::int64_t j = layers; j >= 1; --j) {
        // The top of the layer below is the bottom of this one.
        std::swap(top, bottom);
        top->MoveTo(levels[static_cast<std::size_t>(j - 1)]);
        if (j > faces.TopLayers) {
            for (std::int32_t i : faces.Shown) {
                const auto box = static_cast<std::size_t>(i);
                PaintBoxFaces(CornersFor(faces.Below[box], columns.ofBox[box], *top, *bottom),
                              faces.Below[box], canvas);
            }
        } else {
            for (std::size_t box = 0; box < layer.size(); ++box)
                PaintBoxFaces(CornersFor(faces.Top[box], columns.ofBox[box], *top, *bottom),
                              faces.Top[box], canvas);
        }
    }
}

} // namespace

LayerFaces VisibleFaces(const std::vector<LayerBox>& layer, const CoverDepths& depths) {
    const std::int64_t alongX = std::max<std::int64_t>(depths.AlongX, 1),
                       alongY = std::max<std::int64_t>(depths.AlongY, 1);
    // Boxes by their face toward smaller y (found from the face Y = Y2 of the box behind), and by
    // their face toward smaller x.
    LastBoxAt byRearY, byRearX;
    byRearY.reserve(layer.size());
    byRearX.reserve(layer.size());
    for (std::size_t i = 0; i < layer.size(); ++i) {
        const LayerBox& b = layer[i];
        if (b.X2 < b.X1 || b.Y2 < b.Y1)
            continue;
        byRearY[{b.Y1, b.X1, b.X2}] = static_cast<std::int32_t>(i);
        byRearX[{b.X1, b.Y1, b.Y2}] = static_cast<std::int32_t>(i);
    }
    // The box painted later that stands against a face, or -1.
    const auto coverer = [](const LastBoxAt& boxes, const EdgeKey& key, std::size_t i) {
        const auto found = boxes.find(key);
        return found != boxes.end() && static_cast<std::size_t>(found->second) > i ? found->second
                                                                                   : -1;
    };
    // Boxes standing one after the other in front of each box and beside it, as many as are
    // needed. A coverer comes later, so walking backwards finds its run first.
    std::vector<std::int64_t> inFront(layer.size(), 0), beside(layer.size(), 0);
    for (std::size_t k = layer.size(); k-- > 0;) {
        const LayerBox& b = layer[k];
        if (const std::int32_t f = coverer(byRearY, {b.Y2, b.X1, b.X2}, k); f >= 0)
            inFront[k] = std::min(alongY, 1 + inFront[static_cast<std::size_t>(f)]);
        if (const std::int32_t s = coverer(byRearX, {b.X2, b.Y1, b.Y2}, k); s >= 0)
            beside[k] = std::min(alongX, 1 + beside[static_cast<std::size_t>(s)]);
    }

    LayerFaces faces;
    faces.TopLayers = std::max<std::int64_t>(depths.Upright, 1);
    faces.Top.resize(layer.size());
    faces.Below.resize(layer.size());
    for (std::size_t i = 0; i < layer.size(); ++i) {
        const bool covered = inFront[i] >= alongY, coveredBeside = beside[i] >= alongX;
        // The polygons on both sides of every edge of a face left out come later (see the
        // header): the face toward x goes only with the face toward y, the top with both.
        std::uint8_t shown = BoxFaceZ1;
        if (!covered)
            shown |= BoxFaceY2 | BoxFaceX2;
        else if (!coveredBeside)
            shown |= BoxFaceX2;
        faces.Top[i] = shown;
        // Below the top layers the same boxes of the layers above stand on the top face, and a
        // box with boxes in front, beside and above is hidden whole.
        faces.Below[i] = covered && coveredBeside ? 0 : shown;
        if (faces.Below[i])
            faces.Shown.push_back(static_cast<std::int32_t>(i));
    }
    return faces;
}

CoverDepths CoverDepth(const SceneState& state, const std::vector<LayerBox>& layer,
                       long double height) {
    // Pixels of the picture per millimetre along x or y (the view turns both by 45 degrees and
    // tilts them by 30), and upright; measured along the longer of the two pixel directions.
    constexpr long double AcrossPerMm = 0.70710678118654752L, UprightPerMm = 0.86602540378443865L;
    CoverDepths depths;
    if (!(state.Scale > 0) || !std::isfinite(state.Scale))
        return depths;
    // Boxes of `side` mm that span CoverPixels together; deeper than any load is deep enough.
    const auto boxesSpanning = [&](long double side, long double pixelsPerMm) -> std::int64_t {
        const long double pixels = side * pixelsPerMm / state.Scale;
        if (!(pixels > 0))
            return 1;
        const long double boxes = std::ceil(CoverPixels / pixels);
        return boxes < 1 ? 1 : boxes > 1'000'000 ? 1'000'000 : static_cast<std::int64_t>(boxes);
    };
    for (const LayerBox& b : layer) {
        if (b.X2 > b.X1)
            depths.AlongX = std::max(depths.AlongX, boxesSpanning(b.X2 - b.X1, AcrossPerMm));
        if (b.Y2 > b.Y1)
            depths.AlongY = std::max(depths.AlongY, boxesSpanning(b.Y2 - b.Y1, AcrossPerMm));
    }
    depths.Upright = boxesSpanning(height, UprightPerMm);
    return depths;
}

long double VisibleBundleCount(const LayerFaces& faces, long double layers) {
    if (!(layers >= 1) || faces.Top.empty())
        return 0;
    const long double topLayers = std::min<long double>(layers, faces.TopLayers);
    return topLayers * faces.Top.size() + (layers - topLayers) * faces.Shown.size();
}

void DrawStackedLayers(const SceneState& state, Canvas& canvas, const std::vector<LayerBox>& layer,
                       long double layers, long double height) {
    if (!(layers >= 1) || layer.empty())
        return;
    if (canvas.KeepsEveryPolygon()) {
        if (layers * layer.size() > MaxPictureBundles)
            throw PictureTooLargeError();
        DrawEveryBox(state, canvas, layer, Passes(layers), height);
        return;
    }
    // Every box of the top layer shows its top face.
    if (layer.size() > static_cast<std::size_t>(MaxPictureBundles))
        throw PictureTooLargeError();
    const LayerFaces faces = VisibleFaces(layer, CoverDepth(state, layer, height));
    if (VisibleBundleCount(faces, layers) > MaxPictureBundles)
        throw PictureTooLargeError();
    DrawVisibleFaces(state, canvas, layer, faces, Passes(layers), height);
}
