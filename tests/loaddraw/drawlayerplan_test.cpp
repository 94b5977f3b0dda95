#include "loaddraw/drawlayerplan.h"
#include "planning/layerplan/layerplan.h"
#include "tests/support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Kind = CanvasOp::Kind;

// 250 x 150 bundles on 1200 x 800, split 2: 16 turned, 8 lengthwise, 1 turned in the strip.
LayerPlan BlocksAndStrip() {
    return TwoBlockLayerPlan({1200, 800, 40, 0, 250, 150}, 1200, 800, 2);
}

PlanTexts Words(std::size_t layers) {
    PlanTexts texts;
    for (std::size_t i = 0; i < layers; ++i)
        texts.Titles.push_back("layer " + std::to_string(i + 1));
    texts.Caption = {"25 a layer", "10 layers"};
    texts.LengthwiseLegend = "lengthwise";
    texts.TurnedLegend = "turned";
    texts.OverhangPrefix = "o ";
    texts.InsetPrefix = "i ";
    texts.TooManyBundles = "too many";
    return texts;
}

std::vector<CanvasOp> OfKind(const RecordingCanvas& canvas, Kind kind) {
    std::vector<CanvasOp> ops;
    std::copy_if(canvas.ops.begin(), canvas.ops.end(), std::back_inserter(ops),
                 [kind](const CanvasOp& op) { return op.kind == kind; });
    return ops;
}

std::vector<CanvasOp> Bundles(const RecordingCanvas& canvas) {
    std::vector<CanvasOp> ops;
    for (const CanvasOp& op : OfKind(canvas, Kind::Rectangle))
        if (op.shape == ShapeKind::Bundle)
            ops.push_back(op);
    return ops;
}

bool HasLabel(const RecordingCanvas& canvas, const std::string& text) {
    const std::vector<CanvasOp> labels = OfKind(canvas, Kind::Label);
    return std::any_of(labels.begin(), labels.end(),
                       [&](const CanvasOp& op) { return op.text == text; });
}

// A view of one device unit per millimetre: the device shows the plan's own coordinates, as the
// SVG file does.
const PlanView Millimetres{1, 0, 0};

TEST(DrawLayerPlan, EveryBundleOnceAtItsPlaceInItsShadeNumberedInPlacingOrder) {
    const LayerPlan layer = BlocksAndStrip();
    const std::vector<LayerPlan> layers{layer};
    const PlanTexts texts = Words(1);
    RecordingCanvas canvas;
    DrawLayerPlan(canvas, layers, texts, LayOutPlan(layers, texts), Millimetres);

    const std::vector<CanvasOp> bundles = Bundles(canvas);
    ASSERT_EQ(bundles.size(), 25u);
    for (std::size_t i = 0; i < bundles.size(); ++i) {
        const PlanRect& r = layer.Bundles[i].Rect;
        SCOPED_TRACE("bundle " + std::to_string(i + 1));
        EXPECT_EQ(bundles[i].rect[0], r.X);
        EXPECT_EQ(bundles[i].rect[1], r.Y);
        EXPECT_EQ(bundles[i].rect[2], r.X + r.Length);
        EXPECT_EQ(bundles[i].rect[3], r.Y + r.Width);
        EXPECT_EQ(bundles[i].colour,
                  layer.Bundles[i].Turned ? PlanTurnedColour : PlanLengthwiseColour);
    }
    // Each number sits in the middle of its bundle.
    for (std::size_t i = 0; i < bundles.size(); ++i) {
        const PlanRect& r = layer.Bundles[i].Rect;
        const std::vector<CanvasOp> labels = OfKind(canvas, Kind::Label);
        const auto number = std::find_if(labels.begin(), labels.end(), [&](const CanvasOp& op) {
            return op.text == std::to_string(i + 1) && op.style.Anchor == TextAnchor::Centre;
        });
        ASSERT_NE(number, labels.end()) << "no number " << i + 1;
        EXPECT_EQ(number->rect[0], r.X + r.Length / 2);
        EXPECT_EQ(number->rect[1], r.Y + r.Width / 2);
    }
    for (const char* text : {"layer 1", "25 a layer", "10 layers", "lengthwise", "turned"})
        EXPECT_TRUE(HasLabel(canvas, text)) << text;
    // The pallet's and the footprint's sides are written on the dimension lines.
    EXPECT_TRUE(HasLabel(canvas, "1200"));
    EXPECT_TRUE(HasLabel(canvas, "800"));
    // The envelope is dashed: 40 mm along the length, 20 on either side of the pallet.
    const std::vector<CanvasOp> lines = OfKind(canvas, Kind::Line);
    const auto dashed = std::count_if(lines.begin(), lines.end(), [](const CanvasOp& op) {
        return op.value && (op.rect[0] == -20 || op.rect[2] == -20);
    });
    EXPECT_EQ(dashed, 3); // the near end and the two long sides touch x = -20
}

// Each side says how far the load stands over the pallet's edge, or how far inside it.
TEST(DrawLayerPlan, SidesSayOverhangOrInset) {
    // Four 300 x 200 bundles lengthwise in a row (1200) and two rows (400) on a 1000 x 500
    // pallet that allows 100 mm over each end: 100 over at each end, 50 inside at each side.
    const LayerPlan layer = TwoBlockLayerPlan({1000, 500, 200, 0, 300, 200}, 1200, 400, 2);
    ASSERT_EQ(layer.Footprint, (PlanRect{-100, 50, 1200, 400}));
    const std::vector<LayerPlan> layers{layer};
    const PlanTexts texts = Words(1);
    RecordingCanvas canvas;
    DrawLayerPlan(canvas, layers, texts, LayOutPlan(layers, texts), Millimetres);
    const std::vector<CanvasOp> labels = OfKind(canvas, Kind::Label);
    const auto count = [&](const std::string& text) {
        return std::count_if(labels.begin(), labels.end(),
                             [&](const CanvasOp& op) { return op.text == text; });
    };
    EXPECT_EQ(count("o 100"), 2);
    EXPECT_EQ(count("i 50"), 2);
}

TEST(DrawLayerPlan, EverythingInsideTheLaidOutExtent) {
    const LayerPlan layer = TwoBlockLayerPlan({1200, 800, 50, 30, 410, 300}, 1250, 830, 1);
    const std::vector<LayerPlan> layers{layer, MirrorLayer(layer).Plan};
    const PlanTexts texts = Words(2);
    const PlanLayout layout = LayOutPlan(layers, texts);
    RecordingCanvas canvas;
    DrawLayerPlan(canvas, layers, texts, layout, Millimetres);
    const PlanRect& e = layout.Extent;
    for (const CanvasOp& op : canvas.ops) {
        if (op.kind != Kind::Rectangle && op.kind != Kind::Line && op.kind != Kind::Label)
            continue;
        const int points = op.kind == Kind::Label ? 1 : 2;
        for (int p = 0; p < points; ++p) {
            EXPECT_GE(op.rect[2 * p], e.X);
            EXPECT_LE(op.rect[2 * p], e.X + e.Length);
            EXPECT_GE(op.rect[2 * p + 1], e.Y);
            EXPECT_LE(op.rect[2 * p + 1], e.Y + e.Width);
        }
    }
}

TEST(DrawLayerPlan, MirroredLayerStandsBesideTheFirstWithoutTouchingIt) {
    const LayerPlan layer = BlocksAndStrip();
    const std::vector<LayerPlan> layers{layer, MirrorLayer(layer).Plan};
    const PlanTexts texts = Words(2);
    const PlanLayout layout = LayOutPlan(layers, texts);
    ASSERT_EQ(layout.LayerLeft.size(), 2u);
    RecordingCanvas canvas;
    DrawLayerPlan(canvas, layers, texts, layout, Millimetres);
    const std::vector<CanvasOp> bundles = Bundles(canvas);
    ASSERT_EQ(bundles.size(), 50u);
    const std::int64_t shift = layout.LayerLeft[1];
    EXPECT_GT(shift, layer.Envelope.X + layer.Envelope.Length);
    for (std::size_t i = 25; i < 50; ++i) {
        const PlanRect& r = layers[1].Bundles[i - 25].Rect;
        EXPECT_EQ(bundles[i].rect[0], r.X + shift);
        EXPECT_EQ(bundles[i].rect[1], r.Y);
    }
    EXPECT_TRUE(HasLabel(canvas, "layer 2"));
}

TEST(DrawLayerPlan, ALayerTooLargeToListSaysSoInPlaceOfTheBundles) {
    const std::vector<LayerPlan> layers{
        TwoBlockLayerPlan({100000, 100000, 0, 0, 10, 7}, 100000, 100000, 14285)};
    const PlanTexts texts = Words(1);
    RecordingCanvas canvas;
    DrawLayerPlan(canvas, layers, texts, LayOutPlan(layers, texts), Millimetres);
    EXPECT_TRUE(Bundles(canvas).empty());
    EXPECT_TRUE(HasLabel(canvas, "too many"));
}

TEST(DrawLayerPlan, NumbersTooSmallToReadAreLeftOut) {
    const std::vector<LayerPlan> layers{
        TwoBlockLayerPlan({1200, 800, 0, 0, 20, 15}, 1200, 800, 53)};
    const PlanTexts texts = Words(1);
    const PlanLayout layout = LayOutPlan(layers, texts);
    RecordingCanvas canvas;
    DrawLayerPlan(canvas, layers, texts, layout, FitPlanView(layout.Extent, 0, 0, 400, 400));
    EXPECT_EQ(Bundles(canvas).size(), layers[0].Bundles.size());
    EXPECT_FALSE(HasLabel(canvas, "1"));
}

TEST(FitPlanView, ShowsTheExtentAsLargeAsFitsCentred) {
    const PlanRect extent{-100, -200, 2000, 1000};
    const PlanView view = FitPlanView(extent, 10, 20, 400, 400);
    EXPECT_DOUBLE_EQ(view.Scale, 0.2);
    EXPECT_DOUBLE_EQ(view.OriginX + view.Scale * -100, 10);  // left edge at the left
    EXPECT_DOUBLE_EQ(view.OriginY + view.Scale * -200, 120); // centred: 100 above and below
}

} // namespace
