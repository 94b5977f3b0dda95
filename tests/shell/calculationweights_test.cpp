#include "shell/calculation.h"
#include "shell/fieldnumbers.h"
#include "shell/resultpicture.h"

#include "tests/support/recordingcanvas.h"

#include <gtest/gtest.h>

namespace {

// 600 x 400 x 150 on the default pallet: 4 a layer in 12 layers, 48 bundles, 1000 in the order.
CalculationInputs Inputs(WeightFields weights, const char* maxHeight = "2000") {
    CalculationInputs inputs;
    inputs.BundleLength = "600";
    inputs.BundleWidth = "400";
    inputs.BundleHeight = "150";
    inputs.BundlesInOrder = "1000";
    inputs.MaxHeight = maxHeight;
    inputs.Weights = std::move(weights);
    return inputs;
}

std::vector<CanvasOp> Picture(const Calculation& result) {
    RecordingCanvas canvas;
    DrawResultPicture(canvas, clSilver, result.Plan, result.Request, ResultPictureWidth,
                      ResultPictureHeight, result.PictureText);
    return canvas.ops;
}

std::vector<CanvasOp> BestPicture(const Calculation& result) {
    RecordingCanvas canvas;
    DrawBestLayerPicture(canvas, clSilver, *result.Advice, ResultPictureWidth, ResultPictureHeight,
                         result.BestPictureText);
    return canvas.ops;
}

TEST(CalculateWeights, WithoutAMaximumEveryFigureStaysAsItWas) {
    const Calculation plain = Calculate(Inputs({}), '.', AdviceWanted::Yes);
    const Calculation weighed = Calculate(Inputs({"", "10", "", ""}), '.', AdviceWanted::Yes);
    EXPECT_EQ(weighed.Plan.Total, plain.Plan.Total);
    EXPECT_EQ(weighed.Plan.Layers, plain.Plan.Layers);
    EXPECT_EQ(weighed.TextBlock, plain.TextBlock);
    EXPECT_EQ(weighed.AdviceLines, plain.AdviceLines);
    EXPECT_EQ(Picture(weighed), Picture(plain));
    EXPECT_TRUE(plain.WeightLines.empty());
    EXPECT_EQ(weighed.WeightLines.size(), 4u);
    // A maximum the full pallet stays within changes nothing either.
    const Calculation within = Calculate(Inputs({"", "10", "", "505"}), '.', AdviceWanted::Yes);
    EXPECT_EQ(within.TextBlock, plain.TextBlock);
    EXPECT_EQ(Picture(within), Picture(plain));
    EXPECT_FALSE(within.Weights.LayersCut);
}

TEST(CalculateWeights, MaximumGrossCutsLayersAndEveryOutputFollows) {
    // 10 kg bundles under 400 kg with the pallet's 25: 9 layers instead of 12.
    const Calculation cut = Calculate(Inputs({"", "10", "", "400"}), '.', AdviceWanted::Yes);
    ASSERT_FALSE(cut.Failure);
    EXPECT_TRUE(cut.Weights.LayersCut);
    EXPECT_EQ(cut.Lines.Total, "Всего в укладке 36 пачек.");
    EXPECT_EQ(cut.Lines.Layers, "9 слоев по 4 пачек.");
    EXPECT_EQ(*cut.Lines.Pallets, "Количество поддонов: 28");
    EXPECT_EQ(cut.TextBlock[5], "Высота паллет: 1500 мм.");
    EXPECT_EQ(cut.TextBlock[7], "На последнем поддоне: 28 пачек.");
    EXPECT_EQ(cut.WeightLines[1], "Слоев меньше из-за массы: не более 400 кг на поддон");

    // The picture is the one of the same load stacked 9 high: three layers of 150 mm fewer,
    // the room above the top layer the same.
    const Calculation lower = Calculate(Inputs({}, "1550"), '.', AdviceWanted::Yes);
    ASSERT_EQ(lower.Plan.Layers, 9);
    EXPECT_EQ(Picture(cut), Picture(lower));

    // The advisor's best layer answers to the same limit.
    ASSERT_TRUE(cut.Advice);
    EXPECT_LE(25 + cut.Advice->BestPlan.Total * 10, 400);
    EXPECT_EQ(cut.Advice->BestPlan.Layers, cut.Advice->Layers);
    EXPECT_EQ(BestPicture(cut), BestPicture(lower));
}

TEST(CalculateWeights, BoxWeightNeedsTheBoxesPerBundle) {
    CalculationInputs inputs = Inputs({"350", "", "", ""});
    Calculation result = Calculate(inputs, '.', AdviceWanted::No);
    EXPECT_EQ(result.WeightLines,
              std::vector<std::string>{"Масса пачки не определена: укажите количество в пачке"});
    inputs.BoxesPerBundle = "10";
    result = Calculate(inputs, '.', AdviceWanted::No);
    EXPECT_EQ(result.WeightLines.front(), "Масса пачки: 3.5 кг");
    // The boxes per bundle are read only when the box weight needs them.
    inputs.BoxesPerBundle = "x";
    EXPECT_THROW(Calculate(inputs, '.', AdviceWanted::No), ConversionError);
    inputs.Weights = {"", "4", "", ""};
    EXPECT_NO_THROW(Calculate(inputs, '.', AdviceWanted::No));
}

TEST(CalculateWeights, AnOrderThatDoesNotConvertLeavesNoWeightLines) {
    CalculationInputs inputs = Inputs({"", "10", "", ""});
    inputs.BundlesInOrder = "many";
    const Calculation result = Calculate(inputs, '.', AdviceWanted::No);
    EXPECT_TRUE(result.Failure);
    EXPECT_TRUE(result.WeightLines.empty());
}

} // namespace
