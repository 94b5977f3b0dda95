#include "report/planpicture.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

PlanPicture Sample(bool alternate) {
    PlanPicture plan;
    plan.Layers = {TwoBlockLayerPlan({1200, 800, 50, 30, 250, 150}, 1200, 800, 2)};
    if (alternate)
        plan.Layers.push_back(MirrorLayer(plan.Layers[0]).Plan);
    plan.Texts.Titles = {"План слоя", "Слой зеркально"};
    plan.Texts.Caption = {"Пачек в слое: 25"};
    plan.Texts.LengthwiseLegend = "вдоль";
    plan.Texts.TurnedLegend = "поперек";
    return plan;
}

struct SvgPlan {
    double viewBox[4] = {};
    std::vector<PlanRect> bundles;
    bool palletAtOrigin = false;
};

SvgPlan ReadSvg(const std::string& document) {
    SvgPlan svg;
    QXmlStreamReader xml(QByteArray::fromStdString(document));
    const auto number = [&](const char* name) {
        return static_cast<std::int64_t>(xml.attributes().value(name).toLongLong());
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"svg") {
            const QStringList box = xml.attributes().value("viewBox").toString().split(' ');
            for (int i = 0; i < 4 && i < box.size(); ++i)
                svg.viewBox[i] = box[i].toDouble();
        } else if (xml.name() == u"rect") {
            const PlanRect r{number("x"), number("y"), number("width"), number("height")};
            if (xml.attributes().value("class") == u"bundle")
                svg.bundles.push_back(r);
            else if (r == PlanRect{0, 0, 1200, 800})
                svg.palletAtOrigin = true;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

TEST(PlanSvg, EveryBundleARectInMillimetresWithThePalletCornerAtTheOrigin) {
    for (const bool alternate : {false, true}) {
        SCOPED_TRACE(alternate ? "with the mirrored layer" : "one layer");
        const PlanPicture plan = Sample(alternate);
        const SvgPlan svg = ReadSvg(PlanSvgDocument(plan));
        EXPECT_TRUE(svg.palletAtOrigin);
        ASSERT_EQ(svg.bundles.size(), alternate ? 50u : 25u);
        // The first layer's bundles are the plan's, to the millimetre, in placing order.
        for (std::size_t i = 0; i < 25; ++i)
            EXPECT_EQ(svg.bundles[i], plan.Layers[0].Bundles[i].Rect) << "bundle " << i + 1;
        // The viewBox holds the envelope, which reaches 25 mm before the pallet's corner.
        EXPECT_LE(svg.viewBox[0], -25);
        EXPECT_LE(svg.viewBox[1], -15);
        for (const PlanRect& r : svg.bundles) {
            EXPECT_GE(r.X, svg.viewBox[0]);
            EXPECT_GE(r.Y, svg.viewBox[1]);
            EXPECT_LE(r.X + r.Length, svg.viewBox[0] + svg.viewBox[2]);
            EXPECT_LE(r.Y + r.Width, svg.viewBox[1] + svg.viewBox[3]);
        }
    }
}

TEST(PlanPng, TakesThePlansProportionsAndShowsBothShades) {
    const PlanPicture plan = Sample(false);
    const QImage image = PlanImage(plan, 800, 800);
    const PlanRect extent = LayOutPlan(plan.Layers, plan.Texts).Extent;
    ASSERT_EQ(image.width(), 800);
    EXPECT_NEAR(image.height(), 800.0 * extent.Width / extent.Length, 1);
    const auto pixelAt = [&](const PlanRect& r) {
        // Just inside the bundle's corner, clear of its outline and its number.
        const double scale = 800.0 / static_cast<double>(extent.Length);
        const int x = static_cast<int>((static_cast<double>(r.X - extent.X) + 12) * scale);
        const int y = static_cast<int>((static_cast<double>(r.Y - extent.Y) + 12) * scale);
        const QColor c = image.pixelColor(x, y);
        return MakeColour(c.red(), c.green(), c.blue());
    };
    EXPECT_EQ(pixelAt(plan.Layers[0].Bundles[0].Rect), PlanTurnedColour);
    EXPECT_EQ(pixelAt(plan.Layers[0].Bundles[16].Rect), PlanLengthwiseColour);
}

} // namespace
