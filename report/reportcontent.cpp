#include "report/reportcontent.h"

#include "loaddraw/drawblockpattern.h"
#include "shell/resultpicture.h"
#include "shell/texts.h"

#include <QDateTime>

#include <utility>

namespace {

std::vector<std::string> InputLines(const Calculation& c) {
    // The inputs as typed: the calculation holds the pallet sides and the overhangs exchanged
    // when it turned the pallet.
    const CalculationInputs& in = c.Inputs;
    std::string palletLength = in.PalletLength, palletWidth = in.PalletWidth;
    std::string lengthOverhang = in.LengthOverhang, widthOverhang = in.WidthOverhang;
    if (c.Plan.Turned) {
        std::swap(palletLength, palletWidth);
        std::swap(lengthOverhang, widthOverhang);
    }
    std::vector<std::string> lines;
    if (!in.BoxLength.empty() && !in.BoxWidth.empty() && !in.BoxHeight.empty())
        lines.push_back(Texts::Sheet::BoxLine(in.BoxLength, in.BoxWidth, in.BoxHeight,
                                              in.FluteProfile, in.BoxesPerBundle));
    lines.push_back(Texts::Sheet::BundleLine(in.BundleLength, in.BundleWidth, in.BundleHeight));
    lines.push_back(Texts::Sheet::PalletLine(palletLength, palletWidth));
    lines.push_back(Texts::Sheet::MaxHeightLine(in.MaxHeight, in.HeightIncludesPallet));
    lines.push_back(Texts::Sheet::MaxOverhangLine(lengthOverhang, widthOverhang));
    if (!in.BundlesInOrder.empty())
        lines.push_back(Texts::Sheet::OrderLine(in.BundlesInOrder));
    return lines;
}

} // namespace

ReportPage ReportPageFor(const Calculation& c, Alternation alternation, const std::string& time) {
    ReportPage page;
    page.Title = Texts::Sheet::ReportTitle;
    page.Time = time;
    page.Sections = {{Texts::Sheet::InputsHeading, InputLines(c)},
                     {Texts::Sheet::ResultHeading, c.TextBlock}};
    if (!c.WeightLines.empty())
        page.Sections.push_back({Texts::Weights::WeightsTitle, c.WeightLines});
    // A calculation whose advice never came (the inputs changed while it was worked out) has
    // no advice section rather than an empty one.
    if (c.Advice)
        page.Sections.push_back({Texts::Sheet::AdviceHeading, c.AdviceLines});
    // The window's picture without its text block, which the page writes as text.
    page.DrawPicture = [&c](Canvas& canvas, int width, int height) {
        DrawResultPicture(canvas, c.Inputs.DrawingColour, c.Plan, c.Request, width, height, {});
    };
    page.PictureRefusal = Texts::PictureTooLarge(MaxPictureBundles);
    page.Plans.push_back(TwoBlockPlanPicture(c, alternation));
    if (std::optional<PlanPicture> best = BestPlanPicture(c, alternation))
        page.Plans.push_back(std::move(*best));
    return page;
}

std::string ReportTime() {
    return QDateTime::currentDateTime().toString("dd.MM.yyyy HH:mm").toStdString();
}
