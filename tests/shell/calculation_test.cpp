#include "shell/calculation.h"

#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CalculationInputs Bundle(const char* length, const char* width, const char* height) {
    CalculationInputs inputs;
    inputs.BundleLength = length;
    inputs.BundleWidth = width;
    inputs.BundleHeight = height;
    return inputs;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(Calculate, TurnedPalletTurnsTheFieldTextsTheOutputsShow) {
    CalculationInputs inputs = Bundle("410", "300", "100");
    inputs.PalletLength = "800";
    inputs.PalletWidth = "1200";
    inputs.LengthOverhang = "0";
    inputs.WidthOverhang = "50";
    const Calculation result = Calculate(inputs, '.', AdviceWanted::No);
    ASSERT_TRUE(result.Plan.Turned);
    EXPECT_EQ(result.Inputs.PalletLength, "1200");
    EXPECT_EQ(result.Inputs.PalletWidth, "800");
    EXPECT_EQ(result.Inputs.LengthOverhang, "50");
    EXPECT_EQ(result.Inputs.WidthOverhang, "0");
    EXPECT_TRUE(Holds(result.TextBlock, "Размер поддона: 1200 x 800"));
    EXPECT_TRUE(Holds(result.TextBlock, "Свесы: 30 мм. по длине, 0 мм. по ширине"));
}

TEST(Calculate, LabelsTextBlockAndAdviceTellTheSameLoad) {
    CalculationInputs inputs = Bundle("410", "310", "100");
    inputs.BundlesInOrder = "1000";
    const Calculation result = Calculate(inputs, '.', AdviceWanted::Yes);
    ASSERT_FALSE(result.Failure);
    const std::vector<std::string> labels = {result.Lines.Total, result.Lines.Layers,
                                             result.Lines.Overhangs, *result.Lines.Pallets};
    ASSERT_GE(result.TextBlock.size(), labels.size());
    EXPECT_TRUE(std::equal(labels.begin(), labels.end(), result.TextBlock.begin()));
    EXPECT_EQ(result.Lines.Total, "Всего в укладке 90 пачек.");
    EXPECT_EQ(result.BundlesInOrder, 1000);
    EXPECT_EQ(result.PictureText, result.TextBlock);
    ASSERT_TRUE(result.Advice);
    EXPECT_FALSE(result.AdviceLines.empty());
    // The best layer's picture tells the best layer's total, not the two-block one.
    ASSERT_FALSE(result.BestPictureText.empty());
    EXPECT_EQ(result.BestPictureText[0],
              "Всего в укладке " + std::to_string(result.Advice->BestPlan.Total) + " пачек.");
}

TEST(Calculate, AdviceOnlyWhenWanted) {
    const Calculation result = Calculate(Bundle("600", "400", "300"), '.', AdviceWanted::No);
    EXPECT_FALSE(result.Advice);
    EXPECT_TRUE(result.AdviceLines.empty());
    EXPECT_TRUE(result.BestPictureText.empty());
    EXPECT_FALSE(result.Lines.Pallets);
}

TEST(Calculate, TextOptionOffLeavesThePicturesWithoutText) {
    CalculationInputs inputs = Bundle("410", "310", "100");
    inputs.AddText = false;
    const Calculation result = Calculate(inputs, '.', AdviceWanted::Yes);
    EXPECT_FALSE(result.TextBlock.empty());
    EXPECT_TRUE(result.PictureText.empty());
    EXPECT_TRUE(result.BestPictureText.empty());
}

TEST(Calculate, OrderThatDoesNotConvertFailsAfterTheFigures) {
    CalculationInputs inputs = Bundle("600", "400", "300");
    inputs.BundlesInOrder = "12a";
    const Calculation result = Calculate(inputs, '.', AdviceWanted::Yes);
    ASSERT_TRUE(result.Failure);
    EXPECT_EQ(result.Lines.Total, "Всего в укладке 24 пачек.");
    EXPECT_TRUE(result.TextBlock.empty());
    EXPECT_FALSE(result.Advice);
    try {
        std::rethrow_exception(result.Failure);
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.what(), Texts::NotValidInteger("12a"));
    }
}

TEST(Calculate, PalletTextThatDoesNotConvertRaises) {
    CalculationInputs inputs = Bundle("600", "400", "300");
    inputs.PalletWidth = "8OO";
    EXPECT_THROW(Calculate(inputs, '.', AdviceWanted::No), ConversionError);
}

struct ReadyCase {
    const char *length, *width, *height;
    const char* named; // the field the error names, or nullptr when none
    bool ready;
};

const ReadyCase readyCases[] = {
    {"600", "400", "300", nullptr, true}, {"600", "", "300", nullptr, false},
    {"600", "0", "300", nullptr, false},  {"-600", "400", "300", nullptr, true},
    {"1.5", "2.5", "3.5", "1.5", false},  {"1", "2.5", "3.5", "2.5", false},
    {"1", "2", "3.5", "3.5", false},
};

TEST(BundleSizeReady, NamesTheFirstFieldThatIsNotWholeInReadingOrder) {
    for (const ReadyCase& c : readyCases) {
        SCOPED_TRACE(std::string(c.length) + "|" + c.width + "|" + c.height);
        const CalculationInputs inputs = Bundle(c.length, c.width, c.height);
        if (!c.named) {
            EXPECT_EQ(BundleSizeReady(inputs), c.ready);
            continue;
        }
        try {
            BundleSizeReady(inputs);
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), Texts::NotValidInteger(c.named));
        }
    }
}

CalculationInputs Box(const char* perBundle, const char* boxes) {
    CalculationInputs inputs;
    inputs.BoxLength = "400";
    inputs.BoxWidth = "300";
    inputs.BoxHeight = "200";
    inputs.BoxesPerBundle = perBundle;
    inputs.BoxesInOrder = boxes;
    return inputs;
}

TEST(DeriveBundleFromBox, GivesTheBundleAndTheOrderFromTheBoxGroup) {
    CalculationInputs inputs = Box("10", "1001");
    DeriveBundleFromBox(inputs, '.');
    // 400 + 300 + 1.5 x 3.1, 300 + 200 + 2 x 3.1, 10 boxes x 2 x 3.1, 1001 / 10 rounded up.
    EXPECT_EQ(inputs.BundleLength, "705");
    EXPECT_EQ(inputs.BundleWidth, "506");
    EXPECT_EQ(inputs.BundleHeight, "62");
    EXPECT_EQ(inputs.BundlesInOrder, "101");
}

TEST(DeriveBundleFromBox, StopsWhereItsInputsEnd) {
    CalculationInputs noCount = Box("", "1000");
    DeriveBundleFromBox(noCount, '.');
    EXPECT_EQ(noCount.BundleLength, "705");
    EXPECT_EQ(noCount.BundleHeight, "");
    EXPECT_EQ(noCount.BundlesInOrder, "");

    CalculationInputs zeroBox = Box("10", "1000");
    zeroBox.BoxWidth = "0";
    DeriveBundleFromBox(zeroBox, '.');
    EXPECT_EQ(zeroBox.BundleLength, "");
}

TEST(DeriveBundleFromBox, CountThatDoesNotConvertKeepsTheSizesDerivedBeforeIt) {
    CalculationInputs inputs = Box("ten", "1000");
    EXPECT_THROW(DeriveBundleFromBox(inputs, '.'), ConversionError);
    EXPECT_EQ(inputs.BundleLength, "705");
    EXPECT_EQ(inputs.BundleWidth, "506");
    EXPECT_EQ(inputs.BundleHeight, "");
}

TEST(DeriveBundleFromBox, NamesTheFirstBoxFieldThatIsNotWhole) {
    CalculationInputs inputs = Box("10", "");
    inputs.BoxLength = "1.5";
    inputs.BoxWidth = "2.5";
    try {
        DeriveBundleFromBox(inputs, '.');
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.what(), Texts::NotValidInteger("1.5"));
    }
}

} // namespace
