#include "shell/resultpicture.h"
#include "shell/resulttexts.h"
#include "tests/support/loadrequests.h"
#include "tests/support/recordingcanvas.h"

#include <gtest/gtest.h>

namespace {

LoadPlan Plan(double length, double width, double height, std::int32_t lengthOverhang = 0) {
    LoadRequest r = BundleRequest(length, width, height);
    r.LengthOverhang = lengthOverhang;
    return PlanLoad(r);
}

TextBlockFields Fields(const char* length, const char* width, double height,
                       std::optional<std::int64_t> bundles = std::nullopt) {
    TextBlockFields f;
    f.PalletLength = "1200";
    f.PalletWidth = "800";
    f.BundleLength = length;
    f.BundleWidth = width;
    f.BundleHeight = height;
    f.BundlesInOrder = bundles;
    return f;
}

TEST(TextBlock, WithoutAnOrderHasSixLines) {
    const auto lines = TextBlockLines(Plan(410, 300, 100, 50), Fields("410", "300", 100));
    const std::vector<std::string> expected = {
        "Всего в укладке 126 пачек.",
        "18 слоев по 7 пачек.",
        "Свесы: 30 мм. по длине, 0 мм. по ширине",
        "Размер поддона: 1200 x 800",
        "Высота паллет: 1950 мм.",
        "Размер пачки: 410 x 300",
    };
    EXPECT_EQ(lines, expected);
}

struct OrderCase {
    std::int64_t bundles;
    const char* pallets;
    const char* lastPallet;
};

// 600 x 400 x 150: 48 bundles a pallet.
const OrderCase orderCases[] = {
    {1000, "Количество поддонов: 21", "На последнем поддоне: 40 пачек."},
    {960, "Количество поддонов: 20", "На последнем поддоне: 48 пачек."},
};

TEST(TextBlock, AnOrderAddsThePalletCountAndTheLastPallet) {
    for (const OrderCase& c : orderCases) {
        const auto lines =
            TextBlockLines(Plan(600, 400, 150), Fields("600", "400", 150, c.bundles));
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[0], "Всего в укладке 48 пачек.");
        EXPECT_EQ(lines[3], c.pallets);
        EXPECT_EQ(lines[7], c.lastPallet);
    }
}

TEST(TextBlock, HeightLineUsesTheFieldHeightAndTheSeparator) {
    // 18 layers of 100.25 mm on the pallet's 150.
    TextBlockFields f = Fields("600", "400", 100.25);
    f.DecimalSeparator = ',';
    EXPECT_EQ(TextBlockLines(Plan(600, 400, 100.25), f)[4], "Высота паллет: 1954,5 мм.");
}

TEST(TextBlock, EmptyLoadsSayWhyAndDivideByNothing) {
    // Too tall: the layer exists, no layer fits; nothing fits a layer at all.
    const auto tall = TextBlockLines(Plan(600, 400, 1900), Fields("600", "400", 1900, 10));
    EXPECT_EQ(tall[1], "0 слоев по 4 пачек.");
    EXPECT_EQ(tall[3], "Количество поддонов: не определено");
    EXPECT_EQ(tall[5], "Высота паллет: 150 мм.");
    EXPECT_EQ(tall.size(), 7u); // no last pallet when nothing is loaded
    const auto wide = TextBlockLines(Plan(1500, 1000, 100), Fields("1500", "1000", 100));
    EXPECT_EQ(wide[1], "Пачка не помещается на поддон.");
    EXPECT_EQ(wide[4], "Высота паллет: 150 мм.");
}

TEST(ResultPicture, StartsWithTheLoadColourAndALoadedPalletPending) {
    RecordingCanvas canvas;
    const ResultPicture picture(canvas, MakeColour(200, 100, 30));
    const std::vector<CanvasOp> expected = {
        CanvasOp::Width(1), CanvasOp::Pen(MakeColour(200, 100, 30)), CanvasOp::Brush(clWhite)};
    EXPECT_EQ(canvas.ops, expected);
    EXPECT_EQ(picture.Scene().PalletPending, 1);
    EXPECT_EQ(picture.Scene().PalletHeight, 150.0);
    EXPECT_EQ(picture.LoadColour(), MakeColour(200, 100, 30));
}

TEST(ResultPicture, TextBlockLinesStandThirteenPixelsApartOnWhite) {
    RecordingCanvas canvas;
    ResultPicture picture(canvas, clSilver);
    canvas.SetBrushColour(MakeColour(1, 2, 3));
    canvas.ops.clear();
    picture.WriteText({"a", "b", "c"});
    const std::vector<CanvasOp> expected = {CanvasOp::Brush(clWhite), CanvasOp::Text(5, 1, "a"),
                                            CanvasOp::Text(5, 14, "b"), CanvasOp::Text(5, 27, "c")};
    EXPECT_EQ(canvas.ops, expected);
}

TEST(ResultPicture, DrawsThePalletThenEveryBundleBelowTheTextBand) {
    RecordingCanvas canvas;
    const LoadRequest request = BundleRequest(600, 400, 300);
    ResultPicture picture(canvas, clSilver);
    picture.DrawLoad(PlanLoad(request), request, 417, 564); // 4 a layer, 6 layers
    picture.WriteText({"line"});
    const auto polygons =
        std::count_if(canvas.ops.begin(), canvas.ops.end(),
                      [](const CanvasOp& op) { return op.kind == CanvasOp::Kind::Polygon; });
    EXPECT_EQ(polygons, (7 + 24) * 3);
    EXPECT_EQ(picture.Scene().PalletPending, 0);
    // The scene is fitted into 417 x 484 and mapped 80 pixels down: nothing above the band.
    for (const CanvasOp& op : canvas.ops) {
        if (op.kind != CanvasOp::Kind::Polygon)
            continue;
        for (const PixelPoint& p : op.points)
            ASSERT_GE(p.Y, 80);
    }
    EXPECT_EQ(canvas.ops.back(), CanvasOp::Text(5, 1, "line"));
}

} // namespace
